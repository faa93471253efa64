// Glintar's window events, passed on to the host as the control's own events in the classic
// numbering hosts of such controls expect, and the mouse pointer the host chose.

#include "segdisplay/Glintar.h"
#include "segdisplay/GlintarPrivate.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <algorithm>
#include <array>

namespace glintar
{

namespace
{

// Qt keys whose virtual-key code is not their own value (letters and digits are).
struct KeyCode {
    int qtKey;
    int code;
};
constexpr std::array kKeyCodes = {
    KeyCode{Qt::Key_Backspace, 8},  KeyCode{Qt::Key_Tab, 9},     KeyCode{Qt::Key_Return, 13},
    KeyCode{Qt::Key_Enter, 13},     KeyCode{Qt::Key_Shift, 16},  KeyCode{Qt::Key_Control, 17},
    KeyCode{Qt::Key_Alt, 18},       KeyCode{Qt::Key_Pause, 19},  KeyCode{Qt::Key_CapsLock, 20},
    KeyCode{Qt::Key_Escape, 27},    KeyCode{Qt::Key_Space, 32},  KeyCode{Qt::Key_PageUp, 33},
    KeyCode{Qt::Key_PageDown, 34},  KeyCode{Qt::Key_End, 35},    KeyCode{Qt::Key_Home, 36},
    KeyCode{Qt::Key_Left, 37},      KeyCode{Qt::Key_Up, 38},     KeyCode{Qt::Key_Right, 39},
    KeyCode{Qt::Key_Down, 40},      KeyCode{Qt::Key_Insert, 45}, KeyCode{Qt::Key_Delete, 46},
    KeyCode{Qt::Key_Asterisk, 106}, KeyCode{Qt::Key_Plus, 107},  KeyCode{Qt::Key_Minus, 109},
    KeyCode{Qt::Key_Period, 190},   KeyCode{Qt::Key_Slash, 111}, KeyCode{Qt::Key_NumLock, 144},
};

int keyCode(const QKeyEvent& event)
{
    const int key = event.key();
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return (event.modifiers() & Qt::KeypadModifier) ? 96 + (key - Qt::Key_0) : key;
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key;
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return 112 + (key - Qt::Key_F1);
    const auto it = std::find_if(kKeyCodes.begin(), kKeyCodes.end(),
                                 [&](const KeyCode& k) { return k.qtKey == key; });
    return it == kKeyCodes.end() ? 0 : it->code;
}

int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int buttonCode(Qt::MouseButtons buttons)
{
    return (buttons & Qt::LeftButton ? 1 : 0) | (buttons & Qt::RightButton ? 2 : 0) |
           (buttons & Qt::MiddleButton ? 4 : 0);
}

// The classic mouse pointer codes; 0 is the host's pointer, 99 the control's MouseIcon.
struct PointerShape {
    int code;
    Qt::CursorShape shape;
};
constexpr std::array kPointers = {
    PointerShape{1, Qt::ArrowCursor},    PointerShape{2, Qt::CrossCursor},
    PointerShape{3, Qt::IBeamCursor},    PointerShape{4, Qt::ArrowCursor},
    PointerShape{5, Qt::SizeAllCursor},  PointerShape{6, Qt::SizeBDiagCursor},
    PointerShape{7, Qt::SizeVerCursor},  PointerShape{8, Qt::SizeFDiagCursor},
    PointerShape{9, Qt::SizeHorCursor},  PointerShape{10, Qt::UpArrowCursor},
    PointerShape{11, Qt::WaitCursor},    PointerShape{12, Qt::ForbiddenCursor},
    PointerShape{13, Qt::BusyCursor},    PointerShape{14, Qt::WhatsThisCursor},
    PointerShape{15, Qt::SizeAllCursor},
};
constexpr int kCustomPointer = 99;

} // namespace

void GlintarPrivate::applyCursor()
{
    if (mousePointer == kCustomPointer && !mouseIcon.isNull()) {
        q->setCursor(QCursor(QPixmap::fromImage(mouseIcon)));
        return;
    }
    const auto it = std::find_if(kPointers.begin(), kPointers.end(),
                                 [&](const PointerShape& p) { return p.code == mousePointer; });
    if (it == kPointers.end())
        q->unsetCursor();
    else
        q->setCursor(it->shape);
}

void Glintar::paintEvent(QPaintEvent* event)
{
    // A move to a screen of another pixel ratio: paint anew at the new ratio.
    if (d->backing.devicePixelRatio() != devicePixelRatioF()) {
        d->resizeBacking();
        d->redrawAll(d->ledOnColor);
    }
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal dpr = d->backing.devicePixelRatio();
    painter.drawImage(
        area, d->backing,
        QRectF(area.x() * dpr, area.y() * dpr, area.width() * dpr, area.height() * dpr));
}

void Glintar::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // Rendering a hidden widget sends it resize events of the size it already has; only a real
    // change of size lays out and repaints.
    if (d->laidOutFor == size() && d->backing.size() == size() * devicePixelRatioF())
        return;
    d->resizeBacking();
    if (d->geo.ledBitNum != 0) {
        d->layoutCells();
        d->redrawAll(d->ledOnColor);
    }
}

void Glintar::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        Q_EMIT propertyChanged(QStringLiteral("Enabled"));
}

void Glintar::mousePressEvent(QMouseEvent* event)
{
    Q_EMIT mouseDown(buttonCode(event->button()), shiftState(event->modifiers()),
                     static_cast<float>(event->position().x()),
                     static_cast<float>(event->position().y()));
}

void Glintar::mouseReleaseEvent(QMouseEvent* event)
{
    Q_EMIT mouseUp(buttonCode(event->button()), shiftState(event->modifiers()),
                   static_cast<float>(event->position().x()),
                   static_cast<float>(event->position().y()));
    // The release that ends a double click is not another click.
    if (d->releaseEndsDoubleClick)
        d->releaseEndsDoubleClick = false;
    else if (rect().contains(event->position().toPoint()))
        Q_EMIT click();
}

void Glintar::mouseDoubleClickEvent(QMouseEvent*)
{
    d->releaseEndsDoubleClick = true;
    Q_EMIT dblClick();
}

void Glintar::mouseMoveEvent(QMouseEvent* event)
{
    Q_EMIT mouseMove(buttonCode(event->buttons()), shiftState(event->modifiers()),
                     static_cast<float>(event->position().x()),
                     static_cast<float>(event->position().y()));
}

void Glintar::keyPressEvent(QKeyEvent* event)
{
    Q_EMIT keyDown(keyCode(*event), shiftState(event->modifiers()));
    const QString text = event->text();
    if (text.size() == 1 && text.front().unicode() < 256)
        Q_EMIT keyPress(text.front().unicode());
}

void Glintar::keyReleaseEvent(QKeyEvent* event)
{
    Q_EMIT keyUp(keyCode(*event), shiftState(event->modifiers()));
}

} // namespace glintar
