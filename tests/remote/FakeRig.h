#pragma once

#include "panel/remote/RemoteRig.h"

#include <vector>

namespace orvane::test {

// A panel as the remote control sees it: a band of 7.0 to 7.3 MHz, switched on and idle.
// Records every frequency it was asked to take.
class FakeRig final : public RemoteRig {
public:
    std::int32_t lastLoadHz() const override { return loadedHz; }
    bool isSwitchedOn() const override { return switchedOn; }
    bool isBusy() const override { return busy; }
    TuneResult tuneAsEntered(std::int32_t hz) override
    {
        asked.push_back(hz);
        if (refuseAsBusy)
            return TuneResult::Busy;
        if (hz < bandStart || hz > bandEnd)
            return TuneResult::OutOfBand;
        loadedHz = hz;
        return TuneResult::Accepted;
    }

    std::int32_t loadedHz = 7100000;
    std::int32_t bandStart = 7000000;
    std::int32_t bandEnd = 7300000;
    bool switchedOn = true;
    bool busy = false;
    bool refuseAsBusy = false; // the panel turned busy between the check and the entry
    std::vector<std::int32_t> asked;
};

} // namespace orvane::test
