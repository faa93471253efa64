#include "PushKey.h"

#include <QMouseEvent>

namespace orvane {

PushKey::PushKey(const QString& legend, QWidget* parent) : QPushButton(parent)
{
    setAccessibleName(legend);
    setFocusPolicy(Qt::TabFocus);
    // Left clicks, Space and accessibility actions all come through QAbstractButton.
    connect(this, &QAbstractButton::pressed, this, [this] { emit keyDown(MouseButton::Left); });
    connect(this, &QAbstractButton::released, this, [this] { emit keyUp(MouseButton::Left); });
}

void PushKey::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && isEnabled()) {
        m_rightDown = true;
        setDown(true);
        emit keyDown(MouseButton::Right);
        event->accept();
        return;
    }
    QPushButton::mousePressEvent(event);
}

void PushKey::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::RightButton && m_rightDown) {
        m_rightDown = false;
        setDown(false);
        emit keyUp(MouseButton::Right);
        event->accept();
        return;
    }
    QPushButton::mouseReleaseEvent(event);
}

void PushKey::enterEvent(QEnterEvent* event)
{
    emit hovered();
    QPushButton::enterEvent(event);
}

LatchKey::LatchKey(const QString& legend, QWidget* parent) : QPushButton(parent)
{
    setAccessibleName(legend);
    setCheckable(true);
    setFocusPolicy(Qt::TabFocus);
}

void setToolTipEverywhere(QWidget* widget, const QString& tip)
{
    widget->setToolTip(tip);
    widget->setAccessibleDescription(tip);
}

} // namespace orvane
