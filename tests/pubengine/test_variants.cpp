// Variants of corpus publications made in the test: stored names and entries
// of the container, chunk tables in another order, publications without
// text, paths that are no regular files, and edits the engine must refuse.
#include "pubengine/cfb.h"
#include "pubengine/compound.h"
#include "pubengine/publication.h"
#include "testutil.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <thread>

#include <sys/stat.h>

using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;

namespace {

const StreamPath kQuill{"Quill", "QuillSub", "CONTENTS"};
using RawEntry = std::array<std::uint8_t, 128>;

ByteView view(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()),
            static_cast<std::size_t>(bytes.size())};
}

// Changes the stored directory entry of the first entry called name.
void patchEntry(QByteArray &bytes, const std::string &name,
                const std::function<void(RawEntry &)> &change)
{
    const cfb::Directory dir = cfb::read(view(bytes));
    for (std::size_t i = 0; i < dir.entries.size(); ++i) {
        if (dir.entries[i].name == name) {
            RawEntry raw = dir.entries[i].raw;
            change(raw);
            std::copy(raw.begin(), raw.end(), bytes.begin() + dir.slotOffsets[dir.entrySlots[i]]);
            return;
        }
    }
    ADD_FAILURE() << "no entry " << name;
}

QByteArray withQuill(const QString &corpusName, const Bytes &stream)
{
    return CompoundFile(readFile(corpusFile(corpusName))).rewrite(kQuill, stream);
}

} // namespace

TEST(Variants, storedNamesClassIdsAndTimesComeOutByteForByte)
{
    REQUIRE_CORPUS();
    QByteArray bytes = readFile(corpusFile(QStringLiteral("Sample.pub")));
    // Publisher 2002 and 2003 store this name with a trailing NUL.
    patchEntry(bytes, "EscherDelayStm", [](RawEntry &raw) { raw[0x40] += 2; });
    patchEntry(bytes, "Envelope", [](RawEntry &raw) {
        const std::u16string name = u"Hülle-封筒";
        std::fill_n(raw.begin(), 64, 0);
        for (std::size_t i = 0; i < name.size(); ++i) {
            raw[2 * i] = static_cast<std::uint8_t>(name[i]);
            raw[2 * i + 1] = static_cast<std::uint8_t>(name[i] >> 8);
        }
        raw[0x40] = static_cast<std::uint8_t>(2 * (name.size() + 1));
        raw[0x50] = 0x42; // a class id and a creation time on a stream
        raw[0x64] = 0x17;
    });
    Publication pub = Publication::fromBytes(bytes, QStringLiteral("names.pub"));
    EXPECT_EQ(pub.replaceAll(QStringLiteral("page"), QStringLiteral("leaf"), true).replaced, 6u);
    const QByteArray out = pub.toBytes();
    // Entries are paired by their stored names, so a changed name fails too.
    EXPECT_EQ(CompoundFile(bytes).differences(CompoundFile(out), kQuill),
              std::vector<std::string>{});
    QByteArray renamed = out;
    patchEntry(renamed, "EscherDelayStm", [](RawEntry &raw) { raw[0x40] -= 2; });
    EXPECT_EQ(CompoundFile(bytes).differences(CompoundFile(renamed), kQuill),
              std::vector<std::string>{"Escher/EscherDelayStm"});
}

TEST(Variants, chunkTableInAnotherOrderIsAcceptedAndKept)
{
    REQUIRE_CORPUS();
    const Publication source = Publication::open(corpusFile(QStringLiteral("Sample.pub")));
    Bytes stream = source.quill().build();
    const std::vector<Chunk> &chunks = source.quill().chunkFile().chunks();
    const auto tcd =
        static_cast<std::size_t>(source.quill().chunkFile().find(ChunkKind::TableCells));
    ASSERT_LT(tcd, chunks.size());
    ASSERT_EQ(source.quill().chunkFile().listCount(), 1u);
    // The table-cell entry moves to the end of the table; its bytes stay put.
    auto entry = [&](std::size_t i) { return stream.begin() + 0x20 + 24 * std::ptrdiff_t(i); };
    std::rotate(entry(tcd), entry(tcd + 1), entry(chunks.size()));

    Publication pub = Publication::fromBytes(withQuill("Sample.pub", stream), "reordered.pub");
    EXPECT_EQ(pub.quill().build(), stream);
    const QuillStream before = pub.quill();
    const std::vector<std::pair<QString, QString>> pairs{{"Top right", "Top right, longer"}};
    EXPECT_EQ(pub.replaceAll(pairs[0].first, pairs[0].second, true).replaced, 1u);
    const Publication back = Publication::fromBytes(pub.toBytes(), "out.pub");
    EXPECT_EQ(describe(back.quill()), expectedDescription(before, pairs, true));
    const std::vector<Chunk> &written = back.quill().chunkFile().chunks();
    ASSERT_EQ(written.size(), chunks.size());
    for (std::size_t i = 0; i < written.size(); ++i)
        EXPECT_EQ(written[i].typeName(), before.chunkFile().chunks()[i].typeName()) << i;

    // Overlapping chunks are still refused.
    writeU32(stream, 0x20 + 24 * (chunks.size() - 1) + 16, 512 + 2);
    EXPECT_THROW(QuillStream::parse(stream), FormatError);
}

