// Measurements for scripts/bench. Each command prints "name value" lines, a
// sample set as "name median q1 q3"; the script puts them next to their
// baselines, which are measured in the same run.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "make_action.h"
#include "mixer/winmm_mixer_win32.h"
#include "profile/notify_profile_win32.h"
#include "program_probe_win32.h"
#include "table_builder.h"
#include "win32/text_win32.h"

namespace {

using namespace quendrel;

LARGE_INTEGER Now() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double Time(const std::function<void()>& work) {
    const LARGE_INTEGER begin = Now();
    work();
    return Seconds(begin, Now());
}

// "name median q1 q3", in the unit given (1e3: milliseconds).
void Report(const char* name, std::vector<double> values, double unit) {
    std::sort(values.begin(), values.end());
    const auto at = [&](double q) { return values[static_cast<std::size_t>(q * (values.size() - 1))] * unit; };
    printf("%s %.4f %.4f %.4f\n", name, at(0.5), at(0.25), at(0.75));
}

// One preset (Ctrl+Shift+F1, 40 %), or two (Ctrl+Shift+F2, 60 %), and the
// notification as asked.
SettingTable BenchTable(bool notify, int presets = 1) {
    SettingTable table = test::TableWith({{"Bench", 40, 0x6070}});
    if (presets > 1) table.AppendPresetRecord("Bench 2", 60, 0x6071);
    if (notify) test::SwitchOn(table, kNotifySlot);
    return table;
}

// A program started in a folder of its own, until it is ready: its message
// loop idles (WaitForInputIdle), so start-up is over.
struct Started {
    PROCESS_INFORMATION info{};
    std::unique_ptr<test::TempFolder> files = std::make_unique<test::TempFolder>();
    std::wstring folder = files->path();
    double seconds = -1;
};

bool IsQuendrel(const std::wstring& exe) { return exe.find(L"Quendrel") != std::wstring::npos; }

Started StartUntilReady(const std::wstring& exe, bool notify = false, int presets = 1) {
    Started started;
    test::WriteSettings(started.folder, BenchTable(notify, presets));
    test::WriteFade(started.folder, false);
    const std::wstring copy = started.folder + L"\\" + exe.substr(exe.find_last_of(L"\\/") + 1);
    CopyFileW(exe.c_str(), copy.c_str(), FALSE);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring command = L"\"" + copy + L"\"";
    const LARGE_INTEGER begin = Now();
    if (!CreateProcessW(copy.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, started.folder.c_str(),
                        &startup, &started.info))
        return started;
    // Idle once its last window exists: Wine may call a process idle while
    // start-up still waits inside a system call.
    const wchar_t* last = IsQuendrel(exe) ? identity::kNotificationClass : L"MinimalWindow";
    for (int i = 0; i < 30000 && !test::FindProcessWindow(started.info.dwProcessId, last, false); ++i) Sleep(1);
    if (WaitForInputIdle(started.info.hProcess, 30000) == 0) started.seconds = Seconds(begin, Now());
    return started;
}

void End(Started& started) {
    test::RemoveTrayIcon(started.info.dwProcessId);
    TerminateProcess(started.info.hProcess, 0);
    WaitForSingleObject(started.info.hProcess, 10000);
    CloseHandle(started.info.hProcess);
    CloseHandle(started.info.hThread);
}

// startup RUNS EXE...: each program in turn, run by run, with gaps.
int Startup(int runs, const std::vector<std::wstring>& exes) {
    std::vector<std::vector<double>> times(exes.size());
    int hotkeysMissing = 0;
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < exes.size(); ++i) {
            Started started = StartUntilReady(exes[i]);
            if (started.seconds >= 0) times[i].push_back(started.seconds);
            // Ready means the hotkeys are in place too.
            if (i == 0 && !test::IsHotkeyTaken(MOD_CONTROL | MOD_SHIFT, VK_F1)) ++hotkeysMissing;
            End(started);
            Sleep(300);
        }
    }
    for (std::size_t i = 0; i < exes.size(); ++i) {
        if (times[i].empty()) return 1;
        const std::string name = "startup_" + std::to_string(i);
        Report(name.c_str(), times[i], 1e3);
    }
    printf("startup_hotkeys_missing %d\n", hotkeysMissing);
    return 0;
}

