#include "MemoryUnit.h"

#include "BandMenus.h"
#include "DisplayControl.h"
#include "DisplayRegister.h"
#include "FrontPanel.h"
#include "MemoryCells.h"
#include "ModeControls.h"
#include "PowerUnit.h"
#include "panel/toolkit/PushKey.h"

#include <QLabel>

namespace orvane {

void MemoryUnit::memoryClick(bool pressed)
{
    if (!pressed) {
        releaseSteps();
        return;
    }
    FrontPanel& p = m_panel;
    FrontPanel::setEnabled(controlsDisabledBy(p, PanelMode::MemoryRead), false);
    // Whatever the display shows, an entry never ENTERed included, is what a release returns to.
    p.state.vfoRegister = p.displayHertz();
    p.state.memorySelectMode = true;
    p.state.memReadIndex = 1;
    showMemoryCell(1);
    FrontPanel::bringToFront(p.memoryBox);
    p.memoryBox->show();
    p.displayRegister->setDecPoint();
    p.power->holdAutoHideForKey();
    sendIfPositive();
    p.glintar1->announce(QStringLiteral("Memory select"));
}

void MemoryUnit::releaseSteps()
{
    FrontPanel& p = m_panel;
    auto controls = controlsDisabledBy(p, PanelMode::MemoryRead);
    std::erase(controls, p.scanButton);
    FrontPanel::setEnabled(controls, true);
    enableScanUnlessHeld();
    p.memoryBox->hide();
    p.state.memorySelectMode = false;
    p.setDisplayValue(p.state.vfoRegister);
    p.displayRegister->setDecPoint();
    p.power->armIdleHideAfterKey();
    sendIfPositive();
    p.glintar1->announce(QStringLiteral("Memory select off"));
}

void MemoryUnit::commit()
{
    FrontPanel& p = m_panel;
    p.state.vfoRegister = p.displayHertz();
    p.state.memReadIndex = 1;
    p.memoryBox->setText({});
    p.memoryBox->hide();
    p.state.memorySelectMode = false;
    // Released from code, which runs no click handler: the release steps run here, once.
    p.memoryButton->setPressed(false);
    releaseSteps();
}

void MemoryUnit::mwClick()
{
    FrontPanel& p = m_panel;
    p.state.memoryWriteMode = true;
    p.scanButton->setEnabled(false);
    p.state.memWriteFrequency = p.displayHertz();
    p.memoryBox->setText(QString::fromStdString(cellLabel(1)));
    p.state.memWriteIndex = 1;
    FrontPanel::bringToFront(p.memoryBox);
    p.memoryBox->show();
    showMemoryCell(1);
    p.displayRegister->setDecPoint();
    p.glintar1->announce(QStringLiteral("Write to memory"));
}

void MemoryUnit::showMemoryCell(int k)
{
    FrontPanel& p = m_panel;
    if (!BandTable::validSlot(p.band.activeBand) || k < 1 || k > kMemoryCells)
        return;
    p.memoryBox->setText(QString::fromStdString(cellLabel(k)));
    p.setDisplayValue(p.bands.slot(p.band.activeBand).memCell(k));
}

void MemoryUnit::stepReadIndex(bool up)
{
    int& index = m_panel.state.memReadIndex;
    index = up ? cellAbove(index) : cellBelow(index);
    showMemoryCell(index);
    m_panel.displayRegister->setDecPoint();
    sendIfPositive();
}

void MemoryUnit::stepWriteIndex(bool up)
{
    int& index = m_panel.state.memWriteIndex;
    index = up ? cellAbove(index) : cellBelow(index);
    showMemoryCell(index);
    m_panel.displayRegister->setDecPoint();
}

void MemoryUnit::store()
{
    FrontPanel& p = m_panel;
    p.setDisplayValue(p.state.memWriteFrequency);
    p.displayRegister->setDecPoint();
    p.bandMenus->storeMemoryCell(); // ends V>M and hides MemoryBox
    enableScanUnlessHeld();
}

void MemoryUnit::abortWrite()
{
    m_panel.state.memoryWriteMode = false;
    m_panel.memoryBox->hide();
    enableScanUnlessHeld();
}

void MemoryUnit::sendIfPositive()
{
    m_panel.displayRegister->calcVfoFreq();
    if (m_panel.vfoFreqMHz > 0)
        m_panel.displayRegister->doTheMath();
}

void MemoryUnit::enableScanUnlessHeld()
{
    // V>M and M>V each take SCAN away; it comes back when neither holds it any more.
    m_panel.scanButton->setEnabled(!m_panel.state.memoryWriteMode &&
                                   !m_panel.memoryButton->isPressed());
}

void MemoryUnit::powerOff()
{
    m_panel.state.memorySelectMode = false;
}

void MemoryUnit::powerOn()
{
    // A V>M begun before the power went off is still pending: it keeps SCAN away and shows its
    // cell label again, so that ENTER storing the kept frequency comes as no surprise.
    if (!m_panel.state.memoryWriteMode)
        return;
    m_panel.scanButton->setEnabled(false);
    FrontPanel::bringToFront(m_panel.memoryBox);
    m_panel.memoryBox->show();
}

} // namespace orvane