TEST(Variants, publicationWithoutTextOpensFindsNothingAndSaves)
{
    REQUIRE_CORPUS();
    const Bytes stream = buildStream(SynthStream{});
    Publication pub = Publication::fromBytes(withQuill("Sample.pub", stream), "empty.pub");
    EXPECT_EQ(pub.quill().storyCount(), 0u);
    const ReplaceResult r = pub.replaceAll(QStringLiteral("page"), QStringLiteral("leaf"), false);
    EXPECT_EQ(r.replaced + r.leftTotal(), 0u);
    QTemporaryDir dir;
    pub.saveAs(dir.filePath(QStringLiteral("out.pub")));
    EXPECT_EQ(Publication::open(dir.filePath(QStringLiteral("out.pub"))).quill().build(), stream);
}

// Publisher 2002 to 2010 leave the story table out of publications without
// text; with the text and its tables still there, such a file opens as one
// without stories and comes out as it went in.
TEST(Variants, publicationWithoutStoryTableOpensFindsNothingAndKeepsItsText)
{
    REQUIRE_CORPUS();
    ChunkFile file = ChunkFile::parse(
        Publication::open(corpusFile(QStringLiteral("Sample.pub"))).quill().build());
    file.removeChunk(static_cast<std::size_t>(file.find(ChunkKind::StoryLengths)));
    const Bytes stream = file.build();
    Publication pub = Publication::fromBytes(withQuill("Sample.pub", stream), "metadata.pub");
    EXPECT_TRUE(pub.quill().storyless());
    const ReplaceResult r = pub.replaceAll(QStringLiteral("page"), QStringLiteral("leaf"), false);
    EXPECT_EQ(r.replaced + r.leftTotal(), 0u);
    EXPECT_EQ(Publication::fromBytes(pub.toBytes(), "out.pub").quill().build(), stream);
}

TEST(Variants, storiesGrowOnlyAsLongAsReadersKeepUnlessOneAlreadyIs)
{
    const std::u16string atLimit(kLongestStory - 2, u'x'); // "ab\r" with a replaced
    SynthStream synth;
    synth.stories = {u"ab\r", u"cd\r"};
    QuillStream q = QuillStream::parse(buildStream(synth));
    QuillStream fits = q;
    EXPECT_EQ(fits.replaceAll(u"a", atLimit, true).replaced, 1u);
    EXPECT_THROW(q.replaceAll(u"a", atLimit + u"x", true), vantrelle::Failure);
    EXPECT_EQ(qs(q.story(0)), QStringLiteral("ab\r"));

    synth.stories[1] = std::u16string(kLongestStory + 10, u'y') + u"\r";
    QuillStream longSource = QuillStream::parse(buildStream(synth));
    EXPECT_EQ(longSource.replaceAll(u"a", atLimit + u"x", true).replaced, 1u);
}

TEST(Variants, textsAPublicationCannotHoldAreRefused)
{
    SynthStream synth;
    synth.stories = {u"a\tb\r"};
    QuillStream q = QuillStream::parse(buildStream(synth));
    for (char16_t c : {0x0001, 0x0008, 0x000A, 0x000B, 0x000C, 0x000D, 0x001F, 0x007F, 0x0085,
                       0xFFFE, 0xFFFF, 0x2028, 0x2029, 0xD800, 0xDFFF}) {
        const std::u16string odd = std::u16string(u"a") + c;
        EXPECT_THROW(q.replaceAll(odd, u"b", true), vantrelle::Failure) << int(c);
        EXPECT_THROW(q.replaceAll(u"a", odd, true), vantrelle::Failure) << int(c);
    }
    EXPECT_THROW(q.replaceAll(u"", u"b", true), vantrelle::Failure);
    EXPECT_EQ(q.replaceAll(u"\t", u"\t\t", true).replaced, 1u);
}

