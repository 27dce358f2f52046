#include "launcher/app/Zephra3Dlg.h"

#include <shellapi.h>
#include <wtsapi32.h>

#include "framework/ResourceCounter.h"
#include "hook/ZepHook.h"
#include "launcher/app/DockGlobals.h"
#include "launcher/app/KeyboardHook.h"
#include "launcher/app/TimingProbe.h"
#include "launcher/config/LaunchConfig.h"
#include "launcher/dock/BarPlacement.h"
#include "launcher/dock/BarSlider.h"
#include "launcher/dock/PairFader.h"
#include "launcher/dock/DockGeometry.h"
#include "launcher/dock/DockKey.h"
#include "launcher/dock/SlideStep.h"
#include "launcher/res/resource.h"
#include "launcher/system/IsX64Windows.h"
#include "launcher/system/WindowsVersion.h"
#include "launcher/tools/RunningToolTable.h"
#include "launcher/tools/ToolCommand.h"
#include "shared/ZepShared.h"

namespace zep {
namespace {

const DWORD kAssistantFirstLookMs = 500;
const DWORD kAssistantLookIntervalMs = 100;
const DWORD kAssistantLastLookMs = 5000;

const UINT kSlideTickMs = 10;

// A shown bar moved away is put back after this pause, a bounded number of times: a window that will not
// stay there must not hold the user-interface thread for ever.
const DWORD kCorrectionPauseMs = 500;
const int kCorrectionTries = 10;
// Before the first reveal the first position changes of the dock dialog hide the bar again.
const int kStartupHides = 6;

// The settings panel's skin, 420 x 175 pixels, centred on the primary screen.
const UINT kSettingPicture = 300;
const int kSettingWidth = 420;
const int kSettingHeight = 175;

}  // namespace

CZephra3Dlg::CZephra3Dlg()
    : m_hIcon(static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                              0, 0, LR_DEFAULTSIZE | LR_SHARED))),
      m_rcWorkArea(), m_nScreenCx(0), m_nScreenCy(0), m_hZepAstWnd64(nullptr), m_nStartupHideCount(0),
      m_nTaskbarCreated(::RegisterWindowMessageW(L"TaskbarCreated"))
{
}

CZephra3Dlg::~CZephra3Dlg()
{
    for (int i = 0; i < kDockButtons; ++i) {
        g_pButtons[i] = nullptr;
        m_buttons[i].reset();
    }
}

