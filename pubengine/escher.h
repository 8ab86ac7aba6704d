#pragma once
// The drawing stream (Escher/EscherStm): nested records of u16 version and
// instance, u16 type and u32 length. Walked for the text of WordArt and for
// the text boxes' anchors, inner margins and borders.
#include "pubengine/bytes.h"

#include <functional>
#include <vector>

namespace vantrelle::pubengine {

struct EscherRecord {
    std::uint16_t type = 0;
    std::uint16_t instance = 0;
    bool container = false;
    ByteView body;
};

// Calls visit for every record in stream order, descending into a container
// unless visit returns false for it. A stream that cannot be read to its end
// is walked up to the damage.
void walkDrawing(ByteView drawing, const std::function<bool(const EscherRecord &)> &visit);
// The same over the body of one container.
void walkContainer(ByteView body, const std::function<bool(const EscherRecord &)> &visit);

// One entry of a shape's option table; complex entries carry their data.
struct EscherOption {
    std::uint16_t id = 0; // without the complex and blip bits
    std::uint32_t value = 0;
    bool complex = false;
    ByteView data;
};
std::vector<EscherOption> escherOptions(const EscherRecord &options);

inline constexpr std::uint16_t kEscherShape = 0xF004;
inline constexpr std::uint16_t kEscherOptions = 0xF00B;
inline constexpr std::uint16_t kEscherSecondaryOptions = 0xF121;
inline constexpr std::uint16_t kEscherTertiaryOptions = 0xF122;

} // namespace vantrelle::pubengine
