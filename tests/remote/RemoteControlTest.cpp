#include "panel/remote/RemoteControl.h"

#include "bands/SettingsStore.h"
#include "panel/remote/RemoteControlDialog.h"
#include "panel/remote/RemoteServer.h"
#include "panel/remote/RemoteSettings.h"
#include "tests/remote/FakeRig.h"
#include "tests/support/ManualClock.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMenu>
#include <QSpinBox>
#include <QTcpServer>
#include <QTest>
#include <gtest/gtest.h>

namespace orvane {
namespace {

namespace keys = settings_keys;

// A port nobody listens on just now.
quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

class RemoteControlTest : public testing::Test {
protected:
    // The window's side: its Program menu, the store and the rig the panel provides.
    RemoteControl& create()
    {
        remote = new RemoteControl(window, *program, store, rig, clock);
        remote->restore();
        return *remote;
    }
    template <typename Widget> Widget* control(const char* name)
    {
        auto* widget = remote->dialog().findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            ADD_FAILURE() << "no control " << name;
        return widget;
    }
    void typePort(quint16 port)
    {
        auto* box = control<QSpinBox>("RemotePortBox");
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, QString::number(port));
        QTest::keyClick(box, Qt::Key_Return);
    }
    QString status() { return control<QLabel>("RemoteStatusLabel")->text(); }

    test::TempDir dir;
    std::vector<std::string> told;
    SettingsStore store{dir.path / "Orvane.conf",
                        [this](const std::string& m) { told.push_back(m); }};
    test::FakeRig rig;
    test::ManualClock clock;
    QWidget window;
    QMenu* program = new QMenu(QStringLiteral("&Program"), &window);
    RemoteControl* remote = nullptr; // owned by the window
};

TEST_F(RemoteControlTest, ProgramMenuItemOpensTheDialog)
{
    create();
    QAction* item = window.findChild<QAction*>(QStringLiteral("mnuRemoteControl"));
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->text(), QStringLiteral("&Remote Control..."));
    EXPECT_TRUE(program->actions().contains(item));
    item->trigger();
    EXPECT_TRUE(remote->dialog().isVisible());
    EXPECT_EQ(remote->dialog().windowTitle(), QStringLiteral("Remote Control"));
}

TEST_F(RemoteControlTest, StartsOffOnPort4532ForThisComputerOnly)
{
    create();
    EXPECT_FALSE(control<QCheckBox>("RemoteEnabledCheck")->isChecked());
    EXPECT_EQ(control<QSpinBox>("RemotePortBox")->value(), 4532);
    EXPECT_FALSE(control<QCheckBox>("RemoteAllowAllCheck")->isChecked());
    EXPECT_EQ(control<QCheckBox>("RemoteAllowAllCheck")->text(),
              QStringLiteral("Allow other computers"));
    EXPECT_FALSE(remote->server().isListening());
    EXPECT_EQ(status(), QStringLiteral("Remote control is off."));
}

TEST_F(RemoteControlTest, RestoresStoredOptionsAndServes)
{
    const quint16 port = freePort();
    store.writeBool(keys::kRemoteEnabled, true);
    store.writeWhole(keys::kRemotePort, port);
    store.writeBool(keys::kRemoteAllowAll, true);
    create();
    EXPECT_TRUE(control<QCheckBox>("RemoteEnabledCheck")->isChecked());
    EXPECT_EQ(control<QSpinBox>("RemotePortBox")->value(), port);
    EXPECT_TRUE(control<QCheckBox>("RemoteAllowAllCheck")->isChecked());
    EXPECT_TRUE(remote->server().isListening());
    EXPECT_EQ(remote->server().port(), port);
    EXPECT_TRUE(status().contains(QString::number(port))) << status().toStdString();
}

TEST_F(RemoteControlTest, AStoredPortThatCannotBeUsedFallsBackTo4532)
{
    for (const char* text : {"0", "65536", "-1", "abc"}) {
        store.write(keys::kRemotePort, text);
        create();
        EXPECT_EQ(control<QSpinBox>("RemotePortBox")->value(), 4532) << text;
    }
}

TEST_F(RemoteControlTest, SavesEachChangeAtOnceAndFollowsIt)
{
    create();
    const quint16 port = freePort();
    typePort(port);
    EXPECT_EQ(store.readInt32(keys::kRemotePort, 0), port);
    EXPECT_FALSE(remote->server().isListening());

    QTest::mouseClick(control<QCheckBox>("RemoteEnabledCheck"), Qt::LeftButton);
    EXPECT_TRUE(store.readBool(keys::kRemoteEnabled, false));
    EXPECT_TRUE(remote->server().isListening());
    EXPECT_EQ(remote->server().port(), port);
    EXPECT_EQ(status(),
              QStringLiteral("Listening on port %1 for programs on this computer.").arg(port));

    QTest::mouseClick(control<QCheckBox>("RemoteAllowAllCheck"), Qt::LeftButton);
    EXPECT_TRUE(store.readBool(keys::kRemoteAllowAll, false));
    EXPECT_TRUE(status().contains(QStringLiteral("other computers")));

    QTest::mouseClick(control<QCheckBox>("RemoteEnabledCheck"), Qt::LeftButton);
    EXPECT_FALSE(store.readBool(keys::kRemoteEnabled, true));
    EXPECT_FALSE(remote->server().isListening());
    EXPECT_TRUE(told.empty());
}

TEST_F(RemoteControlTest, APortInUseIsShownPlainlyInTheDialog)
{
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::Any));
    create();
    QTest::mouseClick(control<QCheckBox>("RemoteEnabledCheck"), Qt::LeftButton);
    typePort(other.serverPort());
    EXPECT_FALSE(remote->server().isListening());
    EXPECT_EQ(status(), QStringLiteral("Port %1 is already in use by another program. Remote "
                                       "control is not available.")
                            .arg(other.serverPort()));
    EXPECT_EQ(control<QLabel>("RemoteStatusLabel")->palette().color(QPalette::WindowText),
              QColor(Qt::red));
    // The choice is kept: the next start tries the same port again.
    EXPECT_EQ(store.readInt32(keys::kRemotePort, 0), other.serverPort());

    const quint16 free = freePort();
    typePort(free);
    EXPECT_TRUE(remote->server().isListening());
    EXPECT_NE(control<QLabel>("RemoteStatusLabel")->palette().color(QPalette::WindowText),
              QColor(Qt::red));
}

} // namespace
} // namespace orvane