bool CZephra3Dlg::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    switch (message) {
    case WM_PAINT:
        if (::IsIconic(m_hWnd)) {
            PaintMinimised();
            *result = 0;
            return true;
        }
        break;
    case WM_QUERYDRAGICON:
        *result = reinterpret_cast<LRESULT>(m_hIcon);
        return true;
    case WM_CREATE:
        *result = OnCreate(message, wParam, lParam);
        return true;
    case WM_REGISTRY_CHANGED:
        *result = m_layout.RebuildBar(m_config, *this, g_pButtons);
        return true;
    case WM_BUTTON_HOVER:
        Carry(m_dock.HoverReported(static_cast<int>(wParam), static_cast<long>(lParam)));
        *result = 0;
        return true;
    case WM_DES_COMMAND:
        // The card's "OK" buttons: 2007 starts the left card's tool (slot 9), 2008 the right one's (slot 8).
        if (wParam == kPanelLeftButton || wParam == kPanelRightButton) {
            m_dock.CardButtonClicked();
            RunButtonCommand(wParam == kPanelLeftButton ? 1009 : 1008);
        }
        *result = 0;
        return true;
    case WM_SETTING_CLOSE:
        CloseSettingDialog();
        *result = 0;
        return true;
    case WM_DIRECTION_CHANGE:
        ChangeEdge(static_cast<int>(lParam));
        *result = 0;
        return true;
    case WM_SHELL_NOTIFY:
        // Marks change only while the bar can be seen; a hidden bar catches up at the next notification.
        if (m_dock.State() == Shown)
            m_runningCheck.Request();
        *result = 0;
        return true;
    case WM_QUERY_RESOURCES:
        *result = wParam < static_cast<WPARAM>(ResourceKind::Count_)
                      ? ResourceCounter::Live(static_cast<ResourceKind>(wParam))
                      : -1;
        return true;
    case WM_QUERY_TIMING:
        *result = TimingProbe::Query(wParam, lParam);
        return true;
    case WM_RUNNING_TOOLS:
        ApplyRunningTools(wParam);
        *result = 0;
        return true;
    case WM_SETTINGCHANGE:
        Default();
        UpdateScreenGeometry();
        *result = 0;
        return true;
    case WM_DISPLAYCHANGE:
        Default();
        UpdateScreenGeometry();
        KeyboardHook::Install(m_hWnd);  // the system may have dropped the hook meanwhile
        *result = 0;
        return true;
    case WM_MOVE:
        Default();
        CorrectShownPosition();
        *result = 0;
        return true;
    case WM_WINDOWPOSCHANGED:
        Default();
        if (m_nStartupHideCount < kStartupHides) {
            ++m_nStartupHideCount;
            ::ShowWindow(m_pPngDlg->GetSafeHwnd(), SW_HIDE);
            ::ShowWindow(m_hWnd, SW_HIDE);
        }
        *result = 0;
        return true;
    case WM_WTSSESSION_CHANGE:
        if (wParam == WTS_SESSION_UNLOCK) {
            if (IsWindowsXp())
                UpdateScreenGeometry();
            KeyboardHook::Install(m_hWnd);
        }
        *result = 0;
        return true;
    case WM_POWERBROADCAST:
        if (wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMEAUTOMATIC)
            KeyboardHook::Install(m_hWnd);  // a hook does not survive standby
        *result = TRUE;
        return true;
    case WM_TIMER:
        if (wParam == kPanelCloseTimer)
            Carry(m_dock.PanelTimerTicked());
        else if (!OnSlideTimer(wParam))
            break;
        *result = 0;
        return true;
    case WM_CLOSE:
        DestroyWindow();
        *result = m_hWnd ? Default() : 0;  // the tear-down normally leaves no window to close
        return true;
    default:
        if (message == m_nTaskbarCreated && m_nTaskbarCreated != 0) {
            // A restarted shell: the work area may be another, and the keyboard hook went with the old one
            // on some systems.
            UpdateScreenGeometry();
            KeyboardHook::Install(m_hWnd);
            *result = 0;
            return true;
        }
        break;
    }
    return CCtrlDialog::OnWndMsg(message, wParam, lParam, result);
}

LRESULT CZephra3Dlg::OnCreate(UINT message, WPARAM wParam, LPARAM lParam)
{
    m_dock.StartupBegins();

    CPngDialog& background = *m_pPngDlg;
    CBarSlider::SetTaskbarButton(background, false);
    background.m_bDragEnabled = false;

    ::SetWindowTextW(background, ZEP_BAR_WINDOW_TITLE);
    ::SetWindowTextW(m_hWnd, ZEP_DOCK_WINDOW_TITLE);

    m_config.ReadLaunchInfo();
    m_layout.DetectTools(m_config, background);

    ForegroundOffsets offsets;
    if (ForegroundOffsetsForEdge(m_config.m_nDirection, &offsets))
        CDockLayout::SetForegroundOffsets(*this, offsets.offsetX, offsets.offsetY, offsets.widthChange, offsets.heightChange);

    LRESULT base = 0;
    CCtrlDialog::OnWndMsg(message, wParam, lParam, &base);
    if (base == -1)
        return -1;

    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_rcWorkArea, 0);
    m_nScreenCx = ::GetSystemMetrics(SM_CXSCREEN);
    m_nScreenCy = ::GetSystemMetrics(SM_CYSCREEN);

    for (int i = 0; i < kDockButtons; ++i) {
        m_buttons[i] = std::make_unique<CImageButton>();
        g_pButtons[i] = m_buttons[i].get();
        const RECT empty = {0, 0, 0, 0};
        m_buttons[i]->Create(L"", 0, empty, m_hWnd, kFirstDockButtonId + i);
        ::ShowWindow(*m_buttons[i], SW_HIDE);
    }

    m_layout.LayoutButtons(m_config.m_nDirection, m_config, g_pButtons);

    CoordinatePair parked;
    if (ParkedBarPosition(m_config.m_nDirection, m_nScreenCx, m_nScreenCy, &parked))
        ::SetWindowPos(background, m_hWnd, parked.x, parked.y, 0, 0, SWP_NOSIZE);

    if (!StartAssistant64()) {
        DestroyWindow();
        return -1;
    }
    return 0;
}

