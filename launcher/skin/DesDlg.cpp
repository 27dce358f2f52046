#include "launcher/skin/DesDlg.h"

#include "framework/WinApp.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

constexpr COLORREF kLightCyan = RGB(102, 255, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kTextWeight = 500;

// The cell height scales with the card: the texts wrap at the same words at every scale.
HGDIOBJ CreateTextFont(DisplayScale scale)
{
    return ::CreateFontW(scale.Px(kPanelTextHeight), 0, 0, 0, kTextWeight, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS,
                         L"Arial");
}

}  // namespace

CDesDlg::~CDesDlg()
{
    // The controls go before the dialog window (the base destructor), so none outlives its object.
    ClearContents();
}

BOOL CDesDlg::DestroyWindow()
{
    ClearContents();
    return CCtrlDialog::DestroyWindow();
}

BOOL CDesDlg::OnInitDialog()
{
    const BOOL result = CCtrlDialog::OnInitDialog();
    if (CPngDialog* background = Background())
        background->SetDragEnabled(false);
    return result;
}

void CDesDlg::ClearContents()
{
    for (std::unique_ptr<CStatic>& text : m_pTexts)
        text.reset();
    for (std::unique_ptr<CImageButton>& button : m_pButtons)
        button.reset();
}

void CDesDlg::FillContents(DockButton button, DisplayScale scale)
{
    m_button = button;
    const PanelContent content = PanelContentFor(button, scale);

    UniqueGdiObject font(CreateTextFont(scale));
    const HINSTANCE resources = CWinApp::ResourceInstance();
    int nextButton = 0;
    for (int i = 0; i < content.textCount; ++i) {
        const PanelText& entry = content.texts[i];
        // A string missing from the table leaves its text empty.
        wchar_t text[512] = L"";
        ::LoadStringW(resources, static_cast<UINT>(entry.stringId), text, static_cast<int>(sizeof(text) / sizeof(text[0])));
        std::unique_ptr<CStatic>& control = m_pTexts[i];
        if (!control) {
            control = std::make_unique<CStatic>();
            const RECT rect = {entry.rect.left, entry.rect.top, entry.rect.right, entry.rect.bottom};
            // Plain left-aligned, word-wrapped text; "&&" shows one ampersand.
            if (!control->Create(L"", WS_VISIBLE, rect, m_hWnd, static_cast<UINT>(kPanelFirstTextId + i)))
                control.reset();
        }
        if (control) {
            ::SendMessageW(*control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
            ::SetWindowTextW(*control, text);
        }

        for (; nextButton < content.buttonCount && content.buttons[nextButton].afterText == i; ++nextButton) {
            const PanelButton& place = content.buttons[nextButton];
            std::unique_ptr<CImageButton>& button = m_pButtons[nextButton];
            if (button)
                continue;
            button = std::make_unique<CImageButton>();
            const RECT rect = {place.x, place.y, place.x, place.y};
            if (!button->Create(L"", 0, rect, m_hWnd, static_cast<UINT>(place.controlId))) {
                button.reset();
                continue;
            }
            button->LoadButtonImage(kPanelButtonPicture, scale);
            ::ShowWindow(*button, SW_SHOW);
        }
    }
    // Every text now uses the new font: the one of an earlier fill can go.
    m_font = std::move(font);
}

HBRUSH CDesDlg::OnCtlColorStatic(HDC dc, HWND text)
{
    const int index = ::GetDlgCtrlID(text) - kPanelFirstTextId;
    const PanelContent content = PanelContentFor(m_button);
    const bool cyan = index >= 0 && index < content.textCount && content.texts[index].colour == PanelTextColour::LightCyan;
    ::SetTextColor(dc, cyan ? kLightCyan : kWhite);
    // The text's cells are painted in the key colour and nothing else is filled: the text stands
    // directly on the card picture.
    ::SetBkColor(dc, KeyColour());
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

bool CDesDlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_CTLCOLORSTATIC:
        *result = reinterpret_cast<LRESULT>(OnCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam)));
        return true;
    case WM_BUTTON_HOVER:
        // The "OK" buttons report like the dock's own buttons: the dock's hover logic keeps the panel.
        if (m_hNotifyWnd)
            ::SendMessageW(m_hNotifyWnd, WM_BUTTON_HOVER, wParam, lParam);
        *result = 0;
        return true;
    default:
        return CCtrlDialog::OnWndMsg(message, wParam, lParam, result);
    }
}

bool CDesDlg::OnCommand(WPARAM wParam, LPARAM)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED || (id != kPanelLeftButton && id != kPanelRightButton))
        return false;
    // Posted: the dock closes this card before it starts the tool, which must not happen while the
    // button's click is still being handled on this card's and the button's stack.
    if (m_hNotifyWnd)
        ::PostMessageW(m_hNotifyWnd, WM_DES_COMMAND, static_cast<WPARAM>(id), 0);
    return true;
}

}  // namespace zep
