// The invariants of the Publisher 95 and 97 text block. They are checked on
// every file when it is opened and on every edited stream before it is
// written.
#include "pubengine/pub97.h"

#include <algorithm>

namespace vantrelle::pubengine {

std::vector<std::string> Pub97Stream::invariantViolations() const
{
    std::vector<std::string> out;
    auto fail = [&out](std::string s) { out.push_back(std::move(s)); };
    const ByteView d(m_data);
    const std::uint32_t length = m_textEnd - m_textStart;

    if (readU32(d, 8) != d.size())
        fail("the recorded length differs from the stream's size");
    if (d[m_textEnd] != 0x0D || d[m_textEnd + 1] != 0x0A)
        fail("the text does not close with a paragraph end");
    if (length > 0 && d[m_textEnd - 1] != 0x0C)
        fail("the text does not end with the end of a story");

    const char *const names[] = {"character", "paragraph", "cell"};
    for (std::size_t kind = 0; kind < 3; ++kind) {
        const std::string name = names[kind];
        const std::vector<Page> &pages = m_pages[kind];
        std::uint32_t prev = m_textStart;
        for (const Page &page : pages) {
            if (page.fcs.front() != prev)
                fail(name + " formatting page " + std::to_string(page.number) +
                     " does not start where the one before it ends");
            if (page.offsets.empty())
                fail(name + " formatting page " + std::to_string(page.number) + " has no runs");
            for (std::size_t i = 1; i < page.fcs.size(); ++i) {
                if (page.fcs[i] <= page.fcs[i - 1])
                    fail(name + " formatting page " + std::to_string(page.number) +
                         " has an empty or backward run");
            }
            prev = page.fcs.back();
        }
        if (kind == 0 ? prev != m_textEnd : prev > m_textEnd + 2)
            fail("the " + name + " formatting does not cover the text");

        const std::size_t bin = m_bins[kind];
        const std::size_t count = readU16(d, bin + 4);
        if (count != pages.size() || readU16(d, bin + 8) != 2) {
            fail("the index of " + name + " formatting does not list its pages");
            continue;
        }
        for (std::size_t i = 0; i < count; ++i) {
            if (readU32(d, bin + 0x16 + 4 * i) != pages[i].fcs.front() ||
                readU32(d, bin + 0x16 + 4 * (i + 1)) != pages[i].fcs.back() ||
                readU16(d, bin + 0x16 + 4 * (count + 1) + 2 * i) != pages[i].number)
                fail("the index of " + name + " formatting disagrees with page " +
                     std::to_string(pages[i].number));
        }
    }

    std::vector<std::uint32_t> storyStarts{0};
    for (std::uint32_t p = 0; p < length; ++p) {
        if (d[m_textStart + p] == 0x0C)
            storyStarts.push_back(p + 1);
    }
    for (const KeyTable &t : m_keyTables) {
        const std::string where = "the table of text positions of kind " + std::to_string(t.type);
        std::vector<std::uint32_t> keys;
        for (std::size_t i = 0; i < t.count; ++i)
            keys.push_back(readU32(d, t.at + i * t.stride));
        if (!std::is_sorted(keys.begin(), keys.end()))
            fail(where + " is out of order");
        const bool toTextEnd = t.type == 0x1A || t.type == 0x1C;
        if (!keys.empty() && keys.back() != (toTextEnd ? length : length + 2))
            fail(where + " does not end at the end of the text");
        if (t.type == 0x1C && keys != storyStarts)
            fail("the stories do not start where the ones before them end");
    }
    return out;
}

} // namespace vantrelle::pubengine
