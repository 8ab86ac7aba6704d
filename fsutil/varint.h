#pragma once
// Unsigned numbers in as few bytes as they need (seven bits a byte, the high
// bit saying another byte follows): the compact lists' counts and lengths.
#include <QByteArray>

namespace vantrelle::varint {

inline void put(QByteArray &bytes, quint64 n)
{
    while (n >= 0x80) {
        bytes.append(char((n & 0x7f) | 0x80));
        n >>= 7;
    }
    bytes.append(char(n));
}

// Reads the number at p and moves p past it.
inline quint64 take(const char *&p)
{
    quint64 n = 0;
    int shift = 0;
    for (;;) {
        const auto byte = static_cast<unsigned char>(*p++);
        n |= quint64(byte & 0x7f) << shift;
        if (!(byte & 0x80))
            return n;
        shift += 7;
    }
}

} // namespace vantrelle::varint
