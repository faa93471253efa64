#pragma once

#include <QString>

#include <memory>

namespace orvane {

class FrontPanel;
class Timer;

// PWR, STBY and auto-hide: switching the daughtercard's supply and the panel on and off,
// silencing the output in standby with a blinking "Standby", and minimising the window after a
// minute without use.
class PowerUnit {
public:
    explicit PowerUnit(FrontPanel& panel);
    ~PowerUnit();

    void pwrClick();
    void standbyClick(bool pressed);
    void autoHideMenuClick();
    // The window went to the normal or the minimised state.
    void windowStateChanged();

    // The countdown that starts at start-up, on restore and when AutoHide is switched on.
    void armAutoHide();
    void disarmAutoHide();
    // The countdown restarted by keypad and mode activity.
    void armIdleHide();
    void disarmIdleHide();
    // A key was pressed / released: the countdowns stop / the idle one starts again.
    void holdAutoHideForKey();
    void armIdleHideAfterKey();

    bool idleHideRunning() const;
    bool autoHideRunning() const;
    bool powerOnLoadPending() const;
    bool standbyBlinkRunning() const;
    // Stops standby blinking and the pending power-on load (the power-off sequence's timers).
    void stopTimers();

private:
    void switchOn();
    void switchOff();
    void autoHideMinimise(Timer& expired);
    QString minimisedCaption() const;

    FrontPanel& m_panel;
    std::unique_ptr<Timer> m_timer1;  // standby blink
    std::unique_ptr<Timer> m_timer8;  // power-on load
    std::unique_ptr<Timer> m_timer9;  // idle hide
    std::unique_ptr<Timer> m_timer10; // auto-hide
};

} // namespace orvane
