#pragma once
// The framing of the Quill text stream (Quill/QuillSub/CONTENTS): a 512-byte
// header block with the first chunk-reference list, the chunks, and
// continuation lists. ChunkFile knows where chunks are and how to lay them out
// again; what is inside a chunk is QuillStream's business.
#include "pubengine/bytes.h"

#include <array>
#include <string>

namespace vantrelle::pubengine {

enum class ChunkKind {
    Text,
    StyleSheet,
    ParagraphPage,
    CharacterPage,
    StoryIds,
    Sgp,
    Ink,
    ParagraphBins,
    CharacterBins,
    Fonts,
    TableCells,
    Tokens,
    StoryLengths,
    LayoutCache,
    Palette,
};

inline constexpr std::uint32_t kBlockSize = 512;
inline constexpr std::uint32_t kTextOffset = 512;

struct Chunk {
    ChunkKind kind = ChunkKind::Text;
    std::uint16_t id = 0;
    // The list entry as stored; offset and length are rewritten on build.
    std::array<std::uint8_t, 24> entry{};
    // Where the chunk was read from.
    std::uint32_t offset = 0;
    Bytes data;
    // Bytes after the declared length that belong with the chunk (some token
    // tables carry an empty string-table header there). Never page padding.
    Bytes trailing;

    bool isPage() const
    {
        return kind == ChunkKind::ParagraphPage || kind == ChunkKind::CharacterPage;
    }
    std::string typeName() const;
};

class ChunkFile {
public:
    struct Layout {
        std::vector<std::uint32_t> chunkOffsets;
        std::vector<std::uint32_t> listOffsets;
        std::uint32_t size = 0;
    };

    // Throws FormatError when the framing is damaged or holds an unknown chunk type.
    static ChunkFile parse(ByteView stream);

    Layout layout() const;
    Bytes build(const Layout &layout) const;
    Bytes build() const { return build(layout()); }

    std::vector<Chunk> &chunks() { return m_chunks; }
    const std::vector<Chunk> &chunks() const { return m_chunks; }
    std::size_t listCount() const { return m_listSizes.size(); }
    // The length the header declares.
    std::uint32_t declaredSize() const;

    // Removes a chunk from the table; later chunks move up one index.
    void removeChunk(std::size_t index);
    void setChunkId(std::size_t index, std::uint16_t id);

    // Chunk indexes in the order the chunks lie in the stream they were read
    // from; the table may list them otherwise, and keeps its own order.
    std::vector<std::size_t> byteOrder() const;

    // Index of the first chunk of that kind and id (any id when id < 0), or -1.
    int find(ChunkKind kind, int id = -1) const;

private:
    std::array<std::uint8_t, 24> m_header{};
    std::vector<std::uint16_t> m_listCapacities;
    std::vector<std::size_t> m_listSizes;
    std::vector<Chunk> m_chunks;
};

} // namespace vantrelle::pubengine
