#include "pubengine/chunkfile.h"

#include "pubengine/enginetext.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace vantrelle::pubengine {

namespace {

constexpr std::uint32_t kNoNext = 0xFFFFFFFF;
constexpr std::size_t kFirstList = 0x18;
constexpr std::size_t kListHeader = 8;
constexpr std::size_t kEntrySize = 24;

struct KindName {
    ChunkKind kind;
    char name[5];
};

constexpr KindName kKinds[] = {
    {ChunkKind::Text, "TEXT"},          {ChunkKind::StyleSheet, "STSH"},
    {ChunkKind::ParagraphPage, "FDPP"}, {ChunkKind::CharacterPage, "FDPC"},
    {ChunkKind::StoryIds, "SYID"},      {ChunkKind::Sgp, "SGP "},
    {ChunkKind::Ink, "INK "},           {ChunkKind::ParagraphBins, "BTEP"},
    {ChunkKind::CharacterBins, "BTEC"}, {ChunkKind::Fonts, "FONT"},
    {ChunkKind::TableCells, "TCD "},    {ChunkKind::Tokens, "TOKN"},
    {ChunkKind::StoryLengths, "STRS"},  {ChunkKind::LayoutCache, "MCLD"},
    {ChunkKind::Palette, "PL  "},
};

std::string printable(const std::uint8_t *p, std::size_t n)
{
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
        if (p[i] >= 0x20 && p[i] < 0x7F) {
            s += static_cast<char>(p[i]);
        } else {
            static const char hex[] = "0123456789ABCDEF";
            s += "\\x";
            s += hex[p[i] >> 4];
            s += hex[p[i] & 15];
        }
    }
    return s;
}

std::uint32_t alignBlock(std::uint64_t v)
{
    const std::uint64_t aligned = (v + kBlockSize - 1) / kBlockSize * kBlockSize;
    if (aligned > 0xFFFFFFFFull)
        throw FormatError(QCoreApplication::translate("vantrelle::pubengine::EngineText",
                                                      "the text stream would grow beyond 4 GiB"));
    return static_cast<std::uint32_t>(aligned);
}

} // namespace

std::string Chunk::typeName() const
{
    for (const KindName &k : kKinds) {
        if (k.kind == kind)
            return k.name;
    }
    return "?";
}

std::uint32_t ChunkFile::declaredSize() const
{
    return readU32(m_header, 0x14);
}

void ChunkFile::removeChunk(std::size_t index)
{
    m_chunks.erase(m_chunks.begin() + static_cast<std::ptrdiff_t>(index));
    std::size_t first = 0;
    for (std::size_t &size : m_listSizes) {
        if (index < first + size) {
            --size;
            break;
        }
        first += size;
    }
    const auto count = static_cast<std::uint16_t>((m_header[0x0C] | m_header[0x0D] << 8) - 1);
    m_header[0x0C] = static_cast<std::uint8_t>(count);
    m_header[0x0D] = static_cast<std::uint8_t>(count >> 8);
}

void ChunkFile::setChunkId(std::size_t index, std::uint16_t id)
{
    Chunk &c = m_chunks.at(index);
    c.id = id;
    c.entry[6] = static_cast<std::uint8_t>(id);
    c.entry[7] = static_cast<std::uint8_t>(id >> 8);
}

std::vector<std::size_t> ChunkFile::byteOrder() const
{
    std::vector<std::size_t> order(m_chunks.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [this](std::size_t a, std::size_t b) {
        return m_chunks[a].offset < m_chunks[b].offset;
    });
    return order;
}

int ChunkFile::find(ChunkKind kind, int id) const
{
    for (std::size_t i = 0; i < m_chunks.size(); ++i) {
        if (m_chunks[i].kind == kind && (id < 0 || m_chunks[i].id == id))
            return static_cast<int>(i);
    }
    return -1;
}

