#include "notify/notify_font_dialogs_win32.h"

#include "win32/ui_texts.h"
#include "win32/ui_win32.h"

namespace quendrel {

void NotifyFontDialogs::ReportRefusedWrite() const { ShowError(FormatText(texts::kCannotWrite, profile_.Path())); }

void NotifyFontDialogs::OnFontClick(HWND owner) {
    const NotifyFontSpec current = notification_.font();
    LOGFONTW font = NotifyLogFont(current);
    CHOOSEFONTW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpLogFont = &font;
    dialog.rgbColors = current.color;
    // No effects group: colour, underline and strike-out are not the font's.
    dialog.Flags = CF_SCREENFONTS | CF_FORCEFONTEXIST | CF_INITTOLOGFONTSTRUCT;
    if (!(dialogs_ ? dialogs_->PickFont(dialog) : ChooseFontW(&dialog))) return;

    // The pixel height back to whole points at the screen's DPI.
    const int points = MulDiv(font.lfHeight < 0 ? -font.lfHeight : font.lfHeight, 72, ScreenDpi());
    if (!profile_.WriteFont(points, font.lfCharSet, font.lfFaceName)) return ReportRefusedWrite();
    notification_.LoadFont();
}

void NotifyFontDialogs::OnColorClick(HWND owner) {
    CHOOSECOLORW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.rgbResult = notification_.font().color;
    dialog.lpCustColors = customColors_;
    dialog.Flags = CC_RGBINIT | CC_PREVENTFULLOPEN;
    if (!(dialogs_ ? dialogs_->PickColor(dialog) : ChooseColorW(&dialog))) return;

    if (!profile_.WriteColor(dialog.rgbResult)) return ReportRefusedWrite();
    notification_.LoadFont();
}

}  // namespace quendrel
