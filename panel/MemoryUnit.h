#pragma once

namespace orvane {

class FrontPanel;

// The memory keys. M>V browses the active band's twenty cells with UP and DN, the synthesizer
// following the cell shown, and ENTER takes the cell as the new VFO frequency; releasing M>V
// without ENTER returns to the frequency from before. V>M keeps the displayed frequency, UP and
// DN choose the cell that is to hold it, ENTER stores it (and the band file), CLR abandons.
class MemoryUnit {
public:
    explicit MemoryUnit(FrontPanel& panel) : m_panel(panel) {}

    // M>V pressed or released by the user.
    void memoryClick(bool pressed);
    // V>M.
    void mwClick();

    // Cell k of the active band on the display, its label in MemoryBox; nothing is sent. No
    // valid band or no such cell changes nothing.
    void showMemoryCell(int k);
    // UP (true) or DN while M>V is held: the next cell is shown and sent.
    void stepReadIndex(bool up);
    // UP or DN in V>M: the next target cell is shown; nothing is sent.
    void stepWriteIndex(bool up);
    // ENTER in M>V: the browsed cell becomes the VFO frequency and M>V is released.
    void commit();
    // ENTER in V>M: the frequency kept at V>M goes into the chosen cell.
    void store();
    // CLR in V>M: nothing is written.
    void abortWrite();
    // Sends the displayed frequency unless it comes to nothing (an empty cell with no offset).
    void sendIfPositive();

    // The panel is switched off (M>V ends; a V>M in progress stays pending) or on again.
    void powerOff();
    void powerOn();

private:
    void releaseSteps();
    void enableScanUnlessHeld();

    FrontPanel& m_panel;
};

} // namespace orvane
