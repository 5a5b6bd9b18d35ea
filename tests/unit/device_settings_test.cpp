#include "profile/device_settings.h"

#include <gtest/gtest.h>

#include "base/utf8.h"

namespace quendrel {
namespace {

using namespace std::string_literals;

const std::string kLoud = "\x91\xE5\x89\xB9";  // 大音 in code page 932
const StoredDevice kHeadset{L"{0.0.0.00000000}.{9AF18405-D80D-4BA1-AA0F-E9035A8A21F3}", L"Headset"};
const StoredDevice kOdd{L"{0.0.0.00000000}.{a}", L"ヘッドホン, 50% \"USB\" 'x' \U0001F3A7"};

ProfileFile File(const std::string& bytes) { return ProfileFile(bytes, LeadBytes()); }

TEST(DeviceSettings, AnEntryKeepsEveryNameInPrintableAscii) {
    const std::pair<std::string, StoredDevice> cases[] = {{"Late night", kHeadset}, {kLoud, kOdd}, {"a,b%", kOdd}};
    for (const auto& [preset, device] : cases) {
        const auto text = FormatPresetDevice(preset, device);
        ASSERT_TRUE(text);
        for (char c : *text) EXPECT_TRUE(c > ' ' && c <= '~' && c != '"' && c != '\'') << *text;
        EXPECT_EQ(ParsePresetDevice(*text, preset), device) << *text;
        EXPECT_EQ(ParsePresetDevice(*text, preset + "x"), std::nullopt) << "another preset's";
    }
    EXPECT_EQ(*FormatPresetDevice("Late night", kHeadset), "Late%20night," + WideToUtf8(kHeadset.id) + ",Headset");
    EXPECT_EQ(*FormatPresetDevice(kLoud, {L"i", L"ü"}), "%91%E5%89%B9,i,%C3%BC");
    // A name that would not fit a reader's buffer is cut at a whole character.
    const auto cut = FormatPresetDevice("p", {L"i", std::wstring(700, L'ー')});
    ASSERT_TRUE(cut);
    EXPECT_EQ(ParsePresetDevice(*cut, "p")->name, std::wstring(227, L'ー'));
    EXPECT_EQ(FormatPresetDevice("p", {L"", L"n"}), std::nullopt);
    EXPECT_EQ(FormatPresetDevice("p", {std::wstring(2100, L'i'), L"n"}), std::nullopt);
}

TEST(DeviceSettings, GarbledEntriesAreIgnored) {
    for (const char* text : {"", "p", "p,i", "p,i,n,x", "p,,n", "p,i,a b", "p,i,%4", "p,i,%G1", "p,i,%", "p,i,\x82\xA0",
                             "p,%FF,n", "p,i,%C0%80", "p,i,%ED%A0%80", "p,i,\"n\""})
        EXPECT_EQ(ParsePresetDevice(text, "p"), std::nullopt) << text;
    EXPECT_EQ(ParsePresetDevice("p,i,", "p"), (StoredDevice{L"i", L""}));
    EXPECT_EQ(ParsePresetDevice("%70,%69,%e3%83%98", "p"), (StoredDevice{L"i", L"ヘ"}));
}

TEST(DeviceSettings, ReadsSwitchesKeyAndTheEntriesOfThePresetsAsTheyAreNow) {
    struct Case {
        std::string file;
        bool microphone, arrival;
        std::uint16_t key;
    } cases[] = {
        {"", false, false, 0},
        {"[Devices]\r\nMicrophone=1\r\nMicrophoneKey=24653\r\nArrival=0x1", true, true, 24653},
        {"[devices]\nmicrophone=-1\nmicrophonekey=0x604D\narrival=on", true, false, 0x604D},
        {"[Devices]\nMicrophone=0\nMicrophoneKey=65536\nArrival=99999999999", false, false, 0},
        {"[Devices]\nMicrophoneKey=-5", false, false, 0},
        {"[Devices]\nMicrophoneKey=0x6000", false, false, 0},  // modifiers without a key
        {"[Font]\nMicrophone=1\nMicrophoneKey=77\n[Changes]\nArrival=1", false, false, 0},
    };
    for (const Case& c : cases) {
        const DeviceSettings settings = ReadDeviceSettings(File(c.file), {});
        EXPECT_EQ(settings.microphone, c.microphone) << c.file;
        EXPECT_EQ(settings.arrival, c.arrival) << c.file;
        EXPECT_EQ(settings.microphoneKey, c.key) << c.file;
    }
    const std::string entries =
        "[PresetDevices]\n1=a,i1,n1\n2=b,i2,n2\n3=zz,i3,n3\n4=d,,n\n5=e,i5,n5\n"s + "[PresetDevices]\n3=c,i9,n9\n";
    const auto presets = ReadDeviceSettings(File(entries), {"a", "b", "c", "d"}).presets;
    EXPECT_EQ(std::vector(presets.begin(), presets.begin() + 5),
              (std::vector<std::optional<StoredDevice>>{StoredDevice{L"i1", L"n1"}, StoredDevice{L"i2", L"n2"},
                                                        std::nullopt, std::nullopt, std::nullopt}));
    // Stored in UTF-16 by someone else: the same values.
    const std::string wide = "\xFF\xFE[\0P\0r\0e\0s\0e\0t\0D\0e\0v\0i\0c\0e\0s\0]\0\n\0001\0=\0a\0,\0i\0,\0n\0"s;
    EXPECT_EQ(ReadDeviceSettings(File(wide), {"a"}).presets[0], (StoredDevice{L"i", L"n"}));
}

TEST(DeviceSettings, WritesOnlyWhatDiffersAndKeepsOtherPresetsEntries) {
    const std::string file =
        "[Devices]\nMicrophone=1\nMicrophoneKey=77\n[PresetDevices]\n1=a,i1,n1\n2=old,i2,n2\n"
        "3=c,i3,n3\n9=z,i9,n9\n";
    DeviceSettings same = ReadDeviceSettings(File(file), {"a", "b", "c"});
    EXPECT_TRUE(DeviceSettingsWrites(File(file), {"a", "b", "c"}, same).empty());
    EXPECT_TRUE(DeviceSettingsWrites(File(""), {"a", "b"}, DeviceSettings{}).empty()) << "nothing used, nothing new";

    DeviceSettings changed = same;
    changed.microphone = false;
    changed.arrival = true;
    changed.microphoneKey = 0;
    changed.presets[0] = std::nullopt;                 // the preset's own entry goes
    changed.presets[1] = std::nullopt;                 // another preset's stays
    changed.presets[2] = StoredDevice{L"i4", L"n 4"};  // replaced
    const auto writes = DeviceSettingsWrites(File(file), {"a", "b", "c", "d"}, changed);
    std::vector<std::string> seen;
    for (const ProfileWrite& w : writes)
        seen.push_back(WideToUtf8(w.section) + "/" + WideToUtf8(w.key) + "=" + w.value.value_or("(deleted)"));
    EXPECT_EQ(seen, (std::vector<std::string>{"Devices/Microphone=0", "Devices/MicrophoneKey=0", "Devices/Arrival=1",
                                              "PresetDevices/1=(deleted)", "PresetDevices/3=c,i4,n%204"}));
}

}  // namespace
}  // namespace quendrel
