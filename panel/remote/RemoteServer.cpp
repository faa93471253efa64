#include "RemoteServer.h"

#include "RemoteLog.h"

#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <array>

namespace orvane {

namespace {

// Enough for every station program a user runs at once; a stranger on the network who opens
// connections by the hundred is not served.
constexpr int kMaxClients = 16;
// A client that does not read its answers is not allowed to make us buffer without end.
constexpr qint64 kMaxUnsentBytes = 64 * 1024;

QString listenError(quint16 port, const QTcpServer& listener)
{
    switch (listener.serverError()) {
    case QAbstractSocket::AddressInUseError:
        return RemoteServer::tr("Port %1 is already in use by another program.").arg(port);
    case QAbstractSocket::SocketAccessError:
        return RemoteServer::tr("Port %1 is reserved for the system. Choose a port above 1023.")
            .arg(port);
    default:
        return RemoteServer::tr("Cannot listen on port %1: %2.")
            .arg(port)
            .arg(listener.errorString());
    }
}

// ::1 is missing where IPv6 is switched off; 127.0.0.1 alone then serves this computer.
bool isMissingAddress(const QTcpServer& listener)
{
    return listener.serverError() == QAbstractSocket::SocketAddressNotAvailableError ||
           listener.serverError() == QAbstractSocket::UnsupportedSocketOperationError;
}

} // namespace

struct RemoteServer::Client {
    Client(QTcpSocket* s, RemoteRig& rig, Clock& clock)
        : socket(s), session(rig), idle(clock.createTimer())
    {
    }

    QTcpSocket* socket; // a child of the server; deleted once it has closed
    rigctl::Session session;
    std::unique_ptr<Timer> idle;
};

RemoteServer::RemoteServer(RemoteRig& rig, Clock& clock, QObject* parent)
    : QObject(parent), m_rig(rig), m_clock(clock)
{
}

RemoteServer::~RemoteServer()
{
    close();
}

bool RemoteServer::listen(quint16 port, bool allowAll)
{
    close();
    m_errorText.clear();
    const std::vector<QHostAddress> addresses =
        allowAll ? std::vector<QHostAddress>{QHostAddress(QHostAddress::Any)}
                 : std::vector<QHostAddress>{QHostAddress(QHostAddress::LocalHost),
                                             QHostAddress(QHostAddress::LocalHostIPv6)};
    for (const QHostAddress& address : addresses) {
        auto listener = std::make_unique<QTcpServer>();
        // Port 0 picks a free port for the first address; the others follow it.
        const quint16 wanted = m_listeners.empty() ? port : m_port;
        if (!listener->listen(address, wanted)) {
            if (!m_listeners.empty() && isMissingAddress(*listener))
                continue;
            m_errorText = listenError(wanted, *listener);
            qCWarning(lcRemote) << "cannot listen on" << address << wanted
                                << listener->errorString();
            close();
            return false;
        }
        m_port = listener->serverPort();
        QTcpServer* raw = listener.get();
        connect(raw, &QTcpServer::newConnection, this, [this, raw] { accept(*raw); });
        m_listeners.push_back(std::move(listener));
    }
    qCInfo(lcRemote) << "listening on port" << m_port
                     << (allowAll ? "for every computer" : "for this computer");
    return true;
}

void RemoteServer::close()
{
    while (!m_clients.empty())
        drop(*m_clients.back());
    m_listeners.clear();
    m_port = 0;
}

void RemoteServer::accept(QTcpServer& listener)
{
    while (QTcpSocket* socket = listener.nextPendingConnection()) {
        socket->setParent(this);
        if (clientCount() >= kMaxClients) {
            qCWarning(lcRemote) << "refused" << socket->peerAddress() << ": too many clients";
            socket->abort();
            socket->deleteLater();
            continue;
        }
        qCInfo(lcRemote) << "client" << socket->peerAddress() << socket->peerPort() << "connected";
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        auto client = std::make_unique<Client>(socket, m_rig, m_clock);
        Client* raw = client.get();
        client->idle->onTick = [this, raw] {
            qCInfo(lcRemote) << "client" << raw->socket->peerPort() << "idle too long";
            // Not from inside the timer's own tick: the client owns that timer.
            QTimer::singleShot(0, this, [this, socket = raw->socket] {
                const auto it =
                    std::ranges::find(m_clients, socket, [](const auto& c) { return c->socket; });
                if (it != m_clients.end())
                    drop(**it);
            });
            raw->idle->stop();
        };
        client->idle->start(kIdleLimitMs);
        connect(socket, &QTcpSocket::readyRead, this, [this, raw] { serve(*raw); });
        connect(socket, &QTcpSocket::disconnected, this, [this, raw] { drop(*raw); });
        m_clients.push_back(std::move(client));
        // Bytes may have come with the connection.
        if (socket->bytesAvailable() > 0)
            serve(*raw);
    }
}

void RemoteServer::serve(Client& client)
{
    client.idle->start(kIdleLimitMs);
    const QByteArray bytes = client.socket->readAll();
    const rigctl::Session::Output out = client.session.feed(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!out.text.empty())
        client.socket->write(out.text.data(), static_cast<qint64>(out.text.size()));
    if (out.close || client.socket->bytesToWrite() > kMaxUnsentBytes) {
        if (!out.close)
            qCWarning(lcRemote) << "client" << client.socket->peerPort()
                                << "does not read its answers";
        drop(client);
    }
}

void RemoteServer::drop(Client& client)
{
    QTcpSocket* socket = client.socket;
    socket->disconnect(this);
    // What was written still goes out before the connection closes; the socket deletes itself
    // when it has.
    connect(socket, &QAbstractSocket::disconnected, socket, &QObject::deleteLater);
    if (socket->state() == QAbstractSocket::UnconnectedState)
        socket->deleteLater();
    else
        socket->disconnectFromHost();
    qCInfo(lcRemote) << "client" << socket->peerPort() << "dropped";
    const auto it = std::ranges::find(m_clients, &client, [](const auto& c) { return c.get(); });
    if (it != m_clients.end())
        m_clients.erase(it);
}

} // namespace orvane
