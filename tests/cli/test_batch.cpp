// vantrelle-replace's batch form, run as a program on real publications in
// real folders, against the window's run on the same folder.
#include "app/form1.h"
#include "fsutil/fileid.h"
#include "pubengine/publication.h"
#include "pubengine/server.h"
#include "sets/setslist.h"
#include "shell/apptitle.h"
#include "shell/automation.h"
#include "tests/support/files.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/reportwindow.h"

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include "tests/support/skip.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <sys/mount.h>
#include <unistd.h>

using namespace vantrelle;

namespace {

const QString kCorpus = QStringLiteral(VANTRELLE_CORPUS_DIR);

struct Ran {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Ran runTool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(VANTRELLE_REPLACE_TOOL), args);
    p.waitForFinished(120000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, p.readAllStandardOutput(),
            p.readAllStandardError()};
}

// Every story's text, as a reader of the output sees it.
QString storyText(const QString &path)
{
    const pubengine::Publication publication = pubengine::Publication::open(path);
    const std::u16string &text = publication.quill().text();
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// Files below a folder, relative to it, sorted.
QStringList filesBelow(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        names << QDir(folder).relativeFilePath(it.next());
    names.sort();
    return names;
}

// A report's documents with the paths made relative to root and the
// milliseconds left out, so that two runs compare.
QJsonArray comparableRows(const QJsonArray &documents, const QString &root)
{
    QJsonArray rows;
    for (const QJsonValue &value : documents) {
        QJsonObject row = value.toObject();
        row.remove(QStringLiteral("milliseconds"));
        for (const char *key : {"source", "output"})
            row[key] = QDir(root).relativeFilePath(row[key].toString());
        rows.append(row);
    }
    return rows;
}

QJsonArray reportRows(const QString &path)
{
    return QJsonDocument::fromJson(test::readFile(path))
        .object()[QStringLiteral("documents")]
        .toArray();
}

struct BatchFixture : ::testing::Test {
    QTemporaryDir dir;

    void SetUp() override
    {
        if (!QFile::exists(kCorpus + "/Sample.pub"))
            VANTRELLE_SKIP("corpus not found at " VANTRELLE_CORPUS_DIR);
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void copy(const char *corpusName, const QString &to)
    {
        QDir().mkpath(QFileInfo(path(to)).path());
        ASSERT_TRUE(QFile::copy(kCorpus + "/" + corpusName, path(to)));
        QFile(path(to)).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    }
    // A tree with what the folder walk must pass over: another extension, a
    // "~" lock file and a link back up the tree.
    void makeTree()
    {
        copy("Sample.pub", "in/Sample.pub");
        copy("Sample3.pub", "in/b/Sample3.pub");
        copy("Sample2.pub", "in/a/Sample2.pub");
        copy("Simple.pub", "in/a/deep/Simple.pub");
        copy("60685.pub", "in/a/deep/60685.pub");
        copy("Sample.pub", "in/a/~lock.pub");
        copy("Sample.txt", "in/a/Sample.txt");
        ASSERT_TRUE(QFile::link(path("in/a"), path("in/a/deep/up")));
        QDir().mkpath(path("out"));
    }
};

} // namespace

TEST_F(BatchFixture, FolderTreeGivesTheWindowsOutputsAndReport)
{
    makeTree();
    const QStringList finds = {"page", "Text"};
    const QStringList replacements = {"leaf", "Words"};

    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    automation::Registry registry;
    registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
    Form1 form({dialogs, *settings, registry});
    QDir().mkpath(path("window"));
    dialogs.inputAnswers.push_back("pub");
    dialogs.folderAnswers.push_back(path("in"));
    form.PushButton6_Click();
    form.TabControl1->setSelectedIndex(1);
    form.sets().append({finds, replacements});
    form.Check2->setChecked(true);
    form.Option1->setChecked(true);
    form.Text3->setText(path("window"));
    form.PushButton7_Click();
    ASSERT_EQ(form.reportWindow()->documentCount(), 5);

    const Ran ran = runTool({"--pair", finds[0], replacements[0], "--pair", finds[1],
                             replacements[1], "--match-case", "--out-dir", path("out"), "--report",
                             path("report.json"), path("in")});
    EXPECT_EQ(ran.status, 0) << ran.err.constData();
    EXPECT_EQ(filesBelow(path("out")), filesBelow(path("window")));
    for (const QString &name : filesBelow(path("window")))
        EXPECT_EQ(storyText(path("out/" + name)), storyText(path("window/" + name)))
            << name.toStdString();

    // The same documents in the same order, with the same outcomes and counts.
    const QJsonArray rows = reportRows(path("report.json"));
    ASSERT_EQ(rows.size(), form.reportWindow()->documentCount());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const DocumentResult &window = form.reportWindow()->document(i);
        const QJsonObject row = rows[i].toObject();
        EXPECT_EQ(row["source"].toString(), window.source);
        EXPECT_EQ(row["outcome"].toString(), outcomeText(window.outcome, false));
        EXPECT_EQ(row["replaced"].toInteger(), window.replaced());
        EXPECT_EQ(QFileInfo(row["output"].toString()).fileName(),
                  QFileInfo(window.output).fileName());
    }
}

