#include "segdisplay/styles/ByteStream.h"

#include <bit>
#include <cstring>
#include <limits>
#include <type_traits>

namespace glintar::styles {

namespace {

constexpr std::size_t kMaxStringLength = std::numeric_limits<std::uint16_t>::max();

} // namespace

std::string_view ByteReader::take(std::size_t n)
{
    if (m_failed || n > m_bytes.size() - m_pos) {
        m_failed = true;
        return {};
    }
    const std::string_view part = m_bytes.substr(m_pos, n);
    m_pos += n;
    return part;
}

template <class T> T ByteReader::little()
{
    using U =
        std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>, std::int64_t, T>>;
    const std::string_view raw = take(sizeof(T));
    if (raw.size() != sizeof(T))
        return T{};
    U u = 0;
    for (std::size_t i = 0; i < sizeof(T); ++i)
        u |= static_cast<U>(static_cast<unsigned char>(raw[i])) << (8 * i);
    return std::bit_cast<T>(u);
}

bool ByteReader::boolean()
{
    return little<std::int16_t>() != 0;
}

std::int16_t ByteReader::integer()
{
    return little<std::int16_t>();
}

std::int32_t ByteReader::longValue()
{
    return little<std::int32_t>();
}

double ByteReader::doubleValue()
{
    return little<double>();
}

std::string ByteReader::string()
{
    const auto length = static_cast<std::uint16_t>(little<std::int16_t>());
    return std::string(take(length));
}

std::size_t ByteReader::listCount(std::size_t minElementSize)
{
    const std::int16_t dimensions = little<std::int16_t>();
    if (m_failed || dimensions == 0)
        return 0;
    if (dimensions != 1) {
        m_failed = true;
        return 0;
    }
    const std::int32_t count = little<std::int32_t>();
    little<std::int32_t>(); // the lower bound: 0 in every file, and nothing depends on it
    if (m_failed || count < 0 ||
        static_cast<std::size_t>(count) > (m_bytes.size() - m_pos) / minElementSize) {
        m_failed = true;
        return 0;
    }
    return static_cast<std::size_t>(count);
}

template <class T> void ByteWriter::little(T v)
{
    using U =
        std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>, std::int64_t, T>>;
    const U u = std::bit_cast<U>(v);
    for (std::size_t i = 0; i < sizeof(T); ++i)
        m_bytes.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void ByteWriter::boolean(bool v)
{
    little<std::int16_t>(v ? -1 : 0);
}

void ByteWriter::integer(std::int16_t v)
{
    little(v);
}

void ByteWriter::longValue(std::int32_t v)
{
    little(v);
}

void ByteWriter::doubleValue(double v)
{
    little(v);
}

void ByteWriter::string(std::string_view v)
{
    const std::string_view kept = v.substr(0, kMaxStringLength);
    little(static_cast<std::uint16_t>(kept.size()));
    m_bytes.append(kept);
}

void ByteWriter::listHeader(std::size_t count)
{
    if (count == 0) {
        little<std::int16_t>(0);
        return;
    }
    little<std::int16_t>(1);
    little(static_cast<std::int32_t>(count));
    little<std::int32_t>(0);
}

} // namespace glintar::styles
