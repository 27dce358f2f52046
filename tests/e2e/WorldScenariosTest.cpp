// The world around the bar: registry changes, running tools, the settings panel, broadcasts, the close event,
// tear-downs under load and long use.

#include "E2e.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <thread>

namespace zep::e2e {
namespace {

// Hidden before the first reveal; an uninstalled tool rebuilds the bar by itself (on the edge it runs on,
// whatever another program stored meanwhile); a running tool marks its button; the settings panel moves the
// bar between edges (stored; nothing stored for the same edge); a bar moved away comes back; a setting change
// closes the card; a restarted shell keeps the dock key; "ZepCloseEvent" closes the launcher; a missing
// machine key is waited for.
TEST_F(DockTest, WorldEvents)
{
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(PairVisible(false));
    // The machine key's watch starts on a thread of its own, and a change before it watches goes unseen: it
    // watches once it holds the key and its parent open (the launcher's own count of registry keys held,
    // WM_QUERY_RESOURCES kind 1, is 2 from then on).
    ASSERT_TRUE(DebugString("Start WatchReg"));
    ASSERT_TRUE(WaitUntil([] { return SendToDock(WM_QUERY_RESOURCES, 1, 0) == 2; }));

    // Another program stores the top edge: the rebuild keeps the bar, and its layout, on the right edge.
    const DWORD top = 2;
    SetUserValue(L"Direction", REG_DWORD, &top, sizeof(top));
    DeleteMachineValue(L"ZepBright");
    EXPECT_TRUE(DebugString("*****Registy Changed*****"));
    EXPECT_TRUE(WaitUntil([] { return !ButtonVisible(1000); }));
    EXPECT_TRUE(ButtonsAt({{1001, {53, 506, 48, 48}}, {1002, {53, 452, 48, 48}}, {1003, {53, 351, 48, 48}},
                           {1004, {53, 297, 48, 48}}, {1005, {53, 243, 48, 48}}, {1006, {53, 129, 48, 48}},
                           {1007, {53, 75, 48, 48}}, {1010, {53, 21, 48, 48}}, {1011, {82, 207, 27, 27}},
                           {1012, {45, 207, 27, 27}}}));

    // A running tool lights its button: 1001 at (53, 506) of the dock dialog.
    ASSERT_TRUE(Reveal(kShownRight));
    const Box button1001 = {1851, 741, 48, 48};
    const std::vector<DWORD> idle = ScreenPixels(button1001);
    const std::wstring saver = ToolFolder(L"ZepSaver") + L"\\ZepSaver.exe";
    HANDLE tool = Start(L"\"" + saver + L"\"");
    ASSERT_TRUE(tool);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixels(button1001) != idle; }, 20000)) << "ZepSaver's button not marked";
    ASSERT_TRUE(WaitUntil([] { return Window(L"ZepSaver") != nullptr; }));
    ::PostMessageW(Window(L"ZepSaver"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return ScreenPixels(button1001) == idle; }, 20000)) << "the mark stayed";
    EXPECT_EQ(0u, ExitCodeOf(tool));

    ClickButton(kSettingsButton);
    ASSERT_TRUE(WaitUntil([] { return PanelCard() != nullptr; })) << "no settings panel";
    ASSERT_TRUE(DockIdle());
    ASSERT_TRUE(ClickPanelButton(kSettingsTop));
    EXPECT_TRUE(WindowAt(kBarTitle, {440, -11, 1040, 133}));
    EXPECT_TRUE(WindowAt(kDockTitle, {655, -11, 600, 133}));
    EXPECT_EQ(L"0x2", StoredEdge()) << "after the top edge button";
    const DWORD outOfRange = 7;
    SetUserValue(L"Direction", REG_DWORD, &outOfRange, sizeof(outOfRange));
    ASSERT_TRUE(ClickPanelButton(kSettingsTop));
    ASSERT_TRUE(DockIdle());
    EXPECT_EQ(L"0x7", StoredEdge()) << "after the same edge again";
    ASSERT_TRUE(ClickPanelButton(kSettingsRight));
    EXPECT_TRUE(WindowAt(kBarTitle, kShownRight));
    EXPECT_EQ(L"0x0", StoredEdge()) << "after the right edge button";
    ASSERT_TRUE(ClickPanelButton(kSettingsClose));
    EXPECT_TRUE(NoPanel()) << "after the settings panel's close button";

    // Moved without a resize or a change of Z order: the bar takes its dialog along.
    ASSERT_TRUE(::SetWindowPos(Bar(), nullptr, 1500, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE));
    EXPECT_TRUE(WindowAt(kBarTitle, kShownRight)) << "a bar moved away comes back";
    PointAtButton(1003);
    ASSERT_TRUE(PanelOpen());
    PointAway();
    EXPECT_TRUE(Broadcast(WM_SETTINGCHANGE));
    EXPECT_TRUE(NoPanel()) << "after a setting change";

    EXPECT_TRUE(Broadcast(::RegisterWindowMessageW(L"TaskbarCreated")));
    PressDockKey();
    EXPECT_TRUE(WindowAt(kBarTitle, kParkedRight));

    ASSERT_TRUE(SetNamedEvent(ZEP_CLOSE_EVENT)) << "no ZepCloseEvent";
    EXPECT_TRUE(LauncherEnds()) << "the launcher ignored ZepCloseEvent";
    EXPECT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE)) << "the assistant still runs";
    EXPECT_EQ(0, CountWindowsTitled(kBarTitle));

    // A dock installed before its first tool waits for the machine key and shows the tools written into it
    // later; a key deleted takes its buttons along, and one made anew brings them back.
    DeleteMachineKey();
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(DebugString("RegOpenKeyEx Failed"));
    for (int round = 1; round <= 2; ++round) {
        SCOPED_TRACE("machine key made, round " + std::to_string(round));
        SetMachineValue(L"ZepBright", ToolFolder(L"ZepBright"));
        EXPECT_TRUE(WaitUntil([] { return ButtonVisible(1000); })) << "the tool written later has no button";
        DeleteMachineKey();
        EXPECT_TRUE(WaitUntil([] { return !ButtonVisible(1000); })) << "the deleted key's tool kept its button";
    }
}