// A "Name:  N kB" line of a host /proc status file, in KiB.
double StatusKiB(const std::string& status, const char* name) {
    const auto at = status.find(name);
    return at == std::string::npos ? 0 : std::strtod(status.c_str() + at + std::strlen(name), nullptr);
}

// Private bytes and working set of a started program, in KiB; negative when
// unread. Wine 8 reads PrivateUsage as 0: then it is taken as later Wine gives
// it, the host process's anonymous resident memory and swap.
std::pair<double, double> MemoryOf(const Started& started) {
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(started.info.hProcess, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                              sizeof counters))
        return {-1, -1};
    double privateKiB = counters.PrivateUsage / 1024.0;
    if (privateKiB == 0) {
        const std::wstring entry =
            test::HostProcessEntry(test::Utf8Of(started.folder.substr(started.folder.find_last_of(L'\\') + 1)));
        const std::string status = entry.empty() ? std::string() : test::ReadUntilEnd(entry + L"\\status");
        privateKiB = status.empty() ? -1 : StatusKiB(status, "RssAnon:") + StatusKiB(status, "VmSwap:");
    }
    return {privateKiB, counters.WorkingSetSize / 1024.0};
}

// memory RUNS EXE...: each program's private bytes and working set once
// ready, and after 1,000 hotkeys that alternate two presets, each shown by a
// notification (a minimal program gets the same messages and ignores them).
int Memory(int runs, const std::vector<std::wstring>& exes) {
    const char* const names[] = {"private_ready", "working_ready", "private_hotkeys", "working_hotkeys"};
    std::vector<std::vector<double>> figures(exes.size() * 4);
    for (int run = 0; run < runs; ++run) {
        for (std::size_t i = 0; i < exes.size(); ++i) {
            Started started = StartUntilReady(exes[i], true, 2);
            if (started.seconds < 0) return 1;
            Sleep(1000);
            const auto ready = MemoryOf(started);
            HWND window = test::FindProcessWindow(
                started.info.dwProcessId, IsQuendrel(exes[i]) ? identity::kConfigClass : L"MinimalWindow", false);
            for (int k = 0; k < 1000; ++k) {
                DWORD_PTR ignored = 0;
                SendMessageTimeoutW(window, WM_HOTKEY, kFirstPreset + k % 2, 0, SMTO_NORMAL, 5000, &ignored);
            }
            Sleep(4000);  // the last notification is gone
            const auto after = MemoryOf(started);
            End(started);
            if (ready.first < 0 || after.first < 0) return 1;
            const double measured[] = {ready.first, ready.second, after.first, after.second};
            for (std::size_t k = 0; k < 4; ++k) figures[i * 4 + k].push_back(measured[k]);
        }
    }
    for (std::size_t i = 0; i < exes.size(); ++i)
        for (std::size_t k = 0; k < 4; ++k)
            Report((std::string(names[k]) + "_" + std::to_string(i)).c_str(), figures[i * 4 + k], 1);
    return 0;
}

// The host's /proc entry of the program; its CPU time in seconds, all
// threads, in nanoseconds as the scheduler counts them.
double CpuSeconds(const std::wstring& entry) {
    double total = 0;
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW((entry + L"\\task\\*").c_str(), &found);
    if (find == INVALID_HANDLE_VALUE) return -1;
    do {
        if (found.cFileName[0] < L'0' || found.cFileName[0] > L'9') continue;
        const std::string stat = test::ReadUntilEnd(entry + L"\\task\\" + found.cFileName + L"\\schedstat");
        total += std::strtod(stat.c_str(), nullptr) / 1e9;
    } while (FindNextFileW(find, &found));
    FindClose(find);
    return total;
}

