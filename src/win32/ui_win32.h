// Shared helpers of the program's windows: DPI scaling, fonts, texts,
// message boxes.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "win32/handles_win32.h"

namespace quendrel {

// Wine, which needs a few things of its own (never Windows).
bool RunningUnderWine();

// A function that only some versions of the system have, looked up at run
// time so that the others still start; null where it is missing.
FARPROC FindSystemFunction(const wchar_t* module, const char* name);
template <typename Function>
Function LookupFunction(const wchar_t* module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(FindSystemFunction(module, name)));
}

// Layout is designed at 96 pixels per inch; scale it to the screen's (as it
// was when first asked).
int ScreenDpi();
int Scale(int designPixels);

// A font by face, character height in design pixels (scaled) and weight.
UniqueFont MakeFont(std::string_view faceUtf8, int height, int weight = FW_NORMAL, bool italic = false,
                    bool underline = false, BYTE charset = SHIFTJIS_CHARSET);

// Client size -> window rectangle for a style, placed at a screen position
// (all in design pixels).
RECT WindowRectForClient(int x, int y, int clientWidth, int clientHeight, DWORD style, DWORD exStyle);
// Moves the window just enough to lie whole within the work area of the
// monitor it is on (at a high DPI its designed place can run off it).
void KeepOnWorkArea(HWND window);

// The dotted frame that marks the control with the keyboard focus, drawn
// opaque so that drawing it twice changes nothing.
void DrawFocusMark(HDC dc, RECT rect);
// Whether the window has the focus and shows it: the system hides focus
// marks of a window opened by the mouse until the keyboard is used.
bool ShowsFocus(HWND window);

void SetText(HWND window, std::string_view utf8);
std::wstring GetText(HWND window);

// The program's message boxes: OK only, topmost, with the caption given here
// (the application title). They are modal to the dialog window while it is
// shown, so that it cannot be used behind them; otherwise they belong to the
// owner (the hidden application window).
void SetMessageBoxes(std::string_view captionUtf8, HWND owner, HWND dialog = nullptr);
void ShowMessage(std::string_view utf8);
// Errors get a full stop added, as the application's error display does.
void ShowError(std::string_view utf8);
// "%s" in a UTF-8 template replaced by a wide text.
std::string FormatText(std::string_view templateUtf8, std::wstring_view argument);

}  // namespace quendrel
