#include "PpdevPortIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <linux/ppdev.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace orvane {

namespace {

std::string hexAddress(std::uint16_t base)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%X", base);
    return text;
}

} // namespace

std::map<std::uint16_t, std::string> findParports(const std::string& procDir,
                                                  const std::string& devDir)
{
    std::map<std::uint16_t, std::string> ports;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(procDir, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("parport", 0) != 0)
            continue;
        std::ifstream file(entry.path() / "base-addr");
        long base = -1;
        if (!(file >> base) || base < 0 || base > 0xffff)
            continue;
        ports.emplace(static_cast<std::uint16_t>(base), devDir + "/" + name);
    }
    return ports;
}

PpdevPortIo::PpdevPortIo(std::map<std::uint16_t, std::string> ports, PortNotice notice)
    : m_ports(std::move(ports)), m_notice(std::move(notice))
{
}

PpdevPortIo::~PpdevPortIo()
{
    for (const auto& [base, fd] : m_fds) {
        if (fd < 0)
            continue;
        ::ioctl(fd, PPRELEASE);
        ::close(fd);
    }
}

bool PpdevPortIo::claim(std::uint16_t base)
{
    if (const auto known = m_fds.find(base); known != m_fds.end())
        return known->second >= 0;

    const auto port = m_ports.find(base);
    if (port == m_ports.end()) {
        m_fds[base] = -1;
        if (m_notice)
            m_notice("No parallel port at " + hexAddress(base) + ".");
        return false;
    }
    const int fd = ::open(port->second.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 || ::ioctl(fd, PPCLAIM) != 0) {
        const int error = errno;
        if (fd >= 0)
            ::close(fd);
        m_fds[base] = -1;
        if (m_notice) {
            std::string text = "Cannot use " + port->second + " (" + std::strerror(error) + ").";
            if (error == EACCES || error == EPERM)
                text += " Add your user to group lp and log in again.";
            m_notice(text);
        }
        return false;
    }
    m_fds[base] = fd;
    return true;
}

void PpdevPortIo::out32(std::uint16_t port, std::uint8_t value)
{
    const std::uint16_t base = portBaseOf(port);
    if (!claim(base))
        return;
    unsigned char byte = value;
    switch (portRegisterOf(port)) {
    case PortRegister::Data: ::ioctl(m_fds[base], PPWDATA, &byte); break;
    case PortRegister::Control: ::ioctl(m_fds[base], PPWCONTROL, &byte); break;
    case PortRegister::Status:
    case PortRegister::Unused: break;
    }
}

} // namespace orvane
