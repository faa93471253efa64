#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

// The one road to the hardware. Every byte either program puts on a parallel port goes through
// out32(); the callers rely on three things only: the latch is set when the call returns, the
// order of calls is the order on the port, and nothing is ever read back.
class PortIo {
public:
    virtual ~PortIo() = default;
    virtual void out32(std::uint16_t port, std::uint8_t value) = 0;
    // Hands on whatever a backend buffers (the trace); called at the end of every event.
    virtual void flush() {}
};

// A PC parallel port occupies three addresses: data at its base, status at base + 1 and control
// at base + 2. Bases sit on 4-byte boundaries (0x378, 0x278, 0x3BC), so the address alone tells
// which port and which register a write is for.
enum class PortRegister { Data, Status, Control, Unused };

constexpr std::uint16_t portBaseOf(std::uint16_t address) { return address & ~std::uint16_t{3}; }

constexpr PortRegister portRegisterOf(std::uint16_t address)
{
    switch (address & 3) {
    case 0: return PortRegister::Data;
    case 1: return PortRegister::Status;
    case 2: return PortRegister::Control;
    default: return PortRegister::Unused;
    }
}

// How a backend tells the user, once, that the hardware is not what was asked for.
using PortNotice = std::function<void(const std::string&)>;

} // namespace orvane
