#pragma once
// The `Contents` stream of a publication saved by Publisher 95 or 97: all
// text in one 8-bit block, indexed by 512-byte formatting pages, their bin
// tables and the character-position tables of the object area. Each run's
// text is read and written in the code page of its font's character set.
// An edit rewrites the text block and moves every position and pointer
// behind it; whole pages are inserted (or given back) when the block
// outgrows its room.
#include "pubengine/bytes.h"
#include "pubengine/matcher.h"
#include "pubengine/quill.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrelle::pubengine {

// Throws FormatError naming the version for a file of a format older than
// Publisher 95 that is no compound file (Publisher 1.0); does nothing else.
void refuseFlatPublication(ByteView file);

class Pub97Stream {
public:
    // Throws FormatError when the stream is damaged, of Publisher 2.0, or
    // laid out in a way the engine does not know.
    static Pub97Stream parse(Bytes contents);

    const Bytes &bytes() const { return m_data; }

    std::size_t storyCount() const { return m_stories.size(); }
    // A story's text: paragraph ends as '\r', line breaks as '\v', fields as
    // '#', cell marks and the story's end left out.
    const std::u16string &story(std::size_t k) const { return m_stories.at(k).text; }

    // Every match of matcher in every story, replaced. Occurrences in a
    // field, or in text whose font has no code page the engine writes, are
    // left and counted; a match or replacement holding a paragraph, story or
    // cell end, and a replacement the run's code page cannot hold, throw
    // Failure and change nothing.
    ReplaceResult replaceAll(const Matcher &matcher, std::size_t listLimit);

    // Cross-structure consistency; an empty list means sound.
    std::vector<std::string> invariantViolations() const;

private:
    // A formatting page (character, paragraph or cell) as stored.
    struct Page {
        std::uint32_t number = 0;
        std::vector<std::uint32_t> fcs; // n + 1 absolute offsets
        std::vector<std::uint8_t> offsets;
    };
    // Where a table of positions keeps its keys, and in which unit.
    struct KeyTable {
        std::uint32_t type = 0;
        std::size_t at = 0;    // offset of the first key
        std::size_t count = 0; // keys
        std::size_t stride = 4;
    };
    // One unit of a story's text and the bytes it was read from.
    struct Unit {
        std::uint32_t begin = 0; // text-relative
        std::uint32_t end = 0;
    };
    struct Story {
        std::uint32_t begin = 0; // text-relative, first byte
        std::u16string text;
        std::vector<Unit> units;
    };
    // A character run and the code page its text is read with.
    struct Run {
        std::uint32_t begin = 0; // text-relative
        std::uint32_t end = 0;
        int codePage = 0; // 0: none known, read as Western
        bool editable = false;
    };
    // Text-relative bytes [a, b) replaced by bytes.
    struct ByteEdit {
        std::uint32_t a = 0;
        std::uint32_t b = 0;
        Bytes bytes;
    };
    class PositionMap;

    void parseHeader();
    void parseChunks();
    void parseFonts(std::size_t at, std::size_t end);
    void decode();
    Bytes applied(const std::vector<ByteEdit> &edits) const;
    const Run &runAt(std::uint32_t pos) const;

    Bytes m_data;
    std::size_t m_tb = 0;
    std::uint32_t m_textStart = 0;
    std::uint32_t m_textEnd = 0;
    // First page of character, paragraph and cell formatting, and the page
    // after them.
    std::uint16_t m_firstPage[4] = {};
    std::uint32_t m_bins[3] = {};
    std::vector<Page> m_pages[3];
    std::uint32_t m_directory = 0;
    // Where each chunk of the directory lies, in directory order.
    std::vector<std::uint32_t> m_chunkOffsets;
    // The character set of each font, by font index.
    std::vector<std::uint8_t> m_charsets;
    std::size_t m_textChunk = 0; // 0: none
    // The text chunk's length and every table of text positions.
    std::vector<KeyTable> m_keyTables;
    std::vector<Run> m_runs;
    std::vector<Story> m_stories;
};

} // namespace vantrelle::pubengine