TEST(Variants, refusalsSayWhatIsWrong)
{
    REQUIRE_CORPUS();
    const QByteArray sample = readFile(corpusFile(QStringLiteral("Sample.pub")));
    QByteArray old = sample;
    patchEntry(old, "Quill", [](RawEntry &raw) { raw[8] = 'x'; });
    // The directory reaches an empty entry.
    QByteArray warned = sample;
    patchEntry(warned, "Envelope", [](RawEntry &raw) { raw[0x42] = 0; });
    const struct {
        QByteArray bytes;
        const char *says;
    } cases[] = {
        {sample.left(600), "the file is damaged"},
        {QByteArray(4096, 'x'), "it is not a publication"},
        {old, "Publisher 97 or earlier"},
        {warned, "the file is damaged"},
    };
    for (const auto &c : cases) {
        const QString text =
            failureOf([&] { Publication::fromBytes(c.bytes, QStringLiteral("v.pub")); });
        EXPECT_TRUE(text.contains(QLatin1String(c.says)) && text.contains(u"“v.pub”"))
            << text.toStdString();
    }
}

TEST(Variants, damageCountsOnlyForTheOpenOfTheDamagedFile)
{
    REQUIRE_CORPUS();
    const QByteArray sample = readFile(corpusFile(QStringLiteral("Sample.pub")));
    QByteArray warned = sample;
    patchEntry(warned, "Envelope", [](RawEntry &raw) { raw[0x42] = 0; });
    std::atomic<int> wrong{0};
    auto openMany = [&](const QByteArray &bytes, bool accept) {
        for (int i = 0; i < 40; ++i) {
            if (failureOf([&] { Publication::fromBytes(bytes, "t.pub"); }).isEmpty() != accept)
                ++wrong;
        }
    };
    std::thread damaged(openMany, warned, false);
    std::thread sound(openMany, sample, true);
    damaged.join();
    sound.join();
    EXPECT_EQ(wrong, 0);
}

TEST(Variants, onlyRegularFilesAreOpenedAndNothingWaitsForAWriter)
{
    QTemporaryDir dir;
#ifdef Q_OS_WIN
    // Windows' own device: a name it reserves, in any folder.
    const QString fifo = dir.filePath(QStringLiteral("con.pub"));
#else
    const QString fifo = dir.filePath(QStringLiteral("x.pub"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
#endif
    for (const QString &path : {fifo, dir.path()}) {
        const QString text = failureOf([&] { Publication::open(path); });
        EXPECT_TRUE(text.contains(QLatin1String("not a regular file")) ||
                    text.contains(QLatin1String("Windows reserves the name CON")))
            << text.toStdString();
    }
    for (const QStringList &args :
         {QStringList{"--text", fifo}, {fifo, dir.filePath("o.pub"), "a", "b"}}) {
        QProcess tool;
        tool.start(QStringLiteral(VANTRELLE_REPLACE_TOOL), args);
        ASSERT_TRUE(tool.waitForFinished(20000)) << "the tool waited for a writer";
        EXPECT_EQ(tool.exitCode(), 1);
    }
}

TEST(Variants, aFullDiskIsReportedInTheSystemsWords)
{
    REQUIRE_CORPUS();
#ifdef Q_OS_WIN
    GTEST_SKIP() << "no small disk can be made for a Windows program here (Wine)";
#endif
    QTemporaryDir dir;
    QProcess mount;
    mount.start(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir.path()});
    if (!mount.waitForFinished(10000) || mount.exitCode() != 0)
        GTEST_SKIP() << "mounting a small tmpfs needs root";
    const QString text = failureOf([&] {
        Publication::open(corpusFile(QStringLiteral("Sample.pub")))
            .saveAs(dir.filePath(QStringLiteral("out.pub")));
    });
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QProcess::execute(QStringLiteral("umount"), {dir.path()});
    EXPECT_TRUE(text.contains(QLatin1String("No space left on device"))) << text.toStdString();
    EXPECT_TRUE(left.isEmpty()) << left.join(' ').toStdString();
}

// A document another program holds open to write (the publishing program
// does) is not read half-written: it fails, saying why, and opens once freed.
TEST(Variants, aFileAnotherProgramWritesIsInUse)
{
#ifndef Q_OS_WIN
    GTEST_SKIP() << "Windows sharing modes: Linux lets a reader and a writer share a file";
#endif
    REQUIRE_CORPUS();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("held.pub"));
    ASSERT_TRUE(QFile::copy(corpusFile(QStringLiteral("Sample.pub")), path));
    QFile holder(path);
    ASSERT_TRUE(holder.open(QIODevice::ReadWrite));
    const QString text = failureOf([&] { Publication::open(path); });
    EXPECT_TRUE(text.contains(QLatin1String("in use by another program"))) << text.toStdString();
    holder.close();
    EXPECT_EQ(failureOf([&] { Publication::open(path); }), QString());
}
