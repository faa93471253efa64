#include "bands/BandDialogHost.h"
#include "bands/BandDialogs.h"
#include "bands/BandFiles.h"
#include "bands/BandTable.h"
#include "panel/toolkit/SystemServices.h"
#include "synth/TuningWord.h"
#include "tests/support/TempDir.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace orvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// The main window as the dialogs see it: what it was asked to do, in order.
struct RecordingHost final : BandDialogHost {
    void showBandPresent(int n, const QString& caption) override
    {
        calls.push_back("present " + std::to_string(n));
        captions.push_back(caption);
    }
    void activateEditedBand(const EditedBandActivation& band) override
    {
        calls.push_back("activate");
        activations.push_back(band);
    }
    std::vector<std::string> calls;
    std::vector<QString> captions;
    std::vector<EditedBandActivation> activations;
};

// Answers every box with OK and keeps what it was shown.
struct AnsweringServices final : SystemServices {
    struct Box {
        QString title;
        QString text;
        Icon icon;
    };
    void beep() override {}
    Answer ask(const QString& title, const QString& text, Icon icon, Buttons) override
    {
        boxes.push_back({title, text, icon});
        return Answer::Ok;
    }
    void notify(const QString& text) override { notices.push_back(text); }
    std::vector<Box> boxes;
    std::vector<QString> notices;
};

Bytes fileBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes recordBytes(const BandConfig& band)
{
    const BandRecord record = encodeBandRecord(band);
    return {record.begin(), record.end()};
}

Bytes repeated(std::size_t count, std::uint8_t byte)
{
    return Bytes(count, byte);
}

// A record as it was stored for "40m Band", 7000000..7300000 Hz, offset -455000, correction -15.
BandConfig fortyMetres(std::int16_t number)
{
    BandConfig band;
    band.bandNumber = number;
    band.bandName = padBandName("40m Band");
    band.startFreq = 7000000;
    band.endFreq = 7300000;
    band.offsetOn = 1;
    band.offsetFreq = -455000;
    band.vfoCorrection = -15;
    return band;
}

class BandDialogTest : public testing::Test {
protected:
    template <typename Widget> Widget* control(QWidget* dialog, const char* name) const
    {
        auto* widget = dialog->findChild<Widget*>(QString::fromLatin1(name));
        if (!widget)
            ADD_FAILURE() << "no control " << name;
        return widget;
    }
    QLineEdit* text(QWidget* dialog, const char* name) const
    {
        return control<QLineEdit>(dialog, name);
    }
    // Replaces a field's text as a user would: select all, delete, type.
    void type(QWidget* dialog, const char* name, const QString& typed) const
    {
        QLineEdit* box = text(dialog, name);
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        // One key event a character; those without a key of their own arrive as a keyboard
        // layout or input method sends them, as text.
        for (const QChar c : typed) {
            if (c.unicode() < 128)
                QTest::keyClick(box, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    void click(QWidget* dialog, const char* name) const
    {
        QTest::mouseClick(control<QAbstractButton>(dialog, name), Qt::LeftButton);
    }
    // A closed dialog deletes itself once the event loop gets to it.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    Bytes file(int n) const { return fileBytes(bandFilePath(dir.path, n)); }
    void store(int n, const BandConfig& band) const
    {
        ASSERT_EQ(writeBandFile(bandFilePath(dir.path, n), band), "");
    }

    test::TempDir dir;
    BandTable table{dir.path};
    RecordingHost host;
    AnsweringServices services;
    QWidget mainWindow;
    BandDialogs dialogs{table, host, services, &mainWindow};
};

TEST_F(BandDialogTest, NewSavedWithoutTypingStoresABlankBandAndShowsItPresent)
{
    QPointer<ConfApp> dialog = dialogs.configureBand(4);
    ASSERT_TRUE(dialog);
    EXPECT_EQ(dialog->windowTitle(), "Configure Band #4");
    EXPECT_TRUE(dialog->isVisible());
    for (const char* name : {"Text1", "Text2", "Text3", "Text4", "Text5"})
        EXPECT_EQ(text(dialog, name)->text(), " ") << name;
    EXPECT_FALSE(control<QCheckBox>(dialog, "OffsetCheck")->isChecked());
    EXPECT_FALSE(text(dialog, "Text5")->isVisible());
    EXPECT_EQ(dialog->findChild<QLabel*>("NoteLabel"), nullptr);

    click(dialog, "AppConfigDone");
    settle();

    EXPECT_EQ(file(4), concat({{0x04, 0x00}, repeated(20, 0x20), repeated(98, 0x00)}));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"present 4"}));
    EXPECT_EQ(host.captions, (std::vector<QString>{" "})) << "the caption is the name as typed";
    EXPECT_TRUE(services.boxes.empty());
    EXPECT_FALSE(dialog) << "Save closes the dialog";
    EXPECT_FALSE(table.slot(4).presentAtStart()) << "absent again at the next start";
}

