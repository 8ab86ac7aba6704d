#include "pubengine/occurrences.h"

#include "pubengine/casefold.h"

namespace vantrelle::pubengine {

std::vector<std::size_t> occurrences(std::u16string_view text, std::u16string_view find,
                                     bool matchCase)
{
    std::vector<std::size_t> out;
    if (find.empty())
        return out;
    const std::u16string folded = matchCase ? std::u16string() : foldCase(text);
    const std::u16string key = matchCase ? std::u16string(find) : foldCase(find);
    const std::u16string_view hay = matchCase ? text : std::u16string_view(folded);
    for (std::size_t from = 0;;) {
        const std::size_t i = hay.find(key, from);
        if (i == std::u16string_view::npos)
            return out;
        const std::size_t end = i + find.size();
        const bool splits = (i > 0 && isLowSurrogate(text[i]) && isHighSurrogate(text[i - 1])) ||
                            (end < text.size() && isHighSurrogate(text[end - 1]) &&
                             isLowSurrogate(text[end]));
        if (splits) {
            from = i + 1;
            continue;
        }
        out.push_back(i);
        from = end;
    }
}

std::u16string replacedAt(std::u16string_view text, const std::vector<std::size_t> &at,
                          std::size_t findLength, std::u16string_view replacement)
{
    std::u16string out;
    std::size_t done = 0;
    for (std::size_t i : at) {
        out.append(text.substr(done, i - done));
        out.append(replacement);
        done = i + findLength;
    }
    out.append(text.substr(done));
    return out;
}

} // namespace vantrelle::pubengine
