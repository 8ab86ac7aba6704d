// The engine behind the automation interface and the command-line tool.
#include "pubengine/publication.h"
#include "pubengine/server.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantrelle;
using namespace vantrelle::pubengine;
using namespace vantrelle::pubengine::test;

namespace {

std::shared_ptr<automation::Application> newEngine()
{
    automation::Registry registry;
    registry.Register(QString::fromUtf8(automation::kPublisherProgId), makePublisherServer());
    return registry.CreateObject(QString::fromUtf8(automation::kPublisherProgId));
}

std::shared_ptr<automation::FindReplace> prepare(automation::Application &app, const QString &find,
                                                 const QString &replace, bool matchCase = true)
{
    auto fr = app.ActiveDocument()->Find();
    fr->Clear();
    fr->SetFindText(find);
    fr->SetReplaceWithText(replace);
    fr->SetReplaceScope(automation::kReplaceScopeAll);
    fr->SetMatchCase(matchCase);
    fr->SetMatchWholeWord(false);
    return fr;
}

} // namespace

TEST(Server, isNeverRunningAndNamesItselfApartFromThePublishingProgram)
{
    auto server = makePublisherServer();
    EXPECT_EQ(server->RunningInstance(), nullptr);
    auto app = server->CreateInstance();
    ASSERT_NE(app, nullptr);
    EXPECT_NE(app->name(), QStringLiteral("Microsoft Publisher"));
    EXPECT_EQ(app->name(), QString::fromUtf8(kEngineName));
    EXPECT_THROW(app->ActiveDocument(), Failure);
}

TEST(Server, replacesInOrderAndSavesWhatItWasAskedTo)
{
    REQUIRE_CORPUS();
    QTemporaryDir dir;
    auto app = newEngine();
    app->Open(corpusFile(QStringLiteral("Sample.pub")), false, true, 1);
    auto fr = prepare(*app, QStringLiteral("page"), QStringLiteral("leaf"));
    EXPECT_TRUE(fr->Execute());
    EXPECT_EQ(dynamic_cast<NativeFindReplace &>(*fr).lastReplaced(), 6u);
    EXPECT_TRUE(prepare(*app, QStringLiteral("LEAF"), QStringLiteral("sheet"), false)->Execute());
    EXPECT_FALSE(prepare(*app, QStringLiteral("no such text"), QStringLiteral("x"))->Execute());
    const QString out = dir.filePath(QStringLiteral("out.pub"));
    EXPECT_THROW(app->ActiveDocument()->SaveAs(out, 2, true), Failure);
    EXPECT_FALSE(QFile::exists(out));
    app->ActiveDocument()->SaveAs(out, automation::kFormatPublication, true);
    app->Quit();
    EXPECT_THROW(app->ActiveDocument(), Failure);
    const QString text = qs(Publication::open(out).quill().text());
    EXPECT_TRUE(text.contains(QStringLiteral("sheet")));
    EXPECT_FALSE(text.contains(QStringLiteral("page"), Qt::CaseInsensitive));
}

TEST(Server, executeFailsForBreaksEmptyFindsAndLeftOccurrencesAndNothingIsSaved)
{
    REQUIRE_CORPUS();
    auto app = newEngine();
    app->Open(corpusFile(QStringLiteral("LinkAt10And20And30.pub")), false, true, 1);
    EXPECT_THROW(prepare(*app, QStringLiteral("LINK\r"), QStringLiteral("x"))->Execute(), Failure);
    EXPECT_THROW(prepare(*app, QStringLiteral("LINK"), QStringLiteral("x\ny"))->Execute(), Failure);
    EXPECT_THROW(prepare(*app, QString(), QStringLiteral("x"))->Execute(), Failure);
    // "0LINK" matches three times; the first swallows a whole link.
    auto fr = prepare(*app, QStringLiteral("0LINK"), QStringLiteral("-"));
    try {
        fr->Execute();
        FAIL() << "left occurrences were not reported";
    } catch (const Failure &e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("1 occurrence"))) << e.what();
        EXPECT_TRUE(e.description().contains(QStringLiteral("LinkAt10And20And30.pub")));
    }
    EXPECT_EQ(dynamic_cast<NativeFindReplace &>(*fr).lastLeft(), 1u);
    // A publication that lacks an edit asked of it is not saved.
    QTemporaryDir dir;
    EXPECT_THROW(app->ActiveDocument()->SaveAs(dir.filePath("out.pub"), 1, true), Failure);
    EXPECT_FALSE(QFile::exists(dir.filePath("out.pub")));
    EXPECT_EQ(
        qs(Publication::open(corpusFile(QStringLiteral("LinkAt10And20And30.pub"))).quill().text())
            .count(QStringLiteral("0LINK")),
        1);
}

