#include "DisplayRegister.h"

#include "DisplayControl.h"
#include "FrontPanel.h"
#include "bands/BandConfig.h"
#include "panel/toolkit/SystemServices.h"
#include "synth/TuningWord.h"
#include "panel/toolkit/Latin1.h"

#include <QLabel>
#include <QLineEdit>

namespace orvane {

void DisplayRegister::setDecPoint()
{
    const double v = m_panel.displayValue();
    QLabel* thousands = m_panel.commaBox[0];
    QLabel* millions = m_panel.commaBox[1];
    if (v >= 0 && v <= 999) {
        thousands->hide();
        millions->hide();
    } else if (v >= 1000 && v <= 999999) {
        thousands->show();
        millions->hide();
    } else if (v >= 1000000 && v <= 999999999) {
        thousands->show();
        millions->show();
    }
    // Anything else (negative, too large, a fraction between the ranges) leaves them as they are.
}

void DisplayRegister::showRangeError(std::int32_t limit)
{
    m_panel.system.beep();
    m_panel.commaBox[0]->hide();
    m_panel.commaBox[1]->hide();
    m_panel.setDisplayValue(limit);
    m_panel.glintar1->setBlinkEnabled(true);
    m_panel.overUnderFlowBox->setText("Out of Range");
    m_panel.overUnderFlowBox->show();
    m_refusalShown = false;
    m_panel.glintar1->announce(QStringLiteral("Out of Range"));
}

void DisplayRegister::clearRangeError()
{
    m_panel.state.overRange = false;
    m_panel.state.underRange = false;
    m_panel.glintar1->setBlinkEnabled(false);
    m_panel.overUnderFlowBox->hide();
    m_panel.overUnderFlowBox->setText({});
    m_refusalShown = false;
}

void DisplayRegister::calcVfoFreq()
{
    m_panel.vfoFreqMHz =
        orvane::calcVfoFreq(m_panel.displayValue(), m_panel.band.bandOffset, m_panel.band.bandCorrection);
}

void DisplayRegister::doTheMath()
{
    LoadResult& load = m_panel.lastLoad;
    load = orvane::doTheMath(m_panel.vfoFreqMHz, m_panel.config, m_panel.link);
    if (load.sent()) {
        m_panel.lastLoadedHz = m_panel.displayHertz();
        m_panel.text1->setText(QString::number(load.tuningWord, 'f', 0));
        m_panel.text2->setText(QString::fromStdString(load.serialLoadWord));
    }
    showRefusal(!load.sent());
}

void DisplayRegister::updateVfo()
{
    calcVfoFreq();
    doTheMath();
}

void DisplayRegister::showRefusal(bool refused)
{
    // A load that cannot be built correctly is not sent, so the chip keeps its last word. The
    // reason goes where the range error would stand, without a box to click away, and goes again
    // with the next load that is sent. An entry error showing there is left alone.
    QLabel* box = m_panel.overUnderFlowBox;
    if (m_panel.state.overRange || m_panel.state.underRange)
        return;
    if (refused) {
        const std::string_view why = describe(m_panel.lastLoad.refusal);
        box->setText(fromLatin1(why));
        FrontPanel::bringToFront(box);
        box->show();
        m_panel.system.notify(
            QStringLiteral("Not sent to the synthesizer (%1): it keeps its last frequency.")
                .arg(box->text()));
        m_refusalShown = true;
    } else if (m_refusalShown) {
        box->hide();
        box->setText({});
        m_refusalShown = false;
    }
}

void DisplayRegister::toggleOffsetView()
{
    QAction* item = m_panel.mnuViewOffset;
    QLabel* box = m_panel.offsetBox;
    if (!item->isChecked()) { // the click has already toggled the check mark
        box->hide();
        return;
    }
    const std::int32_t offset = m_panel.band.bandOffset;
    // This view shows the offset's size only; a band activation writes the signed form.
    const std::int64_t size = offset < 0 ? -static_cast<std::int64_t>(offset) : offset;
    box->setText(offset == 0 ? QStringLiteral("Offset = 0 Hz")
                             : QStringLiteral("Offset = %1 Hz")
                                   .arg(QString::fromStdString(formatGrouped(size))));
    FrontPanel::bringToFront(box);
    box->show();
}

} // namespace orvane
