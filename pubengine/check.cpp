// The invariants every stream the engine writes must satisfy. They are
// checked on the re-parsed output before anything is written, and on input
// before anything is edited.
#include "pubengine/quill.h"

namespace vantrelle::pubengine {

std::vector<std::string> QuillStream::invariantViolations() const
{
    std::vector<std::string> out;
    auto fail = [&out](std::string s) { out.push_back(std::move(s)); };
    auto fc = [](std::uint32_t pos) { return kTextOffset + 2 * pos; };

    std::uint64_t sum = 0;
    for (std::size_t k = 0; k < m_storyLengths.size(); ++k) {
        sum += m_storyLengths[k];
        if (m_storyLengths[k] == 0 || sum > m_text.size() || m_text[sum - 1] != u'\r')
            fail("story " + std::to_string(k) + " does not end with a paragraph mark");
    }
    if (sum != m_text.size()) {
        fail("the story lengths do not add up to the length of the text");
        return out;
    }

    const struct {
        const std::vector<FormattingPage> &pages;
        const BinTable &bins;
        const char *name;
    } kinds[] = {{m_charPages, m_charBins, "character"}, {m_paraPages, m_paraBins, "paragraph"}};
    for (const auto &kind : kinds) {
        const std::string name = kind.name;
        std::uint32_t prev = 0;
        for (std::size_t p = 0; p < kind.pages.size(); ++p) {
            const FormattingPage &page = kind.pages[p];
            const std::uint32_t first = page.firstIsZero ? 0 : page.first;
            if (first != prev || (p > 0 && page.firstIsZero))
                fail(name + " page " + std::to_string(p) +
                     " does not start where the page "
                     "before it ends");
            if (page.ends.empty())
                fail(name + " page " + std::to_string(p) + " has no runs");
            std::uint32_t runStart = first;
            for (std::uint32_t end : page.ends) {
                if (end <= runStart)
                    fail(name + " page " + std::to_string(p) + " has an empty run");
                if (kind.pages.data() == m_paraPages.data() && end > 0 && end <= m_text.size() &&
                    m_text[end - 1] != u'\r')
                    fail("a paragraph does not end with a paragraph mark");
                runStart = end;
            }
            prev = runStart;
        }
        if (prev != m_text.size())
            fail("the last " + name + " run does not end at the end of the text");

        const BinTable &bins = kind.bins;
        if (bins.pageChunks.size() != kind.pages.size()) {
            fail("the index of " + name + " formatting lists " +
                 std::to_string(bins.pageChunks.size()) + " pages, the stream holds " +
                 std::to_string(kind.pages.size()));
            continue;
        }
        for (std::size_t p = 0; p < kind.pages.size(); ++p) {
            const FormattingPage &page = kind.pages[p];
            if (bins.pageChunks[p] != page.chunk)
                fail("the index of " + name + " formatting points at the wrong page for page " +
                     std::to_string(p));
            const std::uint32_t first = page.firstIsZero ? 0 : fc(page.first);
            const std::uint32_t last = page.ends.empty() ? 0 : fc(page.ends.back());
            if (bins.bounds[p] != first || bins.bounds[p + 1] != last)
                fail("the index of " + name + " formatting disagrees with page " +
                     std::to_string(p));
        }
    }

    for (const TokenTable &t : m_tokens) {
        const std::string where =
            "the table of links and fields of story " + std::to_string(t.story);
        if (t.storyLength != m_storyLengths[t.story])
            fail(where + " disagrees with the story's length");
        for (std::size_t i = 0; i < t.starts.size(); ++i) {
            if (std::uint64_t(t.starts[i]) + t.lengths[i] > m_storyLengths[t.story] ||
                (i > 0 && t.starts[i] < t.starts[i - 1]))
                fail(where + " has a link or field outside the story or out of order");
        }
    }
    for (const CellTable &t : m_cells) {
        const std::string where = "the table of story " + std::to_string(t.story);
        if (t.values.back() != m_storyLengths[t.story])
            fail(where + " does not end at the story's end");
        const std::u16string_view text = story(t.story);
        for (std::size_t i = 0; i + 1 < t.values.size(); ++i) {
            if (t.values[i] >= text.size() || text[t.values[i]] != u'\r')
                fail(where + " has a cell that does not end at a paragraph mark");
        }
    }
    return out;
}

} // namespace vantrelle::pubengine