TEST(Server, openFailureLeavesNoDocumentAndSaveNeverOverwritesTheSource)
{
    REQUIRE_CORPUS();
    QTemporaryDir dir;
    const QString source = dir.filePath(QStringLiteral("source.pub"));
    ASSERT_TRUE(QFile::copy(corpusFile(QStringLiteral("Sample.pub")), source));
    const QString link = dir.filePath(QStringLiteral("other-name.pub"));
    ASSERT_TRUE(QFile::link(source, link));
    auto app = newEngine();
    app->Open(source, false, true, 1);
    const QByteArray before = readFile(source);
    EXPECT_THROW(app->ActiveDocument()->SaveAs(link, 1, true), Failure);
    EXPECT_THROW(app->ActiveDocument()->SaveAs(dir.path() + "/./source.pub", 1, true), Failure);
    EXPECT_EQ(readFile(source), before);
    EXPECT_THROW(app->ActiveDocument()->SaveAs(dir.filePath("missing/out.pub"), 1, true), Failure);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);

    EXPECT_THROW(app->Open(corpusFile(QStringLiteral("bad-fuzzed-1.pub")), false, true, 1),
                 Failure);
    EXPECT_THROW(app->ActiveDocument(), Failure);
}

TEST(CommandLine, replacesPrintsCountsAndUsesExitCodes)
{
    REQUIRE_CORPUS();
    QTemporaryDir dir;
    const QString tool = QStringLiteral(VANTRELLE_REPLACE_TOOL);
    const QString out = dir.filePath(QStringLiteral("out.pub"));
    auto run = [&](const QStringList &args, QByteArray *stdoutText = nullptr) {
        QProcess p;
        p.start(tool, args);
        p.waitForFinished(60000);
        if (stdoutText)
            *stdoutText = p.readAllStandardOutput();
        return p.exitCode();
    };
    QByteArray printed;
    EXPECT_EQ(run({"--match-case", corpusFile("Sample.pub"), out, "page", "leaf", "Top", "Pot"},
                  &printed),
              0);
    EXPECT_TRUE(printed.contains("6 replaced, 0 left")) << printed.constData();
    EXPECT_TRUE(QFile::exists(out));
    EXPECT_EQ(run({"--text", out}, &printed), 0);
    EXPECT_TRUE(printed.contains("leaf"));
    EXPECT_TRUE(printed.contains("\n\n")); // stories apart

    // The batch form's ways of matching.
    EXPECT_EQ(run({"--whole-word", corpusFile("Sample.pub"), out, "pag", "x"}, &printed), 0);
    EXPECT_TRUE(printed.contains("0 replaced")) << printed.constData();
    EXPECT_EQ(run({"--regex", "--match-case", corpusFile("Sample.pub"), out, "p(a)ge", "le$1f"},
                  &printed),
              0);
    EXPECT_TRUE(printed.contains("6 replaced")) << printed.constData();
    EXPECT_EQ(run({"--regex", corpusFile("Sample.pub"), out, "(", "x"}), 2);

    EXPECT_EQ(run({corpusFile("Sample.pub"), out}), 2);
    EXPECT_EQ(run({corpusFile("Sample.pub"), out, "odd"}), 2);
    EXPECT_EQ(run({"--bogus", corpusFile("Sample.pub"), out, "a", "b"}), 2);
    EXPECT_EQ(run({corpusFile("bad-fuzzed-1.pub"), dir.filePath("bad.pub"), "a", "b"}), 1);
    EXPECT_EQ(run({corpusFile("LinkAt10And20And30.pub"), dir.filePath("left.pub"), "0LINK", "-"}),
              1);
    EXPECT_FALSE(QFile::exists(dir.filePath("left.pub")));

    // A text the engine refuses is refused for what it is, before any count.
    QProcess refused;
    refused.start(tool, {corpusFile("Sample.pub"), dir.filePath("break.pub"), "page", "a\nb"});
    refused.waitForFinished(60000);
    EXPECT_EQ(refused.exitCode(), 2);
    EXPECT_TRUE(refused.readAllStandardOutput().isEmpty());
    EXPECT_TRUE(refused.readAllStandardError().contains("line or paragraph break"));
}

TEST(Server, listsChangesUpToTheLimitPerOpenDocumentWhileCountingAll)
{
    REQUIRE_CORPUS();
    auto app = newEngine();
    QTemporaryDir dir;
    const QString many = dir.filePath(QStringLiteral("many.pub"));
    {
        // A real publication with well over the limit of one letter.
        Publication pub = Publication::open(corpusFile(QStringLiteral("60685.pub")));
        pub.replaceAll(QStringLiteral("e"), QStringLiteral("eeeeeeeeee"), true);
        pub.saveAs(many);
    }
    for (int round = 0; round < 2; ++round) {
        app->Open(many, false, true, 1);
        qint64 occurrences = 0;
        qint64 listed = 0;
        for (const auto &[find, replace] : {std::pair{"e", "E"}, {"E", "e"}}) {
            auto fr = prepare(*app, QString::fromUtf8(find), QString::fromUtf8(replace));
            fr->Execute();
            const auto counts = dynamic_cast<automation::CountingFindReplace &>(*fr).lastCounts();
            occurrences += counts.replaced;
            listed += counts.changes.size();
            if (!counts.changes.isEmpty()) {
                EXPECT_EQ(counts.changes.first().before.text, QString::fromUtf8(find));
            }
        }
        EXPECT_GT(occurrences, 2 * automation::kMaxChangesPerDocument);
        // The limit holds over every pair, and opening again starts it afresh.
        EXPECT_EQ(listed, automation::kMaxChangesPerDocument);
    }
}
