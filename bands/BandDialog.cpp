#include "BandDialog.h"

#include "BandDialogHost.h"
#include "BandTable.h"
#include "BandsLog.h"
#include "ParseNumber.h"
#include "panel/toolkit/Latin1.h"
#include "panel/toolkit/SystemServices.h"
#include "panel/toolkit/Twips.h"
#include "synth/TuningWord.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <limits>

namespace orvane {

namespace {

// The dialogs were laid out for a 12-point bold "MS Sans Serif". Where that face is missing, one
// of the same narrow build stands in: the wide default sans-serif of many desktops would not fit
// the labels into their places.
QFont dialogFont(QFont font, double points)
{
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
                      QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

template <typename Widget>
Widget* place(Widget* widget, const char* name, const QRect& geometry, double points = 12)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    widget->setFont(dialogFont(widget->font(), points));
    return widget;
}

QLabel* label(QWidget* parent, const char* name, const char* text, const QRect& geometry)
{
    return place(new QLabel(QString::fromLatin1(text), parent), name, geometry);
}

QLineEdit* field(QWidget* parent, const char* name, int top)
{
    return place(new QLineEdit(parent), name, twipsRect(2550, top, 1575, 420));
}

constexpr int kUnitWidth = 495;
constexpr int kLabelHeight = 375;

} // namespace

BandDialog::BandDialog(const Kind& kind, int band, BandTable& table, BandDialogHost& host,
                       SystemServices& services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_kind(kind), m_dialogBand(band), m_table(table), m_host(host), m_services(services)
{
    setObjectName(QString::fromLatin1(kind.formName));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(kind.captionPrefix) + QString::number(band));
    setFixedSize(twipsToPixels(6015), twipsToPixels(3765));

    // Created in tab order: the name, the numbers, the offset row, then the buttons.
    label(this, "Query1", "Band", twipsRect(120, 200, 2175, kLabelHeight));
    m_text1 = field(this, "Text1", 150);
    m_text1->setMaxLength(BandConfig::kNameLength);

    label(this, "Query2", "Start Frequency", twipsRect(120, 700, 2055, kLabelHeight));
    m_text2 = field(this, "Text2", 650);
    label(this, "HzLabel1", "Hz", twipsRect(4200, 700, kUnitWidth, kLabelHeight));

    label(this, "Query3", "End Frequency", twipsRect(120, 1200, 2055, kLabelHeight));
    m_text3 = field(this, "Text3", 1150);
    label(this, "HzLabel2", "Hz", twipsRect(4200, 1200, kUnitWidth, kLabelHeight));

    label(this, "Query4", "VFO Correction", twipsRect(120, 1700, 2055, kLabelHeight));
    label(this, "PlusMinusLabel", "(+/-)", twipsRect(2040, 1700, kUnitWidth, kLabelHeight));
    m_text4 = field(this, "Text4", 1650);
    label(this, "HzLabel3", "Hz", twipsRect(4200, 1700, kUnitWidth, kLabelHeight));

    m_offsetCheck = place(new QCheckBox(QStringLiteral("Offset VFO"), this), "OffsetCheck",
                          twipsRect(120, 2200, 1935, kLabelHeight));
    m_plusMinusLabel2 =
        label(this, "PlusMinusLabel2", "(+/-)", twipsRect(2040, 2200, kUnitWidth, kLabelHeight));
    m_text5 = field(this, "Text5", 2150);
    m_hzLabel4 = label(this, "HzLabel4", "Hz IF", twipsRect(4200, 2205, 855, kLabelHeight));

    if (kind.hasNote) {
        m_noteLabel =
            place(new QLabel(QStringLiteral("Enter a Positive offset for L.O. ABOVE, or a "
                                            "negative offset for L.O. BELOW."),
                             this),
                  "NoteLabel", twipsRect(120, 2600, 5895, 495), 9.75);
        m_noteLabel->setWordWrap(true);
    }

    auto* cancel = place(new QPushButton(QStringLiteral("Cancel"), this), kind.cancelName,
                         twipsRect(960, 3120, 1455, 495));
    auto* save = place(new QPushButton(QStringLiteral("Save"), this), "AppConfigDone",
                       twipsRect(3360, 3120, 1455, 495));
    // Buttons keep the system's own face; Enter in a field saves, Escape cancels.
    cancel->setFont(font());
    save->setFont(font());
    cancel->setAutoDefault(false);
    save->setDefault(true);

    // Every field starts with a single space and the offset row hidden.
    for (QLineEdit* text : {m_text1, m_text2, m_text3, m_text4, m_text5})
        text->setText(QStringLiteral(" "));
    showOffsetRow(false);

    connect(m_offsetCheck, &QCheckBox::toggled, this, &BandDialog::offsetClicked);
    connect(save, &QPushButton::clicked, this, &BandDialog::save);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void BandDialog::fill(const BandConfig& band)
{
    m_text1->setText(fromLatin1(band.bandName));
    m_text1->home(false); // the name, not the trailing spaces, in view
    m_text2->setText(QString::number(band.startFreq));
    m_text3->setText(QString::number(band.endFreq));
    // Checking the box from the record shows the offset row as a click would.
    m_offsetCheck->setChecked(band.offsetOn != 0);
    m_text5->setText(QString::number(band.offsetFreq));
    m_text4->setText(QString::number(band.vfoCorrection));
}

void BandDialog::showOffsetRow(bool shown)
{
    for (QWidget* row : {static_cast<QWidget*>(m_plusMinusLabel2), static_cast<QWidget*>(m_text5),
                         static_cast<QWidget*>(m_hzLabel4), static_cast<QWidget*>(m_noteLabel)})
        if (row)
            row->setVisible(shown);
}

void BandDialog::offsetClicked(bool checked)
{
    showOffsetRow(checked);
    if (!checked)
        m_text5->setText(QString::fromLatin1(m_kind.uncheckedOffsetText));
}

std::optional<std::int32_t> BandDialog::readHertz(QLineEdit* field, const QString& name)
{
    if (const auto hertz = toHertz(parseNumber(field->text().toStdString())))
        return hertz;
    // A frequency field holds a signed 32-bit number of hertz; wrapping a larger one round would
    // store a frequency nobody typed.
    m_services.ask(windowTitle(),
                   QStringLiteral("%1: \"%2\" is out of range. Enter a whole number of hertz "
                                  "from %3 to %4. Nothing was saved.")
                       .arg(name, field->text().trimmed())
                       .arg(std::numeric_limits<std::int32_t>::min())
                       .arg(std::numeric_limits<std::int32_t>::max()),
                   SystemServices::Icon::Warning, SystemServices::Buttons::Ok);
    field->setFocus();
    field->selectAll();
    return std::nullopt;
}

void BandDialog::save()
{
    Fields fields;
    fields.typedName = m_text1->text();
    fields.typedStart = parseNumber(m_text2->text().toStdString());
    const auto start = readHertz(m_text2, QStringLiteral("Start Frequency"));
    if (!start)
        return;
    const auto end = readHertz(m_text3, QStringLiteral("End Frequency"));
    if (!end)
        return;
    const auto correction = readHertz(m_text4, QStringLiteral("VFO Correction"));
    if (!correction)
        return;
    const auto offset = readHertz(m_text5, QStringLiteral("Offset VFO"));
    if (!offset)
        return;
    fields.start = *start;
    fields.end = *end;
    fields.correction = *correction;
    fields.offset = *offset;

    // The memory cells are the slot's own: a V>M commit made while the dialog was open stays.
    const int n = m_dialogBand;
    BandConfig& slot = m_table.slot(n);
    const BandConfig previous = slot;
    slot.bandNumber = static_cast<std::int16_t>(n);
    // Band names are single bytes: Latin-1, with "?" for a character it does not have.
    slot.bandName = padBandName(fields.typedName.toLatin1().toStdString());
    slot.startFreq = fields.start;
    slot.endFreq = fields.end;
    slot.offsetOn = m_offsetCheck->isChecked() ? 1 : 0;
    slot.offsetFreq = fields.offset;
    slot.vfoCorrection = fields.correction;

    if (const std::string error = m_table.writeBandFile(n); !error.empty()) {
        // The file keeps its previous record (the write goes through a temporary file), so the
        // table does too, and the dialog stays open for another try or Cancel.
        slot = previous;
        qCWarning(lcBands) << "band" << n << "not saved:" << error.c_str();
        m_services.ask(windowTitle(),
                       QStringLiteral("Band %1 was not saved: %2\nIts file keeps what it held "
                                      "before.")
                           .arg(n)
                           .arg(QString::fromStdString(error)),
                       SystemServices::Icon::Critical, SystemServices::Buttons::Ok);
        return;
    }
    qCInfo(lcBands) << "band" << n << "saved from" << objectName();

    m_host.showBandPresent(n, fields.typedName);
    afterSave(fields);
    accept();
}

void BandDialog::afterSave(const Fields&) {}

ConfApp::ConfApp(int band, BandTable& table, BandDialogHost& host, SystemServices& services,
                 QWidget* parent)
    : BandDialog({"ConfApp", "Configure Band #", "CancelConf", "", false}, band, table, host,
                 services, parent)
{
}

EditApp::EditApp(int band, BandTable& table, BandDialogHost& host, SystemServices& services,
                 QWidget* parent)
    : BandDialog({"EditApp", "Edit Band #", "CancelEdit", "0", true}, band, table, host, services,
                 parent)
{
    // Read afresh: the file is what the user edits. A file that cannot be read leaves the slot
    // as the table held it, and the user is told what is shown instead.
    const BandConfig held = table.slot(band);
    if (const std::string error = table.readBandFile(band); !error.empty()) {
        table.slot(band) = held;
        qCWarning(lcBands) << "band" << band << "not read:" << error.c_str();
        services.notify(QStringLiteral("%1. Edit Band #%2 shows the band as Orvane last held it.")
                            .arg(QString::fromStdString(error))
                            .arg(band));
    }
    fill(table.slot(band));
}

void EditApp::afterSave(const Fields& fields)
{
    EditedBandActivation band;
    band.activeBand = dialogBand();
    band.activeBandName = fields.typedName;
    band.bandStart = fields.start;
    band.bandEnd = fields.end;
    band.bandOffset = fields.offset;
    band.bandCorrection = fields.correction;
    band.offsetBoxText = QStringLiteral("Offset %1 Hz").arg(fields.offset);
    band.displayValue = fields.typedStart;
    band.vfoFreqMHz = calcVfoFreq(fields.typedStart, fields.offset, fields.correction);
    host().activateEditedBand(band);
}

} // namespace orvane
