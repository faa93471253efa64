#include "Program.h"

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace orvane::test {

namespace fs = std::filesystem;

std::vector<TraceLine> readTrace(const fs::path& file)
{
    std::vector<TraceLine> lines;
    std::ifstream in(file);
    for (TraceLine line; in >> line.micros >> line.port >> line.value;)
        lines.push_back(line);
    return lines;
}

std::vector<std::pair<int, int>> portWrites(const std::vector<TraceLine>& trace)
{
    std::vector<std::pair<int, int>> writes;
    for (const TraceLine& line : trace)
        writes.emplace_back(line.port, line.value);
    return writes;
}

Program::Program(const std::string& binary, const std::map<std::string, std::string>& environment,
                 const std::vector<std::string>& arguments)
{
    std::string pattern = (fs::temp_directory_path() / "orvane-output-XXXXXX").string();
    const int outputFd = ::mkstemp(pattern.data());
    m_outputFile = pattern;

    std::vector<std::string> variables;
    for (char** e = environ; *e; ++e) {
        const std::string entry = *e;
        if (!environment.contains(entry.substr(0, entry.find('='))))
            variables.push_back(entry);
    }
    for (const auto& [name, value] : environment)
        variables.push_back(name + "=" + value);
    std::vector<char*> envp;
    for (std::string& v : variables)
        envp.push_back(v.data());
    envp.push_back(nullptr);

    std::vector<char*> argv = {const_cast<char*>(binary.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    m_pid = ::fork();
    if (m_pid == 0) {
        ::dup2(outputFd, 1);
        ::dup2(outputFd, 2);
        ::execve(binary.c_str(), argv.data(), envp.data());
        ::_exit(127);
    }
    ::close(outputFd);
    m_running = m_pid > 0;
}

Program::~Program()
{
    if (m_running) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, nullptr, 0);
    }
    fs::remove(m_outputFile);
}

bool Program::waitForTrace(const fs::path& trace, std::size_t lines, std::chrono::seconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (readTrace(trace).size() >= lines)
            return true;
        if (::waitpid(m_pid, &m_status, WNOHANG) == m_pid) {
            m_running = false;
            return readTrace(trace).size() >= lines;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
}

int Program::wait(std::chrono::seconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (m_running && std::chrono::steady_clock::now() < deadline) {
        if (::waitpid(m_pid, &m_status, WNOHANG) == m_pid)
            m_running = false;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    if (m_running)
        return -1;
    return WIFEXITED(m_status) ? WEXITSTATUS(m_status) : -1;
}

int Program::stop(int signal, std::chrono::seconds timeout)
{
    if (m_running)
        ::kill(m_pid, signal);
    return wait(timeout);
}

std::string Program::output() const
{
    std::ifstream in(m_outputFile);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace orvane::test
