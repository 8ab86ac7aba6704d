#pragma once
// WordArt keeps its text in the drawing stream, as the text property of a
// drawing shape, out of reach of the text stream's edits. The engine reads
// it only to tell the user where an old text remains.
#include "pubengine/bytes.h"

#include <string>
#include <vector>

namespace vantrelle::pubengine {

// The WordArt texts of a drawing stream in stream order. A stream that
// cannot be read to its end gives the texts found before the damage.
std::vector<std::u16string> wordArtTexts(ByteView drawing);

} // namespace vantrelle::pubengine
