#pragma once
// Little-endian access to byte buffers. Every read is bounds-checked so that a
// damaged stream ends in a FormatError instead of a read past the buffer.
#include "pubengine/errors.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vantrelle::pubengine {

using Bytes = std::vector<std::uint8_t>;
using ByteView = std::span<const std::uint8_t>;

inline void requireRange(ByteView data, std::size_t offset, std::size_t size, const char *what)
{
    if (offset > data.size() || size > data.size() - offset)
        throw FormatError(std::string(what) + " runs past the end of its data");
}

inline std::uint16_t readU16(ByteView data, std::size_t offset, const char *what = "a value")
{
    requireRange(data, offset, 2, what);
    return static_cast<std::uint16_t>(data[offset] | (data[offset + 1] << 8));
}

inline std::uint32_t readU32(ByteView data, std::size_t offset, const char *what = "a value")
{
    requireRange(data, offset, 4, what);
    return static_cast<std::uint32_t>(data[offset]) |
           (static_cast<std::uint32_t>(data[offset + 1]) << 8) |
           (static_cast<std::uint32_t>(data[offset + 2]) << 16) |
           (static_cast<std::uint32_t>(data[offset + 3]) << 24);
}

// Writers expect the caller to have sized the buffer; they never grow it.
inline void writeU16(Bytes &data, std::size_t offset, std::uint16_t value)
{
    data.at(offset + 1);
    data[offset] = static_cast<std::uint8_t>(value);
    data[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

inline void writeU32(Bytes &data, std::size_t offset, std::uint32_t value)
{
    data.at(offset + 3);
    for (int i = 0; i < 4; ++i)
        data[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

inline void appendU16(Bytes &data, std::uint16_t value)
{
    data.push_back(static_cast<std::uint8_t>(value));
    data.push_back(static_cast<std::uint8_t>(value >> 8));
}

inline void appendU32(Bytes &data, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        data.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

} // namespace vantrelle::pubengine
