// The one way in: what each phase admits, the answer before the action, and
// actions one at a time in the order they came.
#include "actions/actions.h"

#include <gtest/gtest.h>

#include <string>

#include "fake_dispatch.h"
#include "make_action.h"

namespace quendrel {
namespace {

using Phase = Actions::Phase;

// A host whose notification lets two more actions in, as a message box's
// loop would; it logs answers and notifications in the order they came.
struct LettingIn : test::FakeDispatchHost {
    using FakeDispatchHost::FakeDispatchHost;
    Actions* actions = nullptr;
    std::string log;
    void Answer(Verdict verdict) { log += "+-?"[static_cast<int>(verdict)]; }
    void Submit(std::uint32_t volume) {
        actions->Submit(test::MakeAction(ActionKind::kVolume, volume), Bind<&LettingIn::Answer>(this));
    }
    void ShowNotification(const std::string& text, std::int32_t seconds) override {
        FakeDispatchHost::ShowNotification(text, seconds);
        log += "(" + text.substr(text.find(' ') + 1) + ")";
        if (shown.size() > 1) return;
        for (std::uint32_t volume : {20u, 30u}) Submit(volume);
    }
};

struct Gate : test::DispatchRig<> {
    Gate() : DispatchRig(1) {
        table.SetDefaults();
        table.AppendPresetRecord("P", 30, 0x6070);
        table[kNotifySlot].enabled = kEnabledOn;
        host.actions = &actions;
    }
    LettingIn host{table};
    Actions actions{settings, mixer, applier, host, devices};
};

TEST(Actions, EachPhaseAdmitsItsOwn) {
    struct Case {
        Phase phase;
        Verdict open, preset, missing;
    } cases[] = {
        {Phase::kStarting, Verdict::kRefused, Verdict::kRefused, Verdict::kRefused},
        {Phase::kEditing, Verdict::kAccepted, Verdict::kRefused, Verdict::kRefused},
        {Phase::kResident, Verdict::kAccepted, Verdict::kAccepted, Verdict::kNoRecord},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.phase));
        Gate g;
        g.actions.SetPhase(c.phase);
        EXPECT_EQ(g.actions.Submit(test::MakeAction(ActionKind::kOpen)), c.open);
        EXPECT_EQ(g.actions.Submit(test::MakeAction(ActionKind::kPresetByPosition, 1)), c.preset);
        EXPECT_EQ(g.actions.Submit(test::MakeAction(ActionKind::kPresetByName, 0, u"Q")), c.missing);
        EXPECT_EQ(g.host.opened, c.open == Verdict::kAccepted ? 1 : 0);
        EXPECT_EQ(g.mixer.Percent(0), c.preset == Verdict::kAccepted ? 30u : 0u);
    }
}

TEST(Actions, AnActionArrivingDuringAnotherIsAnsweredAtOnceAndWaitsItsTurn) {
    Gate g;
    g.actions.SetPhase(Phase::kResident);
    g.host.Submit(10);
    EXPECT_EQ(g.host.log, "+(10%)++(20%)(30%)");
    EXPECT_EQ(g.mixer.Percent(0), 30u);
    g.host.Submit(40);  // idle again: at once
    EXPECT_EQ(g.host.log, "+(10%)++(20%)(30%)+(40%)");
}

}  // namespace
}  // namespace quendrel
