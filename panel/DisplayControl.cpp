#include "DisplayControl.h"

#include "bands/BandConfig.h"
#include "segdisplay/ControlRegistry.h"
#include "segdisplay/PropertyBag.h"

#include <QAccessible>
#include <QFile>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QWidget>

#include <cmath>

Q_LOGGING_CATEGORY(lcDisplay, "orvane.panel.display")

namespace orvane {

namespace {

QString spokenFrequency(double hertz)
{
    const auto whole = static_cast<std::int64_t>(std::nearbyint(hertz));
    return QStringLiteral("%1 Hz").arg(whole == 0 ? QStringLiteral("0")
                                                  : QString::fromStdString(formatGrouped(whole)));
}

} // namespace

DisplayControl::DisplayControl(QWidget* parent, const QRect& place)
    : m_control(glintar::ControlRegistry::create(QStringLiteral("VarnokGlintar.Glintar"), parent))
{
    Q_ASSERT(m_control);
    const QMetaObject* type = m_control->metaObject();
    m_put = type->method(type->indexOfMethod("setPropertyById(qint32,QVariant)"));
    m_get = type->method(type->indexOfMethod("propertyById(qint32)"));
    m_control->setObjectName("Glintar1");
    m_control->setGeometry(place);

    // The display's design: a 9-cell frequency readout, dark green on pale green, no frame.
    QFile stored(QStringLiteral(":/orvane/Glintar1.properties"));
    QString error;
    const auto bag = stored.open(QIODevice::ReadOnly)
                         ? glintar::PropertyBag::fromText(QString::fromUtf8(stored.readAll()), &error)
                         : std::nullopt;
    if (bag)
        QMetaObject::invokeMethod(m_control, "readProperties", Q_ARG(glintar::PropertyBag, *bag));
    else
        qCWarning(lcDisplay) << "Glintar1's stored properties cannot be read:" << error;

    m_control->setFocusPolicy(Qt::NoFocus);
    m_control->setAccessibleName(QStringLiteral("Frequency %1").arg(spokenFrequency(value())));
}

void DisplayControl::put(qint32 dispId, const QVariant& value)
{
    bool accepted = false;
    m_put.invoke(m_control, Qt::DirectConnection, Q_RETURN_ARG(bool, accepted),
                 Q_ARG(qint32, dispId), Q_ARG(QVariant, value));
    if (!accepted)
        qCWarning(lcDisplay) << "Glintar1 refused property" << Qt::hex << dispId << value;
}

QVariant DisplayControl::get(qint32 dispId) const
{
    QVariant result;
    m_get.invoke(m_control, Qt::DirectConnection, Q_RETURN_ARG(QVariant, result),
                 Q_ARG(qint32, dispId));
    return result;
}

double DisplayControl::value() const { return get(kValueId).toDouble(); }

void DisplayControl::setValue(double hertz)
{
    put(kValueId, hertz);
    m_control->setAccessibleName(QStringLiteral("Frequency %1").arg(spokenFrequency(hertz)));
}

void DisplayControl::setBlinkEnabled(bool on) { put(kBlinkEnabledId, on); }

bool DisplayControl::blinkEnabled() const { return get(kBlinkEnabledId).toBool(); }

void DisplayControl::announce(const QString& text)
{
    m_control->setAccessibleDescription(text);
    QAccessibleEvent event(m_control, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

} // namespace orvane
