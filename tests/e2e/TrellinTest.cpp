// Starts the real trellin binary and reads what it did from the port trace.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

struct TrellinRun {
    int exitCode = -1;
    std::string output; // stdout and stderr together
    std::vector<std::pair<int, int>> writes;
};

TrellinRun runTrellin(const std::string& mode)
{
    std::string pattern = (fs::temp_directory_path() / "trellin-XXXXXX").string();
    const fs::path dir = ::mkdtemp(pattern.data());
    const fs::path trace = dir / "trace";
    const std::string command = "ORVANE_PORTIO=" + mode + " ORVANE_PORT_TRACE=" + trace.string() +
                                " " + TRELLIN_BINARY + " 2>&1";
    TrellinRun run;
    FILE* pipe = ::popen(command.c_str(), "r");
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe))
        run.output += buffer;
    const int status = ::pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;

    std::ifstream lines(trace);
    long long micros;
    int port, value;
    while (lines >> micros >> port >> value)
        run.writes.emplace_back(port, value);
    fs::remove_all(dir);
    return run;
}

class Trellin : public testing::TestWithParam<const char*> {};

TEST_P(Trellin, SwitchesBothUsualCardsOffAndEndsQuietly)
{
    // In auto mode this machine may or may not have a parallel port; either way the same two
    // writes are made, nothing is printed and the exit code is 0.
    const TrellinRun run = runTrellin(GetParam());
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.writes, (std::vector<std::pair<int, int>>{{890, 1}, {634, 1}}));
}

INSTANTIATE_TEST_SUITE_P(Backends, Trellin, testing::Values("sim", "auto"));

} // namespace
