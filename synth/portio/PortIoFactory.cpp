#include "PortIoFactory.h"

#include "AutoPortIo.h"
#include "DirectPortIo.h"
#include "PpdevPortIo.h"
#include "SimulatedCard.h"
#include "TracePortIo.h"

#include <cstdlib>

namespace orvane {

PortIoOptions PortIoOptions::fromEnvironment()
{
    PortIoOptions options;
    if (const char* mode = std::getenv("ORVANE_PORTIO"); mode && *mode)
        options.mode = mode;
    if (const char* trace = std::getenv("ORVANE_PORT_TRACE"))
        options.tracePath = trace;
    return options;
}

namespace {
std::unique_ptr<PortIo> openBackend(const std::string& mode, const PortNotice& notice)
{
    if (mode == "sim")
        return std::make_unique<SimPortIo>();
    if (mode == "ppdev")
        return std::make_unique<PpdevPortIo>(findParports(), notice);
    if (mode == "direct")
        return std::make_unique<DirectPortIo>(notice);
    if (mode != "auto" && notice)
        notice("ORVANE_PORTIO=" + mode + " is not one of auto, ppdev, direct, sim; using auto.");
    return std::make_unique<AutoPortIo>(findParports(), notice);
}
} // namespace

std::unique_ptr<PortIo> openPortIo(const PortIoOptions& options, const PortNotice& notice)
{
    auto backend = openBackend(options.mode, notice);
    if (options.tracePath.empty())
        return backend;
    return std::make_unique<TracePortIo>(std::move(backend), options.tracePath, notice);
}

} // namespace orvane
