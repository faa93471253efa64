#pragma once

#include "PpdevPortIo.h"
#include "SimulatedCard.h"

namespace orvane {

// The default backend: a write goes to the real parallel port at its base address when the
// kernel has one there and it can be claimed, otherwise to the simulated daughtercard, so the
// program runs on any machine. The user hears about a fallback once for each port base.
class AutoPortIo final : public PortIo {
public:
    AutoPortIo(std::map<std::uint16_t, std::string> ports, const PortNotice& notice);
    void out32(std::uint16_t port, std::uint8_t value) override;
    SimPortIo& simulator() { return m_sim; }

private:
    PpdevPortIo m_ppdev;
    SimPortIo m_sim;
};

} // namespace orvane
