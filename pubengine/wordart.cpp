#include "pubengine/wordart.h"

#include "pubengine/escher.h"

namespace vantrelle::pubengine {

namespace {

constexpr std::uint16_t kWordArtText = 0x00C0;

} // namespace

std::vector<std::u16string> wordArtTexts(ByteView drawing)
{
    std::vector<std::u16string> out;
    walkDrawing(drawing, [&out](const EscherRecord &r) {
        if (r.type != kEscherOptions && r.type != kEscherSecondaryOptions &&
            r.type != kEscherTertiaryOptions)
            return true;
        for (const EscherOption &o : escherOptions(r)) {
            if (!o.complex || o.id != kWordArtText)
                continue;
            std::u16string text;
            for (std::size_t u = 0; u + 1 < o.data.size(); u += 2) {
                const auto c = static_cast<char16_t>(readU16(o.data, u));
                if (c == u'\0')
                    break;
                text += c;
            }
            out.push_back(std::move(text));
        }
        return true;
    });
    return out;
}

} // namespace vantrelle::pubengine
