#include "assistant/ChildView.h"

#include "framework/WinApp.h"

namespace zep {
namespace {
const wchar_t kViewClass[] = L"ZepAssistantView";

bool RegisterViewClass()
{
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = ::DefWindowProcW;
    wc.hInstance = CWinApp::ResourceInstance();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    wc.lpszClassName = kViewClass;
    return ::RegisterClassExW(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
}  // namespace

bool CChildView::Create(HWND parent)
{
    if (!RegisterViewClass())
        return false;
    const RECT empty = {0, 0, 0, 0};
    return CreateEx(WS_EX_CLIENTEDGE, kViewClass, nullptr, WS_CHILD | WS_VISIBLE, empty, parent, kViewId);
}

}  // namespace zep
