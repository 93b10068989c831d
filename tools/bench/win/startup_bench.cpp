// Measurement, not a test: the time from starting a program to its first
// visible window, for each program in turn, the last one the yardstick.
//   startup_bench.exe RUNS program.exe... yardstick.exe
// Prints each run, and each program's median with its ratio to the yardstick's.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

double NowMs() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

bool HasVisibleWindow(DWORD process) {
    struct Search {
        DWORD process;
        bool found;
    } search{process, false};
    EnumWindows(
        [](HWND window, LPARAM context) -> BOOL {
            auto* search = reinterpret_cast<Search*>(context);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == search->process && IsWindowVisible(window)) {
                search->found = true;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Milliseconds to the first visible window; negative when none came in 30 s.
double TimeToWindow(const std::wstring& program) {
    std::wstring command = L"\"" + program + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const double start = NowMs();
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    double elapsed = -1;
    while (NowMs() - start < 30000) {
        if (HasVisibleWindow(process.dwProcessId)) {
            elapsed = NowMs() - start;
            break;
        }
        Sleep(1);
    }
    TerminateProcess(process.hProcess, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return elapsed;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::printf("usage: startup_bench RUNS program.exe... yardstick.exe\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    std::vector<std::vector<double>> times(argc - 2);
    // Alternating, so that a slower moment of the machine weighs on all.
    for (int run = 1; run <= runs; ++run) {
        std::printf("run %d:", run);
        for (int program = 0; program < argc - 2; ++program) {
            times[program].push_back(TimeToWindow(argv[program + 2]));
            std::printf(" %.1f ms", times[program].back());
        }
        std::printf("\n");
    }
    const double yardstick = Median(times.back());
    for (int program = 0; program < argc - 2; ++program)
        std::printf("start-up median %ls: %.1f ms, ratio %.3f\n", argv[program + 2],
                    Median(times[program]), Median(times[program]) / yardstick);
    return 0;
}
