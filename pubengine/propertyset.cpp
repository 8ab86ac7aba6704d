#include "pubengine/propertyset.h"

#include "pubengine/codepage.h"
#include "pubengine/enginetext.h"
#include "pubengine/matcher.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>

namespace vantrelle::pubengine {

namespace {

constexpr std::uint16_t kByteOrder = 0xFFFE;
constexpr std::size_t kHeaderSize = 28;
constexpr std::size_t kSectionEntry = 20;
constexpr std::size_t kMaxSections = 16;
constexpr std::uint16_t kTypeI2 = 0x02;
constexpr std::uint16_t kTypeString = 0x1E;     // in the section's code page
constexpr std::uint16_t kTypeWideString = 0x1F; // UTF-16
constexpr std::uint32_t kCodePageId = 1;
constexpr std::uint32_t kDictionaryId = 0;
constexpr int kUtf16CodePage = 1200;

const std::uint8_t kSummaryId[16] = {0xE0, 0x85, 0x9F, 0xF2, 0xF9, 0x4F, 0x68, 0x10,
                                     0xAB, 0x91, 0x08, 0x00, 0x2B, 0x27, 0xB3, 0xD9};
const std::uint8_t kDocumentSummaryId[16] = {0x02, 0xD5, 0xCD, 0xD5, 0x9C, 0x2E, 0x1B, 0x10,
                                             0x93, 0x97, 0x08, 0x00, 0x2B, 0x2C, 0xF9, 0xAE};

const std::map<std::uint32_t, const char16_t *> kSummaryNames = {
    {2, u"Title"},    {3, u"Subject"},       {4, u"Author"},          {5, u"Keywords"},
    {6, u"Comments"}, {7, u"Template"},      {8, u"Last saved by"},   {9, u"Revision number"},
    {18, u"Application name"}};
const std::map<std::uint32_t, const char16_t *> kDocumentSummaryNames = {
    {2, u"Category"},      {3, u"Presentation format"}, {14, u"Manager"},
    {15, u"Company"},      {26, u"Content type"},       {27, u"Content status"},
    {28, u"Language"},     {29, u"Document version"}};

std::size_t roundUp4(std::size_t n)
{
    return (n + 3) & ~std::size_t(3);
}

std::u16string digitsOf(std::uint32_t n)
{
    const std::string digits = std::to_string(n);
    return {digits.begin(), digits.end()};
}

// The text up to its first terminating NUL.
std::u16string untilNul(std::u16string s)
{
    if (const std::size_t nul = s.find(u'\0'); nul != std::u16string::npos)
        s.resize(nul);
    return s;
}

} // namespace

PropertySetStream PropertySetStream::parse(ByteView stream)
{
    PropertySetStream set;
    set.m_bytes.assign(stream.begin(), stream.end());
    if (readU16(stream, 0, "the document properties") != kByteOrder)
        throw FormatError(EngineText::tr("the document properties are damaged"));
    const std::uint32_t sections = readU32(stream, 24, "the document properties");
    if (sections > kMaxSections)
        throw FormatError(EngineText::tr("the document properties are damaged"));
    for (std::size_t s = 0; s < sections; ++s)
        set.parseSection(s, readU32(stream, kHeaderSize + kSectionEntry * s + 16,
                                    "the document properties"));
    return set;
}

void PropertySetStream::parseSection(std::size_t section, std::size_t offset)
{
    const ByteView all(m_bytes);
    const std::uint32_t size = readU32(all, offset, "a section of document properties");
    requireRange(all, offset, size, "a section of document properties");
    const ByteView sec = all.subspan(offset, size);
    const std::uint32_t count = readU32(sec, 4, "a section of document properties");
    if (count > (size - 8) / 8)
        throw FormatError(
            EngineText::tr("a section of document properties holds more entries than it can"));

    const std::uint8_t *fmtid = &m_bytes[kHeaderSize + kSectionEntry * section];
    const bool summary = std::memcmp(fmtid, kSummaryId, 16) == 0;
    const bool documentSummary = std::memcmp(fmtid, kDocumentSummaryId, 16) == 0;
    // The user's own properties follow in a second section, named in its dictionary.
    const auto &names = summary ? kSummaryNames : kDocumentSummaryNames;
    const bool known = summary || (documentSummary && section == 0);

    std::map<std::uint32_t, std::uint32_t> entries; // id → offset in the section
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint32_t id = readU32(sec, 8 + 8 * i);
        const std::uint32_t at = readU32(sec, 12 + 8 * i);
        if (at < 8 + 8 * std::size_t(count) || std::size_t(at) + 4 > size)
            throw FormatError(EngineText::tr("a document property lies outside its section"));
        entries[id] = at;
    }
    int codePage = 1252;
    if (auto it = entries.find(kCodePageId);
        it != entries.end() && readU16(sec, it->second) == kTypeI2)
        codePage = readU16(sec, it->second + 4, "the code page of the document properties");

    std::map<std::uint32_t, std::u16string> dictionary;
    if (auto it = entries.find(kDictionaryId); it != entries.end()) {
        // Names only label the report, so a dictionary that cannot be read
        // costs the names and nothing else.
        try {
            std::size_t p = it->second;
            const std::uint32_t n = readU32(sec, p);
            p += 4;
            for (std::uint32_t i = 0; i < n && i < count; ++i) {
                const std::uint32_t id = readU32(sec, p);
                const std::uint32_t length = readU32(sec, p + 4);
                const std::size_t bytes = codePage == kUtf16CodePage ? 2 * std::size_t(length)
                                                                      : std::size_t(length);
                requireRange(sec, p + 8, bytes, "a property name");
                if (auto name = decodeCodePage(sec.subspan(p + 8, bytes), codePage))
                    dictionary[id] = untilNul(*name);
                p += 8 + (codePage == kUtf16CodePage ? roundUp4(bytes) : bytes);
            }
        } catch (const FormatError &) {
            dictionary.clear();
        }
    }

