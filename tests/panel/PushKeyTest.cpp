#include "panel/toolkit/PushKey.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace orvane {
namespace {

struct KeyEvents {
    explicit KeyEvents(PushKey& key)
    {
        QObject::connect(&key, &PushKey::keyDown, [this](MouseButton b) { log += down(b); });
        QObject::connect(&key, &PushKey::keyUp, [this](MouseButton b) { log += up(b); });
        QObject::connect(&key, &QAbstractButton::clicked, [this] { log += "click "; });
    }
    static std::string down(MouseButton b) { return b == MouseButton::Left ? "down1 " : "down2 "; }
    static std::string up(MouseButton b) { return b == MouseButton::Left ? "up1 " : "up2 "; }
    std::string log;
};

TEST(PushKey, ReportsTheMouseButtonOfPressAndRelease)
{
    PushKey key("UP");
    key.resize(40, 40);
    key.show();
    KeyEvents events(key);

    QTest::mousePress(&key, Qt::LeftButton);
    QTest::mouseRelease(&key, Qt::LeftButton);
    QTest::mousePress(&key, Qt::RightButton);
    EXPECT_TRUE(key.isDown()) << "a right press shows the key pressed too";
    QTest::mouseRelease(&key, Qt::RightButton);
    EXPECT_EQ(events.log, "down1 up1 click down2 up2 ");
}

TEST(PushKey, KeyboardAndDisabledKeys)
{
    PushKey key("ENTER");
    key.show();
    KeyEvents events(key);
    EXPECT_EQ(key.accessibleName(), "ENTER");

    key.setFocus();
    QTest::keyClick(&key, Qt::Key_Space);
    EXPECT_EQ(events.log, "down1 up1 click ");

    events.log.clear();
    key.setEnabled(false);
    QTest::mouseClick(&key, Qt::LeftButton);
    QTest::mousePress(&key, Qt::RightButton);
    EXPECT_EQ(events.log, "") << "disabled keys raise no events";
}

TEST(LatchKey, CodeChangesStateWithoutAClick)
{
    LatchKey key("STBY");
    key.show();
    QSignalSpy clicks(&key, &QAbstractButton::clicked);
    QTest::mouseClick(&key, Qt::LeftButton);
    ASSERT_EQ(clicks.count(), 1);
    EXPECT_TRUE(clicks.at(0).at(0).toBool());
    EXPECT_TRUE(key.isPressed());

    key.setPressed(false);
    EXPECT_FALSE(key.isPressed());
    EXPECT_EQ(clicks.count(), 1);
}

} // namespace
} // namespace orvane