bool CZephra3Dlg::StartAssistant64()
{
    if (!IsX64Windows())
        return true;
    const HINSTANCE started =
        ::ShellExecuteW(nullptr, nullptr, ZEP_ASSISTANT_FOLDER ZEP_ASSISTANT64_EXE, nullptr, ZEP_ASSISTANT_FOLDER, SW_SHOWNORMAL);
    if (reinterpret_cast<INT_PTR>(started) <= 32) {
        ::OutputDebugStringW(L"X64 OS execute ZepAssistant64.exe fail, Zephra will close");
        return false;
    }
    ::OutputDebugStringW(L"X64 OS execute ZepAssistant64.exe succeeded");
    // The assistant needs a moment to create its window. A quick one is found after the first half second;
    // on a slow or busy machine it is looked for a little longer, since a launcher that misses the window
    // runs for good without the 64-bit shell hook.
    ::Sleep(kAssistantFirstLookMs);
    m_hZepAstWnd64 = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE);
    for (DWORD waited = kAssistantFirstLookMs; !m_hZepAstWnd64 && waited < kAssistantLastLookMs;
         waited += kAssistantLookIntervalMs) {
        ::Sleep(kAssistantLookIntervalMs);
        m_hZepAstWnd64 = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT64_TITLE);
    }
    return true;
}

BOOL CZephra3Dlg::OnInitDialog()
{
    CCtrlDialog::OnInitDialog();  // tool window style, tooltips

    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    m_pPngDlg->m_hCloseTarget = m_hWnd;
    g_hDockWnd = m_hWnd;

    m_pPngDlg->UpdateEdgeBackground(m_config.m_nDirection, m_layout.m_nGroupCount[0], m_layout.m_nGroupCount[1],
                                    m_layout.m_nGroupCount[2], 255);

    MirrorButtons();
    m_regWatch.Start(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Zephra", m_hWnd);
    m_ShellListener.Start(m_hWnd);
    m_runningCheck.Start(m_hWnd);
    KeyboardHook::Install(m_hWnd);
    InstallShellHook(m_hWnd);
    ::WTSRegisterSessionNotification(m_hWnd, NOTIFY_FOR_THIS_SESSION);

    if (m_hZepAstWnd64) {
        ::SendMessageW(m_hZepAstWnd64, WM_INSTALLSHELLHOOK64, 0, 0);
        ::OutputDebugStringW(L"m_hZepAstWnd64 WM_INSTALLSHELLHOOK64");
    }

    m_dock.StartupEnds();
    ::InvalidateRect(nullptr, nullptr, FALSE);
    return TRUE;
}

BOOL CZephra3Dlg::DestroyWindow()
{
    if (m_bTornDown)
        return FALSE;
    m_bTornDown = true;

    // The workers first: none may post to, or wait for, a window that is going.
    m_runningCheck.Stop();
    m_ShellListener.Stop();
    m_regWatch.Stop();
    KeyboardHook::Remove();
    UnInstallShellHook();
    if (m_hWnd)
        ::WTSUnRegisterSessionNotification(m_hWnd);

    if (HWND assistant = ::FindWindowW(ZEP_ASSISTANT_CLASS, ZEP_ASSISTANT32_TITLE)) {
        ::PostMessageW(assistant, WM_CLOSE, 0, 0);
        ::OutputDebugStringW(L"m_hZepAstWnd WM_CLOSE");
    }
    if (m_hZepAstWnd64) {
        ::PostMessageW(m_hZepAstWnd64, WM_UNINSTALLSHELLHOOK64, 0, 0);
        ::PostMessageW(m_hZepAstWnd64, WM_CLOSE, 0, 0);
        ::OutputDebugStringW(L"m_hZepAstWnd64 WM_UNINSTALLSHELLHOOK64 WM_CLOSE");
    }

    m_panel.Close(false, nullptr);
    for (int i = 0; i < kDockButtons; ++i) {
        g_pButtons[i] = nullptr;
        m_buttons[i].reset();
    }

    if (g_hDockWnd == m_hWnd)
        g_hDockWnd = nullptr;
    return CCtrlDialog::DestroyWindow();
}

BOOL CZephra3Dlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYBOARD_EVENT && msg->hwnd == m_hWnd &&
        IsDockKeyRelease(static_cast<unsigned long>(msg->wParam), static_cast<unsigned long>(msg->lParam)) &&
        ToggleDock())
        return TRUE;
    return CCtrlDialog::PreTranslateMessage(msg);
}

