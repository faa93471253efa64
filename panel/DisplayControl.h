#pragma once

#include <QMetaMethod>
#include <QRect>
#include <QString>

class QWidget;

namespace orvane {

// The frequency display Glintar1, hosted the way a form hosts a control: created by its
// identifier from the control registry, loaded from its stored design-time properties, and
// driven only through the Value and BlinkEnabled properties by dispatch id.
class DisplayControl {
public:
    static constexpr qint32 kValueId = 0x68030012;
    static constexpr qint32 kBlinkEnabledId = 0x68030021;

    DisplayControl(QWidget* parent, const QRect& place);

    QWidget* widget() const { return m_control; }
    double value() const;
    void setValue(double hertz);
    void setBlinkEnabled(bool on);
    bool blinkEnabled() const;
    // Tells assistive technology about a change of the panel's mode ("Standby", "Power off").
    void announce(const QString& text);

private:
    void put(qint32 dispId, const QVariant& value);
    QVariant get(qint32 dispId) const;

    QWidget* m_control;
    // Looked up once by name: the panel reads and writes the display several times a step.
    QMetaMethod m_put;
    QMetaMethod m_get;
};

} // namespace orvane
