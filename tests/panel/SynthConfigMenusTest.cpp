#include "panel/SynthConfigMenus.h"

#include "bands/SettingsKeys.h"
#include "bands/SettingsStore.h"
#include "panel/ReferenceOscillatorDialog.h"
#include "synth/DoTheMath.h"
#include "synth/portio/RecordingPortIo.h"
#include "tests/support/TempDir.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace orvane
{
namespace
{

namespace keys = settings_keys;

// The front panel's side of the menus: a window, its Program menu, the configuration the port
// link reads, and a resend that loads the displayed frequency as the panel will.
struct Panel {
    Panel(SettingsStore& store, bool restore = true)
    {
        menus = new SynthConfigMenus(window, *program, store, config, [this] {
            sent.push_back(
                doTheMath(calcVfoFreq(displayHz, bandOffset, bandCorrection), config, link));
        });
        if (restore)
            menus->restore();
    }

    QAction* item(const char* name) const
    {
        auto* action = window.findChild<QAction*>(QString::fromLatin1(name));
        if (!action)
            ADD_FAILURE() << "no menu item " << name;
        return action;
    }
    ReferenceOscillatorDialog& dialog() const { return menus->referenceOscillatorDialog(); }
    template <typename Widget> Widget* control(const char* name) const
    {
        auto* widget = dialog().findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            ADD_FAILURE() << "no control " << name;
        return widget;
    }
    void typeCrystal(const QString& text) const
    {
        auto* box = control<QLineEdit>("RefOscTextBox");
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    void click(const char* name) const
    {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }

    QWidget window;
    QMenu* program = new QMenu(QStringLiteral("&Program"), &window);
    SynthConfig config;
    RecordingPortIo io;
    PortLink link{io, config};
    double displayHz = 14200000;
    std::int32_t bandOffset = 0;
    std::int32_t bandCorrection = 0;
    std::vector<LoadResult> sent;
    SynthConfigMenus* menus = nullptr; // owned by the window
};

class SynthConfigMenusTest : public testing::Test
{
protected:
    std::string stored(std::string_view key) const
    {
        return SettingsStore(file, {}).read(key).value_or("<absent>");
    }
    std::string fileText() const
    {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    test::TempDir dir;
    std::filesystem::path file = dir.path / "Orvane" / "Orvane.conf";
    SettingsStore store{file, {}};
};

TEST_F(SynthConfigMenusTest, TheGroupsCarryTheirNamesAndCaptions)
{
    Panel panel(store, false);
    QStringList groups;
    for (QAction* a : panel.program->actions())
        groups << a->objectName() + "=" + a->text();
    EXPECT_EQ(groups.join(", ").toStdString(),
              "mnuSetPort=&Port, mnuPgmChipType=&DDS Chip, mnuPgmOscFreq=&Ref Osc Frequency, "
              "mnuSetMode=&Output Mode");

    const std::pair<const char*, const char*> items[] = {
        {"mnuSetLpt1", "LPT1"},
        {"mnuSetLpt2", "LPT2"},
        {"mnuSetLpt3", "LPT3"},
        {"mnuSet9850", "AD9850"},
        {"mnuSet9851", "AD9851"},
        {"mnuPgmStandardFreq", "&Standard Frequency"},
        {"mnuPgmCustFreq", "&Custom Frequency"},
        {"mnuSetX1", "X1"},
        {"mnuSetX2", "X2"},
        {"mnuSetX4", "X4"}};
    for (const auto& [name, caption] : items)
        EXPECT_EQ(panel.item(name)->text().toStdString(), caption);
    // As designed, before the restore: no port and no output mode chosen.
    for (const char* name :
         {"mnuSetLpt1", "mnuSetLpt2", "mnuSetLpt3", "mnuSetX1", "mnuSetX2", "mnuSetX4"})
        EXPECT_FALSE(panel.item(name)->isChecked()) << name;
}

TEST_F(SynthConfigMenusTest, AnEmptyStoreStartsOnLpt1WithTheAD9850At100MHz)
{
    Panel panel(store);
    for (const char* name : {"mnuSetLpt1", "mnuSetX1", "mnuSet9850", "mnuPgmStandardFreq"})
        EXPECT_TRUE(panel.item(name)->isChecked()) << name;
    for (const char* name :
         {"mnuSetLpt2", "mnuSetLpt3", "mnuSetX2", "mnuSetX4", "mnuSet9851", "mnuPgmCustFreq"})
        EXPECT_FALSE(panel.item(name)->isChecked()) << name;
    EXPECT_EQ(panel.item("mnuPgmStandardFreq")->text(), "Standard 100 mHz");
    EXPECT_EQ(panel.item("mnuPgmCustFreq")->text(), "Custom Frequency");
    EXPECT_EQ(panel.config, SynthConfig{});
    EXPECT_TRUE(panel.sent.empty());
    EXPECT_FALSE(std::filesystem::exists(file)); // reading writes nothing
}

TEST_F(SynthConfigMenusTest, PortAndOutputModeAreSavedAtOnceAndSendNothing)
{
    Panel panel(store);
    panel.item("mnuSetLpt2")->trigger();
    EXPECT_EQ(stored(keys::kBaseAddress), "632");
    EXPECT_EQ(panel.config.portBase, 632);
    panel.item("mnuSetLpt2")->trigger(); // choosing the checked item again keeps it checked
    EXPECT_TRUE(panel.item("mnuSetLpt2")->isChecked());
    EXPECT_FALSE(panel.item("mnuSetLpt1")->isChecked());

    panel.item("mnuSetX4")->trigger();
    EXPECT_EQ(stored(keys::kMultiplier), "4");
    EXPECT_EQ(panel.config.outputMultiplier, 4);
    EXPECT_TRUE(panel.item("mnuSetX4")->isChecked());
    EXPECT_FALSE(panel.item("mnuSetX1")->isChecked());

    EXPECT_TRUE(panel.sent.empty());
    EXPECT_TRUE(panel.io.writes.empty());
}

TEST_F(SynthConfigMenusTest, ChipItemsSaveTheChipAndClockAndResendWithTheNewClock)
{
    Panel panel(store);
    panel.item("mnuSet9851")->trigger();
    EXPECT_EQ(stored(keys::kClockFreq), "180");
    EXPECT_EQ(stored("9850_checked"), "False");
    EXPECT_EQ(fileText(), "[StartUp]\nClock_Freq=180\n9850_Checked=False\n");
    ASSERT_EQ(panel.sent.size(), 1u);
    EXPECT_EQ(panel.sent[0].tuningWord, 338825197);
    EXPECT_EQ(panel.sent[0].serialLoadWord, "0000000100010100001100100000111111101101");
    EXPECT_EQ(panel.item("mnuPgmStandardFreq")->text(), "Standard 30 mHz");
    EXPECT_TRUE(panel.item("mnuSet9851")->isChecked());
    EXPECT_FALSE(panel.item("mnuSet9850")->isChecked());
    EXPECT_TRUE(panel.control<QRadioButton>("PLL6")->isChecked());
    EXPECT_TRUE(panel.control<QRadioButton>("PLL1")->isEnabled());

    panel.item("mnuSet9850")->trigger();
    EXPECT_EQ(stored(keys::kClockFreq), "100");
    EXPECT_EQ(stored(keys::k9850Checked), "True");
    EXPECT_EQ(panel.sent.size(), 2u);
    EXPECT_EQ(panel.config.controlPrefix, kPrefixAllZero);

    // A restart finds the chip saved under one key whatever its case.
    Panel restarted(store);
    EXPECT_TRUE(restarted.item("mnuSet9850")->isChecked());
}

TEST_F(SynthConfigMenusTest, ACustomCrystalWithX6IsSavedAndResent)
{
    Panel panel(store);
    panel.item("mnuSet9851")->trigger();
    panel.item("mnuPgmCustFreq")->trigger();
    ASSERT_TRUE(panel.dialog().isVisible());
    EXPECT_FALSE(panel.dialog().isModal());
    EXPECT_EQ(panel.dialog().focusWidget(), panel.control<QLineEdit>("RefOscTextBox"));
    EXPECT_EQ(panel.control<QLineEdit>("RefOscTextBox")->text(), "30"); // 180 / 6
    EXPECT_TRUE(panel.control<QRadioButton>("PLL6")->isChecked());

    panel.bandOffset = -9000000; // the panel's resend mirrors below the offset, as CalcVfoFreq
    panel.bandCorrection = -150;
    panel.displayHz = 5000000;
    panel.typeCrystal("30");
    panel.click("RefOscButton");

    EXPECT_FALSE(panel.dialog().isVisible());
    EXPECT_EQ(stored(keys::kClockFreq), "180");
    EXPECT_EQ(stored(keys::kPllOn), "True");
    EXPECT_EQ(stored(keys::kCustomFreqFlag), "True");
    EXPECT_EQ(panel.item("mnuPgmCustFreq")->text(), "Custom 30 mHz");
    EXPECT_TRUE(panel.item("mnuPgmCustFreq")->isChecked());
    EXPECT_FALSE(panel.item("mnuPgmStandardFreq")->isChecked());
    ASSERT_EQ(panel.sent.size(), 2u);
    EXPECT_EQ(panel.sent[1].tuningWord, 95447296);
    EXPECT_EQ(panel.sent[1].serialLoadWord, "0000000100000101101100000110100100000000");
}

TEST_F(SynthConfigMenusTest, ACustomCrystalWithX1DrivesTheChipDirectlyAfterARestartToo)
{
    {
        Panel panel(store);
        panel.item("mnuSet9851")->trigger();
        panel.item("mnuPgmCustFreq")->trigger();
        panel.click("PLL1");
        panel.typeCrystal("30");
        panel.click("RefOscButton");
        EXPECT_EQ(panel.config.refClockMHz, 30.0f);
        EXPECT_EQ(panel.config.controlPrefix, kPrefixAllZero);
        EXPECT_EQ(stored(keys::kClockFreq), "30");
        EXPECT_EQ(stored(keys::kPllOn), "False");
    }
    Panel restarted(store);
    EXPECT_EQ(restarted.config.refClockMHz, 30.0f);
    EXPECT_EQ(restarted.config.controlPrefix, kPrefixAllZero);
    EXPECT_EQ(restarted.item("mnuPgmCustFreq")->text(), "Custom 30 mHz");
    EXPECT_TRUE(restarted.item("mnuPgmCustFreq")->isChecked());
    EXPECT_EQ(restarted.control<QLineEdit>("RefOscTextBox")->text(), "30");
    EXPECT_TRUE(restarted.control<QRadioButton>("PLL1")->isChecked());
    EXPECT_TRUE(restarted.sent.empty());
}

TEST_F(SynthConfigMenusTest, ATypedUnitAndLeadingBlankAreTakenAndShownAsTyped)
{
    Panel panel(store);
    panel.item("mnuPgmCustFreq")->trigger();
    EXPECT_FALSE(panel.control<QRadioButton>("PLL6")->isEnabled());
    EXPECT_EQ(panel.control<QLineEdit>("RefOscTextBox")->text(), "100");
    panel.typeCrystal(" 125.5 MHz");
    panel.click("RefOscButton");
    EXPECT_EQ(panel.config.refClockMHz, 125.5f);
    EXPECT_EQ(stored(keys::kClockFreq), "125.5");
    EXPECT_EQ(stored(keys::kPllOn), "<absent>"); // only saved for the AD9851
    EXPECT_EQ(panel.item("mnuPgmCustFreq")->text(), "Custom  125.5 MHz mHz");

    // Back to the standard clock: the flag is cleared and saved.
    panel.item("mnuPgmStandardFreq")->trigger();
    EXPECT_EQ(stored(keys::kClockFreq), "100");
    EXPECT_EQ(stored(keys::kCustomFreqFlag), "False");
    EXPECT_EQ(panel.item("mnuPgmCustFreq")->text(), "Custom Frequency");
    EXPECT_EQ(panel.sent.size(), 2u);
}

TEST_F(SynthConfigMenusTest, ACrystalFrequencyOfZeroOrNoNumberIsRefusedInTheDialog)
{
    Panel panel(store);
    panel.item("mnuSet9851")->trigger();
    const std::string fileBefore = fileText();
    const SynthConfig configBefore = panel.config;
    panel.item("mnuPgmCustFreq")->trigger();
    auto* refusal = panel.control<QLabel>("RefOscRefusal");
    for (const char* typed : {"", "abc", "0", "-30", " 0.0 MHz"}) {
        panel.typeCrystal(QString::fromLatin1(typed));
        panel.click("RefOscButton");
        EXPECT_TRUE(panel.dialog().isVisible()) << typed;
        EXPECT_TRUE(refusal->isVisible()) << typed;
        EXPECT_EQ(refusal->text(), "Enter a crystal frequency above 0 MHz.");
        EXPECT_EQ(panel.dialog().focusWidget(), panel.control<QLineEdit>("RefOscTextBox"));
    }
    EXPECT_EQ(fileText(), fileBefore);
    EXPECT_EQ(panel.config, configBefore);
    EXPECT_EQ(panel.sent.size(), 1u); // the chip change only
    EXPECT_EQ(panel.item("mnuPgmCustFreq")->text(), "Custom Frequency");
    EXPECT_TRUE(panel.item("mnuPgmStandardFreq")->isChecked());

    // Typing again takes the message away; a usable frequency is then saved.
    QTest::keyClicks(panel.control<QLineEdit>("RefOscTextBox"), "2");
    EXPECT_FALSE(refusal->isVisible());
    panel.click("RefOscButton");
    EXPECT_FALSE(panel.dialog().isVisible());
    // The refused text was selected, so the 2 replaced it: a 2 MHz crystal with X6.
    EXPECT_EQ(stored(keys::kClockFreq), "12");
}

TEST_F(SynthConfigMenusTest, CancelChangesNothing)
{
    Panel panel(store);
    panel.item("mnuSet9851")->trigger();
    const std::string fileBefore = fileText();
    panel.item("mnuPgmCustFreq")->trigger();
    panel.typeCrystal("50");
    panel.click("PLL1");
    panel.click("RefOscCancel");
    EXPECT_FALSE(panel.dialog().isVisible());
    EXPECT_EQ(fileText(), fileBefore);
    EXPECT_EQ(panel.config.refClockMHz, 180.0f);
    EXPECT_EQ(panel.sent.size(), 1u);

    panel.item("mnuPgmCustFreq")->trigger();
    EXPECT_EQ(panel.control<QLineEdit>("RefOscTextBox")->text(), "30");
    EXPECT_TRUE(panel.control<QRadioButton>("PLL6")->isChecked());
}

TEST_F(SynthConfigMenusTest, TheDialogIsLaidOutInTwipsAndCentred)
{
    Panel panel(store);
    ReferenceOscillatorDialog& form2 = panel.dialog();
    EXPECT_EQ(form2.objectName(), "Form2");
    EXPECT_EQ(form2.windowTitle(), "Reference Oscillator");
    EXPECT_EQ(form2.size(), QSize(314, 137));
    EXPECT_EQ(form2.minimumSize(), form2.maximumSize());
    EXPECT_FALSE(form2.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form2.windowFlags() & Qt::WindowMaximizeButtonHint);

    struct Control {
        const char* name;
        QRect twips;
        const char* text;
        bool boldTwelvePoint;
    };
    const Control controls[] = {{"Label1", {240, 430, 1935, 420}, " Xtal Frequency", true},
                                {"RefOscTextBox", {2280, 360, 1455, 495}, " ", true},
                                {"PLL1", {3840, 240, 600, 405}, "X1", false},
                                {"PLL6", {3840, 720, 600, 400}, "X6", false},
                                {"RefOscCancel", {480, 1200, 1455, 495}, "Cancel", false},
                                {"RefOscButton", {2760, 1200, 1455, 495}, "Save", false}};
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        auto* widget = panel.control<QWidget>(c.name);
        const QRect& t = c.twips;
        EXPECT_EQ(widget->geometry(), QRect(qRound(t.x() / 15.0), qRound(t.y() / 15.0),
                                            qRound(t.width() / 15.0), qRound(t.height() / 15.0)));
        EXPECT_EQ(widget->property("text").toString(), c.text);
        EXPECT_EQ(widget->font().bold() && widget->font().pointSize() == 12, c.boldTwelvePoint);
    }

    const QPoint screenCentre = QGuiApplication::primaryScreen()->availableGeometry().center();
    EXPECT_LE((form2.geometry().center() - screenCentre).manhattanLength(), 2);
}

} // namespace
} // namespace orvane
