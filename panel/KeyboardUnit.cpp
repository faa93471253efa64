#include "KeyboardUnit.h"

#include "DisplayControl.h"
#include "FrontPanel.h"
#include "KeypadUnit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWheelEvent>

namespace orvane {

KeyboardUnit::KeyboardUnit(FrontPanel& panel) : QObject(&panel), m_panel(panel)
{
    // Watching the application, not the window: the focused key would otherwise take the arrow
    // keys to move the focus.
    qApp->installEventFilter(this);
}

bool KeyboardUnit::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != &m_panel)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        // Held keys repeat on the panel's own timers, not on the keyboard's.
        return key->isAutoRepeat() ? m_heldIndex >= 0 : keyPress(key->key(), key->modifiers());
    }
    case QEvent::KeyRelease: {
        auto* key = static_cast<QKeyEvent*>(event);
        return !key->isAutoRepeat() && keyRelease(key->key());
    }
    case QEvent::WindowDeactivate:
        // A key held while the window loses the keyboard never sees its release.
        if (watched == &m_panel)
            keyRelease(m_heldIndex == KeypadUnit::kUp ? Qt::Key_Up : Qt::Key_Down);
        return false;
    case QEvent::Wheel:
        if (widget == m_panel.glintar1->widget()) {
            const int notches = static_cast<QWheelEvent*>(event)->angleDelta().y() / 120;
            for (int i = 0; i < std::abs(notches); ++i)
                tap(notches > 0 ? KeypadUnit::kUp : KeypadUnit::kDown);
            return true;
        }
        return false;
    default: return false;
    }
}

bool KeyboardUnit::keyPress(int key, Qt::KeyboardModifiers modifiers)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9) {
        tap(key == Qt::Key_0 ? KeypadUnit::kDigitZero : key - Qt::Key_1);
        return true;
    }
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: tap(KeypadUnit::kEnter); return true;
    case Qt::Key_Escape:
    case Qt::Key_Backspace: tap(KeypadUnit::kClear); return true;
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const int index = key == Qt::Key_Up ? KeypadUnit::kUp : KeypadUnit::kDown;
        if (m_heldIndex < 0 && m_panel.keyPad[static_cast<std::size_t>(index)]->isEnabled()) {
            m_heldIndex = index;
            m_panel.keypad->mouseDown(index, modifiers & Qt::ShiftModifier ? MouseButton::Right
                                                                            : MouseButton::Left);
        }
        return true;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (m_panel.stepButton->isEnabled())
            m_panel.keypad->stepDown(key == Qt::Key_PageUp ? MouseButton::Left : MouseButton::Right);
        return true;
    default: return false;
    }
}

bool KeyboardUnit::keyRelease(int key)
{
    if ((key == Qt::Key_Up || key == Qt::Key_Down) && m_heldIndex >= 0) {
        m_panel.keypad->mouseUp(m_heldIndex);
        m_heldIndex = -1;
        return true;
    }
    return false;
}

void KeyboardUnit::tap(int index)
{
    if (!m_panel.keyPad[static_cast<std::size_t>(index)]->isEnabled())
        return;
    m_panel.keypad->mouseDown(index, MouseButton::Left);
    m_panel.keypad->click(index);
    m_panel.keypad->mouseUp(index);
}

} // namespace orvane
