#include "actions/action_dispatch.h"

#include <gtest/gtest.h>

#include "actions/action_texts.h"
#include "cp932.h"
#include "fake_dispatch.h"
#include "make_action.h"
#include "table/table_texts.h"

namespace quendrel {
namespace {

const std::string kUp = texts::kUpName;
const std::string kDown = texts::kDownName;
const std::string kMutePrefix = texts::kMuteStatePrefix;

// The default slots, each ticked, the notification for three seconds.
struct Dispatch : test::DispatchRig<> {
    explicit Dispatch(unsigned devices) : DispatchRig(devices) {
        table.SetDefaults();
        table[kNotifySlot].value = 3;
        for (std::size_t slot = 0; slot < kSlotCount; ++slot) table[slot].enabled = kEnabledOn;
    }
    std::vector<unsigned> Levels() const {
        std::vector<unsigned> levels;
        for (unsigned d = 0; d < mixer.units.size(); ++d) levels.push_back(mixer.Percent(d));
        return levels;
    }
};

TEST(ActionDispatch, UpAndDownStepFromDeviceZeroAndClampAtTheEnds) {
    for (unsigned devices : {1u, 3u}) {
        SCOPED_TRACE(devices);
        Dispatch d{devices};
        for (unsigned i = 0; i < devices; ++i) d.mixer.SetPercent(i, 90 - 30 * i);  // 90, 60, 30

        d.mixer.SetPercent(0, 99);
        d.Hotkey(kUpSlot);
        EXPECT_EQ(d.Levels(), std::vector<unsigned>(devices, 100));
        EXPECT_EQ(d.host.LastText(), kUp + " 100%");

        d.mixer.SetPercent(0, 1);
        d.Hotkey(kDownSlot);
        EXPECT_EQ(d.Levels(), std::vector<unsigned>(devices, 0));
        EXPECT_EQ(d.host.LastText(), kDown + " 0%");

        d.mixer.SetPercent(0, 50);
        d.Hotkey(kUpSlot);
        EXPECT_EQ(d.host.LastText(), kUp + " 52%");
        d.table[kDownSlot].value = 0;
        d.Hotkey(kDownSlot);
        EXPECT_EQ(d.Levels(), std::vector<unsigned>(devices, 52));
        EXPECT_EQ(d.host.LastText(), kDown + " 52%");
        EXPECT_EQ(d.host.shown.back().second, 3);
        EXPECT_EQ(d.host.fadeReads, 0);  // up and down never fade
        EXPECT_FALSE(d.timer.running);
    }
}

TEST(ActionDispatch, HandEditedStepsCannotOverflowOrLeaveTheRange) {
    Dispatch d{2};
    d.mixer.SetPercent(0, 50);
    d.table[kUpSlot].value = INT32_MAX;
    d.Hotkey(kUpSlot);
    EXPECT_EQ(d.host.LastText(), kUp + " 100%");
    d.table[kDownSlot].value = INT32_MIN;  // minus a negative step: up
    d.Hotkey(kDownSlot);
    EXPECT_EQ(d.host.LastText(), kDown + " 100%");
    d.table[kUpSlot].value = -300;
    d.Hotkey(kUpSlot);
    EXPECT_EQ(d.host.LastText(), kUp + " 0%");
    for (auto units : d.mixer.VolumeWrites()) EXPECT_LE(units, 65500u);
}

TEST(ActionDispatch, PresetAppliesItsVolumeAndShowsIt) {
    for (unsigned devices : {1u, 3u}) {
        SCOPED_TRACE(devices);
        Dispatch d{devices};
        d.table.AppendPresetRecord("Quiet", 37, 0x6070);
        d.table.AppendPresetRecord("Loud", 150, 0x6071);
        d.table.AppendPresetRecord("Below", -3, 0x6072);
        d.mixer.SetPercent(0, 20);

        d.Hotkey(kFirstPreset);
        EXPECT_EQ(d.Levels(), std::vector<unsigned>(devices, 37));
        EXPECT_EQ(d.host.LastText(), "Quiet 37%");
        EXPECT_EQ(d.host.fadeReads, 1);
        EXPECT_EQ(d.mixer.volumeReads, 0);  // applied at once, nothing to start from

        d.Hotkey(kFirstPreset + 1);
        EXPECT_EQ(d.Levels(), std::vector<unsigned>(devices, 100));
        EXPECT_EQ(d.host.LastText(), "Loud 100%");  // the volume applied, not the stored 150

        d.Hotkey(kFirstPreset + 2);
        EXPECT_EQ(d.Levels(), std::vector<unsigned>(devices, 0));
        EXPECT_EQ(d.host.LastText(), "Below 0%");

        // With the switch on only the first step is written, but the text shows the target.
        d.host.fade = true;
        d.Hotkey(kFirstPreset);
        EXPECT_EQ(d.Levels(), std::vector<unsigned>(devices, 1));
        EXPECT_TRUE(d.timer.running);
        EXPECT_EQ(d.host.LastText(), "Quiet 37%");
    }
}

TEST(ActionDispatch, UpDuringAFadeIsPulledBackOntoItsPath) {
    Dispatch d{2};
    d.host.fade = true;
    d.table.AppendPresetRecord("P", 30, 0x6070);
    d.mixer.SetPercent(0, 20);
    d.Hotkey(kFirstPreset);  // 21
    d.Hotkey(kUpSlot);       // 23 at once
    EXPECT_EQ(d.Levels(), (std::vector<unsigned>{23, 23}));
    d.applier.FadeStep();
    EXPECT_EQ(d.Levels(), (std::vector<unsigned>{22, 22}));
}

TEST(ActionDispatch, AVolumeOfItsOwnIsAppliedAndShownAsOne) {
    EXPECT_EQ(texts::kVolumeWord, test::Cp932FromUtf8("音量"));
    Dispatch d{2};
    d.dispatcher.Perform(test::MakeAction(ActionKind::kVolume, 7));
    EXPECT_EQ(d.Levels(), (std::vector<unsigned>{7, 7}));
    EXPECT_EQ(d.host.LastText(), test::Cp932FromUtf8("音量 7%"));
    EXPECT_EQ(d.host.fadeReads, 1);
}

TEST(ActionDispatch, MuteTogglesFromDeviceZero) {
    Dispatch d{2};
    d.mixer.mute = {1, 0};
    d.Hotkey(kMuteSlot);
    EXPECT_EQ(d.mixer.mute, (std::vector<std::uint32_t>{0, 0}));
    EXPECT_EQ(d.table[kMuteSlot].Name(), kMutePrefix + "False");
    EXPECT_EQ(d.host.LastText(), kMutePrefix + "False");

    d.Hotkey(kMuteSlot);
    EXPECT_EQ(d.mixer.mute, (std::vector<std::uint32_t>{1, 1}));
    EXPECT_EQ(d.host.LastText(), kMutePrefix + "True");
    EXPECT_TRUE(d.mixer.VolumeWrites().empty());
}

TEST(ActionDispatch, CaptureAddsOnePresetPerNewVolume) {
    Dispatch d{1};
    // The last captured volume starts at 0, so a first capture at 0 adds nothing.
    d.Hotkey(kCaptureSlot);
    EXPECT_TRUE(d.host.added.empty());
    EXPECT_EQ(d.host.LastText(), "");  // the slot's name as it stands

    d.mixer.SetPercent(0, 40);
    d.Hotkey(kCaptureSlot);
    d.Hotkey(kCaptureSlot);
    ASSERT_EQ(d.host.added.size(), 1u);
    EXPECT_EQ(d.host.added[0].name, texts::kCapturedPresetName);
    EXPECT_EQ(d.host.added[0].volume, 40);
    EXPECT_EQ(d.host.added[0].hotkey, 0x6070u);
    EXPECT_EQ(d.table[kCaptureSlot].Name(), texts::kCapturedSlotName);
    EXPECT_EQ(d.host.LastText(), texts::kCapturedSlotName);

    d.mixer.SetPercent(0, 41);
    d.Hotkey(kCaptureSlot);
    ASSERT_EQ(d.host.added.size(), 2u);
    EXPECT_EQ(d.host.added[1].hotkey, 0x6071u);
    EXPECT_TRUE(d.mixer.log.empty());  // a capture writes no device
}

TEST(ActionDispatch, CaptureWhenFullStillCountsAndNotifies) {
    Dispatch d{1};
    for (int i = 0; i < 28; ++i) d.table.AppendPresetRecord("p", i, 0);
    d.mixer.SetPercent(0, 60);
    d.Hotkey(kCaptureSlot);
    ASSERT_EQ(d.host.added.size(), 1u);
    EXPECT_EQ(d.host.added[0].hotkey, 0x6070u + 28);
    EXPECT_EQ(d.table.count, 28);
    EXPECT_EQ(d.host.LastText(), texts::kCapturedSlotName);
    d.Hotkey(kCaptureSlot);  // 60 was captured: nothing new
    EXPECT_EQ(d.host.added.size(), 1u);
}

TEST(ActionDispatch, NotificationSlotAndStrayIdentifiersChangeNothing) {
    Dispatch d{2};
    d.table.AppendPresetRecord("P", 80, 0x6070);
    d.table[kNotifySlot].SetName("N");
    const auto before = d.table.Image();

    d.Hotkey(kNotifySlot);
    EXPECT_EQ(d.host.LastText(), "N");
    d.host.shown.clear();

    // Past the last preset and past the table: no record to act on.
    for (unsigned id : {6u, 32u, 34u, 1000u}) d.Hotkey(id);
    EXPECT_TRUE(d.mixer.log.empty());
    EXPECT_TRUE(d.host.shown.empty());
    EXPECT_EQ(d.table.Image(), before);
}

TEST(ActionDispatch, NotifyOffActsWithoutShowing) {
    Dispatch d{1};
    d.table[kNotifySlot].enabled = 0;
    d.mixer.SetPercent(0, 10);
    d.Hotkey(kUpSlot);
    d.Hotkey(kMuteSlot);
    EXPECT_EQ(d.mixer.Percent(0), 12u);
    EXPECT_EQ(d.mixer.mute[0], 1u);
    EXPECT_TRUE(d.host.shown.empty());
}

TEST(ActionDispatch, EachActionNamesItsRecord) {
    SettingTable table;
    table.SetDefaults();
    table.AppendPresetRecord("Night", 20, 0);
    table.AppendPresetRecord("\x96\xE9", 30, 0);  // 夜 in code page 932
    table.AppendPresetRecord("Night", 40, 0);

    EXPECT_EQ(ActionRecord(test::MakeAction(ActionKind::kUp), table), kUpSlot);
    EXPECT_EQ(ActionRecord(test::MakeAction(ActionKind::kCapture), table), kCaptureSlot);
    EXPECT_EQ(ActionRecord(test::MakeAction(ActionKind::kPresetByPosition, 1), table), 5u);
    EXPECT_EQ(ActionRecord(test::MakeAction(ActionKind::kPresetByPosition, 3), table), 7u);
    for (std::uint32_t position : {0u, 4u, UINT32_MAX})
        EXPECT_EQ(ActionRecord(test::MakeAction(ActionKind::kPresetByPosition, position), table), std::nullopt)
            << position;

    const Action byName = test::MakeAction(ActionKind::kPresetByName, 0, u"x");  // the name comes converted
    EXPECT_EQ(ActionRecord(byName, table, "Night"), 5u);                         // the first of two
    EXPECT_EQ(ActionRecord(byName, table, "\x96\xE9"), 6u);
    for (const char* other : {"night", "Night ", "Nigh", ""})
        EXPECT_EQ(ActionRecord(byName, table, other), std::nullopt) << other;

    EXPECT_EQ(ActionRecord(test::MakeAction(ActionKind::kVolume, 50), table), std::nullopt);
    EXPECT_EQ(ActionRecord(test::MakeAction(ActionKind::kOpen), table), std::nullopt);

    // A hotkey's identifier is its record's index.
    for (std::size_t id : {0u, 3u, 4u, 5u, 7u}) EXPECT_EQ(ActionRecord(*HotkeyAction(id), table), id) << id;
    EXPECT_EQ(HotkeyAction(kMicrophoneHotkeyId)->kind, ActionKind::kMicrophone);
    EXPECT_EQ(HotkeyAction(kMicrophoneHotkeyId + 1), std::nullopt);
}

TEST(ActionDispatch, AnUntickedSlotActsFromTheWheelAndTheCommandLineButNotAsAHotkey) {
    Dispatch d{1};
    d.table[kUpSlot].enabled = 0;
    d.mixer.SetPercent(0, 10);
    for (ActionOrigin origin : {ActionOrigin::kHotkey, ActionOrigin::kWheel, ActionOrigin::kCommandLine}) {
        Action up = test::MakeAction(ActionKind::kUp);
        up.origin = origin;
        EXPECT_EQ(d.dispatcher.Check(up) == Verdict::kAccepted, origin != ActionOrigin::kHotkey);
        d.dispatcher.Perform(up);
    }
    EXPECT_EQ(d.mixer.Percent(0), 14u);
}

// A preset that chooses an output makes it the default before it sets its
// volume; a failure keeps nothing from the volume and is told once a start
// for each kind.
TEST(ActionDispatch, APresetChoosesItsOutputFirstAndTellsEachFailureOnce) {
    Dispatch d{2};
    d.devices.outputs = {{L"{s}", L"Speakers", true}, {L"{h}", L"Headset", false}};
    for (const char* name : {"Plain", "Head", "Gone"}) d.table.AppendPresetRecord(name, 30, 0);
    d.settings.devices.presets[1] = StoredDevice{L"{h}", L"Headset"};
    d.settings.devices.presets[2] = StoredDevice{L"{x}", L"USB"};

    for (std::size_t preset = 0; preset < 3; ++preset)
        for (int twice = 0; twice < 2; ++twice) d.Hotkey(kFirstPreset + preset);
    EXPECT_EQ(d.devices.madeDefault, (std::vector<std::wstring>{L"{h}", L"{h}"}));
    EXPECT_EQ(d.mixer.Percent(1), 30u) << "the volume, device or not";
    ASSERT_EQ(d.host.told.size(), 1u);
    EXPECT_EQ(d.host.told[0], std::make_pair(SwitchResult::kNoSuchDevice, std::wstring(L"USB")));

    d.devices.canSwitch = false;
    for (int twice = 0; twice < 2; ++twice) d.Hotkey(kFirstPreset + 1);
    ASSERT_EQ(d.host.told.size(), 2u);
    EXPECT_EQ(d.host.told[1].first, SwitchResult::kCannotSwitch);
    EXPECT_EQ(d.host.shown.size(), 8u) << "every press notified as before";
}

TEST(ActionDispatch, TheCommandLineChoosesAnOutputByPositionOrName) {
    Dispatch d{1};
    d.devices.outputs = {{L"{s}", L"Speakers", true}, {L"{h}", L"ヘッドホン", false}};
    struct Case {
        Utf16String argument;
        bool canSwitch;
        Verdict verdict;
    } cases[] = {
        {u"2", true, Verdict::kAccepted},     {u"ヘッドホン", true, Verdict::kAccepted},
        {u"3", true, Verdict::kNoRecord},     {u"Headset", true, Verdict::kNoRecord},
        {u"1", false, Verdict::kUnsupported}, {u"0", false, Verdict::kNoRecord},
    };
    for (const Case& c : cases) {
        d.devices.canSwitch = c.canSwitch;
        const Action action = test::MakeAction(ActionKind::kDevice, 0, c.argument);
        EXPECT_EQ(d.dispatcher.Check(action), c.verdict) << &c - cases;
        if (c.verdict == Verdict::kAccepted) d.dispatcher.Perform(action);
    }
    EXPECT_EQ(d.devices.madeDefault, (std::vector<std::wstring>{L"{h}", L"{h}"}));
    EXPECT_TRUE(d.mixer.log.empty()) << "no volume";
}

TEST(ActionDispatch, TheMicrophoneTogglesOrIsSetAndShowsItsState) {
    Dispatch d{1};
    const std::string on = test::Cp932FromUtf8("マイク オン"), off = test::Cp932FromUtf8("マイク オフ");
    EXPECT_EQ(texts::kMicrophoneOn, on);
    const std::pair<std::uint32_t, std::string> steps[] = {
        {kMicrophoneToggle, off}, {kMicrophoneToggle, on}, {kMicrophoneOn, on}, {kMicrophoneOff, off}};
    for (const auto& [change, shown] : steps) {
        d.dispatcher.Perform(test::MakeAction(ActionKind::kMicrophone, change));
        EXPECT_EQ(d.host.LastText(), shown) << change;
    }
    d.Hotkey(kMicrophoneHotkeyId);
    EXPECT_FALSE(d.devices.microphoneMuted) << "the key toggles";
    EXPECT_EQ(d.dispatcher.Check(test::MakeAction(ActionKind::kMicrophone, 3)), Verdict::kNoRecord);

    d.devices.hasMicrophone = false;
    d.host.shown.clear();
    EXPECT_EQ(d.dispatcher.Check(test::MakeAction(ActionKind::kMicrophone)), Verdict::kUnsupported);
    d.Hotkey(kMicrophoneHotkeyId);
    EXPECT_TRUE(d.host.shown.empty());
    EXPECT_TRUE(d.mixer.log.empty());
}

}  // namespace
}  // namespace quendrel
