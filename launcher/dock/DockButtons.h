#pragma once

// The bar's 13 image buttons, 1000 to 1012, children of the dock dialog: created hidden, given their
// pictures and places by the layout, enabled and disabled together, marked while their tools run.
//
// Ownership: owns the button objects; Destroy (or the destructor) deletes them, which destroys their
// windows. Thread: user-interface thread only.

#include <windows.h>

#include <memory>

#include "launcher/config/DockButton.h"
#include "launcher/dock/LayoutPlan.h"
#include "launcher/skin/ImageButton.h"

namespace zep {

class CLaunchConfig;

class CDockButtons {
public:
    CDockButtons() noexcept = default;
    CDockButtons(const CDockButtons&) = delete;
    CDockButtons& operator=(const CDockButtons&) = delete;

    // Creates the 13 buttons as hidden children of `parent`, in identifier order, with empty rectangles.
    void Create(HWND parent);
    // Deletes every button.
    void Destroy() noexcept;

    // Every button takes its picture of the plan, then its place (at the top of its siblings, shown, size
    // kept) or is hidden.
    void LayOut(const LayoutPlan& plan);

    // Gives every button its accessible name (its window text, which the owner-drawn buttons never draw)
    // from the tool names of `config`.
    void SetNames(const CLaunchConfig& config);
    // EnableWindow on all 13, in identifier order.
    void Enable(bool enable);

    // The running flags of the marked buttons from a running-tool check (bit r of `rowsFound`: row r of the
    // running-tool table was found). Every mark is written and its button repainted, changed or not.
    void MarkRunningTools(unsigned long long rowsFound);

    // Null before Create and after Destroy.
    CImageButton* Get(DockButton button) const noexcept { return m_buttons[ButtonIndex(button)].get(); }

private:
    std::unique_ptr<CImageButton> m_buttons[kDockButtons];
};

}  // namespace zep
