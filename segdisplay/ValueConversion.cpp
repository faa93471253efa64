#include "segdisplay/ValueConversion.h"

#include <QPixmap>
#include <cmath>
#include <limits>

namespace glintar
{

namespace
{

// Every numeric reading goes through one real number; texts are read in the C locale.
std::optional<double> numeric(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool() ? -1.0 : 0.0;
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
        return v.toDouble();
    case QMetaType::QString: {
        bool ok = false;
        const double x = v.toString().trimmed().toDouble(&ok);
        return ok ? std::optional(x) : std::nullopt;
    }
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<bool> toBoolean(const QVariant& v)
{
    if (v.typeId() == QMetaType::QString) {
        const QString text = v.toString().trimmed();
        if (text.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
            return false;
    }
    const auto x = numeric(v);
    if (!x || std::isnan(*x))
        return std::nullopt;
    return *x != 0;
}

std::optional<int> toLong(const QVariant& v)
{
    const auto x = numeric(v);
    if (!x)
        return std::nullopt;
    const double r = std::nearbyint(*x);
    if (!(r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<int>::max()))
        return std::nullopt;
    return static_cast<int>(r);
}

std::optional<OleColor> toOleColor(const QVariant& v)
{
    const auto x = numeric(v);
    if (!x)
        return std::nullopt;
    const double r = std::nearbyint(*x);
    if (!(r >= std::numeric_limits<int>::min() && r <= std::numeric_limits<OleColor>::max()))
        return std::nullopt;
    return static_cast<OleColor>(static_cast<long long>(r));
}

std::optional<double> toDouble(const QVariant& v)
{
    return numeric(v);
}

std::optional<QString> toText(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::QString:
        return v.toString();
    case QMetaType::Bool:
        return v.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        if (const auto x = numeric(v))
            return QString::number(*x, 'g', 15);
        return std::nullopt;
    }
}

std::optional<QFont> toFont(const QVariant& v)
{
    if (v.typeId() == QMetaType::QFont)
        return v.value<QFont>();
    return std::nullopt;
}

std::optional<QImage> toPicture(const QVariant& v)
{
    if (v.typeId() == QMetaType::QImage)
        return v.value<QImage>();
    if (v.typeId() == QMetaType::QPixmap)
        return v.value<QPixmap>().toImage();
    return std::nullopt;
}

std::optional<QVariant> toPropertyType(const QMetaProperty& property, const QVariant& v)
{
    const auto wrap = [](const auto& x) -> std::optional<QVariant> {
        if (!x)
            return std::nullopt;
        return QVariant::fromValue(*x);
    };
    if (property.isEnumType())
        return wrap(toLong(v));
    switch (property.typeId()) {
    case QMetaType::Bool:
        return wrap(toBoolean(v));
    case QMetaType::Int:
        return wrap(toLong(v));
    case QMetaType::UInt:
        return wrap(toOleColor(v));
    case QMetaType::Double:
        return wrap(toDouble(v));
    case QMetaType::QString:
        return wrap(toText(v));
    case QMetaType::QFont:
        return wrap(toFont(v));
    case QMetaType::QImage:
        return wrap(toPicture(v));
    default:
        return std::nullopt;
    }
}

} // namespace glintar
