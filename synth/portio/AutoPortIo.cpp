#include "AutoPortIo.h"

namespace orvane {

namespace {
PortNotice withFallback(const PortNotice& notice)
{
    if (!notice)
        return {};
    return [notice](const std::string& why) {
        notice(why + " Orvane is driving the simulated daughtercard instead.");
    };
}
} // namespace

AutoPortIo::AutoPortIo(std::map<std::uint16_t, std::string> ports, const PortNotice& notice)
    : m_ppdev(std::move(ports), withFallback(notice))
{
}

void AutoPortIo::out32(std::uint16_t port, std::uint8_t value)
{
    if (m_ppdev.claim(portBaseOf(port)))
        m_ppdev.out32(port, value);
    else
        m_sim.out32(port, value);
}

} // namespace orvane
