// The world around the bar: registry changes, running tools, the settings panel, broadcasts, the close event,
// tear-downs under load and long use.

#include "E2e.h"

#include <psapi.h>
#include <tlhelp32.h>

#include <cstdlib>
#include <functional>
#include <random>
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

    // Colours changed: the pair is nudged and repainted, and the next dock key is served at once.
    EXPECT_TRUE(Broadcast(WM_SYSCOLORCHANGE));
    PressDockKey();
    EXPECT_TRUE(WindowAt(kBarTitle, kParkedRight));
    EXPECT_TRUE(Broadcast(::RegisterWindowMessageW(L"TaskbarCreated")));
    ASSERT_TRUE(Reveal(kShownRight));
    PressDockKey();
    EXPECT_TRUE(WindowAt(kBarTitle, kParkedRight));
    // An edge change while hidden parks the bar hidden on the new edge, stored, and it comes in from there.
    SendToDock(WM_DIRECTION_CHANGE, 0, 2);
    EXPECT_TRUE(WindowAt(kBarTitle, {440, -133, 1040, 133}));
    EXPECT_TRUE(PairVisible(false));
    EXPECT_EQ(L"0x2", StoredEdge()) << "after an edge change while hidden";
    ASSERT_TRUE(Reveal({440, -11, 1040, 133}));
    EXPECT_TRUE(ButtonsDisabled(false));

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
        for (int i = 1; i <= 6; ++i)
            writers.emplace_back([i] { SetMachineValue((L"Burst" + std::to_wstring(i)).c_str(), L"x"); });
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
    held["windows"] = CountWindowsOf(L"Zephra3.exe");
    const std::pair<const char*, WPARAM> kinds[] = {{"kernel", 0}, {"keys", 1}, {"gdi", 2}, {"memdc", 3}, {"windc", 4}, {"images", 10}};
    for (const auto& kind : kinds) held[kind.first] = SendToDock(WM_QUERY_RESOURCES, kind.second, 0);
    return held;
}

// Repeated use must not make the launcher grow: after a warm-up (one of each), reveal/hide cycles, card
// open/switch/close cycles and bar rebuilds leave it holding what it held, and about the same private bytes.
// Short by default; ZEP_SOAK_CYCLES=1000 ZEP_SOAK_REBUILDS=200 for the full run.
TEST_F(DockTest, SoakLeavesTheLauncherHoldingWhatItHeld)
{
    const auto setting = [](const char* name, int otherwise) { return std::getenv(name) ? std::atoi(std::getenv(name)) : otherwise; };
    const int cycles = setting("ZEP_SOAK_CYCLES", 30), rebuilds = setting("ZEP_SOAK_REBUILDS", 20);
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

// Keys typed into a program of the tests' own, one every 20 ms and 1,000 in all, while the dock works beside
// it: none is lost, the program keeps the focus, and the dock key still hides and reveals the bar at once.
struct TypingCase {
    const char* name;
    std::function<void()> work;  // one round, with the bar shown on the right edge
};
std::ostream& operator<<(std::ostream& out, const TypingCase& row) { return out << row.name; }

class TypingBeside : public DockTest, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(TypingBeside, LosesNoKeyAndNoFocus)
{
    ASSERT_TRUE(Launch());
    ASSERT_TRUE(Reveal(kShownRight));
    SECURITY_ATTRIBUTES inherited = {sizeof(inherited), nullptr, TRUE};
    HANDLE ready = ::CreateEventW(nullptr, TRUE, FALSE, L"ZepE2eTypistReady"), readEnd = nullptr, writeEnd = nullptr;
    ASSERT_TRUE(::CreatePipe(&readEnd, &writeEnd, &inherited, 0));
    HANDLE typist = Start(L"\"" + BuildFolder() + L"bin\\zep_test_typist.exe\" 20 20 ZepE2eTypistReady", writeEnd);
    ::CloseHandle(writeEnd);
    ASSERT_TRUE(typist);
    EXPECT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(ready, kAppears)) << "the typist never had the focus";
    ::CloseHandle(ready);
    int rounds = 0;
    for (; ::WaitForSingleObject(typist, 0) == WAIT_TIMEOUT; ++rounds) GetParam().work();
    std::string line(256, '\0');
    DWORD read = 0;
    ::ReadFile(readEnd, &line[0], static_cast<DWORD>(line.size()), &read, nullptr);
    ::CloseHandle(readEnd);
    line.resize(read);
    EXPECT_EQ(0u, ExitCodeOf(typist));
    EXPECT_GT(rounds, 1) << "the dock's work never ran beside the typing";
    EXPECT_EQ(0u, line.find("typed=1000 received=1000 lost=0 ")) << line;
    EXPECT_NE(std::string::npos, line.find(" focus_lost=0 focused=1")) << line;
    PressDockKey();
    EXPECT_TRUE(WindowAt(kBarTitle, kParkedRight));
    EXPECT_TRUE(Reveal(kShownRight));
}

