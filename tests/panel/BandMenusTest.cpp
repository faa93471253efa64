#include "PanelFixture.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <fstream>
#include <iterator>

namespace orvane::test {
namespace {

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class Bands : public PanelTest {
protected:
    void SetUp() override
    {
        writeBand(1, bandRecord(1, "160m", 1800000, 2000000));
        writeBand(3, bandRecord(3, "40m Band", 7000000, 7300000, -455000, -15));
        writeBand(6, bandRecord(6, "zero start", 0, 100000)); // absent: StartFreq is not above 0
        // A record saved from slot 5 and copied into slot 7's file.
        writeBand(7, bandRecord(5, "copied", 14000000, 14350000));
    }
};

TEST_F(Bands, MenusShowPresentBandsByNameAndAbsentOnesByNumber)
{
    start();
    BandMenus& menus = *p().bandMenus;
    for (int n : {1, 3, 7}) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(menus.newItem(n)->isEnabled());
        for (QAction* item : {menus.loadItem(n), menus.editItem(n), menus.deleteItem(n)})
            EXPECT_TRUE(item->isEnabled());
    }
    EXPECT_EQ(menus.loadItem(3)->text(), "40m Band            ") << "the stored 20 characters";
    for (int n : {2, 6, 15}) {
        SCOPED_TRACE(n);
        EXPECT_TRUE(menus.newItem(n)->isEnabled());
        EXPECT_FALSE(menus.loadItem(n)->isEnabled());
        EXPECT_EQ(menus.deleteItem(n)->text(), QStringLiteral("Band #%1").arg(n));
    }
    EXPECT_EQ(menus.loadItem(3)->objectName(), "mnuLoadProj3");
    EXPECT_EQ(menus.deleteItem(15)->objectName(), "mnuDelete15");
}

TEST_F(Bands, LoadTakesTheStoredNumberAndTheSlotsBandLines)
{
    start();
    p().bandMenus->loadItem(7)->trigger();
    EXPECT_EQ(p().band.activeBand, 5);
    EXPECT_EQ(p().link.bandCode(), 56);
    EXPECT_EQ(display(), 14000000);
    EXPECT_EQ(p().windowTitle(), "copied              ");
    EXPECT_EQ(card().bandLines(), 7) << "sent at once, also with the panel off";
    EXPECT_EQ(p().band.sweepEnd, 14350000);
}

TEST_F(Bands, ActivationWritesTheSignedOffsetAndTheViewShowsItsSize)
{
    writeSetting("App_Number", "3");
    start();
    EXPECT_EQ(p().offsetBox->text(), "Offset -455,000 Hz");
    switchOn();
    p().mnuViewOffset->trigger();
    EXPECT_TRUE(p().offsetBox->isVisible());
    EXPECT_EQ(p().offsetBox->text(), "Offset = 455,000 Hz");
    p().mnuViewOffset->trigger();
    EXPECT_FALSE(p().offsetBox->isVisible());

    p().bandMenus->loadItem(1)->trigger();
    EXPECT_EQ(p().offsetBox->text(), "Offset 0 Hz");
    p().mnuViewOffset->trigger();
    EXPECT_EQ(p().offsetBox->text(), "Offset = 0 Hz");
    click(p().pwrButton);
    EXPECT_FALSE(p().mnuViewOffset->isChecked());
    EXPECT_FALSE(p().mnuViewOffset->isEnabled());
    EXPECT_FALSE(p().offsetBox->isVisible());
}

TEST_F(Bands, DeleteAsksAndOnlyOkEmptiesTheFile)
{
    writeSetting("App_Number", "3");
    start();
    const auto before = fileBytes(bandFilePath(bandFolder(), 3));

    p().bandMenus->deleteItem(3)->trigger(); // the box is closed: Cancel
    EXPECT_EQ(system.questions, QStringList{"Delete This Band: Delete Band 3?"});
    EXPECT_EQ(fileBytes(bandFilePath(bandFolder(), 3)), before);

    system.answers.push_back(SystemServices::Answer::Ok);
    p().bandMenus->deleteItem(3)->trigger();
    const BandRecord empty = encodeBandRecord(BandConfig{});
    EXPECT_EQ(fileBytes(bandFilePath(bandFolder(), 3)),
              std::vector<std::uint8_t>(empty.begin(), empty.end()));
    EXPECT_EQ(p().bandMenus->loadItem(3)->text(), "Band #3");
    EXPECT_TRUE(p().bandMenus->newItem(3)->isEnabled());
    EXPECT_EQ(system.beeps, 2);
    EXPECT_EQ(p().band.activeBand, 3) << "the panel stays on the deleted band";
}

TEST_F(Bands, StoringAMemoryCellWritesTheActiveBandsFile)
{
    writeSetting("App_Number", "3");
    writeSetting("Last_Frequency", "7074000.4");
    start();
    p().state.memoryWriteMode = true;
    p().state.memWriteIndex = 20;
    p().bandMenus->storeMemoryCell();
    EXPECT_FALSE(p().state.memoryWriteMode);
    EXPECT_EQ(readBandFile(bandFilePath(bandFolder(), 3)).memCell(20), 7074000);
}

TEST_F(Bands, EditSaveOfAnotherBandMakesItActiveAndSendsItsStartOnTheOldBandLines)
{
    writeSetting("App_Number", "3");
    start();
    switchOn();
    takeWrites();
    p().bandMenus->editItem(1)->trigger();
    auto* dialog = p().findChild<QWidget*>("EditApp");
    ASSERT_NE(dialog, nullptr);
    auto* start = dialog->findChild<QLineEdit*>("Text2");
    start->selectAll();
    QTest::keyClicks(start, "1810000");
    click(dialog->findChild<QPushButton*>("AppConfigDone"));

    EXPECT_EQ(display(), 1810000);
    EXPECT_EQ(p().band.activeBand, 1);
    EXPECT_EQ(p().band.bandStart, 1810000);
    EXPECT_EQ(p().windowTitle(), "160m                ");
    EXPECT_EQ(takeWrites().size(), 124u);
    EXPECT_EQ(card().tuningWord(), 77738908u) << "1.81 MHz from a 100 MHz clock";
    EXPECT_EQ(card().bandLines(), 3) << "the band lines keep the previous band's code";
    EXPECT_EQ(readBandFile(bandFilePath(bandFolder(), 1)).startFreq, 1810000);
}

TEST_F(Bands, DecimalSeparatorsFollowTheValuesSize)
{
    struct Case {
        double value;
        std::optional<bool> thousands, millions; // nullopt: left as they were
    };
    const Case cases[] = {
        {0, false, false},           {999, false, false},       {1000, true, false},
        {999999, true, false},       {1000000, true, true},     {999999999, true, true},
        {-1, std::nullopt, std::nullopt}, {1e9, std::nullopt, std::nullopt},
        {999.5, std::nullopt, std::nullopt}, {999999.5, std::nullopt, std::nullopt},
    };
    start();
    for (const Case& c : cases) {
        for (bool shownBefore : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.value << (shownBefore ? " shown" : " hidden"));
            p().commaBox[0]->setVisible(shownBefore);
            p().commaBox[1]->setVisible(shownBefore);
            p().setDisplayValue(c.value);
            p().displayRegister->setDecPoint();
            EXPECT_EQ(p().commaBox[0]->isVisible(), c.thousands.value_or(shownBefore));
            EXPECT_EQ(p().commaBox[1]->isVisible(), c.millions.value_or(shownBefore));
        }
    }
}

} // namespace
} // namespace orvane::test