bool CZephra3Dlg::ToggleDock()
{
    DockCommands commands;
    if (!m_dock.DockKeyReleased(&commands))
        return false;
    Carry(commands);
    return true;
}

void CZephra3Dlg::StartHide()
{
    Carry(m_dock.HideButton());
}

void CZephra3Dlg::Carry(const DockCommands& commands)
{
    const HWND background = m_pPngDlg ? m_pPngDlg->GetSafeHwnd() : nullptr;
    if (commands.startReveal)
        StartReveal();
    if (commands.startHide)
        CBarSlider::SetTaskbarButton(background, false);

    switch (commands.panelTimer) {
    case PanelTimerCommand::Start:
        ::SetTimer(m_hWnd, kPanelCloseTimer, kPanelCloseDelayMs, nullptr);  // a running one starts over
        break;
    case PanelTimerCommand::Kill:
        ::KillTimer(m_hWnd, kPanelCloseTimer);
        break;
    case PanelTimerCommand::Keep:
        break;
    }
    switch (commands.panel) {
    case PanelCommand::Open:
        OpenDescriptionPanel(commands.panelControl);
        break;
    case PanelCommand::Retarget:
        RetargetDescriptionPanel(commands.panelControl);
        break;
    case PanelCommand::CloseWithFade:
        CloseDescriptionPanel(true);
        break;
    case PanelCommand::CloseAtOnce:
        CloseDescriptionPanel(false);
        break;
    case PanelCommand::None:
        break;
    }

    if (commands.startHide) {
        CBarSlider::EnableButtons(g_pButtons, false);
        if (IsDockEdge(m_config.m_nDirection))
            ::SetTimer(m_hWnd, static_cast<UINT_PTR>(SlideCode(m_config.m_nDirection, false)), kSlideTickMs, nullptr);
    }
    if (commands.hideBar) {
        ::ShowWindow(background, SW_HIDE);
        ::ShowWindow(m_hWnd, SW_HIDE);
    }
    if (commands.killSlideTimer != kNoSlideTimer)
        ::KillTimer(m_hWnd, static_cast<UINT_PTR>(commands.killSlideTimer));
    if (commands.enableButtons)
        CBarSlider::EnableButtons(g_pButtons, true);
}

void CZephra3Dlg::StartReveal()
{
    m_nStartupHideCount = 6;
    HWND background = m_pPngDlg->GetSafeHwnd();
    ::ShowWindow(background, SW_SHOW);
    ::ShowWindow(m_hWnd, SW_SHOW);
    CBarSlider::SetTaskbarButton(background, true);
    BringDockToFront();
    if (IsDockEdge(m_config.m_nDirection))
        ::SetTimer(m_hWnd, static_cast<UINT_PTR>(SlideCode(m_config.m_nDirection, true)), kSlideTickMs, nullptr);
    if (CImageButton* settings = g_pButtons[kSettingsButton - kFirstDockButtonId])
        ::InvalidateRect(*settings, nullptr, TRUE);
}

void CZephra3Dlg::BringDockToFront()
{
    CBarSlider::BringToFront(m_pPngDlg->GetSafeHwnd());
}

void CZephra3Dlg::SlideToEnd(int code)
{
    CBarSlider::SlideToEnd(*this, code, m_rcWorkArea, m_dock);
}

bool CZephra3Dlg::OnSlideTimer(UINT_PTR id)
{
    if (id > 31 || !IsSlideCode(static_cast<int>(id)))
        return false;
    const int code = static_cast<int>(id);
    m_dock.SlideStepBegins(code);
    const bool final = CBarSlider::Step(*this, code, m_rcWorkArea);
    Carry(m_dock.SlideTicked(code, final));
    return true;
}

void CZephra3Dlg::OpenDescriptionPanel(int controlId)
{
    if (!m_panel.Open(controlId, m_config.m_nDirection, m_pPngDlg->GetSafeHwnd(), m_hWnd, m_hWnd))
        m_dock.PanelClosed();
}

void CZephra3Dlg::RetargetDescriptionPanel(int controlId)
{
    m_panel.Retarget(controlId, m_config.m_nDirection, m_pPngDlg->GetSafeHwnd());
}

