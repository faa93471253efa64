#include "KeypadUnit.h"

#include "DisplayRegister.h"
#include "FrontPanel.h"
#include "MemoryUnit.h"
#include "PowerUnit.h"
#include "StepTable.h"
#include "bands/SettingsKeys.h"
#include "bands/SettingsStore.h"
#include "panel/toolkit/SystemServices.h"
#include "panel/toolkit/Timer.h"

#include <QLabel>

namespace orvane {

namespace {

constexpr int kMaxDigits = 9;
constexpr int kRepeatByStepMs = 150;
constexpr int kRepeatByHertzMs = 200;

// Which repeat timer belongs to a held key and button.
int repeatSlot(int index, MouseButton button)
{
    return (index == KeypadUnit::kUp ? 0 : 2) + (button == MouseButton::Left ? 0 : 1);
}

} // namespace

KeypadUnit::KeypadUnit(FrontPanel& panel) : m_panel(panel)
{
    for (int slot = 0; slot < 4; ++slot) {
        auto& timer = m_repeat[static_cast<std::size_t>(slot)];
        timer = panel.clock.createTimer();
        const int index = slot < 2 ? kUp : kDown;
        const MouseButton button = slot % 2 == 0 ? MouseButton::Left : MouseButton::Right;
        timer->onTick = [this, slot, index, button] {
            m_repeat[static_cast<std::size_t>(slot)]->stop();
            if (m_panel.state.keyHeld)
                mouseDown(index, button);
        };
    }
}

KeypadUnit::~KeypadUnit() = default;

void KeypadUnit::click(int index)
{
    if (m_panel.state.standbyOn)
        return;
    if (index <= kDigitZero)
        digit(index == kDigitZero ? 0 : index + 1);
    else if (index == kEnter)
        enter();
    else if (index == kClear)
        clear();
}

void KeypadUnit::digit(int d)
{
    PanelState& s = m_panel.state;
    if (s.digitCount == 0) {
        m_panel.setDisplayValue(0); // a new entry
    } else if (s.digitCount == kMaxDigits) {
        m_panel.system.beep();
        return;
    }
    m_panel.setDisplayValue(m_panel.displayValue() * 10 + d);
    ++s.digitCount;
    m_panel.displayRegister->setDecPoint();
}

void KeypadUnit::enter()
{
    PanelState& s = m_panel.state;
    const ActiveBandRegisters& band = m_panel.band;
    s.digitCount = 0;
    if (s.memoryWriteMode) {
        m_panel.memory->store();
        return;
    }
    if (s.memorySelectMode) {
        m_panel.memory->commit();
        return;
    }
    const double v = m_panel.displayValue();
    if (v > band.bandEnd) {
        s.overRange = true;
        m_panel.displayRegister->showRangeError(band.bandEnd);
    } else if (v >= band.bandStart) {
        s.vfoRegister = m_panel.displayHertz();
        m_panel.displayRegister->calcVfoFreq();
        m_panel.displayRegister->setDecPoint();
        m_panel.displayRegister->doTheMath();
    } else {
        s.underRange = true;
        m_panel.displayRegister->showRangeError(band.bandStart);
    }
}

void KeypadUnit::clear()
{
    if (m_panel.state.memoryWriteMode)
        m_panel.memory->abortWrite();
    m_panel.displayRegister->clearRangeError();
    m_panel.setDisplayValue(m_panel.state.vfoRegister);
    m_panel.displayRegister->setDecPoint();
    m_panel.displayRegister->updateVfo();
    m_panel.state.digitCount = 0;
}

void KeypadUnit::mouseDown(int index, MouseButton button)
{
    if (m_panel.state.standbyOn)
        return;
    m_panel.power->holdAutoHideForKey();
    if (index != kUp && index != kDown)
        return;
    // In both memory modes any button steps the cell once, without repeat; V>M comes first.
    if (m_panel.state.memoryWriteMode)
        m_panel.memory->stepWriteIndex(index == kUp);
    else if (m_panel.memoryButton->isPressed())
        m_panel.memory->stepReadIndex(index == kUp);
    else
        tune(index, button);
}

void KeypadUnit::tune(int index, MouseButton button)
{
    PanelState& s = m_panel.state;
    const ActiveBandRegisters& band = m_panel.band;
    s.keyHeld = true;
    const bool byStep = button == MouseButton::Left;
    const double step = byStep ? s.stepSize : 1;
    double v = m_panel.displayValue();
    if (index == kUp) {
        // UP wraps on reaching the upper limit, so it never rests on it.
        v += step;
        if (v >= band.bandEnd)
            v = band.bandStart;
    } else {
        v -= step;
        if (byStep && v < step)
            v = band.bandEnd;
        if (v < band.bandStart)
            v = band.bandEnd;
    }
    m_panel.setDisplayValue(v);
    s.vfoRegister = m_panel.displayHertz();
    m_panel.displayRegister->calcVfoFreq();
    m_panel.displayRegister->setDecPoint();
    m_panel.displayRegister->doTheMath();
    m_repeat[static_cast<std::size_t>(repeatSlot(index, button))]->start(
        byStep ? kRepeatByStepMs : kRepeatByHertzMs);
}

void KeypadUnit::mouseUp(int index)
{
    m_panel.power->armIdleHideAfterKey();
    if (index == kUp || index == kDown)
        m_panel.state.keyHeld = false;
}

void KeypadUnit::hover(int index)
{
    const PanelState& s = m_panel.state;
    const bool memoryRead = m_panel.memoryButton->isPressed();
    const bool memoryWrite = s.memoryWriteMode;
    QString tip;
    switch (index) {
    case kEnter:
        tip = memoryWrite   ? "Click to Load Frequency into Memory Cell"
              : memoryRead ? "Click to Load Memory into Display Register"
                           : "Loads Frequency into VFO Register";
        break;
    case kUp:
        tip = memoryRead || memoryWrite
                  ? "Left Click to Increment Memory Location"
                  : "Right Click Tunes Up 1 Hz, Left Click Tunes Up by STEP Setting";
        break;
    case kDown:
        tip = memoryRead || memoryWrite
                  ? "Left Click to Decrement Memory Location"
                  : "Right Click Tunes Down 1 Hz, Left Click Tunes Down by STEP Setting";
        break;
    case kClear:
        tip = memoryWrite ? "Clears Write to Memory Function" : "Clears Display and Errors";
        break;
    default: return; // digit keys carry no tooltip
    }
    setToolTipEverywhere(m_panel.keyPad[static_cast<std::size_t>(index)], tip);
}

void KeypadUnit::stepDown(MouseButton button)
{
    PanelState& s = m_panel.state;
    const int largest = m_panel.band.stepLimit - 1;
    if (button == MouseButton::Left)
        setStep(s.stepIndex == largest ? 1 : s.stepIndex + 1);
    else
        setStep(s.stepIndex == 1 ? largest : s.stepIndex - 1);
    m_panel.settings.writeWhole(settings_keys::kStepIndex, s.stepIndex);
}

void KeypadUnit::setStep(int stepIndex)
{
    PanelState& s = m_panel.state;
    s.stepIndex = stepIndex;
    if (const auto step = tuningStep(stepIndex)) {
        s.stepSize = step->size;
        s.stepCaption = std::string(step->caption);
        m_panel.stepBox->setText(QString::fromStdString(s.stepCaption));
    }
}

void KeypadUnit::applyStepLimit()
{
    m_panel.band.stepLimit = stepLimitFor(m_panel.band.bandEnd);
    if (m_panel.state.stepIndex > m_panel.band.stepLimit - 1) {
        setStep(1);
        m_panel.settings.writeWhole(settings_keys::kStepIndex, 1);
    }
}

void KeypadUnit::stopTimers()
{
    for (auto& timer : m_repeat)
        timer->stop();
}

} // namespace orvane