using Mounts = std::vector<std::unique_ptr<const char, int (*)(const char *)>>;

bool quietly(const QString &program, const QStringList &args)
{
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.setStandardErrorFile(QProcess::nullDevice());
    p.start(program, args);
    return p.waitForFinished() && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A new FAT image mounted with fusefat at at: it ignores letter case and
// gives each spelling of a name its own inode number.
bool mountFatAt(const QString &image, const QString &at, Mounts &mounts)
{
    QDir().mkpath(at);
    if (!quietly("mkfs.vfat", {"-C", image, "4096"}) || !quietly("fusefat", {"-o", "rw+", image, at}))
        return false;
    mounts.emplace_back(qstrdup(QFile::encodeName(at).constData()), [](const char *where) {
        const int done = QProcess::execute("fusermount", {"-u", "-z", QFile::decodeName(where)});
        delete[] where;
        return done;
    });
    return true;
}

// A FAT image mounted at root/m, holding m/Docs/Sample.pub.
bool mountFat(const QString &root, const QString &source, Mounts &mounts)
{
    const QString at = root + "/m";
    return mountFatAt(root + "/fat.img", at, mounts) && QDir(at).mkdir("Docs") &&
           QFile::copy(source, at + "/Docs/Sample.pub");
}

// An ext4 image with case folding mounted at at, its folder "out" marked to
// fold (chattr +F); false where the kernel has no case folding.
bool mountCaseFoldingExt4At(const QString &image, const QString &at, Mounts &mounts)
{
    QDir().mkpath(at);
    QFile file(image);
    if (!file.open(QIODevice::WriteOnly) || !file.resize(qint64(16) << 20))
        return false;
    file.close();
    if (!quietly("mkfs.ext4", {"-q", "-O", "casefold", image}) ||
        !quietly("mount", {"-o", "loop", image, at}))
        return false;
    mounts.emplace_back(qstrdup(QFile::encodeName(at).constData()), [](const char *where) {
        const int done = ::umount2(where, MNT_DETACH);
        delete[] where;
        return done;
    });
    return QDir(at).mkdir("out") && quietly("chattr", {"+F", at + "/out"});
}

// Every spelling that reaches a source from the output folder: the source
// keeps its bytes, in the window and in the tool alike; a folder that spells
// the source's own (links and dots resolved) gets the _replaced name, a name
// that is the source's file by another way (a mount, a hard link, another
// letter case) is skipped with the reason.
TEST_F(BatchFixture, NoSpellingOfASourceLetsARunChangeIt)
{
    const QByteArray original = test::readFile(kCorpus + "/Sample.pub");
    struct Row {
        const char *name;
        bool beside;
        QString folder;             // the output folder, as typed
        const char *result;         // where the result lands; empty: skipped
        std::function<bool()> make; // false: this machine cannot make the spelling
        const char *source;         // the source, as listed
    };
    Mounts mounts;
    int n = 0;
    const auto row = [&](const char *name, bool beside, const QString &folder, const char *result,
                         std::function<bool(const QString &)> make,
                         const char *source = "a/Sample.pub") {
        const QString root = path(QString::number(++n));
        copy("Sample.pub", QString::number(n) + "/a/Sample.pub");
        return Row{name,   beside, beside ? QString() : root + "/" + folder, result,
                   [=] { return make(root); }, source};
    };
    const auto fat = [&](const QString &root) {
        return mountFat(root, kCorpus + "/Sample.pub", mounts);
    };
    const Row rows[] = {
        row("bind mount", false, "b/", "",
            [&](const QString &root) {
                const QByteArray b = QFile::encodeName(root + "/b");
                QDir().mkpath(root + "/b");
                if (::mount(QFile::encodeName(root + "/a").constData(), b.constData(), nullptr,
                            MS_BIND, nullptr) != 0)
                    return false;
                mounts.emplace_back(qstrdup(b.constData()), [](const char *at) {
                    const int done = ::umount2(at, MNT_DETACH);
                    delete[] at;
                    return done;
                });
                return true;
            }),
        row("symlinked folder", false, "l/", "a/Sample_replaced.pub",
            [](const QString &root) { return QFile::link(root + "/a", root + "/l"); }),
        row("hard link under the result's name", true, "", "",
            [](const QString &root) {
                return ::link(QFile::encodeName(root + "/a/Sample.pub").constData(),
                              QFile::encodeName(root + "/a/Sample_replaced.pub").constData()) == 0;
            }),
        row("dot segments", false, "a/../a/./", "a/Sample_replaced.pub",
            [](const QString &) { return true; }),
        row("trailing separators", false, "a//", "a/Sample_replaced.pub",
            [](const QString &) { return true; }),
        row("FAT: the folder in other letter case", false, "m/DOCS/", "", fat,
            "m/Docs/Sample.pub"),
        row("FAT: the name and folder in other letter case", false, "m/docs", "", fat,
            "m/DOCS/SAMPLE.PUB"),
        row("FAT: beside the source", true, "", "m/Docs/Sample_replaced.pub", fat,
            "m/Docs/Sample.pub"),
    };
    QStringList notMade;
    for (int i = 0; i < n; ++i) {
        const Row &r = rows[i];
        SCOPED_TRACE(r.name);
        if (!r.make()) {
            notMade << r.name;
            continue;
        }
        const QString root = path(QString::number(i + 1));
        const QString source = root + "/" + r.source;

        test::ScriptedDialogs dialogs;
        test::TempSettings settings;
        automation::Registry registry;
        registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
        Form1 form({dialogs, *settings, registry});
        form.ListView1->append(source);
        (r.beside ? form.Option2 : form.Option1)->setChecked(true);
        form.Text3->setText(r.folder);
        form.Text1->setPlainText("page");
        form.PushButton7_Click();
        ASSERT_EQ(form.reportWindow()->documentCount(), 1);
        const DocumentResult &window = form.reportWindow()->document(0);

        QStringList args{"--pair", "page", "leaf", "--report", root + "/r.json", source};
        args += r.beside ? QStringList{"--beside"} : QStringList{"--out-dir", r.folder};
        const Ran ran = runTool(args);
        const QJsonObject tool = reportRows(root + "/r.json")[0].toObject();

        EXPECT_EQ(test::readFile(source), original);
        if (*r.result) {
            EXPECT_EQ(window.outcome, Outcome::Written);
            EXPECT_TRUE(SameFile(window.output, root + "/" + r.result))
                << window.output.toStdString();
            EXPECT_EQ(ran.status, 0) << ran.err.constData();
            EXPECT_EQ(tool["outcome"].toString(), "written");
            EXPECT_NE(test::readFile(root + "/" + r.result), original);
        } else {
            EXPECT_EQ(window.outcome, Outcome::Skipped);
            const char *why = "the same file as the document itself";
            EXPECT_TRUE(dialogs.texts("notice").join("").contains(why));
            EXPECT_TRUE(window.errors.join("").contains(why));
            EXPECT_EQ(ran.status, 1);
            EXPECT_EQ(tool["outcome"].toString(), "skipped");
            EXPECT_TRUE(ran.err.contains(why)) << ran.err.constData();
        }
    }
    if (!notMade.isEmpty())
        GTEST_SKIP() << "not checked, as this machine cannot make them (a mount, or fusefat and "
                        "mkfs.vfat): "
                     << notMade.join("; ").toStdString();
}

// Two sources of one name in two letter cases, their results and PDFs into
// one folder. Where the folder ignores letter case the second would land on
// the first: it is refused with the reason, by Count too, and its PDF fails
// with its own. Elsewhere both are written. Never two "written" and one file.
TEST_F(BatchFixture, EveryResultIsItsOwnWhereTheFolderIgnoresLetterCase)
{
    struct Row {
        const char *name;
        bool folds;
        std::function<QString(const QString &root)> make; // the folder; empty: cannot be made
    };
    Mounts mounts;
    const Row rows[] = {
        {"a plain folder", false,
         [](const QString &root) { return QDir().mkpath(root + "/plain") ? root + "/plain" : ""; }},
        {"FAT through fusefat", true,
         [&](const QString &root) {
             return mountFatAt(root + "/fat.img", root + "/fat", mounts) ? root + "/fat" : "";
         }},
        {"ext4 with case folding (chattr +F)", true,
         [&](const QString &root) {
             return mountCaseFoldingExt4At(root + "/ext4.img", root + "/ext4", mounts)
                        ? root + "/ext4/out"
                        : "";
         }},
    };
    const QStringList pair = {"--pair", "page", "leaf"};
    QStringList notMade;
    int n = 0;
    for (const Row &r : rows) {
        SCOPED_TRACE(r.name);
        const QString root = path(QString::number(++n));
        copy("Sample.pub", QString::number(n) + "/src1/Report.pub");
        copy("Sample2.pub", QString::number(n) + "/src2/REPORT.pub");
        const QString folder = r.make(root);
        if (folder.isEmpty()) {
            notMade << r.name;
            continue;
        }
        const QStringList sources = {root + "/src1/Report.pub", root + "/src2/REPORT.pub"};
        QStringList expected;
        for (const QString &source : sources) {
            auto publication = pubengine::Publication::open(source);
            publication.replaceAll("page", "leaf", false);
            expected << QString::fromStdU16String(publication.quill().text());
        }
        const QStringList outcomes = {"written", r.folds ? "skipped" : "written"};
        // Each result that says "written" is there, holding its own source's
        // text; no other file is.
        const auto expectOwnResults = [&](const QString &out, const QStringList &said,
                                          const QStringList &outputs) {
            EXPECT_EQ(said, outcomes);
            EXPECT_EQ(filesBelow(out).size(), said.count("written"));
            for (qsizetype i = 0; i < said.size(); ++i) {
                if (said[i] == "written") {
                    EXPECT_EQ(storyText(outputs[i]), expected[i]) << i;
                }
            }
        };
        const auto toolRun = [&](const QString &out, const QStringList &options) {
            QDir().mkpath(out);
            const Ran ran = runTool(pair + options +
                                    QStringList{"--out-dir", out, "--report", root + "/r.json"} +
                                    sources);
            QStringList said, outputs;
            for (const QJsonValue &row : reportRows(root + "/r.json")) {
                said << row["outcome"].toString().replace("would be written", "written");
                outputs << row["output"].toString();
            }
            EXPECT_EQ(ran.status, r.folds ? 1 : 0) << ran.err.constData();
            EXPECT_EQ(r.folds, ran.err.contains("written in this run")) << ran.err.constData();
            return std::pair{said, outputs};
        };

        const auto counted = toolRun(folder + "/count", {"--dry-run"});
        EXPECT_EQ(counted.first, outcomes);
        EXPECT_TRUE(filesBelow(folder + "/count").isEmpty());
        const auto [said, outputs] = toolRun(folder + "/tool", {});
        expectOwnResults(folder + "/tool", said, outputs);

        test::ScriptedDialogs dialogs;
        test::TempSettings settings;
        automation::Registry registry;
        registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
        Form1 form({dialogs, *settings, registry});
        for (const QString &source : sources)
            form.ListView1->append(source);
        form.Option1->setChecked(true);
        QDir().mkpath(folder + "/window");
        form.Text3->setText(folder + "/window");
        form.Text1->setPlainText("page");
        form.Text2->setPlainText("leaf");
        form.PushButton7_Click();
        ASSERT_EQ(form.reportWindow()->documentCount(), 2);
        const ReportWindow &report = *form.reportWindow();
        expectOwnResults(folder + "/window",
                         {outcomeText(report.document(0).outcome, false),
                          outcomeText(report.document(1).outcome, false)},
                         {report.document(0).output, report.document(1).output});
        EXPECT_EQ(r.folds, dialogs.texts("notice").join("").contains("written in this run"));

        // The PDFs of results beside their sources, Report_replaced.pdf and
        // REPORT_replaced.pdf, into the folder.
        if (QStandardPaths::findExecutable("soffice").isEmpty()) {
            notMade << QString(r.name) + ": its PDFs (LibreOffice is not installed)";
            continue;
        }
        QDir().mkpath(folder + "/pdf");
        const Ran pdfs = runTool(pair + QStringList{"--beside", "--pdf-dir", folder + "/pdf",
                                                    "--report", root + "/p.json"} +
                                 sources);
        QStringList pdfOutcomes;
        for (const QJsonValue &row : reportRows(root + "/p.json"))
            pdfOutcomes << row["pdf"]["outcome"].toString();
        EXPECT_EQ(pdfOutcomes, (QStringList{"written", r.folds ? "failed" : "written"}))
            << pdfs.err.constData();
        EXPECT_EQ(filesBelow(folder + "/pdf").size(), pdfOutcomes.count("written"));
        EXPECT_EQ(r.folds, pdfs.err.contains("the same name")) << pdfs.err.constData();
    }
    if (!notMade.isEmpty())
        GTEST_SKIP() << "not checked, as this machine cannot make them: "
                     << notMade.join("; ").toStdString();
}

TEST_F(BatchFixture, OutcomesOfARunInExitStatusFilesAndReport)
{
    struct Case {
        const char *name;
        QStringList options;
        int status;
        QStringList outputs;
        QStringList outcomes; // report rows in list order
    };
    // "@name" stands for that name in the test's folder.
    const QStringList pair = {"--pair", "page", "leaf"};
    const QStringList toOut = {"--out-dir", "@out"};
    const QStringList bothOut = {"out/Sample.pub", "out/Sample2.pub"};
    const QStringList written = {"written", "written"};
    const Case cases[] = {
        {"one folder to another", pair + toOut, 0, bothOut, written},
        {"dry run writes nothing",
         pair + toOut + QStringList{"--dry-run"},
         0,
         {},
         {"would be written", "would be written"}},
        {"beside the sources",
         pair + QStringList{"--beside"},
         0,
         {"in/Sample_replaced.pub", "in/sub/Sample2_replaced.pub"},
         written},
        {"nothing to replace is written unchanged",
         QStringList{"--pair", "no such words", "x"} + toOut,
         0,
         bothOut,
         {"nothing to replace", "nothing to replace"}},
        {"damaged document among good ones",
         pair + toOut + QStringList{"@bad.pub"},
         1,
         bothOut,
         {"failed", "written", "written"}},
        {"result would replace an earlier one",
         pair + toOut + QStringList{"@in/sub/Sample2.pub"},
         1,
         bothOut,
         {"written", "written", "skipped"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QTemporaryDir tmp;
        dir.swap(tmp);
        copy("Sample.pub", "in/Sample.pub");
        copy("Sample2.pub", "in/sub/Sample2.pub");
        copy("bad-fuzzed-1.pub", "bad.pub");
        QDir().mkpath(path("out"));
        // The damaged document's older result: a failed edit leaves it as it was.
        test::writeFile(path("out/bad.pub"), "older result");
        const QStringList before = filesBelow(path("."));
        QStringList args;
        for (const QString &a : c.options)
            args << (a.startsWith('@') ? path(a.mid(1)) : a);
        const Ran ran = runTool(args + QStringList{"--report", path("r.json"), path("in")});
        EXPECT_EQ(ran.status, c.status) << ran.err.constData();
        // Standard error is no terminal here: no progress, what went wrong and
        // the line of totals, so a script's log shows what happened.
        const QList<QByteArray> said = ran.err.trimmed().split('\n');
        EXPECT_EQ(said.size() == 1, c.status == 0) << ran.err.constData();
        EXPECT_TRUE(said.last().contains(" documents: ")) << ran.err.constData();
        QStringList added = filesBelow(path("."));
        for (const QString &name : before + QStringList{"r.json"})
            added.removeOne(name);
        EXPECT_EQ(added, c.outputs);
        QStringList outcomes;
        for (const QJsonValue &row : reportRows(path("r.json"))) {
            outcomes << row["outcome"].toString();
            const bool done = row["outcome"] != "failed" && row["outcome"] != "skipped";
            EXPECT_EQ(row["errors"].toArray().isEmpty(), done);
            EXPECT_EQ(row["output"].toString().isEmpty(), !done);
        }
        EXPECT_EQ(outcomes, c.outcomes);
        EXPECT_EQ(test::readFile(path("out/bad.pub")), "older result");
    }
}

TEST_F(BatchFixture, OneJobAndTwoJobsGiveTheSameOutputsAndReport)
{
    makeTree();
    copy("bad-fuzzed-1.pub", "in/b/bad.pub");
    QDir().mkpath(path("out2"));
    const QStringList args = {"--pair", "e", "E", "--pair", "LINK", ""};
    const Ran one = runTool(args + QStringList{"-j", "1", "--out-dir", path("out"), "--report",
                                               path("one.json"), path("in")});
    const Ran two = runTool(args + QStringList{"--jobs", "2", "--out-dir", path("out2"), "--report",
                                               path("two.json"), path("in")});
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(two.status, 1);
    ASSERT_EQ(filesBelow(path("out")), filesBelow(path("out2")));
    for (const QString &name : filesBelow(path("out")))
        EXPECT_EQ(test::readFile(path("out/" + name)), test::readFile(path("out2/" + name)));
    QJsonArray rowsOne = comparableRows(reportRows(path("one.json")), path("."));
    QJsonArray rowsTwo = comparableRows(reportRows(path("two.json")), path("."));
    for (QJsonValueRef row : rowsTwo) {
        QJsonObject r = row.toObject();
        r["output"] = r["output"].toString().replace("out2/", "out/");
        row = r;
    }
    EXPECT_EQ(rowsOne, rowsTwo);
    EXPECT_EQ(rowsOne.size(), 6);
}

TEST_F(BatchFixture, InterruptLeavesNoTemporaryFileAndReportsWhatWasWritten)
{
    // 2,000 names of one small publication: hard links cost no disk.
    copy("Sample98.pub", "in/0000.pub");
    for (int i = 1; i < 2000; ++i)
        ASSERT_EQ(
            ::link(path("in/0000.pub").toLocal8Bit().constData(),
                   path(QString("in/%1.pub").arg(i, 4, 10, QChar('0'))).toLocal8Bit().constData()),
            0);
    QDir().mkpath(path("out"));
    QProcess p;
    p.start(QStringLiteral(VANTRELLE_REPLACE_TOOL),
            {"--pair", "a", "b", "--jobs", "2", "--out-dir", path("out"), "--report",
             path("r.json"), path("in")});
    ASSERT_TRUE(p.waitForStarted());
    while (QDir(path("out")).isEmpty() && p.state() == QProcess::Running)
        QThread::msleep(5);
    ::kill(pid_t(p.processId()), SIGINT);
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 130) << p.readAllStandardError().constData();

    QStringList writtenRows;
    int notReached = 0;
    const QJsonArray rows = reportRows(path("r.json"));
    for (const QJsonValue &row : rows) {
        if (row["outcome"] == "written")
            writtenRows << QDir(path("out")).relativeFilePath(row["output"].toString());
        notReached += row["outcome"] == "not reached";
    }
    writtenRows.sort();
    EXPECT_EQ(rows.size(), 2000);
    EXPECT_EQ(writtenRows.size() + notReached, 2000);
    EXPECT_GT(notReached, 0);
    // Only whole results, each one in the report: no temporary file is left.
    EXPECT_EQ(filesBelow(path("out")), writtenRows);
}

TEST_F(BatchFixture, BadCommandLinesWriteNothing)
{
    copy("Sample.pub", "in/Sample.pub");
    QDir().mkpath(path("out"));
    test::writeFile(path("big.txt"), QByteArray("a::b\r\n").repeated(kMaxSets + 1));
    test::writeFile(path("ctl.txt"), "one::two\r\nx::y\x01z\r\n");
    // The lone surrogate goes in UTF-16, the only way a sets file can carry one.
    test::writeFile(path("half.txt"), QByteArray("\xFF\xFE"
                                                 "e\0:\0:\0\x00\xD8",
                                                 10));
    const QString out = path("out");
    const struct {
        QStringList args;
        const char *says;
    } cases[] = {
        {{"--pair", "", "x", "--out-dir", out}, "find text is empty"},
        {{"--pair", "a", "b", "--pair", "c", "d\u2028", "--out-dir", out}, "of pair 2 (“c”)"},
        {{"--sets", path("half.txt"), "--out-dir", out}, "surrogate U+D800"},
        {{"--pair", "a", "line\nbreak", "--out-dir", out}, "U+000A"},
        {{"--sets", path("ctl.txt"), "--out-dir", out}, "U+0001"},
        {{"--sets", path("missing.txt"), "--out-dir", out}, "was not found"},
        {{"--sets", path("big.txt"), "--out-dir", out}, "1 line of the file was not loaded"},
        {{"--pair", "a", "b"}, "--out-dir DIR or --beside"},
        {{"--pair", "a", "b", "--beside", "--out-dir", out}, "cannot both be given"},
        {{"--beside", "--dry-run"}, "Say what to replace"},
        {{"--pair", "a", "b", "--sets", path("ctl.txt"), "--beside"}, "not both"},
        {{"--pair", "a", "b", "--out-dir", path("nowhere")}, "does not exist"},
        {{"--pair", "a", "b", "--beside", "--jobs", "0"}, "--jobs"},
        {{"--pair", "a", "b", "--beside", "--report", path("r.txt")}, ".json or .csv"},
        {{"--pair", "a", "b", "--beside", "--bogus"}, "Unknown option 'bogus'"},
        {{"--pair", "a", "b", "--beside", path("no.pub")}, "no.pub was not found"},
        {{"--regex", "--pair", "x(y", "z", "--beside"}, "at position 3, after “x(y”"},
        {{"--regex", "--pair", "a|", "z", "--beside"}, "matches an empty text"},
        {{"--regex", "--pair", "(a)", "$1$2", "--beside"}, "refers to group 2"},
        {{"--pair", "a", "b", "--beside", "--engine", "fast"}, "native or program"},
        {{"--pair", "a", "b", "--beside", "--engine", "program"}, "on Windows only"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.says);
        const Ran ran = runTool(c.args + QStringList{path("in")});
        EXPECT_EQ(ran.status, 2);
        EXPECT_TRUE(ran.err.contains(c.says)) << ran.err.constData();
    }
    EXPECT_EQ(filesBelow(path(".")),
              (QStringList{"big.txt", "ctl.txt", "half.txt", "in/Sample.pub"}));
}

// Both forms of the command line are read by one parser: one wording, one
// exit status, one way to the help.
TEST_F(BatchFixture, EveryFormSaysTheSameOfAMistake)
{
    const QByteArray unknown = "vantrelle-replace: Unknown option 'frob'.\n"
                               "Try 'vantrelle-replace --help'.\n";
    for (const QStringList &args :
         {QStringList{"--frob"}, QStringList{"a.pub", "b.pub", "x", "--frob"},
          QStringList{"--pair", "a", "b", "--beside", "--frob", path("in")}}) {
        const Ran ran = runTool(args);
        EXPECT_EQ(ran.status, 2) << args.join(' ').toStdString();
        EXPECT_EQ(ran.err, unknown) << args.join(' ').toStdString();
    }
    const Ran short_ = runTool({"a.pub", "b.pub", "x"});
    EXPECT_EQ(short_.status, 2);
    EXPECT_TRUE(short_.err.endsWith("Try 'vantrelle-replace --help'.\n")) << short_.err.constData();
}

TEST_F(BatchFixture, SetsFileIsReadAsLoadSetsReadsIt)
{
    copy("Sample.pub", "in/Sample.pub");
    // UTF-16 with its mark, another separator, a line without it passed over.
    const QString sets = QStringLiteral("page=>leaf\r\nno separator here\r\nTop=>Pot\r\n");
    QByteArray bytes("\xFF\xFE");
    bytes += QByteArray(reinterpret_cast<const char *>(sets.utf16()), sets.size() * 2);
    test::writeFile(path("sets.txt"), bytes);
    const Ran ran = runTool({"--sets", path("sets.txt"), "--separator", "=>", "--match-case",
                             "--beside", "--report", "-", path("in")});
    EXPECT_EQ(ran.status, 0) << ran.err.constData();
    const QJsonObject row = QJsonDocument::fromJson(ran.out).object();
    const QJsonArray pairs = row["pairs"].toArray();
    ASSERT_EQ(pairs.size(), 2);
    EXPECT_EQ(pairs[0]["find"], "page");
    EXPECT_EQ(pairs[1]["replacement"], "Pot");
    EXPECT_EQ(row["replaced"].toInteger(), 6 + pairs[1]["replaced"].toInteger());
    EXPECT_EQ(row["matching"].toObject(),
              (QJsonObject{{"matchCase", true},
                           {"wholeWords", false},
                           {"regularExpression", false},
                           {"keepCase", false}}));
    EXPECT_TRUE(storyText(path("in/Sample_replaced.pub")).contains("Pot"));
}

TEST_F(BatchFixture, DryRunWithACsvReportWritesOnlyTheReport)
{
    copy("Sample.pub", "in/Sample.pub");
    copy("Sample2.pub", "in/Sample2.pub");
    const Ran ran = runTool({"--dry-run", "--report", path("counts.csv"), "--pair", "page", "leaf",
                             "--beside", path("in")});
    EXPECT_EQ(ran.status, 0) << ran.err.constData();
    const QByteArray csv = test::readFile(path("counts.csv"));
    EXPECT_TRUE(csv.startsWith("\xEF\xBB\xBF"
                               "Document,Outcome,Replacements"));
    const QStringList lines = QString::fromUtf8(csv).split("\r\n");
    ASSERT_EQ(lines.size(), 4); // header, two rows, the last line's end
    EXPECT_EQ(lines.filter(",would be written,6,0,").size(), 2) << csv.constData();
    EXPECT_TRUE(csv.contains(path("in/Sample2_replaced.pub").toUtf8()));
    EXPECT_EQ(filesBelow(path(".")),
              (QStringList{"counts.csv", "in/Sample.pub", "in/Sample2.pub"}));
}

TEST_F(BatchFixture, ShowChangesPrintsEachReplacementInItsContext)
{
    copy("Sample.pub", "in/Sample.pub");
    const Ran ran =
        runTool({"--dry-run", "--show-changes", "--pair", "page", "leaf", "--beside", path("in")});
    EXPECT_EQ(ran.status, 0) << ran.err.constData();
    const QStringList lines = QString::fromUtf8(ran.out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7) << ran.out.constData(); // the document, then its six changes
    EXPECT_EQ(lines[0], path("in/Sample.pub") + ":");
    for (const QString &line : lines.mid(1))
        EXPECT_TRUE(line.contains("[page]") && line.contains("[leaf]")) << line.toStdString();
    // No colour when standard output is not a terminal.
    EXPECT_FALSE(ran.out.contains('\x1b'));
    EXPECT_EQ(
        runTool({"--show-changes", "--report", "-", "--pair", "a", "b", "--beside", path("in")})
            .status,
        2);
}

TEST_F(BatchFixture, EarlierResultsAreLeftOutWithANoteUnlessAskedFor)
{
    copy("Sample.pub", "in/Sample.pub");
    copy("Sample.pub", "in/Sample_replaced.pub");
    copy("Sample2.pub", "in/Other_replaced.pub"); // no Other.pub: an original
    const struct {
        QStringList extra;
        int documents;
        bool note;
        int status; // Sample.pub's result would replace a listed document
    } cases[] = {{{}, 2, true, 0}, {{"--include-results"}, 3, false, 1}};
    for (const auto &c : cases) {
        const Ran ran = runTool(QStringList{"--pair", "page", "leaf", "--beside", "--dry-run",
                                            "--report", path("r.json")} +
                                c.extra + QStringList{path("in")});
        EXPECT_EQ(ran.status, c.status) << ran.err.constData();
        EXPECT_EQ(reportRows(path("r.json")).size(), c.documents);
        EXPECT_EQ(ran.err.contains("1 file left out"), c.note) << ran.err.constData();
    }
}

namespace {

// The options named in a text: "-j", "--jobs", each with its value's name.
using OptionNames = QMap<QString, QString>;

void addNames(OptionNames &names, const QString &tag)
{
    static const QRegularExpression option(QStringLiteral(R"((?:^|[\s`,(])(--?[a-z][a-z-]*)(?: ([A-Z](?:[A-Z ]*[A-Z])?|-(?=\s|$|`)))?)"));
    for (auto it = option.globalMatch(tag); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1) != "--" && !names.contains(m.captured(1)))
            names.insert(m.captured(1), m.captured(2).trimmed());
    }
}

} // namespace

