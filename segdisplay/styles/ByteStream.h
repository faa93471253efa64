#pragma once

// Little-endian reading and writing of the style file's field encodings. The reader never reads
// past its end: a read that does not fit fails and leaves the reader failed, so a parser can read
// a whole record and look once at the end.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace glintar::styles {

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}

    bool boolean();         // 2 bytes, nonzero is True (True is stored as -1)
    std::int16_t integer(); // 2 bytes signed
    std::int32_t longValue();
    double doubleValue();
    std::string string(); // 2-byte unsigned length, then the bytes
    // A list's header: its element count (0 for an absent list). A list with more than one
    // dimension, a negative count or a count whose elements, each at least `minElementSize`
    // bytes, cannot fit in what is left fails the reader.
    std::size_t listCount(std::size_t minElementSize);

    bool failed() const { return m_failed; }
    bool atEnd() const { return m_pos == m_bytes.size(); }
    std::size_t position() const { return m_pos; }

private:
    std::string_view take(std::size_t n);
    template <class T> T little();

    std::string_view m_bytes;
    std::size_t m_pos = 0;
    bool m_failed = false;
};

class ByteWriter {
public:
    void boolean(bool v);
    void integer(std::int16_t v);
    void longValue(std::int32_t v);
    void doubleValue(double v);
    // Texts longer than a length field can say are cut at 65535 bytes rather than written with
    // a length that wrapped round, which would make the rest of the file unreadable.
    void string(std::string_view v);
    // A list's header for `count` elements: an absent list when count is 0.
    void listHeader(std::size_t count);

    const std::string& bytes() const { return m_bytes; }

private:
    template <class T> void little(T v);

    std::string m_bytes;
};

} // namespace glintar::styles
