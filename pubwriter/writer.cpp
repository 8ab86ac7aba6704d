#include "pubwriter/writer.h"

#include "pubengine/bytes.h"
#include "pubengine/cfb.h"
#include "pubengine/compound.h"
#include "pubengine/publication.h"


#include <QDateTime>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <memory>

namespace vantrelle::pubengine::writer {

namespace {

constexpr double kEmuPerPoint = 12700;
constexpr std::int32_t kEmuInset = 36576; // text box inner margin, 0.04 in

std::int32_t emu(double pt)
{
    return static_cast<std::int32_t>(std::lround(pt * kEmuPerPoint));
}

// ---- property records, the encoding of the text stream and of Contents ----

// Builds one record: u32 total length, then entries of u8 id, u8 type, data.
class Record {
public:
    Record &u32(std::uint8_t id, std::uint8_t type, std::uint32_t v)
    {
        head(id, type);
        appendU32(m_body, v);
        return *this;
    }
    Record &u16(std::uint8_t id, std::uint8_t type, std::uint16_t v)
    {
        head(id, type);
        appendU16(m_body, v);
        return *this;
    }
    Record &flag(std::uint8_t id, std::uint8_t type)
    {
        head(id, type);
        return *this;
    }
    // A container: its payload is entries of the same encoding.
    Record &nest(std::uint8_t id, std::uint8_t type, const Record &inner)
    {
        head(id, type);
        const Bytes b = inner.entries();
        appendU32(m_body, static_cast<std::uint32_t>(b.size() + 4));
        m_body.insert(m_body.end(), b.begin(), b.end());
        return *this;
    }
    Bytes entries() const { return m_body; }
    Bytes bytes() const
    {
        Bytes out;
        appendU32(out, static_cast<std::uint32_t>(m_body.size() + 4));
        out.insert(out.end(), m_body.begin(), m_body.end());
        return out;
    }

private:
    void head(std::uint8_t id, std::uint8_t type)
    {
        m_body.push_back(id);
        m_body.push_back(type);
    }
    Bytes m_body;
};

void appendUtf16(Bytes &out, const QString &s)
{
    for (QChar c : s)
        appendU16(out, c.unicode());
}

void append(Bytes &out, const Bytes &more)
{
    out.insert(out.end(), more.begin(), more.end());
}

[[noreturn]] void refuse(const QString &what)
{
    throw Failure(QStringLiteral("Cannot write the publication: %1.").arg(what));
}

// ---- the text stream ----

struct Story {
    std::u16string text;
    // Character runs: end (story-relative, exclusive) and format index.
    std::vector<std::pair<std::uint32_t, std::size_t>> charRuns;
    std::vector<std::pair<std::uint32_t, Alignment>> paragraphs;
    struct Token {
        std::uint32_t start, length;
        std::int32_t kind;
        QString target;
    };
    std::vector<Token> tokens;
    // A table's story: the index of each cell's closing mark but the last.
    std::vector<std::uint32_t> cellEnds;
};

struct QuillChunk {
    std::array<char, 4> type;
    std::uint16_t id = 0;
    std::array<char, 4> tag; // "PLC " for the tables of positions
    Bytes data;
    bool page = false;
    // Bytes that follow the chunk outside its declared length.
    Bytes trailing;
};

std::array<char, 4> tag4(const char *s)
{
    return {s[0], s[1], s[2], s[3]};
}

QuillChunk chunk(const char *type, std::size_t id, const char *tag, Bytes data, bool page = false)
{
    return {tag4(type), static_cast<std::uint16_t>(id), tag4(tag), std::move(data), page, {}};
}

// A table of 20-byte header (size of the rest, count, then three words that
// the publishing program fills with values of no known meaning, written as 0),
// offsets relative to the offset array, then the entries.
Bytes stringTable(const std::vector<Bytes> &entries)
{
    Bytes offsets;
    Bytes body;
    const auto base = static_cast<std::uint32_t>(4 * entries.size());
    for (const Bytes &e : entries) {
        appendU32(offsets, base + static_cast<std::uint32_t>(body.size()));
        append(body, e);
    }
    Bytes out;
    appendU32(out, static_cast<std::uint32_t>(offsets.size() + body.size()));
    appendU32(out, static_cast<std::uint32_t>(entries.size()));
    appendU32(out, 0);
    appendU32(out, 0);
    appendU32(out, 0);
    append(out, offsets);
    append(out, body);
    return out;
}

// The place of value in a table of distinct values, added at the end when new.
template <typename T>
std::size_t indexOf(std::vector<T> &table, const T &value)
{
    const auto it = std::find(table.begin(), table.end(), value);
    if (it != table.end())
        return static_cast<std::size_t>(it - table.begin());
    table.push_back(value);
    return table.size() - 1;
}

class FontTable {
public:
    std::size_t index(const QString &name) { return indexOf(m_names, name); }
    Bytes chunk() const
    {
        std::vector<Bytes> entries;
        for (const QString &n : m_names) {
            Bytes e;
            appendU16(e, static_cast<std::uint16_t>(n.size()));
            appendUtf16(e, n);
            appendU32(e, 0); // GUESS: 0 for fonts of general use, as in every file seen
            entries.push_back(std::move(e));
        }
        return stringTable(entries);
    }

private:
    std::vector<QString> m_names;
};

class Palette {
public:
    std::size_t index(std::uint32_t rgb) { return indexOf(m_colours, rgb); }
    Bytes chunk() const
    {
        Bytes out;
        appendU32(out, static_cast<std::uint32_t>(m_colours.size()));
        appendU32(out, 0x1C); // GUESS: constant in every file seen
        appendU32(out, 0);
        for (std::uint32_t rgb : m_colours) {
            // A colour reference is 0x00BBGGRR; a high byte of 8 would name a
            // scheme colour instead.
            const std::uint32_t ref = ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
            append(out, Record().u32(1, 0x22, ref).bytes());
        }
        return out;
    }

private:
    std::vector<std::uint32_t> m_colours;
};

// A run's record holds what differs from the default style (full: the
// default style itself), which keeps formatting pages small.
Bytes characterRecord(const CharFormat &f, FontTable &fonts, Palette &palette, bool full = false)
{
    const CharFormat base;
    const auto size = static_cast<std::uint32_t>(emu(f.sizePt));
    const bool sized = full || f.sizePt != base.sizePt;
    const auto font = static_cast<std::uint16_t>(fonts.index(f.font));
    const auto colour = static_cast<std::uint32_t>(palette.index(f.rgb));
    Record r;
    if (f.bold)
        r.flag(0x02, 0x0A);
    if (f.italic)
        r.flag(0x03, 0x0A);
    if (sized)
        r.u32(0x0C, 0x22, size);
    if (f.underline)
        r.u16(0x1E, 0x12, 0x0801); // low byte 1: single; high byte as in every file seen
    if (full || font != 0) {
        // Script slots of the font: which slot serves which script is a
        // GUESS; slots 0 and 1 get the same font so that either reading finds it.
        Record scripts;
        scripts.nest(0, 0x88, Record().u16(0, 0x18, font));
        scripts.nest(1, 0x88, Record().u16(0, 0x18, font));
        r.nest(0x24, 0x8A, scripts);
    }
    // 0x37-0x39 repeat bold, italic and size, probably for complex scripts.
    if (f.bold)
        r.flag(0x37, 0x0A);
    if (f.italic)
        r.flag(0x38, 0x0A);
    if (sized)
        r.u32(0x39, 0x22, size);
    if (full || colour != 0)
        r.nest(0x44, 0x8A, Record().u32(0, 0x22, colour));
    return r.bytes();
}

Bytes paragraphRecord(Alignment a)
{
    static constexpr std::uint32_t kCodes[] = {0, 1, 2, 6};
    if (a == Alignment::Left)
        return Record().bytes();
    return Record().u32(0x04, 0x22, kCodes[static_cast<int>(a)]).bytes();
}

// Formatting pages: runs given as (global end, record); each 512-byte page
// holds the run table at its start and the records packed from its end.
std::vector<Bytes> formattingPages(const std::vector<std::pair<std::uint32_t, Bytes>> &runs)
{
    std::vector<Bytes> pages;
    std::size_t i = 0;
    std::uint32_t first = 0;
    bool firstPage = true;
    while (i < runs.size()) {
        Bytes page(kBlockSize, 0);
        std::vector<std::uint32_t> ends;
        std::vector<std::uint16_t> offsets;
        std::map<Bytes, std::uint16_t> placed;
        std::size_t low = kBlockSize;
        while (i < runs.size()) {
            const Bytes &rec = runs[i].second;
            const bool known = placed.count(rec) > 0;
            const std::size_t need = known ? 0 : (rec.size() + 1) / 2 * 2;
            if (8 + 6 * (ends.size() + 1) + need > low)
                break;
            if (!known) {
                low -= need;
                std::copy(rec.begin(), rec.end(), page.begin() + static_cast<std::ptrdiff_t>(low));
                placed[rec] = static_cast<std::uint16_t>(low);
            }
            ends.push_back(kTextOffset + 2 * runs[i].first);
            offsets.push_back(placed[rec]);
            ++i;
        }
        if (ends.empty())
            refuse(QStringLiteral("a formatting record does not fit in a page"));
        writeU16(page, 0, static_cast<std::uint16_t>(ends.size()));
        writeU16(page, 2, 1); // GUESS: 1 in every page seen
        writeU32(page, 4, firstPage ? 0 : first);
        for (std::size_t k = 0; k < ends.size(); ++k) {
            writeU32(page, 8 + 4 * k, ends[k]);
            writeU16(page, 8 + 4 * ends.size() + 2 * k, offsets[k]);
        }
        first = ends.back();
        firstPage = false;
        pages.push_back(std::move(page));
    }
    return pages;
}

struct QuillLayout {
    std::vector<std::uint32_t> offsets;
    std::vector<std::uint32_t> lists;
    std::uint32_t size = 0;
};

constexpr std::size_t kFirstListEntries = 19;
constexpr std::size_t kListEntries = 20;

QuillLayout layOut(const std::vector<QuillChunk> &chunks)
{
    QuillLayout l;
    std::uint32_t cur = kTextOffset;
    auto align = [](std::uint32_t v) { return (v + kBlockSize - 1) / kBlockSize * kBlockSize; };
    for (const QuillChunk &c : chunks) {
        if (c.page)
            cur = align(cur);
        l.offsets.push_back(cur);
        cur += static_cast<std::uint32_t>(c.data.size() + c.trailing.size());
    }
    l.lists.push_back(0x18);
    for (std::size_t n = kFirstListEntries; n < chunks.size(); n += kListEntries) {
        cur = align(cur);
        l.lists.push_back(cur);
        cur += kBlockSize;
    }
    l.size = align(std::max(cur, kBlockSize));
    return l;
}

Bytes buildQuill(std::vector<QuillChunk> chunks, const std::vector<std::size_t> &binChunks,
                 const std::vector<std::vector<std::size_t>> &binPages)
{
    QuillLayout l = layOut(chunks);
    // The bin tables hold their pages' offsets; their size does not depend on them.
    for (std::size_t b = 0; b < binChunks.size(); ++b) {
        Bytes &d = chunks[binChunks[b]].data;
        const std::size_t n = binPages[b].size();
        for (std::size_t k = 0; k < n; ++k)
            writeU32(d, 12 + 4 * (n + 1) + 4 * k, l.offsets[binPages[b][k]]);
    }
    Bytes out(l.size, 0);
    std::copy_n("CHNKINK ", 8, out.begin());
    writeU16(out, 0x08, 4); // GUESS: constant in every file seen
    writeU16(out, 0x0A, 7); // GUESS: constant in every file seen
    writeU16(out, 0x0C, static_cast<std::uint16_t>(chunks.size()));
    writeU16(out, 0x0E, 0x0300); // GUESS: constant in every file seen
    writeU32(out, 0x10, static_cast<std::uint32_t>(kBlockSize * l.lists.size()));
    writeU32(out, 0x14, l.size);
    std::size_t next = 0;
    for (std::size_t li = 0; li < l.lists.size(); ++li) {
        const std::size_t lo = l.lists[li];
        const std::size_t n =
            std::min(chunks.size() - next, li == 0 ? kFirstListEntries : kListEntries);
        writeU16(out, lo, 0x1F8); // GUESS: the list's capacity in bytes, as in every file seen
        writeU16(out, lo + 2, static_cast<std::uint16_t>(n));
        writeU32(out, lo + 4, li + 1 < l.lists.size() ? l.lists[li + 1] : 0xFFFFFFFF);
        for (std::size_t k = 0; k < n; ++k, ++next) {
            const QuillChunk &c = chunks[next];
            const std::size_t e = lo + 8 + 24 * k;
            writeU16(out, e, 24);
            std::copy(c.type.begin(), c.type.end(),
                      out.begin() + static_cast<std::ptrdiff_t>(e + 2));
            writeU16(out, e + 6, c.id);
            writeU32(out, e + 8, 1); // GUESS: 1 in every entry seen
            std::copy(c.tag.begin(), c.tag.end(),
                      out.begin() + static_cast<std::ptrdiff_t>(e + 12));
            writeU32(out, e + 16, l.offsets[next]);
            writeU32(out, e + 20, static_cast<std::uint32_t>(c.data.size()));
        }
    }
    for (std::size_t i = 0; i < chunks.size(); ++i) {
        auto at = out.begin() + static_cast<std::ptrdiff_t>(l.offsets[i]);
        at = std::copy(chunks[i].data.begin(), chunks[i].data.end(), at);
        std::copy(chunks[i].trailing.begin(), chunks[i].trailing.end(), at);
    }
    return out;
}

// A table of positions: count, layout code, a constant of the chunk type,
// then count + 1 positions.
Bytes positionTable(std::uint32_t layout, std::uint32_t constant,
                    const std::vector<std::uint32_t> &positions)
{
    Bytes out;
    appendU32(out, static_cast<std::uint32_t>(positions.size() - 1));
    appendU32(out, layout);
    appendU32(out, constant);
    for (std::uint32_t p : positions)
        appendU32(out, p);
    return out;
}

Bytes quillStream(const std::vector<Story> &stories, const std::vector<CharFormat> &formats)
{
    // The default style's font and colour come first: index 0.
    FontTable fonts;
    fonts.index(CharFormat{}.font);
    Palette palette;
    palette.index(CharFormat{}.rgb);
    std::u16string text;
    std::vector<std::pair<std::uint32_t, Bytes>> charRuns;
    std::vector<std::pair<std::uint32_t, Bytes>> paraRuns;
    for (const Story &s : stories) {
        const auto base = static_cast<std::uint32_t>(text.size());
        text += s.text;
        for (const auto &[end, f] : s.charRuns)
            charRuns.emplace_back(base + end, characterRecord(formats[f], fonts, palette));
        for (const auto &[end, a] : s.paragraphs)
            paraRuns.emplace_back(base + end, paragraphRecord(a));
    }

    std::vector<QuillChunk> chunks;
    Bytes textBytes;
    for (char16_t c : text)
        appendU16(textBytes, c);
    chunks.push_back(chunk("TEXT", 0, "TEXT", textBytes));

    // Style names: one unnamed style. Its u32 is a GUESS (-1, as for the first
    // style of every file seen).
    Bytes unnamed;
    appendU16(unnamed, 0);
    appendU32(unnamed, 0xFFFFFFFF);
    chunks.push_back(chunk("STSH", 0, "STSH", stringTable({unnamed})));
    // Style definitions: the default character and paragraph formats, each
    // between two u16 whose meaning is unknown (GUESS: 0).
    auto styleEntry = [](const Bytes &record) {
        Bytes e;
        appendU16(e, 0);
        append(e, record);
        appendU16(e, 0);
        return e;
    };
    chunks.push_back(
        chunk("STSH", 1, "STSH",
              stringTable({styleEntry(characterRecord(CharFormat{}, fonts, palette, true)),
                           styleEntry(paragraphRecord(Alignment::Left))})));

    const std::vector<Bytes> paraPages = formattingPages(paraRuns);
    const std::vector<Bytes> charPages = formattingPages(charRuns);
    std::vector<std::vector<std::size_t>> binPages(2);
    for (std::size_t p = 0; p < paraPages.size(); ++p) {
        binPages[0].push_back(chunks.size());
        chunks.push_back(chunk("FDPP", p, "FDPP", paraPages[p], true));
    }
    for (std::size_t p = 0; p < charPages.size(); ++p) {
        binPages[1].push_back(chunks.size());
        chunks.push_back(chunk("FDPC", p, "FDPC", charPages[p], true));
    }

    Bytes syid;
    appendU32(syid, static_cast<std::uint32_t>(stories.size())); // the last text id given
    appendU32(syid, static_cast<std::uint32_t>(stories.size()));
    for (std::size_t k = 0; k < stories.size(); ++k)
        appendU32(syid, static_cast<std::uint32_t>(k + 1));
    chunks.push_back(chunk("SYID", 0, "SYID", syid));

    std::vector<std::size_t> binChunks;
    for (int kind = 0; kind < 2; ++kind) {
        const std::vector<Bytes> &pages = kind == 0 ? paraPages : charPages;
        std::vector<std::uint32_t> bounds{0};
        for (const Bytes &p : pages)
            bounds.push_back(readU32(p, 8 + 4 * (readU16(p, 0) - 1)));
        Bytes d = positionTable(4, 0, bounds);
        d.resize(d.size() + 4 * pages.size(), 0); // page offsets, set at layout
        binChunks.push_back(chunks.size());
        chunks.push_back(chunk(kind == 0 ? "BTEP" : "BTEC", 0, "PLC ", d));
    }
    chunks.push_back(chunk("FONT", 0, "FONT", fonts.chunk()));

    for (std::size_t k = 0; k < stories.size(); ++k) {
        if (stories[k].cellEnds.empty())
            continue;
        std::vector<std::uint32_t> ends = stories[k].cellEnds;
        ends.push_back(static_cast<std::uint32_t>(stories[k].text.size()));
        chunks.push_back(
            chunk("TCD ", k, "PLC ",
                  positionTable(0, 0xFF00, ends))); // GUESS: the constant of every file seen
    }
    for (std::size_t k = 0; k < stories.size(); ++k) {
        const Story &s = stories[k];
        if (s.tokens.empty())
            continue;
        std::vector<std::uint32_t> starts;
        std::vector<QString> targets;
        Bytes groupA, groupB;
        const Story::Token *previous = nullptr;
        std::uint32_t previousFlags = 0;
        for (const Story::Token &t : s.tokens) {
            starts.push_back(t.start);
            // Flags: 0x8C0 on every link seen, 0 on every page-number field.
            const std::uint32_t flags = t.kind > 0 ? 0x8C0 : 0;
            // A record holds what differs from the token before, as the
            // publishing program writes them (and Apache POI expects).
            Record a;
            if (!previous || flags != previousFlags)
                a.u32(0, 0x22, flags);
            if (!previous || t.length != previous->length)
                a.u32(1, 0x22, t.length);
            if (!previous || t.kind != previous->kind)
                a.u32(2, 0x22, static_cast<std::uint32_t>(t.kind));
            append(groupA, a.bytes());
            previous = &t;
            previousFlags = flags;
            std::int32_t target = -1;
            if (!t.target.isEmpty()) {
                auto it = std::find(targets.begin(), targets.end(), t.target);
                if (it == targets.end())
                    it = targets.insert(targets.end(), t.target);
                target = static_cast<std::int32_t>(it - targets.begin());
            }
            append(groupB, Record().u32(0, 0x22, static_cast<std::uint32_t>(target)).bytes());
        }
        starts.push_back(static_cast<std::uint32_t>(s.text.size()));
        Bytes d = positionTable(12, 0x1FFFF, starts); // GUESS: the constant of every file seen
        append(d, groupA);
        append(d, groupB);
        std::vector<Bytes> strings;
        for (const QString &t : targets) {
            Bytes e;
            appendU16(e, static_cast<std::uint16_t>(t.size()));
            appendUtf16(e, t);
            strings.push_back(std::move(e));
        }
        QuillChunk c = chunk("TOKN", k, "PLC ", d);
        // Without strings, the empty table's header follows outside the
        // chunk, as in every such table seen.
        append(strings.empty() ? c.trailing : c.data, stringTable(strings));
        chunks.push_back(std::move(c));
    }

    std::vector<std::uint32_t> lengths;
    lengths.reserve(stories.size() + 1);
    for (const Story &s : stories)
        lengths.push_back(static_cast<std::uint32_t>(s.text.size()));
    lengths.push_back(0);
    Bytes strs = positionTable(8, 0xFF, lengths); // GUESS: the constant of every file seen
    // One record per story; an empty record repeats the one before. The 5 is
    // a GUESS: every text story seen has it.
    for (std::size_t k = 0; k < stories.size(); ++k)
        append(strs, k == 0 ? Record().u32(0, 0x22, 5).bytes() : Record().bytes());
    chunks.push_back(chunk("STRS", 0, "PLC ", strs));
    chunks.push_back(chunk("PL  ", 0, "PL  ", palette.chunk()));

    return buildQuill(std::move(chunks), binChunks, binPages);
}

// ---- Contents: the document, its pages and shapes ----

enum ContentsChunk : std::uint16_t {
    kShape = 0x01,
    kTable = 0x10,
    kPage = 0x43,
    kDocument = 0x44,
    kCells = 0x63
};

struct ContentsEntry {
    std::uint16_t type;
    std::uint32_t parent;
    Bytes data;
};

// libmspub (and so LibreOffice) takes these sequence numbers for pages of its
// own and drops a page that has one, so no chunk gets them.
bool reservedSequence(std::uint32_t seq)
{
    return seq == 0x10D || seq == 0x110 || seq == 0x113 || seq == 0x117;
}

constexpr std::uint32_t kFirstSequence = 0x100;

Bytes contentsStream(const std::map<std::uint32_t, ContentsEntry> &entries)
{
    constexpr std::size_t kHeader = 0x2C;
    Bytes out(kHeader, 0);
    writeU16(out, 0, 0xACE8); // magic
    writeU16(out, 2, 0x2C);   // the format of Publisher 2002 and later
    std::map<std::uint32_t, std::uint32_t> offsets;
    for (const auto &[seq, e] : entries) {
        offsets[seq] = static_cast<std::uint32_t>(out.size());
        append(out, e.data);
    }
    const std::uint32_t last = entries.rbegin()->first;
    Record directory;
    for (std::uint32_t seq = 0; seq <= last; ++seq) {
        const auto it = entries.find(seq);
        if (it == entries.end()) {
            directory.flag(0, 0x78); // an empty slot
            continue;
        }
        Record ref;
        ref.u16(2, 0x18, it->second.type).u32(4, 0xB8, offsets[seq]);
        if (seq != kFirstSequence)
            ref.u32(5, 0x68, it->second.parent);
        directory.nest(0, 0x88, ref);
    }
    const auto trailerOffset = static_cast<std::uint32_t>(out.size());
    append(out, Record()
                    .u32(1, 0x20, last + 1) // slots
                    .u32(2, 0x20, last)     // the last slot
                    .nest(3, 0x90, directory)
                    .bytes());
    writeU32(out, 0x08, static_cast<std::uint32_t>(out.size()));
    writeU32(out, 0x1A, trailerOffset);
    return out;
}

// ---- Escher: the drawing shapes ----

constexpr std::uint16_t kSpgrContainer = 0xF003;
constexpr std::uint16_t kSpContainer = 0xF004;

Bytes escherRecord(std::uint16_t verInst, std::uint16_t type, const Bytes &body)
{
    Bytes out;
    appendU16(out, verInst);
    appendU16(out, type);
    appendU32(out, static_cast<std::uint32_t>(body.size()));
    append(out, body);
    return out;
}

Bytes container(std::uint16_t type, const Bytes &body, std::uint16_t instance = 0)
{
    return escherRecord(static_cast<std::uint16_t>(0xF | (instance << 4)), type, body);
}

// Publisher's client records hold a property record of the Contents encoding.
// Their version and instance word is a GUESS (0).
Bytes clientRecord(std::uint16_t type, const Record &r)
{
    return escherRecord(0, type, r.bytes());
}

// The drawing's shape type for a table, as in every table seen.
constexpr std::uint16_t kTableShape = 201;

struct Shape {
    std::uint32_t spid;
    std::uint16_t shapeType;
    std::uint32_t seq;
    Rect rect;
    std::uint32_t textId = 0; // text boxes and tables
    QString wordArtText;      // WordArt
    QString wordArtFont;
};

Bytes fopt(const std::vector<std::pair<std::uint16_t, std::uint32_t>> &props,
           const std::vector<Bytes> &complexData)
{
    Bytes body;
    for (const auto &[id, v] : props) {
        appendU16(body, id);
        appendU32(body, v);
    }
    for (const Bytes &c : complexData)
        append(body, c);
    return escherRecord(static_cast<std::uint16_t>(0x3 | (props.size() << 4)), 0xF00B, body);
}

Bytes zString(const QString &s)
{
    Bytes b;
    appendUtf16(b, s);
    appendU16(b, 0);
    return b;
}

Bytes shapeContainer(const Shape &s, const Document &doc)
{
    Bytes body;
    Bytes fsp;
    appendU32(fsp, s.spid);
    appendU32(fsp, 0xA00); // has an anchor, has a shape type
    append(body, escherRecord(static_cast<std::uint16_t>(0x2 | (s.shapeType << 4)), 0xF00A, fsp));
    if (s.textId) {
        append(body, fopt({{0x0080, s.textId},
                           {0x0081, kEmuInset},
                           {0x0082, kEmuInset},
                           {0x0083, kEmuInset},
                           {0x0084, kEmuInset}},
                          {}));
    } else {
        // WordArt: the text (gtextUNICODE) and its font (gtextFont), both
        // complex properties whose data follows the property table.
        const Bytes text = zString(s.wordArtText);
        const Bytes font = zString(s.wordArtFont);
        append(body, fopt({{0x80C0, static_cast<std::uint32_t>(text.size())},
                           {0x80C5, static_cast<std::uint32_t>(font.size())},
                           {0x0181, 0x00993300},  // fill colour 0x00BBGGRR
                           {0x01BF, 0x00100010}}, // fill on
                          {text, font}));
    }
    // The anchor counts from the page's centre.
    const double cx = doc.widthPt / 2;
    const double cy = doc.heightPt / 2;
    append(body,
           clientRecord(
               0xF010,
               Record()
                   .u32(1, 0x20, static_cast<std::uint32_t>(emu(s.rect.x - cx)))
                   .u32(2, 0x20, static_cast<std::uint32_t>(emu(s.rect.y - cy)))
                   .u32(3, 0x20, static_cast<std::uint32_t>(emu(s.rect.x + s.rect.width - cx)))
                   .u32(4, 0x20, static_cast<std::uint32_t>(emu(s.rect.y + s.rect.height - cy)))));
    append(body, clientRecord(0xF011, Record().u32(1, 0x68, s.seq)));
    if (s.textId && s.shapeType != kTableShape)
        append(body, clientRecord(0xF00D, Record().u32(1, 0x20, s.textId)));
    return container(kSpContainer, body);
}

Bytes escherStream(const std::vector<Shape> &shapes, const Document &doc)
{
    constexpr std::uint32_t kFirstSpid = 0x400;
    const auto lastSpid = static_cast<std::uint32_t>(kFirstSpid + shapes.size());
    Bytes fdgg;
    appendU32(fdgg, lastSpid + 1); // spidMax
    appendU32(fdgg, 2);            // one id cluster, plus one
    appendU32(fdgg, static_cast<std::uint32_t>(shapes.size() + 1));
    appendU32(fdgg, 1);                                             // drawings
    appendU32(fdgg, 1);                                             // cluster: drawing 1
    appendU32(fdgg, static_cast<std::uint32_t>(shapes.size() + 2)); // ids used in it
    Bytes out = container(0xF000, escherRecord(0, 0xF006, fdgg));
    appendU32(out, 0); // GUESS: the publishing program writes a small number here; readers skip it

    Bytes group;
    Bytes patriarch;
    append(patriarch, escherRecord(0x1, 0xF009, Bytes(16, 0)));
    Bytes fsp;
    appendU32(fsp, kFirstSpid);
    appendU32(fsp, 0x5); // group, patriarch
    append(patriarch, escherRecord(0x2, 0xF00A, fsp));
    append(group, container(kSpContainer, patriarch));
    for (const Shape &s : shapes)
        append(group, shapeContainer(s, doc));
    Bytes dg;
    Bytes fdg;
    appendU32(fdg, static_cast<std::uint32_t>(shapes.size() + 1));
    appendU32(fdg, lastSpid);
    append(dg, escherRecord(0x10, 0xF008, fdg));
    append(dg, container(kSpgrContainer, group));
    append(out, container(0xF002, dg, 1));
    return out;
}

// ---- summary information ----

struct PropertyValue {
    std::uint32_t id;
    QString text;
};

// 100-nanosecond steps since 1601, as Windows keeps times.
std::uint64_t fileTime(const QDateTime &t)
{
    constexpr std::int64_t kMsFrom1601To1970 = 11644473600000;
    return static_cast<std::uint64_t>(t.toMSecsSinceEpoch() + kMsFrom1601To1970) * 10000;
}

constexpr std::uint16_t kCodePageUtf8 = 65001;
constexpr std::uint8_t kUserDefinedFmtid[16] = {0x05, 0xD5, 0xCD, 0xD5, 0x9C, 0x2E, 0x1B, 0x10,
                                                0x93, 0x97, 0x08, 0x00, 0x2B, 0x2C, 0xF9, 0xAE};

using PropertyList = std::vector<std::pair<std::uint32_t, Bytes>>;

// A text in the set's code page (UTF-8), NUL-terminated and padded to 4 bytes.
Bytes setText(const QString &text, bool typed)
{
    const QByteArray utf8 = text.toUtf8();
    Bytes b;
    if (typed)
        appendU32(b, 0x1E); // VT_LPSTR, in the set's code page
    appendU32(b, static_cast<std::uint32_t>(utf8.size() + 1));
    b.insert(b.end(), utf8.begin(), utf8.end());
    b.push_back(0);
    if (typed)
        while (b.size() % 4)
            b.push_back(0);
    return b;
}

// One section: its size, its table of ids and offsets, then the values,
// the code page first.
Bytes section(PropertyList props)
{
    Bytes cp;
    appendU32(cp, 2); // VT_I2
    appendU16(cp, kCodePageUtf8);
    appendU16(cp, 0);
    props.emplace(props.begin(), 1, cp);
    const std::uint32_t tableSize = 8 + 8 * static_cast<std::uint32_t>(props.size());
    Bytes table, data;
    for (const auto &[id, b] : props) {
        appendU32(table, id);
        appendU32(table, tableSize + static_cast<std::uint32_t>(data.size()));
        append(data, b);
    }
    Bytes out;
    appendU32(out, tableSize + static_cast<std::uint32_t>(data.size()));
    appendU32(out, static_cast<std::uint32_t>(props.size()));
    append(out, table);
    append(out, data);
    return out;
}

Bytes propertySet(const std::array<std::uint8_t, 16> &fmtid, std::vector<PropertyValue> values,
                  const std::vector<std::pair<std::uint32_t, std::uint64_t>> &times,
                  std::size_t minimumSize, const std::vector<std::pair<QString, QString>> &custom = {})
{
    PropertyList props;
    for (const PropertyValue &v : values) {
        if (!v.text.isEmpty())
            props.emplace_back(v.id, setText(v.text, true));
    }
    for (const auto &[id, t] : times) {
        Bytes b;
        appendU32(b, 0x40); // VT_FILETIME
        appendU32(b, static_cast<std::uint32_t>(t));
        appendU32(b, static_cast<std::uint32_t>(t >> 32));
        props.emplace_back(id, std::move(b));
    }
    std::vector<Bytes> sections{section(std::move(props))};
    if (!custom.empty()) {
        // The user's own properties: a second section whose dictionary
        // (id 0) names the values, ids from 2 on.
        PropertyList own(1); // the dictionary, filled below
        Bytes dictionary;
        appendU32(dictionary, static_cast<std::uint32_t>(custom.size()));
        for (std::uint32_t k = 0; k < custom.size(); ++k) {
            appendU32(dictionary, k + 2);
            append(dictionary, setText(custom[k].first, false));
            own.emplace_back(k + 2, setText(custom[k].second, true));
        }
        while (dictionary.size() % 4)
            dictionary.push_back(0);
        own.front().second = std::move(dictionary);
        sections.push_back(section(std::move(own)));
    }

    Bytes out;
    appendU16(out, 0xFFFE);
    appendU16(out, 0);
    appendU32(out, 0x00020006);     // written on Windows NT 6.0
    out.resize(out.size() + 16, 0); // class id
    appendU32(out, static_cast<std::uint32_t>(sections.size()));
    std::size_t offset = 28 + 20 * sections.size();
    for (std::size_t k = 0; k < sections.size(); ++k) {
        out.insert(out.end(), fmtid.begin(), fmtid.end());
        if (k == 1)
            std::copy(std::begin(kUserDefinedFmtid), std::end(kUserDefinedFmtid), out.end() - 16);
        appendU32(out, static_cast<std::uint32_t>(offset));
        offset += sections[k].size();
    }
    for (const Bytes &s : sections)
        append(out, s);
    // libmspub reads the second stream at the first stream's property
    // offsets and gives up on the whole file when they lie past its end.
    if (out.size() < minimumSize)
        out.resize(minimumSize, 0);
    return out;
}

constexpr std::array<std::uint8_t, 16> kSummaryFmtid{
    0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10, 0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9};
constexpr std::array<std::uint8_t, 16> kDocSummaryFmtid{
    0x02, 0xD5, 0xCD, 0xD5, 0x9C, 0x2E, 0x1B, 0x10, 0x93, 0x97, 0x08, 0x00, 0x2B, 0x2C, 0xF9, 0xAE};

// ---- OLE class information ----

Bytes compObj(const std::array<std::uint8_t, 16> &clsid, const char *userType,
              const char *clipboardFormat, std::uint32_t standardFormat)
{
    Bytes out;
    appendU16(out, 1);
    appendU16(out, 0xFFFE);
    appendU32(out, 0x00000A03); // written on Windows 3.10
    appendU32(out, 0xFFFFFFFF);
    out.insert(out.end(), clsid.begin(), clsid.end());
    auto ansi = [&out](const char *s) {
        const std::string str(s);
        appendU32(out, static_cast<std::uint32_t>(str.size() + 1));
        out.insert(out.end(), str.begin(), str.end());
        out.push_back(0);
    };
    ansi(userType);
    if (clipboardFormat) {
        ansi(clipboardFormat);
    } else {
        appendU32(out, 0xFFFFFFFF); // a standard clipboard format follows
        appendU32(out, standardFormat);
    }
    appendU32(out, 0);          // no programmatic id
    appendU32(out, 0x71B239F4); // Unicode versions follow, all empty
    appendU32(out, 0);
    appendU32(out, 0);
    appendU32(out, 0);
    return out;
}

constexpr std::array<std::uint8_t, 16> kPublicationClsid{
    0x01, 0x12, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46};
constexpr std::array<std::uint8_t, 16> kStoryGroupClsid{
    0xDA, 0xF6, 0xC8, 0x08, 0x9D, 0x96, 0xD1, 0x11, 0x8E, 0x02, 0x00, 0xC0, 0x4F, 0xB6, 0xFE, 0xCE};

// ---- the compound file ----

struct Node {
    std::string name;
    bool storage = false;
    Bytes data;
    const std::array<std::uint8_t, 16> *clsid = nullptr;
    std::vector<Node> children;
};

cfb::Node cfbNode(const Node &node)
{
    cfb::Node out;
    cfb::setName(out.raw, QString::fromStdString(node.name).toStdU16String());
    if (node.clsid)
        std::copy(node.clsid->begin(), node.clsid->end(), out.raw.begin() + 0x50);
    out.storage = node.storage;
    out.data = node.data;
    for (const Node &c : node.children)
        out.children.push_back(cfbNode(c));
    return out;
}

// The root's modification time is the publication's date for readers. A
// storage's creation time stays empty, as the compound-file format asks of
// the root.
QByteArray compoundFile(const Node &root, std::uint64_t modified)
{
    cfb::Node top = cfbNode(root);
    cfb::setName(top.raw, u"Root Entry");
    for (int i = 0; i < 8; ++i)
        top.raw[0x6C + i] = static_cast<std::uint8_t>(modified >> (8 * i));
    const Bytes file = cfb::write(top);
    return QByteArray(reinterpret_cast<const char *>(file.data()),
                      static_cast<qsizetype>(file.size()));
}

// ---- from the model ----

void checkText(const QString &text, const char *where)
{
    for (QChar c : text) {
        if ((c.unicode() < 0x20 && c != u'\t') || c == u'\x7F')
            refuse(QStringLiteral("%1 holds a control character").arg(QLatin1String(where)));
    }
}

Story storyOf(const TextBox &box, std::vector<CharFormat> &formats)
{
    Story s;
    auto formatIndex = [&formats](const CharFormat &f) {
        for (std::size_t i = 0; i < formats.size(); ++i) {
            const CharFormat &g = formats[i];
            if (g.font == f.font && g.sizePt == f.sizePt && g.bold == f.bold &&
                g.italic == f.italic && g.underline == f.underline && g.rgb == f.rgb)
                return i;
        }
        formats.push_back(f);
        return formats.size() - 1;
    };
    std::vector<Paragraph> paragraphs = box.paragraphs;
    if (paragraphs.empty())
        paragraphs.push_back({});
    for (const Paragraph &p : paragraphs) {
        std::size_t last = formatIndex(CharFormat{});
        for (const Run &r : p.runs) {
            const QString text = r.pageNumber ? QStringLiteral("#") : r.text;
            checkText(text, "a run");
            if (text.isEmpty())
                continue;
            const auto start = static_cast<std::uint32_t>(s.text.size());
            s.text += std::u16string(reinterpret_cast<const char16_t *>(text.utf16()),
                                     static_cast<std::size_t>(text.size()));
            s.charRuns.emplace_back(static_cast<std::uint32_t>(s.text.size()),
                                    formatIndex(r.format));
            // The paragraph mark takes the font and size of the text before
            // it, but not a link's colour and underline.
            CharFormat mark = r.format;
            if (!r.link.isEmpty()) {
                mark.underline = false;
                mark.rgb = CharFormat{}.rgb;
            }
            last = formatIndex(mark);
            if (r.pageNumber) {
                s.tokens.push_back({start, 1, -5, {}});
            } else if (!r.link.isEmpty()) {
                const bool mail = r.link.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive);
                s.tokens.push_back(
                    {start, static_cast<std::uint32_t>(text.size()), mail ? 4 : 1, r.link});
            }
        }
        // The paragraph mark takes the format of the text before it.
        s.text += u'\r';
        s.charRuns.emplace_back(static_cast<std::uint32_t>(s.text.size()), last);
        s.paragraphs.emplace_back(static_cast<std::uint32_t>(s.text.size()), p.alignment);
    }
    // Neighbouring runs of one format, outside links, make one run.
    std::vector<std::pair<std::uint32_t, std::size_t>> merged;
    for (const auto &run : s.charRuns) {
        const bool edge = std::any_of(s.tokens.begin(), s.tokens.end(), [&](const Story::Token &t) {
            return merged.size() &&
                   (merged.back().first == t.start || merged.back().first == t.start + t.length);
        });
        if (!merged.empty() && merged.back().second == run.second && !edge)
            merged.back().first = run.first;
        else
            merged.push_back(run);
    }
    s.charRuns = std::move(merged);
    if (s.text.size() > kLongestStory)
        refuse(QStringLiteral("a story is longer than %1 characters").arg(kLongestStory));
    return s;
}

} // namespace

