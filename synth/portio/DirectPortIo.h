#pragma once

#include "PortIo.h"

#include <cstdint>
#include <map>

namespace orvane {

// Direct I/O-port access with ioperm/outb: x86 only, needs root or CAP_SYS_RAWIO. Chosen only
// when asked for (ORVANE_PORTIO=direct); a port the process may not touch is reported once and
// its writes are dropped.
class DirectPortIo final : public PortIo {
public:
    explicit DirectPortIo(PortNotice notice);
    void out32(std::uint16_t port, std::uint8_t value) override;

private:
    std::map<std::uint16_t, bool> m_permitted;
    PortNotice m_notice;
};

} // namespace orvane
