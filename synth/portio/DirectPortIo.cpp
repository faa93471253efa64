#include "DirectPortIo.h"

#include <cerrno>
#include <cstring>
#include <string>

#if defined(__x86_64__) || defined(__i386__)
#include <sys/io.h>
#endif

namespace orvane {

namespace {

#if defined(__x86_64__) || defined(__i386__)
bool requestAccess(std::uint16_t port, std::string& why)
{
    if (::ioperm(port, 1, 1) == 0)
        return true;
    why = std::strerror(errno);
    return false;
}

void writeByte(std::uint16_t port, std::uint8_t value) { ::outb(value, port); }
#else
bool requestAccess(std::uint16_t, std::string& why)
{
    why = "direct port access exists only on x86";
    return false;
}

void writeByte(std::uint16_t, std::uint8_t) {}
#endif

} // namespace

DirectPortIo::DirectPortIo(PortNotice notice) : m_notice(std::move(notice)) {}

void DirectPortIo::out32(std::uint16_t port, std::uint8_t value)
{
    auto known = m_permitted.find(port);
    if (known == m_permitted.end()) {
        std::string why;
        known = m_permitted.emplace(port, requestAccess(port, why)).first;
        if (!known->second && m_notice)
            m_notice("Cannot write I/O port " + std::to_string(port) + " directly (" + why +
                     "). ORVANE_PORTIO=ppdev needs no root.");
    }
    if (known->second)
        writeByte(port, value);
}

} // namespace orvane
