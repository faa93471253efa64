#include "ScanUnit.h"

#include "DisplayControl.h"
#include "DisplayRegister.h"
#include "FrontPanel.h"
#include "MemoryCells.h"
#include "MemoryUnit.h"
#include "ModeControls.h"
#include "PowerUnit.h"
#include "panel/toolkit/PushKey.h"
#include "panel/toolkit/Timer.h"

#include <QLabel>

#include <algorithm>

namespace orvane {

ScanUnit::ScanUnit(FrontPanel& panel) : m_panel(panel), m_timer6(panel.clock.createTimer())
{
    m_timer6->onTick = [this] {
        m_timer6->stop();
        scanNextCell();
    };
}

ScanUnit::~ScanUnit() = default;

ChoiceMenu::Choices ScanUnit::dwellChoices()
{
    return {
        {"mnuScan1sec", "&1 Sec.", 1000}, {"mnuScan2sec", "&2 Sec.", 2000},
        {"mnuScan3sec", "&3 Sec.", 3000}, {"mnuScan4sec", "&4 Sec.", 4000},
        {"mnuScan5sec", "&5 Sec.", 5000}, {"mnuScan6sec", "&6 Sec.", 6000},
        {"mnuScan7sec", "&7 Sec.", 7000}, {"mnuScan8sec", "&8 Sec.", 8000},
        {"mnuScan9sec", "&9 Sec.", 9000}, {"mnuScan10sec", "&10 Sec.", 10000},
    };
}

void ScanUnit::scanClick(bool pressed)
{
    FrontPanel& p = m_panel;
    const auto controls = controlsDisabledBy(p, PanelMode::Scan);
    if (pressed) {
        FrontPanel::setEnabled(controls, false);
        p.state.vfoRegister = p.displayHertz();
        p.state.memReadIndex = 0; // the first step looks at cell 1
        scanNextCell();
        p.power->holdAutoHideForKey();
        p.glintar1->announce(QStringLiteral("Scanning memory"));
        return;
    }
    // A scan may run with the panel switched off; the keys of a dark panel stay dead then, and
    // only PWR comes back.
    if (p.state.powerOn)
        FrontPanel::setEnabled(controls, true);
    else
        p.pwrButton->setEnabled(true);
    m_timer6->stop();
    // The scan stops on the cell shown; CLR returns to the frequency from before the scan.
    p.memory->sendIfPositive();
    p.displayRegister->setDecPoint();
    p.memoryBox->hide();
    p.power->armIdleHideAfterKey();
    p.glintar1->announce(QStringLiteral("Scan stopped"));
}

void ScanUnit::scanNextCell()
{
    FrontPanel& p = m_panel;
    PanelState& s = p.state;
    const bool haveBand = BandTable::validSlot(p.band.activeBand);
    // Empty cells are passed over within this one step, so they cost no time.
    bool found = false;
    for (int examined = 0; examined < kMemoryCells && !found; ++examined) {
        s.memReadIndex = cellAbove(s.memReadIndex);
        found = !haveBand || p.bands.slot(p.band.activeBand).memCell(s.memReadIndex) != 0;
    }
    if (!found) {
        m_timer6->start(kEmptyBandRecheckMs);
        return;
    }
    // Without a valid band there is no cell to show: the display keeps its value and is sent
    // again, once a dwell.
    p.memory->showMemoryCell(s.memReadIndex);
    FrontPanel::bringToFront(p.memoryBox);
    p.memoryBox->show();
    p.memory->sendIfPositive();
    p.displayRegister->setDecPoint();
    m_timer6->start(std::max(s.dwellTime, 1)); // a hand-edited dwell of 0 would stall the scan
}

void ScanUnit::stopTimer()
{
    m_timer6->stop();
}

bool ScanUnit::stepPending() const
{
    return m_timer6->isEnabled();
}

} // namespace orvane
