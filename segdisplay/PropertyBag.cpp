#include "segdisplay/PropertyBag.h"

#include <QBuffer>
#include <QFont>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <algorithm>

namespace glintar
{

namespace
{

constexpr QLatin1StringView kFontTag("font");
constexpr QLatin1StringView kPictureTag("picture");

bool sameKey(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// Two values are the same when they say the same thing, whatever whole-number or real type
// holds them: a default of 0 equals a stored 0.0.
bool sameValue(const QVariant& a, const QVariant& b)
{
    const auto numeric = [](const QVariant& v) {
        switch (v.typeId()) {
        case QMetaType::Int:
        case QMetaType::UInt:
        case QMetaType::LongLong:
        case QMetaType::ULongLong:
        case QMetaType::Short:
        case QMetaType::Double:
        case QMetaType::Float:
            return true;
        default:
            return false;
        }
    };
    if (numeric(a) && numeric(b))
        return a.toDouble() == b.toDouble();
    if (a.typeId() != b.typeId())
        return false;
    return a == b;
}

QJsonValue toJson(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::QFont:
        return QJsonObject{{kFontTag, value.value<QFont>().toString()}};
    case QMetaType::QImage: {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        const QImage image = value.value<QImage>();
        if (!image.isNull() && !image.save(&buffer, "PNG"))
            png.clear();
        return QJsonObject{{kPictureTag, QString::fromLatin1(png.toBase64())}};
    }
    default:
        return QJsonValue::fromVariant(value);
    }
}

// A picture or font that cannot be decoded comes back as an invalid QVariant, which every reader
// treats as a value of the wrong type.
QVariant fromJson(const QJsonValue& value)
{
    if (!value.isObject())
        return value.toVariant();
    const QJsonObject object = value.toObject();
    if (object.size() == 1 && object.contains(kFontTag)) {
        QFont font;
        if (font.fromString(object.value(kFontTag).toString()))
            return font;
        return {};
    }
    if (object.size() == 1 && object.contains(kPictureTag)) {
        const QByteArray png =
            QByteArray::fromBase64(object.value(kPictureTag).toString().toLatin1());
        if (png.isEmpty())
            return QImage();
        QImage image;
        if (image.loadFromData(png, "PNG"))
            return image;
        return {};
    }
    return {};
}

} // namespace

std::vector<std::pair<QString, QVariant>>::const_iterator
PropertyBag::find(const QString& key) const
{
    return std::find_if(m_entries.begin(), m_entries.end(),
                        [&](const auto& entry) { return sameKey(entry.first, key); });
}

QVariant PropertyBag::read(const QString& key, const QVariant& defaultValue) const
{
    const auto it = find(key);
    return it == m_entries.end() ? defaultValue : it->second;
}

void PropertyBag::write(const QString& key, const QVariant& value, const QVariant& defaultValue)
{
    if (sameValue(value, defaultValue))
        remove(key);
    else
        insert(key, value);
}

void PropertyBag::insert(const QString& key, const QVariant& value)
{
    const auto it = find(key);
    if (it == m_entries.end())
        m_entries.emplace_back(key, value);
    else
        m_entries[static_cast<std::size_t>(it - m_entries.begin())].second = value;
}

void PropertyBag::remove(const QString& key)
{
    std::erase_if(m_entries, [&](const auto& entry) { return sameKey(entry.first, key); });
}

bool PropertyBag::contains(const QString& key) const
{
    return find(key) != m_entries.end();
}

QStringList PropertyBag::keys() const
{
    QStringList keys;
    for (const auto& entry : m_entries)
        keys << entry.first;
    return keys;
}

QString PropertyBag::toText() const
{
    QJsonObject object;
    for (const auto& [key, value] : m_entries)
        object.insert(key, toJson(value));
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Indented));
}

std::optional<PropertyBag> PropertyBag::fromText(const QString& text, QString* error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        if (error)
            *error = parseError.error != QJsonParseError::NoError
                         ? parseError.errorString()
                         : QStringLiteral("the text is not one object of keys and values");
        return std::nullopt;
    }
    PropertyBag bag;
    const QJsonObject object = document.object();
    for (auto it = object.begin(); it != object.end(); ++it)
        bag.insert(it.key(), fromJson(it.value()));
    return bag;
}

bool operator==(const PropertyBag& a, const PropertyBag& b)
{
    if (a.m_entries.size() != b.m_entries.size())
        return false;
    return std::all_of(a.m_entries.begin(), a.m_entries.end(), [&](const auto& entry) {
        const auto it = b.find(entry.first);
        return it != b.m_entries.end() && sameValue(entry.second, it->second);
    });
}

} // namespace glintar
