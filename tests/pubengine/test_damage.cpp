// Damaged input: truncated and garbled variants of every corpus file must
// either be read and edited soundly or fail with a description naming the
// file; never crash, hang or allocate without bound.
#include "pubengine/compound.h"
#include "pubengine/publication.h"
#include "testutil.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>
#include <random>

using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;

namespace {

// Opens, edits and rebuilds; returns whether the variant was accepted.
bool exercise(const QByteArray &bytes, const QString &name)
{
    try {
        Publication pub = Publication::fromBytes(bytes, name);
        pub.replaceAll(QStringLiteral("e"), QStringLiteral("EE"), false);
        pub.replaceAll(QStringLiteral("LINK"), QString(), true);
        const QByteArray out = pub.toBytes();
        // Whatever the engine accepts and writes, it must read back.
        Publication::fromBytes(out, name);
        return true;
    } catch (const vantrelle::Failure &e) {
        EXPECT_TRUE(e.description().contains(name)) << e.what();
        EXPECT_FALSE(e.description().trimmed().isEmpty());
        return false;
    }
}

} // namespace

TEST(Damage, truncatedFilesFailCleanly)
{
    REQUIRE_CORPUS();
    for (const QString &path : corpusPublications()) {
        const QByteArray bytes = readFile(path);
        const QString name = QFileInfo(path).fileName();
        for (double f : {0.0, 0.001, 0.1, 0.3, 0.5, 0.7, 0.9, 0.999}) {
            SCOPED_TRACE(name.toStdString() + " cut at " + std::to_string(f));
            exercise(bytes.left(static_cast<qsizetype>(bytes.size() * f)), name);
        }
    }
}

TEST(Damage, truncatedFilesAreRefusedOrLoseNothing)
{
    REQUIRE_CORPUS();
    for (const QString &path : corpusPublications()) {
        // Four unused sectors at the end: cuts there lose nothing and must pass.
        const QByteArray bytes = readFile(path) + QByteArray(4 * 512, '\0');
        const QString name = QFileInfo(path).fileName();
        const CompoundFile original(bytes);
        int accepted = 0;
        // Cuts at sector boundaries and inside sectors, from the header on.
        for (qsizetype cut = 512; cut < bytes.size(); cut += 512) {
            for (qsizetype at : {cut, cut + 300}) {
                SCOPED_TRACE(name.toStdString() + " cut at " + std::to_string(at));
                try {
                    const QByteArray out = Publication::fromBytes(bytes.left(at), name).toBytes();
                    ++accepted;
                    EXPECT_EQ(
                        original.differences(CompoundFile(out), {"Quill", "QuillSub", "CONTENTS"}),
                        std::vector<std::string>{});
                } catch (const vantrelle::Failure &e) {
                    EXPECT_TRUE(e.description().contains(name)) << e.what();
                }
            }
        }
        EXPECT_GE(accepted, 4) << name.toStdString();
    }
    try {
        Publication::fromBytes(readFile(corpusFile("Sample_2010.pub")).left(30000), "cut.pub");
        ADD_FAILURE() << "a file missing three of its parts was accepted";
    } catch (const vantrelle::Failure &e) {
        EXPECT_TRUE(e.description().contains("damaged")) << e.what();
    }
}

TEST(Damage, garbledFilesFailCleanlyOrStaySound)
{
    REQUIRE_CORPUS();
    std::mt19937 random(20240607);
    for (const QString &path : corpusPublications()) {
        const QByteArray original = readFile(path);
        const QString name = QFileInfo(path).fileName();
        const Publication pub = Publication::open(path);
        for (int round = 0; round < 12; ++round) {
            QByteArray bytes = original;
            // Garble a few bytes anywhere, and a few inside the text stream's
            // first sectors, where the chunk tables are.
            std::uniform_int_distribution<qsizetype> anywhere(0, bytes.size() - 1);
            for (int i = 0; i < 4; ++i)
                bytes[anywhere(random)] = static_cast<char>(random());
            SCOPED_TRACE(name.toStdString() + " round " + std::to_string(round));
            exercise(bytes, name);
        }
        // The same with the text stream alone garbled, so that the Quill
        // parser, not the container reader, meets the damage.
        const Bytes stream = pub.quill().build();
        for (int round = 0; round < 40; ++round) {
            Bytes damaged = stream;
            std::uniform_int_distribution<std::size_t> head(
                0, std::min<std::size_t>(damaged.size(), 1024) - 1);
            std::uniform_int_distribution<std::size_t> anywhere(0, damaged.size() - 1);
            damaged[head(random)] = static_cast<std::uint8_t>(random());
            damaged[anywhere(random)] = static_cast<std::uint8_t>(random());
            try {
                QuillStream q = QuillStream::parse(damaged);
                if (q.invariantViolations().empty()) {
                    q.replaceAll(u"e", u"EE", false);
                    const QuillStream back = QuillStream::parse(q.build());
                    EXPECT_TRUE(back.invariantViolations().empty());
                }
            } catch (const FormatError &e) {
                EXPECT_GT(std::strlen(e.what()), 10u);
            }
        }
    }
}

TEST(Damage, nonPublicationsAreRefused)
{
    QByteArray notCompound(4096, 'x');
    EXPECT_THROW(Publication::fromBytes(notCompound, QStringLiteral("x.pub")), vantrelle::Failure);
    try {
        Publication::fromBytes(QByteArray(), QStringLiteral("empty.pub"));
        FAIL();
    } catch (const vantrelle::Failure &e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("empty.pub")));
    }
    try {
        Publication::open(QStringLiteral("/nonexistent/folder/missing.pub"));
        FAIL();
    } catch (const vantrelle::Failure &e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("missing.pub")));
    }
}
