#pragma once

// An owner-drawn push button whose look is one three-frame picture from the launcher's resources:
// frame 0 normal, frame 1 pointer over it or tool running, frame 2 pressed. It tracks the pointer itself
// and, after every paint that is not a pressed one, tells its parent synchronously whether the pointer is
// over it (WM_BUTTON_HOVER, wParam control id, lParam 0 over / 1 away); so it does when it is enabled or
// disabled, which changes nothing it shows and repaints nothing. Clicks reach the parent as the usual
// BN_CLICKED. On a dialog with a key colour each look is drawn once and copied at later paints.
// Ownership: the button owns its picture; its owner (a dialog) owns the button object.
// Thread: user-interface thread only. The parent's WM_BUTTON_HOVER handler runs inside DrawItem and may
// create or destroy windows.

#include <windows.h>

#include <memory>

#include "framework/Button.h"
#include "launcher/skin/ButtonFrames.h"
#include "launcher/skin/SkinImage.h"

namespace zep {

class CImageButton : public CButton {
public:
    CImageButton() noexcept = default;
    ~CImageButton() override;

    // Creates the button as a child control with identifier `id`; callers pass no caption and style 0
    // (or WS_VISIBLE). Load the picture afterwards: the window takes its size from it.
    bool Create(const wchar_t* caption, DWORD style, const RECT& rect, HWND parent, UINT id) override;

    // Replaces the picture by PNG resource `id` of the set for `scale` and resizes the window to one frame
    // (a third of the picture's width), keeping its top-left corner in the parent's client area; repaints
    // at once. A missing resource leaves a button that draws nothing (0 x 0).
    void LoadButtonImage(UINT id, DisplayScale scale = DisplayScale());

    // Paints one frame into item->hDC (which stays the caller's) and reports the pointer to the parent.
    virtual void DrawItem(LPDRAWITEMSTRUCT item);

    // A double click is fed to the previous window procedure as a second press.
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // The tool behind the button runs (or not): the button shows its middle frame while it is not
    // pressed. Written by the dock dialog from the running-tool check; the button is repainted.
    void SetRunning(bool running);

    bool Running() const noexcept { return m_bRunning; }
    bool Hovering() const noexcept { return m_bHover; }
    bool Tracking() const noexcept { return m_bTracking; }
    int ImageWidth() const noexcept { return m_nImageWidth; }
    int ImageHeight() const noexcept { return m_nImageHeight; }
    int FrameWidth() const noexcept { return m_nFrameWidth; }
    const SkinImage* Image() const noexcept { return m_pImage.get(); }
    // In the parent's client coordinates, as of the last LoadButtonImage.
    const RECT& ButtonRect() const noexcept { return m_rcButton; }
    UINT ControlId() const noexcept { return m_nCtrlId; }

protected:
    void PreSubclassWindow() override;
    bool OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
    bool OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

private:
    void DrawFrame(GpGraphics* graphics, int frame);
    void ReportHover(bool over);

    bool m_bRunning = false;
    bool m_bTracking = false;  // leave and hover tracking is armed
    bool m_bHover = false;     // the pointer is over the button
    int m_nImageWidth = 0;
    int m_nImageHeight = 0;
    int m_nFrameWidth = 0;  // m_nImageWidth / 3
    std::unique_ptr<SkinImage> m_pImage;
    ButtonFrames m_frames;  // the picture's looks on the parent's key colour; reset with the picture
    RECT m_rcButton{0, 0, 0, 0};
    UINT m_nCtrlId = 0;
};

}  // namespace zep
