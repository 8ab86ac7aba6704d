#include "pubengine/casefold.h"

#include <QChar>

namespace vantrelle::pubengine {

std::u16string foldCase(std::u16string_view text)
{
    std::u16string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const char16_t c = out[i];
        if (isHighSurrogate(c) && i + 1 < out.size() && isLowSurrogate(out[i + 1])) {
            const char32_t cp = QChar::surrogateToUcs4(c, out[i + 1]);
            const char32_t folded = QChar::toCaseFolded(cp);
            if (QChar::requiresSurrogates(folded)) {
                out[i] = QChar::highSurrogate(folded);
                out[i + 1] = QChar::lowSurrogate(folded);
            }
            ++i;
            continue;
        }
        const char32_t folded = QChar::toCaseFolded(char32_t(c));
        if (folded <= 0xFFFF && isHighSurrogate(c) == isHighSurrogate(char16_t(folded)) &&
            isLowSurrogate(c) == isLowSurrogate(char16_t(folded)))
            out[i] = static_cast<char16_t>(folded);
    }
    return out;
}

} // namespace vantrelle::pubengine