QByteArray write(const Document &doc)
{
    if (doc.pages.empty())
        refuse(QStringLiteral("it has no page"));
    if (doc.widthPt <= 0 || doc.heightPt <= 0)
        refuse(QStringLiteral("its page size is not positive"));

    std::vector<Story> stories;
    std::vector<CharFormat> formats;
    std::vector<Shape> shapes;
    std::map<std::uint32_t, ContentsEntry> contents;
    std::uint32_t seq = kFirstSequence;
    auto nextSequence = [&seq] {
        do {
            ++seq;
        } while (reservedSequence(seq));
        return seq;
    };
    std::vector<std::uint32_t> pageSeqs;
    std::uint32_t spid = 0x400;
    for (const Page &page : doc.pages) {
        const std::uint32_t pageSeq = nextSequence();
        pageSeqs.push_back(pageSeq);
        Record shapeList;
        std::uint32_t count = 0;
        auto addShape = [&](const Rect &rect, std::uint32_t textId) {
            const std::uint32_t shapeSeq = nextSequence();
            Record r;
            if (textId)
                r.u32(0x27, 0x20, textId);
            r.u32(0xAA, 0x20, static_cast<std::uint32_t>(emu(rect.width)));
            r.u32(0xAB, 0x20, static_cast<std::uint32_t>(emu(rect.height)));
            contents[shapeSeq] = {kShape, pageSeq, r.bytes()};
            shapeList.u32(0, 0x70, shapeSeq);
            ++count;
            return shapeSeq;
        };
        for (const TextBox &box : page.boxes) {
            stories.push_back(storyOf(box, formats));
            const auto textId = static_cast<std::uint32_t>(stories.size());
            const std::uint32_t s = addShape(box.rect, textId);
            shapes.push_back({++spid, 202, s, box.rect, textId, {}, {}}); // text box
        }
        for (const Table &table : page.tables) {
            const int columns = std::max(table.columns, 1);
            const int rows =
                int((table.cells.size() + std::size_t(columns) - 1) / std::size_t(columns));
            if (rows == 0 || table.cells.size() != std::size_t(rows) * std::size_t(columns))
                refuse(QStringLiteral("a table does not fill its rows"));
            TextBox cells{table.rect, table.cells};
            Story story = storyOf(cells, formats);
            for (std::size_t k = 0, at = 0; k + 1 < table.cells.size(); ++k) {
                at = story.text.find(u'\r', at);
                story.cellEnds.push_back(static_cast<std::uint32_t>(at++));
            }
            stories.push_back(std::move(story));
            const auto textId = static_cast<std::uint32_t>(stories.size());
            const std::uint32_t tableSeq = nextSequence();
            const std::uint32_t cellsSeq = nextSequence();
            // Column widths, then row heights, each with its offset.
            Record sizes;
            auto addSizes = [&sizes](int n, double total) {
                for (int i = 0; i < n; ++i)
                    sizes.nest(0, 0x88,
                               Record()
                                   .u32(1, 0x20, static_cast<std::uint32_t>(emu(total * i / n)))
                                   .u32(2, 0x20, static_cast<std::uint32_t>(emu(total / n))));
            };
            addSizes(columns, table.rect.width);
            addSizes(rows, table.rect.height);
            contents[tableSeq] = {
                kTable, pageSeq,
                Record()
                    .u32(0x27, 0x20, textId)
                    .u32(0x66, 0x20, std::uint32_t(rows))
                    .u32(0x67, 0x20, std::uint32_t(columns))
                    .u32(0x68, 0x20, static_cast<std::uint32_t>(emu(table.rect.width)))
                    .u32(0x69, 0x20, static_cast<std::uint32_t>(emu(table.rect.height)))
                    .u32(0x6B, 0x70, cellsSeq)
                    .nest(0x6D, 0x90, sizes)
                    .bytes()};
            Record cellList;
            for (int r = 0; r < rows; ++r)
                for (int c = 0; c < columns; ++c)
                    cellList.nest(0, 0x88,
                                  Record()
                                      .u32(1, 0x20, std::uint32_t(r))
                                      .u32(2, 0x20, std::uint32_t(r))
                                      .u32(3, 0x20, std::uint32_t(c))
                                      .u32(4, 0x20, std::uint32_t(c)));
            contents[cellsSeq] = {kCells, tableSeq,
                                  Record()
                                      .u16(1, 0x18, static_cast<std::uint16_t>(rows * columns))
                                      .nest(2, 0xA0, cellList)
                                      .bytes()};
            shapeList.u32(0, 0x70, tableSeq);
            ++count;
            shapes.push_back({++spid, kTableShape, tableSeq, table.rect, textId, {}, {}});
        }
        for (const WordArt &art : page.wordArt) {
            checkText(art.text, "a WordArt text");
            const std::uint32_t s = addShape(art.rect, 0);
            shapes.push_back(
                {++spid, 136, s, art.rect, 0, art.text, art.font}); // plain text WordArt
        }
        Record p;
        p.u32(1, 0x20, count).nest(2, 0xA0, shapeList);
        contents[pageSeq] = {kPage, kFirstSequence, p.bytes()};
    }
    Record pageList;
    for (std::uint32_t s : pageSeqs)
        pageList.u32(0, 0x70, s);
    contents[kFirstSequence] = {
        kDocument, 0,
        Record()
            .u32(1, 0x20, static_cast<std::uint32_t>(pageSeqs.size()))
            .nest(2, 0xA0, pageList)
            .nest(0x12, 0x88,
                  Record()
                      .u32(1, 0x20, static_cast<std::uint32_t>(emu(doc.widthPt)))
                      .u32(2, 0x20, static_cast<std::uint32_t>(emu(doc.heightPt))))
            .bytes()};

    const Properties &pr = doc.properties;
    const QDateTime saved = doc.saved.isValid() ? doc.saved : QDateTime::currentDateTimeUtc();
    const Bytes summary = propertySet(kSummaryFmtid,
                                      {{2, pr.title},
                                       {3, pr.subject},
                                       {4, pr.author},
                                       {5, pr.keywords},
                                       {6, pr.comments},
                                       {0x12, QStringLiteral("Vantrelle")}},
                                      {{12, fileTime(saved)}, {13, fileTime(saved)}}, 0);
    const Bytes docSummary =
        propertySet(kDocSummaryFmtid, {{2, pr.category}, {0x0E, pr.manager}, {0x0F, pr.company}},
                    {}, summary.size(), pr.custom);

    Node root{"", true, {}, &kPublicationClsid, {}};
    root.children.push_back(
        {kCompObjStream,
         false,
         compObj(kPublicationClsid, "Microsoft Publisher 3.0", "MSPublisher.3", 0),
         nullptr,
         {}});
    root.children.push_back({kDocumentSummaryStream,
                             false,
                             docSummary,
                             nullptr,
                             {}});
    root.children.push_back({kSummaryStream,
                             false,
                             summary,
                             nullptr,
                             {}});
    root.children.push_back({"Contents", false, contentsStream(contents), nullptr, {}});
    Node escher{"Escher", true, {}, nullptr, {}};
    escher.children.push_back({"EscherDelayStm", false, {}, nullptr, {}});
    escher.children.push_back({"EscherStm", false, escherStream(shapes, doc), nullptr, {}});
    root.children.push_back(std::move(escher));
    Node sub{"QuillSub", true, {}, &kStoryGroupClsid, {}};
    sub.children.push_back({kCompObjStream,
                            false,
                            compObj(kStoryGroupClsid, "Quill96 Story Group Class", nullptr, 1),
                            nullptr,
                            {}});
    sub.children.push_back({"CONTENTS", false, quillStream(stories, formats), nullptr, {}});
    Node quill{"Quill", true, {}, nullptr, {}};
    quill.children.push_back(std::move(sub));
    root.children.push_back(std::move(quill));

    QByteArray bytes = compoundFile(root, fileTime(saved));
    // Read back as any publication is, so a fault here never leaves the writer.
    try {
        const Publication check =
            Publication::fromBytes(bytes, QStringLiteral("the new publication"));
        if (const auto v = check.quill().invariantViolations(); !v.empty())
            refuse(QString::fromStdString(v.front()));
    } catch (const Failure &e) {
        refuse(QStringLiteral("it fails its own reading (%1)").arg(e.description()));
    }
    return bytes;
}

void writeFile(const Document &document, const QString &path)
{
    const QByteArray bytes = write(document);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Failure(QStringLiteral("Cannot write “%1”: %2.").arg(path, file.errorString()));
}

} // namespace vantrelle::pubengine::writer