// --help is made from the tool's table of options; the man page and the
// tool's page (docs/tool.md) must name the same options with the same values.
TEST(ToolOptions, HelpManPageAndToolPageNameTheSameOptions)
{
    const QString help = QString::fromUtf8(runTool({"--help"}).out);
    OptionNames fromHelp;
    for (const QString &line : help.split('\n')) {
        if (line.startsWith("  -"))
            addNames(fromHelp, line.left(22));
    }

    const QString source = QStringLiteral(VANTRELLE_SOURCE_DIR);
    QString man = QString::fromUtf8(test::readFile(source + "/cli/vantrelle-replace.1"));
    man = man.section(".SH OPTIONS", 1).section("\n.SH ", 0, 0);
    man.replace(QRegularExpression(R"(\\f[BIR])"), "").replace("\\-", "-").replace("\"", "");
    OptionNames fromMan;
    const QStringList manLines = man.split('\n');
    for (qsizetype i = 0; i + 1 < manLines.size(); ++i) {
        if (manLines[i] == ".TP")
            addNames(fromMan, manLines[i + 1].section(' ', 1).replace(", ", " ").replace("  ", " "));
    }
    EXPECT_EQ(fromMan, fromHelp);

    const QString readme = QString::fromUtf8(test::readFile(source + "/docs/tool.md"))
                               .section("## The command-line tool", 1)
                               .section("\n### ", 0, 0);
    OptionNames fromReadme;
    addNames(fromReadme, readme);
    for (auto it = fromHelp.begin(); it != fromHelp.end(); ++it) {
        if (it.key().startsWith("--")) {
            EXPECT_TRUE(fromReadme.contains(it.key())) << it.key().toStdString();
        }
    }
    for (auto it = fromReadme.begin(); it != fromReadme.end(); ++it)
        EXPECT_TRUE(fromHelp.contains(it.key())) << it.key().toStdString();
}

