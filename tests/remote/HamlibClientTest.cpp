// Hamlib's own command-line client, through its NET rigctl backend (rig model 2), against the
// server: the way every Hamlib-based station program connects.

#include "panel/remote/RemoteServer.h"
#include "tests/remote/DriveLoop.h"
#include "tests/remote/FakeRig.h"
#include "tests/support/ManualClock.h"

#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace orvane {
namespace {

struct ClientRun {
    int exitCode = -1;
    QString output;
};

class HamlibClientTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_rigctl = QStandardPaths::findExecutable(QStringLiteral("rigctl"));
        if (m_rigctl.isEmpty())
            GTEST_SKIP() << "Hamlib's rigctl is not installed (Debian package libhamlib-utils)";
        ASSERT_TRUE(server.listen(0, false));
    }

    // rigctl runs in its own process; this one serves it meanwhile.
    ClientRun rigctl(const QStringList& commands)
    {
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(m_rigctl,
                      QStringList{QStringLiteral("-m"), QStringLiteral("2"), QStringLiteral("-r"),
                                  QStringLiteral("127.0.0.1:%1").arg(server.port())} +
                          commands);
        const bool finished =
            test::driveUntil([&] { return process.state() == QProcess::NotRunning; }, 20000);
        if (!finished) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "rigctl did not finish";
        }
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
                QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed()};
    }

    test::FakeRig rig;
    test::ManualClock clock;
    RemoteServer server{rig, clock};

private:
    QString m_rigctl;
};

TEST_F(HamlibClientTest, SetsAndReadsTheFrequency)
{
    const ClientRun set = rigctl({QStringLiteral("F"), QStringLiteral("7040000")});
    EXPECT_EQ(set.exitCode, 0);
    EXPECT_FALSE(set.output.contains(QStringLiteral("error"))) << set.output.toStdString();
    EXPECT_EQ(rig.asked, std::vector<std::int32_t>{7040000});
    EXPECT_EQ(rig.loadedHz, 7040000);

    rig.loadedHz = 7123456; // a change on the panel; a new client sees it
    const ClientRun get = rigctl({QStringLiteral("f")});
    EXPECT_EQ(get.exitCode, 0);
    EXPECT_EQ(get.output, QStringLiteral("7123456"));
}

TEST_F(HamlibClientTest, IsToldWhenTheFrequencyIsRefused)
{
    // rigctl exits 0 either way; it reports the refusal in its output.
    const QString refused = QStringLiteral("set_freq: error");
    const ClientRun outside = rigctl({QStringLiteral("F"), QStringLiteral("8000000")});
    EXPECT_TRUE(outside.output.contains(refused)) << outside.output.toStdString();
    rig.busy = true;
    const ClientRun busy = rigctl({QStringLiteral("F"), QStringLiteral("7040000")});
    EXPECT_TRUE(busy.output.contains(refused)) << busy.output.toStdString();
    EXPECT_EQ(rig.asked, std::vector<std::int32_t>{8000000});
    EXPECT_EQ(rig.loadedHz, 7100000);
}

} // namespace
} // namespace orvane
