#include "PowerUnit.h"

#include "DisplayControl.h"
#include "DisplayRegister.h"
#include "FrontPanel.h"
#include "KeypadUnit.h"
#include "MemoryUnit.h"
#include "ScanUnit.h"
#include "SweepUnit.h"
#include "bands/BandConfig.h"
#include "bands/SettingsKeys.h"
#include "bands/SettingsStore.h"
#include "panel/toolkit/PushKey.h"
#include "panel/toolkit/SystemServices.h"
#include "panel/toolkit/Timer.h"

#include <QAction>
#include <QLabel>

#include <cmath>

namespace orvane {

namespace {
constexpr int kBlinkMs = 1000;
constexpr int kPowerOnLoadDelayMs = 500;
constexpr int kControlPowerOn = 0;
constexpr int kControlPowerOff = 1;
} // namespace

PowerUnit::PowerUnit(FrontPanel& panel)
    : m_panel(panel), m_timer1(panel.clock.createTimer()), m_timer8(panel.clock.createTimer()),
      m_timer9(panel.clock.createTimer()), m_timer10(panel.clock.createTimer())
{
    m_timer1->onTick = [this] {
        // "Standby" one second shown, one second hidden, starting shown.
        m_timer1->stop();
        m_panel.state.standbyTextShown = !m_panel.state.standbyTextShown;
        m_panel.standByBox->setVisible(m_panel.state.standbyTextShown);
        m_timer1->setEnabled(true);
    };
    m_timer8->onTick = [this] {
        m_timer8->stop();
        m_panel.displayRegister->updateVfo();
    };
    m_timer9->onTick = [this] { autoHideMinimise(*m_timer9); };
    m_timer10->onTick = [this] { autoHideMinimise(*m_timer10); };
}

PowerUnit::~PowerUnit() = default;

void PowerUnit::pwrClick()
{
    if (m_panel.state.powerOn)
        switchOff();
    else
        switchOn();
}

void PowerUnit::switchOn()
{
    FrontPanel& p = m_panel;
    p.link.writeControl(kControlPowerOn);
    p.greyDisplayBox->hide();
    p.mnuViewOffset->setEnabled(true);
    FrontPanel::setEnabled(p.keypadKeys(), true);
    FrontPanel::setEnabled({p.standbyButton, p.sweepButton, p.memoryButton, p.stepButton,
                            p.mwButton, p.scanButton},
                           true);
    p.state.powerOn = true;
    p.state.stepIndex = p.settings.readInt16(settings_keys::kStepIndex, 1);
    p.keypad->setStep(p.state.stepIndex); // an index outside the list changes nothing
    p.stepBox->show();
    p.state.vfoRegister = p.displayHertz();
    p.displayRegister->setDecPoint();
    m_timer8->start(kPowerOnLoadDelayMs);
    // The freshly powered chip gets an all-zero word at once, the frequency half a second later.
    p.link.loadZeroWord();
    p.state.memReadIndex = 1;
    p.memory->powerOn();
    p.glintar1->announce(QStringLiteral("Power on"));
}

void PowerUnit::switchOff()
{
    FrontPanel& p = m_panel;
    p.link.writeControl(kControlPowerOff);
    p.state.powerOn = false;
    p.displayRegister->clearRangeError();
    p.mnuViewOffset->setChecked(false);
    p.mnuViewOffset->setEnabled(false);
    p.setDisplayValue(p.band.bandStart);
    p.state.digitCount = 0;
    p.commaBox[0]->hide();
    p.commaBox[1]->hide();
    stopTimers();
    p.keypad->stopTimers();
    p.scan->stopTimer();
    p.sweep->stopTimer();
    p.memory->powerOff();
    p.state.standbyOn = false;
    p.state.standbyTextShown = false;
    for (QLabel* area : {p.memoryBox, p.offsetBox, p.standByBox, p.sweepBox, p.overUnderFlowBox})
        area->hide();
    p.greyDisplayBox->show();
    p.greyDisplayBox->raise();
    FrontPanel::setEnabled(p.keypadKeys(), false);
    FrontPanel::setEnabled(
        {p.sweepButton, p.stepButton, p.memoryButton, p.standbyButton, p.mwButton}, false);
    for (LatchKey* key : {p.sweepButton, p.standbyButton, p.memoryButton, p.scanButton})
        key->setPressed(false);
    p.stepBox->hide();
    p.glintar1->announce(QStringLiteral("Power off"));
}

void PowerUnit::stopTimers()
{
    m_timer1->stop();
    m_timer8->stop();
}

void PowerUnit::standbyClick(bool pressed)
{
    FrontPanel& p = m_panel;
    FrontPanel::setEnabled(p.keypadKeys(), !pressed);
    FrontPanel::setEnabled(
        {p.stepButton, p.memoryButton, p.mwButton, p.scanButton, p.sweepButton}, !pressed);
    p.state.standbyOn = pressed;
    p.state.standbyTextShown = pressed;
    if (pressed) {
        FrontPanel::bringToFront(p.standByBox);
        p.standByBox->show();
        m_timer1->start(kBlinkMs);
        p.link.loadZeroWord(); // output to 0 Hz, the card stays powered
        p.glintar1->announce(QStringLiteral("Standby"));
    } else {
        p.standByBox->hide();
        m_timer1->stop();
        p.displayRegister->updateVfo();
        p.glintar1->announce(QStringLiteral("Active"));
    }
}

void PowerUnit::autoHideMinimise(Timer& expired)
{
    expired.stop();
    expired.setInterval(0);
    m_panel.system.beep();
    m_panel.showMinimized();
    m_panel.setWindowTitle(minimisedCaption());
}

QString PowerUnit::minimisedCaption() const
{
    // "##,###,###." : grouped, with a trailing point.
    const double value = std::nearbyint(m_panel.displayValue());
    const std::string grouped = formatGrouped(static_cast<std::int64_t>(value));
    return QStringLiteral("Orvane: %1.").arg(QString::fromStdString(grouped));
}

void PowerUnit::autoHideMenuClick()
{
    FrontPanel& p = m_panel;
    p.state.autoHideOn = p.mnupgmautohide->isChecked(); // already toggled by the click
    if (p.state.autoHideOn)
        armAutoHide();
    else
        disarmAutoHide();
    p.settings.writeBool(settings_keys::kAutoHide, p.state.autoHideOn);
}

void PowerUnit::windowStateChanged()
{
    if (m_panel.isMinimized()) {
        m_panel.setWindowTitle(minimisedCaption());
        disarmAutoHide();
    } else if (m_panel.windowState() == Qt::WindowNoState) {
        m_panel.setCaptionFromBandName(m_panel.band.activeBandName);
        if (m_timer9->isEnabled())
            disarmIdleHide();
        armAutoHide();
    }
}

void PowerUnit::armAutoHide()
{
    if (m_panel.state.autoHideOn)
        m_timer10->start(m_panel.state.autoHideDelay);
}

void PowerUnit::disarmAutoHide()
{
    m_timer10->setInterval(0);
    m_timer10->stop();
}

void PowerUnit::armIdleHide()
{
    if (m_panel.state.autoHideOn)
        m_timer9->start(m_panel.state.autoHideDelay);
}

void PowerUnit::disarmIdleHide()
{
    m_timer9->setInterval(0);
    m_timer9->stop();
}

void PowerUnit::holdAutoHideForKey()
{
    disarmAutoHide();
    if (m_timer9->isEnabled())
        disarmIdleHide();
}

void PowerUnit::armIdleHideAfterKey()
{
    if (m_panel.state.autoHideOn)
        armIdleHide();
}

bool PowerUnit::idleHideRunning() const { return m_timer9->isEnabled(); }
bool PowerUnit::autoHideRunning() const { return m_timer10->isEnabled(); }
bool PowerUnit::powerOnLoadPending() const { return m_timer8->isEnabled(); }
bool PowerUnit::standbyBlinkRunning() const { return m_timer1->isEnabled(); }

} // namespace orvane
