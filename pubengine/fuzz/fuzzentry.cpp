#include "pubengine/fuzz/fuzzentry.h"

#include "pubengine/publication.h"
#include "pubengine/storylayout.h"

#include <cstdlib>

namespace vantrelle::pubengine {

bool fuzzOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    try {
        Publication pub = Publication::fromBytes(bytes, QStringLiteral("input.pub"));
        pub.replaceAll(QStringLiteral("e"), QStringLiteral("EE"), false);
        pub.replaceAll(QStringLiteral("LINK"), QString(), true);
        pub.replaceAll(QStringLiteral("page"), QStringLiteral("a much longer replacement text"),
                       false);
        // The fit check reads the edited publication; it says per story what
        // it cannot read, and never throws.
        if (storyLayouts(pub).size() != pub.storyCount())
            std::abort();
        const QByteArray out = pub.toBytes();
        // What the engine writes it must read back, with the same text.
        const Publication back = Publication::fromBytes(out, QStringLiteral("output.pub"));
        if (back.storyCount() != pub.storyCount())
            std::abort();
        for (std::size_t k = 0; k < pub.storyCount(); ++k) {
            if (back.story(k) != pub.story(k))
                std::abort();
        }
        return true;
    } catch (const Failure &) {
        return false;
    }
}

} // namespace vantrelle::pubengine
