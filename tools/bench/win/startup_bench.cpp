// Measurement, not a test: the time from starting a program to its first
// visible window, for the wizard and for a bare one-dialog program in turn.
//   startup_bench.exe RUNS wizard.exe bare.exe
// Prints each run and the medians with their ratio.
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
    if (argc != 4) {
        std::printf("usage: startup_bench RUNS wizard.exe bare.exe\n");
        return 2;
    }
    const int runs = std::max(1, _wtoi(argv[1]));
    std::vector<double> wizard, bare;
    // Alternating, so that a slower moment of the machine weighs on both.
    for (int run = 1; run <= runs; ++run) {
        wizard.push_back(TimeToWindow(argv[2]));
        bare.push_back(TimeToWindow(argv[3]));
        std::printf("run %d: wizard %.1f ms, bare dialog %.1f ms\n", run, wizard.back(),
                    bare.back());
    }
    const double w = Median(wizard), b = Median(bare);
    std::printf("start-up median: wizard %.1f ms, bare dialog %.1f ms, ratio %.3f\n", w, b, w / b);
    return 0;
}
