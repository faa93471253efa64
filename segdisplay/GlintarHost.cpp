// Glintar's host surface: late binding by dispatch id, and saving to and loading from a
// property bag.

#include "segdisplay/Glintar.h"
#include "segdisplay/GlintarPrivate.h"
#include "segdisplay/PropertyBag.h"
#include "segdisplay/ValueConversion.h"

#include <QMetaProperty>
#include <algorithm>
#include <array>

namespace glintar
{

namespace
{

constexpr qint32 kOwnProperty = 0x68030000;
constexpr qint32 kOwnMethod = 0x60030000;

struct DispatchEntry {
    qint32 id;
    const char* property; // the Q_PROPERTY that carries it
};

// The control's interface by number: its own properties, then the platform's standard ones.
constexpr std::array kDispatch = {
    DispatchEntry{kOwnProperty + 46, "autoRedraw"},
    DispatchEntry{kOwnProperty + 45, "mouseIcon"},
    DispatchEntry{kOwnProperty + 44, "mousePointer"},
    DispatchEntry{kOwnProperty + 43, "backPicture"},
    DispatchEntry{kOwnProperty + 42, "backColor"},
    DispatchEntry{kOwnProperty + 41, "ledOnColor"},
    DispatchEntry{kOwnProperty + 40, "ledOffColor"},
    DispatchEntry{kOwnProperty + 39, "italic"},
    DispatchEntry{kOwnProperty + 38, "ledType"},
    DispatchEntry{kOwnProperty + 37, "mode"},
    DispatchEntry{kOwnProperty + 36, "dateType"},
    DispatchEntry{kOwnProperty + 35, "leadingZeros"},
    DispatchEntry{kOwnProperty + 34, "plusMinuMode"},
    DispatchEntry{kOwnProperty + 33, "blinkEnabled"},
    DispatchEntry{kOwnProperty + 32, "blinkRate"},
    DispatchEntry{kOwnProperty + 31, "adjustMode"},
    DispatchEntry{kOwnProperty + 30, "ledSize"},
    DispatchEntry{kOwnProperty + 29, "italicAngle"},
    DispatchEntry{kOwnProperty + 28, "ledX"},
    DispatchEntry{kOwnProperty + 27, "ledY"},
    DispatchEntry{kOwnProperty + 26, "segmentWidth"},
    DispatchEntry{kOwnProperty + 25, "segmentSeparation"},
    DispatchEntry{kOwnProperty + 24, "decimalSize"},
    DispatchEntry{kOwnProperty + 23, "decimalXOffset"},
    DispatchEntry{kOwnProperty + 22, "decimalYOffset"},
    DispatchEntry{kOwnProperty + 21, "hSpace"},
    DispatchEntry{kOwnProperty + 20, "decimals"},
    DispatchEntry{kOwnProperty + 19, "ledBitNum"},
    DispatchEntry{kOwnProperty + 18, "value"},
    DispatchEntry{kOwnProperty + 17, "alphaText"},
    DispatchEntry{kOwnProperty + 16, "borderWidth"},
    DispatchEntry{kOwnProperty + 15, "borderColor"},
    DispatchEntry{kOwnProperty + 14, "outLineStyle"},
    DispatchEntry{kOwnProperty + 13, "inLineStyle"},
    DispatchEntry{kOwnProperty + 12, "borderLight"},
    DispatchEntry{kOwnProperty + 11, "borderShadow"},
    DispatchEntry{kOwnProperty + 10, "outLineWidth"},
    DispatchEntry{kOwnProperty + 9, "inLineWidth"},
    DispatchEntry{kOwnProperty + 8, "captionNum"},
    DispatchEntry{kOwnProperty + 7, "captionID"},
    DispatchEntry{kOwnProperty + 6, "captionText"},
    DispatchEntry{kOwnProperty + 5, "captionColor"},
    DispatchEntry{kOwnProperty + 4, "captionFontID"},
    DispatchEntry{kOwnProperty + 3, "captionX"},
    DispatchEntry{kOwnProperty + 2, "captionY"},
    DispatchEntry{kOwnProperty + 1, "fontNum"},
    DispatchEntry{kOwnProperty + 0, "fontID"},
    DispatchEntry{-514, "enabled"},
    DispatchEntry{-512, "fontSlot"},
    DispatchEntry{-515, "hWnd"},
};

enum class Method : qint32 {
    ShowAbout = -552,
    RunClock = kOwnMethod + 47,
    Refresh = kOwnMethod + 48,
    LocateAngle = kOwnMethod + 82,
};

std::optional<QMetaProperty> propertyFor(const QObject& object, qint32 dispId)
{
    const auto it = std::find_if(kDispatch.begin(), kDispatch.end(),
                                 [&](const DispatchEntry& e) { return e.id == dispId; });
    if (it == kDispatch.end())
        return std::nullopt;
    const QMetaObject* meta = object.metaObject();
    return meta->property(meta->indexOfProperty(it->property));
}

// Stores a converted value in a field; false (the step is skipped) when there is none.
template <class Field, class Value> bool assign(Field& field, const std::optional<Value>& value)
{
    if (!value)
        return false;
    field = static_cast<Field>(*value);
    return true;
}

// A count read from a form sizes an array or a text: one far outside what the setters allow
// would only exhaust memory, so it is treated like a value of the wrong type.
std::optional<int> toCount(const QVariant& v, int max)
{
    const auto count = toLong(v);
    if (count && *count > max)
        return std::nullopt;
    return count;
}

using P = GlintarPrivate;

// One persisted key: its default and how the control's state is read and stored for it.
struct PersistedKey {
    const char* key;
    QVariant defaultValue;
    QVariant (*get)(const P&);
    bool (*store)(P&, const QVariant&);
};

QVariant colour(OleColor c)
{
    // Colours are Longs in a form: system colours read as negative numbers there.
    return static_cast<qint32>(c);
}

// The keys in the order they are saved and loaded.
const std::array<PersistedKey, 39> kPersisted = {{
    {"BackPicture", QVariant(QImage()), [](const P& d) { return QVariant(d.backPicture); },
     [](P& d, const QVariant& v) { return assign(d.backPicture, toPicture(v)); }},
    {"BackColor", colour(0), [](const P& d) { return colour(d.backColor); },
     [](P& d, const QVariant& v) {
         if (!assign(d.backColor, toOleColor(v)))
             return false;
         QPalette background = d.q->palette();
         background.setColor(QPalette::Window, d.qcolor(d.backColor));
         d.q->setPalette(background);
         return true;
     }},
    {"Enabled", QVariant(true), [](const P& d) { return QVariant(d.q->isEnabled()); },
     [](P& d, const QVariant& v) {
         const auto on = toBoolean(v);
         if (on)
             d.q->setEnabled(*on);
         return on.has_value();
     }},
    {"MouseIcon", QVariant(QImage()), [](const P& d) { return QVariant(d.mouseIcon); },
     [](P& d, const QVariant& v) {
         const bool ok = assign(d.mouseIcon, toPicture(v));
         d.applyCursor();
         return ok;
     }},
    {"MousePointer", QVariant(0), [](const P& d) { return QVariant(d.mousePointer); },
     [](P& d, const QVariant& v) {
         const bool ok = assign(d.mousePointer, toLong(v));
         d.applyCursor();
         return ok;
     }},
    {"AutoRedraw", QVariant(true), [](const P& d) { return QVariant(d.autoRedraw); },
     [](P& d, const QVariant& v) { return assign(d.autoRedraw, toBoolean(v)); }},
    {"Mode", QVariant(2), [](const P& d) { return QVariant(d.geo.mode); },
     [](P& d, const QVariant& v) { return assign(d.geo.mode, toLong(v)); }},
    {"DateType", QVariant(0), [](const P& d) { return QVariant(d.geo.dateType); },
     [](P& d, const QVariant& v) { return assign(d.geo.dateType, toLong(v)); }},
    {"AdjustMode", QVariant(1), [](const P& d) { return QVariant(d.geo.adjustMode); },
     [](P& d, const QVariant& v) { return assign(d.geo.adjustMode, toLong(v)); }},
    {"LEDBitNum", QVariant(7), [](const P& d) { return QVariant(d.geo.ledBitNum); },
     [](P& d, const QVariant& v) { return assign(d.geo.ledBitNum, toLong(v)); }},
    {"Decimals", QVariant(1), [](const P& d) { return QVariant(d.decimals); },
     [](P& d, const QVariant& v) { return assign(d.decimals, toCount(v, kMaxCells)); }},
    {"Value", QVariant(0.0), [](const P& d) { return QVariant(d.value); },
     [](P& d, const QVariant& v) { return assign(d.value, toDouble(v)); }},
    {"AlphaText", QVariant(QString::fromLatin1(kDefaultAlphaText)),
     [](const P& d) { return QVariant(d.alphaText); },
     [](P& d, const QVariant& v) { return assign(d.alphaText, toText(v)); }},
    {"Italic", QVariant(false), [](const P& d) { return QVariant(d.geo.italic); },
     [](P& d, const QVariant& v) { return assign(d.geo.italic, toBoolean(v)); }},
    {"LeadingZeros", QVariant(false), [](const P& d) { return QVariant(d.leadingZeros); },
     [](P& d, const QVariant& v) { return assign(d.leadingZeros, toBoolean(v)); }},
    {"PlusMinuMode", QVariant(0), [](const P& d) { return QVariant(d.geo.plusMinuMode); },
     [](P& d, const QVariant& v) { return assign(d.geo.plusMinuMode, toLong(v)); }},
    {"BlinkEnabled", QVariant(false), [](const P& d) { return QVariant(d.blinkEnabled); },
     [](P& d, const QVariant& v) { return assign(d.blinkEnabled, toBoolean(v)); }},
    {"BlinkRate", QVariant(kDefaultBlinkRate),
     [](const P& d) { return QVariant(d.timBlink->interval()); },
     [](P& d, const QVariant& v) {
         const auto ms = toLong(v);
         if (ms)
             d.timBlink->setInterval(*ms);
         return ms.has_value();
     }},
    {"ItalicAngle", QVariant(86), [](const P& d) { return QVariant(d.geo.italicAngle); },
     [](P& d, const QVariant& v) { return assign(d.geo.italicAngle, toLong(v)); }},
    {"LedType", QVariant(1), [](const P& d) { return QVariant(d.geo.ledType); },
     [](P& d, const QVariant& v) { return assign(d.geo.ledType, toLong(v)); }},
    {"LedOffColor", colour(kDefaultLedOffColor), [](const P& d) { return colour(d.ledOffColor); },
     [](P& d, const QVariant& v) { return assign(d.ledOffColor, toOleColor(v)); }},
    {"LedOnColor", colour(kDefaultLedOnColor), [](const P& d) { return colour(d.ledOnColor); },
     [](P& d, const QVariant& v) { return assign(d.ledOnColor, toOleColor(v)); }},
    {"LedSize", QVariant(0.8), [](const P& d) { return QVariant(d.geo.ledSize); },
     [](P& d, const QVariant& v) { return assign(d.geo.ledSize, toDouble(v)); }},
    {"LedX", QVariant(0.05), [](const P& d) { return QVariant(d.geo.ledX); },
     [](P& d, const QVariant& v) { return assign(d.geo.ledX, toDouble(v)); }},
    {"LedY", QVariant(0.05), [](const P& d) { return QVariant(d.geo.ledY); },
     [](P& d, const QVariant& v) { return assign(d.geo.ledY, toDouble(v)); }},
    {"SegmentWidth", QVariant(8), [](const P& d) { return QVariant(d.geo.segmentWidth); },
     [](P& d, const QVariant& v) { return assign(d.geo.segmentWidth, toLong(v)); }},
    {"SegmentSeparation", QVariant(2), [](const P& d) { return QVariant(d.geo.segmentSeparation); },
     [](P& d, const QVariant& v) { return assign(d.geo.segmentSeparation, toLong(v)); }},
    {"HSpace", QVariant(14), [](const P& d) { return QVariant(d.geo.hSpace); },
     [](P& d, const QVariant& v) { return assign(d.geo.hSpace, toLong(v)); }},
    {"DecimalSize", QVariant(10), [](const P& d) { return QVariant(d.geo.decimalSize); },
     [](P& d, const QVariant& v) { return assign(d.geo.decimalSize, toLong(v)); }},
    {"DecimalXOffset", QVariant(0), [](const P& d) { return QVariant(d.geo.decimalXOffset); },
     [](P& d, const QVariant& v) { return assign(d.geo.decimalXOffset, toLong(v)); }},
    {"DecimalYOffset", QVariant(0), [](const P& d) { return QVariant(d.geo.decimalYOffset); },
     [](P& d, const QVariant& v) { return assign(d.geo.decimalYOffset, toLong(v)); }},
    {"BorderWidth", QVariant(1), [](const P& d) { return QVariant(d.geo.borderWidth); },
     [](P& d, const QVariant& v) { return assign(d.geo.borderWidth, toLong(v)); }},
    {"BorderColor", colour(kButtonFace), [](const P& d) { return colour(d.borderColor); },
     [](P& d, const QVariant& v) { return assign(d.borderColor, toOleColor(v)); }},
    {"BorderLight", colour(kDefaultBorderLight), [](const P& d) { return colour(d.borderLight); },
     [](P& d, const QVariant& v) { return assign(d.borderLight, toOleColor(v)); }},
    {"BorderShadow", colour(kButtonShadow), [](const P& d) { return colour(d.borderShadow); },
     [](P& d, const QVariant& v) { return assign(d.borderShadow, toOleColor(v)); }},
    {"InLineStyle", QVariant(2), [](const P& d) { return QVariant(d.geo.inLineStyle); },
     [](P& d, const QVariant& v) { return assign(d.geo.inLineStyle, toLong(v)); }},
    {"OutLineStyle", QVariant(1), [](const P& d) { return QVariant(d.geo.outLineStyle); },
     [](P& d, const QVariant& v) { return assign(d.geo.outLineStyle, toLong(v)); }},
    {"OutLineWidth", QVariant(2), [](const P& d) { return QVariant(d.geo.outLineWidth); },
     [](P& d, const QVariant& v) { return assign(d.geo.outLineWidth, toLong(v)); }},
    {"InLineWidth", QVariant(3), [](const P& d) { return QVariant(d.geo.inLineWidth); },
     [](P& d, const QVariant& v) { return assign(d.geo.inLineWidth, toLong(v)); }},
}};

QString indexed(const char* key, int index)
{
    return QLatin1String(key) + QString::number(index);
}

void skipped(const QString& key)
{
    qCDebug(lcGlintar) << "property" << key << "could not be read from the bag; kept as it was";
}

} // namespace

QVariant Glintar::propertyById(qint32 dispId) const
{
    const auto property = propertyFor(*this, dispId);
    if (!property)
        return {};
    const QVariant v = property->read(this);
    // Enumerations travel as the Longs they are in the interface.
    return property->isEnumType() ? QVariant(v.toInt()) : v;
}

bool Glintar::setPropertyById(qint32 dispId, const QVariant& value)
{
    const auto property = propertyFor(*this, dispId);
    if (!property || !property->isWritable())
        return false;
    const auto converted = toPropertyType(*property, value);
    return converted && property->write(this, *converted);
}

QVariant Glintar::invokeById(qint32 dispId, const QVariantList& arguments)
{
    switch (static_cast<Method>(dispId)) {
    case Method::ShowAbout:
        showAbout();
        return true;
    case Method::RunClock: {
        const auto on = arguments.isEmpty() ? std::nullopt : toBoolean(arguments.front());
        if (!on)
            return {};
        runClock(*on);
        return true;
    }
    case Method::Refresh:
        refresh();
        return true;
    case Method::LocateAngle: {
        if (arguments.size() < 2)
            return {};
        const auto x = toLong(arguments[0]);
        const auto y = toLong(arguments[1]);
        if (!x || !y)
            return {};
        return locateAngle(*x, *y);
    }
    }
    return {};
}

void Glintar::writeProperties(PropertyBag& bag) const
{
    for (const PersistedKey& key : kPersisted)
        bag.write(QLatin1String(key.key), key.get(*d), key.defaultValue);

    bag.write(QStringLiteral("FontNum"), fontNum(), 1);
    for (int i = 0; i < fontNum(); ++i)
        bag.write(indexed("Font", i), d->fonts[static_cast<std::size_t>(i)], font());

    bag.write(QStringLiteral("CaptionNum"), captionNum(), 0);
    for (int i = 0; i < captionNum(); ++i) {
        const CaptionItem& c = d->captions[static_cast<std::size_t>(i)];
        bag.write(indexed("CaptionText", i), c.text, QString::fromLatin1(kDefaultCaptionText));
        bag.write(indexed("CaptionColor", i), colour(c.color), 0);
        bag.write(indexed("CaptionX", i), c.x, kDefaultCaptionPosition);
        bag.write(indexed("CaptionY", i), c.y, kDefaultCaptionPosition);
        bag.write(indexed("CaptionFontID", i), c.fontID, 0);
    }
}

void Glintar::readProperties(const PropertyBag& bag)
{
    for (const PersistedKey& key : kPersisted) {
        const QString name = QLatin1String(key.key);
        if (!key.store(*d, bag.read(name, key.defaultValue)))
            skipped(name);
    }

    if (const auto count = toCount(bag.read(QStringLiteral("FontNum"), 1), kMaxFonts)) {
        d->fonts.clear();
        d->fontID = 0;
        for (int i = 0; i < *count; ++i) {
            const QString name = indexed("Font", i);
            const auto font = toFont(bag.read(name, this->font()));
            if (!font)
                skipped(name);
            d->fonts.push_back(font.value_or(this->font()));
        }
    } else {
        skipped(QStringLiteral("FontNum"));
    }

    if (const auto count = toCount(bag.read(QStringLiteral("CaptionNum"), 0), kMaxCaptions)) {
        d->captions.assign(static_cast<std::size_t>(std::max(*count, 0)), CaptionItem{});
        d->captionID = 0;
        for (int i = 0; i < captionNum(); ++i) {
            CaptionItem& c = d->captions[static_cast<std::size_t>(i)];
            const auto read = [&](const char* key, const QVariant& defaultValue, auto& field,
                                  auto convert) {
                const QString name = indexed(key, i);
                if (!assign(field, convert(bag.read(name, defaultValue))))
                    skipped(name);
            };
            read("CaptionText", QString::fromLatin1(kDefaultCaptionText), c.text, toText);
            read("CaptionColor", 0, c.color, toOleColor);
            read("CaptionX", kDefaultCaptionPosition, c.x, toDouble);
            read("CaptionY", kDefaultCaptionPosition, c.y, toDouble);
            read("CaptionFontID", 0, c.fontID, toLong);
        }
    } else {
        skipped(QStringLiteral("CaptionNum"));
    }

    d->timClock->setEnabled(d->geo.mode == 0 && d->runMode);
    d->timBlink->setEnabled(d->blinkEnabled && d->runMode);

    // As after a resize: lay out and paint, unless the form asks for no cells at all.
    if (d->geo.ledBitNum != 0) {
        d->layoutCells();
        d->redrawAll(d->ledOnColor);
    }
}

} // namespace glintar
