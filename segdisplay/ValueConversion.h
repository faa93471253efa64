#pragma once

// Reading a host's value as one of the control's types, the way a late-bound interface coerces:
// numbers and numeric texts are interchangeable, True is -1, a real number becomes a whole one by
// rounding half to even. nullopt when the value cannot be read as the type: the property keeps
// its value (a setter ignores the call, loading skips the step).

#include "segdisplay/OleColor.h"

#include <QFont>
#include <QImage>
#include <QMetaProperty>
#include <QString>
#include <QVariant>
#include <optional>

namespace glintar
{

std::optional<bool> toBoolean(const QVariant& v);
std::optional<int> toLong(const QVariant& v);
// A colour from a Long (system colours are negative there) or from its unsigned bit pattern.
std::optional<OleColor> toOleColor(const QVariant& v);
std::optional<double> toDouble(const QVariant& v);
std::optional<QString> toText(const QVariant& v);
std::optional<QFont> toFont(const QVariant& v);
std::optional<QImage> toPicture(const QVariant& v);

// `v` as the type of `property`, ready for QMetaProperty::write.
std::optional<QVariant> toPropertyType(const QMetaProperty& property, const QVariant& v);

} // namespace glintar
