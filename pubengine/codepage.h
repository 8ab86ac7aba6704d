#pragma once
// Text in a Windows code page (the code page of a section of document
// properties), converted by the system's own tables: ICU through Qt on
// Linux, the code-page functions of Windows on Windows.
#include "pubengine/bytes.h"

#include <optional>
#include <string>

namespace vantrelle::pubengine {

// nullopt when the code page is unknown here or the bytes are no text in it.
std::optional<std::u16string> decodeCodePage(ByteView bytes, int codePage);
// nullopt when the code page is unknown here or cannot hold the text.
std::optional<Bytes> encodeCodePage(std::u16string_view text, int codePage);

} // namespace vantrelle::pubengine
