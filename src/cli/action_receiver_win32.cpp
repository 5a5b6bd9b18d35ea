#include "cli/action_receiver_win32.h"

#include <cstdint>
#include <string>

#include "config_window/config_window_win32.h"

namespace quendrel {
namespace {

// A stored name is code page 932; a character without an exact form there
// (no best-fit stand-in) cannot be in one, so the name matches nothing.
std::string NameCp932(const std::wstring& wide) {
    if (wide.empty()) return {};
    const int length = static_cast<int>(wide.size());
    BOOL substituted = FALSE;
    const int size =
        WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), length, nullptr, 0, nullptr, &substituted);
    if (size <= 0 || substituted) return {};
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

// The answer is known before the action runs: whatever the action shows (the
// capture's message at a full list) must not keep the second process waiting.
// Nothing when the action is not a message from another thread.
void AnswerNow(Answer answer) { ReplyMessage(AnswerResult(answer)); }

}  // namespace

bool ReceiveAction(TForm1& form, LPARAM copyData, LRESULT& result) {
    const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(copyData);
    if (!data || data->dwData != kCopyDataId) return false;
    // Decoding copies the bytes: they are not ours once the answer is sent.
    const auto action = DecodeAction(static_cast<const std::uint8_t*>(data->lpData), data->cbData);
    result = AnswerResult(action ? PerformAction(form, *action) : Answer::kBadUsage);
    return true;
}

Answer PerformAction(TForm1& form, const Action& action) {
    // Until start-up is over the table may be half read; while the window is
    // open the user is editing it and hotkeys do not act either.
    if (!form.started()) return Answer::kRefused;
    if (action.kind == ActionKind::kOpen) {
        AnswerNow(Answer::kDone);
        form.OpenClick();
        return Answer::kDone;
    }
    if (IsWindowVisible(form.hwnd())) return Answer::kRefused;

    DispatchHost& host = form.dispatchHost();
    if (action.kind == ActionKind::kVolume) {
        AnswerNow(Answer::kDone);
        form.applier.ApplyVolume(static_cast<int>(action.number), host.ReadFadeSetting());
        if (host.NotifyEnabled())
            host.ShowNotification(VolumeNotificationText(action.number), form.table[kNotifySlot].value);
        return Answer::kDone;
    }
    const std::string name = action.kind == ActionKind::kPresetByName ? NameCp932(action.name) : std::string();
    const auto record = ActionRecord(action, form.table, name);
    if (!record) return Answer::kBadUsage;
    AnswerNow(Answer::kDone);
    form.dispatcher.DispatchHotKey(static_cast<unsigned>(*record));
    return Answer::kDone;
}

}  // namespace quendrel
