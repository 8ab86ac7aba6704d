#include "pubengine/storylayout.h"

#include "pubengine/enginetext.h"
#include "pubengine/escher.h"
#include "pubengine/properties.h"
#include "pubengine/publication.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

namespace vantrelle::pubengine {

namespace {

constexpr double kEmuPerPoint = 12700;
constexpr std::int64_t kDefaultInset = 36576; // 0.04 in
constexpr std::int64_t kDefaultLineWidth = 9525;
// Two sizes of one box read from different places agree within this.
constexpr std::int64_t kSizeTolerance = kEmuPerPoint / 2;
constexpr std::uint16_t kContentsMagic = 0xACE8;
constexpr std::uint16_t kContentsModern = 0x2C; // Publisher 2002 and later

double points(std::int64_t emu)
{
    return double(emu) / kEmuPerPoint;
}

std::optional<std::uint32_t> number(const PropertyRecord &r, std::uint8_t id)
{
    const Property *p = r.find(id);
    if (!p)
        return std::nullopt;
    if (p->data.size() == 4)
        return readU32(p->data, 0);
    if (p->data.size() == 2)
        return readU16(p->data, 0);
    return std::nullopt;
}

// A boolean shows its value in bit 3 of its type and has no data.
std::optional<bool> flag(const PropertyRecord &r, std::uint8_t id)
{
    const Property *p = r.find(id);
    if (!p || !p->data.empty())
        return std::nullopt;
    return (p->type & 0x08) != 0;
}

// A container property holds a record of the same encoding.
std::optional<PropertyRecord> nested(const PropertyRecord &r, std::uint8_t id)
{
    const Property *p = r.find(id);
    if (!p || !isVariablePropertyType(p->type))
        return std::nullopt;
    return parsePropertyRecord(p->data, 0, nullptr);
}

PropertyRecord recordAt(ByteView data, std::size_t offset)
{
    return parsePropertyRecord(data, offset, nullptr);
}

// ---- the boxes ----

// One box's geometry as the file keeps it, in EMU.
struct Frame {
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t margins[4] = {kDefaultInset, kDefaultInset, kDefaultInset, kDefaultInset};
    int columns = 1;
    std::optional<std::int64_t> gap;
    bool mayShrink = false;
};

std::int64_t signedValue(std::uint32_t v)
{
    return static_cast<std::int32_t>(v);
}

// The layout cache of the text stream: per story, its boxes in chain order.
// nullopt when the stream has none; throws FormatError when it is damaged.
std::optional<std::vector<std::vector<Frame>>> cachedFrames(const QuillStream &q)
{
    const int index = q.chunkFile().find(ChunkKind::LayoutCache);
    if (index < 0)
        return std::nullopt;
    const Bytes &d = q.chunkFile().chunks()[std::size_t(index)].data;
    const std::uint32_t stories = readU32(d, 4, "the layout cache");
    if (stories > d.size() / 4)
        throw FormatError(EngineText::tr("the layout cache counts more stories than it holds"));
    std::vector<std::vector<Frame>> out;
    std::size_t p = 8 + 4 * std::size_t(stories);
    for (std::uint32_t k = 0; k < stories; ++k) {
        std::size_t used = 0;
        parsePropertyRecord(d, p, &used);
        p += used;
        const std::uint32_t boxes = readU32(d, p, "the layout cache");
        p += 4;
        if (boxes > (d.size() - p) / 4)
            throw FormatError(EngineText::tr("the layout cache counts more boxes than it holds"));
        std::vector<Frame> frames;
        for (std::uint32_t b = 0; b < boxes; ++b) {
            const PropertyRecord r = parsePropertyRecord(d, p, &used);
            p += used;
            const auto width = number(r, 4);
            const auto height = number(r, 5);
            if (!width || !height)
                throw FormatError(EngineText::tr("a box of the layout cache has no size"));
            Frame f;
            f.width = signedValue(*width);
            f.height = signedValue(*height);
            for (int m = 0; m < 4; ++m) {
                if (const auto v = number(r, std::uint8_t(6 + m)))
                    f.margins[m] = signedValue(*v);
            }
            if (const auto c = number(r, 0x15))
                f.columns = int(std::clamp<std::uint32_t>(*c, 1, 64));
            // Seen set on a headline whose text looked shrunk to fit: a lead only.
            f.mayShrink = number(r, 0x18).value_or(0) != 0;
            frames.push_back(f);
        }
        out.push_back(std::move(frames));
    }
    return out;
}

// A shape of `Contents` that holds text, with what the drawing adds to it.
struct Shape {
    std::uint32_t seq = 0;
    std::uint32_t textId = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t chainIndex = 0;
    int page = 0;
    bool table = false;
    // From the drawing, when it names this shape.
    bool drawn = false;
    std::int64_t margins[4] = {kDefaultInset, kDefaultInset, kDefaultInset, kDefaultInset};
    std::int64_t border = 0;
    int columns = 1;
    std::optional<std::int64_t> gap;
    bool anchored = false;
    std::int64_t left = 0; // EMU from the page's centre
    std::int64_t top = 0;
};

struct Shapes {
    // False for the layout of Publisher 98 and 2000, whose shapes are not read.
    bool known = false;
    std::vector<Shape> list;
    std::int64_t pageWidth = 0;
    std::int64_t pageHeight = 0;
};

constexpr std::uint16_t kChunkShape = 0x01;
constexpr std::uint16_t kChunkTable = 0x10;
constexpr std::uint16_t kChunkPage = 0x43;
constexpr std::uint16_t kChunkDocument = 0x44;

// Sequence numbers the publishing program gives pages of its own that are
// never printed.
bool reservedPage(std::uint32_t seq)
{
    return seq == 0x10D || seq == 0x110 || seq == 0x113 || seq == 0x117;
}

// The shapes of `Contents` that hold text, each with the page it is on.
// Throws FormatError when the stream is damaged.
Shapes contentsShapes(ByteView c)
{
    Shapes out;
    if (readU16(c, 0, "the contents") != kContentsMagic)
        throw FormatError(EngineText::tr("the contents have an unknown layout"));
    if (readU16(c, 2, "the contents") != kContentsModern)
        return out;
    out.known = true;
    const PropertyRecord trailer = recordAt(c, readU32(c, 0x1A, "the contents"));
    std::optional<PropertyRecord> directory;
    for (const Property &p : trailer.properties) {
        if (p.type == 0x90)
            directory = parsePropertyRecord(p.data, 0, nullptr);
    }
    if (!directory)
        throw FormatError(EngineText::tr("the contents have no directory"));
    struct Ref {
        std::uint16_t type = 0;
        std::uint32_t offset = 0;
        std::uint32_t parent = 0;
    };
    // Every slot counts, empty ones too: the sequence number is the slot.
    std::vector<std::optional<Ref>> refs;
    for (const Property &p : directory->properties) {
        std::optional<Ref> ref;
        if (p.type == 0x88) {
            const PropertyRecord r = parsePropertyRecord(p.data, 0, nullptr);
            const auto type = number(r, 2);
            const auto offset = number(r, 4);
            if (type && offset)
                ref = Ref{std::uint16_t(*type), *offset, number(r, 5).value_or(0)};
        }
        refs.push_back(ref);
    }
    // A master page (its own name set, property 0x0E) is never printed: the
    // document's pages are counted without it.
    const auto masterPage = [&](std::uint32_t seq) {
        if (seq >= refs.size() || !refs[seq] || refs[seq]->type != kChunkPage)
            return false;
        const PropertyRecord page = recordAt(c, refs[seq]->offset);
        const Property *name = page.find(0x0E);
        // A variable value starts with its own length.
        return name && std::any_of(name->data.begin() + (name->data.size() >= 4 ? 4 : 0),
                                   name->data.end(), [](std::uint8_t b) { return b != 0; });
    };
    std::map<std::uint32_t, int> pageNumbers;
    for (const std::optional<Ref> &ref : refs) {
        if (!ref || ref->type != kChunkDocument)
            continue;
        const PropertyRecord doc = recordAt(c, ref->offset);
        if (const auto pages = nested(doc, 2)) {
            int n = 0;
            for (const Property &p : pages->properties) {
                const auto page = p.id == 0 && p.data.size() == 4 ? readU32(p.data, 0) : 0;
                if (page && !reservedPage(page) && !masterPage(page))
                    pageNumbers[page] = ++n;
            }
        }
        if (const auto size = nested(doc, 0x12)) {
            out.pageWidth = signedValue(number(*size, 1).value_or(0));
            out.pageHeight = signedValue(number(*size, 2).value_or(0));
        }
        break;
    }
    for (std::uint32_t seq = 0; seq < refs.size(); ++seq) {
        if (!refs[seq] || (refs[seq]->type != kChunkShape && refs[seq]->type != kChunkTable))
            continue;
        const bool table = refs[seq]->type == kChunkTable;
        const PropertyRecord r = recordAt(c, refs[seq]->offset);
        const auto textId = number(r, 0x27);
        if (!textId)
            continue;
        Shape s;
        s.seq = seq;
        s.textId = *textId;
        s.table = table;
        s.width = signedValue(number(r, table ? 0x68 : 0xAA).value_or(0));
        s.height = signedValue(number(r, table ? 0x69 : 0xAB).value_or(0));
        s.chainIndex = number(r, 0x28).value_or(0);
        // Up through groups to the page.
        std::uint32_t at = refs[seq]->parent;
        for (int step = 0; step < 16 && at < refs.size() && refs[at]; ++step) {
            if (refs[at]->type == kChunkPage) {
                const auto it = pageNumbers.find(at);
                s.page = it == pageNumbers.end() ? 0 : it->second;
                break;
            }
            at = refs[at]->parent;
        }
        out.list.push_back(s);
    }
    return out;
}

constexpr std::uint16_t kClientAnchor = 0xF010;
constexpr std::uint16_t kClientData = 0xF011;
constexpr std::uint16_t kLineOn = 1 << 3;

// Adds what the drawing says of each shape: inner margins, columns, border
// and place on the page. The drawing's client data names the shape's
// sequence number in `Contents`.
void addDrawing(ByteView drawing, std::vector<Shape> &shapes)
{
    std::map<std::uint32_t, Shape *> bySeq;
    for (Shape &s : shapes)
        bySeq[s.seq] = &s;
    walkDrawing(drawing, [&](const EscherRecord &shape) {
        if (shape.type != kEscherShape)
            return true;
        std::map<std::uint16_t, std::uint32_t> options;
        std::optional<PropertyRecord> data;
        std::optional<PropertyRecord> anchor;
        walkContainer(shape.body, [&](const EscherRecord &r) {
            if (r.type == kEscherOptions || r.type == kEscherTertiaryOptions) {
                for (const EscherOption &o : escherOptions(r)) {
                    if (!o.complex)
                        options[o.id] = o.value;
                }
            } else if (r.type == kClientData || r.type == kClientAnchor) {
                try {
                    (r.type == kClientData ? data : anchor) = recordAt(r.body, 0);
                } catch (const FormatError &) {
                    // Not this shape's record: it says nothing about the box.
                }
            }
            return false;
        });
        const auto seq = data ? number(*data, 1) : std::nullopt;
        const auto it = seq ? bySeq.find(*seq) : bySeq.end();
        if (it == bySeq.end())
            return false;
        Shape &s = *it->second;
        s.drawn = true;
        auto option = [&options](std::uint16_t id) -> std::optional<std::uint32_t> {
            const auto o = options.find(id);
            return o == options.end() ? std::nullopt : std::optional(o->second);
        };
        for (int m = 0; m < 4; ++m)
            s.margins[m] = signedValue(option(std::uint16_t(0x81 + m)).value_or(kDefaultInset));
        s.columns = int(std::clamp<std::uint32_t>(option(0x8C).value_or(1), 1, 64));
        if (const auto gap = option(0x8D))
            s.gap = signedValue(*gap);
        if (option(0x1FF).value_or(0) & kLineOn)
            s.border = signedValue(option(0x1CB).value_or(kDefaultLineWidth));
        if (anchor) {
            const auto left = number(*anchor, 1);
            const auto top = number(*anchor, 2);
            if (left && top) {
                s.anchored = true;
                s.left = signedValue(*left);
                s.top = signedValue(*top);
            }
        }
        return false;
    });
}

TextBox boxOf(const Frame &f, const Shape *shape, const Shapes &shapes)
{
    TextBox b;
    b.width = points(f.width);
    b.height = points(f.height);
    b.marginLeft = points(f.margins[0]);
    b.marginTop = points(f.margins[1]);
    b.marginRight = points(f.margins[2]);
    b.marginBottom = points(f.margins[3]);
    b.columns = f.columns;
    if (f.gap)
        b.columnGap = points(*f.gap);
    if (shape) {
        b.page = shape->page;
        if (shape->anchored && shapes.pageWidth > 0) {
            b.placed = true;
            b.x = points(shape->left + shapes.pageWidth / 2 + shape->border);
            b.y = points(shape->top + shapes.pageHeight / 2 + shape->border);
        }
    }
    return b;
}

Frame frameOf(const Shape &s)
{
    Frame f;
    f.width = s.width - 2 * s.border;
    f.height = s.height - 2 * s.border;
    std::copy(std::begin(s.margins), std::end(s.margins), std::begin(f.margins));
    f.columns = s.columns;
    f.gap = s.gap;
    return f;
}

bool sameSize(const Frame &cached, const Shape &s)
{
    return std::abs(cached.width - (s.width - 2 * s.border)) <= kSizeTolerance &&
           std::abs(cached.height - (s.height - 2 * s.border)) <= kSizeTolerance;
}

// ---- the formatting ----

struct StyleSheet {
    std::vector<std::optional<PropertyRecord>> chars;
    std::vector<std::optional<PropertyRecord>> paras;
};

// The default styles: entries alternate character and paragraph style, each
// a u16 and a record.
StyleSheet styleSheet(const QuillStream &q)
{
    StyleSheet out;
    const ChunkFile &file = q.chunkFile();
    int seen = 0;
    for (const Chunk &c : file.chunks()) {
        if (c.kind != ChunkKind::StyleSheet || seen++ != 1)
            continue;
        const Bytes &d = c.data;
        const std::uint32_t n = readU32(d, 4, "the style sheet");
        if (n > d.size() / 4)
            throw FormatError(EngineText::tr("the style sheet counts more styles than it holds"));
        for (std::uint32_t i = 0; i < n; ++i) {
            const std::size_t at = 20 + std::size_t(readU32(d, 20 + 4 * std::size_t(i))) + 2;
            (i % 2 == 0 ? out.chars : out.paras).emplace_back(recordAt(d, at));
        }
    }
    return out;
}

std::vector<QString> fontNames(const QuillStream &q)
{
    std::vector<QString> out;
    const int index = q.chunkFile().find(ChunkKind::Fonts);
    if (index < 0)
        return out;
    const Bytes &d = q.chunkFile().chunks()[std::size_t(index)].data;
    const std::uint32_t n = readU32(d, 4, "the font table");
    if (n > d.size() / 4)
        throw FormatError(EngineText::tr("the font table counts more fonts than it holds"));
    std::size_t p = 20 + 4 * std::size_t(n);
    for (std::uint32_t i = 0; i < n; ++i) {
        const std::uint16_t length = readU16(d, p, "the font table");
        p += 2;
        requireRange(d, p, 2 * std::size_t(length) + 4, "the font table");
        QString name;
        for (std::uint16_t u = 0; u < length; ++u)
            name += QChar(readU16(d, p + 2 * std::size_t(u)));
        while (name.endsWith(QChar(0)))
            name.chop(1);
        out.push_back(name);
        p += 2 * std::size_t(length) + 4;
    }
    return out;
}

// What one record sets; unset attributes come from the style.
struct CharAttributes {
    std::optional<bool> bold, italic, allCaps, smallCaps;
    std::optional<double> size;
    std::optional<std::uint32_t> font;
    std::optional<int> scale;
    std::optional<CharFormat::Position> position;
};

std::optional<bool> both(const PropertyRecord &r, std::uint8_t a, std::uint8_t b)
{
    const auto x = flag(r, a);
    const auto y = flag(r, b);
    if (!x && !y)
        return std::nullopt;
    return x.value_or(false) && y.value_or(false);
}

CharAttributes charAttributes(const PropertyRecord &r)
{
    CharAttributes a;
    // Bold and italic are set twice (the second perhaps for other scripts);
    // a run is bold when both say so.
    a.bold = both(r, 0x02, 0x37);
    a.italic = both(r, 0x03, 0x38);
    a.smallCaps = flag(r, 0x13);
    a.allCaps = flag(r, 0x14);
    if (const auto size = number(r, 0x0C))
        a.size = points(*size);
    if (const auto scale = number(r, 0x20))
        a.scale = int(*scale);
    if (const auto pos = number(r, 0x0F)) {
        a.position = *pos == 1   ? CharFormat::Position::Superscript
                     : *pos == 2 ? CharFormat::Position::Subscript
                                 : CharFormat::Position::Normal;
    }
    // The font: the first script slot of the font container.
    if (const auto scripts = nested(r, 0x24)) {
        for (const Property &p : scripts->properties) {
            if (p.type != 0x88)
                continue;
            const PropertyRecord slot = parsePropertyRecord(p.data, 0, nullptr);
            if (!slot.properties.empty()) {
                const Bytes &v = slot.properties.front().data;
                a.font = v.size() == 2 ? readU16(v, 0) : v.size() == 4 ? readU32(v, 0) : 0;
            }
            break;
        }
    }
    return a;
}

struct ParaAttributes {
    std::optional<ParaFormat::Align> align;
    std::optional<double> lineSpacing;
    std::optional<bool> exact;
    std::optional<double> before, after, left, right, first;
    std::uint32_t style = 0;
};

ParaAttributes paraAttributes(const PropertyRecord &r)
{
    ParaAttributes a;
    if (const auto align = number(r, 0x04)) {
        switch (*align & 0xFF) {
        case 1:
            a.align = ParaFormat::Align::Right;
            break;
        case 2:
            a.align = ParaFormat::Align::Center;
            break;
        case 6:
            a.align = ParaFormat::Align::Justify;
            break;
        default:
            a.align = ParaFormat::Align::Left;
        }
    }
    // Line spacing: bit 0 marks eighths of an EMU (exact points), bit 1
    // marks lines as EMU of a 96 pt font.
    if (const auto spacing = number(r, 0x34)) {
        if (*spacing & 1) {
            a.exact = true;
            a.lineSpacing = points(*spacing - 1) / 8;
        } else if (*spacing & 2) {
            a.exact = false;
            a.lineSpacing = points(*spacing - 2) / 96;
        }
    }
    auto length = [&r](std::uint8_t id) -> std::optional<double> {
        if (const auto v = number(r, id))
            return points(signedValue(*v));
        return std::nullopt;
    };
    a.before = length(0x12);
    a.after = length(0x13);
    a.first = length(0x0C);
    a.left = length(0x0D);
    a.right = length(0x0E);
    a.style = number(r, 0x19).value_or(0);
    return a;
}

// The style sheet and font table, and how a run's record resolves against them.
class Formats {
public:
    Formats(const QuillStream &q) : m_styles(styleSheet(q)), m_fonts(fontNames(q)) {}

