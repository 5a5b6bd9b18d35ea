#include "actions/volume_applier.h"

#include <gtest/gtest.h>

#include "actions/action_texts.h"
#include "fake_fade.h"
#include "fake_mixer.h"

namespace quendrel {
namespace {

struct VolumeApplierTest : ::testing::Test {
    test::FakeMixer mixer{3};
    test::FakeTimer timer;
    test::FakeFadeView view;
    VolumeApplier applier{mixer, timer};
    VolumeApplierTest() { applier.SetView(&view); }

    // Ticks until the fade stops; the per cent written to device 0, in order.
    std::vector<unsigned> RunFade() {
        for (int guard = 0; timer.running && guard < 200; ++guard) applier.FadeStep();
        std::vector<unsigned> path;
        for (const auto& w : mixer.log)
            if (w.device == 0) path.push_back(UnitsToPercent(w.value));
        return path;
    }
};

TEST_F(VolumeApplierTest, DirectChangeWritesEveryDeviceInOrderAndClamps) {
    applier.ApplyVolume(37, false);
    using W = test::FakeMixer::Write;
    const auto volume = test::FakeMixer::Kind::Volume;
    EXPECT_EQ(mixer.log, (std::vector<W>{{volume, 0, 24235}, {volume, 1, 24235}, {volume, 2, 24235}}));
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(view.status, "unset");
    EXPECT_TRUE(view.gauge.empty());

    mixer.log.clear();
    applier.ApplyVolume(150, false);
    applier.ApplyVolume(-5, false);
    EXPECT_EQ(mixer.VolumeWrites(), (std::vector<std::uint32_t>{65500, 65500, 65500, 0, 0, 0}));
}

TEST_F(VolumeApplierTest, NoDeviceWritesNothing) {
    test::FakeMixer none{0};
    VolumeApplier empty{none, timer};
    empty.ApplyVolume(50, false);
    empty.SetMuteOnAllDevices(true);
    EXPECT_TRUE(none.log.empty());
}

TEST_F(VolumeApplierTest, MuteGoesToEveryDeviceInOrder) {
    applier.SetMuteOnAllDevices(true);
    using W = test::FakeMixer::Write;
    const auto mute = test::FakeMixer::Kind::Mute;
    EXPECT_EQ(mixer.log, (std::vector<W>{{mute, 0, 1}, {mute, 1, 1}, {mute, 2, 1}}));
    EXPECT_EQ(mixer.mute, (std::vector<std::uint32_t>{1, 1, 1}));
}

TEST_F(VolumeApplierTest, SmoothChangeStepsOnePerCentEachWayThenStops) {
    mixer.SetPercent(0, 20);
    applier.ApplyVolume(25, true);
    // The first step is written at once, to every device.
    EXPECT_TRUE(timer.running);
    EXPECT_EQ(mixer.VolumeWrites(), (std::vector<std::uint32_t>{21 * 655, 21 * 655, 21 * 655}));
    EXPECT_EQ(RunFade(), (std::vector<unsigned>{21, 22, 23, 24, 25}));
    EXPECT_EQ(view.gauge, (std::vector<int>{21, 22, 23, 24, 25}));
    EXPECT_EQ(view.status, "");
    EXPECT_EQ(timer.starts, 1);

    mixer.log.clear();
    view.gauge.clear();
    applier.ApplyVolume(20, true);
    EXPECT_EQ(RunFade(), (std::vector<unsigned>{24, 23, 22, 21, 20}));
    EXPECT_EQ(view.gauge, (std::vector<int>{24, 23, 22, 21, 20}));
    EXPECT_FALSE(timer.running);
}

TEST_F(VolumeApplierTest, SmoothChangeToTheCurrentVolumeWritesNothing) {
    mixer.SetPercent(0, 40);
    applier.ApplyVolume(40, true);
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(view.status, "");
    EXPECT_TRUE(mixer.log.empty());
    EXPECT_TRUE(view.gauge.empty());
}

TEST_F(VolumeApplierTest, OtherDevicesFollowDeviceZerosPath) {
    mixer.SetPercent(0, 20);
    mixer.SetPercent(1, 80);
    applier.ApplyVolume(25, true);
    EXPECT_EQ(mixer.Percent(1), 21u);
    RunFade();
    EXPECT_EQ(mixer.Percent(1), 25u);
    EXPECT_EQ(mixer.Percent(2), 25u);
}

TEST_F(VolumeApplierTest, DirectChangeDuringAFadeIsOverriddenByTheNextTick) {
    mixer.SetPercent(0, 20);
    applier.ApplyVolume(30, true);  // 21
    applier.ApplyVolume(60, false);
    EXPECT_EQ(mixer.Percent(0), 60u);
    EXPECT_TRUE(timer.running);
    applier.FadeStep();
    EXPECT_EQ(mixer.Percent(0), 22u);
    EXPECT_EQ(RunFade().back(), 30u);
}

TEST_F(VolumeApplierTest, NewTargetDuringAFadeContinuesWithoutRestartingTheTimer) {
    mixer.SetPercent(0, 20);
    applier.ApplyVolume(30, true);  // 21
    applier.FadeStep();             // 22
    applier.ApplyVolume(10, true);  // re-read 22, step to 21
    EXPECT_EQ(timer.starts, 1);
    EXPECT_EQ(mixer.Percent(0), 21u);
    applier.FadeStep();  // on down toward 10
    EXPECT_EQ(mixer.Percent(0), 20u);
    // A new target equal to the present level stops the running fade.
    applier.ApplyVolume(20, true);
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(view.status, "");
}

TEST_F(VolumeApplierTest, FadeStartsFromZeroWhenDeviceZeroCannotBeReadAndClampsItsTarget) {
    mixer.SetPercent(0, 50);
    mixer.failing.insert(0);
    applier.ApplyVolume(150, true);
    EXPECT_EQ(mixer.Percent(1), 1u);
    RunFade();
    EXPECT_EQ(mixer.Percent(1), 100u);

    // A control running past 65535 still reads as a per cent.
    mixer.failing.clear();
    mixer.units[0] = 0xFFFFFFFFu;
    applier.ApplyVolume(100, true);
    EXPECT_FALSE(timer.running);
}

TEST_F(VolumeApplierTest, ApplyAtOnceSavesAndRestoresDeviceZerosVolume) {
    mixer.SetPercent(0, 33);
    applier.OnApplyAtOnceChecked();
    EXPECT_EQ(view.status, texts::kStatusAutoChangingEnabled);
    EXPECT_TRUE(mixer.log.empty());

    applier.ApplyVolume(70, false);
    applier.OnApplyAtOnceCleared(false);
    const std::uint32_t was = 33 * 655, set = 70 * 655;
    EXPECT_EQ(mixer.VolumeWrites(), (std::vector<std::uint32_t>{set, set, set, was, was, was}));
    EXPECT_EQ(view.status, texts::kStatusAutoChangeDisabled);
}

TEST_F(VolumeApplierTest, ApplyAtOnceClearedSmoothlyKeepsItsTextUntilTheLastTick) {
    mixer.SetPercent(0, 30);
    applier.OnApplyAtOnceChecked();
    mixer.SetPercent(0, 27);
    applier.OnApplyAtOnceCleared(true);
    EXPECT_EQ(mixer.Percent(0), 28u);
    EXPECT_EQ(view.status, texts::kStatusAutoChangeDisabled);
    applier.FadeStep();
    applier.FadeStep();
    EXPECT_EQ(view.status, texts::kStatusAutoChangeDisabled);
    applier.FadeStep();
    EXPECT_EQ(view.status, "");

    // Already at the saved volume: the fade ends at once, before the text is set.
    applier.OnApplyAtOnceCleared(true);
    EXPECT_FALSE(timer.running);
    EXPECT_EQ(view.status, texts::kStatusAutoChangeDisabled);
}

}  // namespace
}  // namespace quendrel