    for (const auto &[id, at] : entries) {
        const std::uint16_t type = readU16(sec, at);
        if (type != kTypeString && type != kTypeWideString)
            continue;
        const bool wide = type == kTypeWideString || codePage == kUtf16CodePage;
        const std::uint32_t length = readU32(sec, at + 4, "a document property");
        const std::size_t bytes = type == kTypeWideString ? 2 * std::size_t(length) : length;
        requireRange(sec, at + 8, bytes, "a document property");
        if (at + 8 + roundUp4(bytes) > size)
            continue; // without its padding: only ever copied
        const std::optional<std::u16string> value =
            decodeCodePage(sec.subspan(at + 8, bytes), wide ? kUtf16CodePage : codePage);
        if (!value)
            continue; // not text in its code page: only ever copied
        Text t;
        t.at = offset + at;
        t.wide = type == kTypeWideString;
        t.codePage = codePage;
        t.value = untilNul(*value);
        if (auto d = dictionary.find(id); d != dictionary.end())
            t.name = d->second;
        else if (auto n = names.find(id); known && n != names.end())
            t.name = n->second;
        else
            t.name = u"property " + digitsOf(id);
        m_texts.push_back(std::move(t));
    }
}

std::vector<PropertySetStream::TextProperty> PropertySetStream::textProperties() const
{
    std::vector<TextProperty> out;
    for (const Text &t : m_texts)
        out.push_back({t.name, t.value});
    return out;
}

std::size_t PropertySetStream::storedLength(const Text &t) const
{
    const std::uint32_t length = readU32(m_bytes, t.at + 4);
    return 8 + roundUp4(t.wide ? 2 * std::size_t(length) : std::size_t(length));
}

// Puts value in place of the oldLength bytes at at, and moves every offset
// and size of the stream that lies past them.
void PropertySetStream::splice(std::size_t at, std::size_t oldLength, const Bytes &value)
{
    const std::int64_t delta = std::int64_t(value.size()) - std::int64_t(oldLength);
    const std::uint32_t sections = readU32(m_bytes, 24);
    for (std::size_t s = 0; s < sections; ++s) {
        const std::size_t entry = kHeaderSize + kSectionEntry * s + 16;
        const std::uint32_t offset = readU32(m_bytes, entry);
        const std::uint32_t size = readU32(m_bytes, offset);
        if (offset > at) {
            writeU32(m_bytes, entry, static_cast<std::uint32_t>(offset + delta));
        } else if (at < std::size_t(offset) + size) {
            writeU32(m_bytes, offset, static_cast<std::uint32_t>(size + delta));
            const std::uint32_t count = readU32(m_bytes, offset + 4);
            for (std::uint32_t i = 0; i < count; ++i) {
                const std::size_t p = offset + 12 + 8 * std::size_t(i);
                if (const std::uint32_t o = readU32(m_bytes, p); offset + o > at)
                    writeU32(m_bytes, p, static_cast<std::uint32_t>(o + delta));
            }
        }
    }
    const std::size_t end = std::min(m_bytes.size(), at + oldLength);
    m_bytes.erase(m_bytes.begin() + std::ptrdiff_t(at), m_bytes.begin() + std::ptrdiff_t(end));
    m_bytes.insert(m_bytes.begin() + std::ptrdiff_t(at), value.begin(), value.end());
    for (Text &t : m_texts) {
        if (t.at > at)
            t.at = static_cast<std::size_t>(std::int64_t(t.at) + delta);
    }
}

std::size_t PropertySetStream::replaceAll(const Matcher &matcher,
                                          std::vector<ReplaceChange> &changes,
                                          std::size_t listLimit)
{
    std::size_t replaced = 0;
    for (Text &t : m_texts) {
        const std::vector<TextMatch> at = matcher.findAll(t.value);
        if (at.empty())
            continue;
        std::vector<std::size_t> starts;
        const std::u16string after = replaceMatches(t.value, at, starts);
        const std::u16string place = u"document property " + t.name;
        const std::optional<Bytes> encoded =
            encodeCodePage(after, t.wide ? kUtf16CodePage : t.codePage);
        if (!encoded)
            throw Failure(EngineText::tr("the document property %1 is stored in code page %2, "
                                         "which cannot hold the replacement text; nothing was "
                                         "changed")
                              .arg(QString::fromStdU16String(t.name))
                              .arg(t.codePage));
        // The terminating NUL is stored and counted: in units for UTF-16, in
        // bytes otherwise.
        const std::size_t nul = t.wide || t.codePage == kUtf16CodePage ? 2 : 1;
        Bytes value;
        appendU16(value, t.wide ? kTypeWideString : kTypeString);
        appendU16(value, 0);
        appendU32(value, static_cast<std::uint32_t>(t.wide ? after.size() + 1
                                                           : encoded->size() + nul));
        value.insert(value.end(), encoded->begin(), encoded->end());
        value.resize(8 + roundUp4(encoded->size() + nul), 0);
        for (std::size_t k = 0; k < at.size() && changes.size() < listLimit; ++k) {
            ReplaceChange c;
            c.before = contextAround(t.value, at[k].position, at[k].length);
            c.after = contextAround(after, starts[k], at[k].replacement.size());
            c.place = place;
            changes.push_back(std::move(c));
        }
        splice(t.at, storedLength(t), value);
        t.value = after;
        replaced += at.size();
        m_changed = true;
    }
    return replaced;
}

} // namespace vantrelle::pubengine
