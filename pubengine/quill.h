#pragma once
// The Quill text stream of a publication: all stories' text and every
// structure that holds a text position. Parsing validates every position
// against the text, editing keeps them consistent, and build() lays the
// stream out again the way the publishing program does.
#include "pubengine/chunkfile.h"
#include "pubengine/context.h"
#include "pubengine/matcher.h"
#include "pubengine/properties.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrelle::pubengine {

// A span of the global text in UTF-16 units, with the property record that
// formats it (empty when the run has none).
struct TextRun {
    std::uint32_t start = 0;
    std::uint32_t end = 0;
    Bytes record;
};

enum class TokenRole { Hyperlink, Placeholder, Field };

// A hyperlink, placeholder or field over story-relative positions.
struct Token {
    std::uint32_t start = 0;
    std::uint32_t length = 0;
    std::int32_t kind = 0;
    TokenRole role = TokenRole::Field;
    // The link target from the story's string table, when it has one.
    std::u16string target;
};

// Why an occurrence was left unchanged. WholePage is no longer given: a
// formatting page an edit empties is removed. WordArt, and NoCodePage (text
// of Publisher 95 and 97 in a symbol font or one without a known code
// page), are text the engine finds but never edits; they alone do not keep
// a result from being saved. NotTicked and ParentNotMade are a review's:
// the user left the occurrence, or the change whose text it was found in.
enum class LeftReason { Field, WholeToken, WholePage, WordArt, NoCodePage, NotTicked, ParentNotMade };
inline constexpr int kLeftReasonCount = 7;

// What names one occurrence whatever other occurrences are replaced: the
// replacement round (the pair) and story it was found in, and where it
// starts. Text of the source is named by its place there; text a change
// wrote, by that change's anchor, round and the offset into its new text.
struct ChangeKey {
    std::uint32_t round = 0;
    std::size_t story = 0;
    std::vector<std::uint32_t> anchor;
    auto operator<=>(const ChangeKey &) const = default;
    bool operator==(const ChangeKey &) const = default;
};

// One occurrence a replacement made or left, with the text around it.
struct ReplaceChange {
    std::size_t story = 0;
    // Story-relative, in the text before the replacement.
    std::uint32_t position = 0;
    ContextText before;
    // The same place in the text after it.
    ContextText after;
    bool left = false;
    LeftReason reason = LeftReason::Field; // when left
    // Empty in a story; otherwise where else it was, such as "link address"
    // or "document property Title" (story and position then mean nothing).
    std::u16string place;
    // In a story: what names it (its position is the anchor's first), and the
    // earlier change whose new text it needs, when it exists only because
    // of one.
    ChangeKey key{};
    std::optional<ChangeKey> dependsOn{};
};

struct ReplaceResult {
    // In the stories' text.
    std::size_t replaced = 0;
    // In the addresses of links, and in document properties, when asked.
    std::size_t inLinks = 0;
    std::size_t inProperties = 0;
    std::array<std::size_t, kLeftReasonCount> left{};
    // The first occurrences, replaced or left, in text order, as many as asked;
    // then those in link addresses, document properties and WordArt.
    std::vector<ReplaceChange> changes;

    std::size_t leftTotal() const
    {
        std::size_t n = 0;
        for (std::size_t l : left)
            n += l;
        return n;
    }
    // Left occurrences that keep the result from being what was asked for.
    std::size_t leftBlocking() const
    {
        return leftTotal() - left[static_cast<int>(LeftReason::WordArt)] -
               left[static_cast<int>(LeftReason::NoCodePage)] -
               left[static_cast<int>(LeftReason::NotTicked)] -
               left[static_cast<int>(LeftReason::ParentNotMade)];
    }
};

// A reviewed occurrence: what names it (the key's round is ignored: the
// choices are a round's own) and what was found there, and whether to
// replace it.
struct ChosenChange {
    ChangeKey key{};
    std::u16string found;
    bool apply = true;
};

// Stories longer than this are refused after an edit unless the source
// already holds one: readers of the format keep paragraph positions in 16
// bits, and no known publication holds a longer story.
inline constexpr std::uint32_t kLongestStory = 32767;

// Which kinds of token stand for what. Unknown kinds count as fields, whose
// text the engine never touches.
TokenRole tokenRole(std::int32_t kind);

class QuillStream {
public:
    // Throws FormatError when the stream is damaged or holds something the
    // engine cannot edit safely.
    static QuillStream parse(ByteView stream);
    Bytes build() const;

    const std::u16string &text() const { return m_text; }
    std::size_t storyCount() const { return m_storyLengths.size(); }
    std::uint32_t storyStart(std::size_t story) const;
    std::uint32_t storyLength(std::size_t story) const { return m_storyLengths.at(story); }
    std::u16string_view story(std::size_t story) const;
    // The text id of each story, which shapes name their story by.
    const std::vector<std::uint32_t> &storyIds() const { return m_storyIds; }

    std::vector<TextRun> characterRuns() const { return runs(m_charPages); }
    std::vector<TextRun> paragraphs() const { return runs(m_paraPages); }
    std::vector<Token> tokens(std::size_t story) const;
    // Story-relative index of each cell's closing paragraph mark, then the
    // story length; empty when the story is no table.
    std::vector<std::uint32_t> cellEnds(std::size_t story) const;