// The tool and the window's About tell the same version, the build's.
TEST(ToolOptions, VersionIsTheBuildsVersion)
{
    EXPECT_EQ(QString::fromUtf8(runTool({"--version"}).out),
              "vantrelle-replace " + productVersion() + "\n");
}

TEST_F(BatchFixture, APlanFromADryRunWritesExactlyTheChangesItStillHolds)
{
    copy("Sample.pub", "in/Sample.pub");
    copy("Sample2.pub", "in/Sample2.pub");
    const QStringList pair{"--pair", "page", "leaf"};
    ASSERT_EQ(runTool(QStringList{"-q", "--dry-run", "--report", path("plan.json"), "--out-dir",
                                  path("in")} + pair + QStringList{path("in")})
                  .status,
              0);
    QDir().mkpath(path("plain"));
    ASSERT_EQ(runTool(QStringList{"-q", "--out-dir", path("plain")} + pair + QStringList{path("in")})
                  .status,
              0);
    const auto apply = [&](const QString &plan, const QString &out) {
        QDir().mkpath(path(out));
        return runTool({"-q", "--apply", path(plan), "--out-dir", path(out)});
    };
    // Untouched: the bytes of a plain run.
    EXPECT_EQ(apply("plan.json", "all").status, 0);
    for (const char *name : {"Sample.pub", "Sample2.pub"})
        EXPECT_EQ(test::readFile(path("all/") + name), test::readFile(path("plain/") + name));

    // Every other change dropped from the plan, as `jq` would: the engine's
    // own result of the changes kept.
    QJsonObject plan = QJsonDocument::fromJson(test::readFile(path("plan.json"))).object();
    QJsonArray documents = plan["documents"].toArray();
    for (QJsonValueRef d : documents) {
        QJsonObject doc = d.toObject();
        QJsonArray kept;
        for (const QJsonValue &c : doc["changes"].toArray())
            if (c["id"].toInt() % 2 == 1)
                kept.append(c);
        doc["changes"] = kept;
        d = doc;
    }
    plan["documents"] = documents;
    test::writeFile(path("half.json"), QJsonDocument(plan).toJson());
    EXPECT_EQ(apply("half.json", "half").status, 0);
    for (const QJsonValue &d : documents) {
        std::vector<pubengine::ChosenChange> chosen;
        for (const QJsonValue &c : d["changes"].toArray())
            chosen.push_back({{0, std::size_t(c["story"].toInt()), {std::uint32_t(c["position"].toInt())}},
                              c["before"]["text"].toString().toStdU16String(), true});
        auto pub = pubengine::Publication::open(d["source"].toString());
        pub.replaceAll("page", "leaf", MatchOptions{}, 0, {}, false, &chosen);
        const std::u16string &text = pub.quill().text();
        const QString name = QFileInfo(d["source"].toString()).fileName();
        EXPECT_EQ(storyText(path("half/") + name),
                  QString::fromUtf16(text.data(), qsizetype(text.size())));
        EXPECT_NE(storyText(path("half/") + name), storyText(path("plain/") + name));
    }

    // A source touched since: not written, with the reason; the other is.
    QFile touch(path("in/Sample2.pub"));
    ASSERT_TRUE(touch.open(QIODevice::ReadWrite));
    ASSERT_TRUE(touch.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                  QFileDevice::FileModificationTime));
    touch.close();
    const Ran touched = apply("plan.json", "touched");
    EXPECT_EQ(touched.status, 1);
    EXPECT_TRUE(touched.err.contains("changed since it was reviewed")) << touched.err.constData();
    EXPECT_EQ(filesBelow(path("touched")), QStringList{"Sample.pub"});
}
