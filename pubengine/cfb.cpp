#include "pubengine/cfb.h"

#include "pubengine/enginetext.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace vantrelle::pubengine::cfb {

namespace {

constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
constexpr std::uint32_t kFreeSector = 0xFFFFFFFF;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kDifatSector = 0xFFFFFFFC;
constexpr std::uint32_t kMiniCutoff = 4096;
constexpr std::size_t kEntrySize = 128;
constexpr std::size_t kHeaderDifat = 109;
constexpr std::size_t kMiniSector = 64;

// Fields of a directory entry.
constexpr std::size_t kNameLength = 0x40;
constexpr std::size_t kType = 0x42;
constexpr std::size_t kColour = 0x43;
constexpr std::size_t kLeft = 0x44;
constexpr std::size_t kRight = 0x48;
constexpr std::size_t kChild = 0x4C;
constexpr std::size_t kClassId = 0x50;
constexpr std::size_t kTimesEnd = 0x74;
constexpr std::size_t kStart = 0x74;
constexpr std::size_t kSize = 0x78;

constexpr std::uint8_t kTypeStorage = 1;
constexpr std::uint8_t kTypeStream = 2;
constexpr std::uint8_t kTypeProperty = 4;
constexpr std::uint8_t kTypeRoot = 5;
constexpr std::uint8_t kBlack = 1;

// What is damaged, a translated sentence of its own after the colon.
[[noreturn]] void damaged(const QString &what)
{
    throw FormatError(
        QCoreApplication::translate("vantrelle::pubengine::EngineText", "the file is damaged: %1")
            .arg(what));
}

QString cutShort(const QString &what)
{
    return EngineText::tr("%1 runs past the end of the file; it was probably cut short while "
                          "being copied or saved")
        .arg(what);
}

QString shorterThanDeclared(const QString &what)
{
    return EngineText::tr("%1 is shorter than declared; the file was probably cut short").arg(what);
}

// Which chain holds each sector, so that a loop or two chains sharing a
// sector is caught: either would have a part read from another's bytes.
struct Claims {
    std::vector<std::uint32_t> by; // by sector: 1 + the chain's number, 0 when free
    std::vector<QString> names;

    explicit Claims(std::size_t sectors) : by(sectors, 0) {}

    std::uint32_t open(const QString &what)
    {
        names.push_back(what);
        return static_cast<std::uint32_t>(names.size());
    }
    void take(std::uint32_t sector, std::uint32_t chain)
    {
        const std::uint32_t holder = by[sector];
        if (holder == chain)
            damaged(EngineText::tr("%1 loops back on itself").arg(names[chain - 1]));
        if (holder != 0)
            damaged(EngineText::tr("%1 shares its place in the file with %2")
                        .arg(names[chain - 1], names[holder - 1]));
        by[sector] = chain;
    }
};

struct Reader {
    ByteView file;
    std::uint32_t shift = 9;
    std::size_t sectorSize = 512;
    // Sectors after the header, a short last one included: some writers do
    // not pad the file's end, and what a part needs of that sector is checked.
    std::size_t present = 0;
    std::vector<std::uint32_t> fat;

    std::size_t offsetOf(std::uint32_t sector) const { return (std::size_t(sector) + 1) << shift; }

    // A whole chain, to its end mark; every sector in the file (or in the
    // store of small parts) and held by no other chain.
    static std::vector<std::uint32_t> chain(std::uint32_t start,
                                            const std::vector<std::uint32_t> &table,
                                            std::size_t available, Claims &claims,
                                            const QString &what)
    {
        const std::uint32_t id = claims.open(what);
        std::vector<std::uint32_t> out;
        while (start != kEndOfChain) {
            if (start >= kDifatSector)
                damaged(EngineText::tr("%1 breaks off without its end mark").arg(what));
            if (start >= table.size() || start >= available)
                damaged(cutShort(what));
            claims.take(start, id);
            out.push_back(start);
            start = table[start];
        }
        return out;
    }

