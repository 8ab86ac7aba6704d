// Reading the Publisher 95 and 97 `Contents` stream: the header, the text
// block's header, the formatting pages, the chunk directory, the font table
// (for each run's code page) and the tables of text positions.
#include "pubengine/pub97.h"

#include "pubengine/enginetext.h"
#include "pubengine/pub97codepage.h"

#include "pubengine/codepage.h"

#include <algorithm>

namespace vantrelle::pubengine {

namespace {

constexpr std::uint32_t kMagic = 0x0022ACE8;
constexpr std::uint32_t kFlatMagic = 0x002CACE7;
constexpr std::uint16_t kVersion95And97 = 0x12C;
constexpr std::uint16_t kVersion20 = 0xC8;
constexpr std::size_t kPage = 512;

constexpr std::uint16_t kTextChunk = 0x16;
constexpr std::uint16_t kFontChunk = 0x1E;
constexpr std::uint16_t kRecordTable = 0x2F;

[[noreturn]] void refuseVersion(const char *version)
{
    throw VersionError(QCoreApplication::translate("vantrelle::pubengine::EngineText",
                                                   "this publication was made by %1; that "
                                                   "version is not supported. Open it in a later "
                                                   "version of Publisher and save it again")
                           .arg(QLatin1String(version)));
}

} // namespace

void refuseFlatPublication(ByteView file)
{
    if (file.size() >= 4 && readU32(file, 0) == kFlatMagic)
        refuseVersion("Publisher 1.0");
}

Pub97Stream Pub97Stream::parse(Bytes contents)
{
    Pub97Stream s;
    s.m_data = std::move(contents);
    s.parseHeader();
    s.parseChunks();
    s.decode();
    return s;
}

void Pub97Stream::parseHeader()
{
    const ByteView d(m_data);
    const bool known = d.size() >= 0x1A && readU32(d, 0) == kMagic;
    if (known && readU16(d, 4) == kVersion20)
        refuseVersion("Publisher 2.0");
    // A Contents stream without a text stream beside it is older than
    // Publisher 98; 95 and 97 tell themselves apart here.
    const std::uint16_t layout = known ? readU16(d, 0x0C) : 0;
    if (!known || readU16(d, 4) != kVersion95And97 || (layout != 0x7D && layout != 0x88))
        throw VersionError(EngineText::tr("this publication was made by Publisher 97 or earlier "
                                          "in a layout this program does not know; it cannot be "
                                          "edited. Open it in a later version of Publisher and "
                                          "save it again"));
    if (readU32(d, 8) != d.size())
        throw FormatError(
            EngineText::tr("the length the Contents stream records differs from its size"));
    m_tb = readU32(d, 0x12);
    m_directory = readU32(d, 0x16);
    requireRange(d, m_tb, 0x2E, "the text block's header");
    if (d[m_tb] != 0xDE || d[m_tb + 1] != 0xF0 || readU16(d, m_tb + 4) != kVersion95And97)
        throw FormatError(
            EngineText::tr("the text block's header is of no kind this program knows"));
    m_textStart = readU32(d, m_tb + 14);
    m_textEnd = readU32(d, m_tb + 18);
    for (std::size_t i = 0; i < 4; ++i)
        m_firstPage[i] = readU16(d, m_tb + 22 + 2 * i);
    for (std::size_t i = 0; i < 3; ++i)
        m_bins[i] = readU32(d, m_tb + 30 + 4 * i);
    // Pointers and pages are moved as a whole when the text grows: only the
    // order seen in every file of these versions can be kept right.
    const bool ordered =
        m_textStart >= m_tb + 0x2E && m_textStart <= m_textEnd &&
        std::size_t(m_textEnd) + 2 <= m_firstPage[0] * kPage && m_firstPage[0] < m_firstPage[1] &&
        m_firstPage[1] <= m_firstPage[2] && m_firstPage[2] <= m_firstPage[3] &&
        std::all_of(std::begin(m_bins), std::end(m_bins),
                    [&](std::uint32_t b) {
                        return b >= m_firstPage[3] * kPage && b < m_directory;
                    }) &&
        readU32(d, m_tb + 10) == m_directory && m_directory < d.size();
    if (!ordered)
        throw FormatError(
            EngineText::tr("its text block is laid out in a way this program does not know"));
    for (std::size_t kind = 0; kind < 3; ++kind) {
        for (std::uint32_t n = m_firstPage[kind]; n < m_firstPage[kind + 1]; ++n) {
            const std::size_t base = n * kPage;
            requireRange(d, base, kPage, "a formatting page");
            const std::size_t count = d[base + kPage - 1];
            if (4 * (count + 1) + count > kPage - 1)
                throw FormatError(
                    EngineText::tr("a formatting page holds more entries than it has room for"));
            Page page;
            page.number = n;
            for (std::size_t i = 0; i <= count; ++i)
                page.fcs.push_back(readU32(d, base + 4 * i));
            for (std::size_t i = 0; i < count; ++i)
                page.offsets.push_back(d[base + 4 * (count + 1) + i]);
            m_pages[kind].push_back(std::move(page));
        }
        const std::size_t bin = m_bins[kind];
        const std::size_t count = readU16(d, bin + 4, "a table of formatting pages");
        requireRange(d, bin, 0x16 + 4 * (count + 1) + 2 * count, "a table of formatting pages");
    }
}

void Pub97Stream::parseChunks()
{
    const ByteView d(m_data);
    const std::size_t count = readU16(d, m_directory, "the chunk directory");
    const std::size_t first = m_directory + 2 + 10 * count;
    requireRange(d, m_directory, 2 + 10 * count, "the chunk directory");
    struct Entry {
        std::uint16_t id;
        std::uint32_t offset;
    };
    std::vector<Entry> chunks;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t e = m_directory + 2 + 10 * i;
        const std::uint32_t offset = readU32(d, e + 6);
        if (offset < first || offset >= d.size())
            throw FormatError(EngineText::tr("a chunk lies outside the object area"));
        chunks.push_back({readU16(d, e + 2), offset});
        m_chunkOffsets.push_back(offset);
    }
    std::vector<std::uint32_t> sorted = m_chunkOffsets;
    std::sort(sorted.begin(), sorted.end());
    auto extent = [&](std::uint32_t offset) -> std::size_t {
        const auto next = std::upper_bound(sorted.begin(), sorted.end(), offset);
        return next == sorted.end() ? d.size() : *next;
    };
    auto byId = [&](std::uint16_t id) -> const Entry * {
        for (const Entry &c : chunks) {
            if (c.id == id)
                return &c;
        }
        return nullptr;
    };
    bool fontsRead = false;
    for (const Entry &c : chunks) {
        const std::uint16_t type = readU16(d, c.offset, "a chunk");
        if (type == kFontChunk && !fontsRead) {
            parseFonts(c.offset, extent(c.offset));
            fontsRead = true;
        } else if (type == kTextChunk) {
            requireRange(d, c.offset, 8, "the text chunk");
            if (m_textChunk != 0)
                throw FormatError(EngineText::tr("it holds two text chunks"));
            m_textChunk = c.offset;
        }
    }
    if (m_textChunk == 0)
        return;
    // The total, then the ids of the tables of text positions.
    m_keyTables.push_back({kTextChunk, m_textChunk + 4, 1, 4});
    const std::size_t end = std::min(extent(m_textChunk), m_textChunk + 2 + std::size_t(d[m_textChunk + 3]));
    for (std::size_t at = m_textChunk + 8; at + 2 <= end; at += 2) {
        const std::uint16_t id = readU16(d, at);
        if (id == 0)
            continue;
        const Entry *table = byId(id);
        if (!table)
            throw FormatError(
                EngineText::tr("the text chunk names a table the file does not hold"));
        const std::uint16_t type = readU16(d, table->offset);
        const std::size_t n = readU16(d, table->offset + 4, "a table of text positions");
        KeyTable keys{type, table->offset + 0x16, n + 1, 4};
        if (type == kRecordTable)
            keys = {type, table->offset + 0x16, n, 8};
        else if (type != 0x1A && type != 0x1C && type != 0x2D && type != 0x2E)
            throw FormatError(EngineText::tr(
                "the text chunk names a table of a kind this program does not know"));
        if (keys.at + keys.count * keys.stride > extent(table->offset))
            throw FormatError(EngineText::tr("a table of text positions runs past its chunk"));
        m_keyTables.push_back(keys);
    }
}

