#pragma once

#include "panel/remote/RemoteRig.h"

namespace orvane {

class FrontPanel;

// The panel as station software sees it over the remote control: a frequency from a client is
// taken as if it had been typed on the keypad and ENTERed, under the same rules.
class RemoteTuning final : public RemoteRig {
public:
    explicit RemoteTuning(FrontPanel& panel) : m_panel(panel) {}

    std::int32_t lastLoadHz() const override;
    bool isSwitchedOn() const override;
    bool isBusy() const override;
    TuneResult tuneAsEntered(std::int32_t hz) override;

private:
    FrontPanel& m_panel;
};

} // namespace orvane
