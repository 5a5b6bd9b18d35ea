// The baselines of the start-up and memory benchmarks: a Win32 program that
// creates one window and waits in its message loop. Built three times: as it
// is; with QUENDREL_SAME_IMPORTS, when it also imports every DLL that
// Quendrel.exe imports (the calls never run; the loader maps the DLLs all the
// same); and with QUENDREL_OPENS_SOUND as well, when it also opens every mixer
// device at start, the sound system's start that any volume control makes.
#include <windows.h>

#ifdef QUENDREL_SAME_IMPORTS
#include <commctrl.h>
#include <mmsystem.h>
#include <objbase.h>
#include <shellapi.h>
#endif

static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
#ifdef QUENDREL_SAME_IMPORTS
    if (commandLine && lstrcmpW(commandLine, L"never-given") == 0) {
        InitCommonControls();
        mixerGetNumDevs();
        CoInitialize(nullptr);
        Shell_NotifyIconW(NIM_DELETE, nullptr);
        RegCloseKey(HKEY_CURRENT_USER);
        GetStockObject(WHITE_BRUSH);
    }
#else
    (void)commandLine;
#endif
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = L"MinimalWindow";
    RegisterClassW(&wc);
    CreateWindowExW(0, L"MinimalWindow", L"Minimal", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, instance,
                    nullptr);
#ifdef QUENDREL_OPENS_SOUND
    for (UINT device = 0, count = mixerGetNumDevs(); device < count; ++device) {
        HMIXER mixer = nullptr;
        mixerOpen(&mixer, device, 0, 0, MIXER_OBJECTF_MIXER);  // kept open, as a volume control keeps it
    }
#endif
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
