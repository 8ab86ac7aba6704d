#include "pubengine/escher.h"

namespace vantrelle::pubengine {

namespace {

constexpr std::uint16_t kContainerVersion = 0xF;
constexpr std::uint16_t kPropertyId = 0x3FFF;
constexpr std::uint16_t kComplex = 0x8000;
constexpr std::size_t kRecordHeader = 8;
constexpr std::size_t kMaxDepth = 32;
constexpr std::uint16_t kFirstRecordType = 0xF000;
constexpr std::uint16_t kLastRecordType = 0xF1FF;

// The drawing stream holds other data between its top-level containers (the
// publishing program puts a u32 after the drawing group), so at the top
// level anything that is no drawing container is stepped over a word at a
// time; inside a container every record must fit.
void walk(ByteView data, std::size_t depth, const std::function<bool(const EscherRecord &)> &visit)
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
        EscherRecord record;
        record.type = type;
        record.instance = static_cast<std::uint16_t>(verInstance >> 4);
        record.container = (verInstance & 0xF) == kContainerVersion;
        record.body = data.subspan(p + kRecordHeader, length);
        if (visit(record) && record.container && depth < kMaxDepth)
            walk(record.body, depth + 1, visit);
        p += kRecordHeader + length;
    }
}

} // namespace

void walkDrawing(ByteView drawing, const std::function<bool(const EscherRecord &)> &visit)
{
    walk(drawing, 0, visit);
}

void walkContainer(ByteView body, const std::function<bool(const EscherRecord &)> &visit)
{
    walk(body, 1, visit);
}

// A shape's option table: instance entries of u16 id and u32 value, then the
// data of the complex ones in the same order.
std::vector<EscherOption> escherOptions(const EscherRecord &options)
{
    std::vector<EscherOption> out;
    const ByteView record = options.body;
    const std::size_t count = options.instance;
    if (count > record.size() / 6)
        return out;
    std::size_t complexAt = 6 * count;
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint16_t id = readU16(record, 6 * i);
        EscherOption o;
        o.id = id & kPropertyId;
        o.value = readU32(record, 6 * i + 2);
        o.complex = (id & kComplex) != 0;
        if (o.complex) {
            if (o.value > record.size() - complexAt)
                return out;
            o.data = record.subspan(complexAt, o.value);
            complexAt += o.value;
        }
        out.push_back(o);
    }
    return out;
}

} // namespace vantrelle::pubengine