    // The first size bytes of a chain's sectors; each byte must be in the file.
    Bytes gather(const std::vector<std::uint32_t> &sectors, std::size_t size,
                 const QString &what) const
    {
        if (size > sectors.size() * sectorSize)
            damaged(shorterThanDeclared(what));
        Bytes out(size);
        // Chains mostly run through consecutive sectors: one copy a run.
        for (std::size_t k = 0, end = 0; k * sectorSize < size; k = end) {
            for (end = k + 1; end < sectors.size() && sectors[end] == sectors[end - 1] + 1;)
                ++end;
            const std::size_t bytes = std::min(size, end * sectorSize) - k * sectorSize;
            const std::size_t from = offsetOf(sectors[k]);
            if (from + bytes > file.size())
                damaged(cutShort(what));
            std::memcpy(out.data() + k * sectorSize, file.data() + from, bytes);
        }
        return out;
    }

    std::vector<std::uint32_t> table(const Bytes &bytes) const
    {
        std::vector<std::uint32_t> out(bytes.size() / 4);
        for (std::size_t i = 0; i < out.size(); ++i)
            out[i] = readU32(bytes, 4 * i);
        return out;
    }
};

std::uint32_t entryU32(const Entry &e, std::size_t at)
{
    return readU32(e.raw, at);
}

std::string visibleName(const std::array<std::uint8_t, 128> &raw)
{
    const std::uint16_t length = readU16(raw, kNameLength);
    if (length == 0 || length > 64)
        return {};
    QString name;
    for (std::size_t i = 0; i + 1 < length; i += 2) {
        const char16_t unit = static_cast<char16_t>(readU16(raw, i));
        if (unit == 0)
            break;
        name += QChar(unit);
    }
    return name.toStdString();
}

// The order the format keeps a storage's entries in: shorter names first,
// then unit by unit, upper-cased.
bool nameLess(const std::array<std::uint8_t, 128> &a, const std::array<std::uint8_t, 128> &b)
{
    const std::uint16_t la = readU16(a, kNameLength);
    const std::uint16_t lb = readU16(b, kNameLength);
    if (la != lb)
        return la < lb;
    for (std::size_t i = 0; i + 1 < std::min<std::size_t>(la, 64); i += 2) {
        const char16_t ua = QChar(char16_t(readU16(a, i))).toUpper().unicode();
        const char16_t ub = QChar(char16_t(readU16(b, i))).toUpper().unicode();
        if (ua != ub)
            return ua < ub;
    }
    return false;
}

// Walks a and b side by side, pairing entries by stored name and kind.
void compareTrees(const Directory &a, std::size_t ia, const Directory &b, std::size_t ib,
                  const std::vector<std::vector<std::string>> &except, std::vector<std::string> &at,
                  std::vector<std::string> &out)
{
    const auto pathOf = [&at] {
        std::string path;
        for (const std::string &name : at)
            path += (path.empty() ? "" : "/") + name;
        return path;
    };
    const auto &kidsB = b.entries[ib].children;
    for (std::size_t x : a.entries[ia].children) {
        const Entry &c = a.entries[x];
        at.push_back(c.name);
        const auto it = std::find_if(kidsB.begin(), kidsB.end(), [&](std::size_t y) {
            const Entry &d = b.entries[y];
            return d.storage == c.storage &&
                   std::equal(c.raw.begin(), c.raw.begin() + kType, d.raw.begin());
        });
        const Entry *d = it == kidsB.end() ? nullptr : &b.entries[*it];
        const bool same = d &&
                          std::equal(c.raw.begin() + kClassId, c.raw.begin() + kTimesEnd,
                                     d->raw.begin() + kClassId) &&
                          (c.storage || c.data == d->data ||
                           std::find(except.begin(), except.end(), at) != except.end());
        if (!same)
            out.push_back(pathOf());
        else if (c.storage)
            compareTrees(a, x, b, *it, except, at, out);
        at.pop_back();
    }
    if (a.entries[ia].children.size() != kidsB.size())
        out.push_back(pathOf() + (at.empty() ? "*" : "/*"));
}

} // namespace

