#include "SweepUnit.h"

#include "DisplayControl.h"
#include "DisplayRegister.h"
#include "FrontPanel.h"
#include "ModeControls.h"
#include "PowerUnit.h"
#include "RangeApp.h"
#include "SweepSequence.h"
#include "SweepSettings.h"
#include "panel/toolkit/PushKey.h"
#include "panel/toolkit/Timer.h"
#include "panel/toolkit/Latin1.h"

#include <QLabel>

#include <algorithm>

namespace orvane {

namespace {

ChoiceMenu::Choices choicesOf(std::span<const SweepChoice> menu)
{
    ChoiceMenu::Choices choices;
    for (const SweepChoice& choice : menu)
        choices.push_back({choice.item, choice.caption, choice.value});
    return choices;
}

} // namespace

SweepUnit::SweepUnit(FrontPanel& panel) : m_panel(panel), m_timer7(panel.clock.createTimer())
{
    m_timer7->onTick = [this] {
        m_timer7->stop();
        m_panel.state.sweepStepDue = true;
        takeStep(false);
    };
}

SweepUnit::~SweepUnit() = default;

ChoiceMenu::Choices SweepUnit::stepChoices()
{
    return choicesOf(kSweepSteps);
}

ChoiceMenu::Choices SweepUnit::rateChoices()
{
    return choicesOf(kSweepRates);
}

void SweepUnit::sweepClick(bool pressed)
{
    FrontPanel& p = m_panel;
    FrontPanel::setEnabled(controlsDisabledBy(p, PanelMode::Sweep), !pressed);
    p.state.sweepStepDue = pressed;
    if (pressed) {
        p.stepBox->hide();
        showCaption();
        FrontPanel::bringToFront(p.sweepBox);
        p.sweepBox->show();
        // The output goes to the band start first, then the steps begin above the sweep start.
        p.setDisplayValue(p.band.bandStart);
        p.displayRegister->calcVfoFreq();
        p.displayRegister->setDecPoint();
        p.displayRegister->doTheMath();
        p.setDisplayValue(p.band.sweepStart);
        takeStep(true);
        p.power->holdAutoHideForKey();
        p.glintar1->announce(QStringLiteral("Sweeping"));
        return;
    }
    // Nothing is sent: the output keeps the last step and the display its value.
    p.sweepBox->hide();
    FrontPanel::bringToFront(p.stepBox);
    p.stepBox->show();
    m_timer7->stop();
    p.power->armIdleHideAfterKey();
    p.glintar1->announce(QStringLiteral("Sweep stopped"));
}

void SweepUnit::sweepNextStep()
{
    takeStep(false);
}

void SweepUnit::takeStep(bool first)
{
    FrontPanel& p = m_panel;
    const auto now = p.clock.now();
    const SweepPlan plan{p.band.sweepStart, p.band.sweepEnd, p.state.sweepStepSize};
    const SweepMove move = orvane::sweepNextStep(p.displayValue(), p.state.sweepStepDue, plan);
    if (move.send) {
        p.state.sweepStepDue = false;
        p.setDisplayValue(*move.send);
        p.displayRegister->calcVfoFreq();
        p.displayRegister->setDecPoint();
        p.displayRegister->doTheMath();
        m_timer7->startAt(first ? m_cadence.begin(now, rate()) : m_cadence.next(now, rate()));
    }
    // Back to the start after the end: shown, not sent, and without separators being redrawn.
    p.setDisplayValue(move.display);
}

std::chrono::milliseconds SweepUnit::rate() const
{
    // A hand-edited rate of 0 or less would have the sweep spin without pause.
    return std::chrono::milliseconds(std::max(m_panel.state.sweepRate, 1));
}

void SweepUnit::setStepSize(int hertz)
{
    m_panel.state.sweepStepSize = hertz;
    m_panel.state.sweepStepCaption = std::string(sweepCaption(kSweepSteps, hertz));
    showCaption();
}

void SweepUnit::setRate(int milliseconds)
{
    m_panel.state.sweepRate = milliseconds;
    m_panel.state.sweepRateCaption = std::string(sweepCaption(kSweepRates, milliseconds));
    showCaption();
    if (m_timer7->isEnabled())
        m_timer7->startAt(m_cadence.retime(rate()));
}

void SweepUnit::showCaption()
{
    m_panel.sweepBox->setText(fromLatin1(m_panel.state.sweepStepCaption) +
                              fromLatin1(m_panel.state.sweepRateCaption));
}

void SweepUnit::showRange()
{
    if (!m_rangeApp) {
        m_rangeApp = new RangeApp(m_panel.band, m_panel.system, &m_panel);
        m_rangeApp->show();
    }
    m_rangeApp->raise();
    m_rangeApp->activateWindow();
}

void SweepUnit::stopTimer()
{
    m_timer7->stop();
    m_panel.state.sweepStepDue = false;
}

bool SweepUnit::stepPending() const
{
    return m_timer7->isEnabled();
}

RangeApp* SweepUnit::rangeApp() const
{
    return m_rangeApp;
}

} // namespace orvane