TEST_F(BandDialogTest, NewSavedAsTypedGivesTheRecordByteForByte)
{
    ConfApp* dialog = dialogs.configureBand(3);
    type(dialog, "Text1", "40m Band");
    type(dialog, "Text2", "7 000 000");
    type(dialog, "Text3", "7300000");
    type(dialog, "Text4", "-15");
    click(dialog, "OffsetCheck");
    type(dialog, "Text5", "-455000");
    click(dialog, "AppConfigDone");

    EXPECT_EQ(file(3), concat({{0x03, 0x00, 0x34, 0x30, 0x6D, 0x20, 0x42, 0x61, 0x6E, 0x64},
                               repeated(12, 0x20),
                               {0xC0, 0xCF, 0x6A, 0x00, 0xA0, 0x63, 0x6F, 0x00, 0x01, 0x00, 0xA8,
                                0x0E, 0xF9, 0xFF, 0xF1, 0xFF, 0xFF, 0xFF},
                               repeated(80, 0x00)}));
    EXPECT_EQ(table.slot(3), fortyMetres(3));
    EXPECT_EQ(host.captions, (std::vector<QString>{"40m Band"}));
    EXPECT_TRUE(host.activations.empty()) << "a new band becomes active only through Load";
}

TEST_F(BandDialogTest, NumbersAreReadLenientlyAndRoundedToWholeHertz)
{
    struct Case {
        const char* typed;
        std::int32_t stored;
    };
    const Case cases[] = {{"7,000,000", 7},          {"7 000 000", 7000000},
                          {"7000000.4", 7000000},    {"7000000.5", 7000000},
                          {"7000001.5", 7000002},    {"", 0},
                          {"14.2e6", 14200000},      {"abc", 0},
                          {"  -455000 Hz", -455000}, {"2147483647", 2147483647}};
    for (const Case& c : cases) {
        ConfApp* dialog = dialogs.configureBand(9);
        type(dialog, "Text2", QString::fromLatin1(c.typed));
        QTest::keyClick(text(dialog, "Text2"), Qt::Key_Return); // Enter saves
        settle();
        EXPECT_EQ(readBandFile(bandFilePath(dir.path, 9)).startFreq, c.stored) << c.typed;
    }
}

TEST_F(BandDialogTest, NamesAreSingleBytesCutAtTwenty)
{
    ConfApp* dialog = dialogs.configureBand(2);
    // The box takes twenty characters; Latin-1 keeps its own, others become "?".
    type(dialog, "Text1", QStringLiteral("Bänd Ω 20m and more text"));
    EXPECT_EQ(text(dialog, "Text1")->text(), QStringLiteral("Bänd Ω 20m and more "));
    click(dialog, "AppConfigDone");
    const Bytes bytes = file(2);
    EXPECT_EQ(Bytes(bytes.begin() + 2, bytes.begin() + 22),
              Bytes({'B', 0xE4, 'n', 'd', ' ', '?', ' ', '2', '0', 'm',
                     ' ', 'a',  'n', 'd', ' ', 'm', 'o', 'r', 'e', ' '}));
}

