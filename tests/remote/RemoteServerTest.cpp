#include "panel/remote/RemoteServer.h"

#include "tests/remote/DriveLoop.h"
#include "tests/remote/FakeRig.h"
#include "tests/support/ManualClock.h"

#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>
#include <memory>

namespace orvane {
namespace {

using test::driveUntil;

// A client on a real socket: sends, and reads until the answer it waits for is complete.
class Client {
public:
    bool connectTo(const QHostAddress& address, quint16 port)
    {
        m_socket.connectToHost(address, port);
        return driveUntil([this] {
                   return m_socket.state() == QAbstractSocket::ConnectedState ||
                          m_socket.state() == QAbstractSocket::UnconnectedState;
               }) &&
               m_socket.state() == QAbstractSocket::ConnectedState;
    }
    void send(const QByteArray& bytes) { m_socket.write(bytes); }
    // The next `lines` lines the server sends.
    QByteArray receive(int lines)
    {
        driveUntil([&] {
            m_received += m_socket.readAll();
            return m_received.count('\n') >= lines ||
                   m_socket.state() == QAbstractSocket::UnconnectedState;
        });
        qsizetype end = 0;
        for (int i = 0; i < lines && end >= 0; ++i)
            end = m_received.indexOf('\n', end) + 1;
        if (end <= 0)
            end = m_received.size();
        const QByteArray answer = m_received.left(end);
        m_received.remove(0, end);
        return answer;
    }
    QByteArray exchange(const QByteArray& bytes, int lines)
    {
        send(bytes);
        return receive(lines);
    }
    bool waitUntilClosed()
    {
        return driveUntil([this] {
            m_received += m_socket.readAll();
            return m_socket.state() == QAbstractSocket::UnconnectedState;
        });
    }
    bool connected() const { return m_socket.state() == QAbstractSocket::ConnectedState; }
    const QByteArray& unread() const { return m_received; }

private:
    QTcpSocket m_socket;
    QByteArray m_received;
};

class RemoteServerTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.listen(0, false)) << server.errorText().toStdString();
    }

    std::unique_ptr<Client>
    connected(const QHostAddress& address = QHostAddress(QHostAddress::LocalHost))
    {
        auto client = std::make_unique<Client>();
        EXPECT_TRUE(client->connectTo(address, server.port()));
        return client;
    }

    test::FakeRig rig;
    test::ManualClock clock;
    RemoteServer server{rig, clock};
};

TEST_F(RemoteServerTest, AnswersPipelinedCommandsOnOneConnection)
{
    auto client = connected();
    EXPECT_EQ(client->exchange("F 7040000\nf\n+\\get_powerstat\n", 5),
              "RPRT 0\n7040000\nget_powerstat:\nPower Status: 1\nRPRT 0\n");
    EXPECT_EQ(rig.loadedHz, 7040000);
    // A line split over two writes is one command.
    client->send("F 705");
    EXPECT_TRUE(driveUntil([&] { return server.clientCount() == 1; }));
    EXPECT_EQ(client->exchange("0000\nf\n", 2), "RPRT 0\n7050000\n");
}

TEST_F(RemoteServerTest, ServesSeveralClientsAtOnce)
{
    auto first = connected();
    auto second = connected(QHostAddress(QHostAddress::LocalHostIPv6));
    auto third = connected();
    EXPECT_TRUE(driveUntil([&] { return server.clientCount() == 3; }));
    first->send("F 7010000\nf\n");
    second->send("F 7020000\nf\n");
    third->send("F 9999999\n");
    EXPECT_EQ(first->receive(2), "RPRT 0\n7010000\n");
    EXPECT_EQ(second->receive(2), "RPRT 0\n7020000\n");
    EXPECT_EQ(third->receive(1), "RPRT -1\n");
    EXPECT_EQ(rig.asked, (std::vector<std::int32_t>{7010000, 7020000, 9999999}));
}