// idle EXE SECONDS NOTIFY: CPU used while idling, with or without one
// notification shown and gone before.
int Idle(const std::wstring& exe, int seconds, bool notify) {
    Started started = StartUntilReady(exe, notify);
    if (started.seconds < 0) return 1;
    const std::wstring entry =
        test::HostProcessEntry(test::Utf8Of(started.folder.substr(started.folder.find_last_of(L'\\') + 1)));
    if (notify) {
        HWND configWindow = test::FindProcessWindow(started.info.dwProcessId, identity::kConfigClass, false);
        PostMessageW(configWindow, WM_HOTKEY, kFirstPreset, 0);
        Sleep(4000);  // the notification is gone, and with it its hide timer
    } else {
        Sleep(1000);
    }
    const double before = CpuSeconds(entry);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    const double after = CpuSeconds(entry);
    End(started);
    if (entry.empty() || before < 0 || after < 0) return 1;
    printf("idle_cpu_ms %.3f\n", (after - before) * 1e3);
    return 0;
}

// The program in this process, on the real mixer.
struct InProcess : test::ProgramProbe {
    InProcess(bool notify, bool fade) {
        auto owned = std::make_unique<WinmmMixer>();
        winmm = owned.get();
        environment.mixer = std::move(owned);
        test::WriteFade(folder.path(), fade);
        const SettingTable table = BenchTable(notify);
        started = Start(&table);
    }
    WinmmMixer* winmm = nullptr;
    bool started = false;
};

