// The set_freq round trip of the remote control on loopback: a client on one connection sends
// "F <Hz>", the server parses it, the rig loads the frequency into the simulated daughtercard
// (the 124 port writes of a real load), and "RPRT 0" comes back. Beside it, in the same run,
// Hamlib's rigctld with its dummy rig, for a set_freq and for a command rigctld answers itself.
// Each benchmark makes 2000 round trips and reports their median and 99th percentile.

#include "panel/remote/RemoteRig.h"
#include "panel/remote/RemoteServer.h"
#include "panel/toolkit/QtClock.h"
#include "synth/DoTheMath.h"
#include "synth/portio/SimulatedCard.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QProcess>
#include <QStandardPaths>
#include <QTcpServer>
#include <QThread>
#include <algorithm>
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using namespace orvane;

constexpr int kRoundTrips = 2000;

// The panel in the 40 m band with the card switched on: every accepted frequency is a full load.
class LoadingRig final : public RemoteRig {
public:
    LoadingRig()
    {
        m_config.refClockMHz = 180;
        m_config.controlPrefix = kPrefixX6;
        m_io.out32(890, 0); // supply on, so the simulated chip decodes what it is sent
        m_link.setBand(5);
    }
    std::int32_t lastLoadHz() const override { return m_loadedHz; }
    bool isSwitchedOn() const override { return true; }
    bool isBusy() const override { return false; }
    TuneResult tuneAsEntered(std::int32_t hz) override
    {
        if (hz < 7000000 || hz > 7300000)
            return TuneResult::OutOfBand;
        if (!updateVfo(hz, 0, 0, m_config, m_link).sent())
            return TuneResult::Busy;
        m_loadedHz = hz;
        return TuneResult::Accepted;
    }
    int chipUpdates() { return m_io.card(888).updates(); }

private:
    SynthConfig m_config;
    SimPortIo m_io;
    PortLink m_link{m_io, m_config};
    std::int32_t m_loadedHz = 7000000;
};

// The server with its own event loop, as the panel's user-interface thread runs it.
class ServerThread {
public:
    ServerThread()
    {
        m_context.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_context,
            [this] {
                m_server = std::make_unique<RemoteServer>(m_rig, m_clock);
                m_server->listen(0, false);
            },
            Qt::BlockingQueuedConnection);
    }
    ~ServerThread()
    {
        QMetaObject::invokeMethod(
            &m_context, [this] { m_server.reset(); }, Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    quint16 port() const { return m_server->port(); }
    LoadingRig& rig() { return m_rig; }

private:
    QThread m_thread;
    QObject m_context;
    LoadingRig m_rig;
    QtClock m_clock;
    std::unique_ptr<RemoteServer> m_server;
};

// Hamlib's daemon with its dummy rig on a free loopback port.
class Rigctld {
public:
    bool start()
    {
        const QString program = QStandardPaths::findExecutable(QStringLiteral("rigctld"));
        if (program.isEmpty())
            return false;
        {
            QTcpServer probe;
            probe.listen(QHostAddress::LocalHost);
            m_port = probe.serverPort();
        }
        m_process.start(program, {QStringLiteral("-m"), QStringLiteral("1"), QStringLiteral("-T"),
                                  QStringLiteral("127.0.0.1"), QStringLiteral("-t"),
                                  QString::number(m_port)});
        return m_process.waitForStarted();
    }
    ~Rigctld()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished();
    }
    quint16 port() const { return m_port; }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

// A blocking client, as station programs are: write a line, read the answer's lines.
class LineClient {
public:
    explicit LineClient(quint16 port)
    {
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_port = htons(port);
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        // A daemon just started may not listen yet.
        for (int attempt = 0; attempt < 100; ++attempt) {
            m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
            if (::connect(m_fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0)
                break;
            ::close(m_fd);
            m_fd = -1;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        if (m_fd < 0)
            throw std::runtime_error("cannot connect to port " + std::to_string(port));
        const int one = 1;
        ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    }
    ~LineClient()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    std::string roundTrip(const std::string& line, int answerLines)
    {
        if (::send(m_fd, line.data(), line.size(), 0) != static_cast<ssize_t>(line.size()))
            throw std::runtime_error("send failed");
        std::string answer;
        char buffer[4096];
        while (std::count(answer.begin(), answer.end(), '\n') < answerLines) {
            const ssize_t n = ::recv(m_fd, buffer, sizeof buffer, 0);
            if (n <= 0)
                throw std::runtime_error("connection closed");
            answer.append(buffer, static_cast<std::size_t>(n));
        }
        return answer;
    }

private:
    int m_fd = -1;
};

// 2000 round trips, one a benchmark iteration; median and 99th percentile as counters.
template <typename MakeLine>
void roundTrips(benchmark::State& state, quint16 port, MakeLine makeLine, int answerLines,
                const std::string& expectedStart)
{
    LineClient client(port);
    std::vector<double> micros;
    micros.reserve(kRoundTrips);
    int i = 0;
    for (auto _ : state) {
        const std::string line = makeLine(i++);
        const auto start = std::chrono::steady_clock::now();
        const std::string answer = client.roundTrip(line, answerLines);
        const auto end = std::chrono::steady_clock::now();
        if (answer.rfind(expectedStart, 0) != 0) {
            state.SkipWithError(("unexpected answer: " + answer).c_str());
            break;
        }
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    if (micros.empty())
        return;
    std::sort(micros.begin(), micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
    state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
}

// A different frequency every time, so every command is a real load.
std::string setFreqLine(int i)
{
    return "F " + std::to_string(7000000 + (i % 30000) * 10) + "\n";
}

void OrvaneSetFreq(benchmark::State& state)
{
    ServerThread server;
    const int before = server.rig().chipUpdates();
    roundTrips(state, server.port(), setFreqLine, 1, "RPRT 0");
    // FQ_UD pulses the chip took: one per load, and the load sends one more for the band lines.
    state.counters["chip_updates"] = server.rig().chipUpdates() - before;
}

void OrvaneGetFreq(benchmark::State& state)
{
    ServerThread server;
    roundTrips(
        state, server.port(), [](int) { return std::string("f\n"); }, 1, "7000000");
}

void RigctldSetFreq(benchmark::State& state)
{
    Rigctld rigctld;
    if (!rigctld.start()) {
        state.SkipWithError("rigctld (Debian package libhamlib-utils) is not installed");
        return;
    }
    roundTrips(state, rigctld.port(), setFreqLine, 1, "RPRT 0");
}

// \chk_vfo is answered by rigctld itself, without the rig: its protocol overhead alone.
void RigctldFromMemory(benchmark::State& state)
{
    Rigctld rigctld;
    if (!rigctld.start()) {
        state.SkipWithError("rigctld (Debian package libhamlib-utils) is not installed");
        return;
    }
    roundTrips(
        state, rigctld.port(), [](int) { return std::string("\\chk_vfo\n"); }, 1, "0");
}

BENCHMARK(OrvaneSetFreq)->Iterations(kRoundTrips)->Unit(benchmark::kMicrosecond);
BENCHMARK(OrvaneGetFreq)->Iterations(kRoundTrips)->Unit(benchmark::kMicrosecond);
BENCHMARK(RigctldSetFreq)->Iterations(kRoundTrips)->Unit(benchmark::kMicrosecond);
BENCHMARK(RigctldFromMemory)->Iterations(kRoundTrips)->Unit(benchmark::kMicrosecond);

} // namespace
