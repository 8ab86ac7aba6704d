#include "pubengine/pub97codepage.h"

namespace vantrelle::pubengine {

namespace {

struct Entry {
    std::uint8_t charset;
    CodePage page;
};

const Entry kPages[] = {
    {0, {1252, "Windows-1252 (Western European)", true}},
    {238, {1250, "Windows-1250 (Central European)", true}},
    {204, {1251, "Windows-1251 (Cyrillic)", true}},
    {161, {1253, "Windows-1253 (Greek)", true}},
    {162, {1254, "Windows-1254 (Turkish)", true}},
    {177, {1255, "Windows-1255 (Hebrew)", true}},
    {178, {1256, "Windows-1256 (Arabic)", true}},
    {186, {1257, "Windows-1257 (Baltic)", true}},
    {163, {1258, "Windows-1258 (Vietnamese)", true}},
    {222, {874, "Windows-874 (Thai)", true}},
    {255, {437, "OEM 437", false}},
    {128, {932, "Windows-932 (Japanese)", false}},
    {129, {949, "Windows-949 (Korean)", false}},
    {134, {936, "Windows-936 (Simplified Chinese)", false}},
    {136, {950, "Windows-950 (Traditional Chinese)", false}},
};

const CodePage *byNumber(int number)
{
    for (const Entry &e : kPages) {
        if (e.page.number == number)
            return &e.page;
    }
    return &kPages[0].page;
}

} // namespace

const CodePage *codePageOfCharset(std::uint8_t charset)
{
    for (const Entry &e : kPages) {
        if (e.charset == charset)
            return &e.page;
    }
    return nullptr;
}

const char *codePageDescription(int number)
{
    return byNumber(number)->description;
}

} // namespace vantrelle::pubengine
