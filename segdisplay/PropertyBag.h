#pragma once

// The property bag a host keeps a control's design-time state in: keys matched without regard to
// case, each holding a bool, a whole number, a real number, a text, a font (QFont) or a picture
// (QImage). A control writes only the values that differ from their defaults, so a stored form
// lists just what was changed. The text form is what a host puts in a file or a resource.

#include "segdisplay/glintar_export.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <optional>
#include <utility>
#include <vector>

namespace glintar
{

class GLINTAR_EXPORT PropertyBag
{
public:
    // The stored value, or `defaultValue` when the key is missing. A stored value is returned as
    // it is, even when it cannot be read as the type the caller wants: that is the reader's step
    // to skip.
    QVariant read(const QString& key, const QVariant& defaultValue) const;
    // Stores value under key, or removes the key when value equals defaultValue.
    void write(const QString& key, const QVariant& value, const QVariant& defaultValue);

    // Plain access, for the host's own keys.
    void insert(const QString& key, const QVariant& value);
    void remove(const QString& key);
    bool contains(const QString& key) const;
    QStringList keys() const; // in the order they were first written
    bool isEmpty() const { return m_entries.empty(); }

    // One JSON object. Numbers, texts and booleans stand as themselves; a font is
    // {"font": QFont::toString()}, a picture {"picture": base64 PNG} ("" for no picture). A
    // font or picture that cannot be decoded reads back as an invalid value, which a loading
    // control skips like any value of the wrong type.
    QString toText() const;
    // nullopt when the text is not such an object; *error (if given) says why.
    static std::optional<PropertyBag> fromText(const QString& text, QString* error = nullptr);

    friend GLINTAR_EXPORT bool operator==(const PropertyBag& a, const PropertyBag& b);

private:
    std::vector<std::pair<QString, QVariant>>::const_iterator find(const QString& key) const;

    std::vector<std::pair<QString, QVariant>> m_entries;
};

} // namespace glintar
