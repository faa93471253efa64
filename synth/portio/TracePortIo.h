#pragma once

#include "PortIo.h"

#include <memory>
#include <string>

namespace orvane {

// A tee in front of the active backend: every write is passed on and also appended to a trace
// file as "<microseconds since program start> <port> <value>". Lines are buffered and reach the
// file at flush(), which the programs call at the end of every event, so another process can
// follow the file while the program runs.
class TracePortIo final : public PortIo {
public:
    TracePortIo(std::unique_ptr<PortIo> inner, const std::string& path, const PortNotice& notice);
    ~TracePortIo() override;
    TracePortIo(const TracePortIo&) = delete;
    TracePortIo& operator=(const TracePortIo&) = delete;

    void out32(std::uint16_t port, std::uint8_t value) override;
    void flush() override;

private:
    std::unique_ptr<PortIo> m_inner;
    int m_fd = -1;
    std::string m_pending;
};

} // namespace orvane
