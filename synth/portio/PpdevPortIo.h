#pragma once

#include "PortIo.h"

#include <cstdint>
#include <map>
#include <string>

namespace orvane {

// The parallel ports the kernel knows, by base address: /proc/sys/dev/parport/parportN/base-addr
// names the base of /dev/parportN.
std::map<std::uint16_t, std::string> findParports(const std::string& procDir = "/proc/sys/dev/parport",
                                                  const std::string& devDir = "/dev");

// Linux's user-space parallel-port device. Needs no root, only membership of group lp. Each port
// is opened and claimed on its first write and kept claimed for the rest of the run; data bytes
// go out with PPWDATA, control bytes with PPWCONTROL as raw register bits (1 in bit 0 drives pin
// 1 low, as on any PC port).
class PpdevPortIo final : public PortIo {
public:
    PpdevPortIo(std::map<std::uint16_t, std::string> ports, PortNotice notice);
    ~PpdevPortIo() override;
    PpdevPortIo(const PpdevPortIo&) = delete;
    PpdevPortIo& operator=(const PpdevPortIo&) = delete;

    // Opens and claims the port at `base` if that has not been tried yet; true when it is usable.
    // A port that cannot be opened is reported once and not tried again.
    bool claim(std::uint16_t base);
    void out32(std::uint16_t port, std::uint8_t value) override;

private:
    std::map<std::uint16_t, std::string> m_ports;
    std::map<std::uint16_t, int> m_fds; // -1: tried and failed
    PortNotice m_notice;
};

} // namespace orvane
