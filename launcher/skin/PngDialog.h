#pragma once

// The background window of a window pair: a borderless popup whose whole look is one per-pixel-alpha
// composition handed to the system (UpdateLayeredWindow). It shows either a single picture or the bar
// background put together from the sixteen edge backgrounds, and carries its companion control dialog
// along whenever it moves. Everything it needs to know (its picture or its bar layout, its close target,
// whether it may be dragged, who answers the help key) it is told by its owner.
//
// Ownership: the object owns its single picture and its sixteen backgrounds; DestroyWindow and the
// destructor release them. A background is decoded when a composition first needs it, so a launcher that
// never leaves its edge never decodes the other edges' pictures. Thread: user-interface thread only.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "framework/Dialog.h"
#include "launcher/config/DockEdge.h"
#include "launcher/skin/BarBands.h"
#include "launcher/skin/PremultipliedPicture.h"
#include "launcher/skin/SkinImage.h"

namespace zep {

class LayeredSurface;

class CPngDialog : public CDialog {
public:
    CPngDialog() noexcept;
    ~CPngDialog() override;

    // Creates the window from `templateId`. Without a parent the window is owned by the application's
    // main window, unless it is the main window itself. The window composes itself invisibly (alpha 0)
    // while it is created: its single picture, or else the bar background of its layout edge with no
    // sockets.
    bool Create(UINT templateId, HWND parent = nullptr);

    // Deletes the single picture, loads picture `id` of the set for `scale` and takes its size as the
    // composition size. False only when the image object cannot be allocated (the window then has no
    // single picture). A missing resource gives a picture of 0 x 0 that draws nothing.
    bool LoadPicture(UINT id, DisplayScale scale = DisplayScale());
    // Takes the sixteen bar backgrounds: set e becomes backgrounds 4e to 4e + 3, so set e must be that of
    // dock edge e. Nothing is decoded now; the vertical bar size is the size background 0 declares and the
    // horizontal one that of background 12.
    void LoadEdgeImageSets(const UINT (&set0)[4], const UINT (&set1)[4], const UINT (&set2)[4],
                           const UINT (&set3)[4]);

    // The picture set the bar backgrounds are taken from (100 % until told otherwise). Another scale drops
    // the decoded backgrounds and takes the bar sizes that set declares, also as the composition size of a
    // window without a single picture; nothing is composed now.
    void SetPictureScale(DisplayScale scale);
    DisplayScale PictureScale() const noexcept { return m_scale; }

    // Composes the single picture with constant alpha `alpha`. False, and the window untouched, when
    // there is no single picture.
    bool UpdatePicture(BYTE alpha);
    // Composes the bar background of `edge` with the given socket count (0 to 3) in the first, second
    // and third group band, with constant alpha `alpha`. The composition size becomes the vertical or
    // horizontal bar size. False, and the window untouched, when no edge image sets were taken. The
    // arguments are not stored.
    bool UpdateEdgeBackground(DockEdge edge, int first, int second, int third, BYTE alpha);
    // Composes again at full opacity: the single picture, or else the bar background of the layout.
    void Repaint();

    // From HoldComposition to ReleaseComposition the single picture is composed only once: every later
    // UpdatePicture hands the system that same surface with its own constant alpha, as the steps of a
    // fade do. LoadPicture and DestroyWindow release the surface too.
    void HoldComposition() noexcept { m_bHoldComposition = true; }
    void ReleaseComposition() noexcept;

    // The bar background that Repaint composes: the edge and the socket count (0 to 3) of each group
    // band. Nothing is composed now.
    void SetBackgroundLayout(DockEdge edge, int first, int second, int third) noexcept;
    // The window told (with a posted WM_CLOSE) when this window is asked to close; null: nobody.
    void SetCloseTarget(HWND target) noexcept { m_hCloseTarget = target; }
    // Off: a press of the left button does nothing at all (the window cannot be dragged).
    void SetDragEnabled(bool enabled) noexcept { m_bDragEnabled = enabled; }
    // What the help key (F1) does in this window and in its companion; nothing while none is set.
    void SetHelpHandler(std::function<void()> handler) { m_help = std::move(handler); }
    // Asks the help handler; the help message counts as handled either way.
    void RequestHelp() const;

    // Called by the companion control dialog at its creation: this window carries it along, its top-left
    // at this window's top-left plus `offset`.
    void AttachCompanion(HWND companion) noexcept { m_hCompanion = companion; }
    void SetCompanionOffset(POINT offset) noexcept { m_ptCompanionOffset = offset; }

    SIZE CompositionSize() const noexcept { return m_sizeComposition; }
    DockEdge LayoutEdge() const noexcept { return m_nStateEdge; }
    const std::array<int, kBarBandCount>& LayoutCounts() const noexcept { return m_nStateCounts; }
    HWND Companion() const noexcept { return m_hCompanion; }
    POINT CompanionOffset() const noexcept { return m_ptCompanionOffset; }
    HWND CloseTarget() const noexcept { return m_hCloseTarget; }
    bool DragEnabled() const noexcept { return m_bDragEnabled; }
    // True while the window moves itself (the nudge after a colour change): its owner takes no such move
    // for one that needs correcting.
    bool MovingItself() const noexcept { return m_bMovingItself; }

    BOOL OnInitDialog() override;
    // Ends the session notifications, deletes every picture, then destroys the window.
    BOOL DestroyWindow() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    // The key filter of both window kinds of a pair (Enter and Escape untranslated, Alt+F4 swallowed),
    // then the dialog's own translation.
    static BOOL TranslateDialogKeys(CDialog& dialog, MSG* msg);

protected:
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

    // Called with every surface just before it is handed to the system (a held one at every step).
    virtual void OnComposed(const LayeredSurface& surface, BYTE alpha);

private:
    template <typename DrawFn>
    void Compose(BYTE alpha, DrawFn draw, bool hold = false);
    void Present(const LayeredSurface& surface, BYTE alpha);
    // Background `slot`, decoded at the first request; null for a slot outside 0 to 15.
    const PremultipliedPicture* BackgroundAt(int slot);
    void OnLButtonDown();
    void OnMove(int x, int y);
    void OnSysColorChange();
    void OnSettingChange();

    HWND m_hCompanion = nullptr;
    HWND m_hCloseTarget = nullptr;
    std::unique_ptr<SkinImage> m_pPicture;
    std::unique_ptr<LayeredSurface> m_pHeldSurface;  // the single picture's, while a composition is held
    bool m_bHoldComposition = false;
    UINT m_nBackgroundIds[kBackgroundSlots] = {};                             // 4 x edge + socket count
    std::unique_ptr<PremultipliedPicture> m_pBackgrounds[kBackgroundSlots];  // decoded when first needed
    bool m_bBackgroundsTaken = false;
    DisplayScale m_scale;  // of the backgrounds
    SIZE m_sizeComposition{0, 0};
    SIZE m_sizeVertical{0, 0};
    SIZE m_sizeHorizontal{0, 0};
    POINT m_ptCompanionOffset{0, 0};
    bool m_bDragEnabled = true;
    bool m_bMovingItself = false;
    std::array<int, kBarBandCount> m_nStateCounts = {0, 0, 0};
    DockEdge m_nStateEdge = DockEdge::Right;
    std::function<void()> m_help;
};

}  // namespace zep
