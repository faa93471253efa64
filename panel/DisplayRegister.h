#pragma once

#include <cstdint>

namespace orvane {

class FrontPanel;

// The display as the panel's frequency register: the separators beside its digits, the
// out-of-range error, the offset and tuning-word views, and the one road from the display to
// the synthesizer (calcVfoFreq, then doTheMath).
class DisplayRegister {
public:
    explicit DisplayRegister(FrontPanel& panel) : m_panel(panel) {}

    // Shows the thousands and millions separators the displayed value needs.
    void setDecPoint();
    // An entry outside the band: beep, the violated limit blinking, "Out of Range". Neither the
    // VFO register nor the synthesizer changes.
    void showRangeError(std::int32_t limit);
    // Ends the blinking and empties the error text; clears the range flags.
    void clearRangeError();

    // The output frequency for the displayed value, the band's IF offset and its correction.
    void calcVfoFreq();
    // The tuning word and serial load word for the output frequency and the 124 port writes. A
    // load that cannot be built is not sent; the panel says why without stopping the user.
    void doTheMath();
    // Both, as every frequency change does.
    void updateVfo();

    // View > Frequency Offset.
    void toggleOffsetView();

private:
    void showRefusal(bool refused);

    FrontPanel& m_panel;
    bool m_refusalShown = false;
};

} // namespace orvane
