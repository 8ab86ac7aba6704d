#include "pubengine/cfb.h"

#include <QChar>
#include <QString>

#include <algorithm>
#include <cstring>

namespace vantrelle::pubengine::cfb {

namespace {

constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
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
constexpr std::uint8_t kTypeRoot = 5;
constexpr std::uint8_t kBlack = 1;

[[noreturn]] void damaged(const std::string &what)
{
    throw FormatError("the file is damaged: " + what);
}

struct Reader {
    ByteView file;
    std::uint32_t shift = 9;
    std::size_t sectorSize = 512;
    std::size_t present = 0; // whole sectors the file holds after its header
    std::vector<std::uint32_t> fat;

    std::size_t offsetOf(std::uint32_t sector) const { return (std::size_t(sector) + 1) << shift; }

    // The sectors of a chain; each must be in the file, and the chain must
    // end without looping.
    std::vector<std::uint32_t> chain(std::uint32_t start, const std::vector<std::uint32_t> &table,
                                     std::size_t available, const char *what) const
    {
        std::vector<std::uint32_t> out;
        while (start != kEndOfChain) {
            if (start >= table.size() || start >= available)
                damaged(std::string(what) + " runs past the end of the file; it was probably "
                                            "cut short while being copied or saved");
            if (out.size() >= table.size())
                damaged(std::string(what) + " loops back on itself");
            out.push_back(start);
            start = table[start];
        }
        return out;
    }

    Bytes gather(const std::vector<std::uint32_t> &sectors) const
    {
        Bytes out;
        out.reserve(sectors.size() * sectorSize);
        for (std::uint32_t s : sectors) {
            const std::size_t at = offsetOf(s);
            out.insert(out.end(), file.begin() + static_cast<std::ptrdiff_t>(at),
                       file.begin() + static_cast<std::ptrdiff_t>(at + sectorSize));
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
bool nameLess(const Entry &a, const Entry &b)
{
    const std::uint16_t la = readU16(a.raw, kNameLength);
    const std::uint16_t lb = readU16(b.raw, kNameLength);
    if (la != lb)
        return la < lb;
    for (std::size_t i = 0; i + 1 < std::min<std::size_t>(la, 64); i += 2) {
        const char16_t ua = QChar(char16_t(readU16(a.raw, i))).toUpper().unicode();
        const char16_t ub = QChar(char16_t(readU16(b.raw, i))).toUpper().unicode();
        if (ua != ub)
            return ua < ub;
    }
    return false;
}

// Pairs each entry of a with the entry of b at the same place, by name.
template <typename Same>
void matchTrees(const Directory &a, const Directory &b, std::size_t ia, std::size_t ib,
                const Same &same, std::vector<std::pair<std::size_t, std::size_t>> &pairs)
{
    pairs.emplace_back(ia, ib);
    const auto &ca = a.entries[ia].children;
    const auto &cb = b.entries[ib].children;
    if (ca.size() != cb.size())
        throw Failure("the written file does not hold the same parts as the original");
    for (std::size_t x : ca) {
        std::size_t found = cb.size();
        for (std::size_t y = 0; y < cb.size(); ++y) {
            if (same(a.entries[x], b.entries[cb[y]])) {
                if (found != cb.size())
                    throw Failure("the original holds two parts of the same name in one folder");
                found = y;
            }
        }
        if (found == cb.size())
            throw Failure("the written file does not hold the same parts as the original");
        matchTrees(a, b, x, cb[found], same, pairs);
    }
}

} // namespace

Directory read(ByteView file)
{
    if (file.size() < 512 || std::memcmp(file.data(), kSignature, sizeof kSignature) != 0)
        throw FormatError("it is not a publication (it lacks the container every publication "
                          "is stored in)");
    Reader r;
    r.file = file;
    r.shift = readU16(file, 0x1E);
    if (r.shift != 9 && r.shift != 12)
        damaged("its header names an impossible sector size");
    r.sectorSize = std::size_t(1) << r.shift;
    r.present = file.size() >> r.shift;
    r.present = r.present > 0 ? r.present - 1 : 0;
    if (readU16(file, 0x20) != 6)
        damaged("its header names an impossible mini-sector size");

    // The allocation table's own sectors: 109 in the header, the rest in a chain.
    const std::uint32_t fatSectors = readU32(file, 0x2C);
    if (fatSectors > r.present)
        damaged("its header claims more allocation sectors than the file holds");
    std::vector<std::uint32_t> fatList;
    for (std::size_t i = 0; i < std::min<std::size_t>(fatSectors, kHeaderDifat); ++i)
        fatList.push_back(readU32(file, 0x4C + 4 * i));
    std::uint32_t difat = readU32(file, 0x44);
    std::size_t difatSeen = 0;
    while (fatList.size() < fatSectors) {
        if (difat >= r.present || ++difatSeen > r.present)
            damaged("its allocation table runs past the end of the file; it was probably cut "
                    "short while being copied or saved");
        const std::size_t at = r.offsetOf(difat);
        const std::size_t perSector = r.sectorSize / 4 - 1;
        for (std::size_t i = 0; i < perSector && fatList.size() < fatSectors; ++i)
            fatList.push_back(readU32(file, at + 4 * i));
        difat = readU32(file, at + 4 * perSector);
    }
    for (std::uint32_t s : fatList) {
        if (s >= r.present)
            damaged("its allocation table runs past the end of the file; it was probably cut "
                    "short while being copied or saved");
    }
    r.fat = r.table(r.gather(fatList));

    Directory dir;
    const std::vector<std::uint32_t> dirSectors =
        r.chain(readU32(file, 0x30), r.fat, r.present, "its directory");
    for (std::uint32_t s : dirSectors) {
        for (std::size_t k = 0; k < r.sectorSize / kEntrySize; ++k)
            dir.slotOffsets.push_back(r.offsetOf(s) + k * kEntrySize);
    }
    auto slot = [&](std::uint32_t n) {
        if (n >= dir.slotOffsets.size())
            damaged("its directory points at an entry it does not hold");
        Entry e;
        std::copy_n(file.begin() + static_cast<std::ptrdiff_t>(dir.slotOffsets[n]), kEntrySize,
                    e.raw.begin());
        return e;
    };
    Entry root = slot(0);
    if (root.raw[kType] != kTypeRoot)
        damaged("its directory does not start with the root entry");
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
                    damaged("its directory points at an entry twice or at one it does not hold");
                visited[at] = true;
                stack.push_back(at);
                at = entryU32(slot(at), kLeft);
            }
            const std::uint32_t n = stack.back();
            stack.pop_back();
            Entry e = slot(n);
            if (e.raw[kType] != kTypeStorage && e.raw[kType] != kTypeStream)
                damaged("its directory holds an entry of an unknown kind");
            e.storage = e.raw[kType] == kTypeStorage;
            e.name = visibleName(e.raw);
            at = entryU32(e, kRight);
            dir.entries[parent].children.push_back(dir.entries.size());
            dir.entries.push_back(std::move(e));
            dir.entrySlots.push_back(n);
        }
    }

