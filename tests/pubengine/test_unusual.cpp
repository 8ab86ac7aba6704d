// Valid but unusual containers, laid out here sector by sector: version 4,
// balanced directory trees with red nodes and left children, an allocation
// table past the header's 109 sectors, fragmented chains, a short last
// sector, a stream the edit takes across the small-stream cutoff. Each is read
// by strict olefile and by our reader, edited by the tool in a run, and its
// result holds every unchanged stream, entry, class id and time of its source.
#include "pubengine/cfb.h"
#include "pubengine/compound.h"
#include "pubwriter/writer.h"
#include "tests/support/poi/poireader.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;

namespace {

constexpr std::uint32_t kEnd = 0xFFFFFFFE;
constexpr std::uint32_t kNone = 0xFFFFFFFF;

struct Shape {
    int shift = 9;           // 12: version 4, 4,096-byte sectors
    bool balanced = false;   // each storage's entries a balanced tree, red leaves
    bool fragmented = false; // content sectors in shuffled order
    std::size_t filler = 0;  // an extra stream's size
    bool shortEnd = false;   // the file ends where the last part's bytes do
};

struct Flat {
    const cfb::Entry *entry;
    Bytes data;
    std::uint32_t left = kNone, right = kNone, child = kNone;
    bool red = false;
    std::uint32_t start = kEnd;
};

// Links sorted[lo, hi) as a balanced tree; returns its top, marking the
// deepest leaves red.
std::uint32_t link(std::vector<Flat> &flat, const std::vector<std::uint32_t> &sorted,
                   std::size_t lo, std::size_t hi, bool balanced, int depth, int deepest)
{
    if (lo >= hi)
        return kNone;
    const std::size_t mid = balanced ? (lo + hi) / 2 : lo;
    Flat &f = flat[sorted[mid]];
    f.left = link(flat, sorted, lo, mid, balanced, depth + 1, deepest);
    f.right = link(flat, sorted, mid + 1, hi, balanced, depth + 1, deepest);
    f.red = balanced && depth == deepest && depth > 0;
    return sorted[mid];
}

Bytes layOut(const cfb::Directory &dir, const Shape &shape)
{
    const std::size_t ss = std::size_t(1) << shape.shift;
    std::vector<Flat> flat;
    cfb::Entry filler;
    cfb::setName(filler.raw, u"Filler");
    filler.data.assign(shape.filler, 0xA5);
    flat.push_back({&dir.entries[0], {}});
    std::vector<std::size_t> from{0}; // flat index -> entry index (or npos for the filler)
    for (std::size_t i = 0; i < flat.size(); ++i) {
        if (from[i] == std::size_t(-1) || !dir.entries[from[i]].storage)
            continue;
        std::vector<std::size_t> idx;
        for (std::size_t c : dir.entries[from[i]].children)
            idx.push_back(c);
        if (i == 0 && shape.filler)
            idx.push_back(std::size_t(-1));
        auto nameOf = [&](std::size_t e) {
            return QString::fromStdString(e == std::size_t(-1) ? "Filler" : dir.entries[e].name)
                .toUpper();
        };
        std::sort(idx.begin(), idx.end(), [&](std::size_t a, std::size_t b) {
            const QString x = nameOf(a), y = nameOf(b);
            return x.size() != y.size() ? x.size() < y.size() : x < y;
        });
        std::vector<std::uint32_t> sorted;
        for (std::size_t e : idx) {
            sorted.push_back(std::uint32_t(flat.size()));
            const cfb::Entry *entry = e == std::size_t(-1) ? &filler : &dir.entries[e];
            flat.push_back({entry, entry->data});
            from.push_back(e);
        }
        int deepest = 0;
        while ((std::size_t(2) << deepest) - 1 < sorted.size())
            ++deepest;
        flat[i].child = link(flat, sorted, 0, sorted.size(), shape.balanced, 0, deepest);
    }

    // Small parts in the store, 64 bytes a sector; large ones in sectors.
    std::size_t mini = 0;
    std::vector<std::size_t> miniFat;
    std::size_t contentSectors = (flat.size() * 128 + ss - 1) / ss;
    for (Flat &f : flat) {
        if (f.entry->storage || f.data.empty() || f.data.size() >= 4096)
            continue;
        f.start = std::uint32_t(mini);
        const std::size_t n = (f.data.size() + 63) / 64;
        for (std::size_t k = 0; k < n; ++k)
            miniFat.push_back(k + 1 < n ? mini + k + 1 : kEnd);
        mini += n;
    }
    const std::size_t miniFatSectors = (miniFat.size() * 4 + ss - 1) / ss;
    const std::size_t miniStreamSectors = (mini * 64 + ss - 1) / ss;
    contentSectors += miniFatSectors + miniStreamSectors;
    for (const Flat &f : flat)
        if (!f.entry->storage && f.data.size() >= 4096)
            contentSectors += (f.data.size() + ss - 1) / ss;
    const std::size_t per = ss / 4;
    std::size_t fatSectors = 1, difatSectors = 0;
    while (fatSectors * per < contentSectors + fatSectors + difatSectors) {
        ++fatSectors;
        difatSectors = fatSectors > 109 ? (fatSectors - 109 + per - 2) / (per - 1) : 0;
    }
    // The tables first, then the content, in order or shuffled.
    const std::size_t tables = fatSectors + difatSectors;
    std::vector<std::uint32_t> pool(contentSectors);
    for (std::size_t k = 0; k < pool.size(); ++k)
        pool[k] = std::uint32_t(tables + k);
    if (shape.fragmented)
        std::shuffle(pool.begin(), pool.end(), std::mt19937(7));
    std::size_t next = 0;
    std::vector<std::uint32_t> fat(fatSectors * per, kNone);
    Bytes out((tables + contentSectors + 1) * ss, 0);
    auto sectorAt = [&](std::uint32_t s) { return (std::size_t(s) + 1) * ss; };
    auto chain = [&](std::size_t count) {
        std::vector<std::uint32_t> c(pool.begin() + std::ptrdiff_t(next),
                                     pool.begin() + std::ptrdiff_t(next + count));
        next += count;
        for (std::size_t k = 0; k < c.size(); ++k)
            fat[c[k]] = k + 1 < c.size() ? c[k + 1] : kEnd;
        return c;
    };
    auto put = [&](const std::vector<std::uint32_t> &c, const Bytes &data) {
        for (std::size_t k = 0; k * ss < data.size(); ++k)
            std::copy_n(data.begin() + std::ptrdiff_t(k * ss), std::min(ss, data.size() - k * ss),
                        out.begin() + std::ptrdiff_t(sectorAt(c[k])));
    };
    const auto dirChain = chain((flat.size() * 128 + ss - 1) / ss);
    const auto miniFatChain = chain(miniFatSectors);
    const auto miniChain = chain(miniStreamSectors);
    Bytes miniStream(mini * 64, 0);
    std::size_t lastByte = 0; // where the last part's bytes end
    for (Flat &f : flat) {
        if (f.entry->storage || f.data.empty())
            continue;
        if (f.data.size() < 4096) {
            std::copy(f.data.begin(), f.data.end(), miniStream.begin() + std::size_t(f.start) * 64);
            continue;
        }
        const auto c = chain((f.data.size() + ss - 1) / ss);
        f.start = c.front();
        put(c, f.data);
        lastByte = std::max(lastByte, sectorAt(c.back()) + (f.data.size() - 1) % ss + 1);
    }
    put(miniChain, miniStream);
    if (!miniChain.empty())
        lastByte =
            std::max(lastByte, sectorAt(miniChain.back()) + (miniStream.size() - 1) % ss + 1);
    Bytes miniFatBytes;
    for (std::size_t v : miniFat)
        appendU32(miniFatBytes, std::uint32_t(v));
    put(miniFatChain, miniFatBytes);
    for (std::size_t k = 0; k < fatSectors; ++k)
        fat[k] = 0xFFFFFFFD;
    for (std::size_t k = 0; k < difatSectors; ++k)
        fat[fatSectors + k] = 0xFFFFFFFC;
    Bytes fatBytes;
    for (std::uint32_t v : fat)
        appendU32(fatBytes, v);
    std::vector<std::uint32_t> fatChain(fatSectors);
    for (std::size_t k = 0; k < fatSectors; ++k)
        fatChain[k] = std::uint32_t(k);
    put(fatChain, fatBytes);
    for (std::size_t d = 0; d < difatSectors; ++d) {
        const std::size_t at = sectorAt(std::uint32_t(fatSectors + d));
        for (std::size_t k = 0; k + 1 < per; ++k) {
            const std::size_t n = 109 + d * (per - 1) + k;
            writeU32(out, at + 4 * k, n < fatSectors ? std::uint32_t(n) : kNone);
        }
        writeU32(out, at + ss - 4, d + 1 < difatSectors ? std::uint32_t(fatSectors + d + 1) : kEnd);
    }

    Bytes dirBytes(dirChain.size() * ss, 0);
    for (std::size_t slot = 0; slot * 128 < dirBytes.size(); ++slot) {
        const std::size_t at = slot * 128;
        writeU32(dirBytes, at + 0x44, kNone);
        writeU32(dirBytes, at + 0x48, kNone);
        writeU32(dirBytes, at + 0x4C, kNone);
        if (slot >= flat.size())
            continue;
        const Flat &f = flat[slot];
        std::copy(f.entry->raw.begin(), f.entry->raw.begin() + 0x42,
                  dirBytes.begin() + std::ptrdiff_t(at));
        std::copy(f.entry->raw.begin() + 0x50, f.entry->raw.begin() + 0x74,
                  dirBytes.begin() + std::ptrdiff_t(at + 0x50));
        dirBytes[at + 0x42] = slot == 0 ? 5 : f.entry->storage ? 1 : 2;
        dirBytes[at + 0x43] = f.red ? 0 : 1;
        writeU32(dirBytes, at + 0x44, f.left);
        writeU32(dirBytes, at + 0x48, f.right);
        writeU32(dirBytes, at + 0x4C, f.child);
        if (slot == 0) {
            writeU32(dirBytes, at + 0x74, miniChain.empty() ? kEnd : miniChain.front());
            writeU32(dirBytes, at + 0x78, std::uint32_t(miniStream.size()));
        } else if (!f.entry->storage) {
            writeU32(dirBytes, at + 0x74, f.data.empty() ? kEnd : f.start);
            writeU32(dirBytes, at + 0x78, std::uint32_t(f.data.size()));
        }
    }
    put(dirChain, dirBytes);

    static const std::uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::copy(std::begin(signature), std::end(signature), out.begin());
    writeU16(out, 0x18, 0x3E);
    writeU16(out, 0x1A, shape.shift == 12 ? 4 : 3);
    writeU16(out, 0x1C, 0xFFFE);
    writeU16(out, 0x1E, std::uint16_t(shape.shift));
    writeU16(out, 0x20, 6);
    writeU32(out, 0x28, shape.shift == 12 ? std::uint32_t(dirChain.size()) : 0);
    writeU32(out, 0x2C, std::uint32_t(fatSectors));
    writeU32(out, 0x30, dirChain.front());
    writeU32(out, 0x38, 4096);
    writeU32(out, 0x3C, miniFatChain.empty() ? kEnd : miniFatChain.front());
    writeU32(out, 0x40, std::uint32_t(miniFatChain.size()));
    writeU32(out, 0x44, difatSectors ? std::uint32_t(fatSectors) : kEnd);
    writeU32(out, 0x48, std::uint32_t(difatSectors));
    for (std::size_t k = 0; k < 109; ++k)
        writeU32(out, 0x4C + 4 * k, k < fatSectors ? std::uint32_t(k) : kNone);
    if (shape.shortEnd && lastByte % ss != 0 && lastByte > out.size() - ss)
        out.resize(lastByte);
    return out;
}

// Strict olefile's view: one line an entry (path, kind, class id, times,
// the bytes' digest unless the path is one the edit may change).
std::optional<std::string> oleView(const QString &path, const QStringList &edited,
                                   bool strict = true)
{
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 QStringList{QStringLiteral("-c"), QStringLiteral(R"(
import hashlib, olefile, sys
o = olefile.OleFileIO(sys.argv[1], raise_defects=olefile.DEFECT_INCORRECT if sys.argv[2] == 'strict' else olefile.DEFECT_FATAL)
r = o.root
print('', r.clsid, r.createTime, r.modifyTime)
for p in o.listdir(streams=True, storages=True):
    e = o.direntries[o._find(p)]
    name = '/'.join(p)
    data = '' if e.entry_type == 1 or name in sys.argv[3:] else hashlib.md5(o.openstream(p).read()).hexdigest()
    print(name, e.entry_type, e.clsid, e.createTime, e.modifyTime, data)
)"),
                             path, strict ? QStringLiteral("strict") : QStringLiteral("lenient")} +
                     edited);
    if (!python.waitForFinished(120000) || python.exitCode() != 0) {
        ADD_FAILURE() << "olefile: " << python.readAllStandardError().toStdString();
        return std::nullopt;
    }
    return QString::fromUtf8(python.readAllStandardOutput()).toStdString();
}

