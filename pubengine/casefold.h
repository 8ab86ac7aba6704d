#pragma once
// Case folding for matching without regard to case. Every position in the
// text counts UTF-16 units, so a fold must never change a string's length:
// each code point folds alone, and only when its folded form takes the same
// number of units. Surrogate pairs fold as one code point, never split.
#include <string>
#include <string_view>

namespace vantrelle::pubengine {

std::u16string foldCase(std::u16string_view text);

inline bool isHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
inline bool isLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

} // namespace vantrelle::pubengine
