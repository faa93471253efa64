#pragma once

#include <QObject>

namespace orvane {

class FrontPanel;

// The panel from the keyboard and the mouse wheel: digits, Enter (ENTER), Esc and Backspace
// (CLR), Up and Down (UP/DN by the step, with Shift by 1 Hz, repeating while held), Page Up and
// Page Down (STEP), and the wheel over the display (UP/DN by the step). Each goes through the
// same handlers as the key it stands for, and only while that key is enabled.
class KeyboardUnit : public QObject {
    Q_OBJECT
public:
    explicit KeyboardUnit(FrontPanel& panel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyPress(int key, Qt::KeyboardModifiers modifiers);
    bool keyRelease(int key);
    // A press and release of keypad key `index`, as a click on it.
    void tap(int index);

    FrontPanel& m_panel;
    int m_heldIndex = -1; // UP or DN held from the keyboard
};

} // namespace orvane