QByteArray asBytes(const Bytes &b)
{
    return {reinterpret_cast<const char *>(b.data()), qsizetype(b.size())};
}

// A new publication whose own property holds n letters x: the size of its
// document summary stream is set by n.
QByteArray withProperty(std::size_t n)
{
    writer::Document doc;
    doc.pages.push_back(
        {{{{40, 40, 400, 60}, {writer::paragraph({writer::run("Some text here")})}}}, {}, {}});
    doc.properties.custom = {{"Note", QString(qsizetype(n), u'x')}};
    return writer::write(doc);
}

// The smallest n whose stream is at least size bytes.
std::size_t propertyFor(std::size_t size)
{
    std::size_t n = size > 400 ? size - 400 : 1;
    while (CompoundFile(withProperty(n)).readStream({kDocumentSummaryStream}, 1 << 20)->size() <
           size)
        n += 4;
    return n;
}

} // namespace

TEST(Unusual, unusualContainersReadInStrictOlefileAndHereAndTheirResultsKeepEveryOtherPart)
{
    QTemporaryDir dir;
    const QByteArray plain = withProperty(10);
    const struct {
        const char *name;
        Shape shape;
        QByteArray source;
        QStringList pairs;
        bool properties;
    } rows[] = {
        {"v4", {12}, plain, {"e", "E"}, false},
        {"v4-balanced-fragmented", {12, true, true}, plain, {"e", "E"}, false},
        {"balanced", {9, true}, plain, {"e", "E"}, false},
        {"fragmented", {9, false, true}, plain, {"e", "E"}, false},
        {"past-109", {9, true, true, 8u << 20}, plain, {"e", "E"}, false},
        {"short-end", {9, false, false, 0, true}, plain, {"e", "E"}, false},
        {"v4-short-end", {12, true, false, 0, true}, plain, {"e", "E"}, false},
        {"grows-past-cutoff", {9, true}, withProperty(propertyFor(4000)), {"x", "xx"}, true},
        {"shrinks-below-cutoff", {9, true}, withProperty(propertyFor(4200)), {"xx", "x"}, true},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const Bytes laid = layOut(
            cfb::read(ByteView(reinterpret_cast<const std::uint8_t *>(row.source.constData()),
                               std::size_t(row.source.size()))),
            row.shape);
        if (row.shape.shortEnd) {
            EXPECT_NE(laid.size() % (std::size_t(1) << row.shape.shift), 0u);
        }
        const QString source = dir.filePath(QLatin1String(row.name) + ".pub");
        QFile f(source);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(asBytes(laid));
        f.close();
        const QStringList edited{"Quill/QuillSub/CONTENTS",
                                 QString(QChar(5)) + "DocumentSummaryInformation"};
        const std::optional<std::string> before = oleView(source, edited);
        ASSERT_TRUE(before);

        const QString outDir = dir.filePath(QLatin1String(row.name));
        QDir().mkpath(outDir);
        QProcess tool;
        QStringList args;
        if (row.properties)
            args << "--in-properties";
        args << "--pair" << row.pairs[0] << row.pairs[1] << "--out-dir" << outDir << source;
        tool.start(QStringLiteral(VANTRELLE_REPLACE_TOOL), args);
        ASSERT_TRUE(tool.waitForFinished(60000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        const QString result = outDir + "/" + row.name + ".pub";
        EXPECT_EQ(oleView(result, edited), before);
        const CompoundFile ours(readFile(source));
        const CompoundFile theirs(readFile(result));
        EXPECT_EQ(
            ours.differences(theirs, std::vector<StreamPath>{{"Quill", "QuillSub", "CONTENTS"},
                                                             {kDocumentSummaryStream}}),
            std::vector<std::string>{});
        if (row.properties) {
            const std::size_t a = ours.readStream({kDocumentSummaryStream}, 1 << 20)->size();
            const std::size_t b = theirs.readStream({kDocumentSummaryStream}, 1 << 20)->size();
            EXPECT_NE(a < 4096, b < 4096) << a << " → " << b;
        }
    }
}

namespace {

// Edits sources with e → E in one run of the tool into outDir.
void editInARun(const QStringList &sources, const QString &outDir)
{
    QDir().mkpath(outDir);
    QProcess tool;
    tool.start(QStringLiteral(VANTRELLE_REPLACE_TOOL),
               QStringList{"--pair", "e", "E", "--out-dir", outDir} + sources);
    ASSERT_TRUE(tool.waitForFinished(300000));
    ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
}

} // namespace

// Every publication of the corpus, and Sample.pub cut after its last part's
// bytes (its length no multiple of 512), edited in a run.
TEST(Unusual, corpusResultsKeepEveryOtherPartAndACutShortSampleIsEdited)
{
    REQUIRE_CORPUS();
    QTemporaryDir dir;
    // Sample.pub ends with its store of small parts, whose last part's bytes
    // end 22 bytes into the file's last sector.
    QByteArray cut = readFile(corpusFile(QStringLiteral("Sample.pub")));
    cut.chop(512 - 22);
    const QString shortened = dir.filePath(QStringLiteral("Short.pub"));
    QFile f(shortened);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(cut);
    f.close();
    const QStringList sources = corpusPublications() << shortened;
    const QString outDir = dir.filePath(QStringLiteral("out"));
    editInARun(sources, outDir);
    const QStringList edited{"Quill/QuillSub/CONTENTS"};
    for (const QString &source : sources) {
        SCOPED_TRACE(source.toStdString());
        const QString result = outDir + u'/' + QFileInfo(source).fileName();
        // olefile's strict mode wants the store of small parts whole, as
        // the results have it.
        EXPECT_EQ(oleView(result, edited), oleView(source, edited, source != shortened));
    }
    const QString result = outDir + QStringLiteral("/Short.pub");
    EXPECT_FALSE(pub2raw(result).isEmpty()) << "pub2raw (libmspub-tools) read nothing";
    VANTRELLE_REQUIRE_ORACLE(vantrelle::test::poiMissing().isEmpty(), "Apache POI");
    const std::optional<QStringList> poi = vantrelle::test::readWithPoi(result);
    ASSERT_TRUE(poi);
    EXPECT_TRUE(poi->contains(QStringLiteral("author=Nick Burch")));
}
