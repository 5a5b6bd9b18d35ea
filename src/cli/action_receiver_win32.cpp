#include "cli/action_receiver_win32.h"

#include <cstdint>
#include <string>

#include "actions/actions.h"
#include "base/identity.h"
#include "win32/text_win32.h"

namespace quendrel {
namespace {

// The answer is known before the action runs: whatever the action shows (the
// capture's message at a full list) must not keep the second process waiting.
// Nothing when the action is not a message from another thread.
void AnswerNow(Answer answer) { ReplyMessage(AnswerResult(answer)); }

// A stored name is code page 932; a character without an exact form there
// cannot be in one, so the name matches nothing.
std::string NameCp932(const Action& action) {
    if (action.kind != ActionKind::kPresetByName) return {};
    return ToCp932Exactly(action.name).value_or(std::string());
}

}  // namespace

bool ReceiveAction(Actions& actions, const COPYDATASTRUCT& data, LRESULT& result) {
    if (data.dwData != identity::kCopyDataId) return false;
    // Decoding copies the bytes: they are not ours once the answer is sent.
    const auto action = DecodeAction(static_cast<const std::uint8_t*>(data.lpData), data.cbData);
    result = AnswerResult(action ? PerformAction(actions, *action) : Answer::kBadUsage);
    return true;
}

Answer PerformAction(Actions& actions, const Action& action) {
    // Until start-up is over the table may be half read; while the window is
    // open the user is editing it and hotkeys do not act either.
    if (actions.phase() == Actions::Phase::kStarting) return Answer::kRefused;
    if (action.kind == ActionKind::kOpen) {
        AnswerNow(Answer::kDone);
        actions.OpenWindow();
        return Answer::kDone;
    }
    if (actions.phase() == Actions::Phase::kEditing) return Answer::kRefused;
    if (action.kind != ActionKind::kVolume && !ActionRecord(action, actions.table(), NameCp932(action)))
        return Answer::kBadUsage;

    // Accepted: the caller goes on at once, and the action follows those
    // before it.
    AnswerNow(Answer::kDone);
    actions.Perform([&actions, action] {
        if (action.kind == ActionKind::kVolume) return actions.dispatcher().SetVolume(action.number);
        // Looked up again: an action before it may have moved the presets.
        if (const auto record = ActionRecord(action, actions.table(), NameCp932(action)))
            actions.dispatcher().DispatchHotKey(static_cast<unsigned>(*record));
    });
    return Answer::kDone;
}

}  // namespace quendrel
