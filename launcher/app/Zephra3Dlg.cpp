#include "launcher/app/Zephra3Dlg.h"

#include <wtsapi32.h>

#include "framework/ResourceCounter.h"
#include "framework/TimingProbe.h"
#include "launcher/config/DockTimers.h"
#include "launcher/dock/DockKey.h"
#include "launcher/res/resource.h"
#include "launcher/system/KeyboardHook.h"
#include "launcher/system/WindowsVersion.h"
#include "launcher/tools/OpenHelp.h"
#include "launcher/tools/ToolCommand.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

void ShowHelp()
{
    OpenHelp();
}

}  // namespace

CZephra3Dlg::CZephra3Dlg()
    : m_hIcon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                              0, 0, LR_DEFAULTSIZE | LR_SHARED))),
      m_nTaskbarCreated(::RegisterWindowMessageW(L"TaskbarCreated")),
      m_layout(*this, m_buttons, m_screen),
      m_windows(*this, m_buttons, m_layout, m_card, m_config, m_screen),
      m_driver(m_windows, DockEdge::Right),
      m_keeper(m_driver, m_windows, *this, m_screen, [this] { m_settings.Centre(m_screen.Width(), m_screen.Height()); })
{
}

CZephra3Dlg::~CZephra3Dlg() = default;

bool CZephra3Dlg::CreateBar()
{
    int stored = 0;
    EnsureDirectionValue(&stored);
    Background()->SetBackgroundLayout(StoredDockEdge(stored), 0, 0, 0);
    return CreatePair(IDD_ZEPHRA3_DIALOG);
}

bool CZephra3Dlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    *result = 0;
    switch (message) {
    case WM_PAINT:
        if (!::IsIconic(m_hWnd))
            break;
        PaintMinimisedIcon(m_hIcon);
        return true;
    case WM_QUERYDRAGICON:
        *result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    case WM_CREATE:
        *result = OnCreate(message, wParam, lParam);
        return true;
    case WM_REGISTRY_CHANGED:
        // The bar stays on the edge it runs on: a "Direction" written by another program takes effect at
        // the next start (or the next edge change), not half-way here.
        m_layout.RebuildBar(m_driver.Edge(), m_config);
        return true;
    case WM_BUTTON_HOVER:
        m_driver.HoverReported(static_cast<int>(wParam), static_cast<long>(lParam));
        return true;
    case WM_DES_COMMAND:
        // The card's "OK" buttons: 2007 starts the left card's tool (slot 9), 2008 the right one's (slot 8).
        if (wParam == kPanelLeftButton || wParam == kPanelRightButton) {
            m_driver.CardButtonClicked();
            OnButtonClicked(wParam == kPanelLeftButton ? DockButton::Tool9 : DockButton::Tool8);
        }
        return true;
    case WM_SETTING_CLOSE:
        CloseSettingDialog();
        return true;
    case WM_DIRECTION_CHANGE:
        if (const std::optional<DockEdge> edge = ToDockEdge(static_cast<long>(lParam)))
            m_driver.ChangeEdge(*edge);
        return true;
    case WM_SHELL_NOTIFY:
        // Marks change only while the bar can be seen; a hidden bar catches up at the next notification.
        if (m_driver.State() == Shown)
            m_links.CheckRunningTools();
        return true;
    case WM_RUNNING_TOOLS:
        m_buttons.MarkRunningTools(wParam);
        return true;
    case WM_QUERY_RESOURCES:
        *result = ResourceCounter::Query(wParam);
        return true;
    case WM_QUERY_TIMING:
        *result = TimingProbe::Query(wParam, lParam);
        return true;
    case WM_DPICHANGED:
        // The monitor's scale changed: the bar is built again in code at the new scale; the suggested
        // rectangle is not taken (the dock dialog is sized by its background window's picture).
        OnSystemChange(true, false, true);
        return true;
    case WM_SETTINGCHANGE:
    case WM_DISPLAYCHANGE:
        Default();
        // After a display change the system may also have dropped the keyboard hook.
        OnSystemChange(true, message == WM_DISPLAYCHANGE);
        return true;
    case WM_MOVE:
        Default();
        m_keeper.CorrectShownPosition();
        return true;
    case WM_WINDOWPOSCHANGED:
        Default();
        m_windows.DockDialogMoved();
        return true;
    case WM_WTSSESSION_CHANGE:
        // Only XP may report a changed work area late, after the desktop is unlocked.
        if (wParam == WTS_SESSION_UNLOCK)
            OnSystemChange(IsWindowsXp(), true);
        return true;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMEAUTOMATIC)
            KeyboardHook::Install(m_hWnd);  // a hook does not survive standby
        *result = TRUE;
        return true;
    case WM_TIMER:
        if (wParam == kCardCloseTimer)
            m_driver.CardTimerTicked();
        else if (wParam == kCorrectionTimer)
            m_keeper.CorrectionTimerTicked();
        else if (wParam == kWorkAreaTimer)
            m_keeper.WorkAreaTimerTicked();
        else if (wParam == kAssistantLookTimer)
            m_links.AssistantLookTimerTicked();
        else if (const std::optional<Slide> slide = SlideOfTimer(wParam))
            m_driver.SlideTimerTicked(*slide);
        return true;
    case WM_CLOSE:
        DestroyWindow();
        *result = m_hWnd ? Default() : 0;  // the tear-down normally leaves no window to close
        return true;
    default:
        if (message == m_nTaskbarCreated && m_nTaskbarCreated != 0) {
            // A restarted shell: the work area may be another, and the keyboard hook went with the old one
            // on some systems.
            OnSystemChange(true, true);
            return true;
        }
        break;
    }
    return CCtrlDialog::OnWndMsg(message, wParam, lParam, result);
}

