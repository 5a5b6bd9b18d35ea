// The fade timer, the status line and the gauge as plain state.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "actions/volume_applier.h"

namespace quendrel::test {

struct FakeTimer : Timer {
    bool running = false;
    int starts = 0;  // a restart would reset the window timer's period
    void Start() override {
        running = true;
        ++starts;
    }
    void Stop() override { running = false; }
    bool Running() const override { return running; }
};

struct FakeFadeView : FadeView {
    std::string status = "unset";
    std::vector<int> gauge;
    void SetStatus(std::string_view utf8) override { status = utf8; }
    void SetGauge(int percent) override { gauge.push_back(percent); }
};

}  // namespace quendrel::test