ChunkFile ChunkFile::parse(ByteView stream)
{
    if (stream.size() < kBlockSize || std::memcmp(stream.data(), "CHNKINK ", 8) != 0)
        throw FormatError(EngineText::tr("the text stream does not start with a text header"));
    ChunkFile file;
    std::copy_n(stream.begin(), file.m_header.size(), file.m_header.begin());
    const std::uint32_t declared = file.declaredSize();
    if (declared > stream.size() || declared < kBlockSize || declared % kBlockSize != 0)
        throw FormatError(
            EngineText::tr("the text stream's declared length does not match its size"));
    const ByteView data = stream.first(declared);

    // Chunk-reference lists: the first in the header block, the rest in
    // 512-byte blocks of their own. A list may be visited once only.
    std::set<std::uint32_t> visited;
    std::vector<std::pair<std::size_t, std::size_t>> listBlocks{{0, kBlockSize}};
    std::size_t listOffset = kFirstList;
    std::size_t blockEnd = kBlockSize;
    while (true) {
        const std::uint16_t capacity = readU16(data, listOffset, "a block table");
        const std::uint16_t count = readU16(data, listOffset + 2, "a block table");
        const std::uint32_t next = readU32(data, listOffset + 4, "a block table");
        if (kListHeader + std::size_t(count) * kEntrySize > blockEnd - listOffset)
            throw FormatError(
                EngineText::tr("a block table holds more entries than fit in its block"));
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t e = listOffset + kListHeader + i * kEntrySize;
            if (readU16(data, e) != kEntrySize)
                throw FormatError(EngineText::tr("a block table entry has an unexpected size"));
            Chunk chunk;
            std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(e), kEntrySize,
                        chunk.entry.begin());
            const auto *type = chunk.entry.data() + 2;
            bool known = false;
            for (const KindName &k : kKinds) {
                if (std::memcmp(type, k.name, 4) == 0) {
                    chunk.kind = k.kind;
                    known = true;
                }
            }
            if (!known)
                throw FormatError(
                    EngineText::tr("the text stream holds a block of type \"%1\" that "
                                   "this engine does not know, so it cannot edit "
                                   "it safely")
                        .arg(QString::fromStdString(printable(type, 4))));
            chunk.id = readU16(data, e + 6);
            chunk.offset = readU32(data, e + 16);
            const std::uint32_t length = readU32(data, e + 20);
            requireRange(data, chunk.offset, length,
                         ("the " + chunk.typeName() + " block").c_str());
            chunk.data.assign(data.begin() + chunk.offset, data.begin() + chunk.offset + length);
            file.m_chunks.push_back(std::move(chunk));
        }
        file.m_listCapacities.push_back(capacity);
        file.m_listSizes.push_back(count);
        if (next == kNoNext)
            break;
        if (!visited.insert(next).second || next < kBlockSize)
            throw FormatError(EngineText::tr("the block tables form a cycle"));
        if (next % kBlockSize != 0 || std::size_t(next) + kBlockSize > data.size())
            throw FormatError(EngineText::tr("a block table lies outside the text stream"));
        listBlocks.emplace_back(next, next + kBlockSize);
        listOffset = next;
        blockEnd = next + kBlockSize;
    }
    if (readU32(data, 0x10) != kBlockSize * file.m_listSizes.size())
        throw FormatError(
            EngineText::tr("the header's size of the block table disagrees with the block tables"));
    std::size_t total = 0;
    for (std::size_t n : file.m_listSizes)
        total += n;
    if (readU16(data, 0x0C) != total)
        throw FormatError(
            EngineText::tr("the header's block count disagrees with the block tables"));
    // A publication without any text may have no text chunk at all.
    const int text = file.find(ChunkKind::Text);
    if (text >= 0 && file.m_chunks[text].offset != kTextOffset)
        throw FormatError(EngineText::tr("the text block is not where it belongs"));

    // The table may list chunks in any order; in the stream they must lie
    // apart from each other and from the list blocks.
    auto &chunks = file.m_chunks;
    const std::vector<std::size_t> order = file.byteOrder();
    for (std::size_t i = 0; i < order.size(); ++i) {
        const Chunk &c = chunks[order[i]];
        const std::size_t begin = c.offset;
        const std::size_t end = begin + c.data.size();
        if (begin < kBlockSize)
            throw FormatError(EngineText::tr("a block of the text lies inside the header"));
        if (i + 1 < order.size() && end > chunks[order[i + 1]].offset)
            throw FormatError(EngineText::tr("two blocks of the text overlap"));
        for (const auto &[lb, le] : listBlocks) {
            if (begin < le && lb < std::max(end, begin + 1))
                throw FormatError(
                    EngineText::tr("a block of the text overlaps the table of blocks"));
        }
        if (c.isPage() && (begin % kBlockSize != 0 || c.data.size() != kBlockSize))
            throw FormatError(EngineText::tr("a page of formatting is not a whole aligned block"));
    }
    // Bytes between a chunk and the next non-page chunk travel with it. The
    // gap before a page, or before a list block or the end, is padding.
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        Chunk &c = chunks[order[i]];
        const Chunk &next = chunks[order[i + 1]];
        if (next.isPage())
            continue;
        std::size_t end = c.offset + c.data.size();
        std::size_t gapEnd = next.offset;
        for (const auto &[lb, le] : listBlocks) {
            if (lb >= end && lb < gapEnd)
                gapEnd = lb;
        }
        c.trailing.assign(data.begin() + static_cast<std::ptrdiff_t>(end),
                          data.begin() + static_cast<std::ptrdiff_t>(gapEnd));
    }
    return file;
}

