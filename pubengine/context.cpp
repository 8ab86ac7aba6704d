#include "pubengine/context.h"

#include "pubengine/casefold.h"

#include <QChar>

#include <algorithm>

namespace vantrelle::pubengine {

namespace {

// The code point the unit at i belongs to; a lone surrogate stands for itself.
char32_t codePointAt(std::u16string_view text, std::size_t i)
{
    const char16_t c = text[i];
    if (isHighSurrogate(c) && i + 1 < text.size() && isLowSurrogate(text[i + 1]))
        return QChar::surrogateToUcs4(c, text[i + 1]);
    if (isLowSurrogate(c) && i > 0 && isHighSurrogate(text[i - 1]))
        return QChar::surrogateToUcs4(text[i - 1], c);
    return c;
}

// Letters, digits, their marks and the apostrophe inside "don't": a cut
// between two of these falls inside a word.
bool inWord(std::u16string_view text, std::size_t i)
{
    const char32_t c = codePointAt(text, i);
    return QChar::isLetterOrNumber(c) || QChar::isMark(c) || c == U'\'' || c == U'\u2019';
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\u00A0';
}

// from, cut by the length limit, moved on to the start of the first whole
// word before limit; where there is no word boundary (a script written
// without spaces) it stays.
std::size_t leadStart(std::u16string_view story, std::size_t from, std::size_t limit)
{
    std::size_t i = from;
    if (inWord(story, from - 1) && inWord(story, from)) {
        while (i < limit && inWord(story, i))
            ++i;
        if (i == limit)
            return from;
    }
    while (i < limit && isBlank(story[i]))
        ++i;
    return i;
}

// The same at the far end: to moved back to the end of the last whole word
// after limit.
std::size_t trailEnd(std::u16string_view story, std::size_t to, std::size_t limit)
{
    std::size_t i = to;
    if (inWord(story, to - 1) && inWord(story, to)) {
        while (i > limit && inWord(story, i - 1))
            --i;
        if (i == limit)
            return to;
    }
    while (i > limit && isBlank(story[i - 1]))
        --i;
    return i;
}

} // namespace

ContextText contextAround(std::u16string_view story, std::size_t pos, std::size_t length)
{
    constexpr char16_t kParagraphMark = u'\r';
    const std::size_t end = std::min(story.size(), pos + length);
    pos = std::min(pos, end);

    std::size_t from = pos > kContextUnits ? pos - kContextUnits : 0;
    const std::size_t mark = story.substr(0, pos).rfind(kParagraphMark);
    if (mark != std::u16string_view::npos && mark + 1 > from)
        from = mark + 1;
    else if (from > 0)
        from = leadStart(story, from, pos);
    if (from > 0 && from < story.size() && isLowSurrogate(story[from]) &&
        isHighSurrogate(story[from - 1]))
        ++from;

    std::size_t to = std::min(story.size(), end + kContextUnits);
    const std::size_t next = story.substr(0, to).find(kParagraphMark, end);
    if (next != std::u16string_view::npos)
        to = next;
    else if (to < story.size() && to > end)
        to = trailEnd(story, to, end);
    if (to < story.size() && to > end && isHighSurrogate(story[to - 1]) &&
        isLowSurrogate(story[to]))
        --to;

    return {std::u16string(story.substr(from, pos - from)),
            std::u16string(story.substr(pos, end - pos)),
            std::u16string(story.substr(end, to - end))};
}

} // namespace vantrelle::pubengine