TEST_F(RemoteServerTest, QuitAnswersAndCloses)
{
    auto client = connected();
    client->send("f\nq\nF 7040000\n");
    EXPECT_TRUE(client->waitUntilClosed());
    EXPECT_EQ(client->unread(), "7100000\nRPRT 0\n");
    EXPECT_TRUE(rig.asked.empty());
    EXPECT_EQ(server.clientCount(), 0);
}

TEST_F(RemoteServerTest, DropsAClientWhoseLineIsTooLong)
{
    auto bystander = connected();
    auto client = connected();
    client->send("f\n" + QByteArray(2000, 'x'));
    EXPECT_TRUE(client->waitUntilClosed());
    EXPECT_EQ(client->unread(), "7100000\n");
    EXPECT_EQ(bystander->exchange("f\n", 1), "7100000\n");
    EXPECT_EQ(server.clientCount(), 1);
}

TEST_F(RemoteServerTest, DropsAClientIdleForTenMinutes)
{
    auto quiet = connected();
    auto talker = connected();
    EXPECT_TRUE(driveUntil([&] { return server.clientCount() == 2; }));
    clock.advance(RemoteServer::kIdleLimitMs - 1);
    // Talking starts the countdown afresh.
    EXPECT_EQ(talker->exchange("f\n", 1), "7100000\n");
    clock.advance(1);
    EXPECT_TRUE(quiet->waitUntilClosed());
    EXPECT_TRUE(talker->connected());
    clock.advance(RemoteServer::kIdleLimitMs - 2);
    EXPECT_EQ(talker->exchange("f\n", 1), "7100000\n");
    clock.advance(RemoteServer::kIdleLimitMs);
    EXPECT_TRUE(talker->waitUntilClosed());
    EXPECT_EQ(server.clientCount(), 0);
}

TEST_F(RemoteServerTest, ForgetsAClientThatHangsUp)
{
    {
        auto client = connected();
        EXPECT_TRUE(driveUntil([&] { return server.clientCount() == 1; }));
    }
    EXPECT_TRUE(driveUntil([&] { return server.clientCount() == 0; }));
}

// An address of this computer that other computers reach it by, if it has one.
QHostAddress networkAddress()
{
    for (const QHostAddress& address : QNetworkInterface::allAddresses())
        if (!address.isLoopback() && address.protocol() == QAbstractSocket::IPv4Protocol)
            return address;
    return {};
}

TEST_F(RemoteServerTest, ListensOnLoopbackOnlyUnlessOtherComputersAreAllowed)
{
    const QHostAddress outside = networkAddress();
    if (outside.isNull())
        GTEST_SKIP() << "this machine has no network address besides loopback";
    Client stranger;
    EXPECT_FALSE(stranger.connectTo(outside, server.port()));

    ASSERT_TRUE(server.listen(0, true));
    auto fromOutside = connected(outside);
    EXPECT_EQ(fromOutside->exchange("f\n", 1), "7100000\n");
    auto local = connected(QHostAddress(QHostAddress::LocalHostIPv6));
    EXPECT_EQ(local->exchange("f\n", 1), "7100000\n");
}

TEST_F(RemoteServerTest, SaysPlainlyWhenThePortIsTaken)
{
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::LocalHost));
    EXPECT_FALSE(server.listen(other.serverPort(), false));
    EXPECT_FALSE(server.isListening());
    EXPECT_EQ(
        server.errorText(),
        QStringLiteral("Port %1 is already in use by another program.").arg(other.serverPort()));
    // Another port still works afterwards.
    EXPECT_TRUE(server.listen(0, false));
    EXPECT_TRUE(server.errorText().isEmpty());
}

TEST_F(RemoteServerTest, ClosingDropsEveryClient)
{
    auto client = connected();
    EXPECT_TRUE(driveUntil([&] { return server.clientCount() == 1; }));
    const quint16 port = server.port();
    server.close();
    EXPECT_TRUE(client->waitUntilClosed());
    Client late;
    EXPECT_FALSE(late.connectTo(QHostAddress(QHostAddress::LocalHost), port));
}

} // namespace
} // namespace orvane
