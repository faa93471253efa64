#pragma once

#include <QPushButton>

namespace orvane {

// The mouse button a key was pressed with, as the panel's handlers count them.
enum class MouseButton { Left = 1, Right = 2 };

// A panel key that reports press and release with the mouse button and the pointer entering it.
// The left button, the keyboard (Space) and a screen reader's press action all arrive as
// MouseButton::Left, so every key can be worked without a mouse.
class PushKey : public QPushButton {
    Q_OBJECT
public:
    PushKey(const QString& legend, QWidget* parent = nullptr);

signals:
    void keyDown(orvane::MouseButton button);
    void keyUp(orvane::MouseButton button);
    void hovered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;

private:
    bool m_rightDown = false;
};

// A latching key (STBY, SCAN MEM, SWP, M>V). clicked(bool) reports the user's toggles with the new
// state; setPressed() changes the state from code without a click, so the caller runs the steps
// that belong to the change itself, exactly once.
class LatchKey : public QPushButton {
    Q_OBJECT
public:
    LatchKey(const QString& legend, QWidget* parent = nullptr);
    bool isPressed() const { return isChecked(); }
    void setPressed(bool pressed) { setChecked(pressed); }
};

// The legend as the accessible name and the tooltip as the accessible description.
void setToolTipEverywhere(QWidget* widget, const QString& tip);

} // namespace orvane
