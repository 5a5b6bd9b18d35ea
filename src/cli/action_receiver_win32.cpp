#include "cli/action_receiver_win32.h"

#include <cstdint>

#include "actions/actions.h"
#include "base/identity.h"
#include "cli/command_line.h"

namespace quendrel {
namespace {

// The second process goes on once the action is judged, not when it has been
// performed. Nothing when the action is not a message from another thread.
void AnswerNow(Verdict verdict) { ReplyMessage(AnswerResult(AnswerFor(verdict))); }

}  // namespace

bool ReceiveAction(Actions& actions, const COPYDATASTRUCT& data, LRESULT& result) {
    if (data.dwData != identity::kCopyDataId) return false;
    // Decoding copies the bytes: they are not ours once the answer is sent.
    const auto action = DecodeAction(static_cast<const std::uint8_t*>(data.lpData), data.cbData);
    const Answer answer = action ? AnswerFor(actions.Submit(*action, Callback<void(Verdict)>::ToFunction<&AnswerNow>()))
                                 : Answer::kBadUsage;
    result = AnswerResult(answer);
    return true;
}

}  // namespace quendrel
