#include "pubengine/properties.h"

#include "pubengine/enginetext.h"

#include <algorithm>

namespace vantrelle::pubengine {

std::optional<std::size_t> fixedPropertySize(std::uint8_t type)
{
    switch (type) {
    case 0x00:
    case 0x02:
    case 0x05:
    case 0x08:
    case 0x0A:
    case 0x78:
        return 0;
    case 0x07:
    case 0x10:
    case 0x12:
    case 0x18:
    case 0x1A:
        return 2;
    case 0x20:
    case 0x22:
    case 0x58:
    case 0x68:
    case 0x70:
    case 0xB8:
        return 4;
    case 0x28:
        return 8;
    case 0x38:
        return 16;
    case 0x48:
        return 24;
    default:
        return std::nullopt;
    }
}

bool isVariablePropertyType(std::uint8_t type)
{
    switch (type) {
    case 0x80:
    case 0x82:
    case 0x88:
    case 0x8A:
    case 0x90:
    case 0x98:
    case 0xA0:
    case 0xC0:
        return true;
    default:
        return false;
    }
}

std::optional<std::uint32_t> Property::asU32() const
{
    if (data.size() != 4)
        return std::nullopt;
    return readU32(data, 0);
}

const Property *PropertyRecord::find(std::uint8_t id) const
{
    for (const Property &p : properties) {
        if (p.id == id)
            return &p;
    }
    return nullptr;
}

void PropertyRecord::setU32(std::uint8_t id, std::uint8_t type, std::uint32_t value)
{
    Bytes data(4);
    writeU32(data, 0, value);
    for (Property &p : properties) {
        if (p.id == id) {
            p.data = std::move(data); // an existing entry keeps its type
            return;
        }
    }
    auto at = std::find_if(properties.begin(), properties.end(),
                           [id](const Property &p) { return p.id > id; });
    properties.insert(at, Property{id, type, std::move(data)});
}

std::size_t PropertyRecord::encodedSize() const
{
    std::size_t size = 4;
    for (const Property &p : properties)
        size += 2 + p.data.size();
    return size;
}

void PropertyRecord::encodeTo(Bytes &out) const
{
    appendU32(out, static_cast<std::uint32_t>(encodedSize()));
    for (const Property &p : properties) {
        out.push_back(p.id);
        out.push_back(p.type);
        out.insert(out.end(), p.data.begin(), p.data.end());
    }
}

PropertyRecord parsePropertyRecord(ByteView data, std::size_t offset, std::size_t *consumed)
{
    const std::uint32_t total = readU32(data, offset, "a property record");
    if (total < 4)
        throw FormatError(EngineText::tr("a property record has an impossible length"));
    requireRange(data, offset, total, "a property record");
    const std::size_t end = offset + total;
    PropertyRecord record;
    std::size_t p = offset + 4;
    while (p < end) {
        if (end - p < 2)
            throw FormatError(EngineText::tr("a property record ends inside an entry"));
        Property prop;
        prop.id = data[p];
        prop.type = data[p + 1];
        p += 2;
        std::size_t size = 0;
        if (auto fixed = fixedPropertySize(prop.type)) {
            size = *fixed;
        } else if (isVariablePropertyType(prop.type)) {
            size = readU32(data.first(end), p, "a property");
            if (size < 4)
                throw FormatError(
                    EngineText::tr("a variable-size property has an impossible length"));
        } else {
            throw FormatError(
                EngineText::tr("a property record holds a property type the engine does not know"));
        }
        requireRange(data.first(end), p, size, "a property");
        prop.data.assign(data.begin() + static_cast<std::ptrdiff_t>(p),
                         data.begin() + static_cast<std::ptrdiff_t>(p + size));
        p += size;
        record.properties.push_back(std::move(prop));
    }
    if (consumed)
        *consumed = total;
    return record;
}

} // namespace vantrelle::pubengine
