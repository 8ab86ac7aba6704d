#pragma once
// An occurrence with the text around it in its paragraph, as a replacement
// lists what it did.
#include <cstddef>
#include <string>
#include <string_view>

namespace vantrelle::pubengine {

// How much text each side of an occurrence shows, in UTF-16 units.
inline constexpr std::size_t kContextUnits = 40;

struct ContextText {
    std::u16string lead;
    std::u16string text;
    std::u16string trail;
};

// The length units at pos of story, with up to kContextUnits either side,
// cut at the paragraph marks around it, at whole words where the length
// limit falls inside one, and never splitting a surrogate pair.
ContextText contextAround(std::u16string_view story, std::size_t pos, std::size_t length);

} // namespace vantrelle::pubengine
