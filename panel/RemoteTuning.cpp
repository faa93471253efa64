#include "RemoteTuning.h"

#include "DisplayRegister.h"
#include "FrontPanel.h"
#include "panel/toolkit/PushKey.h"

namespace orvane {

std::int32_t RemoteTuning::lastLoadHz() const { return m_panel.lastLoadedHz; }

bool RemoteTuning::isSwitchedOn() const { return m_panel.state.powerOn; }

bool RemoteTuning::isBusy() const
{
    const PanelState& s = m_panel.state;
    return s.standbyOn || s.memorySelectMode || s.memoryWriteMode ||
           m_panel.scanButton->isPressed() || m_panel.sweepButton->isPressed();
}

RemoteRig::TuneResult RemoteTuning::tuneAsEntered(std::int32_t hz)
{
    if (!isSwitchedOn() || isBusy())
        return TuneResult::Busy;
    const ActiveBandRegisters& band = m_panel.band;
    // Refused quietly: a client's wrong guess is no reason to make the panel blink.
    if (hz > band.bandEnd || hz < band.bandStart)
        return TuneResult::OutOfBand;
    m_panel.state.digitCount = 0;
    m_panel.setDisplayValue(hz);
    m_panel.state.vfoRegister = hz;
    m_panel.displayRegister->calcVfoFreq();
    m_panel.displayRegister->setDecPoint();
    m_panel.displayRegister->doTheMath();
    // A frequency the synthesizer cannot make is shown on the panel and not reported as done.
    return m_panel.lastLoad.sent() ? TuneResult::Accepted : TuneResult::OutOfBand;
}

} // namespace orvane