void CZephra3Dlg::CloseDescriptionPanel(bool fade)
{
    m_panel.Close(fade, m_hWnd);
}

bool CZephra3Dlg::OnCommand(WPARAM wParam, LPARAM)
{
    const int id = LOWORD(wParam);
    if (HIWORD(wParam) != BN_CLICKED || id < kFirstDockButtonId || id > kHideButton)
        return false;
    RunButtonCommand(id);
    return true;
}

void CZephra3Dlg::RunButtonCommand(int controlId)
{
    if (ClosesCardFirst(controlId))
        Carry(m_dock.CloseCardAtOnce());
    const ToolCommand command = ToolCommandFor(controlId);
    switch (command.action) {
    case ToolAction::OpenSettings:
        if (!m_pSettingDlg) {
            OpenSettingDialog();
            // Only a panel that came up can give the buttons back when it closes.
            if (m_pSettingDlg)
                CBarSlider::EnableButtons(g_pButtons, false);
        }
        return;
    case ToolAction::Hide:
        StartHide();
        return;
    case ToolAction::Nothing:
        return;
    default:
        RunToolCommand(command, m_config.m_LaunchEntry, m_toolSystem);
        return;
    }
}

void CZephra3Dlg::OpenSettingDialog()
{
    if (m_pSettingDlg)
        return;
    m_pSettingDlg = std::make_unique<CSettingDlg>();
    m_pSettingDlg->m_hOwnerWnd = m_hWnd;
    m_pSettingDlg->m_pPngDlg->LoadPicture(kSettingPicture);
    m_pSettingDlg->m_ptSetting = POINT{(::GetSystemMetrics(SM_CXSCREEN) - kSettingWidth) / 2,
                                       (::GetSystemMetrics(SM_CYSCREEN) - kSettingHeight) / 2};
    if (!m_pSettingDlg->m_pPngDlg->Create(IDD_PNG_DIALOG) ||
        !m_pSettingDlg->Create(IDD_SETTING_DIALOG, m_pSettingDlg->m_pPngDlg->GetSafeHwnd())) {
        m_pSettingDlg->DestroyWindow();
        m_pSettingDlg.reset();
        return;
    }
    m_dock.SettingsOpened();
    CPairFader::FadeIn(*m_pSettingDlg, m_hWnd);
}

void CZephra3Dlg::CloseSettingDialog()
{
    if (!m_pSettingDlg)
        return;
    CPairFader::FadeOut(*m_pSettingDlg, m_hWnd);
    m_pSettingDlg->DestroyWindow();
    m_pSettingDlg.reset();
    m_dock.SettingsClosed();
    CBarSlider::EnableButtons(g_pButtons, true);
}

void CZephra3Dlg::ApplyRunningTools(WPARAM rowsFound)
{
    bool found[kRunningToolRows];
    for (int row = 0; row < kRunningToolRows; ++row)
        found[row] = (rowsFound >> row & 1) != 0;
    RunningMark marks[kRunningMarks];
    RunningMarksFor(found, marks);
    // Every mark is written and every marked button repainted, changed or not; a button the bar lost in a
    // rebuild meanwhile is simply not there.
    for (const RunningMark& mark : marks) {
        if (CImageButton* button = g_pButtons[mark.button - kFirstDockButtonId]) {
            button->m_bRunning = mark.running;
            ::InvalidateRect(*button, nullptr, TRUE);
        }
    }
}

void CZephra3Dlg::MirrorButtons()
{
    m_mirror.Mirror(m_pPngDlg->GetSafeHwnd(), m_hWnd, m_config.m_nDirection, m_pPngDlg->m_sizeComposition);
}

void CZephra3Dlg::CentreSettingDialog()
{
    if (!m_pSettingDlg || !m_pSettingDlg->m_pPngDlg)
        return;
    ::SetWindowPos(*m_pSettingDlg->m_pPngDlg, *m_pSettingDlg, (m_nScreenCx - kSettingWidth) / 2,
                   (m_nScreenCy - kSettingHeight) / 2, 0, 0, SWP_NOSIZE);
}

