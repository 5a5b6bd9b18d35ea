// Command-line actions: `Quendrel.exe /preset NAME` and the like. A second
// process parses its arguments, forwards the action to the running instance
// with WM_COPYDATA and exits with the answer.
//
// Sender (second process):
//   1. ParseCommandLine(the arguments after the program name).
//      kStart: start as without arguments. kHelp: print kUsage, exit 0.
//      kError: print ErrorText and kUsage, exit 2.
//   2. kAction: WM_COPYDATA to the running instance's window with dwData
//      identity::kCopyDataId and EncodeAction's bytes; AnswerFromResult(the result)
//      is the exit code. The look for the window and the answer share
//      kAnswerWaitMilliseconds: an instance that holds the mutex may not
//      have its window yet. No window or no answer in time: kNoAnswer.
//      Print AnswerText when it has one.
// Receiver (running instance, WM_COPYDATA with dwData identity::kCopyDataId):
//   1. DecodeAction(lpData, cbData); nothing: answer kBadUsage.
//   2. Actions::Submit, as every hotkey: AnswerFor(its verdict), sent before
//      the action is performed.
//   3. Return AnswerResult(answer) from the window procedure.
// With no running instance the first process starts as usual and performs
// the action once start-up is done, as the receiver would.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "actions/action.h"

namespace quendrel {

// A name longer than this many UTF-16 units cannot match a stored name: every
// unit converts to at least one of the stored name's at most 100 bytes.
constexpr std::size_t kMaxActionNameUnits = kNameMax;

enum class ParseError {
    kUnknownAction,
    kMissingArgument,
    kExtraArgument,
    kBadVolume,
    kNoSuchPreset,
    kNoSuchDevice,
    kBadMicrophone,
};

struct CommandLine {
    // kDevices: the output devices listed here, without the running instance.
    enum class Outcome { kStart, kHelp, kAction, kError, kDevices };
    Outcome outcome = Outcome::kStart;
    Action action;                                  // kAction
    ParseError error = ParseError::kUnknownAction;  // kError
};

// args: the arguments after the program name, as CommandLineToArgvW splits
// them (quotes already removed), each in UTF-16.
// The action word is matched without regard to ASCII case, after '/' or '-'.
// After /preset, an argument of ASCII digits only is a position; anything
// else is a name, and several arguments are joined by one space, so
// `/preset Late night` and `/preset "Late night"` name the same preset; so
// for /device, whose argument is kept as typed (digits: the position in the
// /devices list). /mic takes nothing (toggle), "on" or "off".
CommandLine ParseCommandLine(const std::vector<Utf16String>& args);

// UTF-8 texts for printing.
const char* ErrorText(ParseError error);
const char* UsageText();

// WM_COPYDATA: dwData is identity::kCopyDataId, lpData the payload, little-endian:
//   0     version (kPayloadVersion)
//   1     ActionKind
//   2..5  number (uint32)
//   6..7  name length in UTF-16 units (uint16), 0 unless kPresetByName
//   8..   the name's UTF-16 units, two bytes each
// Exactly that many bytes; DecodeAction takes only what EncodeAction writes
// for a valid Action of the command line (kPresetByName .. kOpen), so
// decode(encode(a)) == a and encode(decode(b)) == b.
constexpr std::uint8_t kPayloadVersion = 1;
constexpr std::size_t kPayloadHeaderSize = 8;
constexpr std::size_t kMaxPayloadSize = kPayloadHeaderSize + 2 * kMaxActionNameUnits;

std::vector<std::uint8_t> EncodeAction(const Action& action);
// Any bytes at all (data may be null when size is 0): the action, or nothing
// when they are not a payload of this version.
std::optional<Action> DecodeAction(const std::uint8_t* data, std::size_t size);

// How long the second process waits for the window and its answer together.
constexpr unsigned kAnswerWaitMilliseconds = 5000;

// The second process's exit code.
enum class Answer : int { kDone = 0, kBadUsage = 2, kRefused = 3, kNoAnswer = 4, kUnsupported = 5 };

// The answer to an action that Actions::Submit judged.
Answer AnswerFor(Verdict verdict);

// The receiver's WM_COPYDATA result. A window that does not handle the
// message returns 0, so the answers travel tagged and anything untagged reads
// as kNoAnswer.
std::intptr_t AnswerResult(Answer answer);
Answer AnswerFromResult(std::intptr_t result);
// UTF-8 text the second process prints for an answer to the action, or null
// for kDone. kBadUsage from the receiver means no such preset (or device).
const char* AnswerText(Answer answer, ActionKind kind);

}  // namespace quendrel