INSTANTIATE_TEST_SUITE_P(
    Works, TypingBeside,
    ::testing::Values(TypingCase{"card_fades", [] { HoverCycles(1); }},
                      TypingCase{"edge_changes",
                                 [] {
                                     SendToDock(WM_DIRECTION_CHANGE, 0, 2);
                                     EXPECT_TRUE(WindowAt(kBarTitle, {440, -11, 1040, 133}));
                                     SendToDock(WM_DIRECTION_CHANGE, 0, 0);
                                     EXPECT_TRUE(WindowAt(kBarTitle, kShownRight));
                                 }},
                      TypingCase{"moved_bar_put_back",
                                 [] {
                                     ::SetWindowPos(Bar(), nullptr, 1500, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
                                     EXPECT_TRUE(WindowAt(kBarTitle, kShownRight));
                                     // Left in place until the launcher has seen it stay: a bar moved away again
                                     // before that is one that will not stay, which it need not chase for ever.
                                     Observe(1000);
                                     EXPECT_EQ(kShownRight, PlaceOf(Bar())) << "the bar put back did not stay";
                                 }}),
    RowName());

// Thousands of the dock's private messages with random parameters (odd key flags, hover reports for unknown
// controls, panel commands, edges beyond 0-3, rebuilds, settings closes, queries), posted with the bar hidden
// and again with it shown, leave it answering, on its edge, whole, and following its key. Never among them:
// the dock key's release, an edge in 0-3, the card's "OK" commands (each would do its real work).
TEST_F(DockTest, RandomPrivateMessagesLeaveTheBarWhole)
{
    const unsigned seed = 20261208u;
    SCOPED_TRACE("random seed " + std::to_string(seed));
    std::mt19937 random(seed);
    const auto any = [&] { return static_cast<LPARAM>(static_cast<int>(random())); };
    const UINT messages[] = {WM_SETTING_CLOSE,      WM_BUTTON_HOVER,         WM_DIRECTION_CHANGE, WM_DES_COMMAND,
                             WM_SHELL_NOTIFY,       WM_REGISTRY_CHANGED,     WM_INSTALLSHELLHOOK64,
                             WM_UNINSTALLSHELLHOOK64, WM_KEYBOARD_EVENT,     WM_QUERY_RESOURCES,  WM_QUERY_TIMING};
    ASSERT_TRUE(Launch());
    for (bool shown : {false, true}) {
        SCOPED_TRACE(shown ? "posted with the bar shown" : "posted with the bar hidden");
        if (shown) {
            ASSERT_TRUE(Reveal(kShownRight));
        }
        const LRESULT composed = SendToDock(WM_QUERY_TIMING, 1, 0);  // bar compositions: one per rebuild
        int rebuilds = 0;
        for (int i = 0; i < 2000; ++i) {
            const UINT message = messages[random() % std::size(messages)];
            WPARAM w = static_cast<WPARAM>(any());
            LPARAM l = any();
            if (message == WM_BUTTON_HOVER) {
                w = random() % 2 ? 990 + random() % 30 : w;
                l = random() % 3;
            } else if (message == WM_DIRECTION_CHANGE && static_cast<DWORD>(l) <= 3) {
                l += 4;
            } else if (message == WM_DES_COMMAND && (w == 2007 || w == 2008)) {
                w = 2009;
            } else if (message == WM_KEYBOARD_EVENT && random() % 2) {
                l = kDockScanCode;
                w &= random() % 2 ? ~WPARAM(0x80) : ~WPARAM(0x01);  // pressed, or released without the extended flag
            }
            rebuilds += message == WM_REGISTRY_CHANGED;
            ASSERT_TRUE(::PostMessageW(Dock(), message, w, l)) << "message " << i;
        }
        // Sent messages overtake posted ones: the launcher answers at once, and works through the stream meanwhile.
        ASSERT_TRUE(DockIdle());
        // Each rebuild composes the bar once. How long the whole stream takes depends on the machine's load;
        // what counts is that the launcher keeps working through it: it may never go kAppears without one.
        LRESULT done = composed;
        const auto rebuilt = [&] {
            const LRESULT before = done;
            return WaitUntil([&] { return (done = SendToDock(WM_QUERY_TIMING, 1, 0)) > before; });
        };
        while (done < composed + rebuilds && rebuilt()) {
        }
        EXPECT_GE(done, composed + rebuilds) << "the launcher stopped after " << done - composed << " of " << rebuilds
                                             << " rebuilds";
        EXPECT_EQ(L"0x0", StoredEdge());
        // The dock key's release comes behind the whole stream: the bar turns from what the stream left.
        for (int press = 0; press < 2; ++press) {
            shown = !shown;
            PressDockKey();
            EXPECT_TRUE(WindowAt(kBarTitle, shown ? kShownRight : kParkedRight));
            ASSERT_TRUE(DockIdle());
            EXPECT_TRUE(PairVisible(shown));
            EXPECT_TRUE(ButtonsDisabled(!shown));
            EXPECT_TRUE(IsToolWindow(kBarTitle, !shown));
            EXPECT_TRUE(shown || NoPanel());
        }
    }
}

}  // namespace
}  // namespace zep::e2e
