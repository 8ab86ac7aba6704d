#pragma once
// The code page of a font's character set (a LOGFONT lfCharSet value), as
// the 8-bit text of Publisher 95 and 97 is stored in it.
#include <cstdint>

namespace vantrelle::pubengine {

struct CodePage {
    int number = 0;
    // The name the converters know it by.
    const char *name = "";
    // "Windows-1252 (Western European)".
    const char *description = "";
    // Single-byte code pages are read and written; the double-byte and OEM
    // ones are only read.
    bool editable = false;
};

// Null for the symbol, default and unknown character sets.
const CodePage *codePageOfCharset(std::uint8_t charset);
// The converter name of a code page codePageOfCharset() gives, or of 1252.
const char *codePageName(int number);
const char *codePageDescription(int number);

} // namespace vantrelle::pubengine
