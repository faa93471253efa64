#pragma once

#include "ChoiceMenu.h"
#include "StepCadence.h"

#include <QPointer>
#include <memory>

namespace orvane {

class FrontPanel;
class RangeApp;
class Timer;

// SWP: the VFO as a sweep generator. From the sweep start the output climbs by the chosen step
// at the chosen rate, returns to the start after the end, and goes on until SWP is released. The
// step and rate come from Program > Sweep; the range from the Sweep Range window, and from every
// band activation.
class SweepUnit {
public:
    explicit SweepUnit(FrontPanel& panel);
    ~SweepUnit();

    // The Step and Rate menus' items.
    static ChoiceMenu::Choices stepChoices();
    static ChoiceMenu::Choices rateChoices();

    // SWP pressed or released by the user.
    void sweepClick(bool pressed);
    // At most one step: the display moves on by the step and is sent, when one is due.
    void sweepNextStep();
    // A step item chosen (or the stored step restored at start-up).
    void setStepSize(int hertz);
    // A rate item chosen (or restored). A running sweep takes the new rate for the step it is
    // waiting for.
    void setRate(int milliseconds);
    // Program > Sweep > Range: the Sweep Range window, modeless.
    void showRange();
    RangeApp* rangeApp() const;

    // The power-off sequence: no further step.
    void stopTimer();
    bool stepPending() const;

private:
    void takeStep(bool first);
    void showCaption();
    std::chrono::milliseconds rate() const;

    FrontPanel& m_panel;
    std::unique_ptr<Timer> m_timer7;
    StepCadence m_cadence;
    QPointer<RangeApp> m_rangeApp;
};

} // namespace orvane