Directory read(ByteView file)
{
    if (file.size() < 512 || std::memcmp(file.data(), kSignature, sizeof kSignature) != 0)
        throw FormatError(EngineText::tr("it is not a publication (it lacks the container every "
                                         "publication is stored in)"));
    Reader r;
    r.file = file;
    r.shift = readU16(file, 0x1E);
    if (r.shift != 9 && r.shift != 12)
        damaged(EngineText::tr("its header names an impossible sector size"));
    r.sectorSize = std::size_t(1) << r.shift;
    r.present = file.size() > r.sectorSize ? (file.size() - 1) / r.sectorSize : 0;
    if (readU16(file, 0x20) != 6)
        damaged(EngineText::tr("its header names an impossible mini-sector size"));
    Claims claims(r.present);

    // The allocation table's own sectors: 109 in the header, the rest in a
    // chain of extension sectors.
    const std::uint32_t fatSectors = readU32(file, 0x2C);
    if (fatSectors > r.present)
        damaged(EngineText::tr("its header claims more allocation sectors than the file holds"));
    std::vector<std::uint32_t> fatList;
    for (std::size_t i = 0; i < std::min<std::size_t>(fatSectors, kHeaderDifat); ++i)
        fatList.push_back(readU32(file, 0x4C + 4 * i));
    const std::uint32_t difatChain = claims.open("its allocation table's extension");
    std::uint32_t difat = readU32(file, 0x44);
    while (fatList.size() < fatSectors) {
        if (difat >= r.present)
            damaged(cutShort(EngineText::tr("its allocation table")));
        claims.take(difat, difatChain);
        const std::size_t at = r.offsetOf(difat);
        const std::size_t perSector = r.sectorSize / 4 - 1;
        if (at + r.sectorSize > file.size())
            damaged(cutShort(EngineText::tr("its allocation table")));
        for (std::size_t i = 0; i < perSector && fatList.size() < fatSectors; ++i)
            fatList.push_back(readU32(file, at + 4 * i));
        difat = readU32(file, at + 4 * perSector);
    }
    const std::uint32_t fatChain = claims.open("its allocation table");
    for (std::uint32_t s : fatList) {
        if (s >= r.present)
            damaged(cutShort(EngineText::tr("its allocation table")));
        claims.take(s, fatChain);
    }
    r.fat = r.table(
        r.gather(fatList, fatList.size() * r.sectorSize, EngineText::tr("its allocation table")));

    Directory dir;
    const std::vector<std::uint32_t> dirSectors =
        r.chain(readU32(file, 0x30), r.fat, r.present, claims, EngineText::tr("its directory"));
    for (std::uint32_t s : dirSectors) {
        for (std::size_t k = 0; k < r.sectorSize / kEntrySize; ++k)
            dir.slotOffsets.push_back(r.offsetOf(s) + k * kEntrySize);
    }
    auto slot = [&](std::uint32_t n) {
        if (n >= dir.slotOffsets.size() || dir.slotOffsets[n] + kEntrySize > file.size())
            damaged(EngineText::tr("its directory points at an entry it does not hold"));
        Entry e;
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(dir.slotOffsets[n]), kEntrySize,
                    e.raw.begin());
        return e;
    };
    Entry root = slot(0);
    if (root.raw[kType] != kTypeRoot)
        damaged(EngineText::tr("its directory does not start with the root entry"));
    root.storage = true;
    dir.entries.push_back(root);
    dir.entrySlots.push_back(0);

    // Storages, then each storage's entries in tree order (left, self, right).
    std::vector<bool> visited(dir.slotOffsets.size(), false);
    visited[0] = true;
    for (std::size_t parent = 0; parent < dir.entries.size(); ++parent) {
        if (!dir.entries[parent].storage)
            continue;
        std::vector<std::uint32_t> stack;
        std::uint32_t at = entryU32(dir.entries[parent], kChild);
        while (at != kNoStream || !stack.empty()) {
            while (at != kNoStream) {
                if (at >= visited.size() || visited[at])
                    damaged(EngineText::tr(
                        "its directory points at an entry twice or at one it does not hold"));
                visited[at] = true;
                stack.push_back(at);
                at = entryU32(slot(at), kLeft);
            }
            const std::uint32_t n = stack.back();
            stack.pop_back();
            Entry e = slot(n);
            // Kinds 3 and 4 are kept as they are, their bytes read like a
            // stream's; only an empty or unheard-of kind is damage.
            const std::uint8_t type = e.raw[kType];
            if (type == 0 || type > kTypeProperty)
                damaged(EngineText::tr("its directory holds an entry of an unknown kind"));
            e.storage = type == kTypeStorage;
            // A stream's child field means nothing to any reader: not
            // followed, and written as none.
            e.name = visibleName(e.raw);
            at = entryU32(e, kRight);
            dir.entries[parent].children.push_back(dir.entries.size());
            dir.entries.push_back(std::move(e));
            dir.entrySlots.push_back(n);
        }
    }

    // The store of small parts and its table. The store's size is taken as
    // stored: a small part's bytes must lie within it and within the file.
    const std::uint32_t cutoff = readU32(file, 0x38);
    Entry &rootEntry = dir.entries.front();
    const std::uint64_t miniSize = entryU32(rootEntry, kSize);
    // Without small parts the root's start is not always an end mark.
    const std::vector<std::uint32_t> miniSectors =
        miniSize == 0 ? std::vector<std::uint32_t>{}
                      : r.chain(entryU32(rootEntry, kStart), r.fat, r.present, claims,
                                EngineText::tr("its store of small parts"));
    if (miniSectors.size() * r.sectorSize < miniSize)
        damaged(EngineText::tr("its store of small parts is shorter than declared"));
    std::size_t miniPresent = static_cast<std::size_t>(miniSize);
    for (std::size_t k = 0; k < miniSectors.size(); ++k) {
        const std::size_t from = r.offsetOf(miniSectors[k]);
        if (from + r.sectorSize > file.size())
            miniPresent = std::min(miniPresent,
                                   k * r.sectorSize + (file.size() - std::min(file.size(), from)));
    }
    const std::uint32_t miniFatStart = readU32(file, 0x3C);
    std::vector<std::uint32_t> miniFat;
    if (miniFatStart != kEndOfChain && miniFatStart != kNoStream) {
        const std::vector<std::uint32_t> sectors = r.chain(
            miniFatStart, r.fat, r.present, claims, EngineText::tr("its table of small parts"));
        miniFat = r.table(r.gather(sectors, sectors.size() * r.sectorSize,
                                   EngineText::tr("its table of small parts")));
    }
    Bytes miniStream;
    Claims miniClaims((miniSize + kMiniSector - 1) / kMiniSector);

    // Every stream's data must be in the file in full.
    std::uint64_t total = 0;
    for (std::size_t i = 1; i < dir.entries.size(); ++i) {
        Entry &e = dir.entries[i];
        if (e.storage)
            continue;
        // Version 3 files keep only 32 bits of a stream's size.
        e.size = r.shift == 9
                     ? entryU32(e, kSize)
                     : readU32(e.raw, kSize) | std::uint64_t(readU32(e.raw, kSize + 4)) << 32;
        total += e.size;
        if (total > file.size())
            damaged(EngineText::tr("its parts claim more data than the file holds"));
        if (e.size == 0)
            continue;
        const QString what = EngineText::tr("its part \"%1\"").arg(QString::fromStdString(e.name));
        const auto size = static_cast<std::size_t>(e.size);
        if (e.size >= cutoff) {
            e.data =
                r.gather(r.chain(entryU32(e, kStart), r.fat, r.present, claims, what), size, what);
            continue;
        }
        const std::vector<std::uint32_t> sectors =
            Reader::chain(entryU32(e, kStart), miniFat, miniClaims.by.size(), miniClaims, what);
        if (sectors.size() * kMiniSector < e.size)
            damaged(shorterThanDeclared(what));
        if (miniStream.empty())
            miniStream =
                r.gather(miniSectors, miniPresent, EngineText::tr("its store of small parts"));
        e.data.resize(size);
        for (std::size_t k = 0; k * kMiniSector < size; ++k) {
            const std::size_t bytes = std::min(kMiniSector, size - k * kMiniSector);
            const std::size_t from = std::size_t(sectors[k]) * kMiniSector;
            if (from + bytes > miniPresent)
                damaged(cutShort(what));
            std::memcpy(e.data.data() + k * kMiniSector, miniStream.data() + from, bytes);
        }
    }
    return dir;
}