void CZephra3Dlg::UpdateScreenGeometry()
{
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_rcWorkArea, 0);
    m_nScreenCx = ::GetSystemMetrics(SM_CXSCREEN);
    m_nScreenCy = ::GetSystemMetrics(SM_CYSCREEN);
    if (IsWindowsXp() && m_rcWorkArea.bottom - m_rcWorkArea.top == m_nScreenCy) {
        // XP reports the new work area late after a taskbar change.
        ::Sleep(1000);
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_rcWorkArea, 0);
    }
    const WorkArea area = {m_rcWorkArea.left, m_rcWorkArea.top, m_rcWorkArea.right, m_rcWorkArea.bottom};
    CoordinatePair place{};
    if (m_dock.State() == Shown) {
        Carry(m_dock.CloseCardAtOnce());
        if (ShownBarPosition(m_config.m_nDirection, area, m_nScreenCx, m_nScreenCy, &place))
            CDockLayout::MoveBarPair(*this, place.x, place.y, 0, 0, SWP_NOSIZE);
        CentreSettingDialog();
        if (IsWindowsXp())
            BringDockToFront();
    } else if (m_dock.State() == Hidden) {
        if (ParkedBarPosition(m_config.m_nDirection, m_nScreenCx, m_nScreenCy, &place))
            CDockLayout::MoveBarPair(*this, place.x, place.y, 0, 0, SWP_NOSIZE);
    }
    MirrorButtons();
}

void CZephra3Dlg::CorrectShownPosition()
{
    if (m_dock.State() != Shown || !m_pPngDlg)
        return;
    const WorkArea area = {m_rcWorkArea.left, m_rcWorkArea.top, m_rcWorkArea.right, m_rcWorkArea.bottom};
    CoordinatePair place{};
    if (!ShownBarPosition(m_config.m_nDirection, area, m_nScreenCx, m_nScreenCy, &place))
        return;
    const HWND background = m_pPngDlg->GetSafeHwnd();
    RECT rect{};
    ::GetWindowRect(background, &rect);
    for (int tries = 0; tries < kCorrectionTries && (rect.left != place.x || rect.top != place.y); ++tries) {
        ::Sleep(kCorrectionPauseMs);
        ::SetWindowPos(background, m_hWnd, place.x, place.y, 0, 0, SWP_NOSIZE);
        CentreSettingDialog();
        ::GetWindowRect(background, &rect);
    }
}

void CZephra3Dlg::ChangeEdge(int edge)
{
    if (!IsDockEdge(edge) || edge == m_config.m_nDirection || m_dock.State() == Moving)
        return;
    if (!WriteDirection(edge))
        return;  // the choice could not be kept: the bar stays where it is
    const int oldEdge = m_config.m_nDirection;
    CPngDialog& background = *m_pPngDlg;
    const int(&counts)[kSlotGroups] = m_layout.m_nGroupCount;
    m_config.m_nDirection = edge;
    CDockLayout::SetBackgroundLayout(background, edge, counts[0], counts[1], counts[2]);
    Carry(m_dock.CloseCardAtOnce());

    SlideToEnd(SlideCode(oldEdge, false));

    CoordinatePair parked{};
    ParkedBarPosition(edge, m_nScreenCx, m_nScreenCy, &parked);
    ForegroundOffsets offsets{};
    ForegroundOffsetsForEdge(edge, &offsets);
    CDockLayout::SetForegroundOffsets(*this, offsets.offsetX, offsets.offsetY, offsets.widthChange,
                                      offsets.heightChange);
    background.UpdateEdgeBackground(edge, counts[0], counts[1], counts[2], 0);
    const SIZE bar = background.m_sizeComposition;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, bar.cx + offsets.widthChange, bar.cy + offsets.heightChange, SWP_NOMOVE);
    ::ShowWindow(m_hWnd, SW_HIDE);
    CDockLayout::MoveBarPair(*this, parked.x, parked.y, 0, 0, SWP_NOSIZE);
    m_layout.LayoutButtons(edge, m_config, g_pButtons);
    background.UpdateEdgeBackground(edge, counts[0], counts[1], counts[2], 255);
    // A bar that was hidden comes in with both windows.
    ::ShowWindow(background, SW_SHOW);
    ::ShowWindow(m_hWnd, SW_SHOW);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);

    SlideToEnd(SlideCode(edge, true));
    MirrorButtons();
}

void CZephra3Dlg::PaintMinimised()
{
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(m_hWnd, &ps);
    ::SendMessageW(m_hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    ::GetClientRect(m_hWnd, &client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc, x, y, m_hIcon);
    ::EndPaint(m_hWnd, &ps);
}

}  // namespace zep
