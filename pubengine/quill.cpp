#include "pubengine/quill.h"

#include "pubengine/enginetext.h"

#include <algorithm>
#include <set>

namespace vantrelle::pubengine {

namespace {

constexpr std::uint32_t kStoryLengthsFormat = 8;
constexpr std::uint32_t kBinTableFormat = 4;
constexpr std::uint32_t kCellsFormat = 0;
constexpr std::uint32_t kTokensFormat = 12;
constexpr std::uint8_t kTokenLength = 1;
constexpr std::uint8_t kTokenKind = 2;
constexpr std::uint8_t kTokenTarget = 0;

// Entry counts are checked against the bytes that must hold them before any
// allocation, so a damaged count cannot ask for gigabytes.
std::size_t checkedCount(ByteView data, std::uint32_t n, std::size_t bytesPerEntry,
                         std::size_t fixed, const char *what)
{
    if (n > data.size() / bytesPerEntry || fixed + std::size_t(n) * bytesPerEntry > data.size())
        throw FormatError(std::string(what) + " holds more entries than its data can");
    return n;
}

} // namespace

TokenRole tokenRole(std::int32_t kind)
{
    switch (kind) {
    case 1: // web or file link
    case 3: // link to a page of the publication
    case 4: // e-mail link
        return TokenRole::Hyperlink;
    case 7:
        return TokenRole::Placeholder;
    default:
        return TokenRole::Field;
    }
}

QuillStream QuillStream::parse(ByteView stream)
{
    QuillStream q;
    q.m_file = ChunkFile::parse(stream);
    // Publisher 2002 to 2010 save publications without text with a text
    // stream but no story table; nothing in them can be edited, so they are
    // kept as they came.
    if (q.m_file.find(ChunkKind::StoryLengths) < 0 &&
        (q.m_file.find(ChunkKind::Text) >= 0 || q.m_file.find(ChunkKind::StoryIds) >= 0)) {
        q.m_storyless = Bytes(stream.begin(), stream.end());
        return q;
    }
    q.parseStories();
    q.parseFormattingPages(ChunkKind::CharacterPage, q.m_charPages);
    q.parseFormattingPages(ChunkKind::ParagraphPage, q.m_paraPages);
    q.parseBinTable(ChunkKind::CharacterBins, ChunkKind::CharacterPage, q.m_charBins);
    q.parseBinTable(ChunkKind::ParagraphBins, ChunkKind::ParagraphPage, q.m_paraBins);
    q.parseTokens();
    q.parseCells();
    return q;
}

std::uint32_t QuillStream::storyStart(std::size_t story) const
{
    std::uint64_t start = 0;
    for (std::size_t k = 0; k < story && k < m_storyLengths.size(); ++k)
        start += m_storyLengths[k];
    return static_cast<std::uint32_t>(start);
}

std::u16string_view QuillStream::story(std::size_t story) const
{
    return std::u16string_view(m_text).substr(storyStart(story), m_storyLengths.at(story));
}

void QuillStream::parseStories()
{
    // A publication without text may lack the text and its tables.
    const int textIndex = m_file.find(ChunkKind::Text);
    const Bytes noText;
    const Bytes &text = textIndex >= 0 ? m_file.chunks()[textIndex].data : noText;
    if (text.size() % 2 != 0)
        throw FormatError(EngineText::tr("the text has an odd length"));
    m_text.resize(text.size() / 2);
    for (std::size_t i = 0; i < m_text.size(); ++i)
        m_text[i] = static_cast<char16_t>(readU16(text, 2 * i));
    if (m_text.size() > 0x3FFFFFFF)
        throw FormatError(EngineText::tr("the text is too long"));

    const int strs = m_file.find(ChunkKind::StoryLengths);
    const int syid = m_file.find(ChunkKind::StoryIds);
    if (m_text.empty() && strs < 0 && syid < 0)
        return;
    if (strs < 0)
        throw FormatError(EngineText::tr("the story table is missing"));
    const Bytes &s = m_file.chunks()[strs].data;
    if (readU32(s, 4, "the story table") != kStoryLengthsFormat)
        throw FormatError(EngineText::tr("the story table has a layout this engine does not know"));
    const std::size_t n = checkedCount(s, readU32(s, 0), 4, 16, "the story table");
    std::uint64_t sum = 0;
    for (std::size_t k = 0; k < n; ++k) {
        m_storyLengths.push_back(readU32(s, 12 + 4 * k));
        sum += m_storyLengths.back();
    }
    if (sum != m_text.size())
        throw FormatError(
            EngineText::tr("the story lengths do not add up to the length of the text"));
    for (std::uint32_t length : m_storyLengths)
        m_longestSourceStory = std::max(m_longestSourceStory, length);

    if (syid < 0)
        throw FormatError(EngineText::tr("the story id table is missing"));
    const Bytes &y = m_file.chunks()[syid].data;
    const std::size_t ids =
        checkedCount(y, readU32(y, 4, "the story id table"), 4, 8, "the story id table");
    if (ids != n)
        throw FormatError(
            EngineText::tr("the story id table and the story table disagree on the number of "
                           "stories"));
    for (std::size_t k = 0; k < ids; ++k)
        m_storyIds.push_back(readU32(y, 8 + 4 * k));

    for (const Chunk &c : m_file.chunks()) {
        if (c.kind == ChunkKind::Text && &c.data != &text)
            throw FormatError(EngineText::tr("the text stream holds two texts"));
        if ((c.kind == ChunkKind::StoryLengths && &c != &m_file.chunks()[strs]) ||
            (c.kind == ChunkKind::StoryIds && &c != &m_file.chunks()[syid]))
            throw FormatError(EngineText::tr("the text stream holds two story tables"));
    }
}

void QuillStream::parseFormattingPages(ChunkKind kind, std::vector<FormattingPage> &pages)
{
    const char *what = kind == ChunkKind::CharacterPage ? "a character page of formatting"
                                                        : "a paragraph page of formatting";
    const std::uint64_t textEnd = kTextOffset + 2ull * m_text.size();
    auto position = [&](std::uint32_t v) {
        if (v < kTextOffset || v % 2 != 0 || v > textEnd)
            throw FormatError(std::string(what) + " holds a position outside the text");
        return (v - kTextOffset) / 2;
    };
    std::vector<std::pair<std::uint16_t, std::size_t>> byId;
    for (std::size_t i = 0; i < m_file.chunks().size(); ++i) {
        if (m_file.chunks()[i].kind == kind)
            byId.emplace_back(m_file.chunks()[i].id, i);
    }
    std::sort(byId.begin(), byId.end());
    if (byId.empty() && !m_text.empty())
        throw FormatError(std::string("the text stream has no ") + (what + 2));
    for (std::size_t p = 0; p < byId.size(); ++p) {
        if (byId[p].first != p)
            throw FormatError(std::string(what) + " is missing or numbered twice");
        const Bytes &d = m_file.chunks()[byId[p].second].data;
        FormattingPage page;
        page.chunk = byId[p].second;
        page.storedCount = readU16(d, 0);
        if (page.storedCount == 0 || 8 + 6 * page.storedCount > d.size())
            throw FormatError(std::string(what) + " has an impossible run count");
        const std::uint32_t first = readU32(d, 4);
        page.firstIsZero = first == 0;
        page.first = page.firstIsZero ? 0 : position(first);
        const std::size_t arraysEnd = 8 + 6 * page.storedCount;
        for (std::size_t i = 0; i < page.storedCount; ++i) {
            page.ends.push_back(position(readU32(d, 8 + 4 * i)));
            const std::uint16_t rec = readU16(d, 8 + 4 * page.storedCount + 2 * i);
            if (rec != 0) {
                if (rec < arraysEnd)
                    throw FormatError(std::string(what) + " points a run into its run table");
                parsePropertyRecord(d, rec, nullptr);
            }
            page.records.push_back(rec);
        }
        pages.push_back(std::move(page));
    }
}

void QuillStream::parseBinTable(ChunkKind kind, ChunkKind pageKind, BinTable &table)
{
    const char *what = kind == ChunkKind::CharacterBins ? "the index of character formatting"
                                                        : "the index of paragraph formatting";
    const int index = m_file.find(kind);
    if (index < 0 && m_text.empty()) {
        table.chunk = kAbsent;
        return;
    }
    if (index < 0)
        throw FormatError(std::string(what) + " is missing");
    for (std::size_t i = index + 1; i < m_file.chunks().size(); ++i) {
        if (m_file.chunks()[i].kind == kind)
            throw FormatError(std::string("the text stream holds two of ") + what);
    }
    table.chunk = index;
    const Bytes &d = m_file.chunks()[index].data;
    if (readU32(d, 4, what) != kBinTableFormat)
        throw FormatError(std::string(what) + " has a layout this engine does not know");
    const std::size_t n = checkedCount(d, readU32(d, 0), 8, 16, what);
    const std::uint64_t textEnd = kTextOffset + 2ull * m_text.size();
    for (std::size_t i = 0; i <= n; ++i) {
        const std::uint32_t v = readU32(d, 12 + 4 * i);
        if (v != 0 && (v < kTextOffset || v % 2 != 0 || v > textEnd))
            throw FormatError(std::string(what) + " holds a position outside the text");
        table.bounds.push_back(v);
    }
    for (std::size_t i = 0; i < n; ++i) {
        const std::uint32_t off = readU32(d, 12 + 4 * (n + 1) + 4 * i);
        std::size_t found = m_file.chunks().size();
        for (std::size_t c = 0; c < m_file.chunks().size(); ++c) {
            if (m_file.chunks()[c].kind == pageKind && m_file.chunks()[c].offset == off)
                found = c;
        }
        if (found == m_file.chunks().size())
            throw FormatError(std::string(what) + " points at no page of formatting");
        table.pageChunks.push_back(found);
    }
}

void QuillStream::parseTokens()
{
    std::set<std::size_t> seen;
    for (std::size_t ci = 0; ci < m_file.chunks().size(); ++ci) {
        const Chunk &c = m_file.chunks()[ci];
        if (c.kind != ChunkKind::Tokens)
            continue;
        if (c.id >= m_storyLengths.size() || !seen.insert(c.id).second)
            throw FormatError(EngineText::tr(
                "a table of links and fields belongs to no story or to a story twice"));
        const Bytes &d = c.data;
        if (readU32(d, 4, "a table of links and fields") != kTokensFormat)
            throw FormatError(EngineText::tr(
                "a table of links and fields has a layout this engine does not know"));
        TokenTable t;
        t.chunk = ci;
        t.story = c.id;
        const std::size_t n = checkedCount(d, readU32(d, 0), 4, 16, "a table of links and fields");
        for (std::size_t i = 0; i < n; ++i)
            t.starts.push_back(readU32(d, 12 + 4 * i));
        t.storyLength = readU32(d, 12 + 4 * n);
        std::size_t p = 12 + 4 * (n + 1);
        bool haveLengthType = false;
        std::uint32_t length = 0;
        std::int32_t kind = 0;
        for (std::size_t i = 0; i < n; ++i) {
            std::size_t used = 0;
            t.groupA.push_back(parsePropertyRecord(d, p, &used));
            p += used;
            const PropertyRecord &r = t.groupA.back();
            if (const Property *len = r.find(kTokenLength)) {
                if (!len->asU32())
                    throw FormatError(
                        EngineText::tr("a link or field's length has an unexpected type"));
                length = *len->asU32();
                if (!haveLengthType)
                    t.lengthType = len->type;
                haveLengthType = true;
            } else if (i == 0) {
                throw FormatError(
                    EngineText::tr("the first link or field of a story has no length"));
            }
            if (const Property *k = r.find(kTokenKind)) {
                if (!k->asU32())
                    throw FormatError(
                        EngineText::tr("a link or field's kind has an unexpected type"));
                kind = static_cast<std::int32_t>(*k->asU32());
            } else if (i == 0) {
                throw FormatError(EngineText::tr("the first link or field of a story has no kind"));
            }
            if (std::uint64_t(t.starts[i]) + length > t.storyLength ||
                (i > 0 && t.starts[i] < t.starts[i - 1]))
                throw FormatError(EngineText::tr("a link or field lies outside its story"));
            t.lengths.push_back(length);
            t.kinds.push_back(kind);
        }
        const std::size_t groupBStart = p;
        std::int32_t target = -1;
        for (std::size_t i = 0; i < n; ++i) {
            std::size_t used = 0;
            const PropertyRecord r = parsePropertyRecord(d, p, &used);
            p += used;
            if (const Property *tp = r.find(kTokenTarget); tp && tp->asU32())
                target = static_cast<std::int32_t>(*tp->asU32());
            t.targets.push_back(target);
        }
        t.groupB.assign(d.begin() + groupBStart, d.begin() + p);
        t.rest.assign(d.begin() + p, d.end());
        m_tokens.push_back(std::move(t));
    }
}

void QuillStream::parseCells()
{
    std::set<std::size_t> seen;
    for (std::size_t ci = 0; ci < m_file.chunks().size(); ++ci) {
        const Chunk &c = m_file.chunks()[ci];
        if (c.kind != ChunkKind::TableCells)
            continue;
        if (c.id >= m_storyLengths.size() || !seen.insert(c.id).second)
            throw FormatError(EngineText::tr("a table belongs to no story or to a story twice"));
        if (readU32(c.data, 4, "a table") != kCellsFormat)
            throw FormatError(EngineText::tr("a table has a layout this engine does not know"));
        const std::size_t n = checkedCount(c.data, readU32(c.data, 0), 4, 16, "a table");
        CellTable t;
        t.chunk = ci;
        t.story = c.id;
        for (std::size_t i = 0; i <= n; ++i) {
            t.values.push_back(readU32(c.data, 12 + 4 * i));
            if (t.values.back() > m_storyLengths[t.story] ||
                (i > 0 && t.values[i] <= t.values[i - 1]))
                throw FormatError(EngineText::tr("a table's cells lie outside its story"));
        }
        m_cells.push_back(std::move(t));
    }
}

std::vector<TextRun> QuillStream::runs(const std::vector<FormattingPage> &pages) const
{
    std::vector<TextRun> out;
    for (const FormattingPage &page : pages) {
        const Bytes &d = m_file.chunks()[page.chunk].data;
        std::uint32_t prev = page.first;
        for (std::size_t i = 0; i < page.ends.size(); ++i) {
            TextRun run;
            run.start = prev;
            run.end = page.ends[i];
            if (page.records[i] != 0) {
                const std::uint32_t len = readU32(d, page.records[i]);
                run.record.assign(d.begin() + page.records[i], d.begin() + page.records[i] + len);
            }
            out.push_back(std::move(run));
            prev = page.ends[i];
        }
    }
    return out;
}

std::vector<Token> QuillStream::tokens(std::size_t story) const
{
    std::vector<Token> out;
    for (const TokenTable &t : m_tokens) {
        if (t.story != story)
            continue;
        const Bytes &r = t.rest;
        for (std::size_t i = 0; i < t.starts.size(); ++i) {
            Token tok;
            tok.start = t.starts[i];
            tok.length = t.lengths[i];
            tok.kind = t.kinds[i];
            tok.role = tokenRole(tok.kind);
            // The string table is only copied, never edited, so a damaged one
            // costs the caller the target and nothing else.
            try {
                if (t.targets[i] >= 0 && r.size() >= 20) {
                    const std::uint32_t count = readU32(r, 4);
                    if (std::uint32_t(t.targets[i]) < count) {
                        const std::size_t at = 20 + std::size_t(readU32(r, 20 + 4 * t.targets[i]));
                        const std::uint16_t len = readU16(r, at);
                        requireRange(r, at + 2, 2 * std::size_t(len), "a link target");
                        for (std::size_t u = 0; u < len; ++u)
                            tok.target += static_cast<char16_t>(readU16(r, at + 2 + 2 * u));
                    }
                }
            } catch (const FormatError &) {
                tok.target.clear();
            }
            out.push_back(std::move(tok));
        }
    }
    return out;
}

std::vector<std::uint32_t> QuillStream::cellEnds(std::size_t story) const
{
    for (const CellTable &t : m_cells) {
        if (t.story == story)
            return t.values;
    }
    return {};
}

void QuillStream::encodeInto(ChunkFile &file, const ChunkFile::Layout *layout) const
{
    auto &chunks = file.chunks();
    if (layout) {
        for (const BinTable *bins : {&m_charBins, &m_paraBins}) {
            if (bins->chunk == kAbsent)
                continue;
            Bytes &d = chunks[bins->chunk].data;
            const std::size_t n = bins->pageChunks.size();
            for (std::size_t i = 0; i < n; ++i)
                writeU32(d, 12 + 4 * (n + 1) + 4 * i, layout->chunkOffsets[bins->pageChunks[i]]);
        }
        return;
    }
    if (const int t = m_file.find(ChunkKind::Text); t >= 0) {
        Bytes &text = chunks[t].data;
        text.resize(2 * m_text.size());
        for (std::size_t i = 0; i < m_text.size(); ++i)
            writeU16(text, 2 * i, m_text[i]);
    }
    if (const int s = m_file.find(ChunkKind::StoryLengths); s >= 0) {
        for (std::size_t k = 0; k < m_storyLengths.size(); ++k)
            writeU32(chunks[s].data, 12 + 4 * k, m_storyLengths[k]);
    }

    auto fc = [](std::uint32_t pos) { return kTextOffset + 2 * pos; };
    for (const auto *pages : {&m_charPages, &m_paraPages}) {
        for (const FormattingPage &page : *pages) {
            Bytes &d = chunks[page.chunk].data;
            const std::size_t n = page.ends.size();
            writeU16(d, 0, static_cast<std::uint16_t>(n));
            writeU32(d, 4, page.firstIsZero ? 0 : fc(page.first));
            for (std::size_t i = 0; i < n; ++i) {
                writeU32(d, 8 + 4 * i, fc(page.ends[i]));
                writeU16(d, 8 + 4 * n + 2 * i, page.records[i]);
            }
            std::fill(d.begin() + 8 + 6 * n, d.begin() + 8 + 6 * page.storedCount, 0);
        }
    }
    for (const BinTable *bins : {&m_charBins, &m_paraBins}) {
        if (bins->chunk == kAbsent)
            continue;
        Bytes &d = chunks[bins->chunk].data;
        const std::size_t stored = readU32(d, 0);
        const std::size_t n = bins->pageChunks.size();
        if (n != stored) {
            // Pages were removed: the count, the bounds and the page offsets shrink.
            Bytes out(d.begin(), d.begin() + 12);
            writeU32(out, 0, static_cast<std::uint32_t>(n));
            out.resize(12 + 8 * n + 4, 0);
            out.insert(out.end(), d.begin() + static_cast<std::ptrdiff_t>(12 + 8 * stored + 4),
                       d.end());
            d = std::move(out);
        }
        for (std::size_t i = 0; i < bins->bounds.size(); ++i)
            writeU32(d, 12 + 4 * i, bins->bounds[i]);
    }
    for (const CellTable &t : m_cells) {
        Bytes &d = chunks[t.chunk].data;
        for (std::size_t i = 0; i < t.values.size(); ++i)
            writeU32(d, 12 + 4 * i, t.values[i]);
    }
    for (const TokenTable &t : m_tokens) {
        Bytes &d = chunks[t.chunk].data;
        Bytes out(d.begin(), d.begin() + 12);
        for (std::uint32_t s : t.starts)
            appendU32(out, s);
        appendU32(out, t.storyLength);
        for (const PropertyRecord &r : t.groupA)
            r.encodeTo(out);
        out.insert(out.end(), t.groupB.begin(), t.groupB.end());
        out.insert(out.end(), t.rest.begin(), t.rest.end());
        d = std::move(out);
    }
}

Bytes QuillStream::build() const
{
    if (m_storyless)
        return *m_storyless;
    ChunkFile file = m_file;
    encodeInto(file, nullptr);
    const ChunkFile::Layout layout = file.layout();
    encodeInto(file, &layout);
    return file.build(layout);
}

} // namespace vantrelle::pubengine