ChunkFile::Layout ChunkFile::layout() const
{
    Layout layout;
    layout.chunkOffsets.resize(m_chunks.size());
    std::uint64_t cur = kTextOffset;
    for (std::size_t i : byteOrder()) {
        const Chunk &c = m_chunks[i];
        if (c.isPage())
            cur = alignBlock(cur);
        layout.chunkOffsets[i] = static_cast<std::uint32_t>(cur);
        cur += c.data.size() + c.trailing.size();
        if (cur > 0xFFFFFFFFull)
            throw FormatError(EngineText::tr("the text stream would grow beyond 4 GiB"));
    }
    layout.listOffsets.push_back(kFirstList);
    for (std::size_t i = 1; i < m_listSizes.size(); ++i) {
        cur = alignBlock(cur);
        layout.listOffsets.push_back(static_cast<std::uint32_t>(cur));
        cur += kBlockSize;
    }
    layout.size = alignBlock(std::max<std::uint64_t>(cur, kBlockSize));
    return layout;
}

Bytes ChunkFile::build(const Layout &layout) const
{
    Bytes out(layout.size, 0);
    std::copy(m_header.begin(), m_header.end(), out.begin());
    writeU32(out, 0x14, layout.size);
    std::size_t chunkIndex = 0;
    for (std::size_t li = 0; li < m_listSizes.size(); ++li) {
        const std::size_t lo = layout.listOffsets[li];
        writeU16(out, lo, m_listCapacities[li]);
        writeU16(out, lo + 2, static_cast<std::uint16_t>(m_listSizes[li]));
        writeU32(out, lo + 4, li + 1 < m_listSizes.size() ? layout.listOffsets[li + 1] : kNoNext);
        for (std::size_t j = 0; j < m_listSizes[li]; ++j, ++chunkIndex) {
            const Chunk &c = m_chunks[chunkIndex];
            const std::size_t e = lo + kListHeader + j * kEntrySize;
            std::copy(c.entry.begin(), c.entry.end(), out.begin() + static_cast<std::ptrdiff_t>(e));
            writeU32(out, e + 16, layout.chunkOffsets[chunkIndex]);
            writeU32(out, e + 20, static_cast<std::uint32_t>(c.data.size()));
        }
    }
    for (std::size_t i = 0; i < m_chunks.size(); ++i) {
        const Chunk &c = m_chunks[i];
        auto at = out.begin() + layout.chunkOffsets[i];
        at = std::copy(c.data.begin(), c.data.end(), at);
        std::copy(c.trailing.begin(), c.trailing.end(), at);
    }
    return out;
}

} // namespace vantrelle::pubengine
