#include "pubengine/wordart.h"

namespace vantrelle::pubengine {

namespace {

constexpr std::uint16_t kContainerVersion = 0xF;
constexpr std::uint16_t kShapeOptions = 0xF00B;
constexpr std::uint16_t kSecondaryOptions = 0xF121;
constexpr std::uint16_t kTertiaryOptions = 0xF122;
constexpr std::uint16_t kWordArtText = 0x00C0;
constexpr std::uint16_t kPropertyId = 0x3FFF;
constexpr std::uint16_t kComplex = 0x8000;
constexpr std::size_t kRecordHeader = 8;
constexpr std::size_t kMaxDepth = 32;
constexpr std::uint16_t kFirstRecordType = 0xF000;
constexpr std::uint16_t kLastRecordType = 0xF1FF;

// A shape's option table: count entries of u16 id and u32 value, then the
// data of the complex ones in the same order.
void readOptions(ByteView record, std::size_t count, std::vector<std::u16string> &out)
{
    if (count > record.size() / 6)
        return;
    std::size_t complexAt = 6 * count;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint16_t id = readU16(record, 6 * i);
        const std::uint32_t value = readU32(record, 6 * i + 2);
        if (!(id & kComplex))
            continue;
        if (value > record.size() - complexAt)
            return;
        if ((id & kPropertyId) == kWordArtText) {
            std::u16string text;
            for (std::size_t u = 0; u + 1 < value; u += 2) {
                const auto c = static_cast<char16_t>(readU16(record, complexAt + u));
                if (c == u'\0')
                    break;
                text += c;
            }
            out.push_back(std::move(text));
        }
        complexAt += value;
    }
}

// The drawing stream holds other data between its top-level containers (the
// publishing program puts a u32 after the drawing group), so at the top
// level anything that is no drawing container is stepped over a word at a
// time; inside a container every record must fit.
void walk(ByteView data, std::size_t depth, std::vector<std::u16string> &out)
{
    for (std::size_t p = 0; p + kRecordHeader <= data.size();) {
        const std::uint16_t verInstance = readU16(data, p);
        const std::uint16_t type = readU16(data, p + 2);
        const std::uint32_t length = readU32(data, p + 4);
        const bool fits = length <= data.size() - p - kRecordHeader;
        if (depth == 0 && (!fits || (verInstance & 0xF) != kContainerVersion ||
                           type < kFirstRecordType || type > kLastRecordType)) {
            p += 4;
            continue;
        }
        if (!fits)
            return;
        const ByteView body = data.subspan(p + kRecordHeader, length);
        if ((verInstance & 0xF) == kContainerVersion) {
            if (depth < kMaxDepth)
                walk(body, depth + 1, out);
        } else if (type == kShapeOptions || type == kSecondaryOptions ||
                   type == kTertiaryOptions) {
            readOptions(body, verInstance >> 4, out);
        }
        p += kRecordHeader + length;
    }
}

} // namespace

std::vector<std::u16string> wordArtTexts(ByteView drawing)
{
    std::vector<std::u16string> out;
    walk(drawing, 0, out);
    return out;
}

} // namespace vantrelle::pubengine
