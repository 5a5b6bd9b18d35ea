#include "cli/command_line.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "base/decimal.h"
#include "cli/cli_texts.h"

namespace quendrel {

namespace {

constexpr std::uint32_t kAnswerTag = 0x514E0000;  // fits a 32-bit LRESULT, positive

bool EqualsIgnoringAsciiCase(Utf16View text, std::string_view word) {
    if (text.size() != word.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        Utf16Char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<Utf16Char>(c - 'A' + 'a');
        if (c != static_cast<unsigned char>(word[i])) return false;
    }
    return true;
}

// ASCII digits only, saturated at UINT32_MAX; nothing when empty or not digits.
std::optional<std::uint32_t> ParseNumber(Utf16View text) {
    const auto value = ParseDigits(text);
    if (!value) return std::nullopt;
    return static_cast<std::uint32_t>(std::min<std::uint64_t>(*value, std::numeric_limits<std::uint32_t>::max()));
}

bool IsValidName(Utf16View name) {
    return !name.empty() && name.size() <= kMaxActionNameUnits && name.find('\0') == Utf16View::npos;
}

CommandLine Error(ParseError error) {
    CommandLine result;
    result.outcome = CommandLine::Outcome::kError;
    result.error = error;
    return result;
}

CommandLine Perform(Action action) {
    CommandLine result;
    result.outcome = CommandLine::Outcome::kAction;
    result.action = std::move(action);
    return result;
}

// The arguments after the action word, joined by one space each.
Utf16String Joined(const std::vector<Utf16String>& args) {
    Utf16String joined;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (i > 1) joined += ' ';
        joined += args[i];
    }
    return joined;
}

CommandLine ParsePreset(const std::vector<Utf16String>& args) {
    Utf16String joined = Joined(args);
    if (joined.empty()) return Error(ParseError::kMissingArgument);
    Action action;
    if (const auto position = ParseNumber(joined)) {
        action.kind = ActionKind::kPresetByPosition;
        action.number = *position;
        return Perform(action);
    }
    // Too long or with a NUL, it cannot be the name of any preset.
    if (!IsValidName(joined)) return Error(ParseError::kNoSuchPreset);
    action.kind = ActionKind::kPresetByName;
    action.name = std::move(joined);
    return Perform(action);
}

CommandLine ParseDevice(const std::vector<Utf16String>& args) {
    Utf16String joined = Joined(args);
    if (joined.empty()) return Error(ParseError::kMissingArgument);
    if (!IsValidName(joined)) return Error(ParseError::kNoSuchDevice);
    Action action;
    action.kind = ActionKind::kDevice;
    action.name = std::move(joined);
    return Perform(action);
}

CommandLine ParseMicrophone(const std::vector<Utf16String>& args) {
    if (args.size() > 2) return Error(ParseError::kExtraArgument);
    Action action;
    action.kind = ActionKind::kMicrophone;
    action.number = kMicrophoneToggle;
    if (args.size() == 2) {
        if (EqualsIgnoringAsciiCase(args[1], "on"))
            action.number = kMicrophoneOn;
        else if (EqualsIgnoringAsciiCase(args[1], "off"))
            action.number = kMicrophoneOff;
        else
            return Error(ParseError::kBadMicrophone);
    }
    return Perform(action);
}

CommandLine ParseVolume(const std::vector<Utf16String>& args) {
    if (args.size() < 2) return Error(ParseError::kMissingArgument);
    if (args.size() > 2) return Error(ParseError::kExtraArgument);
    const auto volume = ParseNumber(args[1]);
    if (!volume || *volume > 100) return Error(ParseError::kBadVolume);
    Action action;
    action.kind = ActionKind::kVolume;
    action.number = *volume;
    return Perform(action);
}

void PutU16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

std::uint16_t GetU16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] | (at[1] << 8)); }

std::uint32_t GetU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
           static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<Utf16String>& args) {
    if (args.empty()) return CommandLine{};
    const Utf16View first = args[0];
    if (first.size() < 2 || (first[0] != '/' && first[0] != '-')) return Error(ParseError::kUnknownAction);
    const Utf16View word = first.substr(1);

    if (EqualsIgnoringAsciiCase(word, "preset")) return ParsePreset(args);
    if (EqualsIgnoringAsciiCase(word, "volume")) return ParseVolume(args);
    if (EqualsIgnoringAsciiCase(word, "device")) return ParseDevice(args);
    if (EqualsIgnoringAsciiCase(word, "mic")) return ParseMicrophone(args);
    if (EqualsIgnoringAsciiCase(word, "devices")) {
        if (args.size() > 1) return Error(ParseError::kExtraArgument);
        CommandLine result;
        result.outcome = CommandLine::Outcome::kDevices;
        return result;
    }

    struct Plain {
        const char* word;
        ActionKind kind;
    };
    static constexpr Plain kPlain[] = {
        {"up", ActionKind::kUp},           {"down", ActionKind::kDown}, {"mute", ActionKind::kMute},
        {"capture", ActionKind::kCapture}, {"open", ActionKind::kOpen},
    };
    const bool help = EqualsIgnoringAsciiCase(word, "help") || (word.size() == 1 && word[0] == '?');
    for (const Plain& plain : kPlain) {
        if (!EqualsIgnoringAsciiCase(word, plain.word)) continue;
        if (args.size() > 1) return Error(ParseError::kExtraArgument);
        Action action;
        action.kind = plain.kind;
        return Perform(action);
    }
    if (!help) return Error(ParseError::kUnknownAction);
    if (args.size() > 1) return Error(ParseError::kExtraArgument);
    CommandLine result;
    result.outcome = CommandLine::Outcome::kHelp;
    return result;
}

