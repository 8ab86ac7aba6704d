#pragma once
// Property records, the encoding shared by formatting pages, story lengths,
// tokens and layout caches: u32 total length (including itself), then entries
// of u8 id, u8 type and data whose size the type fixes.
#include "pubengine/bytes.h"

#include <optional>

namespace vantrelle::pubengine {

struct Property {
    std::uint8_t id = 0;
    std::uint8_t type = 0;
    // The payload as stored; for variable types it starts with its own u32 length.
    Bytes data;

    std::optional<std::uint32_t> asU32() const;
};

struct PropertyRecord {
    std::vector<Property> properties;

    const Property *find(std::uint8_t id) const;
    // Sets the property as a 4-byte value, inserting it in id order when absent.
    void setU32(std::uint8_t id, std::uint8_t type, std::uint32_t value);
    std::size_t encodedSize() const;
    void encodeTo(Bytes &out) const;
};

// The payload size of a fixed-size type, or nullopt for a variable-size or unknown type.
std::optional<std::size_t> fixedPropertySize(std::uint8_t type);
bool isVariablePropertyType(std::uint8_t type);

// Parses the record at offset; throws FormatError when it is malformed or
// runs past the data. consumed receives the record's total length.
PropertyRecord parsePropertyRecord(ByteView data, std::size_t offset, std::size_t *consumed);

} // namespace vantrelle::pubengine
