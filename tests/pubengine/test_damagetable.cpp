// Damage anywhere in the container, each kind caused for real in a copy of
// Sample.pub: the publication is refused as damaged, by its name.
#include "pubengine/cfb.h"
#include "pubengine/publication.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <functional>

using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;

namespace {

constexpr std::uint32_t kEnd = 0xFFFFFFFE;
constexpr std::uint32_t kFree = 0xFFFFFFFF;

// A container's bytes with its allocation tables at hand (the header's 109
// table sectors are all Sample.pub has).
struct Container {
    QByteArray bytes;

    std::uint32_t u32(std::size_t at) const { return readU32(view(), at); }
    void set(std::size_t at, std::uint32_t v)
    {
        for (int k = 0; k < 4; ++k)
            bytes[qsizetype(at) + k] = char(v >> (8 * k));
    }
    ByteView view() const
    {
        return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
                std::size_t(bytes.size())};
    }
    static std::size_t offsetOf(std::uint32_t s) { return (std::size_t(s) + 1) * 512; }
    std::size_t fatAt(std::uint32_t s) const
    {
        return offsetOf(u32(0x4C + 4 * (s / 128))) + 4 * std::size_t(s % 128);
    }
    std::uint32_t fat(std::uint32_t s) const { return u32(fatAt(s)); }
    void setFat(std::uint32_t s, std::uint32_t v) { set(fatAt(s), v); }
    std::vector<std::uint32_t> chain(std::uint32_t s) const
    {
        std::vector<std::uint32_t> out;
        for (; s != kEnd; s = fat(s))
            out.push_back(s);
        return out;
    }
    std::size_t miniFatAt(std::uint32_t s) const
    {
        return offsetOf(chain(u32(0x3C))[s / 128]) + 4 * std::size_t(s % 128);
    }
    // Where the first entry called name lies in the file.
    std::size_t entryAt(const std::string &name) const
    {
        const cfb::Directory dir = cfb::read(view());
        if (name == "Root Entry")
            return dir.slotOffsets[0];
        for (std::size_t i = 0; i < dir.entries.size(); ++i)
            if (dir.entries[i].name == name)
                return dir.slotOffsets[dir.entrySlots[i]];
        ADD_FAILURE() << "no entry " << name;
        return 0;
    }
    std::uint32_t start(const std::string &name) const { return u32(entryAt(name) + 0x74); }
};

} // namespace

TEST(DamageTable, damageInAnyChainOrTheDirectoryIsRefusedByName)
{
    REQUIRE_CORPUS();
    const Container sample{readFile(corpusFile(QStringLiteral("Sample.pub")))};
    // In Sample.pub CONTENTS and the summary information are large parts,
    // the class information and the document summary small ones.
    const struct {
        const char *what;
        std::function<void(Container &)> damage;
    } rows[] = {
        {"a two-sector loop in a stream",
         [](Container &c) {
             const auto s = c.chain(c.start("CONTENTS"));
             c.setFat(s[1], s[0]);
         }},
        {"two streams sharing sectors",
         [](Container &c) {
             c.set(c.entryAt("\005SummaryInformation") + 0x74, c.start("CONTENTS"));
         }},
        {"a stream starting on the allocation table",
         [](Container &c) { c.set(c.entryAt("CONTENTS") + 0x74, c.u32(0x4C)); }},
        {"a loop in the directory",
         [](Container &c) {
             const auto s = c.chain(c.u32(0x30));
             c.setFat(s.back(), s.front());
         }},
        {"the directory sharing a stream's sector",
         [](Container &c) {
             const auto s = c.chain(c.u32(0x30));
             c.setFat(s.front(), c.start("CONTENTS"));
         }},
        {"a loop in the table of small parts",
         [](Container &c) {
             const auto s = c.chain(c.u32(0x3C));
             c.setFat(s.back(), s.front());
         }},
        {"a loop in the store of small parts",
         [](Container &c) {
             const auto s = c.chain(c.start("Root Entry"));
             c.setFat(s.back(), s.front());
         }},
        {"a loop in a small stream",
         [](Container &c) {
             const std::uint32_t first = c.start("\001CompObj");
             c.set(c.miniFatAt(c.u32(c.miniFatAt(first))), first);
         }},
        {"two small streams sharing",
         [](Container &c) {
             c.set(c.entryAt("\001CompObj") + 0x74, c.start("\005DocumentSummaryInformation"));
         }},
        {"a chain ending early", [](Container &c) { c.setFat(c.start("CONTENTS"), kEnd); }},
        {"a chain running into a free sector",
         [](Container &c) { c.setFat(c.start("CONTENTS"), kFree); }},
        {"a chain running past the file",
         [](Container &c) {
             c.setFat(c.start("CONTENTS"), std::uint32_t(c.bytes.size() / 512 + 3));
         }},
        {"a directory entry reached twice",
         [](Container &c) {
             const std::size_t at = c.entryAt("EscherStm");
             c.set(at + 0x44, c.u32(c.entryAt("Escher") + 0x4C));
         }},
        {"an empty entry in the tree",
         [](Container &c) { c.bytes[qsizetype(c.entryAt("EscherStm")) + 0x42] = 0; }},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        Container c = sample;
        row.damage(c);
        ASSERT_NE(c.bytes, sample.bytes);
        try {
            Publication::fromBytes(c.bytes, QStringLiteral("hurt.pub")).toBytes();
            ADD_FAILURE() << "accepted";
        } catch (const vantrelle::Failure &e) {
            EXPECT_TRUE(e.description().contains(QStringLiteral("“hurt.pub”: the file is damaged")))
                << e.what();
        }
    }
}

// What the text does not depend on is kept rather than refused: an entry of
// kind 3 or 4 keeps its kind, a stream's child field is not followed.
TEST(DamageTable, entriesTheTextDoesNotNeedAreKept)
{
    REQUIRE_CORPUS();
    const Container sample{readFile(corpusFile(QStringLiteral("Sample.pub")))};
    const struct {
        const char *what;
        std::size_t field;
        std::uint32_t value, written;
    } rows[] = {
        {"kind 3", 0x42, 3, 3},
        {"kind 4", 0x42, 4, 4},
        {"a stream's child field", 0x4C, 1, kFree},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        Container c = sample;
        const std::size_t at = c.entryAt("Envelope") + row.field;
        if (row.field == 0x42)
            c.bytes[qsizetype(at)] = char(row.value);
        else
            c.set(at, row.value);
        const Container out{Publication::fromBytes(c.bytes, QStringLiteral("kept.pub")).toBytes()};
        const std::uint32_t written = out.u32(out.entryAt("Envelope") + row.field);
        EXPECT_EQ(row.field == 0x42 ? written & 0xFF : written, row.written);
    }
}
