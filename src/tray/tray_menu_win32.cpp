#include "tray/tray_menu_win32.h"

#include "app/app_texts.h"
#include "tray/autostart_win32.h"
#include "config_window/config_window_win32.h"
#include "notify/notify_profile_win32.h"
#include "win32/text_win32.h"
#include "win32/ui_texts.h"
#include "win32/ui_win32.h"

namespace quendrel {
namespace {

void Append(HMENU menu, UINT item, const char* utf8) { AppendMenuW(menu, MF_STRING, item, Widen(utf8).c_str()); }

void SetMark(HMENU menu, UINT item, bool on) {
    CheckMenuItem(menu, item, MF_BYCOMMAND | (on ? MF_CHECKED : MF_UNCHECKED));
}

}  // namespace

TrayMenu::TrayMenu(TForm1& form, const AutoStart& autoStart, const NotifyProfile& profile)
    : form_(form), autoStart_(autoStart), profile_(profile), menu_(CreatePopupMenu()) {
    Append(menu_, kOpenItem, texts::kMenuOpen);
    AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);  // N2
    Append(menu_, kAutoStart1Item, texts::kMenuAutoStart);
    Append(menu_, kFADEChangeItem, texts::kMenuFade);
    AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);  // N1
    Append(menu_, kAbout1Item, texts::kMenuAbout);
    Append(menu_, kClose1Item, texts::kMenuClose);
}

TrayMenu::~TrayMenu() { DestroyMenu(menu_); }

bool TrayMenu::Checked(UINT item) const { return (GetMenuState(menu_, item, MF_BYCOMMAND) & MF_CHECKED) != 0; }

bool TrayMenu::SHLMenuPopup() {
    const AutoStartState autoStart = autoStart_.Read();
    if (autoStart == AutoStartState::WrongType) {
        ShowError(FormatText(texts::kRunValueWrongType, AutoStart::kValueName));
        return false;
    }
    SetMark(menu_, kAutoStart1Item, autoStart == AutoStartState::On);
    SetMark(menu_, kFADEChangeItem, profile_.ReadFadeSetting());
    return true;
}

void TrayMenu::PopupAt(POINT at) {
    if (!SHLMenuPopup()) return;
    HWND owner = form_.hwnd();
    // Foreground first and a message after, or the menu stays open when the
    // user clicks elsewhere.
    SetForegroundWindow(owner);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu_, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner, nullptr));
    PostMessageW(owner, WM_NULL, 0, 0);
    Run(chosen);
}

void TrayMenu::Run(UINT item) {
    switch (item) {
    case kOpenItem:
        form_.OpenClick();
        break;
    case kAutoStart1Item:
        AutoStart1Click();
        break;
    case kFADEChangeItem:
        FADEChangeClick();
        break;
    case kAbout1Item:
        form_.About1Click();
        break;
    case kClose1Item:
        form_.Close1Click();
        break;
    default:
        break;
    }
}

void TrayMenu::AutoStart1Click() {
    if (MessageBoxW(nullptr, Widen(texts::kAutoStartQuestion).c_str(), Widen(texts::kAutoStartQuestionCaption).c_str(),
                    MB_YESNO | MB_TOPMOST | MB_SETFOREGROUND) != IDYES)
        return;
    if (Checked(kAutoStart1Item))
        autoStart_.Delete();
    else if (!autoStart_.Write())
        ShowError(FormatText(texts::kRunValueWriteFailed, AutoStart::kValueName));
}

void TrayMenu::FADEChangeClick() {
    if (!profile_.WriteFadeSetting(!Checked(kFADEChangeItem)))
        ShowError(FormatText(texts::kCannotWrite, profile_.Path()));
}

void PopupTrayMenu(TForm1& form) {
    POINT at{};
    GetCursorPos(&at);
    TrayMenu menu(form, form.parts().autoStart, form.parts().profile);
    menu.PopupAt(at);
}

}  // namespace quendrel
