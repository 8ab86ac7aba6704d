#include "pubengine/context.h"

#include "pubengine/casefold.h"

#include <algorithm>

namespace vantrelle::pubengine {

ContextText contextAround(std::u16string_view story, std::size_t pos, std::size_t length)
{
    constexpr char16_t kParagraphMark = u'\r';
    const std::size_t end = std::min(story.size(), pos + length);
    pos = std::min(pos, end);

    std::size_t from = pos > kContextUnits ? pos - kContextUnits : 0;
    const std::size_t mark = story.substr(0, pos).rfind(kParagraphMark);
    if (mark != std::u16string_view::npos && mark + 1 > from)
        from = mark + 1;
    else if (from > 0 && isLowSurrogate(story[from]) && isHighSurrogate(story[from - 1]))
        ++from;

    std::size_t to = std::min(story.size(), end + kContextUnits);
    const std::size_t next = story.substr(0, to).find(kParagraphMark, end);
    if (next != std::u16string_view::npos)
        to = next;
    else if (to < story.size() && to > end && isHighSurrogate(story[to - 1]) &&
             isLowSurrogate(story[to]))
        --to;

    return {std::u16string(story.substr(from, pos - from)),
            std::u16string(story.substr(pos, end - pos)),
            std::u16string(story.substr(end, to - end))};
}

} // namespace vantrelle::pubengine
