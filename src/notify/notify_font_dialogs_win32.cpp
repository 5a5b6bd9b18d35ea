#include "notify/notify_font_dialogs_win32.h"

#include <string>

#include "app/app_texts.h"
#include "notify/form3_win32.h"
#include "notify/notify_profile_win32.h"
#include "win32/ui_win32.h"

namespace quendrel {
namespace {

FontDialog& FontDialogOverride() {
    static FontDialog dialog;
    return dialog;
}

ColorDialog& ColorDialogOverride() {
    static ColorDialog dialog;
    return dialog;
}

NotifyFontSpec CurrentFont() { return Form3 ? Form3->font() : NotifyFontSpec{}; }

// Stops at the first refused key: the ones after it stay unwritten.
bool WriteFontKeys(std::initializer_list<std::pair<const wchar_t*, std::wstring>> keys) {
    for (const auto& [key, value] : keys) {
        if (!WriteProfileText(L"Font", key, value)) {
            ShowError(FormatText(texts::kCannotWrite, NotifyProfilePath()));
            return false;
        }
    }
    return true;
}

void Reload() {
    if (Form3) Form3->LoadNotifyFont();
}

}  // namespace

void NotifyFontClick(HWND owner) {
    const NotifyFontSpec current = CurrentFont();
    const int dpi = ScreenDpi();
    LOGFONTW font{};
    font.lfHeight = -MulDiv(current.size, dpi, 72);
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = current.charset;
    font.lfOutPrecision = OUT_TT_PRECIS;
    lstrcpynW(font.lfFaceName, current.name.c_str(), LF_FACESIZE);

    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &font;
    dialog.rgbColors = current.color;
    // No effects group: colour, underline and strike-out are not the font's.
    dialog.Flags = CF_SCREENFONTS | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT;
    const BOOL chosen = FontDialogOverride() ? FontDialogOverride()(dialog) : ChooseFontW(&dialog);
    if (!chosen) return;

    // The pixel height back to whole points at the screen's DPI.
    const int points = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, dpi);
    if (!WriteFontKeys({{L"size", std::to_wstring(points)},
                        {L"chrSet", std::to_wstring(font.lfCharSet)},
                        {L"Name", font.lfFaceName}}))
        return;
    Reload();
}

void NotifyColorClick(HWND owner) {
    static COLORREF customColors[16] = {};
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = CurrentFont().color;
    dialog.lpCustColors = customColors;
    dialog.Flags = CC_RGBINIT | CC_PREVENTFULLOPEN;
    const BOOL chosen = ColorDialogOverride() ? ColorDialogOverride()(dialog) : ChooseColorW(&dialog);
    if (!chosen) return;

    if (!WriteFontKeys({{L"color", std::to_wstring(dialog.rgbResult)}})) return;
    Reload();
}

void SetFontDialogForTesting(FontDialog dialog) { FontDialogOverride() = std::move(dialog); }
void SetColorDialogForTesting(ColorDialog dialog) { ColorDialogOverride() = std::move(dialog); }

}  // namespace quendrel