    // The paragraph's format and the style its characters start from.
    std::pair<ParaFormat, std::uint32_t> paragraph(const Bytes &record) const
    {
        const ParaAttributes own =
            record.empty() ? ParaAttributes{} : paraAttributes(recordAt(record, 0));
        const ParaAttributes style = styleOf(m_styles.paras, own.style, paraAttributes);
        ParaFormat f;
        f.align = own.align.value_or(style.align.value_or(ParaFormat::Align::Left));
        f.lineSpacing = own.lineSpacing.value_or(style.lineSpacing.value_or(1));
        f.exactSpacing = own.lineSpacing ? own.exact.value_or(false) : style.exact.value_or(false);
        f.spaceBefore = own.before.value_or(style.before.value_or(0));
        f.spaceAfter = own.after.value_or(style.after.value_or(0));
        f.leftIndent = own.left.value_or(style.left.value_or(0));
        f.rightIndent = own.right.value_or(style.right.value_or(0));
        f.firstLineIndent = own.first.value_or(style.first.value_or(0));
        return {f, own.style};
    }

    // Throws FormatError for a font the table does not hold.
    CharFormat character(const Bytes &record, std::uint32_t styleIndex) const
    {
        const CharAttributes own =
            record.empty() ? CharAttributes{} : charAttributes(recordAt(record, 0));
        const CharAttributes style = styleOf(m_styles.chars, styleIndex, charAttributes);
        CharFormat f;
        // A run's bold and italic switch the style's.
        f.bold = own.bold.value_or(false) != style.bold.value_or(false);
        f.italic = own.italic.value_or(false) != style.italic.value_or(false);
        f.allCaps = own.allCaps.value_or(style.allCaps.value_or(false));
        f.smallCaps = own.smallCaps.value_or(style.smallCaps.value_or(false));
        f.size = own.size.value_or(style.size.value_or(10));
        f.scale = own.scale.value_or(style.scale.value_or(100));
        f.position = own.position.value_or(style.position.value_or(CharFormat::Position::Normal));
        const std::uint32_t font = own.font.value_or(style.font.value_or(0));
        if (font >= m_fonts.size() || m_fonts[font].isEmpty())
            throw FormatError(EngineText::tr("a run names a font the font table does not hold"));
        f.font = m_fonts[font];
        // Seen in no publication yet: a value far from percent means another unit.
        if (f.scale < 10 || f.scale > 1000)
            throw FormatError(EngineText::tr("a run has a character scale of %1, which is not "
                                             "understood")
                                  .arg(f.scale));
        if (f.size <= 0 || f.size > 2000)
            throw FormatError(EngineText::tr("a run has an impossible font size"));
        return f;
    }

private:
    template <typename Attributes>
    static Attributes styleOf(const std::vector<std::optional<PropertyRecord>> &styles,
                              std::uint32_t index, Attributes (*decode)(const PropertyRecord &))
    {
        if (index < styles.size() && styles[index])
            return decode(*styles[index]);
        if (!styles.empty() && styles.front())
            return decode(*styles.front());
        return {};
    }

