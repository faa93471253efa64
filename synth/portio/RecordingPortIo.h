#pragma once

#include "PortIo.h"

#include <vector>

namespace orvane {

struct PortWrite {
    std::uint16_t port;
    std::uint8_t value;
    friend bool operator==(const PortWrite&, const PortWrite&) = default;
};

// Remembers every write in order; the tests' view of the port.
class RecordingPortIo final : public PortIo {
public:
    void out32(std::uint16_t port, std::uint8_t value) override { writes.push_back({port, value}); }
    std::vector<PortWrite> writes;
};

} // namespace orvane