    // Every stream's data must be in the file in full.
    const std::uint32_t cutoff = readU32(file, 0x38);
    Entry &rootEntry = dir.entries.front();
    const std::uint64_t miniSize = entryU32(rootEntry, kSize);
    const std::vector<std::uint32_t> miniSectors =
        r.chain(entryU32(rootEntry, kStart), r.fat, r.present, "its store of small parts");
    if (miniSectors.size() * r.sectorSize < miniSize)
        damaged("its store of small parts is shorter than declared");
    const std::size_t miniPresent = static_cast<std::size_t>(miniSize / kMiniSector);
    const std::uint32_t miniFatStart = readU32(file, 0x3C);
    std::vector<std::uint32_t> miniFat;
    if (miniFatStart != kEndOfChain && miniFatStart != kNoStream)
        miniFat =
            r.table(r.gather(r.chain(miniFatStart, r.fat, r.present, "its table of small parts")));
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
            damaged("its parts claim more data than the file holds");
        if (e.size == 0)
            continue;
        const std::string what = "its part \"" + e.name + "\"";
        const bool small = e.size < cutoff;
        const std::vector<std::uint32_t> sectors =
            small ? r.chain(entryU32(e, kStart), miniFat, miniPresent, what.c_str())
                  : r.chain(entryU32(e, kStart), r.fat, r.present, what.c_str());
        if (sectors.size() * (small ? kMiniSector : r.sectorSize) < e.size)
            damaged(what + " is shorter than declared; the file was probably cut short");
    }
    return dir;
}

void restoreEntries(Bytes &written, const Directory &source)
{
    Directory out = read(written);
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    matchTrees(
        source, out, 0, 0, [](const Entry &a, const Entry &b) { return a.name == b.name; }, pairs);
    for (const auto &[s, o] : pairs) {
        Entry &e = out.entries[o];
        const auto &from = source.entries[s].raw;
        std::copy(from.begin(), from.begin() + kType, e.raw.begin());
        std::copy(from.begin() + kClassId, from.begin() + kTimesEnd, e.raw.begin() + kClassId);
    }
    auto setU32 = [](Entry &e, std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            e.raw[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    // Each storage's entries as a chain in name order, the way libgsf links them.
    for (Entry &parent : out.entries) {
        if (!parent.storage)
            continue;
        std::vector<std::size_t> kids = parent.children;
        std::stable_sort(kids.begin(), kids.end(), [&](std::size_t a, std::size_t b) {
            return nameLess(out.entries[a], out.entries[b]);
        });
        setU32(parent, kChild, kids.empty() ? kNoStream : out.entrySlots[kids.front()]);
        for (std::size_t i = 0; i < kids.size(); ++i) {
            Entry &e = out.entries[kids[i]];
            setU32(e, kLeft, kNoStream);
            setU32(e, kRight, i + 1 < kids.size() ? out.entrySlots[kids[i + 1]] : kNoStream);
            e.raw[kColour] = kBlack;
        }
    }
    for (std::size_t i = 0; i < out.entries.size(); ++i)
        std::copy(out.entries[i].raw.begin(), out.entries[i].raw.end(),
                  written.begin() +
                      static_cast<std::ptrdiff_t>(out.slotOffsets[out.entrySlots[i]]));
}

std::vector<std::string> entryDifferences(const Directory &a, const Directory &b)
{
    std::vector<std::pair<std::size_t, std::size_t>> pairs;
    matchTrees(
        a, b, 0, 0,
        [](const Entry &x, const Entry &y) {
            return std::equal(x.raw.begin(), x.raw.begin() + kType, y.raw.begin());
        },
        pairs);
    std::vector<std::string> out;
    for (const auto &[x, y] : pairs) {
        const auto &ra = a.entries[x].raw;
        const auto &rb = b.entries[y].raw;
        if (!std::equal(ra.begin() + kClassId, ra.begin() + kTimesEnd, rb.begin() + kClassId))
            out.push_back(a.entries[x].name);
    }
    return out;
}

} // namespace vantrelle::pubengine::cfb
