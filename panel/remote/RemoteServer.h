#pragma once

#include "RigctlProtocol.h"
#include "panel/toolkit/Timer.h"

#include <QObject>
#include <QString>
#include <memory>
#include <vector>

class QTcpServer;
class QTcpSocket;

namespace orvane {

// Serves the rigctld protocol on a TCP port, on the event loop of the thread that owns it (the
// user-interface thread), so every command runs between two of the panel's own handlers and
// needs no lock. Several clients at once; each line is answered in order. A client is dropped
// when it sends a line longer than 1 KiB, stops reading its answers, or says nothing for
// ten minutes.
class RemoteServer : public QObject {
    Q_OBJECT
public:
    static constexpr int kIdleLimitMs = 10 * 60 * 1000;

    // `clock` makes the idle timers; both must outlive the server.
    RemoteServer(RemoteRig& rig, Clock& clock, QObject* parent = nullptr);
    ~RemoteServer() override;

    // Stops serving (dropping every client), then listens on `port`: on 127.0.0.1 and ::1 only,
    // or on every address with `allowAll`. Port 0 picks a free port (for tests). On failure
    // nothing listens and errorText() says why in words for the user.
    bool listen(quint16 port, bool allowAll);
    void close();

    bool isListening() const { return !m_listeners.empty(); }
    quint16 port() const { return m_port; }
    QString errorText() const { return m_errorText; }
    int clientCount() const { return static_cast<int>(m_clients.size()); }

private:
    struct Client;

    void accept(QTcpServer& listener);
    void serve(Client& client);
    void drop(Client& client);

    RemoteRig& m_rig;
    Clock& m_clock;
    std::vector<std::unique_ptr<QTcpServer>> m_listeners;
    std::vector<std::unique_ptr<Client>> m_clients;
    quint16 m_port = 0;
    QString m_errorText;
};

} // namespace orvane
