#include "bands/HelpForm.h"

#include "bands/AboutBox.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPointer>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace orvane {
namespace {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int helpWindows(const QWidget& parent)
{
    return static_cast<int>(parent.findChildren<HelpForm*>().size());
}

TEST(HelpForm, OpensOnceHoweverOftenItIsAskedFor)
{
    QWidget mainWindow;
    QPointer<HelpForm> help = HelpForm::showManual(&mainWindow);
    ASSERT_TRUE(help);
    EXPECT_EQ(HelpForm::showManual(&mainWindow), help);
    EXPECT_EQ(helpWindows(mainWindow), 1);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->windowTitle(), "Orvane Help");
    EXPECT_FALSE(help->windowFlags() & Qt::WindowMinimizeButtonHint);

    // Scrolled down, closed: the next opening is a new window at the top of the manual.
    QScrollBar* scroll = help->richTextBox()->verticalScrollBar();
    ASSERT_GT(scroll->maximum(), 0) << "the manual is longer than the window";
    scroll->setValue(scroll->maximum());
    help->close();
    settle();
    EXPECT_FALSE(help);
    EXPECT_EQ(helpWindows(mainWindow), 0);

    HelpForm* again = HelpForm::showManual(&mainWindow);
    EXPECT_EQ(helpWindows(mainWindow), 1);
    EXPECT_EQ(again->richTextBox()->verticalScrollBar()->value(), 0);
}

TEST(HelpForm, WithoutAParentItIsStillOneWindow)
{
    QPointer<HelpForm> help = HelpForm::showManual(nullptr);
    EXPECT_EQ(HelpForm::showManual(nullptr), help);
    help->close();
    settle();
    EXPECT_FALSE(help);
}

// The headings of the manual in their order, with the colour each must carry.
TEST(HelpForm, ManualHasItsSectionsInOrderWithTheirColours)
{
    QWidget mainWindow;
    const QTextDocument* manual = HelpForm::showManual(&mainWindow)->richTextBox()->document();

    const QString blue = "#0000ff";
    const QString red = "#ff0000";
    const std::vector<std::pair<QString, QString>> expected = {
        {"ORVANE HELP", blue},
        {"THE INTERFACE", blue},
        {"ACCESS TO THE PORT", red},
        {"TRYING ORVANE WITHOUT HARDWARE", red},
        {"CONFIGURING ORVANE", blue},
        {"THE MENUS", red},
        {"AUTOHIDE", red},
        {"PORT", red},
        {"DDS CHIP", red},
        {"REF OSC FREQUENCY", red},
        {"OUTPUT MODE", red},
        {"BANDS", red},
        {"PWR KEY", red},
        {"STBY KEY", red},
        {"SCAN MEM KEY", red},
        {"SWP KEY", red},
        {"THE KEYPAD", red},
        {"ENTER KEY", red},
        {"STEP KEY", red},
        {"M>V KEY", red},
        {"V>M KEY", red},
        {"ADDITIONAL HELP", red},
    };

    std::vector<std::pair<QString, QString>> headings;
    QFont body;
    bool bodySeen = false;
    for (QTextBlock block = manual->begin(); block.isValid(); block = block.next()) {
        const QTextCharFormat format = block.begin().fragment().charFormat();
        if (block.blockFormat().headingLevel() > 0) {
            EXPECT_EQ(format.fontWeight(), QFont::Bold) << block.text().toStdString();
            headings.emplace_back(block.text(), format.foreground().color().name());
        } else if (!bodySeen && !block.text().isEmpty()) {
            body = format.font();
            bodySeen = true;
        }
    }
    EXPECT_EQ(headings, expected);

    ASSERT_TRUE(bodySeen);
    EXPECT_EQ(body.pointSizeF(), 12.0);
    // Times New Roman where it is installed, else the system's nearest serif face.
    EXPECT_EQ(body.families().value(0), "Times New Roman");
    EXPECT_EQ(body.families().value(body.families().size() - 1), "serif");
}

TEST(HelpForm, ManualTellsHowToWireReachAndTryTheCard)
{
    const QString text = [] {
        QTextDocument document;
        document.setHtml(manualHtml());
        return document.toPlainText();
    }();
    for (const char* needed :
         {"serial data", "W_CLK", "FQ_UD", "D3 to D6", "18 to 25", "control bit 0 (inverted)",
          "sudo adduser $USER lp", "log in again", "ORVANE_PORTIO=sim orvane", "auto", "ppdev",
          "direct", "AD9850", "AD9851", "~/.local/share/Orvane/"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(needed))) << needed;
}

TEST(AboutBox, CarriesTheVersionLineAndOnlyOk)
{
    const auto box = makeAboutBox(nullptr);
    EXPECT_EQ(box->windowTitle(), "Orvane V2.4.1");
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_FALSE(box->text().isEmpty());
    EXPECT_FALSE(box->text().contains('\n')) << "a one-line notice";
}

} // namespace
} // namespace orvane
