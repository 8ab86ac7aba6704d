// Link addresses live in the string table at the end of a story's token
// chunk: a 20-byte header (u32 byte size of what follows it, u32 count, three
// u32 kept as they are), count u32 offsets from the start of the offset array,
// then the strings one after another, each a u16 length and UTF-16 units.
#include "pubengine/enginetext.h"
#include "pubengine/matcher.h"
#include "pubengine/quill.h"

#include <set>

namespace vantrelle::pubengine {

namespace {

constexpr std::size_t kStringTableHeader = 20;

// The strings of a table laid out exactly as above, or nullopt when the
// table is laid out otherwise (it is then only ever copied).
std::optional<std::vector<std::u16string>> readStrings(const Bytes &rest)
{
    if (rest.size() < kStringTableHeader)
        return std::nullopt;
    const std::uint32_t size = readU32(rest, 0);
    const std::uint32_t count = readU32(rest, 4);
    if (size != rest.size() - kStringTableHeader || count > size / 4)
        return std::nullopt;
    std::vector<std::u16string> strings;
    std::size_t next = 4 * std::size_t(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        if (readU32(rest, kStringTableHeader + 4 * std::size_t(i)) != next || next + 2 > size)
            return std::nullopt;
        const std::size_t at = kStringTableHeader + next;
        const std::uint16_t length = readU16(rest, at);
        if (next + 2 + 2 * std::size_t(length) > size)
            return std::nullopt;
        std::u16string s(length, u'\0');
        for (std::size_t u = 0; u < length; ++u)
            s[u] = static_cast<char16_t>(readU16(rest, at + 2 + 2 * u));
        strings.push_back(std::move(s));
        next += 2 + 2 * std::size_t(length);
    }
    if (next != size)
        return std::nullopt;
    return strings;
}

Bytes writeStrings(const Bytes &rest, const std::vector<std::u16string> &strings)
{
    Bytes out(rest.begin(), rest.begin() + kStringTableHeader);
    std::size_t next = 4 * strings.size();
    for (const std::u16string &s : strings) {
        appendU32(out, static_cast<std::uint32_t>(next));
        next += 2 + 2 * s.size();
    }
    for (const std::u16string &s : strings) {
        appendU16(out, static_cast<std::uint16_t>(s.size()));
        for (char16_t c : s)
            appendU16(out, c);
    }
    writeU32(out, 0, static_cast<std::uint32_t>(out.size() - kStringTableHeader));
    return out;
}

bool isAddressLink(std::int32_t kind)
{
    return kind == 1 || kind == 4; // web or file, e-mail
}

} // namespace

std::size_t QuillStream::replaceInLinks(const Matcher &matcher, std::vector<ReplaceChange> &changes,
                                        std::size_t listLimit)
{
    std::size_t replaced = 0;
    for (TokenTable &t : m_tokens) {
        // A string is edited only when every token that uses it is an
        // address link; the string of a link to a page is no address.
        std::set<std::int32_t> addresses;
        std::set<std::int32_t> others;
        for (std::size_t i = 0; i < t.targets.size(); ++i) {
            if (t.targets[i] >= 0)
                (isAddressLink(t.kinds[i]) ? addresses : others).insert(t.targets[i]);
        }
        if (addresses.empty())
            continue;
        std::optional<std::vector<std::u16string>> strings = readStrings(t.rest);
        bool edited = false;
        for (const std::int32_t index : addresses) {
            if (others.count(index))
                continue;
            if (!strings) {
                // Only a refusal when there is something to replace.
                for (const Token &token : tokens(t.story)) {
                    if (!matcher.findAll(token.target).empty())
                        throw Failure(EngineText::tr("the link addresses of story %1 are stored in "
                                                     "a way this program does not edit")
                                          .arg(t.story + 1));
                }
                break;
            }
            if (std::size_t(index) >= strings->size())
                continue;
            std::u16string &address = (*strings)[std::size_t(index)];
            const std::vector<TextMatch> at = matcher.findAll(address);
            if (at.empty())
                continue;
            std::vector<std::size_t> starts;
            std::u16string after = replaceMatches(address, at, starts);
            if (after.empty())
                throw Failure(
                    EngineText::tr("the replacement would leave a link without an address"));
            if (after.size() > 0xFFFF)
                throw Failure(
                    EngineText::tr("the replacement would make a link address longer than "
                                   "65,535 characters"));
            for (std::size_t k = 0; k < at.size() && changes.size() < listLimit; ++k) {
                ReplaceChange c;
                c.story = t.story;
                c.before = contextAround(address, at[k].position, at[k].length);
                c.after = contextAround(after, starts[k], at[k].replacement.size());
                c.place = u"link address";
                changes.push_back(std::move(c));
            }
            replaced += at.size();
            address = std::move(after);
            edited = true;
        }
        if (edited)
            t.rest = writeStrings(t.rest, *strings);
    }
    return replaced;
}

} // namespace vantrelle::pubengine