// Tear-downs while running-tool checks and registry bursts are under way end cleanly, many times.
TEST_F(DockTest, TeardownRaces)
{
    for (int round = 1; round <= 5; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        DebuggedProcess& launcher = StartLauncher();
        ASSERT_TRUE(LauncherReady());
        ASSERT_TRUE(Reveal(kShownRight));
        std::vector<std::thread> writers;
        for (int i = 1; i <= 6; ++i) {
            writers.emplace_back([i] {
                const std::wstring name = L"Burst" + std::to_wstring(i);
                ::RegSetKeyValueW(HKEY_LOCAL_MACHINE, L"Software\\Zephra", name.c_str(), REG_SZ, L"x", 4);
            });
        }
        SetNamedEvent(ZEP_SHELL_NOTIFY_EVENT);
        ::PostMessageW(Dock(), WM_CLOSE, 0, 0);
        EXPECT_TRUE(LauncherEnds());
        for (std::thread& writer : writers) writer.join();
        EXPECT_TRUE(NoExceptions(launcher));
        EXPECT_TRUE(NoProcessNamed(ZEP_ASSISTANT64_EXE)) << "an assistant stayed";
    }
}

// What the launcher holds: private bytes, threads, top-level windows, and its own live counts of kernel
// handles, registry keys, GDI objects, device contexts and pictures (Wine's handle and GDI/USER counts are
// stubs).
std::map<std::string, long long> Holdings()
{
    std::map<std::string, long long> held;
    const std::vector<DWORD> ids = ProcessesNamed(L"Zephra3.exe");
    if (ids.empty()) return held;
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, ids.front());
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    ::GetProcessMemoryInfo(process, &memory, sizeof(memory));
    ::CloseHandle(process);
    // Committed private memory: PagefileUsage equals PrivateUsage on Windows, and Wine fills only the first.
    held["private"] = static_cast<long long>(memory.PagefileUsage);
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    THREADENTRY32 thread = {};
    thread.dwSize = sizeof(thread);
    for (BOOL more = ::Thread32First(snapshot, &thread); more; more = ::Thread32Next(snapshot, &thread))
        held["threads"] += thread.th32OwnerProcessID == ids.front();
    ::CloseHandle(snapshot);
    for (HWND w = ::GetTopWindow(nullptr); w; w = ::GetWindow(w, GW_HWNDNEXT)) {
        DWORD pid = 0;
        ::GetWindowThreadProcessId(w, &pid);
        held["windows"] += pid == ids.front();
    }
    const std::pair<const char*, WPARAM> kinds[] = {{"kernel", 0}, {"keys", 1}, {"gdi", 2}, {"memdc", 3}, {"windc", 4}, {"images", 10}};
    for (const auto& kind : kinds) held[kind.first] = SendToDock(WM_QUERY_RESOURCES, kind.second, 0);
    return held;
}

// Repeated use must not make the launcher grow: after a warm-up (one of each), reveal/hide cycles, card
// open/switch/close cycles and bar rebuilds leave it holding what it held, and about the same private bytes.
// Short by default; ZEP_SOAK_CYCLES=1000 ZEP_SOAK_REBUILDS=200 for the full run.
TEST_F(DockTest, SoakLeavesTheLauncherHoldingWhatItHeld)
{
    const char* cyclesText = std::getenv("ZEP_SOAK_CYCLES");
    const char* rebuildsText = std::getenv("ZEP_SOAK_REBUILDS");
    const int cycles = cyclesText ? std::atoi(cyclesText) : 30;
    const int rebuilds = rebuildsText ? std::atoi(rebuildsText) : 20;
    ASSERT_TRUE(Launch());
    const auto round = [this](int n, int rebuildCount) {
        for (int i = 0; i < n; ++i) {
            for (const Box& place : {kShownRight, kParkedRight}) {
                PressDockKey();
                ASSERT_TRUE(WindowAt(kBarTitle, place)) << "stuck in cycle " << i;
                ASSERT_TRUE(DockIdle());
            }
        }
        ASSERT_TRUE(Reveal(kShownRight));
        HoverCycles(n);
        for (int i = 0; i < rebuildCount; ++i) SendToDock(WM_REGISTRY_CHANGED, 0, 0);
        PressDockKey();
        ASSERT_TRUE(WindowAt(kBarTitle, kParkedRight));
        ASSERT_TRUE(DockIdle());
    };
    ASSERT_NO_FATAL_FAILURE(round(1, 1));
    const std::map<std::string, long long> before = Holdings();
    ASSERT_NO_FATAL_FAILURE(round(cycles, rebuilds));
    const std::map<std::string, long long> after = Holdings();
    ASSERT_GT(before.at("private"), 0) << "no private bytes measured";
    for (const char* key : {"threads", "windows", "kernel", "keys", "gdi", "memdc", "windc", "images"})
        EXPECT_EQ(before.at(key), after.at(key)) << key << " after " << cycles << " cycles and " << rebuilds << " rebuilds";
    EXPECT_LE(after.at("private"), before.at("private") * 11 / 10 + 2097152) << "private bytes grew";
}

}  // namespace
}  // namespace zep::e2e
