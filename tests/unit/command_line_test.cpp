#include "cli/command_line.h"

#include <gtest/gtest.h>

#include "make_action.h"

namespace quendrel {
namespace {

using Args = std::vector<std::u16string>;
using Outcome = CommandLine::Outcome;

TEST(CommandLine, AcceptedForms) {
    const struct {
        Args args;
        Action action;
    } cases[] = {
        {{u"/preset", u"Night"}, test::MakeAction(ActionKind::kPresetByName, 0, u"Night")},
        {{u"-PRESET", u"夜", u"の", u"音"},
         test::MakeAction(ActionKind::kPresetByName, 0, u"夜 の 音")},  // joined by one space
        {{u"/Preset", u"Late  night "},
         test::MakeAction(ActionKind::kPresetByName, 0, u"Late  night ")},  // quoted: as given
        {{u"/preset", u"3a"}, test::MakeAction(ActionKind::kPresetByName, 0, u"3a")},
        {{u"/preset", u"1", u"2"}, test::MakeAction(ActionKind::kPresetByName, 0, u"1 2")},
        {{u"/preset", u"007"}, test::MakeAction(ActionKind::kPresetByPosition, 7)},
        {{u"/preset", u"99999999999"}, test::MakeAction(ActionKind::kPresetByPosition, UINT32_MAX)},
        {{u"/volume", u"0"}, test::MakeAction(ActionKind::kVolume, 0)},
        {{u"-VOLUME", u"0100"}, test::MakeAction(ActionKind::kVolume, 100)},
        {{u"/up"}, test::MakeAction(ActionKind::kUp)},
        {{u"-Down"}, test::MakeAction(ActionKind::kDown)},
        {{u"/MUTE"}, test::MakeAction(ActionKind::kMute)},
        {{u"/capture"}, test::MakeAction(ActionKind::kCapture)},
        {{u"-open"}, test::MakeAction(ActionKind::kOpen)},
        {{u"/device", u"USB", u"Audio"}, test::MakeAction(ActionKind::kDevice, 0, u"USB Audio")},
        {{u"-Device", u"2"}, test::MakeAction(ActionKind::kDevice, 0, u"2")},  // as typed: the list decides
        {{u"/mic"}, test::MakeAction(ActionKind::kMicrophone, kMicrophoneToggle)},
        {{u"/MIC", u"On"}, test::MakeAction(ActionKind::kMicrophone, kMicrophoneOn)},
        {{u"-mic", u"off"}, test::MakeAction(ActionKind::kMicrophone, kMicrophoneOff)},
    };
    for (const auto& c : cases) {
        const CommandLine parsed = ParseCommandLine(c.args);
        ASSERT_EQ(parsed.outcome, Outcome::kAction) << std::string(c.args[0].begin(), c.args[0].end());
        EXPECT_TRUE(parsed.action == c.action) << std::string(c.args[0].begin(), c.args[0].end());
    }
    EXPECT_EQ(ParseCommandLine({}).outcome, Outcome::kStart);
    for (const Args& help : {Args{u"/help"}, Args{u"-HELP"}, Args{u"/?"}, Args{u"-?"}})
        EXPECT_EQ(ParseCommandLine(help).outcome, Outcome::kHelp);
    EXPECT_EQ(ParseCommandLine({u"/Devices"}).outcome, Outcome::kDevices);
}

TEST(CommandLine, RefusedForms) {
    const struct {
        Args args;
        ParseError error;
    } cases[] = {
        {{u"preset", u"x"}, ParseError::kUnknownAction},
        {{u"/"}, ParseError::kUnknownAction},
        {{u""}, ParseError::kUnknownAction},
        {{u"--up"}, ParseError::kUnknownAction},
        {{u"/upp"}, ParseError::kUnknownAction},
        {{u"/ｕｐ"}, ParseError::kUnknownAction},  // fullwidth letters are not the word
        {{u"/preset"}, ParseError::kMissingArgument},
        {{u"/preset", u""}, ParseError::kMissingArgument},
        {{u"/volume"}, ParseError::kMissingArgument},
        {{u"/volume", u"50", u"60"}, ParseError::kExtraArgument},
        {{u"/mute", u"now"}, ParseError::kExtraArgument},
        {{u"/help", u"me"}, ParseError::kExtraArgument},
        {{u"/volume", u"101"}, ParseError::kBadVolume},
        {{u"/volume", u"99999999999"}, ParseError::kBadVolume},
        {{u"/volume", u"-1"}, ParseError::kBadVolume},
        {{u"/volume", u"50%"}, ParseError::kBadVolume},
        {{u"/volume", u""}, ParseError::kBadVolume},
        {{u"/preset", std::u16string(101, u'x')}, ParseError::kNoSuchPreset},
        {{u"/preset", std::u16string(u"a\0b", 3)}, ParseError::kNoSuchPreset},
        {{u"/device"}, ParseError::kMissingArgument},
        {{u"/device", std::u16string(101, u'x')}, ParseError::kNoSuchDevice},
        {{u"/devices", u"all"}, ParseError::kExtraArgument},
        {{u"/mic", u"mute"}, ParseError::kBadMicrophone},
        {{u"/mic", u"on", u"off"}, ParseError::kExtraArgument},
    };
    for (const auto& c : cases) {
        const CommandLine parsed = ParseCommandLine(c.args);
        EXPECT_EQ(parsed.outcome, Outcome::kError) << c.args.size();
        EXPECT_EQ(parsed.error, c.error) << std::string(c.args.back().begin(), c.args.back().end());
    }
    EXPECT_EQ(ParseCommandLine({u"/preset", std::u16string(100, u'x')}).outcome, Outcome::kAction);
}

TEST(CommandLine, PayloadRoundTripAndLayout) {
    for (const Action& action :
         {test::MakeAction(ActionKind::kPresetByName, 0, u"夜 の音"),
          test::MakeAction(ActionKind::kPresetByName, 0, std::u16string(100, u'\xFFFF')),
          test::MakeAction(ActionKind::kPresetByPosition, 0x12345678), test::MakeAction(ActionKind::kVolume, 100),
          test::MakeAction(ActionKind::kMute), test::MakeAction(ActionKind::kOpen),
          test::MakeAction(ActionKind::kDevice, 0, u"ヘッドホン"), test::MakeAction(ActionKind::kMicrophone, 2)}) {
        const auto bytes = EncodeAction(action);
        const auto back = DecodeAction(bytes.data(), bytes.size());
        ASSERT_TRUE(back.has_value());
        EXPECT_TRUE(*back == action);
    }
    EXPECT_EQ(EncodeAction(test::MakeAction(ActionKind::kPresetByName, 0, u"A夜")),
              (std::vector<std::uint8_t>{1, 1, 0, 0, 0, 0, 2, 0, 0x41, 0, 0x1C, 0x59}));
}

TEST(CommandLine, DamagedPayloadsAreRefused) {
    const auto good = EncodeAction(test::MakeAction(ActionKind::kPresetByName, 0, u"ab"));
    auto with = [&](std::size_t at, std::uint8_t value) {
        auto bytes = good;
        bytes[at] = value;
        return bytes;
    };
    const std::vector<std::uint8_t> damaged[] = {
        {},
        std::vector<std::uint8_t>(good.begin(), good.end() - 1),  // odd
        std::vector<std::uint8_t>(good.begin(), good.end() - 2),  // length says more
        with(0, 2),                                               // another version
        with(1, 0),
        with(1, 9),
        with(6, 0xFF),  // length beyond the bytes
        with(6, 0),     // empty name
        with(8, 0),     // NUL inside the name
        with(2, 1),     // a number with a name
        EncodeAction(test::MakeAction(ActionKind::kVolume, 101)),
        EncodeAction(test::MakeAction(ActionKind::kUp, 1)),
        EncodeAction(test::MakeAction(ActionKind::kPresetByPosition, 1, u"a")),
        EncodeAction(test::MakeAction(ActionKind::kPresetByName, 0, std::u16string(101, u'x'))),
        EncodeAction(test::MakeAction(ActionKind::kNotifySlot)),  // the program's own
        EncodeAction(test::MakeAction(ActionKind::kMicrophone, 3)),
        EncodeAction(test::MakeAction(ActionKind::kDevice)),
        with(1, 12),
    };
    for (const auto& bytes : damaged) EXPECT_EQ(DecodeAction(bytes.data(), bytes.size()), std::nullopt) << bytes.size();
    auto longer = good;
    longer.push_back(0);
    EXPECT_EQ(DecodeAction(longer.data(), longer.size()), std::nullopt);
    EXPECT_EQ(DecodeAction(nullptr, 0), std::nullopt);
}

TEST(CommandLine, AnswersAndTexts) {
    for (Answer answer : {Answer::kDone, Answer::kBadUsage, Answer::kRefused, Answer::kNoAnswer, Answer::kUnsupported})
        EXPECT_EQ(AnswerFromResult(AnswerResult(answer)), answer);
    EXPECT_EQ(AnswerFor(Verdict::kUnsupported), Answer::kUnsupported);
    // The same code tells what the action lacked.
    EXPECT_STRNE(AnswerText(Answer::kBadUsage, ActionKind::kDevice), AnswerText(Answer::kBadUsage, ActionKind::kUp));
    EXPECT_STRNE(AnswerText(Answer::kUnsupported, ActionKind::kDevice),
                 AnswerText(Answer::kUnsupported, ActionKind::kMicrophone));
    // A window that ignores the message answers 0.
    for (std::intptr_t stray : {0, 2, 3, -1}) EXPECT_EQ(AnswerFromResult(stray), Answer::kNoAnswer) << stray;
}

}  // namespace
}  // namespace quendrel
