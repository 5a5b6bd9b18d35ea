// The baselines of the start-up benchmark: a Win32 program that creates one
// window and waits in its message loop. Built twice: as it is, and with
// QUENDREL_SAME_IMPORTS, when it also imports every DLL that Quendrel.exe
// imports (the calls never run; the loader maps the DLLs all the same).
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
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