    const ChunkFile &chunkFile() const { return m_file; }
    // True for a stream without a story table: it has no stories to edit and
    // is written back as it was read.
    bool storyless() const { return m_storyless.has_value(); }

    // Replaces every match of matcher in every story (see replace.cpp for
    // the rules). Throws Failure for what the matcher throws and for an edit
    // that makes a story longer than kLongestStory when the source held none
    // that long.
    // Meant for streams without invariant violations: Publication checks
    // them on open. The result lists the first listLimit occurrences with
    // their surroundings.
    // With choices, only the occurrences among them marked apply are
    // replaced, by the same edit as a full replacement, the others left as
    // not ticked. A choice marked apply must be found again, by its key, as
    // it was reviewed (else Failure, nothing changed) unless an earlier
    // round left a change unticked: its text may then be gone with it.
    ReplaceResult replaceAll(const Matcher &matcher, std::size_t listLimit = 0,
                             const std::vector<ChosenChange> *choices = nullptr);
    // Plain text, every occurrence; throws for texts Matcher refuses.
    ReplaceResult replaceAll(std::u16string_view find, std::u16string_view replacement,
                             bool matchCase, std::size_t listLimit = 0)
    {
        return replaceAll(Matcher(find, replacement, {matchCase}), listLimit);
    }

    // Replaces every occurrence of find in the addresses of web, e-mail and
    // file links (links to a page of the publication are left alone) and
    // returns how many. Throws Failure when an address would become empty or
    // too long, or is stored in a way the engine does not edit. Lists up to
    // listLimit occurrences in changes.
    std::size_t replaceInLinks(const Matcher &matcher, std::vector<ReplaceChange> &changes,
                               std::size_t listLimit);

    // Cross-structure consistency; an empty list means sound.
    std::vector<std::string> invariantViolations() const;

private:
    struct FormattingPage {
        std::size_t chunk = 0;
        std::size_t storedCount = 0;
        bool firstIsZero = false;
        std::uint32_t first = 0; // global unit index
        std::vector<std::uint32_t> ends;
        std::vector<std::uint16_t> records;
    };
    static constexpr std::size_t kAbsent = std::size_t(-1);
    struct BinTable {
        // kAbsent in a publication without text that has no bin table.
        std::size_t chunk = 0;
        // Bound values as stored: 0 or a stream byte offset into the text.
        std::vector<std::uint32_t> bounds;
        std::vector<std::size_t> pageChunks;
    };
    struct TokenTable {
        std::size_t chunk = 0;
        std::size_t story = 0;
        std::vector<std::uint32_t> starts;
        std::uint32_t storyLength = 0;
        std::vector<PropertyRecord> groupA;
        Bytes groupB;
        Bytes rest;
        std::vector<std::uint32_t> lengths;
        std::vector<std::int32_t> kinds;
        std::vector<std::int32_t> targets;
        std::uint8_t lengthType = 0x22;
    };
    struct CellTable {
        std::size_t chunk = 0;
        std::size_t story = 0;
        std::vector<std::uint32_t> values;
    };
    class PositionMap;

    void parseStories();
    void parseFormattingPages(ChunkKind kind, std::vector<FormattingPage> &pages);
    void parseBinTable(ChunkKind kind, ChunkKind pageKind, BinTable &table);
    void parseTokens();
    void parseCells();
    std::vector<TextRun> runs(const std::vector<FormattingPage> &pages) const;
    void encodeInto(ChunkFile &file, const ChunkFile::Layout *layout) const;
    void applyEdits(const PositionMap &map, std::u16string newText,
                    const std::vector<std::int64_t> &storyDeltas);
    void removePage(std::vector<FormattingPage> &pages, BinTable &bins, std::size_t p);

    ChunkFile m_file;
    std::u16string m_text;
    std::vector<std::uint32_t> m_storyLengths;
    std::vector<std::uint32_t> m_storyIds;
    std::vector<FormattingPage> m_charPages;
    std::vector<FormattingPage> m_paraPages;
    BinTable m_charBins;
    BinTable m_paraBins;
    std::vector<TokenTable> m_tokens;
    std::vector<CellTable> m_cells;
    std::uint32_t m_longestSourceStory = 0;
    std::optional<Bytes> m_storyless;
    // Where each story's text came from: spans of the source and the new
    // texts of the changes made (an empty one where a change deleted), so
    // that an occurrence is named the same whatever else was replaced.
    struct Piece {
        std::uint32_t start = 0; // story-relative, in the text as it is now
        std::uint32_t length = 0;
        std::int64_t maker = -1; // index into m_makers; -1: the source
        // Where the span starts in the source, or in its maker's new text.
        std::uint32_t source = 0;
    };
    struct PieceEdit {
        std::uint32_t pos = 0; // story-relative, before the edit
        std::uint32_t oldLength = 0;
        std::uint32_t newLength = 0;
        std::int64_t maker = 0;
    };
    void notePieces(std::size_t story, const std::vector<PieceEdit> &edits);
    std::vector<std::vector<Piece>> m_pieces;
    std::vector<ChangeKey> m_makers;
    std::uint32_t m_round = 0;
    // An earlier round left a reviewed change unticked.
    bool m_leftTicked = false;
    void keyOf(std::size_t story, std::uint32_t position, std::uint32_t length, ChangeKey &key,
               std::optional<ChangeKey> &dependsOn) const;
};

} // namespace vantrelle::pubengine
