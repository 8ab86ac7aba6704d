#pragma once
// Finding and replacing in the short texts outside the stories (link
// addresses, document properties, WordArt), matched the way story text is.
#include "pubengine/context.h"

#include <string>
#include <string_view>
#include <vector>

namespace vantrelle::pubengine {

// Where find occurs in text, without overlaps, never splitting a surrogate pair.
std::vector<std::size_t> occurrences(std::u16string_view text, std::u16string_view find,
                                     bool matchCase);

// text with the find.size() units at each of at replaced.
std::u16string replacedAt(std::u16string_view text, const std::vector<std::size_t> &at,
                          std::size_t findLength, std::u16string_view replacement);

} // namespace vantrelle::pubengine
