#pragma once

#include "PortIo.h"

#include <memory>
#include <string>

namespace orvane {

// The backend choice both programs make the same way, from ORVANE_PORTIO (auto, ppdev, direct,
// sim; auto when unset) and ORVANE_PORT_TRACE (a file that receives a trace of every write).
struct PortIoOptions {
    std::string mode = "auto";
    std::string tracePath;
    static PortIoOptions fromEnvironment();
};

std::unique_ptr<PortIo> openPortIo(const PortIoOptions& options, const PortNotice& notice);

} // namespace orvane
