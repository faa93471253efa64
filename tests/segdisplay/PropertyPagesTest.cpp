// The editing pages on a real display, driven as a user drives them: each change reaches the
// display at once through its setter, filling a page writes nothing back, Apply refreshes and
// Cancel puts the display back as it was.

#include "segdisplay/pages/PropertyPages.h"

#include "GlintarFixture.h"
#include "PageFakes.h"
#include "segdisplay/pages/PropertyPage.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTabWidget>
#include <QTest>

namespace glintar::test {
namespace {

class PropertyPagesTest : public GlintarTest {
protected:
    orvane::test::TempDir dir;
    FakeEnvironment fake{QString::fromStdString(dir.path.string())};
    std::unique_ptr<Glintar> display = frontPanel();
    std::unique_ptr<PropertyPages> pages =
        std::make_unique<PropertyPages>(display.get(), fake.environment);

    void SetUp() override { pages->show(); }

    template <class W> W* field(const char* page, const char* name)
    {
        pages->showPage(QLatin1String(page));
        auto* w = pages->page(QLatin1String(page))->findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(w) << page << "." << name;
        return w;
    }
    void choose(QComboBox* list, const QString& item)
    {
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Home);
        while (list->currentText() != item && list->currentIndex() < list->count() - 1)
            QTest::keyClick(list, Qt::Key_Down);
    }
    void type(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
    }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Clicks on the scroll bar's arrows: right (or down) for a positive count.
    void step(QScrollBar* bar, int steps)
    {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        const QRect arrow = bar->style()->subControlRect(
            QStyle::CC_ScrollBar, &option,
            steps > 0 ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine, bar);
        for (int i = 0; i < std::abs(steps); ++i)
            QTest::mouseClick(bar, Qt::LeftButton, {}, arrow.center());
    }
};

TEST_F(PropertyPagesTest, TheSevenPagesAreTabsInTheControlsOrder)
{
    QStringList captions;
    for (int i = 0; i < pages->tabs()->count(); ++i)
        captions << pages->tabs()->tabText(i);
    EXPECT_EQ(captions, (QStringList{"Varnok", "Library", "General", "Background", "Leds",
                                     "Captions", "Fonts"}));
}

TEST_F(PropertyPagesTest, FillingAPageWritesNothingBack)
{
    PropertyBag before;
    display->writeProperties(before);
    display->resetPaintCounters();
    for (const char* page : {"pageGeneral", "pageBackGround", "pageLed", "pageCaption", "pageFont"})
        pages->showPage(QLatin1String(page));
    PropertyBag after;
    display->writeProperties(after);
    EXPECT_EQ(after, before);
    EXPECT_EQ(display->paintCounters(), PaintCounters{});
    EXPECT_FALSE(pages->page("pageGeneral")->isChanged());
}

TEST_F(PropertyPagesTest, GeneralShowsTheDisplaysState)
{
    display->setValue(-7040.5);
    pages->showPage("pageLed"); // shown again: filled again
    EXPECT_EQ(field<QComboBox>("pageGeneral", "cmbMode")->currentText(), "1-Digital");
    EXPECT_EQ(field<QComboBox>("pageGeneral", "cmbLedType")->currentText(), "0-A");
    EXPECT_EQ(field<QScrollBar>("pageGeneral", "vscLedBitNum")->value(), 9);
    EXPECT_EQ(field<QLabel>("pageGeneral", "vscLedBitNumValue")->text(), "9");
    EXPECT_EQ(field<QLineEdit>("pageGeneral", "txtBlinkRate")->text(), "500");
    // The value with the page's decimals (0), its sign kept.
    EXPECT_EQ(field<QLineEdit>("pageGeneral", "txtAlpha")->text(), "-7041");
}

TEST_F(PropertyPagesTest, GeneralEditsTheDisplayLive)
{
    type(field<QLineEdit>("pageGeneral", "txtAlpha"), "14250000");
    EXPECT_EQ(display->value(), 14250000);
    type(field<QLineEdit>("pageGeneral", "txtAlpha"), "-");
    EXPECT_EQ(display->value(), 14250000); // not a number yet: the value stays

    step(field<QScrollBar>("pageGeneral", "vscDecimals"), 3);
    EXPECT_EQ(display->decimals(), 3);
    step(field<QScrollBar>("pageGeneral", "vscLedBitNum"), -2);
    EXPECT_EQ(display->ledBitNum(), 7);
    // On its box: the check box row is wider than the box and its text.
    auto* italic = field<QCheckBox>("pageGeneral", "chkItalic");
    QTest::mouseClick(italic, Qt::LeftButton, {}, QPoint(6, italic->height() / 2));
    EXPECT_TRUE(display->italic());
    type(field<QLineEdit>("pageGeneral", "txtBlinkRate"), "250");
    EXPECT_EQ(display->blinkRate(), 250);

    fake.script->colours = {0x0000FF, std::nullopt};
    click(field<QPushButton>("pageGeneral", "cmdOnColor"));
    EXPECT_EQ(display->ledOnColor(), 0x0000FFu);
    EXPECT_EQ(fake.script->colourStarts.last(), 4227072u);  // the chooser starts at the colour
    click(field<QPushButton>("pageGeneral", "cmdOnColor")); // cancelled
    EXPECT_EQ(display->ledOnColor(), 0x0000FFu);

    choose(field<QComboBox>("pageGeneral", "cmbMode"), "2-Alpha");
    EXPECT_EQ(display->mode(), Glintar::Mode::Alpha);
    // In alpha mode the same box is the text.
    EXPECT_EQ(field<QLineEdit>("pageGeneral", "txtAlpha")->text(), display->alphaText());
    type(field<QLineEdit>("pageGeneral", "txtAlpha"), "HELLO");
    EXPECT_EQ(display->alphaText(), "HELLO");
    EXPECT_TRUE(pages->page("pageGeneral")->isChanged());
}

TEST_F(PropertyPagesTest, FractionsGoThroughTheirTextBoxes)
{
    auto* size = field<QScrollBar>("pageLed", "vscSize");
    EXPECT_EQ(size->value(), 36);
    EXPECT_EQ(field<QLineEdit>("pageLed", "txtSize")->text(), "0.36");
    step(size, 14);
    EXPECT_EQ(field<QLineEdit>("pageLed", "txtSize")->text(), "0.50");
    EXPECT_DOUBLE_EQ(display->ledSize(), 0.5);

    type(field<QLineEdit>("pageLed", "txtY"), "0.125");
    EXPECT_DOUBLE_EQ(display->ledY(), 0.125);
    EXPECT_EQ(field<QScrollBar>("pageLed", "vscY")->value(), 13);
    type(field<QLineEdit>("pageLed", "txtSize"), "0");
    EXPECT_DOUBLE_EQ(display->ledSize(), 0.5); // the control refuses a size of 0

    step(field<QScrollBar>("pageLed", "vscDecimalXOffset"), -3);
    EXPECT_EQ(display->decimalXOffset(), -3);
}

TEST_F(PropertyPagesTest, CaptionsAreCountedChosenAndEdited)
{
    auto* count = field<QScrollBar>("pageCaption", "vscCaptionNum");
    EXPECT_FALSE(field<QLineEdit>("pageCaption", "txtCaption")->isEnabled());
    step(count, 2);
    ASSERT_EQ(display->captionNum(), 2);
    EXPECT_EQ(field<QLineEdit>("pageCaption", "txtCaption")->text(), "");

    step(field<QScrollBar>("pageCaption", "vscID"), 1);
    EXPECT_EQ(display->captionID(), 1);
    type(field<QLineEdit>("pageCaption", "txtCaption"), "MHz");
    step(field<QScrollBar>("pageCaption", "hscX"), 80);
    EXPECT_EQ(field<QLineEdit>("pageCaption", "txtX")->text(), "0.80");
    EXPECT_DOUBLE_EQ(display->captionX(), 0.8);
    fake.script->colours = {0x00C0C0};
    click(field<QPushButton>("pageCaption", "cmdCaptionColor"));
    EXPECT_EQ(display->captionColor(), 0x00C0C0u);
    EXPECT_EQ(display->captionText(), "MHz");

    display->setCaptionID(0);
    EXPECT_EQ(display->captionText(), "");

    // Beyond what the control takes: refused, and the page shows what the control kept.
    count->setFocus();
    count->setValue(150);
    EXPECT_EQ(display->captionNum(), 2);
    EXPECT_EQ(count->value(), 2);
}

TEST_F(PropertyPagesTest, FontsAreChosenWithTheFontDialog)
{
    step(field<QScrollBar>("pageFont", "vscFontNum"), 2);
    ASSERT_EQ(display->fontNum(), 3);
    step(field<QScrollBar>("pageFont", "vscFontID"), 2);
    EXPECT_EQ(display->fontID(), 2);

    QFont chosen(QStringLiteral("DejaVu Serif"), 16);
    chosen.setBold(true);
    fake.script->fonts = {chosen};
    click(field<QPushButton>("pageFont", "cmdFont"));
    EXPECT_EQ(display->fontSlot(), chosen);
    EXPECT_EQ(field<QLabel>("pageFont", "lblFont")->font(), chosen);
    EXPECT_EQ(field<QLabel>("pageFont", "lblFont")->text(), "Varnok");
    display->setFontID(0);
    EXPECT_EQ(display->fontSlot().family(), "Arial");
}

TEST_F(PropertyPagesTest, BackgroundTakesColoursLinesAndAPicture)
{
    choose(field<QComboBox>("pageBackGround", "cobOutLineStyle"), "2-Lowed");
    EXPECT_EQ(display->outLineStyle(), Glintar::LineStyle::Lowered);
    step(field<QScrollBar>("pageBackGround", "vscBorderWidth"), 4);
    EXPECT_EQ(display->borderWidth(), 4);
    fake.script->colours = {0x202020};
    click(field<QPushButton>("pageBackGround", "cmdBorderColor"));
    EXPECT_EQ(display->borderColor(), 0x202020u);

    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString file = QString::fromStdString((dir.path / "back.png").string());
    ASSERT_TRUE(picture.save(file));
    fake.script->files = {file, QString::fromStdString((dir.path / "notes.txt").string())};
    click(field<QPushButton>("pageBackGround", "cmdBackPicture"));
    EXPECT_EQ(display->backPicture().pixel(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(fake.script->fileFilters.last().first().pattern, "*.bmp;*.jpg;*.ico;*.gif;*.wmf");
    EXPECT_EQ(fake.script->fileFilters.last().size(), 6);

    // A file that is no picture: said so, and the picture stays.
    click(field<QPushButton>("pageBackGround", "cmdBackPicture"));
    EXPECT_EQ(fake.messages->shown.size(), 1);
    EXPECT_FALSE(display->backPicture().isNull());
}

TEST_F(PropertyPagesTest, ApplyRefreshesAndCancelPutsTheDisplayBack)
{
    PropertyBag opened;
    display->writeProperties(opened);
    QSignalSpy told(display.get(), &Glintar::propertyChanged);
    auto* apply = pages->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Apply);
    EXPECT_FALSE(apply->isEnabled());

    step(field<QScrollBar>("pageLed", "vscHSpace"), 4);
    EXPECT_TRUE(apply->isEnabled());
    click(apply);
    ASSERT_EQ(told.count(), 1);
    EXPECT_EQ(told.first().first().toString(), QString()); // every property may have changed
    EXPECT_FALSE(apply->isEnabled());

    PropertyBag applied;
    display->writeProperties(applied);
    step(field<QScrollBar>("pageLed", "vscHSpace"), 4);
    EXPECT_EQ(display->hSpace(), 14);
    pages->reject();
    PropertyBag cancelled;
    display->writeProperties(cancelled);
    EXPECT_EQ(cancelled, applied);
    EXPECT_NE(cancelled, opened);
}

} // namespace
} // namespace glintar::test
