#pragma once
// The code page of a font's character set (a LOGFONT lfCharSet value), as
// the 8-bit text of Publisher 95 and 97 is stored in it.
#include <cstdint>

namespace vantrelle::pubengine {

struct CodePage {
    int number = 0;
    // "Windows-1252 (Western European)".
    const char *description = "";
    // Single-byte code pages are read and written; the double-byte and OEM
    // ones are only read.
    bool editable = false;
};

// Null for the symbol, default and unknown character sets.
const CodePage *codePageOfCharset(std::uint8_t charset);
const char *codePageDescription(int number);

} // namespace vantrelle::pubengine
