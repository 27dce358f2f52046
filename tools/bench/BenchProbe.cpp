// Measures the launcher (or the reference program) from outside, under Wine, for tools/bench.sh. Each
// command prints one line of key=value words.
//   wait <title>              waits until a window of that title answers messages (the caller, which
//                             started the program, times it: a program started from here would keep
//                             this probe's output open under Wine)
//   slide <title>             press and release the dock key; the window's moves: first move after the
//                             release (ms), moves counted, mean and 95th percentile of the intervals (ms).
//                             The window is looked at every millisecond, sleeping in between: a probe
//                             that spins takes a core from the program it measures
//   cpu <exe>                 user + kernel CPU milliseconds of the first process of that name
//   keys <n>                  n presses and releases of F24 (no program here answers it), for timing the
//                             launcher's keyboard hook procedure from inside; prints the seconds taken

#include <windows.h>

#include <mmsystem.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

namespace {

double Now()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

int Wait(const wchar_t* title)
{
    const double start = Now();
    for (;;) {
        HWND window = FindWindowW(nullptr, title);
        DWORD_PTR result = 0;
        if (window && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 60000, &result)) break;
        if (Now() - start > 60000) {
            std::printf("ready timeout=1\n");
            return 1;
        }
        Sleep(1);
    }
    std::printf("ready waited_ms=%.1f\n", Now() - start);
    return 0;
}

int Slide(const wchar_t* title)
{
    HWND window = FindWindowW(nullptr, title);
    if (!window) return 1;
    RECT last = {};
    GetWindowRect(window, &last);
    INPUT inputs[2] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_KEYBOARD;
        input.ki.wScan = 0x78;
        input.ki.dwFlags = KEYEVENTF_SCANCODE | KEYEVENTF_EXTENDEDKEY;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    ::timeBeginPeriod(1);
    SendInput(1, &inputs[0], sizeof(INPUT));
    const double released = Now();
    SendInput(1, &inputs[1], sizeof(INPUT));
    std::vector<double> moves;
    double quietSince = Now();
    while (Now() - quietSince < (moves.empty() ? 3000.0 : 300.0)) {
        RECT now = {};
        GetWindowRect(window, &now);
        if (!EqualRect(&now, &last)) {
            moves.push_back(Now());
            last = now;
            quietSince = Now();
        }
        Sleep(1);
    }
    ::timeEndPeriod(1);
    std::vector<double> intervals;
    for (size_t i = 1; i < moves.size(); ++i) intervals.push_back(moves[i] - moves[i - 1]);
    std::sort(intervals.begin(), intervals.end());
    double mean = 0;
    for (double interval : intervals) mean += interval;
    mean = intervals.empty() ? 0 : mean / static_cast<double>(intervals.size());
    const double p95 = intervals.empty() ? 0 : intervals[std::min(intervals.size() - 1, intervals.size() * 95 / 100)];
    std::printf("slide first_ms=%.2f moves=%zu mean_ms=%.2f p95_ms=%.2f\n", moves.empty() ? -1.0 : moves.front() - released,
                moves.size(), mean, p95);
    return 0;
}

int Cpu(const wchar_t* exe)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    DWORD pid = 0;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !pid; more = Process32NextW(snapshot, &entry))
        if (_wcsicmp(entry.szExeFile, exe) == 0) pid = entry.th32ProcessID;
    CloseHandle(snapshot);
    HANDLE process = pid ? OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid) : nullptr;
    FILETIME created, exited, kernel, user;
    if (!process || !GetProcessTimes(process, &created, &exited, &kernel, &user)) {
        std::printf("cpu failed=1\n");
        return 1;
    }
    CloseHandle(process);
    auto ms = [](const FILETIME& t) {
        return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 10000.0;
    };
    std::printf("cpu ms=%.1f\n", ms(kernel) + ms(user));
    return 0;
}

int Keys(int count)
{
    const double start = Now();
    for (int i = 0; i < count; ++i) {
        INPUT inputs[2] = {};
        for (INPUT& input : inputs) {
            input.type = INPUT_KEYBOARD;
            input.ki.wVk = VK_F24;
        }
        inputs[1].ki.dwFlags = KEYEVENTF_KEYUP;
        if (SendInput(2, inputs, sizeof(INPUT)) != 2) {
            std::printf("keys failed_at=%d\n", i);
            return 1;
        }
    }
    std::printf("keys sent=%d seconds=%.1f\n", count, (Now() - start) / 1000.0);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"wait" && argc == 3) return Wait(argv[2]);
    if (command == L"slide" && argc == 3) return Slide(argv[2]);
    if (command == L"cpu" && argc == 3) return Cpu(argv[2]);
    if (command == L"keys" && argc == 3) return Keys(_wtoi(argv[2]));
    std::printf("usage: zep_bench_probe wait <title> | slide <title> | cpu <exe> | keys <n>\n");
    return 2;
}
