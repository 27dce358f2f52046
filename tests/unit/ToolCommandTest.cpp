// What each dock button starts, on x64 and elsewhere, through a recording system seam, and the program
// path inside its folder. (The launch request's bytes are checked where wchar_t is UTF-16, under Wine.)
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "launcher/tools/ToolCommand.h"
#include "launcher/tools/ToolSystem.h"

namespace zep {
namespace {

std::string Narrow(const wchar_t* text)
{
    std::string out;
    for (; text && *text; ++text)
        out += static_cast<char>(*text);
    return text ? out : "null";
}

// Writes every call as one word or phrase.
class RecordingSystem : public ToolSystem {
public:
    bool x64 = true;
    bool canDisable = true;
    bool assistant = true;
    std::string calls;

    bool IsX64Windows() override { return x64; }
    void Execute(const wchar_t* verb, const wchar_t* file, const wchar_t* directory) override
    {
        calls += "exec " + (verb ? Narrow(verb) : std::string("default")) + " " + Narrow(file) + " in " +
                 Narrow(directory) + ";";
    }
    void SendKeyEvent(unsigned char scanCode, unsigned long flags) override
    {
        calls += "key " + std::to_string(scanCode) + "/" + std::to_string(flags) + ";";
    }
    bool DisableRedirection(void** state) override
    {
        calls += canDisable ? "redirect-off;" : "redirect-fails;";
        *state = this;
        return canDisable;
    }
    void RestoreRedirection(void* state) override { calls += state == this ? "redirect-on;" : "redirect-on?;"; }
    bool SendLaunchRequest(unsigned long code, const void*, std::size_t bytes) override
    {
        calls += "request " + std::to_string(code) + " " + std::to_string(bytes) + ";";
        return assistant;
    }
    void DebugString(const wchar_t* text) override { calls += "debug " + Narrow(text) + ";"; }
};

void SetEntry(LaunchEntry& entry, const wchar_t* folder, const wchar_t* name)
{
    std::wmemset(entry.szPath, L'#', kPathChars);  // what lies after the terminator must never go out
    std::wmemset(entry.szExeName, L'#', kNameChars);
    std::wcscpy(entry.szPath, folder);
    std::wcscpy(entry.szExeName, name);
}

TEST(ToolCommandTest, EveryButtonOnX64AndElsewhere)
{
    LaunchEntry entries[kToolSlots];
    for (int slot = 0; slot < kToolSlots; ++slot)
        SetEntry(entries[slot], (L"C:\\T\\" + std::to_wstring(slot) + L"\\").c_str(), (L"t" + std::to_wstring(slot) + L".exe").c_str());
    struct Case {
        int id;
        bool x64;
        std::string calls;
    };
    const Case cases[] = {
        {1000, true, "exec open C:\\T\\0\\t0.exe in C:\\T\\0\\;"},
        {1001, true, "exec open C:\\T\\1\\t1.exe in C:\\T\\1\\;"},
        {1001, false, "request 2030 620;"},
        {1002, false, "exec open C:\\T\\2\\t2.exe in C:\\T\\2\\;"},
        {1003, true, "key 118/3;"},  // 0x76, extended release only
        {1004, true, "key 117/3;"},  // 0x75
        {1005, true, "exec open C:\\T\\5\\t5.exe in C:\\T\\5\\;"},
        {1005, false, "request 2031 620;"},
        {1006, false, "key 4/1;"},  // 0x04, extended press only
        {1007, true, "exec open C:\\T\\7\\t7.exe in C:\\T\\7\\;"},
        {1008, true, "redirect-off;exec default C:\\T\\8\\t8.exe in C:\\T\\8\\;redirect-on;"},
        {1008, false, "exec default C:\\T\\8\\t8.exe in C:\\T\\8\\;"},
        {1009, true, "exec open C:\\T\\9\\t9.exe in C:\\T\\9\\;"},
        {1010, true, ""}, {1011, true, ""}, {1012, true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.id << (c.x64 ? " x64" : " x86"));
        RecordingSystem system;
        system.x64 = c.x64;
        RunToolCommand(ToolCommandFor(*ToDockButton(c.id)), entries, system);
        EXPECT_EQ(c.calls, system.calls);
    }
    EXPECT_EQ(ToolAction::OpenSettings, ToolCommandFor(DockButton::Settings).action);
    EXPECT_EQ(ToolAction::Hide, ToolCommandFor(DockButton::Hide).action);
    static_assert(ClosesCardFirst(DockButton::Tool0) && ClosesCardFirst(DockButton::Tool9), "");
    static_assert(!ClosesCardFirst(DockButton::Combined) && !ClosesCardFirst(DockButton::Hide), "");
}

TEST(ToolCommandTest, FailuresStartNothing)
{
    LaunchEntry entries[kToolSlots];
    for (LaunchEntry& entry : entries)
        SetEntry(entry, L"C:\\T", L"t.exe");
    SetEntry(entries[0], L"C:\\T", L"");  // no program
    SetEntry(entries[2], L"", L"t.exe");  // no folder: the shell would search elsewhere

    RecordingSystem system;
    RunToolCommand(ToolCommandFor(DockButton::Tool0), entries, system);
    RunToolCommand(ToolCommandFor(DockButton::Tool2), entries, system);
    EXPECT_EQ("", system.calls);

    system.canDisable = false;
    RunToolCommand(ToolCommandFor(DockButton::Tool8), entries, system);
    EXPECT_EQ("redirect-fails;", system.calls);

    system.calls.clear();
    system.x64 = false;
    system.assistant = false;
    RunToolCommand(ToolCommandFor(DockButton::Tool1), entries, system);
    EXPECT_EQ("request 2030 620;debug Can't find ZepAssistant hWnd;", system.calls);
}

TEST(ToolCommandTest, ProgramInsideItsFolder)
{
    struct Case {
        const wchar_t* folder;
        const wchar_t* name;
        const wchar_t* path;  // null: nothing
    };
    const std::wstring deep(250, L'd');
    const Case cases[] = {
        {L"C:\\A\\", L"a.exe", L"C:\\A\\a.exe"}, {L"C:\\A", L"a.exe", L"C:\\A\\a.exe"}, {L"C:/A/", L"a.exe", L"C:/A/a.exe"},
        {L"", L"a.exe", nullptr}, {L"C:\\A\\", L"", nullptr}, {deep.c_str(), L"long-name.exe", nullptr},
    };
    for (const Case& c : cases) {
        LaunchEntry entry;
        SetEntry(entry, c.folder, c.name);
        wchar_t path[kPathChars];
        EXPECT_EQ(c.path != nullptr, ProgramInFolder(entry, path)) << Narrow(c.folder);
        EXPECT_EQ(c.path ? Narrow(c.path) : "", Narrow(path));
    }
}

}  // namespace
}  // namespace zep
