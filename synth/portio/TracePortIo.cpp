#include "TracePortIo.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace orvane {

namespace {
// Taken while the program's static objects are built, which is as close to "program start" as
// the trace needs.
const auto kProgramStart = std::chrono::steady_clock::now();

constexpr std::size_t kFlushThreshold = 64 * 1024;
} // namespace

TracePortIo::TracePortIo(std::unique_ptr<PortIo> inner, const std::string& path,
                         const PortNotice& notice)
    : m_inner(std::move(inner))
{
    m_fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (m_fd < 0 && notice)
        notice("Cannot write the port trace " + path + ": " + std::strerror(errno));
}

TracePortIo::~TracePortIo()
{
    flush();
    if (m_fd >= 0)
        ::close(m_fd);
}

void TracePortIo::out32(std::uint16_t port, std::uint8_t value)
{
    m_inner->out32(port, value);
    if (m_fd < 0)
        return;
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(
                            std::chrono::steady_clock::now() - kProgramStart)
                            .count();
    m_pending += std::to_string(micros);
    m_pending += ' ';
    m_pending += std::to_string(port);
    m_pending += ' ';
    m_pending += std::to_string(value);
    m_pending += '\n';
    if (m_pending.size() >= kFlushThreshold)
        flush();
}

void TracePortIo::flush()
{
    m_inner->flush();
    std::size_t done = 0;
    while (m_fd >= 0 && done < m_pending.size()) {
        const ssize_t n = ::write(m_fd, m_pending.data() + done, m_pending.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    m_pending.clear();
}

} // namespace orvane