LRESULT CZephra3Dlg::OnCreate(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_driver.StartupBegins();

    CPngDialog& background = *Background();
    m_windows.SetTaskbarButton(false);
    background.SetDragEnabled(false);
    ::SetWindowTextW(background, ZEP_BAR_WINDOW_TITLE);
    ::SetWindowTextW(m_hWnd, ZEP_DOCK_WINDOW_TITLE);

    // The screen first: its DPI and size decide the scale everything below is laid out at.
    m_screen.Read();
    m_config.ReadLaunchInfo();
    m_layout.DetectTools(m_config);
    const DockEdge edge = m_config.StoredEdge();
    m_driver.SetEdge(edge);
    m_layout.SetBackgroundLayout(edge);
    m_layout.SetForegroundOffsets(edge);

    LRESULT base = 0;
    CCtrlDialog::OnWndMsg(message, wParam, lParam, &base);
    if (base == -1)
        return -1;

    m_buttons.Create(m_hWnd);
    m_buttons.SetNames(m_config);
    m_layout.LayoutButtons(edge, m_config);
    const CoordinatePair parked = m_screen.Parked(edge);
    ::SetWindowPos(background, m_hWnd, parked.x, parked.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);

    m_links.StartAssistant(m_hWnd);
    return 0;
}

BOOL CZephra3Dlg::OnInitDialog()
{
    CCtrlDialog::OnInitDialog();  // tool window style, tooltips

    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    Background()->SetCloseTarget(m_hWnd);
    SetHelpHandler(&ShowHelp);
    m_card.Attach(*Background(), m_hWnd, &ShowHelp);
    m_layout.ComposeBar(m_driver.Edge(), 255);
    m_layout.MirrorButtonLayer(m_driver.Edge());

    m_links.Start(m_hWnd, m_config.MachineKeyWritten());

    m_driver.StartupEnds();
    ::InvalidateRect(nullptr, nullptr, FALSE);
    return TRUE;
}

BOOL CZephra3Dlg::DestroyWindow()
{
    if (m_bTornDown)
        return FALSE;
    m_bTornDown = true;

    m_links.Stop();

    m_card.Close(false);
    m_buttons.Destroy();
    return CCtrlDialog::DestroyWindow();
}

BOOL CZephra3Dlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYBOARD_EVENT && msg->hwnd == m_hWnd &&
        IsDockKeyRelease(static_cast<unsigned long>(msg->wParam), static_cast<unsigned long>(msg->lParam)) &&
        m_driver.DockKeyReleased())
        return TRUE;
    return CCtrlDialog::PreTranslateMessage(msg);
}

bool CZephra3Dlg::OnCommand(WPARAM wParam, LPARAM)
{
    const std::optional<DockButton> button = ToDockButton(LOWORD(wParam));
    if (HIWORD(wParam) != BN_CLICKED || !button)
        return false;
    OnButtonClicked(*button);
    return true;
}

void CZephra3Dlg::OnButtonClicked(DockButton button)
{
    if (ClosesCardFirst(button))
        m_driver.CloseCardAtOnce();
    const ToolCommand command = ToolCommandFor(button);
    switch (command.action) {
    case ToolAction::OpenSettings:
        OpenSettingDialog();
        return;
    case ToolAction::Hide:
        m_driver.HideButton();
        return;
    case ToolAction::Nothing:
        return;
    default:
        RunToolCommand(command, m_config.Entries(), m_toolSystem);
        return;
    }
}

void CZephra3Dlg::OpenSettingDialog()
{
    if (!m_settings.Open(m_hWnd, &ShowHelp, m_layout.ScaleOf(m_driver.Edge())))
        return;
    m_driver.SettingsOpened();
    // The buttons rest until the panel gives them back when it closes.
    m_buttons.Enable(false);
}

void CZephra3Dlg::CloseSettingDialog()
{
    if (!m_settings.Close())
        return;
    m_driver.SettingsClosed();
    m_buttons.Enable(true);
}

void CZephra3Dlg::OnSystemChange(bool placeAgain, bool hookAgain, bool rebuild)
{
    if (placeAgain) {
        m_keeper.UpdateScreenGeometry();
        const DockEdge edge = m_driver.Edge();
        const CPngDialog* background = Background();
        // A sliding bar (or one changing edges) keeps its pictures until it rests; the next change finds it so.
        if (background && m_driver.State() != Moving &&
            (rebuild || m_layout.ScaleOf(edge) != background->PictureScale())) {
            m_driver.CloseCardAtOnce();
            m_windows.TakeEdge(edge, m_driver.State() == Shown);
            // TakeEdge parks the pair; a shown bar goes back to its shown place.
            m_keeper.UpdateScreenGeometry();
            // An open settings panel follows; one that cannot be opened again counts as closed.
            if (!m_settings.Rescale(m_hWnd, &ShowHelp, m_layout.ScaleOf(edge))) {
                m_driver.SettingsClosed();
                m_buttons.Enable(true);
            }
        }
        m_layout.MirrorButtonLayer(edge);
    }
    if (hookAgain)
        KeyboardHook::Install(m_hWnd);
}

}  // namespace zep
