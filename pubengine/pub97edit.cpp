// Replacing in the Publisher 95 and 97 text block. Rules where the text has
// structure:
// * a position at or before a match's start stays, one at or after its end
//   moves with the text, one inside it keeps its distance from the start as
//   far as the new text reaches; so a same-length edit keeps every run
//   boundary, and a character run the edit empties is removed;
// * new text takes, character by character, the run (and code page) of the
//   old text it stands in for, the last run touched for what goes beyond;
// * fields, and text whose font has no code page the engine writes, are
//   left and counted; paragraph, story and cell ends are never edited.
#include "pubengine/enginetext.h"
#include "pubengine/pub97.h"

#include "pubengine/pub97codepage.h"

#include "pubengine/codepage.h"

#include <algorithm>

namespace vantrelle::pubengine {

namespace {

constexpr std::size_t kPage = 512;

// The structure a byte of the text block stands for; null for text and fields.
const char *structureOf(std::uint8_t c)
{
    switch (c) {
    case 0x0D:
    case 0x0A:
        return QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText", "a paragraph end");
    case 0x0C:
        return QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText", "the end of a story");
    case 0x0F:
        return QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText", "a table cell's mark");
    case 0x0B:
        return QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText", "a line break");
    case 0x09:
    case 0x05:
    case 0x06:
        return nullptr;
    default:
        return c < 0x20 ? QT_TRANSLATE_NOOP("vantrelle::pubengine::EngineText",
                                            "a control character of the text's layout")
                        : nullptr;
    }
}

QString character(char32_t c)
{
    return QStringLiteral("“%1” (U+%2)")
        .arg(QString::fromUcs4(&c, 1))
        .arg(uint(c), 4, 16, QLatin1Char('0'))
        .toUpper();
}

} // namespace

class Pub97Stream::PositionMap {
public:
    explicit PositionMap(const std::vector<ByteEdit> &edits) : m_edits(edits)
    {
        std::int64_t delta = 0;
        for (const ByteEdit &e : m_edits) {
            m_before.push_back(delta);
            delta += std::int64_t(e.bytes.size()) - (e.b - e.a);
        }
    }
    std::uint32_t map(std::uint32_t x) const
    {
        const auto it = std::partition_point(m_edits.begin(), m_edits.end(),
                                             [x](const ByteEdit &e) { return e.a < x; });
        if (it == m_edits.begin())
            return x;
        const std::size_t i = std::size_t(it - m_edits.begin()) - 1;
        const ByteEdit &e = m_edits[i];
        if (x >= e.b)
            return std::uint32_t(x + m_before[i] + std::int64_t(e.bytes.size()) - (e.b - e.a));
        return std::uint32_t(e.a + m_before[i] +
                             std::min<std::int64_t>(x - e.a, std::int64_t(e.bytes.size())));
    }

private:
    const std::vector<ByteEdit> &m_edits;
    std::vector<std::int64_t> m_before;
};

ReplaceResult Pub97Stream::replaceAll(const Matcher &matcher, std::size_t listLimit)
{
    ReplaceResult result;
    struct Found {
        std::size_t story;
        std::size_t pos;
        std::size_t len;
        std::size_t newLen;
        bool left = false;
        LeftReason reason = LeftReason::Field;
    };
    std::vector<Found> found;
    std::vector<ByteEdit> edits;
    const std::uint8_t *text = m_data.data() + m_textStart;
    for (std::size_t k = 0; k < m_stories.size(); ++k) {
        const Story &story = m_stories[k];
        for (const TextMatch &m : matcher.findAll(story.text)) {
            Found f{k, m.position, m.length, m.replacement.size()};
            const std::uint32_t a = story.units[m.position].begin;
            const std::uint32_t b = story.units[m.position + m.length - 1].end;
            const std::u16string_view what(story.text.data() + m.position, m.length);
            bool field = false;
            for (std::uint32_t p = a; p < b; ++p) {
                if (const char *structure = structureOf(text[p]))
                    throw Failure(EngineText::tr("the occurrence “%1” holds %2, which is never "
                                                 "edited; nothing was changed")
                                      .arg(QStringView(what.data(), qsizetype(what.size())),
                                           EngineText::tr(structure)));
                field |= text[p] == 0x05 || text[p] == 0x06;
            }
            bool editable = true;
            for (std::uint32_t p = a; p < b && editable; p = std::max(p + 1, runAt(p).end))
                editable = runAt(p).editable;
            if (field || !editable) {
                f.left = true;
                f.reason = field ? LeftReason::Field : LeftReason::NoCodePage;
                ++result.left[static_cast<int>(f.reason)];
                found.push_back(f);
                continue;
            }
            ByteEdit edit{a, b, {}};
            for (std::size_t i = 0; i < m.replacement.size(); ++i) {
                const Run &run = runAt(a + std::min<std::uint32_t>(std::uint32_t(i), b - a - 1));
                const char16_t c = m.replacement[i];
                const std::optional<Bytes> byte =
                    encodeCodePage(std::u16string_view(&c, 1), run.codePage);
                const bool held = !QChar::isSurrogate(c) && byte && byte->size() == 1 &&
                                  ((*byte)[0] >= 0x20 || (*byte)[0] == '\t');
                if (!held) {
                    char32_t whole = c;
                    if (QChar::isHighSurrogate(c) && i + 1 < m.replacement.size())
                        whole = QChar::surrogateToUcs4(c, m.replacement[i + 1]);
                    throw Failure(
                        EngineText::tr("the replacement “%1” holds %2, which the code "
                                       "page of the text it replaces, %3, cannot hold; "
                                       "nothing was changed")
                            .arg(QStringView(m.replacement.data(), qsizetype(m.replacement.size())),
                                 character(whole),
                                 QString::fromUtf8(codePageDescription(run.codePage))));
                }
                edit.bytes.push_back((*byte)[0]);
            }
            edits.push_back(std::move(edit));
            found.push_back(f);
            ++result.replaced;
        }
    }
    const std::size_t listed = std::min(listLimit, found.size());
    for (std::size_t i = 0; i < listed; ++i) {
        const Found &f = found[i];
        result.changes.push_back({f.story, std::uint32_t(f.pos),
                                  contextAround(m_stories[f.story].text, f.pos, f.len),
                                  {},
                                  f.left,
                                  f.reason,
                                  {},
                                  {0, f.story, {std::uint32_t(f.pos)}},
                                  std::nullopt});
    }
    if (!edits.empty()) {
        Pub97Stream next = parse(applied(edits));
        if (const std::vector<std::string> problems = next.invariantViolations(); !problems.empty())
            throw Failure(EngineText::tr("the edited text block failed its checks (%1); nothing "
                                         "was changed")
                              .arg(QString::fromStdString(problems.front())));
        *this = std::move(next);
    }
    // Where each listed occurrence is now: earlier edits of its story moved it.
    std::int64_t shift = 0;
    for (std::size_t i = 0; i < listed; ++i) {
        const Found &f = found[i];
        if (i > 0 && found[i - 1].story != f.story)
            shift = 0;
        ReplaceChange &c = result.changes[i];
        c.after = contextAround(m_stories[f.story].text, std::size_t(std::int64_t(f.pos) + shift),
                                f.left ? f.len : f.newLen);
        if (!f.left)
            shift += std::int64_t(f.newLen) - std::int64_t(f.len);
    }
    return result;
}

Bytes Pub97Stream::applied(const std::vector<ByteEdit> &edits) const
{
    const PositionMap map(edits);
    const std::uint32_t length = m_textEnd - m_textStart;
    Bytes text;
    std::uint32_t done = 0;
    for (const ByteEdit &e : edits) {
        text.insert(text.end(), m_data.begin() + m_textStart + done,
                    m_data.begin() + m_textStart + e.a);
        text.insert(text.end(), e.bytes.begin(), e.bytes.end());
        done = e.b;
    }
    text.insert(text.end(), m_data.begin() + m_textStart + done,
                m_data.begin() + m_textStart + length);
    const std::int64_t delta = std::int64_t(text.size()) - length;

    // The text and its closing paragraph end must fit before the first
    // formatting page: whole pages go in when it outgrows its room, and come
    // out again when a shorter text leaves whole pages empty.
    const std::size_t firstPage = m_firstPage[0];
    const std::size_t insertAt = firstPage * kPage;
    const std::size_t needed = (m_textStart + text.size() + 2 + kPage - 1) / kPage;
    std::int64_t pages = 0;
    if (needed > firstPage || (delta < 0 && needed < firstPage))
        pages = std::int64_t(needed) - std::int64_t(firstPage);
    if (m_firstPage[3] + pages > 0xFFFF ||
        m_data.size() + pages * std::int64_t(kPage) > 0xFFFFFFFFu)
        throw Failure(EngineText::tr("the text would grow beyond what the file can hold"));
    const std::int64_t shift = pages * std::int64_t(kPage);
    auto moved = [&](std::uint32_t offset) {
        return offset >= insertAt ? std::uint32_t(offset + shift) : offset;
    };
    auto fc = [&](std::uint32_t v) {
        return v < m_textStart ? v : m_textStart + map.map(v - m_textStart);
    };

    Bytes out(m_data.begin(), m_data.begin() + m_textStart);
    out.insert(out.end(), text.begin(), text.end());
    out.push_back(0x0D);
    out.push_back(0x0A);
    if (delta == 0 && pages == 0)
        out.insert(out.end(), m_data.begin() + m_textEnd + 2, m_data.begin() + insertAt);
    else
        out.resize((firstPage + pages) * kPage, 0);
    out.insert(out.end(), m_data.begin() + insertAt, m_data.end());

    writeU32(out, 8, std::uint32_t(out.size()));
    writeU32(out, 0x16, moved(m_directory));
    writeU32(out, m_tb + 10, moved(readU32(m_data, m_tb + 10)));
    writeU32(out, m_tb + 18, std::uint32_t(m_textStart + text.size()));
    for (std::size_t i = 0; i < 4; ++i)
        writeU16(out, m_tb + 22 + 2 * i, std::uint16_t(m_firstPage[i] + pages));
    for (std::size_t i = 0; i < 3; ++i)
        writeU32(out, m_tb + 30 + 4 * i, moved(m_bins[i]));

    for (std::size_t kind = 0; kind < 3; ++kind) {
        for (const Page &page : m_pages[kind]) {
            std::vector<std::uint32_t> fcs{fc(page.fcs[0])};
            std::vector<std::uint8_t> offsets;
            for (std::size_t i = 0; i < page.offsets.size(); ++i) {
                const std::uint32_t end = fc(page.fcs[i + 1]);
                if (end == fcs.back()) {
                    // Only a character run can be emptied: the others end at
                    // paragraph ends and cell marks, which no edit touches.
                    if (kind != 0)
                        throw Failure(
                            EngineText::tr("the edit would empty a paragraph or a table cell"));
                    continue;
                }
                fcs.push_back(end);
                offsets.push_back(page.offsets[i]);
            }
            const std::size_t base = (page.number + pages) * kPage;
            const std::size_t oldEnd = 5 * page.offsets.size() + 4;
            std::fill(out.begin() + std::ptrdiff_t(base), out.begin() + std::ptrdiff_t(base + oldEnd),
                      0);
            for (std::size_t i = 0; i < fcs.size(); ++i)
                writeU32(out, base + 4 * i, fcs[i]);
            std::copy(offsets.begin(), offsets.end(), out.begin() + std::ptrdiff_t(base + 4 * fcs.size()));
            out[base + kPage - 1] = std::uint8_t(offsets.size());
        }
        const std::size_t bin = moved(m_bins[kind]);
        const std::size_t count = readU16(out, bin + 4);
        for (std::size_t i = 0; i <= count; ++i)
            writeU32(out, bin + 0x16 + 4 * i, fc(readU32(out, bin + 0x16 + 4 * i)));
        for (std::size_t i = 0; i < count; ++i) {
            const std::size_t at = bin + 0x16 + 4 * (count + 1) + 2 * i;
            writeU16(out, at, std::uint16_t(readU16(out, at) + pages));
        }
    }
    const std::size_t directory = moved(m_directory);
    for (std::size_t i = 0; i < m_chunkOffsets.size(); ++i)
        writeU32(out, directory + 2 + 10 * i + 6, moved(m_chunkOffsets[i]));
    for (const KeyTable &t : m_keyTables) {
        for (std::size_t i = 0; i < t.count; ++i) {
            const std::size_t at = moved(std::uint32_t(t.at)) + i * t.stride;
            writeU32(out, at, map.map(readU32(out, at)));
        }
    }
    return out;
}

} // namespace vantrelle::pubengine