TEST_F(BandDialogTest, EditShowsTheStoredBandWithTheNamesTrailingSpaces)
{
    store(6, fortyMetres(6));
    EditApp* dialog = dialogs.editBand(6);
    EXPECT_EQ(dialog->windowTitle(), "Edit Band #6");
    EXPECT_EQ(table.slot(6), fortyMetres(6)) << "the slot is read afresh from the file";

    QLineEdit* name = text(dialog, "Text1");
    EXPECT_EQ(name->text(), "40m Band            ");
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, "X");
    EXPECT_EQ(name->text(), "40m Band            ") << "a full box takes nothing more";
    QTest::keyClick(name, Qt::Key_Backspace);
    QTest::keyClicks(name, "X");
    EXPECT_EQ(name->text(), "40m Band           X");

    EXPECT_EQ(text(dialog, "Text2")->text(), "7000000");
    EXPECT_EQ(text(dialog, "Text3")->text(), "7300000");
    EXPECT_EQ(text(dialog, "Text4")->text(), "-15");
    EXPECT_EQ(text(dialog, "Text5")->text(), "-455000");
    EXPECT_TRUE(control<QCheckBox>(dialog, "OffsetCheck")->isChecked());
    for (const char* shown : {"Text5", "PlusMinusLabel2", "HzLabel4", "NoteLabel"})
        EXPECT_TRUE(control<QWidget>(dialog, shown)->isVisible()) << shown;
    EXPECT_EQ(control<QLabel>(dialog, "NoteLabel")->text(),
              "Enter a Positive offset for L.O. ABOVE, or a negative offset for L.O. BELOW.");
}

TEST_F(BandDialogTest, EditFillsTheHiddenOffsetFieldOfABandWithoutOffset)
{
    BandConfig band = fortyMetres(8);
    band.offsetOn = 0;
    store(8, band);
    EditApp* dialog = dialogs.editBand(8);
    EXPECT_FALSE(control<QCheckBox>(dialog, "OffsetCheck")->isChecked());
    EXPECT_FALSE(text(dialog, "Text5")->isVisible());
    EXPECT_FALSE(control<QWidget>(dialog, "NoteLabel")->isVisible());
    EXPECT_EQ(text(dialog, "Text5")->text(), "-455000");

    click(dialog, "AppConfigDone");
    EXPECT_EQ(file(8), recordBytes(band)) << "saved unchanged";
}

TEST_F(BandDialogTest, CheckUncheckCheckOffsetEmptiesTheIfFieldByDialog)
{
    store(5, fortyMetres(5));
    struct Case {
        BandDialog* dialog;
        const char* afterUncheck;
        bool hasNote;
    };
    const Case cases[] = {{dialogs.configureBand(5), "", false}, {dialogs.editBand(5), "0", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dialog->objectName().toStdString());
        auto* offset = control<QCheckBox>(c.dialog, "OffsetCheck");
        if (offset->isChecked())
            click(c.dialog, "OffsetCheck");
        for (bool checked : {true, false, true}) {
            click(c.dialog, "OffsetCheck");
            ASSERT_EQ(offset->isChecked(), checked);
            for (const char* row : {"Text5", "PlusMinusLabel2", "HzLabel4"})
                EXPECT_EQ(control<QWidget>(c.dialog, row)->isVisible(), checked) << row;
            if (c.hasNote) {
                EXPECT_EQ(control<QWidget>(c.dialog, "NoteLabel")->isVisible(), checked);
            }
            if (checked && text(c.dialog, "Text5")->text() != c.afterUncheck)
                type(c.dialog, "Text5", "455000"); // typed at the first check only
        }
        EXPECT_EQ(text(c.dialog, "Text5")->text(), c.afterUncheck);
    }
}

