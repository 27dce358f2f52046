#pragma once

// The background window of a window pair: a borderless popup whose whole look is one per-pixel-alpha
// composition handed to the system (UpdateLayeredWindow). It shows either a single picture or the bar
// background put together from the sixteen edge backgrounds, and carries its companion control dialog
// along whenever it moves.
//
// Ownership: the object owns its single picture and its sixteen backgrounds; DestroyWindow and the
// destructor release them. Thread: user-interface thread only.

#include <windows.h>

#include <memory>

#include "framework/Dialog.h"
#include "launcher/skin/BarBands.h"
#include "launcher/skin/SkinImage.h"

namespace zep {

class LayeredSurface;

class CPngDialog : public CDialog {
public:
    CPngDialog() noexcept;
    ~CPngDialog() override;

    // Creates the window from `templateId`. Without a parent the window is owned by the application's
    // main window, unless it is the main window itself.
    bool Create(UINT templateId, HWND parent = nullptr);

    // Deletes the single picture, loads picture `id` and takes its size as the composition size. False
    // only when the image object cannot be allocated (the window then has no single picture). A missing
    // resource gives a picture of 0 x 0 that draws nothing.
    bool LoadPicture(UINT id);

    // Composes the single picture with constant alpha `alpha`. False, and the window untouched, when
    // there is no single picture.
    bool UpdatePicture(BYTE alpha);
    // Composes the bar background of `edge` with the given socket count (0 to 3) in the first, second
    // and third group band, with constant alpha `alpha`. The composition size becomes the vertical or
    // horizontal bar size. False, and the window untouched, when background 0 is missing. The arguments
    // are not stored.
    bool UpdateEdgeBackground(int edge, int first, int second, int third, BYTE alpha);
    // Composes again at full opacity: the single picture, or else the bar background of m_nStateEdge
    // and m_nStateCounts.
    void Repaint();

    BOOL OnInitDialog() override;
    // Ends the session notifications, deletes every picture, then destroys the window.
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    // The key filter of both window kinds of a pair (Enter and Escape untranslated, Alt+F4 swallowed),
    // then the dialog's own translation.
    static BOOL TranslateDialogKeys(CDialog& dialog, MSG* msg);

    HWND m_hCompanion;    // control dialog riding on this window, set by it at its creation
    HWND m_hCloseTarget;  // told with a posted WM_CLOSE when this window is asked to close
    std::unique_ptr<SkinImage> m_pPicture;
    std::unique_ptr<SkinImage> m_pBackgrounds[kBackgroundSlots];  // 4 x edge + socket count
    SIZE m_sizeComposition;
    SIZE m_sizeVertical;
    SIZE m_sizeHorizontal;
    POINT m_ptCompanionOffset;  // companion's place relative to this window's top-left corner
    bool m_bDragEnabled;
    int m_nStateCounts[kBarBandCount];
    int m_nStateEdge;

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // Called with every finished composition, just before it is handed to the system.
    virtual void OnComposed(const LayeredSurface& surface, BYTE alpha);

private:
    template <typename DrawFn>
    void Compose(BYTE alpha, DrawFn draw);
    void OnLButtonDown();
    void OnMove(int x, int y);
    void OnSysColorChange();
    void OnSettingChange();
};

// Loads the sixteen bar backgrounds into `window`: set e becomes backgrounds 4e to 4e + 3, so set e must be
// that of dock edge e. Afterwards the size of background 0 is the vertical bar size and that of
// background 12 the horizontal one. False as soon as an image object cannot be allocated (the images
// loaded so far stay with the window).
bool LoadEdgeImageSets(CPngDialog& window, const UINT (&set0)[4], const UINT (&set1)[4], const UINT (&set2)[4],
                       const UINT (&set3)[4]);

}  // namespace zep