std::vector<std::string> differences(const Directory &a, const Directory &b,
                                     const std::vector<std::vector<std::string>> &except)
{
    std::vector<std::string> out;
    const auto &ra = a.entries[0].raw;
    if (!std::equal(ra.begin() + kClassId, ra.begin() + kTimesEnd,
                    b.entries[0].raw.begin() + kClassId))
        out.emplace_back("Root Entry");
    std::vector<std::string> at;
    compareTrees(a, 0, b, 0, except, at, out);
    return out;
}

void setName(std::array<std::uint8_t, 128> &raw, const std::u16string &name)
{
    if (name.size() > 31)
        throw Failure(EngineText::tr("the part name \"%1\" is too long for a compound file")
                          .arg(QString::fromStdU16String(name)));
    std::fill_n(raw.begin(), kNameLength + 2, 0);
    for (std::size_t i = 0; i < name.size(); ++i) {
        raw[2 * i] = static_cast<std::uint8_t>(name[i]);
        raw[2 * i + 1] = static_cast<std::uint8_t>(name[i] >> 8);
    }
    const auto length = static_cast<std::uint16_t>(2 * (name.size() + 1));
    raw[kNameLength] = static_cast<std::uint8_t>(length);
    raw[kNameLength + 1] = static_cast<std::uint8_t>(length >> 8);
}