TEST_F(BandDialogTest, EditSaveMakesTheBandActiveFromTheFieldsAsTyped)
{
    BandConfig stored = fortyMetres(5);
    stored.memCell(1) = 7010000;
    store(5, stored);
    EditApp* dialog = dialogs.editBand(5);
    // A V>M commit made while the dialog is open: the slot's memories are kept by the save.
    table.slot(5).memCell(2) = 7020000;

    type(dialog, "Text1", "Forty");
    type(dialog, "Text2", "7000000.4");
    type(dialog, "Text5", "455000");
    click(dialog, "AppConfigDone");

    BandConfig expected = fortyMetres(5);
    expected.bandName = padBandName("Forty");
    expected.offsetFreq = 455000;
    expected.memCell(1) = 7010000;
    expected.memCell(2) = 7020000;
    EXPECT_EQ(table.slot(5), expected);
    EXPECT_EQ(file(5), recordBytes(expected));

    // The written band first shows present, then the panel jumps to it. The band lines are not
    // part of this activation: they keep the previous band's code until a Band > Load.
    EXPECT_EQ(host.calls, (std::vector<std::string>{"present 5", "activate"}));
    EXPECT_EQ(host.captions, (std::vector<QString>{"Forty"}));
    ASSERT_EQ(host.activations.size(), 1u);
    EditedBandActivation want;
    want.activeBand = 5;
    want.activeBandName = "Forty";
    want.bandStart = 7000000;
    want.bandEnd = 7300000;
    want.bandOffset = 455000;
    want.bandCorrection = -15;
    want.offsetBoxText = "Offset 455000 Hz";
    want.displayValue = 7000000.4;
    want.vfoFreqMHz = calcVfoFreq(7000000.4, 455000, -15);
    EXPECT_EQ(host.activations[0], want);
    EXPECT_DOUBLE_EQ(host.activations[0].vfoFreqMHz, 7.4549854);
}

TEST_F(BandDialogTest, EditSaveWritesTheOffsetLinePlainWhateverTheCheckBox)
{
    struct Case {
        bool checked;
        const char* typed;
        const char* line;
    };
    const Case cases[] = {{true, "-455000", "Offset -455000 Hz"},
                          {true, "1234567", "Offset 1234567 Hz"},
                          {false, "", "Offset 0 Hz"}};
    store(1, fortyMetres(1));
    for (const Case& c : cases) {
        EditApp* dialog = dialogs.editBand(1);
        auto* offset = control<QCheckBox>(dialog, "OffsetCheck");
        if (offset->isChecked() != c.checked)
            click(dialog, "OffsetCheck");
        if (c.checked)
            type(dialog, "Text5", QString::fromLatin1(c.typed));
        click(dialog, "AppConfigDone");
        settle();
        ASSERT_FALSE(host.activations.empty());
        EXPECT_EQ(host.activations.back().offsetBoxText, c.line);
    }
}

