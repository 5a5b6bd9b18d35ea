#include "tray/tray_menu_win32.h"

#include "profile/notify_profile_win32.h"
#include "tray/autostart_win32.h"
#include "tray/tray_texts.h"
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

TrayMenu::TrayMenu(HWND owner, const AutoStart& autoStart, const NotifyProfile& profile, const TrayMenuActions& actions)
    : owner_(owner), autoStart_(autoStart), profile_(profile), actions_(actions), menu_(CreatePopupMenu()) {
    HMENU menu = menu_.get();
    Append(menu, kOpenItem, texts::kMenuOpen);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    Append(menu, kAutoStartItem, texts::kMenuAutoStart);
    Append(menu, kFadeItem, texts::kMenuFade);
    AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    Append(menu, kAboutItem, texts::kMenuAbout);
    Append(menu, kQuitItem, texts::kMenuClose);
}

bool TrayMenu::Checked(UINT item) const { return (GetMenuState(menu_.get(), item, MF_BYCOMMAND) & MF_CHECKED) != 0; }

bool TrayMenu::UpdateMarks() {
    const AutoStartState autoStart = autoStart_.Read();
    if (autoStart == AutoStartState::WrongType) {
        ShowError(FormatText(texts::kRunValueWrongType, AutoStart::kValueName));
        return false;
    }
    SetMark(menu_.get(), kAutoStartItem, autoStart == AutoStartState::On);
    SetMark(menu_.get(), kFadeItem, profile_.ReadFadeSetting());
    return true;
}

void TrayMenu::PopupAt(POINT at) {
    if (!UpdateMarks()) return;
    // Foreground first and a message after, or the menu stays open when the
    // user clicks elsewhere.
    SetForegroundWindow(owner_);
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu_.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, owner_, nullptr));
    PostMessageW(owner_, WM_NULL, 0, 0);
    Run(chosen);
}

void TrayMenu::Run(UINT item) {
    switch (item) {
    case kOpenItem:
        actions_.open();
        break;
    case kAutoStartItem:
        OnAutoStartClick();
        break;
    case kFadeItem:
        OnFadeClick();
        break;
    case kAboutItem:
        actions_.about();
        break;
    case kQuitItem:
        actions_.quit();
        break;
    default:
        break;
    }
}

void TrayMenu::OnAutoStartClick() {
    if (MessageBoxW(nullptr, Widen(texts::kAutoStartQuestion).c_str(), Widen(texts::kAutoStartQuestionCaption).c_str(),
                    MB_YESNO | MB_TOPMOST | MB_SETFOREGROUND) != IDYES)
        return;
    if (Checked(kAutoStartItem))
        autoStart_.Delete();
    else if (!autoStart_.Write())
        ShowError(FormatText(texts::kRunValueWriteFailed, AutoStart::kValueName));
}

void TrayMenu::OnFadeClick() {
    if (!profile_.WriteFadeSetting(!Checked(kFadeItem))) ShowError(FormatText(texts::kCannotWrite, profile_.Path()));
}

}  // namespace quendrel
