#include "segdisplay/pages/PageGeneral.h"

#include "segdisplay/DisplayText.h"
#include "segdisplay/Glintar.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QIntValidator>
#include <QLineEdit>
#include <QScrollBar>

namespace glintar {

namespace {

template <class Enum> void writeIndex(Glintar& g, void (Glintar::*setter)(Enum), int index)
{
    (g.*setter)(static_cast<Enum>(index));
}

} // namespace

PageGeneral::PageGeneral(const PageEnvironment& environment, QWidget* parent)
    : PropertyPage(environment, parent)
{
    setObjectName(QStringLiteral("pageGeneral"));
    auto* form = new QFormLayout(this);
    cmbMode = addChoice(
        *form, "cmbMode", tr("Mode:"),
        {QStringLiteral("0-Time/Date"), QStringLiteral("1-Digital"), QStringLiteral("2-Alpha")},
        [this](Glintar& g, int i) {
            writeIndex(g, &Glintar::setMode, i);
            // What the mode-bound fields mean changes with the mode.
            reload();
        });
    cmbAdjustMode = addChoice(*form, "cmbAdjustMode", tr("Adjust mode:"),
                              {QStringLiteral("0-Auto"), QStringLiteral("1-Manual")},
                              [](Glintar& g, int i) { writeIndex(g, &Glintar::setAdjustMode, i); });
    cmbLedType = addChoice(*form, "cmbLedType", tr("LED type:"),
                           {QStringLiteral("0-A"), QStringLiteral("1-B")},
                           [](Glintar& g, int i) { writeIndex(g, &Glintar::setLedType, i); });
    cmbDateType = addChoice(*form, "cmbDateType", tr("Date type:"),
                            {QStringLiteral("0-TimeOnly"), QStringLiteral("1-Chinese"),
                             QStringLiteral("2-English1"), QStringLiteral("3-English2")},
                            [](Glintar& g, int i) { writeIndex(g, &Glintar::setDateType, i); });
    cmbPlusMinuMode = addChoice(
        *form, "cmbPlusMinuMode", tr("Sign:"),
        {QStringLiteral("0-NoPlus"), QStringLiteral("1-PlusMinu"), QStringLiteral("2-Leading")},
        [](Glintar& g, int i) { writeIndex(g, &Glintar::setPlusMinuMode, i); });
    vscLedBitNum = addScroll(*form, "vscLedBitNum", tr("LED count:"), 1, 100,
                             [](Glintar& g, int v) { g.setLedBitNum(v); });
    vscDecimals = addScroll(*form, "vscDecimals", tr("Decimals:"), 0, 10,
                            [](Glintar& g, int v) { g.setDecimals(v); });
    vscItalicAngle = addScroll(*form, "vscItalicAngle", tr("Italic angle:"), 60, 120,
                               [](Glintar& g, int v) { g.setItalicAngle(v); });
    txtBlinkRate =
        addNumber(*form, "txtBlinkRate", tr("Blink rate (ms):"), new QIntValidator(0, 65535),
                  [](Glintar& g, double v) { g.setBlinkRate(static_cast<int>(v)); });
    chkBlinkEnabled = addCheck(*form, "chkBlinkEnabled", tr("BlinkEnabled"),
                               [](Glintar& g, bool on) { g.setBlinkEnabled(on); });
    chkLeadingZeros = addCheck(*form, "chkLeadingZeros", tr("LeadingZeros"),
                               [](Glintar& g, bool on) { g.setLeadingZeros(on); });
    chkItalic =
        addCheck(*form, "chkItalic", tr("Italic"), [](Glintar& g, bool on) { g.setItalic(on); });
    cmdOnColor = addColour(*form, "cmdOnColor", tr("LED on colour:"),
                           [](Glintar& g, OleColor c) { g.setLedOnColor(c); });
    cmdOffColor = addColour(*form, "cmdOffColor", tr("LED off colour:"),
                            [](Glintar& g, OleColor c) { g.setLedOffColor(c); });

    txtAlpha = new QLineEdit(this);
    txtAlpha->setObjectName(QStringLiteral("txtAlpha"));
    connect(txtAlpha, &QLineEdit::textChanged, this,
            [this](const QString& text) { edit([&](Glintar& g) { writeAlpha(g, text); }); });
    form->addRow(tr("Value/AlphaText:"), txtAlpha);
}

QString PageGeneral::caption() const
{
    return tr("General");
}

void PageGeneral::writeAlpha(Glintar& g, const QString& text)
{
    if (cmbMode->currentIndex() != static_cast<int>(Glintar::Mode::Digital)) {
        g.setAlphaText(text);
        return;
    }
    // A text that is no number yet ("-", "") leaves the value as it is.
    if (const auto v = numberIn(text))
        g.setValue(*v);
}

void PageGeneral::fill(Glintar& g)
{
    cmbMode->setCurrentIndex(static_cast<int>(g.mode()));
    cmbAdjustMode->setCurrentIndex(static_cast<int>(g.adjustMode()));
    cmbLedType->setCurrentIndex(static_cast<int>(g.ledType()));
    cmbDateType->setCurrentIndex(static_cast<int>(g.dateType()));
    cmbPlusMinuMode->setCurrentIndex(static_cast<int>(g.plusMinuMode()));
    vscLedBitNum->setValue(g.ledBitNum());
    vscDecimals->setValue(g.decimals());
    vscItalicAngle->setValue(g.italicAngle());
    txtBlinkRate->setText(QString::number(g.blinkRate()));
    chkBlinkEnabled->setChecked(g.blinkEnabled());
    chkLeadingZeros->setChecked(g.leadingZeros());
    chkItalic->setChecked(g.italic());
    setColourFace(cmdOnColor, g.ledOnColor());
    setColourFace(cmdOffColor, g.ledOffColor());

    const bool digital = g.mode() == Glintar::Mode::Digital;
    // Fields a setter ignores outside their mode are shown but cannot be edited there.
    cmbDateType->setEnabled(g.mode() == Glintar::Mode::TimeDate);
    cmbPlusMinuMode->setEnabled(digital);
    chkLeadingZeros->setEnabled(digital);
    vscLedBitNum->setEnabled(g.mode() != Glintar::Mode::TimeDate);
    txtAlpha->setEnabled(g.mode() != Glintar::Mode::TimeDate);
    if (digital) {
        const auto text = formatFixed(g.value(), vscDecimals->value());
        txtAlpha->setText(text ? QString::fromStdString(*text) : QString());
    } else {
        txtAlpha->setText(g.alphaText());
    }
}

} // namespace glintar
