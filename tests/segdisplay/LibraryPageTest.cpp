// The Library page as a user works it: the list, a double-click to apply a style, Add, Modify,
// Delete, Export and Import, with the questions answered and the messages read.

#include "GlintarFixture.h"
#include "PageFakes.h"
#include "segdisplay/StyleSnapshot.h"
#include "segdisplay/pages/PageLibrary.h"
#include "segdisplay/pages/PropertyPages.h"
#include "segdisplay/styles/StyleLibrary.h"
#include "tests/support/TempDir.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <iterator>

namespace glintar::test {
namespace {

std::string contents(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class LibraryPageTest : public GlintarTest {
protected:
    orvane::test::TempDir dir;
    FakeEnvironment fake{QString::fromStdString(dir.path.string())};
    std::unique_ptr<Glintar> display = frontPanel();
    std::unique_ptr<PropertyPages> pages;

    std::filesystem::path libraryFile() const { return dir.path / "Glintar.varnok"; }
    QString libraryPath() const { return QString::fromStdString(libraryFile().string()); }

    // Opens the property pages on the Library page, as the host does.
    void open()
    {
        pages = std::make_unique<PropertyPages>(display.get(), fake.environment);
        pages->show();
        pages->showPage(QStringLiteral("pageLibrary"));
    }

    template <class W> W* field(const char* name)
    {
        auto* w = pages->findChild<W*>(QLatin1String(name));
        EXPECT_TRUE(w) << name;
        return w;
    }
    QListWidget* list() { return field<QListWidget>("lstLibrary"); }
    QStringList listed()
    {
        QStringList names;
        for (int i = 0; i < list()->count(); ++i)
            names << list()->item(i)->text();
        return names;
    }
    void click(const char* button)
    {
        QTest::mouseClick(field<QPushButton>(button), Qt::LeftButton);
    }
    void describe(const QString& description, const QString& notes = {})
    {
        auto* box = field<QLineEdit>("txtDescription");
        box->clear();
        QTest::keyClicks(box, description);
        field<QPlainTextEdit>("txtNotes")->setPlainText(notes);
    }
    void doubleClick(int row)
    {
        QListWidgetItem* item = list()->item(row);
        list()->setCurrentItem(item);
        const QPoint at = list()->visualItemRect(item).center();
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, at);
    }
    // Adds the display as it is now under `description`, answering Yes to creating the library.
    void add(const QString& description, const QString& notes = {})
    {
        describe(description, notes);
        if (!std::filesystem::exists(libraryFile()))
            fake.messages->answers.push_back(true);
        click("cmdAdd");
    }

    styles::StyleLibrary library() const { return styles::StyleLibrary(dir.path); }
};

TEST_F(LibraryPageTest, WithoutALibraryTheListIsEmptyAndAddAsksToCreateIt)
{
    open();
    EXPECT_EQ(list()->count(), 0);

    describe(QStringLiteral("Green"));
    fake.messages->answers.push_back(false);
    click("cmdAdd");
    EXPECT_EQ(fake.messages->asked,
              QStringList{QStringLiteral("Create?: ") + libraryPath() +
                          QStringLiteral(" does not exist \nAre you sure to create it?")});
    EXPECT_FALSE(std::filesystem::exists(libraryFile()));
    EXPECT_EQ(list()->count(), 0);

    fake.messages->answers.push_back(true);
    click("cmdAdd");
    const auto expected = takeSnapshot(*display, QStringLiteral("Green"), QString());
    EXPECT_EQ(contents(libraryFile()), styles::fileHeader() + styles::encodeRecord(expected));
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Green")});
}

TEST_F(LibraryPageTest, AnEmptyDescriptionBlocksAddModifyAndExport)
{
    open();
    add(QStringLiteral("Green"));
    const std::string before = contents(libraryFile());
    describe(QString());
    fake.messages->shown.clear();

    click("cmdAdd");
    list()->setCurrentRow(0);
    fake.messages->answers.push_back(true); // Modify? Yes
    click("cmdModify");
    fake.script->files.push_back(QString::fromStdString((dir.path / "out.varnok").string()));
    click("cmdExport");

    const QString warning = QStringLiteral("Warning: The description field can not be empty!");
    EXPECT_EQ(fake.messages->shown, (QStringList{warning, warning, warning}));
    EXPECT_EQ(contents(libraryFile()), before);
    EXPECT_FALSE(std::filesystem::exists(dir.path / "out.varnok"));
    EXPECT_EQ(pages->focusWidget(), field<QLineEdit>("txtDescription"));
}

TEST_F(LibraryPageTest, ReopeningListsTheStylesInFileOrderAndSelectsTheFirst)
{
    open();
    add(QStringLiteral("Red"));
    add(QStringLiteral("Green"));
    add(QStringLiteral("Red"));
    pages.reset();
    open();
    EXPECT_EQ(listed(), (QStringList{"Red", "Green", "Red"}));
    EXPECT_EQ(list()->currentRow(), 0);
}

TEST_F(LibraryPageTest, DeletingTheMiddleOfThreeShrinksTheFileByThatRecord)
{
    open();
    add(QStringLiteral("Red"));
    display->setLedOnColor(0x00FF00);
    add(QStringLiteral("Green"), QStringLiteral("a longer note than the others have"));
    add(QStringLiteral("Blue"));
    const auto before = library().read().styles;
    const std::size_t size = contents(libraryFile()).size();

    list()->setCurrentRow(1);
    fake.messages->answers.push_back(false);
    click("cmdDelete");
    EXPECT_EQ(listed(), (QStringList{"Red", "Green", "Blue"}));

    describe(QStringLiteral("Green"), QStringLiteral("notes"));
    fake.messages->answers.push_back(true);
    click("cmdDelete");
    EXPECT_EQ(fake.messages->asked.last(),
              QStringLiteral("Delete?: Are you sure to delete this item?"));
    EXPECT_EQ(listed(), (QStringList{"Red", "Blue"}));
    EXPECT_EQ(contents(libraryFile()).size(), size - before[1].bytes.size());
    EXPECT_EQ(contents(libraryFile()), styles::fileHeader() + before[0].bytes + before[2].bytes);
    EXPECT_TRUE(field<QLineEdit>("txtDescription")->text().isEmpty());
    EXPECT_TRUE(field<QPlainTextEdit>("txtNotes")->toPlainText().isEmpty());
}

TEST_F(LibraryPageTest, ModifyOfTheFirstKeepsTheOthersByteForByte)
{
    open();
    add(QStringLiteral("Red"));
    add(QStringLiteral("Green"));
    add(QStringLiteral("Blue"));
    const auto before = library().read().styles;

    list()->setCurrentRow(0);
    display->setLedOnColor(0x0000FF);
    describe(QStringLiteral("Crimson"), QStringLiteral("brighter"));
    fake.messages->answers.push_back(false);
    click("cmdModify");
    EXPECT_EQ(fake.messages->asked.last(),
              QStringLiteral("Modify?: Are you sure to modify this item?"));
    EXPECT_EQ(library().read().styles[0].bytes, before[0].bytes);

    fake.messages->answers.push_back(true);
    click("cmdModify");
    const auto after = library().read().styles;
    ASSERT_EQ(after.size(), 3u);
    EXPECT_EQ(after[0].record.description, "Crimson");
    EXPECT_EQ(after[0].record.notes, "brighter");
    EXPECT_EQ(after[0].record.ledOnColor, 0x0000FF);
    EXPECT_EQ(after[1].bytes, before[1].bytes);
    EXPECT_EQ(after[2].bytes, before[2].bytes);
    EXPECT_EQ(listed(), (QStringList{"Crimson", "Green", "Blue"}));
    EXPECT_FALSE(std::filesystem::exists(dir.path / "~Glintar.tmp"));
}

TEST_F(LibraryPageTest, ApplyingADigitalStyleTakesItsValueButNotItsText)
{
    open();
    display->setValue(7040000);
    display->setDecimals(0);
    add(QStringLiteral("Digital"));

    auto target = newControl(); // alpha mode, "lumavex"
    pages = std::make_unique<PropertyPages>(target.get(), fake.environment);
    pages->show();
    pages->showPage(QStringLiteral("pageLibrary"));
    doubleClick(0);

    EXPECT_EQ(target->mode(), Glintar::Mode::Digital);
    EXPECT_EQ(target->value(), 7040000);
    EXPECT_EQ(target->ledBitNum(), 9);
    // The text shown is the number's, not the style's AlphaText.
    EXPECT_EQ(target->alphaText(), QStringLiteral("7040000"));
    EXPECT_EQ(target->ledOnColor(), display->ledOnColor());
    EXPECT_EQ(field<QLineEdit>("txtDescription")->text(), QStringLiteral("Digital"));
    // The style reads back as it was stored, but for its DateType: that applies in time/date
    // mode only.
    styles::StyleRecord expected = takeSnapshot(*display, "Digital", "");
    expected.dateType = 0;
    EXPECT_EQ(styles::encodeRecord(takeSnapshot(*target, "Digital", "")),
              styles::encodeRecord(expected));
}

TEST_F(LibraryPageTest, ApplyingAnAlphaStyleTakesItsTextButNotItsValue)
{
    auto alpha = newControl();
    alpha->setAlphaText(QStringLiteral("HELLO"));
    alpha->setCaptionNum(0);
    styles::StyleRecord style = takeSnapshot(*alpha, "Alpha", "");
    style.value = 123.5; // what a digital control would have kept; alpha mode ignores it
    ASSERT_EQ(library().append(styles::encodeRecord(style)), styles::WriteResult::Done);

    display->setCaptionNum(2);
    display->setCaptionText(QStringLiteral("MHz"));
    display->setValue(7040000);
    open();
    doubleClick(0);

    EXPECT_EQ(display->mode(), Glintar::Mode::Alpha);
    EXPECT_EQ(display->alphaText(), QStringLiteral("HELLO"));
    EXPECT_EQ(display->value(), 7040000);
    EXPECT_EQ(display->captionNum(), 0); // a style without captions removes the target's
}

TEST_F(LibraryPageTest, ExportWritesOneStyleAndRefusesTheLibrary)
{
    open();
    add(QStringLiteral("Green"));
    const std::string library = contents(libraryFile());

    // Onto the library, by another spelling of its path.
    fake.script->files.push_back(
        QString::fromStdString((dir.path / "." / "Glintar.varnok").string()));
    click("cmdExport");
    EXPECT_EQ(fake.messages->shown.last(),
              QStringLiteral("Error: Can not rewrite library file ") +
                  QString::fromStdString((dir.path / "." / "Glintar.varnok").string()) +
                  QStringLiteral("\nPlease select another file name!"));
    EXPECT_EQ(contents(libraryFile()), library);

    const auto exported = dir.path / "green.varnok";
    std::ofstream(exported) << std::string(4000, 'x');
    fake.script->files.push_back(QString::fromStdString(exported.string()));
    click("cmdExport");
    EXPECT_EQ(contents(exported), styles::fileHeader() + library.substr(80));
    EXPECT_EQ(fake.script->defaultExts.last(), QStringLiteral("varnok"));
    ASSERT_EQ(fake.script->fileFilters.last().size(), 1);
    EXPECT_EQ(fake.script->fileFilters.last()[0].description,
              QStringLiteral("Varnok ActiveX Config File(*.varnok)"));
    EXPECT_EQ(fake.script->fileFilters.last()[0].pattern, QStringLiteral("*.varnok"));
}

TEST_F(LibraryPageTest, ImportAppendsEveryStyleOfAFile)
{
    open();
    add(QStringLiteral("Mine"));
    const auto two = dir.path / "two.varnok";
    {
        styles::StyleRecord a = takeSnapshot(*display, "First", "");
        styles::StyleRecord b = takeSnapshot(*display, "Second", "");
        std::ofstream(two, std::ios::binary)
            << styles::buildStyleFile({styles::encodeRecord(a), styles::encodeRecord(b)});
    }
    fake.script->files.push_back(QString::fromStdString(two.string()));
    click("cmdImport");
    EXPECT_EQ(listed(), (QStringList{"Mine", "First", "Second"}));
    EXPECT_EQ(library().read().styles.size(), 3u);
    EXPECT_EQ(contents(libraryFile())
                  .substr(contents(libraryFile()).size() - (contents(two).size() - 80)),
              contents(two).substr(80));
}

TEST_F(LibraryPageTest, ImportIntoNoLibraryAsksForEachStyleUntilYes)
{
    const auto two = dir.path / "two.varnok";
    std::ofstream(two, std::ios::binary)
        << styles::buildStyleFile({styles::encodeRecord(takeSnapshot(*display, "First", "")),
                                   styles::encodeRecord(takeSnapshot(*display, "Second", ""))});
    open();
    fake.script->files.push_back(QString::fromStdString(two.string()));
    fake.messages->answers = {false, true};
    click("cmdImport");
    EXPECT_EQ(fake.messages->asked.size(), 2);
    EXPECT_EQ(listed(), QStringList{"Second"});
    ASSERT_EQ(library().read().styles.size(), 1u);
    EXPECT_EQ(library().read().styles[0].record.description, "Second");
}

TEST_F(LibraryPageTest, ImportRefusesTextFilesCorruptFilesAndTheLibraryItself)
{
    open();
    add(QStringLiteral("Mine"));
    const std::string library = contents(libraryFile());

    const auto text = dir.path / "notes.varnok";
    std::ofstream(text) << "Glintar styles: green on black\n";
    // A style file cut inside its record.
    const auto cut = dir.path / "cut.varnok";
    std::ofstream(cut, std::ios::binary) << library.substr(0, library.size() - 3);

    for (const auto& path : {text, cut}) {
        fake.script->files.push_back(QString::fromStdString(path.string()));
        click("cmdImport");
        EXPECT_EQ(fake.messages->shown.last(),
                  QStringLiteral("Error: Can not recognise file format ") +
                      QString::fromStdString(path.string()));
    }
    fake.script->files.push_back(libraryPath());
    click("cmdImport");
    EXPECT_EQ(fake.messages->shown.last(),
              QStringLiteral("Error: The library can not import itself!"));

    EXPECT_EQ(listed(), QStringList{"Mine"});
    EXPECT_EQ(contents(libraryFile()), library);
}

TEST_F(LibraryPageTest, ACorruptLibraryIsReportedWhenThePageOpensAndKeptAsItIs)
{
    const std::string broken = styles::fileHeader() + "\x01\x02\x03";
    std::ofstream(libraryFile(), std::ios::binary) << broken;
    open();
    EXPECT_EQ(fake.messages->shown,
              QStringList{QStringLiteral("Error: Can not recognise file format ") + libraryPath()});
    EXPECT_EQ(list()->count(), 0);

    add(QStringLiteral("Green"));
    EXPECT_EQ(contents(libraryFile()), broken);
    EXPECT_EQ(list()->count(), 0);
}

} // namespace
} // namespace glintar::test