namespace {

// One version 3 file: a header, then the directory, the table of small
// parts, the store of small parts, each large stream, the allocation table
// and its extension, each run of sectors in one piece.
class Layout {
public:
    explicit Layout(const Node &root)
    {
        m_nodes.push_back(&root);
        for (std::size_t i = 0; i < m_nodes.size(); ++i) {
            const Node &node = *m_nodes[i];
            if (!node.storage)
                continue;
            std::vector<const Node *> kids;
            for (const Node &c : node.children)
                kids.push_back(&c);
            std::stable_sort(kids.begin(), kids.end(),
                             [](const Node *a, const Node *b) { return nameLess(a->raw, b->raw); });
            for (std::size_t k = 1; k < kids.size(); ++k)
                if (!nameLess(kids[k - 1]->raw, kids[k]->raw))
                    throw Failure(EngineText::tr("two parts of one folder have the same name"));
            m_firstKid.resize(m_nodes.size(), kNoStream);
            m_right.resize(m_nodes.size(), kNoStream);
            for (const Node *k : kids) {
                const auto slot = static_cast<std::uint32_t>(m_nodes.size());
                if (m_firstKid[i] == kNoStream)
                    m_firstKid[i] = slot;
                else
                    m_right.back() = slot;
                m_nodes.push_back(k);
                m_right.push_back(kNoStream);
            }
        }
        m_firstKid.resize(m_nodes.size(), kNoStream);
        m_right.resize(m_nodes.size(), kNoStream);
        if (m_nodes.size() >= kNoStream / 2)
            throw Failure(EngineText::tr("the compound file would hold too many parts"));
    }

