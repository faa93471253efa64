#pragma once

#include "panel/toolkit/PushKey.h"

#include <array>
#include <memory>

namespace orvane {

class FrontPanel;
class Timer;

// The keypad: digits into the display register, ENTER with the band's range check, CLR, UP and
// DN by the step or by 1 Hz with hold-to-repeat, STEP, and the keys' tooltips.
class KeypadUnit {
public:
    // Indexes of KeyPad(0)..KeyPad(13).
    static constexpr int kDigitZero = 9;
    static constexpr int kEnter = 10;
    static constexpr int kUp = 11;
    static constexpr int kDown = 12;
    static constexpr int kClear = 13;

    explicit KeypadUnit(FrontPanel& panel);
    ~KeypadUnit();

    void click(int index);
    void mouseDown(int index, MouseButton button);
    void mouseUp(int index);
    void hover(int index);
    void stepDown(MouseButton button);

    void digit(int d);
    void enter();
    void clear();

    // Resets the step to 10 Hz when the active band's upper limit no longer allows it.
    void applyStepLimit();
    // StepIndex, and the step size and caption when the index is one of the list's.
    void setStep(int stepIndex);
    // Ends auto-repeat (power-off).
    void stopTimers();

private:
    void tune(int index, MouseButton button);

    FrontPanel& m_panel;
    // UP by step, UP by 1 Hz, DN by step, DN by 1 Hz.
    std::array<std::unique_ptr<Timer>, 4> m_repeat;
};

} // namespace orvane
