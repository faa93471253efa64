#include "segdisplay/styles/StyleFile.h"

#include "segdisplay/styles/ByteStream.h"

namespace glintar::styles {

namespace {

// The least a list element can take in a file: every field present, texts empty.
constexpr std::size_t kMinCaptionSize = 2 + 4 + 8 + 4 + 8;
constexpr std::size_t kMinFontSize = 2 + 2 + 2 + 2 + 2 + 2 + 2;

void writeCaption(ByteWriter& w, const StyleCaption& c)
{
    w.string(c.text);
    w.longValue(c.fontID);
    w.doubleValue(c.x);
    w.longValue(c.color);
    w.doubleValue(c.y);
}

StyleCaption readCaption(ByteReader& r)
{
    StyleCaption c;
    c.text = r.string();
    c.fontID = r.longValue();
    c.x = r.doubleValue();
    c.color = r.longValue();
    c.y = r.doubleValue();
    return c;
}

void writeFont(ByteWriter& w, const StyleFont& f)
{
    w.boolean(f.bold);
    w.boolean(f.italic);
    w.string(f.name);
    w.integer(f.size);
    w.boolean(f.strikethrough);
    w.boolean(f.underline);
    w.integer(f.weight);
}

StyleFont readFont(ByteReader& r)
{
    StyleFont f;
    f.bold = r.boolean();
    f.italic = r.boolean();
    f.name = r.string();
    f.size = r.integer();
    f.strikethrough = r.boolean();
    f.underline = r.boolean();
    f.weight = r.integer();
    return f;
}

template <class T, class Read>
std::vector<T> readList(ByteReader& r, std::size_t minElementSize, Read read)
{
    const std::size_t count = r.listCount(minElementSize);
    std::vector<T> items;
    items.reserve(count);
    for (std::size_t i = 0; i < count && !r.failed(); ++i)
        items.push_back(read(r));
    return items;
}

template <class T, class Write>
void writeList(ByteWriter& w, const std::vector<T>& items, Write write)
{
    w.listHeader(items.size());
    for (const T& item : items)
        write(w, item);
}

std::optional<StyleRecord> readRecord(ByteReader& r)
{
    StyleRecord s;
    s.backColor = r.longValue();
    s.enabled = r.boolean();
    s.mousePointer = r.integer();
    s.autoRedraw = r.boolean();
    s.mode = r.longValue();
    s.dateType = r.longValue();
    s.adjustMode = r.longValue();
    s.ledBitNum = r.longValue();
    s.decimals = r.longValue();
    s.value = r.doubleValue();
    s.alphaText = r.string();
    s.italic = r.boolean();
    s.leadingZeros = r.boolean();
    s.plusMinuMode = r.longValue();
    s.blinkEnabled = r.boolean();
    s.blinkRate = r.longValue();
    s.italicAngle = r.longValue();
    s.ledType = r.longValue();
    s.ledOffColor = r.longValue();
    s.ledOnColor = r.longValue();
    s.ledSize = r.doubleValue();
    s.ledX = r.doubleValue();
    s.ledY = r.doubleValue();
    s.segmentWidth = r.longValue();
    s.segmentSeparation = r.longValue();
    s.hSpace = r.longValue();
    s.decimalSize = r.longValue();
    s.decimalXOffset = r.longValue();
    s.decimalYOffset = r.longValue();
    s.captionNum = r.longValue();
    s.captions = readList<StyleCaption>(r, kMinCaptionSize, readCaption);
    s.fontNum = r.longValue();
    s.fonts = readList<StyleFont>(r, kMinFontSize, readFont);
    s.borderWidth = r.longValue();
    s.borderColor = r.longValue();
    s.borderLight = r.longValue();
    s.borderShadow = r.longValue();
    s.inLineStyle = r.longValue();
    s.outLineStyle = r.longValue();
    s.outLineWidth = r.longValue();
    s.inLineWidth = r.longValue();
    s.notes = r.string();
    s.description = r.string();
    s.reserved = r.string();
    if (r.failed())
        return std::nullopt;
    return s;
}

} // namespace

std::string fileHeader()
{
    std::string header(kHeaderText);
    header.resize(kHeaderSize, ' ');
    return header;
}

std::string encodeRecord(const StyleRecord& s)
{
    ByteWriter w;
    w.longValue(s.backColor);
    w.boolean(s.enabled);
    w.integer(s.mousePointer);
    w.boolean(s.autoRedraw);
    w.longValue(s.mode);
    w.longValue(s.dateType);
    w.longValue(s.adjustMode);
    w.longValue(s.ledBitNum);
    w.longValue(s.decimals);
    w.doubleValue(s.value);
    w.string(s.alphaText);
    w.boolean(s.italic);
    w.boolean(s.leadingZeros);
    w.longValue(s.plusMinuMode);
    w.boolean(s.blinkEnabled);
    w.longValue(s.blinkRate);
    w.longValue(s.italicAngle);
    w.longValue(s.ledType);
    w.longValue(s.ledOffColor);
    w.longValue(s.ledOnColor);
    w.doubleValue(s.ledSize);
    w.doubleValue(s.ledX);
    w.doubleValue(s.ledY);
    w.longValue(s.segmentWidth);
    w.longValue(s.segmentSeparation);
    w.longValue(s.hSpace);
    w.longValue(s.decimalSize);
    w.longValue(s.decimalXOffset);
    w.longValue(s.decimalYOffset);
    w.longValue(s.captionNum);
    writeList(w, s.captions, writeCaption);
    w.longValue(s.fontNum);
    writeList(w, s.fonts, writeFont);
    w.longValue(s.borderWidth);
    w.longValue(s.borderColor);
    w.longValue(s.borderLight);
    w.longValue(s.borderShadow);
    w.longValue(s.inLineStyle);
    w.longValue(s.outLineStyle);
    w.longValue(s.outLineWidth);
    w.longValue(s.inLineWidth);
    w.string(s.notes);
    w.string(s.description);
    w.string(s.reserved);
    return w.bytes();
}

std::optional<std::vector<StoredStyle>> parseStyleFile(std::string_view file)
{
    if (file.substr(0, kHeaderSize) != fileHeader())
        return std::nullopt;
    const std::string_view body = file.substr(kHeaderSize);
    ByteReader r(body);
    std::vector<StoredStyle> styles;
    while (!r.atEnd()) {
        const std::size_t start = r.position();
        auto record = readRecord(r);
        if (!record)
            return std::nullopt;
        styles.push_back(
            {std::move(*record), std::string(body.substr(start, r.position() - start))});
    }
    return styles;
}

std::string buildStyleFile(const std::vector<std::string>& records)
{
    std::string file = fileHeader();
    for (const std::string& record : records)
        file += record;
    return file;
}

} // namespace glintar::styles