void Pub97Stream::parseFonts(std::size_t at, std::size_t end)
{
    // Publisher 97 stores the count and offsets in 32 bits, 95 in 16; each
    // is known by offsets that begin right after themselves.
    const ByteView d(m_data);
    struct Layout {
        std::size_t table;
        std::size_t width;
        std::size_t count;
    };
    const Layout layouts[] = {{0x16, 4, end >= at + 8 ? readU32(d, at + 4) : 0},
                              {0x0E, 2, readU16(d, at + 4)}};
    for (const Layout &l : layouts) {
        const std::size_t base = at + l.table;
        if (l.count > 255 || base + l.width * (l.count + 1) > end)
            continue;
        auto offset = [&](std::size_t i) -> std::size_t {
            return l.width == 4 ? readU32(d, base + 4 * i) : readU16(d, base + 2 * i);
        };
        if (offset(0) != l.width * (l.count + 1))
            continue;
        std::vector<std::uint8_t> charsets;
        for (std::size_t i = 0; i < l.count && base + offset(i) < end; ++i)
            charsets.push_back(d[base + offset(i)]);
        if (charsets.size() == l.count) {
            m_charsets = std::move(charsets);
            return;
        }
    }
}

void Pub97Stream::decode()
{
    const ByteView d(m_data);
    m_runs.clear();
    m_stories.clear();
    for (const Page &page : m_pages[0]) {
        for (std::size_t i = 0; i < page.offsets.size(); ++i) {
            std::size_t font = 0;
            if (const std::size_t at = page.number * kPage + 2 * std::size_t(page.offsets[i]);
                page.offsets[i] != 0 && d[at] >= 3)
                font = d[at + 3];
            const CodePage *cp = font < m_charsets.size() ? codePageOfCharset(m_charsets[font])
                                                          : nullptr;
            Run run;
            run.begin = std::min(page.fcs[i], m_textEnd) - m_textStart;
            run.end = std::min(page.fcs[i + 1], m_textEnd) - m_textStart;
            run.codePage = cp ? cp->number : 0;
            run.editable = cp && cp->editable;
            if (page.fcs[i] < m_textStart || page.fcs[i + 1] < page.fcs[i])
                continue; // reported by invariantViolations
            m_runs.push_back(run);
        }
    }
    const std::uint32_t length = m_textEnd - m_textStart;
    const std::uint8_t *text = d.data() + m_textStart;
    Story story;
    for (std::uint32_t p = 0; p < length;) {
        const std::uint8_t c = text[p];
        auto unit = [&](char16_t u, std::uint32_t size) {
            story.text.push_back(u);
            story.units.push_back({p, p + size});
            p += size;
        };
        if (c == 0x0D)
            unit(u'\r', p + 1 < length && text[p + 1] == 0x0A ? 2 : 1);
        else if (c == 0x0C) {
            m_stories.push_back(std::move(story));
            story = Story{};
            story.begin = ++p;
        } else if (c == 0x0F)
            ++p; // a cell mark: the paragraph end before it ends the cell
        else if (c == 0x05 || c == 0x06)
            unit(u'#', 1); // a field, shown as the later versions show one
        else if (c < 0x20)
            unit(c, 1);
        else {
            // Text up to the next control byte or the run's end, in the
            // run's code page.
            const Run &run = runAt(p);
            std::uint32_t end = p;
            while (end < length && end < std::max(run.end, p + 1) && text[end] >= 0x20)
                ++end;
            const int number = run.codePage ? run.codePage : 1252;
            // The system's own tables (ICU through Qt, or Windows'); text it
            // cannot read would be counted as nothing, and that count be wrong.
            const std::optional<std::u16string> s =
                decodeCodePage(ByteView(text + p, end - p), number);
            if (!s)
                throw FormatError(
                    EngineText::tr("this system cannot convert the code page %1 of its text")
                        .arg(QString::fromUtf8(codePageDescription(number))));
            for (std::size_t i = 0; i < s->size(); ++i) {
                story.text.push_back((*s)[i]);
                // Double-byte text maps as a whole; it is never edited.
                story.units.push_back(s->size() == std::size_t(end - p)
                                          ? Unit{p + std::uint32_t(i), p + std::uint32_t(i) + 1}
                                          : Unit{p, end});
            }
            p = end;
        }
    }
    if (!story.units.empty() || story.begin < length)
        m_stories.push_back(std::move(story));
}

const Pub97Stream::Run &Pub97Stream::runAt(std::uint32_t pos) const
{
    static const Run none;
    const auto it = std::upper_bound(m_runs.begin(), m_runs.end(), pos,
                                     [](std::uint32_t p, const Run &r) { return p < r.end; });
    return it != m_runs.end() && it->begin <= pos ? *it : none;
}

} // namespace vantrelle::pubengine