// fade: a 0 -> 100 smooth change, timed in the program.
int Fade() {
    InProcess p(false, true);
    if (!p.started) return 1;
    // At once to 0, then smoothly to 100, as /volume does.
    test::WriteFade(p.folder.path(), false);
    test::ProgramProbe::Send(test::MakeAction(ActionKind::kVolume, 0));
    test::WriteFade(p.folder.path(), true);
    const LARGE_INTEGER begin = Now();
    test::ProgramProbe::Send(test::MakeAction(ActionKind::kVolume, 100));
    MSG message;
    while (p.winmm->GetMasterVolume(0) != 100 && GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    printf("fade_seconds %.4f\n", Seconds(begin, Now()));
    return 0;
}

// hotkey: one preset hotkey with the notification off against a bare loop of
// the same writes on the same devices, alternately.
int Hotkey() {
    InProcess p(false, false);
    if (!p.started) return 1;
    const unsigned devices = p.winmm->DeviceCount();
    // Found once: the lookup walks every window and is no part of a hotkey.
    HWND configWindow = test::ProgramProbe::ConfigWindow();
    std::vector<double> dispatch, bare;
    for (int i = 0; i < 220; ++i) {
        test::PumpMessages(0);
        const double d = Time([&] { SendMessageW(configWindow, WM_HOTKEY, kFirstPreset, 0); });
        test::PumpMessages(0);
        const double b = Time([&] {
            for (unsigned device = 0; device < devices; ++device) p.winmm->SetMasterVolume(device, 40);
        });
        if (i < 20) continue;  // warm-up
        dispatch.push_back(d);
        bare.push_back(b);
    }
    printf("hotkey_devices %u\n", devices);
    Report("hotkey_ms", dispatch, 1e3);
    Report("bare_write_ms", bare, 1e3);
    return 0;
}

// The unavoidable work of a text-shaped notification, with nothing else: a
// layered pop-up cut to the outline of the text and shown on top.
class PlainPopup {
public:
    PlainPopup() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hbrBackground = brush_;
        wc.lpszClassName = L"BenchPopup";
        RegisterClassW(&wc);
        window_ = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, L"BenchPopup",
                                  L"", WS_POPUP, 0, 0, 100, 40, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetLayeredWindowAttributes(window_, RGB(0, 0, 0), 0, LWA_COLORKEY);
        const LOGFONTW lf = NotifyLogFont(NotifyFontSpec{});
        font_ = CreateFontIndirectW(&lf);
    }
    ~PlainPopup() {
        DestroyWindow(window_);
        DeleteObject(font_);
        DeleteObject(brush_);
    }
    void Show(const std::wstring& text) {
        RECT work{};
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        HDC dc = GetDC(window_);
        HGDIOBJ old = SelectObject(dc, font_);
        BeginPath(dc);
        SIZE extent{};
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        SetBkMode(dc, TRANSPARENT);
        ExtTextOutW(dc, 0, 0, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
        EndPath(dc);
        HRGN region = PathToRegion(dc);
        SelectObject(dc, old);
        ReleaseDC(window_, dc);
        SetWindowRgn(window_, region, TRUE);
        SetWindowPos(window_, HWND_TOPMOST, work.right - extent.cx, work.bottom - extent.cy, work.right, work.bottom,
                     SWP_NOACTIVATE | SWP_SHOWWINDOW);
        InvalidateRect(window_, nullptr, TRUE);
        UpdateWindow(window_);
    }

private:
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HBRUSH brush_ = CreateSolidBrush(RGB(0, 255, 0));
};

// notification: the program's whole show (font from the file, text, on
// top, painted) against the plain pop-up, with the same text again and with a
// changing one.
int Notification() {
    InProcess p(true, false);
    if (!p.started) return 1;
    const NotifyProfile profile(p.folder.File(L"NotifyFont.ini"));
    NotificationWindow shown(profile);
    shown.Create(test::ProgramProbe::ApplicationWindow());
    PlainPopup popup;
    const std::string name = "Bench ";
    for (bool changing : {false, true}) {
        std::vector<double> program, plain;
        for (int i = 0; i < 220; ++i) {
            const std::string text = name + std::to_string(changing ? 40 + i % 2 : 40) + "%";
            const std::wstring wide = FromCp932(text);
            test::PumpMessages(0);
            const double q = Time([&] {
                shown.Show(text, 2);
                UpdateWindow(shown.hwnd());
            });
            test::PumpMessages(0);
            const double b = Time([&] { popup.Show(wide); });
            if (i < 20) continue;
            program.push_back(q);
            plain.push_back(b);
        }
        Report(changing ? "notify_changing_ms" : "notify_same_ms", program, 1e3);
        Report(changing ? "popup_changing_ms" : "popup_same_ms", plain, 1e3);
    }
    return 0;
}

// about: creating the about window (its device list included) against the
// whole in-process start-up it is part of.
int About() {
    std::vector<double> starts, abouts;
    for (int i = 0; i < 15; ++i) {
        std::unique_ptr<InProcess> p;
        starts.push_back(Time([&] { p = std::make_unique<InProcess>(false, false); }));
        if (!p->started) return 1;
        abouts.push_back(Time([&] {
            AboutWindow about(*p->winmm);
            about.Create(test::ProgramProbe::ApplicationWindow());
        }));
    }
    Report("inprocess_start_ms", starts, 1e3);
    Report("about_create_ms", abouts, 1e3);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return 2;
    const std::wstring what = argv[1];
    if (what == L"startup" && argc >= 4)
        return Startup(_wtoi(argv[2]), std::vector<std::wstring>(argv + 3, argv + argc));
    if (what == L"memory" && argc >= 4) return Memory(_wtoi(argv[2]), std::vector<std::wstring>(argv + 3, argv + argc));
    if (what == L"idle" && argc >= 5) return Idle(argv[2], _wtoi(argv[3]), _wtoi(argv[4]) != 0);
    if (what == L"fade") return Fade();
    if (what == L"hotkey") return Hotkey();
    if (what == L"notification") return Notification();
    if (what == L"about") return About();
    return 2;
}