    StyleSheet m_styles;
    std::vector<QString> m_fonts;
};

// Appends a run clipped to the story, joining it to the one before when the
// format is the same.
template <typename Run, typename Format>
void appendRun(std::vector<Run> &runs, std::uint32_t start, std::uint32_t end, const Format &f)
{
    if (end <= start)
        return;
    if (!runs.empty() && runs.back().end == start && runs.back().format == f) {
        runs.back().end = end;
        return;
    }
    runs.push_back(Run{start, end, f});
}

struct Runs {
    std::vector<TextRun> paragraphs;
    std::vector<TextRun> characters;
};

void readFormatting(const QuillStream &q, const Runs &runs, const Formats &formats, std::size_t k,
                    StoryLayout &out)
{
    const std::uint32_t begin = q.storyStart(k);
    const std::uint32_t end = begin + q.storyLength(k);
    // Character runs take their style from the paragraph they are in.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> paraStyles; // end, style
    for (const TextRun &p : runs.paragraphs) {
        if (p.end <= begin || p.start >= end)
            continue;
        const auto [format, style] = formats.paragraph(p.record);
        appendRun(out.paras, std::max(p.start, begin) - begin, std::min(p.end, end) - begin,
                  format);
        paraStyles.emplace_back(std::min(p.end, end) - begin, style);
    }
    for (const TextRun &c : runs.characters) {
        if (c.end <= begin || c.start >= end)
            continue;
        std::uint32_t at = std::max(c.start, begin) - begin;
        const std::uint32_t stop = std::min(c.end, end) - begin;
        // Split where the paragraph, and so the style, changes.
        for (const auto &[paraEnd, style] : paraStyles) {
            if (paraEnd <= at)
                continue;
            const std::uint32_t piece = std::min(paraEnd, stop);
            appendRun(out.chars, at, piece, formats.character(c.record, style));
            at = piece;
            if (at >= stop)
                break;
        }
        if (at < stop)
            appendRun(out.chars, at, stop, formats.character(c.record, 0));
    }
    const std::uint32_t length = end - begin;
    if (out.chars.empty() || out.chars.front().start != 0 || out.chars.back().end != length ||
        out.paras.empty() || out.paras.front().start != 0 || out.paras.back().end != length)
        throw FormatError(EngineText::tr("the story's formatting does not cover its text"));
}

QString reasonOf(const std::exception &e)
{
    return QString::fromUtf8(e.what());
}

} // namespace

std::vector<StoryLayout> storyLayouts(const Publication &publication)
{
    std::vector<StoryLayout> out(publication.storyCount());
    for (std::size_t k = 0; k < out.size(); ++k)
        out[k].story = k;
    auto allUnreadable = [&out](const QString &reason) {
        for (StoryLayout &s : out) {
            if (s.unreadable.isEmpty())
                s.unreadable = reason;
        }
    };
    if (publication.olderFormat()) {
        allUnreadable(EngineText::tr("the text boxes of Publisher 95 and 97 publications are "
                                     "not read"));
        return out;
    }
    const QuillStream &q = publication.quill();

    std::optional<Formats> formats;
    try {
        formats.emplace(q);
    } catch (const std::exception &e) {
        allUnreadable(EngineText::tr("its formatting cannot be read (%1)").arg(reasonOf(e)));
    }
    const Runs runs{q.paragraphs(), q.characterRuns()};
    for (StoryLayout &s : out) {
        if (!formats)
            break;
        try {
            readFormatting(q, runs, *formats, s.story, s);
        } catch (const std::exception &e) {
            s.chars.clear();
            s.paras.clear();
            s.unreadable = EngineText::tr("its formatting cannot be read (%1)").arg(reasonOf(e));
        }
    }

    std::optional<std::vector<std::vector<Frame>>> cached;
    QString cacheProblem;
    try {
        cached = cachedFrames(q);
        if (cached && cached->size() != out.size()) {
            cached.reset();
            cacheProblem = EngineText::tr("the layout cache does not match the stories");
        }
    } catch (const std::exception &e) {
        cacheProblem = reasonOf(e);
    }
    Shapes shapes;
    QString shapeProblem;
    try {
        if (const std::optional<Bytes> contents = publication.stream({"Contents"}))
            shapes = contentsShapes(*contents);
        if (const std::optional<Bytes> drawing = publication.stream({"Escher", "EscherStm"}))
            addDrawing(*drawing, shapes.list);
    } catch (const std::exception &e) {
        shapes = {};
        shapeProblem = reasonOf(e);
    }

    // A damaged cache is damage: the shapes would be a guess at what it held.
    if (!cacheProblem.isEmpty()) {
        allUnreadable(EngineText::tr("its text boxes cannot be read (%1)").arg(cacheProblem));
        return out;
    }
    const std::vector<std::uint32_t> &ids = q.storyIds();
    for (StoryLayout &s : out) {
        std::vector<const Shape *> mine;
        if (s.story < ids.size()) {
            for (const Shape &shape : shapes.list) {
                if (shape.textId == ids[s.story])
                    mine.push_back(&shape);
            }
        }
        std::stable_sort(mine.begin(), mine.end(), [](const Shape *a, const Shape *b) {
            return a->chainIndex < b->chainIndex;
        });
        const bool table =
            !q.cellEnds(s.story).empty() ||
            std::any_of(mine.begin(), mine.end(), [](const Shape *x) { return x->table; });
        if (table) {
            s.uncertain = true;
            s.uncertainReason = EngineText::tr("the story is a table");
        }
        if (cached) {
            const std::vector<Frame> &frames = (*cached)[s.story];
            // A table keeps one frame per cell, its shape one for all.
            const bool comparable = shapes.known && !table;
            const bool agree =
                !comparable ||
                (mine.size() == frames.size() &&
                 std::equal(frames.begin(), frames.end(), mine.begin(),
                            [](const Frame &f, const Shape *x) { return sameSize(f, *x); }));
            for (std::size_t b = 0; b < frames.size(); ++b) {
                const Shape *shape = b < mine.size() && !table ? mine[b] : nullptr;
                Frame f = frames[b];
                if (!f.gap && shape)
                    f.gap = shape->gap;
                s.boxes.push_back(boxOf(f, shape, shapes));
                if (table && !mine.empty())
                    s.boxes.back().page = mine.front()->page;
                if (f.mayShrink && !s.uncertain) {
                    s.uncertain = true;
                    s.uncertainReason = EngineText::tr("the box may shrink its text to fit");
                }
                if (f.columns > 1 && !f.gap && !s.uncertain) {
                    s.uncertain = true;
                    s.uncertainReason = EngineText::tr("the gap between its columns is not known");
                }
            }
            if (!agree && !s.uncertain) {
                s.uncertain = true;
                s.uncertainReason =
                    EngineText::tr("its boxes are stored differently in two places of the file");
            }
            if (!shapeProblem.isEmpty() && !s.uncertain) {
                s.uncertain = true;
                s.uncertainReason =
                    EngineText::tr("its boxes cannot be checked against its shapes (%1)")
                        .arg(shapeProblem);
            }
        } else {
            for (const Shape *shape : mine)
                s.boxes.push_back(boxOf(frameOf(*shape), shape, shapes));
        }
        if (s.boxes.empty() && s.unreadable.isEmpty()) {
            if (!shapeProblem.isEmpty())
                s.unreadable =
                    EngineText::tr("its text boxes cannot be read (%1)").arg(shapeProblem);
            else
                s.unreadable = EngineText::tr("no text box of it was found");
        }
        for (const TextBox &b : s.boxes) {
            if (s.unreadable.isEmpty() &&
                (b.width <= 0 || b.height <= 0 || b.marginLeft + b.marginRight >= b.width ||
                 b.marginTop + b.marginBottom >= b.height))
                s.unreadable = EngineText::tr("a text box of it has no room for text");
        }
    }
    return out;
}

} // namespace vantrelle::pubengine
