#pragma once

#include "ChoiceMenu.h"

#include <memory>

namespace orvane {

class FrontPanel;
class Timer;

// SCAN MEM: steps through the active band's memory cells, tuning to each occupied one for the
// dwell time chosen in the Program menu and passing over the empty ones, until SCAN is released.
class ScanUnit {
public:
    // A band with no occupied cell is looked at again as often as a pass over its twenty empty
    // cells one millisecond apart would come round, so a band change shows up at once.
    static constexpr int kEmptyBandRecheckMs = 20;

    explicit ScanUnit(FrontPanel& panel);
    ~ScanUnit();

    // The items of Program > Memory Scan Dwell Time: 1 to 10 seconds.
    static ChoiceMenu::Choices dwellChoices();

    // SCAN pressed or released by the user.
    void scanClick(bool pressed);
    // One scan step: the next occupied cell is shown and sent, and stays for the dwell time.
    void scanNextCell();
    // The power-off sequence: the scan's timer stops.
    void stopTimer();
    bool stepPending() const;

private:
    FrontPanel& m_panel;
    std::unique_ptr<Timer> m_timer6;
};

} // namespace orvane
