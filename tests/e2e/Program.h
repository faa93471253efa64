#pragma once

// Runs one of our real programs as a child process with its own environment, its output
// collected, and its port trace read back.

#include <chrono>
#include <filesystem>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace orvane::test {

struct TraceLine {
    long long micros;
    int port;
    int value;
};

std::vector<TraceLine> readTrace(const std::filesystem::path& file);
// The (port, value) pairs of a trace.
std::vector<std::pair<int, int>> portWrites(const std::vector<TraceLine>& trace);

class Program {
public:
    Program(const std::string& binary, const std::map<std::string, std::string>& environment,
            const std::vector<std::string>& arguments = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Waits until the trace holds at least `lines` lines or the program ends; false on timeout.
    bool waitForTrace(const std::filesystem::path& trace, std::size_t lines,
                      std::chrono::seconds timeout = std::chrono::seconds(60));
    // Sends `signal` and waits for the exit; the exit code, or -1 when it did not exit normally.
    int stop(int signal, std::chrono::seconds timeout = std::chrono::seconds(60));
    // Waits for the program to end by itself.
    int wait(std::chrono::seconds timeout = std::chrono::seconds(60));
    // What it printed on stdout and stderr so far.
    std::string output() const;

private:
    int m_pid = -1;
    std::filesystem::path m_outputFile;
    int m_status = -1;
    bool m_running = false;
};

} // namespace orvane::test