    Bytes write() const
    {
        // Where each stream's data goes: the store of small parts by 64-byte
        // sectors, or sectors of its own.
        std::vector<std::uint32_t> start(m_nodes.size(), kEndOfChain);
        std::uint64_t miniSectors = 0;
        std::uint64_t bigSectors = 0;
        for (std::size_t i = 1; i < m_nodes.size(); ++i) {
            const std::size_t size = m_nodes[i]->data.size();
            if (m_nodes[i]->storage || size == 0)
                continue;
            if (size > 0xFFFFFFFFu)
                throw Failure(EngineText::tr("a part is too large for a compound file"));
            if (size < kMiniCutoff) {
                start[i] = static_cast<std::uint32_t>(miniSectors);
                miniSectors += (size + kMiniSector - 1) / kMiniSector;
            } else {
                bigSectors += (size + kSector - 1) / kSector;
            }
        }
        const std::uint64_t dirSectors = (m_nodes.size() + 3) / 4;
        const std::uint64_t miniFatSectors = (miniSectors + 127) / 128;
        const std::uint64_t miniStreamSectors = (miniSectors * kMiniSector + kSector - 1) / kSector;
        const std::uint64_t content = dirSectors + miniFatSectors + miniStreamSectors + bigSectors;
        // The allocation table covers itself and its extension too.
        std::uint64_t fatSectors = 0;
        std::uint64_t difatSectors = 0;
        while (fatSectors * 128 < content + fatSectors + difatSectors) {
            ++fatSectors;
            difatSectors = fatSectors > kHeaderDifat ? (fatSectors - kHeaderDifat + 126) / 127 : 0;
        }
        const std::uint64_t total = content + fatSectors + difatSectors;
        if (total >= kDifatSector)
            throw Failure(EngineText::tr("the compound file would be too large"));

        Bytes out((total + 1) * kSector, 0);
        std::vector<std::uint32_t> fat(fatSectors * 128, kFreeSector);
        std::uint32_t next = 0;
        const auto chain = [&](std::uint64_t count) {
            const std::uint32_t first = count ? next : kEndOfChain;
            for (std::uint64_t k = 0; k < count; ++k, ++next)
                fat[next] = k + 1 < count ? next + 1 : kEndOfChain;
            return first;
        };
        const std::uint32_t dirStart = chain(dirSectors);
        const std::uint32_t miniFatStart = chain(miniFatSectors);
        const std::uint32_t miniStreamStart = chain(miniStreamSectors);
        for (std::size_t i = 1; i < m_nodes.size(); ++i) {
            const std::size_t size = m_nodes[i]->data.size();
            if (!m_nodes[i]->storage && size >= kMiniCutoff) {
                start[i] = chain((size + kSector - 1) / kSector);
                std::copy(m_nodes[i]->data.begin(), m_nodes[i]->data.end(),
                          out.begin() + std::ptrdiff_t(offsetOf(start[i])));
            } else if (!m_nodes[i]->storage && size > 0) {
                std::copy(m_nodes[i]->data.begin(), m_nodes[i]->data.end(),
                          out.begin() +
                              std::ptrdiff_t(offsetOf(miniStreamStart) + start[i] * kMiniSector));
            }
        }
        const std::uint32_t fatStart = next;
        for (std::uint64_t k = 0; k < fatSectors; ++k)
            fat[next++] = kFatSector;
        const std::uint32_t difatStart = difatSectors ? next : kEndOfChain;
        for (std::uint64_t k = 0; k < difatSectors; ++k)
            fat[next++] = kDifatSector;

        // The table of small parts.
        std::vector<std::uint32_t> miniFat(miniFatSectors * 128, kFreeSector);
        for (std::size_t i = 1; i < m_nodes.size(); ++i) {
            const std::size_t size = m_nodes[i]->data.size();
            if (m_nodes[i]->storage || size == 0 || size >= kMiniCutoff)
                continue;
            const std::size_t count = (size + kMiniSector - 1) / kMiniSector;
            for (std::size_t k = 0; k < count; ++k)
                miniFat[start[i] + k] = k + 1 < count ? start[i] + k + 1 : kEndOfChain;
        }
        putTable(out, miniFatStart, miniFat);
        putTable(out, fatStart, fat);

        // The directory; unused slots say they hold nothing.
        for (std::size_t slot = 0; slot < dirSectors * 4; ++slot) {
            const std::size_t at = offsetOf(dirStart) + slot * kEntrySize;
            if (slot >= m_nodes.size()) {
                for (std::size_t f : {kLeft, kRight, kChild})
                    writeU32(out, at + f, kNoStream);
                continue;
            }
            const Node &node = *m_nodes[slot];
            std::copy(node.raw.begin(), node.raw.begin() + kType, out.begin() + std::ptrdiff_t(at));
            std::copy(node.raw.begin() + kClassId, node.raw.begin() + kTimesEnd,
                      out.begin() + std::ptrdiff_t(at + kClassId));
            const std::uint8_t kept = node.raw[kType];
            out[at + kType] = slot == 0                                     ? kTypeRoot
                              : node.storage                                ? kTypeStorage
                              : kept > kTypeStream && kept <= kTypeProperty ? kept
                                                                            : kTypeStream;
            out[at + kColour] = kBlack;
            // Siblings as a chain to the right in name order, each black, as
            // libgsf writes them. The publishing program's files hold
            // balanced trees (left children, red nodes); readers follow the
            // links without asking for balance (olefile strict, libmspub and
            // Apache POI read this shape).
            writeU32(out, at + kLeft, kNoStream);
            writeU32(out, at + kRight, m_right[slot]);
            writeU32(out, at + kChild, m_firstKid[slot]);
            if (slot == 0) {
                writeU32(out, at + kStart, miniSectors ? miniStreamStart : kEndOfChain);
                writeU32(out, at + kSize, static_cast<std::uint32_t>(miniSectors * kMiniSector));
            } else if (!node.storage) {
                writeU32(out, at + kStart, start[slot]);
                writeU32(out, at + kSize, static_cast<std::uint32_t>(node.data.size()));
            }
        }

        // The header and the allocation table's own sectors.
        std::copy(std::begin(kSignature), std::end(kSignature), out.begin());
        writeU16(out, 0x18, 0x003E);
        writeU16(out, 0x1A, 3);
        writeU16(out, 0x1C, 0xFFFE);
        writeU16(out, 0x1E, 9);
        writeU16(out, 0x20, 6);
        writeU32(out, 0x2C, static_cast<std::uint32_t>(fatSectors));
        writeU32(out, 0x30, dirStart);
        writeU32(out, 0x38, kMiniCutoff);
        writeU32(out, 0x3C, miniFatStart);
        writeU32(out, 0x40, static_cast<std::uint32_t>(miniFatSectors));
        writeU32(out, 0x44, difatStart);
        writeU32(out, 0x48, static_cast<std::uint32_t>(difatSectors));
        for (std::size_t k = 0; k < kHeaderDifat; ++k)
            writeU32(out, 0x4C + 4 * k,
                     k < fatSectors ? fatStart + static_cast<std::uint32_t>(k) : kFreeSector);
        // Each sector of the extension lists 127 more and links to the next.
        constexpr std::size_t kPerDifat = kSector / 4 - 1;
        for (std::uint64_t d = 0; d < difatSectors; ++d) {
            const std::size_t at = offsetOf(difatStart + static_cast<std::uint32_t>(d));
            for (std::size_t k = 0; k < kPerDifat; ++k) {
                const std::uint64_t fatIndex = kHeaderDifat + d * kPerDifat + k;
                writeU32(out, at + 4 * k,
                         fatIndex < fatSectors ? fatStart + static_cast<std::uint32_t>(fatIndex)
                                               : kFreeSector);
            }
            writeU32(out, at + 4 * kPerDifat,
                     d + 1 < difatSectors ? difatStart + static_cast<std::uint32_t>(d + 1)
                                          : kEndOfChain);
        }
        return out;
    }

private:
    static constexpr std::size_t kSector = 512;
    static std::size_t offsetOf(std::uint32_t sector)
    {
        return (std::size_t(sector) + 1) * kSector;
    }
    static void putTable(Bytes &out, std::uint32_t first, const std::vector<std::uint32_t> &table)
    {
        for (std::size_t k = 0; k < table.size(); ++k)
            writeU32(out, offsetOf(first + static_cast<std::uint32_t>(k / 128)) + 4 * (k % 128),
                     table[k]);
    }

    std::vector<const Node *> m_nodes;     // by directory slot, a storage before its kids
    std::vector<std::uint32_t> m_firstKid; // by slot: its first kid in name order
    std::vector<std::uint32_t> m_right;    // by slot: its next sibling in name order
};

} // namespace

Bytes write(const Node &root)
{
    return Layout(root).write();
}

} // namespace vantrelle::pubengine::cfb