const char* ErrorText(ParseError error) {
    switch (error) {
    case ParseError::kUnknownAction:
        return texts::kUnknownAction;
    case ParseError::kMissingArgument:
        return texts::kMissingArgument;
    case ParseError::kExtraArgument:
        return texts::kExtraArgument;
    case ParseError::kBadVolume:
        return texts::kBadVolume;
    case ParseError::kNoSuchPreset:
        return texts::kNoSuchPreset;
    case ParseError::kNoSuchDevice:
        return texts::kNoSuchDevice;
    case ParseError::kBadMicrophone:
        return texts::kBadMicrophone;
    }
    return texts::kUnknownAction;
}

const char* UsageText() { return texts::kUsage; }

std::vector<std::uint8_t> EncodeAction(const Action& action) {
    std::vector<std::uint8_t> out;
    out.reserve(kPayloadHeaderSize + 2 * action.name.size());
    out.push_back(kPayloadVersion);
    out.push_back(static_cast<std::uint8_t>(action.kind));
    PutU16(out, static_cast<std::uint16_t>(action.number));
    PutU16(out, static_cast<std::uint16_t>(action.number >> 16));
    PutU16(out, static_cast<std::uint16_t>(action.name.size()));
    for (Utf16Char unit : action.name) PutU16(out, unit);
    return out;
}

std::optional<Action> DecodeAction(const std::uint8_t* data, std::size_t size) {
    if (data == nullptr || size < kPayloadHeaderSize || size > kMaxPayloadSize) return std::nullopt;
    if (data[0] != kPayloadVersion) return std::nullopt;
    // Every kind a command line can give; kNotifySlot is the program's own.
    const std::uint8_t kind = data[1];
    if (kind < static_cast<std::uint8_t>(ActionKind::kPresetByName) ||
        kind > static_cast<std::uint8_t>(ActionKind::kMicrophone) ||
        kind == static_cast<std::uint8_t>(ActionKind::kNotifySlot))
        return std::nullopt;
    Action action;
    action.kind = static_cast<ActionKind>(kind);
    action.number = GetU32(data + 2);
    const std::size_t units = GetU16(data + 6);
    // The length field is only believed when the byte count agrees with it.
    if (size != kPayloadHeaderSize + 2 * units) return std::nullopt;
    action.name.reserve(units);
    for (std::size_t i = 0; i < units; ++i)
        action.name += static_cast<Utf16Char>(GetU16(data + kPayloadHeaderSize + 2 * i));

    switch (action.kind) {
    case ActionKind::kPresetByName:
    case ActionKind::kDevice:
        if (!IsValidName(action.name) || action.number != 0) return std::nullopt;
        break;
    case ActionKind::kMicrophone:
        if (units != 0 || action.number > kMicrophoneOff) return std::nullopt;
        break;
    case ActionKind::kPresetByPosition:
        if (units != 0) return std::nullopt;
        break;
    case ActionKind::kVolume:
        if (units != 0 || action.number > 100) return std::nullopt;
        break;
    default:
        if (units != 0 || action.number != 0) return std::nullopt;
        break;
    }
    return action;
}

Answer AnswerFor(Verdict verdict) {
    switch (verdict) {
    case Verdict::kAccepted:
        return Answer::kDone;
    case Verdict::kRefused:
        return Answer::kRefused;
    case Verdict::kUnsupported:
        return Answer::kUnsupported;
    case Verdict::kNoRecord:
        break;
    }
    return Answer::kBadUsage;
}

std::intptr_t AnswerResult(Answer answer) {
    return static_cast<std::intptr_t>(kAnswerTag | static_cast<std::uint32_t>(answer));
}

Answer AnswerFromResult(std::intptr_t result) {
    for (Answer answer : {Answer::kDone, Answer::kBadUsage, Answer::kRefused, Answer::kUnsupported})
        if (result == AnswerResult(answer)) return answer;
    return Answer::kNoAnswer;
}

const char* AnswerText(Answer answer, ActionKind kind) {
    switch (answer) {
    case Answer::kDone:
        return nullptr;
    case Answer::kBadUsage:
        return kind == ActionKind::kDevice ? texts::kNoSuchDevice : texts::kNoSuchPreset;
    case Answer::kUnsupported:
        return kind == ActionKind::kMicrophone ? texts::kNoMicrophoneMute : texts::kCannotSwitchOutput;
    case Answer::kRefused:
        return texts::kRefused;
    case Answer::kNoAnswer:
        return texts::kNoAnswer;
    }
    return texts::kNoAnswer;
}

}  // namespace quendrel
