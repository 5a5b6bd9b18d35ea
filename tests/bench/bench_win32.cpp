// Measurements for scripts/bench. Each prints "name value" lines; the script
// puts them next to their baselines.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/program_win32.h"
#include "mixer/winmm_mixer_win32.h"
#include "settings/setting_table.h"
#include "win_test_support.h"

namespace {

using namespace quendrel;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

std::wstring TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    wchar_t name[MAX_PATH];
    swprintf(name, MAX_PATH, L"%lsquendrel-bench-%lu-%lu", base, GetCurrentProcessId(), GetTickCount());
    CreateDirectoryW(name, nullptr);
    return name;
}

// A table with one preset and the notification on, in folder.
void WriteSettings(const std::wstring& folder, bool fade) {
    SettingTable table;
    table.SetDefaults();
    table[kNotifySlot].enabled = kEnabledOn;
    table.AppendPresetRecord("Bench", 40, 0x6070);
    const auto image = table.Image();
    HANDLE file =
        CreateFileW((folder + L"\\SndCols.ini").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, image.data(), static_cast<DWORD>(image.size()), &written, nullptr);
    CloseHandle(file);
    WritePrivateProfileStringW(L"Changes", L"FADE", fade ? L"1" : L"0", (folder + L"\\NotifyFont.ini").c_str());
}

struct Started {
    PROCESS_INFORMATION info{};
    HWND window = nullptr;
    double seconds = 0;
};

// Starts exe in folder and waits for its window of the class.
Started StartAndWait(const std::wstring& exe, const std::wstring& folder, const wchar_t* className) {
    Started started;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + exe + L"\"";
    const LARGE_INTEGER begin = Now();
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                        &started.info))
        return started;
    for (int i = 0; i < 30000 && !started.window; ++i) {
        started.window = test::FindProcessWindow(started.info.dwProcessId, className, false);
        if (!started.window) Sleep(1);
    }
    started.seconds = Seconds(begin, Now());
    return started;
}

void End(Started& started) {
    TerminateProcess(started.info.hProcess, 0);
    WaitForSingleObject(started.info.hProcess, 10000);
    CloseHandle(started.info.hProcess);
    CloseHandle(started.info.hThread);
}

// Wine does not count another process's times; the host's /proc does. The
// program is the host process whose command line names its folder.
double CpuSeconds(const std::wstring& folder) {
    const std::wstring entry = test::HostProcessEntry(test::Narrow(folder.substr(folder.find_last_of(L'\\') + 1)));
    if (entry.empty()) return -1;
    const std::string stat = test::ReadUntilEnd(entry + L"\\stat");
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return -1;
    // After the name: state is the 3rd field, utime and stime the 14th and 15th.
    unsigned long long utime = 0, stime = 0;
    if (sscanf(stat.c_str() + close + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &utime, &stime) != 2)
        return -1;
    return static_cast<double>(utime + stime) / 100.0;  // clock ticks of 10 ms
}

// startup EXE CLASS RUNS: median seconds from process start until its window exists.
int Startup(const std::wstring& exe, const wchar_t* className, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const std::wstring folder = TempFolder();
        WriteSettings(folder, false);
        const std::wstring copy = folder + L"\\" + exe.substr(exe.find_last_of(L"\\/") + 1);
        CopyFileW(exe.c_str(), copy.c_str(), FALSE);
        Started started = StartAndWait(copy, folder, className);
        if (started.window) times.push_back(started.seconds);
        End(started);
    }
    if (times.empty()) return 1;
    printf("startup_seconds %.4f\n", Median(times));
    return 0;
}

// idle EXE CLASS SECONDS NOTIFY: CPU seconds used while idling.
int Idle(const std::wstring& exe, const wchar_t* className, int seconds, bool notify) {
    const std::wstring folder = TempFolder();
    WriteSettings(folder, false);
    const std::wstring copy = folder + L"\\" + exe.substr(exe.find_last_of(L"\\/") + 1);
    CopyFileW(exe.c_str(), copy.c_str(), FALSE);
    Started started = StartAndWait(copy, folder, className);
    if (!started.window) return 1;
    Sleep(1000);
    if (notify) {
        PostMessageW(started.window, WM_HOTKEY, 5, 0);
        Sleep(3000);  // the notification is gone; Timer2 goes on ticking
    }
    const double before = CpuSeconds(folder);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double after = CpuSeconds(folder);
    End(started);
    if (before < 0 || after < 0) return 1;  // the host process was not found
    printf("idle_cpu_seconds %.2f\n", after - before);
    return 0;
}

// The first three mixer devices.
class ThreeDevices : public WinmmMixer {
public:
    unsigned DeviceCount() override { return std::min(3u, WinmmMixer::DeviceCount()); }
};

// fade: a 0 -> 100 smooth change, timed in the program.
// hotkey: one preset hotkey with three devices against a bare write loop.
int InProcess(bool fade) {
    const std::wstring folder = TempFolder();
    WriteSettings(folder, fade);
    auto mixer = std::make_unique<ThreeDevices>();
    ThreeDevices& devices = *mixer;
    ProgramEnvironment environment;
    environment.mixer = std::move(mixer);
    environment.dataFolder = folder;
    Program program(std::move(environment));
    if (!program.Start()) return 1;
    TForm1& form = program.form1();
    if (fade) {
        form.applier.ApplyVolume(0, false);
        const LARGE_INTEGER begin = Now();
        form.applier.ApplyVolume(100, true);
        MSG message;
        while (form.applier.FadeCurrent() != 100 && GetMessageW(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        printf("fade_seconds %.4f\n", Seconds(begin, Now()));
    } else {
        std::vector<double> dispatch, bare;
        for (int i = 0; i < 200; ++i) {
            LARGE_INTEGER begin = Now();
            form.dispatcher.DispatchHotKey(5);
            dispatch.push_back(Seconds(begin, Now()));
            begin = Now();
            for (unsigned d = 0; d < devices.DeviceCount(); ++d) devices.SetMasterVolume(d, 40);
            bare.push_back(Seconds(begin, Now()));
        }
        printf("hotkey_devices %u\n", devices.DeviceCount());
        printf("hotkey_seconds %.6f\n", Median(dispatch));
        printf("bare_write_seconds %.6f\n", Median(bare));
    }
    program.Shutdown();
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring what = argv[1];
    if (what == L"startup" && argc >= 5) return Startup(argv[2], argv[3], _wtoi(argv[4]));
    if (what == L"idle" && argc >= 6) return Idle(argv[2], argv[3], _wtoi(argv[4]), _wtoi(argv[5]) != 0);
    if (what == L"fade") return InProcess(true);
    if (what == L"hotkey") return InProcess(false);
    return 2;
}