TEST_F(BandDialogTest, NumberBeyondThirtyTwoBitsIsRefusedNamingTheField)
{
    store(7, fortyMetres(7));
    const Bytes before = file(7);
    struct Case {
        const char* field;
        const char* typed;
        const char* name;
    };
    const Case cases[] = {{"Text2", "3000000000", "Start Frequency"},
                          {"Text3", "-2147483649", "End Frequency"},
                          {"Text4", "1e999", "VFO Correction"},
                          {"Text5", "2147483647.5", "Offset VFO"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        services.boxes.clear();
        QPointer<EditApp> dialog = dialogs.editBand(7);
        type(dialog, c.field, QString::fromLatin1(c.typed));
        click(dialog, "AppConfigDone");
        settle();

        ASSERT_EQ(services.boxes.size(), 1u);
        EXPECT_EQ(services.boxes[0].icon, SystemServices::Icon::Warning);
        EXPECT_EQ(services.boxes[0].title, "Edit Band #7");
        EXPECT_TRUE(services.boxes[0].text.startsWith(QString::fromLatin1(c.name) + ": \"" +
                                                      QString::fromLatin1(c.typed) + "\""))
            << services.boxes[0].text.toStdString();
        EXPECT_TRUE(services.boxes[0].text.contains("-2147483648 to 2147483647"));
        EXPECT_EQ(file(7), before) << "nothing written";
        EXPECT_EQ(table.slot(7), fortyMetres(7));
        EXPECT_TRUE(host.calls.empty());
        ASSERT_TRUE(dialog) << "the dialog stays open to mend the field";
        EXPECT_TRUE(text(dialog, c.field)->hasSelectedText());
        click(dialog, "CancelEdit");
        settle();
    }
}

TEST_F(BandDialogTest, CancelAndTheCloseBoxWriteNothing)
{
    enum class Way { CancelButton, CloseBox, Escape };
    for (Way way : {Way::CancelButton, Way::CloseBox, Way::Escape}) {
        QPointer<ConfApp> dialog = dialogs.configureBand(11);
        type(dialog, "Text1", "Twenty");
        type(dialog, "Text2", "14000000");
        switch (way) {
        case Way::CancelButton: click(dialog, "CancelConf"); break;
        case Way::CloseBox: dialog->close(); break;
        case Way::Escape: QTest::keyClick(text(dialog, "Text2"), Qt::Key_Escape); break;
        }
        settle();
        EXPECT_FALSE(dialog) << static_cast<int>(way);
    }
    EXPECT_FALSE(fs::exists(bandFilePath(dir.path, 11)));
    EXPECT_TRUE(host.calls.empty());
    EXPECT_EQ(table.slot(11), BandConfig{});

    // A closed dialog keeps nothing: the next one starts blank.
    EXPECT_EQ(text(dialogs.configureBand(11), "Text1")->text(), " ");
}

TEST_F(BandDialogTest, AskingForAnotherBandBringsTheOpenDialogBackUnchanged)
{
    store(2, fortyMetres(2));
    store(12, fortyMetres(12));
    ConfApp* newDialog = dialogs.configureBand(3);
    EditApp* editDialog = dialogs.editBand(2);
    type(newDialog, "Text1", "Eighty");
    type(editDialog, "Text2", "7100000");

    EXPECT_EQ(dialogs.configureBand(7), newDialog);
    EXPECT_EQ(dialogs.editBand(12), editDialog);
    EXPECT_EQ(newDialog->windowTitle(), "Configure Band #3");
    EXPECT_EQ(newDialog->dialogBand(), 3);
    EXPECT_EQ(text(newDialog, "Text1")->text(), "Eighty");
    EXPECT_EQ(editDialog->windowTitle(), "Edit Band #2");
    EXPECT_EQ(text(editDialog, "Text2")->text(), "7100000");

    click(newDialog, "AppConfigDone");
    click(editDialog, "AppConfigDone");
    settle();
    EXPECT_FALSE(fs::exists(bandFilePath(dir.path, 7)));
    EXPECT_EQ(file(12), recordBytes(fortyMetres(12)));
    EXPECT_EQ(readBandFile(bandFilePath(dir.path, 3)).bandName, padBandName("Eighty"));
    EXPECT_EQ(readBandFile(bandFilePath(dir.path, 2)).startFreq, 7100000);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"present 3", "present 2", "activate"}));

    // Once closed, the next request opens a fresh dialog for the band asked for.
    EXPECT_EQ(dialogs.configureBand(7)->windowTitle(), "Configure Band #7");
}

TEST_F(BandDialogTest, FailedWriteTellsTheUserAndKeepsTheFileAndTheTable)
{
    // A folder so deep that the band file fits the system's path limit but the temporary file
    // the save writes first does not.
    fs::path folder = dir.path;
    const std::size_t fileLength = 4092;
    const std::string tail = "/APP3.dat";
    while (folder.string().size() + tail.size() < fileLength) {
        const std::size_t room = fileLength - tail.size() - folder.string().size() - 1;
        folder /= std::string(std::min<std::size_t>(room, 200), 'd');
    }
    ASSERT_EQ(bandFilePath(folder, 3).string().size(), fileLength);
    BandTable deep(folder);
    BandDialogs deepDialogs(deep, host, services, &mainWindow);
    const Bytes before = recordBytes(fortyMetres(3));
    fs::create_directories(folder);
    std::ofstream(bandFilePath(folder, 3), std::ios::binary)
        .write(reinterpret_cast<const char*>(before.data()),
               static_cast<std::streamsize>(before.size()));

    QPointer<EditApp> dialog = deepDialogs.editBand(3);
    type(dialog, "Text1", "Changed");
    click(dialog, "AppConfigDone");
    settle();

    ASSERT_EQ(services.boxes.size(), 1u);
    EXPECT_EQ(services.boxes[0].icon, SystemServices::Icon::Critical);
    EXPECT_TRUE(services.boxes[0].text.startsWith("Band 3 was not saved: Cannot write"));
    EXPECT_EQ(fileBytes(bandFilePath(folder, 3)), before);
    EXPECT_EQ(deep.slot(3), fortyMetres(3));
    EXPECT_TRUE(host.calls.empty()) << "neither shown present nor made active";
    ASSERT_TRUE(dialog);
    EXPECT_EQ(text(dialog, "Text1")->text(), "Changed") << "the typing is kept for another try";
}

} // namespace
} // namespace orvane
