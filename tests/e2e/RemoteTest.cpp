// Hamlib's own rigctl against the real orvane binary: the panel is switched on from the
// keyboard in an X server of the test's own, then the client sets and reads the frequency, and
// the port trace shows the load reaching the (simulated) chip.

#include "Program.h"
#include "bands/BandFiles.h"
#include "bands/SettingsStore.h"
#include "synth/portio/SimulatedCard.h"
#include "tests/support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

namespace orvane::test {
namespace {

namespace fs = std::filesystem;

bool onPath(const char* program)
{
    return std::system((std::string("command -v ") + program + " >/dev/null 2>&1").c_str()) == 0;
}

std::string run(const std::string& command)
{
    std::string output;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    ::pclose(pipe);
    return output;
}

int freeTcpPort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    ::close(fd);
    return ntohs(address.sin_port);
}

// The chip's tuning word after the writes of a trace.
std::uint32_t tuningWordAfter(const std::vector<TraceLine>& trace)
{
    SimPortIo card;
    for (const TraceLine& line : trace)
        card.out32(static_cast<std::uint16_t>(line.port), static_cast<std::uint8_t>(line.value));
    return card.card(888).tuningWord();
}

TEST(HamlibClient, SetsAndReadsTheFrequencyOfTheRealProgram)
{
    for (const char* tool : {"rigctl", "Xvfb", "xdotool"})
        if (!onPath(tool))
            GTEST_SKIP() << tool << " is not installed";

    TempDir dir;
    const int display = 100 + ::getpid() % 800;
    Program xserver("/usr/bin/Xvfb", {}, {":" + std::to_string(display), "-screen", "0",
                                          "1024x768x24", "-nolisten", "tcp"});
    const fs::path socket = "/tmp/.X11-unix/X" + std::to_string(display);
    for (int i = 0; i < 500 && !fs::exists(socket); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    ASSERT_TRUE(fs::exists(socket)) << xserver.output();

    BandConfig band;
    band.bandNumber = 1;
    band.bandName = padBandName("40m");
    band.startFreq = 7000000;
    band.endFreq = 7300000;
    ASSERT_EQ(writeBandFile(bandFilePath(dir.path / "data" / "Orvane", 1), band), "");
    const int port = freeTcpPort();
    {
        SettingsStore settings(dir.path / "config" / "Orvane" / "Orvane.conf",
                               [](const std::string&) {});
        settings.write("Last_Frequency", "7000000");
        settings.write("AutoHide", "False");
        settings.write("Remote_Enabled", "True");
        settings.write("Remote_Port", std::to_string(port));
    }
    const fs::path trace = dir.path / "trace";
    Program orvane(ORVANE_BINARY, {{"ORVANE_PORTIO", "sim"},
                                   {"ORVANE_PORT_TRACE", trace.string()},
                                   {"XDG_CONFIG_HOME", (dir.path / "config").string()},
                                   {"XDG_DATA_HOME", (dir.path / "data").string()},
                                   {"XDG_RUNTIME_DIR", dir.path.string()},
                                   {"DISPLAY", ":" + std::to_string(display)},
                                   {"QT_QPA_PLATFORM", "xcb"}});
    ASSERT_TRUE(orvane.waitForTrace(trace, 2)) << orvane.output();

    // PWR has the keyboard focus when the window opens: Space presses it.
    const std::string xdotool = "DISPLAY=:" + std::to_string(display) +
                                " xdotool search --sync --onlyvisible --class orvane"
                                " windowfocus --sync key space";
    run(xdotool);
    ASSERT_TRUE(orvane.waitForTrace(trace, 2 + 1 + 122 + 124)) << orvane.output();
    EXPECT_EQ(tuningWordAfter(readTrace(trace)), 300647710u) << "7,000,000 Hz after power-on";

    const std::string rigctl = "rigctl -m 2 -r 127.0.0.1:" + std::to_string(port);
    run(rigctl + " F 7040000");
    EXPECT_EQ(run(rigctl + " f"), "7040000\n");
    const std::vector<TraceLine> writes = readTrace(trace);
    EXPECT_EQ(writes.size(), 2u + 1 + 122 + 124 + 124);
    EXPECT_EQ(tuningWordAfter(writes), 302365697u) << "7,040,000 Hz reached the chip";

    EXPECT_EQ(orvane.stop(SIGTERM), 0) << orvane.output();
}

} // namespace
} // namespace orvane::test
