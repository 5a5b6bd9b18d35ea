#include "table/setting_table.h"

#include <gtest/gtest.h>

#include <cstring>

#include "cp932.h"
#include "table/settings.h"
#include "table/table_texts.h"

namespace quendrel {
namespace {

TEST(SettingTexts, ShiftJisBytesMatchTheirTexts) {
    EXPECT_EQ(texts::kUpName, test::Cp932FromUtf8("音量を上げる"));
    EXPECT_EQ(texts::kDownName, test::Cp932FromUtf8("音量を下げる"));
    EXPECT_EQ(texts::kMuteStatePrefix, test::Cp932FromUtf8("ミュートの状態 "));
    EXPECT_EQ(texts::kCapturedPresetName, test::Cp932FromUtf8("(キャプチャされた設定) "));
    EXPECT_EQ(texts::kCapturedSlotName, test::Cp932FromUtf8("音量をキャプチャしました"));
    EXPECT_EQ(texts::kNewPresetName, test::Cp932FromUtf8("(新規作成された設定)"));
}

std::vector<std::uint8_t> RecordBytes(std::size_t records) {
    std::vector<std::uint8_t> image(records * kRecordSize);
    for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 7 + 3);
    // keep name lengths sane so that the image is one the program could have written
    for (std::size_t r = 0; r < records; ++r) {
        image[r * kRecordSize] = static_cast<std::uint8_t>(r * 9 % 101);
        std::memset(&image[r * kRecordSize + 116], 0xFF, 4);
    }
    return image;
}

TEST(SettingTable, DefaultsGiveTheSixHundredByteFirstFile) {
    SettingTable table;
    table.SetDefaults();
    const auto image = table.Image();
    ASSERT_EQ(image.size(), 600u);
    EXPECT_EQ(table[kUpSlot].Name(), texts::kUpName);
    EXPECT_EQ(table[kUpSlot].value, 2);
    EXPECT_EQ(table[kDownSlot].Name(), texts::kDownName);
    EXPECT_EQ(table[kDownSlot].value, 2);
    EXPECT_EQ(table[kNotifySlot].value, 2);
    for (std::size_t i = 0; i < kSlotCount; ++i) {
        EXPECT_EQ(table[i].enabled, 0u);
        EXPECT_EQ(table[i].hotkey, 0u);
    }
    // All else is zero: only name bytes and the values above are set.
    std::size_t nonZero = 0;
    for (auto b : image) nonZero += b != 0;
    EXPECT_EQ(nonZero, 1 + 12 + 1 + 1 + 12 + 1 + 1u);
}

TEST(SettingTable, LoadTakesWholeRecordsAndSwitchesPresetsOn) {
    SettingTable table;
    auto image = RecordBytes(8);
    image[6 * kRecordSize + 116] = 0;  // a preset stored with enabled 0
    std::memset(&image[6 * kRecordSize + 116], 0, 4);
    image.resize(image.size() + 10);  // a trailing piece is never read
    table.LoadFromImage(image);
    EXPECT_EQ(table.count, 3);
    EXPECT_EQ(table.Preset(1).enabled, kEnabledOn);
    // Slots are taken exactly as stored, including their enabled flags.
    EXPECT_EQ(0, std::memcmp(&table[0], image.data(), 5 * kRecordSize));
    const auto saved = table.Image();
    ASSERT_EQ(saved.size(), 960u);
}

TEST(SettingTable, ImageRoundTripsByteForByte) {
    SettingTable table;
    const auto image = RecordBytes(12);
    table.LoadFromImage(image);
    SettingTable again;
    again.LoadFromImage(table.Image());
    EXPECT_EQ(again.Image(), table.Image());
    EXPECT_EQ(table.Image(), image);  // every preset was already on
}

TEST(SettingTable, EmptyAndShortFilesLoadAsZero) {
    SettingTable table;
    table.LoadFromImage({});
    EXPECT_EQ(table.count, 0);
    EXPECT_EQ(table.Image(), std::vector<std::uint8_t>(600, 0));
    SettingTable shortOne;
    shortOne.LoadFromImage(std::vector<std::uint8_t>(610, 0));
    EXPECT_EQ(shortOne.Image().size(), 600u);
}

TEST(SettingTable, MoreThanThirtyThreeRecordsKeepsTheFirstThirtyThree) {
    SettingTable table;
    table.LoadFromImage(RecordBytes(40));
    EXPECT_EQ(table.count, 28);
    EXPECT_EQ(table.Image().size(), 33 * kRecordSize);
    EXPECT_EQ(table.Image(), std::vector<std::uint8_t>(RecordBytes(33)));
}

TEST(SettingTable, AppendCutsNamesAndRefusesTheTwentyNinth) {
    SettingTable table;
    const std::string longName(150, 'x');
    auto index = table.AppendPresetRecord(longName, 37, 0x6070);
    ASSERT_TRUE(index.has_value());
    EXPECT_EQ(*index, 5u);
    EXPECT_EQ(table[5].Name(), std::string(100, 'x'));
    EXPECT_EQ(table[5].nameLength, 100);
    for (int i = 1; i < 28; ++i) ASSERT_TRUE(table.AppendPresetRecord("p", i, 0).has_value());
    const auto before = table.Image();
    EXPECT_FALSE(table.AppendPresetRecord("over", 1, 0).has_value());
    EXPECT_EQ(table.Image(), before);
    EXPECT_EQ(table.count, 28);
}

TEST(SettingTable, LongStoredNameLengthCountsAsHundred) {
    SettingTable table;
    auto image = RecordBytes(6);
    image[5 * kRecordSize] = 200;
    table.LoadFromImage(image);
    EXPECT_EQ(table.Preset(0).nameLength, 100);
    EXPECT_EQ(table.Preset(0).Name().size(), 100u);
}

TEST(SettingTable, RemoveMovesLaterPresetsDownAndClearsTheLast) {
    SettingTable table;
    table.AppendPresetRecord("A", 10, 1);
    table.AppendPresetRecord("B", 20, 2);
    table.AppendPresetRecord("C", 30, 3);
    table.RemovePresetRecord(0);
    EXPECT_EQ(table.count, 2);
    EXPECT_EQ(table[5].Name(), "B");
    EXPECT_EQ(table[6].Name(), "C");
    const SettingRecord zero{};
    EXPECT_EQ(0, std::memcmp(&table[7], &zero, kRecordSize));
    table.RemovePresetRecord(5);  // out of range: nothing
    EXPECT_EQ(table.count, 2);
}

TEST(SettingTable, SwapExchangesWholeRecords) {
    SettingTable table;
    table.AppendPresetRecord("A", 30, 0x6070);
    table.AppendPresetRecord("B", 60, 0x6071);
    table[6].reserved = 9;
    table.SwapPresetRecords(0);
    EXPECT_EQ(table[5].Name(), "B");
    EXPECT_EQ(table[5].value, 60);
    EXPECT_EQ(table[5].hotkey, 0x6071u);
    EXPECT_EQ(table[5].reserved, 9u);
    EXPECT_EQ(table[6].Name(), "A");
    table.SwapPresetRecords(1);  // no preset after the last: nothing
    EXPECT_EQ(table[6].Name(), "A");
}

TEST(Settings, EachCaptionFollowsItsPreset) {
    Settings settings;
    for (const wchar_t* caption : {L"A", L"B", L"C"}) settings.AddPreset("x", caption, 10, 0);
    settings.SwapPresets(0);
    settings.RenamePreset(2, "c", L"Cc");
    settings.RemovePreset(1);
    settings.SwapPresets(1);  // no preset below the last: nothing
    EXPECT_EQ(std::vector<std::wstring>(settings.captions.begin(), settings.captions.begin() + 3),
              (std::vector<std::wstring>{L"B", L"Cc", L""}));
    EXPECT_EQ(settings.table.Preset(1).Name(), "c");
    for (int i = 2; i < 28; ++i) settings.AddPreset("y", L"y", 0, 0);
    EXPECT_EQ(settings.AddPreset("z", L"z", 0, 0), std::nullopt);
}

}  // namespace
}  // namespace quendrel
