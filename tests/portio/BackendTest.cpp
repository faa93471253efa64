#include "synth/portio/AutoPortIo.h"
#include "synth/portio/PpdevPortIo.h"
#include "synth/portio/RecordingPortIo.h"
#include "synth/portio/TracePortIo.h"
#include "tests/support/TempDir.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using test::TempDir;

void writeFile(const fs::path& path, const std::string& text)
{
    fs::create_directories(path.parent_path());
    std::ofstream(path) << text;
}

std::string readFile(const fs::path& path)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(FindParports, MapsEachBaseAddressToItsDevice)
{
    TempDir dir;
    // The kernel writes the base and the high (ECP) base, tab-separated.
    writeFile(dir.path / "proc/parport0/base-addr", "888\t1912\n");
    writeFile(dir.path / "proc/parport1/base-addr", "53264\t53256\n");
    writeFile(dir.path / "proc/parport2/base-addr", "garbage\n");
    writeFile(dir.path / "proc/default/spintime", "500\n");

    const auto ports = findParports((dir.path / "proc").string(), "/dev");
    EXPECT_THAT(ports, testing::UnorderedElementsAre(testing::Pair(888, "/dev/parport0"),
                                                     testing::Pair(53264, "/dev/parport1")));
    EXPECT_TRUE(findParports((dir.path / "missing").string()).empty());
}

TEST(AutoPortIo, FallsBackToTheSimulatorAndSaysSoOncePerPort)
{
    TempDir dir;
    // A device that exists but is no parallel port: it opens, but cannot be claimed.
    writeFile(dir.path / "parport0", "");
    std::vector<std::string> notices;
    AutoPortIo io({{0x378, (dir.path / "parport0").string()}},
                  [&](const std::string& text) { notices.push_back(text); });

    io.out32(0x378 + 2, 0);
    io.out32(0x378, 12);
    io.out32(0x278 + 2, 1);
    io.out32(0x278 + 2, 1);

    EXPECT_TRUE(io.simulator().card(0x378).powered());
    EXPECT_EQ(io.simulator().card(0x378).dataLatch(), 12);
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_THAT(notices[0], testing::HasSubstr("parport0"));
    EXPECT_THAT(notices[0], testing::HasSubstr("simulated daughtercard"));
    EXPECT_THAT(notices[1], testing::HasSubstr("0x278"));
}

TEST(PpdevPortIo, MissingPortDropsWritesAndIsReportedOnce)
{
    int told = 0;
    PpdevPortIo io({}, [&](const std::string&) { ++told; });
    EXPECT_FALSE(io.claim(0x378));
    io.out32(0x378, 1);
    io.out32(0x37a, 1);
    EXPECT_EQ(told, 1);
}

TEST(TracePortIo, AppendsOneLinePerWriteAndPassesItOn)
{
    TempDir dir;
    const fs::path trace = dir.path / "trace";
    writeFile(trace, "1 2 3\n"); // appended to, never truncated
    auto recorder = std::make_unique<RecordingPortIo>();
    RecordingPortIo& inner = *recorder;
    {
        TracePortIo io(std::move(recorder), trace.string(), {});
        io.out32(888, 12);
        io.out32(890, 1);
        EXPECT_EQ(readFile(trace), "1 2 3\n") << "buffered until the end of the event";
        io.flush();
        io.out32(888, 0);
        EXPECT_EQ(inner.writes, (std::vector<PortWrite>{{888, 12}, {890, 1}, {888, 0}}));
    } // the rest is flushed when the tee goes

    std::istringstream lines(readFile(trace));
    std::vector<std::array<long long, 3>> rows;
    for (std::array<long long, 3> row; lines >> row[0] >> row[1] >> row[2];)
        rows.push_back(row);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1][1], 888);
    EXPECT_EQ(rows[1][2], 12);
    EXPECT_EQ(rows[2][1], 890);
    EXPECT_EQ(rows[3][2], 0);
    EXPECT_LE(rows[1][0], rows[2][0]);
    EXPECT_LE(rows[2][0], rows[3][0]);
}

TEST(TracePortIo, UnwritableFileIsReportedAndWritesStillReachThePort)
{
    std::string notice;
    auto recorder = std::make_unique<RecordingPortIo>();
    RecordingPortIo& inner = *recorder;
    TracePortIo io(std::move(recorder), "/nonexistent-dir/trace",
                   [&](const std::string& text) { notice = text; });
    io.out32(888, 4);
    io.flush();
    EXPECT_THAT(notice, testing::HasSubstr("/nonexistent-dir/trace"));
    EXPECT_EQ(inner.writes.size(), 1u);
}

} // namespace
} // namespace orvane
