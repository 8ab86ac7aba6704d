// "Start Replacing" as a user drives it: the real window (offscreen), the real
// engine and real publications. Each result is compared with what the engine
// alone makes of the same source and pairs; the PDFs of the results, as
// LibreOffice makes them, show the replacements.
#include "app/form1.h"
#include "pubengine/publication.h"
#include "pubengine/server.h"
#include "pubwriter/writer.h"
#include "sets/setslist.h"
#include "shell/apptitle.h"
#include "shell/automation.h"
#include "shell/errorreport.h"
#include "shell/settings.h"
#include "tests/support/files.h"
#include "tests/support/pdffiles.h"
#include "tests/support/recordingserver.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/changelist.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/form2.h"
#include "widgets/reportwindow.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "tests/support/skip.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <sys/stat.h>

using namespace vantrelle;

namespace {

// The corpus of real publications or, where it is absent (a plain clone), the
// build's own samples under the names of the corpus files they stand in for:
// the window's tests run on those, and only a test that needs what a corpus
// file holds skips.
const QString &corpusDir()
{
    static const QString dir = [] {
        const QString corpus = QStringLiteral(VANTRELLE_CORPUS_DIR);
        if (QFile::exists(corpus + "/Sample.pub"))
            return corpus;
        static QTemporaryDir standIns;
        const QString samples = QStringLiteral(VANTRELLE_SAMPLES_DIR);
        for (const auto &[as, sample] : {std::pair{"Sample.pub", "Neighbourhood-Newsletter.pub"},
                                         {"Sample2.pub", "Spring-Fair-Flyer.pub"},
                                         {"Sample3.pub", "Letterhead.pub"}})
            QFile::copy(samples + "/" + sample, standIns.filePath(as));
        return standIns.path();
    }();
    return dir;
}

bool onSamples()
{
    return corpusDir() != QStringLiteral(VANTRELLE_CORPUS_DIR);
}

// Why a test that needs the corpus's own texts or files skips on the samples.
const char kNeedsCorpus[] = "corpus not found at " VANTRELLE_CORPUS_DIR
                            " (the test needs its texts; the samples stand in elsewhere)";

QString storiesText(const pubengine::Publication &pub)
{
    const std::u16string &text = pub.quill().text();
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// The text the engine alone makes of source with the pairs.
QString engineText(const QString &source, const QList<QPair<QString, QString>> &pairs,
                   bool matchCase)
{
    auto pub = pubengine::Publication::open(source);
    for (const auto &[find, replacement] : pairs)
        pub.replaceAll(find, replacement, matchCase);
    return storiesText(pub);
}

enum class Entry { Typed, AddSet, LoadSets };

struct Window : ::testing::Test {
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    automation::Registry registry;
    QTemporaryDir dir;
    std::unique_ptr<Form1> form;

    void SetUp() override
    {
        if (!QFile::exists(corpusDir() + "/Sample.pub"))
            VANTRELLE_SKIP("neither the corpus nor the build's samples were found");
        open();
    }
    void open()
    {
        registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
        form = std::make_unique<Form1>(Form1Services{dialogs, *settings, registry});
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    QString path(const QString &name) const { return dir.filePath(name); }

    // A copy of a corpus file in the folder "in", listed.
    QString addCopy(const QString &corpusName, const QString &as = {})
    {
        QDir(dir.path()).mkpath("in");
        const QString copy = path("in/" + (as.isEmpty() ? corpusName : as));
        QFile::copy(corpusDir() + "/" + corpusName, copy);
        form->ListView1->append(copy);
        return copy;
    }
    void type(QPlainTextEdit *box, const QString &text)
    {
        box->clear();
        QTest::keyClicks(box, text);
    }
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    void resultsTo(const QString &folder)
    {
        QDir(dir.path()).mkpath(folder);
        click(form->Option1);
        form->Text3->setText(path(folder) + "/");
    }
    void enterPairs(Entry entry, const QList<QPair<QString, QString>> &pairs)
    {
        if (entry == Entry::Typed) {
            form->TabControl1->setSelectedIndex(0);
            type(form->Text1, pairs[0].first);
            type(form->Text2, pairs[0].second);
            return;
        }
        form->TabControl1->setSelectedIndex(1);
        if (entry == Entry::AddSet) {
            for (const auto &[find, replacement] : pairs) {
                dialogs.inputAnswers.push_back(find + "::" + replacement);
                click(form->PushButton1);
            }
            return;
        }
        QByteArray file;
        for (const auto &[find, replacement] : pairs)
            file += (find + "::" + replacement + "\r\n").toUtf8();
        test::writeFile(path("sets.txt"), file);
        QTimer::singleShot(0, [this] {
            auto *load = qobject_cast<Form2 *>(QApplication::activeModalWidget());
            ASSERT_NE(load, nullptr);
            load->Text1->setText(path("sets.txt"));
            load->PushButton1->click();
        });
        click(form->PushButton10);
    }
    QStringList filesUnder(const QString &folder) const
    {
        QStringList out;
        for (const QFileInfo &f : QDir(path(folder)).entryInfoList(QDir::Files | QDir::System))
            out << f.fileName();
        return out;
    }
};

// What a reader of a result's PDF sees: its two pages, the replacement and
// not the replaced text.
void expectShowsReplacement(const QString &pdf)
{
    SCOPED_TRACE(pdf.toStdString());
    const test::PdfSeen seen = test::readPdf(pdf);
    EXPECT_EQ(seen.pages, 2);
    EXPECT_TRUE(seen.text.contains(QStringLiteral("opening leaf")));
    EXPECT_FALSE(seen.text.contains(QStringLiteral("first page")));
}

} // namespace

TEST_F(Window, EveryWayOfEnteringPairsGivesWhatTheEngineAloneGives)
{
    if (onSamples())
        GTEST_SKIP() << kNeedsCorpus;
    using Pairs = QList<QPair<QString, QString>>;
    const struct {
        const char *name;
        Qt::CheckState box;
        Entry entry;
        bool beside;
        QStringList documents;
        Pairs pairs;
    } rows[] = {
        // "This" occurs, "this" does not: only an unticked box replaces it.
        {"unticked",
         Qt::Unchecked,
         Entry::Typed,
         false,
         {"Sample.pub", "Sample2.pub"},
         {{"this", "THAT"}}},
        {"ticked", Qt::Checked, Entry::Typed, false, {"Sample.pub"}, {{"this", "THAT"}}},
        {"grayed", Qt::PartiallyChecked, Entry::Typed, true, {"Sample.pub"}, {{"this", "THAT"}}},
        {"add set",
         Qt::Checked,
         Entry::AddSet,
         false,
         {"Sample.pub", "60685.pub"},
         {{"This", "That"}, {"page", "PAGE"}}},
        {"load sets",
         Qt::Unchecked,
         Entry::LoadSets,
         true,
         {"Sample3.pub", "Sample98.pub"},
         {{"text", "words"}, {"TABLE", "grid"}}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        form->ListView1->clear();
        form->sets().clear();
        QDir(path("in")).removeRecursively();
        QDir(path("out")).removeRecursively();
        QStringList sources;
        for (const QString &name : row.documents)
            sources << addCopy(name);
        if (row.beside)
            click(form->Option2);
        else
            resultsTo("out");
        form->Check2->setCheckState(row.box);
        enterPairs(row.entry, row.pairs);
        dialogs.shown.clear();
        click(form->PushButton7);

        EXPECT_EQ(dialogs.texts("notice"), QStringList{"Done."});
        EXPECT_EQ(dialogs.count("error"), 0) << dialogs.texts("error").join("\n").toStdString();
        for (int i = 0; i < sources.size(); ++i) {
            const QString source = sources[i];
            const QString output = row.beside ? QString(source).replace(".pub", "_replaced.pub")
                                              : path("out/" + row.documents[i]);
            EXPECT_EQ(test::readFile(source), test::readFile(corpusDir() + "/" + row.documents[i]));
            EXPECT_EQ(storiesText(pubengine::Publication::open(output)),
                      engineText(source, row.pairs, row.box == Qt::Checked));
        }
    }
}

// A damaged publication is the user's situation, not a fault of the program:
// one plain notice and the row say so, never the box that asks for a report.
TEST_F(Window, DamagedDocumentsGetOnePlainNoticeEachAndNoOutput)
{
    if (onSamples())
        GTEST_SKIP() << kNeedsCorpus;
    const QString good1 = addCopy("Sample.pub", "good1.pub");
    addCopy("bad-fuzzed-1.pub");
    QByteArray cut = test::readFile(corpusDir() + "/Sample2.pub");
    cut.truncate(cut.size() / 2);
    test::writeFile(path("in/cut.pub"), cut);
    form->ListView1->append(path("in/cut.pub"));
    addCopy("Sample2.pub", "good2.pub");
    resultsTo("out");
    type(form->Text1, "page");
    type(form->Text2, "PAGE");
    click(form->PushButton7);

    EXPECT_EQ(dialogs.count("error"), 0) << dialogs.texts("error").join("\n").toStdString();
    const QStringList notices = dialogs.texts("notice");
    ASSERT_EQ(notices.size(), 3);
    EXPECT_EQ(notices[2], "Done.");
    // No temporary file either, beside the results or the sources.
    EXPECT_EQ(filesUnder("out"), (QStringList{"good1.pub", "good2.pub"}));
    EXPECT_EQ(filesUnder("in").size(), 4);
    const ReportWindow &report = *form->reportWindow();
    ASSERT_EQ(report.documentCount(), 4);
    for (int row : {1, 2}) {
        const DocumentResult &damaged = report.document(row);
        EXPECT_EQ(damaged.outcome, Outcome::Failed);
        EXPECT_EQ(damaged.errors, QStringList{notices[row - 1]});
        EXPECT_TRUE(notices[row - 1].startsWith("Cannot read “" + damaged.source))
            << notices[row - 1].toStdString();
        EXPECT_FALSE(notices[row - 1].contains(supportSentence()));
    }
    EXPECT_EQ(report.document(0).output, path("out/good1.pub"));
    EXPECT_EQ(report.document(1).output, QString());
    EXPECT_EQ(test::readFile(good1), test::readFile(corpusDir() + "/Sample.pub"));
}

TEST_F(Window, ARefusedReplacementWritesNoOutputAndAskedQuietRunsShowNoMoreBoxes)
{
    if (onSamples())
        GTEST_SKIP() << kNeedsCorpus;
    addCopy("LinkAt10.pub", "one.pub");
    addCopy("LinkAt10.pub", "two.pub");
    addCopy("Sample.pub");
    resultsTo("out");
    // Removing all of a link's text is refused; the user ticks "Don't show
    // further errors" in the first box.
    dialogs.quietAfter = 1;
    type(form->Text1, "LINK");
    form->Text2->clear();
    click(form->PushButton7);

    EXPECT_EQ(dialogs.count("error"), 1);
    EXPECT_TRUE(dialogs.texts("error")[0].contains("left unchanged"));
    EXPECT_EQ(filesUnder("out"), QStringList{"Sample.pub"});
    const ReportWindow &report = *form->reportWindow();
    EXPECT_EQ(report.document(1).outcome, Outcome::Failed);
    EXPECT_EQ(report.document(1).errors.size(), 1); // counted though not shown
    EXPECT_EQ(report.document(2).outcome, Outcome::Written);

    // The next run shows its errors again.
    dialogs.quietAfter = 0;
    dialogs.shown.clear();
    click(form->PushButton7);
    EXPECT_EQ(dialogs.count("error"), 2);
}

TEST_F(Window, NothingToFindRunsNothing)
{
    addCopy("Sample.pub");
    resultsTo("out");
    form->Text1->clear();
    click(form->PushButton7);
    form->TabControl1->setSelectedIndex(1);
    click(form->PushButton7);
    EXPECT_EQ(dialogs.texts("notice"), (QStringList{kNothingToFind, kNoSets}));
    EXPECT_TRUE(filesUnder("out").isEmpty());

    // Spaces are something to find.
    form->TabControl1->setSelectedIndex(0);
    type(form->Text1, " ");
    click(form->PushButton7);
    EXPECT_EQ(filesUnder("out"), QStringList{"Sample.pub"});
}

// Rows reordered and files dropped while the run yields: every document of
// the list at Start is processed exactly once, and nothing else.
TEST(WindowDuringARun, EditsOfTheListTakeEffectInTheNextRun)
{
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    test::ServerLog log;
    automation::Registry registry;
    registry.Register(automation::kPublisherProgId, std::make_shared<test::RecordingServer>(log));
    Form1 form({dialogs, *settings, registry});
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QTemporaryDir dir;
    QStringList names;
    for (int i = 1; i <= 8; ++i) {
        names << dir.filePath(QStringLiteral("d%1.pub").arg(i));
        test::writeFile(names.last());
        form.ListView1->append(names.last());
    }
    test::writeFile(dir.filePath("late.pub"));
    form.Option2->setChecked(true);
    form.Text1->setPlainText("x");
    int opens = 0;
    log.onCall = [&](const QString &call) {
        if (!call.startsWith("Open(") || ++opens != 2)
            return;
        DocListView &list = *form.ListView1;
        const auto at = [&](int i) { return list.visualRect(list.rowIndex(i)).center(); };
        QTest::mousePress(list.viewport(), Qt::LeftButton, {}, at(1));
        QMouseEvent move(QEvent::MouseMove, at(6), list.viewport()->mapToGlobal(at(6)),
                         Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list.viewport(), &move);
        QTest::mouseRelease(list.viewport(), Qt::LeftButton, {}, at(6));
        form.ListView1_OLEDragDrop({dir.filePath("late.pub")});
    };
    form.PushButton7_Click();

    QStringList opened;
    for (const QString &c : log.calls)
        if (c.startsWith("Open("))
            opened << c.mid(5, c.indexOf(',') - 5);
    EXPECT_EQ(opened, names);
    EXPECT_NE(form.ListView1->rowText(1), names[0]); // the drag did move it
    EXPECT_EQ(form.ListView1->count(), 9);
}

// A link named like the result, in an output folder the user cannot change,
// pointing at a file elsewhere: the file keeps its bytes and mode, and the
// document says why nothing was written.
TEST_F(Window, NeverWritesThroughALinkNamedLikeTheResult)
{
    addCopy("Sample.pub");
    const QString target = path("elsewhere.txt");
    test::writeFile(target, "7 bytes");
    ASSERT_EQ(chmod(QFile::encodeName(target).constData(), 0444), 0);
    QDir(dir.path()).mkpath("out");
    const QByteArray out = QFile::encodeName(path("out"));
    // A read-only mount makes the folder unchangeable even for root.
    if (mount("tmpfs", out.constData(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a read-only folder here";
    const std::unique_ptr<const char, int (*)(const char *)> unmount(out.constData(), umount);
    ASSERT_TRUE(QFile::link(target, path("out/Sample.pub")));
    ASSERT_EQ(mount(nullptr, out.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr), 0);
    resultsTo("out");
    type(form->Text1, "page");
    click(form->PushButton7);

    EXPECT_EQ(test::readFile(target), "7 bytes");
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(target).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0444u);
    const ReportWindow &report = *form->reportWindow();
    ASSERT_EQ(report.documentCount(), 1);
    EXPECT_EQ(report.document(0).outcome, Outcome::Failed);
    ASSERT_EQ(report.document(0).errors.size(), 1);
    // Said before the engine would meet the link: nothing can be written there.
    EXPECT_TRUE(report.document(0).errors[0].contains("cannot be written (Read-only file system)"))
        << report.document(0).errors[0].toStdString();
    EXPECT_EQ(dialogs.count("error"), 0);
}

namespace {

// A new user's first minute, in a program folder holding the samples the
// build wrote.
struct FirstMinute : Window {
    QTemporaryDir program;
    void SetUp() override
    {
        QDir(program.path()).mkdir("Samples");
        for (const QFileInfo &f :
             QDir(QStringLiteral(VANTRELLE_SAMPLES_DIR)).entryInfoList({"*.pub"}, QDir::Files))
            QFile::copy(f.filePath(), program.path() + "/Samples/" + f.fileName());
        setProgramFolderForTesting(program.path());
        open();
        form->Form_Load(); // the first start records the samples
    }
    void TearDown() override { setProgramFolderForTesting(QString()); }
};

} // namespace

TEST_F(FirstMinute, loadSamplesTypeAPairStartReplacingGivesResultsAndChangesInContext)
{
    dialogs.questionAnswers = {false}; // do not open the samples folder
    click(form->PushButton8);
    const QStringList samples = QDir(program.path() + "/Samples").entryList({"*.pub"});
    ASSERT_GE(samples.size(), 3);
    ASSERT_EQ(form->ListView1->count(), samples.size());

    resultsTo("out");
    type(form->Text1, "2026");
    type(form->Text2, "2027");
    click(form->PushButton7);

    EXPECT_EQ(dialogs.texts("notice"), QStringList{"Done."});
    EXPECT_EQ(dialogs.count("error"), 0) << dialogs.texts("error").join("\n").toStdString();
    ASSERT_NE(form->reportWindow(), nullptr);
    ReportWindow &report = *form->reportWindow();
    ASSERT_EQ(report.documentCount(), samples.size());
    for (int i = 0; i < report.documentCount(); ++i) {
        const DocumentResult &d = report.document(i);
        SCOPED_TRACE(d.source.toStdString());
        EXPECT_EQ(d.outcome, Outcome::Written);
        EXPECT_EQ(storiesText(pubengine::Publication::open(d.output)),
                  engineText(d.source, {{"2026", "2027"}}, false));
        ASSERT_EQ(d.pairs.size(), 1);
        EXPECT_GT(d.pairs[0].replaced, 0);
        // Selected, the row lists each change in its context.
        report.selectDocument(i);
        const QStringList lines = report.changeList()->text().split('\n', Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), d.pairs[0].replaced);
        for (const QString &line : lines)
            EXPECT_TRUE(line.contains("[2026]") && line.contains("[2027]")) << line.toStdString();
    }
}

TEST_F(Window, WholeWordsAndRegularExpressionsGiveWhatTheToolGives)
{
    if (onSamples())
        GTEST_SKIP() << kNeedsCorpus;
    // A corpus publication with the sentences the options are about.
    const QString anthem = "The anthem, together with the other choirs, then their song";
    QDir(dir.path()).mkpath("made");
    {
        auto pub = pubengine::Publication::open(corpusDir() + "/Sample.pub");
        pub.replaceAll("This is some text on the first page", anthem, true);
        pub.replaceAll("It’s Arial, 20 point font", "Call 555-0100 or 555-0199 today", true);
        pub.saveAs(path("made/Anthem.pub"));
        namespace w = pubengine::writer;
        w::Document written;
        w::Page page;
        page.boxes.push_back({{50, 50, 400, 200},
                              {w::paragraph({w::run(anthem)}),
                               w::paragraph({w::run("Their phone: "),
                                             w::link("555-0100", "https://example.org/call")}),
                               w::paragraph({w::run("acme, Acme, ACME, Acme Ltd")}),
                               w::paragraph({w::run("ภาษาไทย ไทย.")})}});
        written.pages.push_back(page);
        w::writeFile(written, path("made/Written.pub"));
    }
    using Pairs = QList<QPair<QString, QString>>;
    const struct {
        const char *name;
        bool matchCase, wholeWord, regex;
        Entry entry;
        QStringList documents;
        Pairs pairs;
        const char *expected; // in the first document's text
        bool keepCase = false;
    } rows[] = {
        {"every occurrence", false, false, false, Entry::Typed, {"Anthem.pub", "Sample2.pub"},
         {{"the", "THE"}}, "THE anTHEm, togeTHEr with THE oTHEr choirs, THEn THEir song"},
        {"whole words", false, true, false, Entry::Typed, {"Anthem.pub", "Sample2.pub"},
         {{"the", "THE"}}, "THE anthem, together with THE other choirs, then their song"},
        {"written, whole words", false, true, false, Entry::Typed, {"Written.pub"},
         {{"the", "THE"}}, "THE anthem, together with THE other choirs, then their song"},
        {"written, regex", false, false, true, Entry::AddSet, {"Written.pub"},
         {{R"((\d{3})-(\d{4}))", "$1 $2"}, {R"(^(\w+))", "«$1»"}}, "«Their» phone: 555 0100"},
        {"whole words, case", true, true, false, Entry::AddSet, {"Anthem.pub"},
         {{"the", "THE"}, {"text", "wording"}}, "The anthem, together with THE other choirs"},
        {"regex", false, false, true, Entry::Typed, {"Anthem.pub", "60685.pub"},
         {{R"((\d{3})-(\d{4}))", "$1 $2"}}, "Call 555 0100 or 555 0199 today"},
        {"regex sets", true, true, true, Entry::AddSet, {"Anthem.pub", "Sample3.pub"},
         {{R"(th(e|is))", "[$0]"}, {R"((\w)(\w*)s\b)", "$2$1s"}}, "The anthem, together with [the]"},
        {"Thai, whole words", false, true, false, Entry::AddSet, {"Written.pub"},
         {{"ไทย", "Thai"}}, "ภาษาThai Thai."},
        {"keep case", true, false, false, Entry::Typed, {"Written.pub"}, {{"acme", "apex"}},
         "apex, Apex, APEX, Apex Ltd", true},
        {"keep case, regex", false, false, true, Entry::Typed, {"Written.pub"},
         {{"acme( ltd)?", "apex$1"}}, "apex, Apex, APEX, Apex Ltd", true},
    };
    const auto origin = [&](const QString &name) {
        return QFile::exists(path("made/" + name)) ? path("made/" + name) : corpusDir() + "/" + name;
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        form->ListView1->clear();
        form->sets().clear();
        for (const char *folder : {"in", "out", "tool"}) {
            QDir(path(folder)).removeRecursively();
            QDir(dir.path()).mkpath(folder);
        }
        QStringList sources;
        for (const QString &name : row.documents) {
            sources << path("in/" + name);
            QFile::copy(origin(name), sources.last());
            form->ListView1->append(sources.last());
        }
        resultsTo("out");
        form->Check2->setChecked(row.matchCase);
        form->CheckWholeWord->setChecked(row.wholeWord);
        form->CheckRegex->setChecked(row.regex);
        form->CheckKeepCase->setChecked(row.keepCase);
        enterPairs(row.entry, row.pairs);
        dialogs.shown.clear();
        click(form->PushButton7);
        EXPECT_EQ(dialogs.texts("notice"), QStringList{"Done."});
        // The report lists each change it counts, counting the source again.
        ReportWindow &report = *form->reportWindow();
        for (int d = 0; d < report.documentCount(); ++d) {
            report.selectDocument(d);
            EXPECT_EQ(report.changeList()->text().count('\n'),
                      report.document(d).replaced() + report.document(d).left());
        }

        QStringList args;
        for (const auto &[flag, on] : {std::pair{"--match-case", row.matchCase},
                                       {"--whole-word", row.wholeWord}, {"--regex", row.regex},
                                       {"--keep-case", row.keepCase}})
            if (on)
                args << flag;
        for (const auto &[find, replacement] : row.pairs)
            args << "--pair" << find << replacement;
        QProcess tool;
        tool.start(VANTRELLE_REPLACE_TOOL, args + QStringList{"-q", "--out-dir", path("tool")} +
                                               sources);
        ASSERT_TRUE(tool.waitForFinished(60000));
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
        for (int i = 0; i < sources.size(); ++i) {
            const QString name = row.documents[i];
            EXPECT_EQ(test::readFile(sources[i]), test::readFile(origin(name)));
            const QString text = storiesText(pubengine::Publication::open(path("out/" + name)));
            EXPECT_EQ(text, storiesText(pubengine::Publication::open(path("tool/" + name))));
            if (i == 0) {
                EXPECT_TRUE(text.contains(row.expected)) << text.toStdString();
            }
        }
    }

    // An invalid pattern: a notice that says where, and nothing written.
    form->TabControl1->setSelectedIndex(0);
    type(form->Text1, "(ab");
    dialogs.shown.clear();
    QDir(path("out")).removeRecursively();
    QDir(dir.path()).mkpath("out");
    click(form->PushButton7);
    EXPECT_EQ(dialogs.texts("notice"),
              QStringList{"The texts in “Find what” and “Replace with” cannot be used: the "
                          "regular expression “(ab” is not valid: missing closing parenthesis, "
                          "at position 3, after “(ab”."});
    EXPECT_TRUE(filesUnder("out").isEmpty());
}

TEST_F(Window, ReplaceInChoosesWhereThePairsApplyAndIsKept)
{
    const QList<QPair<QString, QString>> pairs{{"poi.apache.org", "example.org"},
                                               {"Nick Burch", "A. Author"}};
    const struct {
        int replaceIn;
        pubengine::Places places;
    } rows[] = {{0, {false, false}}, {1, {true, false}}, {2, {true, true}}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.replaceIn);
        form->ListView1->clear();
        form->sets().clear();
        QDir(path("out")).removeRecursively();
        const QString source = addCopy("Sample.pub");
        resultsTo("out");
        form->Combo3->setCurrentIndex(row.replaceIn);
        enterPairs(Entry::AddSet, pairs);
        click(form->PushButton7);
        EXPECT_EQ(dialogs.count("error"), 0) << dialogs.texts("error").join("\n").toStdString();
        EXPECT_EQ(settings->number(keys::ReplaceIn), row.replaceIn);

        auto pub = pubengine::Publication::open(source);
        for (const auto &[find, replacement] : pairs)
            pub.replaceAll(find, replacement, false, 0, row.places);
        EXPECT_EQ(test::readFile(path("out/Sample.pub")), pub.toBytes());
    }
}

namespace {

// Presses Tab where the focus is until it reaches the control.
bool tabTo(QWidget *control)
{
    for (int i = 0; i < 40 && QApplication::focusWidget() != control; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    return QApplication::focusWidget() == control;
}

} // namespace

TEST_F(Window, KeyboardOnlyFromStartUpToAWrittenResult)
{
    QDir(dir.path()).mkpath("out");
    QDir(dir.path()).mkpath("in");
    const QString source = path("in/Sample.pub");
    ASSERT_TRUE(QFile::copy(corpusDir() + "/Sample.pub", source));
    form->activateWindow();
    QApplication::setActiveWindow(form.get());
    if (!QApplication::focusWidget())
        QTest::keyClick(form.get(), Qt::Key_Tab);

    ASSERT_TRUE(tabTo(form->ListView1));
    ASSERT_TRUE(tabTo(form->PushButton3));
    dialogs.openAnswers.push_back({source});
    QTest::keyClick(form->PushButton3, Qt::Key_Space);
    ASSERT_EQ(form->ListView1->count(), 1);

    ASSERT_TRUE(tabTo(form->Text1));
    QTest::keyClick(form->Text1, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->Text1->toPlainText(), "\t"); // Ctrl+Tab types the tab
    form->Text1->clear();
    QTest::keyClicks(form->Text1, "page two");
    QTest::keyClick(form->Text1, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), form->Text2);
    QTest::keyClicks(form->Text2, "page 2");
    ASSERT_TRUE(tabTo(form->Option1));
    QTest::keyClick(form->Option1, Qt::Key_Space);
    ASSERT_TRUE(tabTo(form->Text3));
    QTest::keyClick(form->Text3, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(form->Text3, path("out") + "/");
    ASSERT_TRUE(tabTo(form->PushButton7));
    QTest::keyClick(form->PushButton7, Qt::Key_Space);

    EXPECT_EQ(form->Text1->toPlainText(), "page two");
    EXPECT_EQ(dialogs.texts("notice"), QStringList{"Done."});
    EXPECT_EQ(storiesText(pubengine::Publication::open(path("out/Sample.pub"))),
              engineText(source, {{"page two", "page 2"}}, false));
}

TEST_F(Window, ASecondRunOnTheSameFolderProcessesTheOriginalsOnly)
{
    addCopy("Sample.pub");
    addCopy("Sample2.pub");
    form->ListView1->clear();
    click(form->Option2);
    // A text both publications hold, the corpus's or the samples standing in.
    type(form->Text1, onSamples() ? "2026" : "page");
    type(form->Text2, "leaf");
    const auto addFolder = [this] {
        dialogs.inputAnswers.push_back("pub");
        dialogs.folderAnswers.push_back(path("in"));
        click(form->PushButton6);
    };
    addFolder();
    click(form->PushButton7);
    ASSERT_EQ(filesUnder("in").size(), 4);

    click(form->PushButton2);
    dialogs.shown.clear();
    dialogs.questionAnswers.push_back(true);
    addFolder();
    EXPECT_EQ(dialogs.texts("question"),
              QStringList{"2 files look like results of an earlier run. Leave them out?"});
    ASSERT_EQ(form->ListView1->count(), 2);
    click(form->PushButton7);
    EXPECT_EQ(dialogs.texts("notice"), QStringList{"Done."});
    EXPECT_EQ(form->lastReport().count(Outcome::Written), 2);
    QStringList files = filesUnder("in");
    files.sort();
    EXPECT_EQ(files, (QStringList{"Sample.pub", "Sample2.pub", "Sample2_replaced.pub",
                                  "Sample_replaced.pub"}));
}

// Count promises only what the run can do: into a folder nobody may change,
// both say the document fails, and why.
TEST_F(Window, CountAndRunAgreeOnAFolderThatCannotBeWritten)
{
    addCopy("Sample.pub");
    QDir(dir.path()).mkpath("out");
    const QByteArray out = QFile::encodeName(path("out"));
    if (mount("tmpfs", out.constData(), "tmpfs", MS_RDONLY, "size=64k") != 0)
        GTEST_SKIP() << "cannot mount a read-only folder here";
    const std::unique_ptr<const char, int (*)(const char *)> unmount(out.constData(), umount);
    resultsTo("out");
    type(form->Text1, "page");
    for (const bool count : {true, false}) {
        if (count)
            form->ListView1->findChild<QAction *>("CountOccurrences")->trigger();
        else
            click(form->PushButton7);
        ASSERT_EQ(form->reportWindow()->documentCount(), 1);
        const DocumentResult &d = form->reportWindow()->document(0);
        EXPECT_EQ(d.outcome, Outcome::Failed) << count;
        EXPECT_EQ(form->lastReport().replaced(), 0);
        EXPECT_TRUE(d.errors.join("").contains("Read-only file system"))
            << d.errors.join("").toStdString();
        // The user's folder is at fault, not the program: no error box; the
        // row tells what would have been replaced, as not written.
        EXPECT_EQ(dialogs.count("error"), 0);
        ASSERT_GT(d.replaced(), 0);
        const QString replacements = form->reportWindow()
                                         ->table()
                                         ->model()
                                         ->index(0, ReportWindow::Replacements)
                                         .data()
                                         .toString();
        EXPECT_EQ(replacements, count ? QString::number(d.replaced())
                                      : QStringLiteral("%1 not written").arg(d.replaced()));
    }
}

TEST_F(Window, ThePdfOptionAndTheReportWindowsPdfButtonSaveAPdfOfEveryResult)
{
    if (onSamples())
        GTEST_SKIP() << kNeedsCorpus;
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        VANTRELLE_SKIP("LibreOffice is not installed");
    ASSERT_TRUE(form->CheckPdf->isEnabled());
    click(form->CheckPdf);
    EXPECT_EQ(settings->get(keys::SavePdfs), QStringLiteral("True"));
    addCopy("Sample.pub");
    addCopy("Sample3.pub");
    resultsTo("out");
    enterPairs(Entry::Typed, {{"first page", "opening leaf"}});
    click(form->PushButton7);
    for (const char *name : {"Sample", "Sample3"})
        expectShowsReplacement(path(QStringLiteral("out/%1.pdf").arg(name)));
    ASSERT_NE(form->reportWindow(), nullptr);
    const QAbstractItemModel *table = form->reportWindow()->table()->model();
    for (int row = 0; row < 2; ++row)
        EXPECT_EQ(table->index(row, ReportWindow::Pdf).data().toString(), "written");
    EXPECT_TRUE(form->reportWindow()->summaryLabel()->text().contains("PDFs: 2 written"));

    ReportWindow *report = form->reportWindow();
    ASSERT_TRUE(report->pdfButton()->isEnabled());
    QDir(dir.path()).mkpath("pdfs");
    dialogs.folderAnswers.push_back(path("pdfs"));
    report->pdfButton()->menu()->findChild<QAction *>("pdfsIntoFolder")->trigger();
    for (const char *name : {"Sample", "Sample3"})
        expectShowsReplacement(path(QStringLiteral("pdfs/%1.pdf").arg(name)));
    EXPECT_TRUE(report->detailText().contains("PDF: " + path("pdfs/Sample.pdf") + " (written)"))
        << report->detailText().toStdString();
    // PDFs already there are replaced only when the user says so.
    dialogs.questionAnswers.push_back(false);
    report->pdfButton()->menu()->findChild<QAction *>("pdfsBeside")->trigger();
    EXPECT_TRUE(dialogs.texts("question").last().startsWith("2 PDFs already exist"));
    EXPECT_TRUE(report->detailText().contains(path("pdfs/Sample.pdf")));
}

TEST_F(Window, WithoutLibreOfficeBothWaysToPdfsAreOffAndSayWhatToInstall)
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8());
    form = std::make_unique<Form1>(Form1Services{dialogs, *settings, registry});
    form->Form_Load();
    ReportWindow report(dialogs);
    report.beginReport();
    report.endReport(RunReport{});
    qputenv("PATH", path);
    EXPECT_FALSE(form->CheckPdf->isEnabled());
    EXPECT_FALSE(report.pdfButton()->isEnabled());
    for (const QString &tip : {form->CheckPdf->toolTip(), report.pdfButton()->toolTip()})
        EXPECT_TRUE(tip.contains("install the package libreoffice-draw")) << tip.toStdString();
}

namespace {

// story with every occurrence of find replaced but the first skip of them
// (skip counts down across a document's stories).
QString replacedBut(QString story, const QString &find, const QString &replacement, int &skip)
{
    for (qsizetype at = story.indexOf(find, 0, Qt::CaseInsensitive); at >= 0;
         at = story.indexOf(find, at, Qt::CaseInsensitive)) {
        if (skip > 0) {
            --skip;
            at += find.size();
            continue;
        }
        story.replace(at, find.size(), replacement);
        at += replacement.size();
    }
    return story;
}

QString storyOf(const pubengine::Publication &pub, std::size_t k)
{
    const std::u16string_view s = pub.story(k);
    return QString::fromUtf16(s.data(), qsizetype(s.size()));
}

// Two documents counted for "the" → "XYZW", the report window open.
struct ReviewInWindow : Window {
    QString first;
    QString second;
    void SetUp() override
    {
        Window::SetUp();
        if (IsSkipped())
            return;
        first = addCopy("Sample.pub");
        second = addCopy("Sample2.pub");
        resultsTo("out");
        enterPairs(Entry::Typed, {{"the", "XYZW"}});
        form->ListView1->findChild<QAction *>("CountOccurrences")->trigger();
        ASSERT_NE(form->reportWindow(), nullptr);
    }
};

} // namespace

// Count, then with the keyboard untick the first two changes of one
// document, and from the tick menu every change of the other: Write the
// Ticked Changes writes exactly what is still ticked.
TEST_F(ReviewInWindow, WritesExactlyTheTickedChanges)
{
    ReportWindow &report = *form->reportWindow();
    ASSERT_TRUE(report.writeButton()->isVisible());
    ChangeList &list = *report.changeList();

    report.selectDocument(0);
    QTreeWidget *tree = list.tree();
    ASSERT_GE(tree->topLevelItemCount(), 1);
    QTreeWidgetItem *group = tree->topLevelItem(0);
    ASSERT_GE(group->childCount(), 3);
    const int listed = group->childCount();
    tree->setFocus();
    tree->setCurrentItem(group->child(0));
    QTest::keyClick(tree, Qt::Key_Space);
    QTest::keyClick(tree, Qt::Key_Down);
    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_EQ(group->child(0)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(group->child(1)->checkState(0), Qt::Unchecked);
    EXPECT_EQ(group->child(2)->checkState(0), Qt::Checked);
    EXPECT_EQ(group->checkState(0), Qt::PartiallyChecked);

    report.selectDocument(1);
    QMenu *menu = list.findChild<QPushButton *>("tickMenu")->menu();
    emit menu->aboutToShow();
    const QList<QAction *> actions = menu->actions();
    const auto untick = std::find_if(actions.begin(), actions.end(), [](QAction *a) {
        return a->text().startsWith("&Untick Every Change in");
    });
    ASSERT_NE(untick, actions.end());
    (*untick)->trigger();
    // Selecting the first document again shows its ticks as they were left.
    report.selectDocument(0);
    EXPECT_EQ(list.tree()->topLevelItem(0)->child(0)->checkState(0), Qt::Unchecked);

    click(report.writeButton());
    EXPECT_EQ(dialogs.texts("notice"), (QStringList{"Done.", "Done."}));
    ASSERT_EQ(report.documentCount(), 2);
    EXPECT_FALSE(report.writeButton()->isVisible());
    EXPECT_EQ(report.document(0).outcome, Outcome::Written);
    EXPECT_EQ(report.document(0).replaced(), listed - 2);
    EXPECT_EQ(report.document(1).outcome, Outcome::NothingFound);

    const auto source = pubengine::Publication::open(first);
    const auto result = pubengine::Publication::open(path("out/Sample.pub"));
    ASSERT_EQ(result.storyCount(), source.storyCount());
    int spared = 2;
    for (std::size_t k = 0; k < source.storyCount(); ++k)
        EXPECT_EQ(storyOf(result, k), replacedBut(storyOf(source, k), "the", "XYZW", spared));
    EXPECT_EQ(storiesText(pubengine::Publication::open(path("out/Sample2.pub"))),
              storiesText(pubengine::Publication::open(second)));
    if (!QStandardPaths::findExecutable("pub2raw").isEmpty()) {
        QProcess pub2raw;
        pub2raw.start("pub2raw", {path("out/Sample.pub")});
        ASSERT_TRUE(pub2raw.waitForFinished(60'000));
        EXPECT_EQ(QString::fromUtf8(pub2raw.readAllStandardOutput()).count("XYZW"), listed - 2);
    }
}

// A source touched after its count is not written, with the reason; the
// others are.
TEST_F(ReviewInWindow, ASourceChangedSinceItWasCountedIsNotWritten)
{
    QFile::remove(second);
    ASSERT_TRUE(QFile::copy(corpusDir() + "/Sample3.pub", second));

    click(form->reportWindow()->writeButton());
    const ReportWindow &report = *form->reportWindow();
    EXPECT_EQ(report.document(0).outcome, Outcome::Written);
    EXPECT_EQ(report.document(1).outcome, Outcome::Skipped);
    EXPECT_TRUE(report.document(1).errors.join("").contains("changed since it was reviewed"));
    EXPECT_EQ(filesUnder("out"), QStringList{"Sample.pub"});
}

namespace {

// The number a report row shows in a column.
QString cell(const ReportWindow &report, int row, int column)
{
    return report.table()->model()->index(row, column).data().toString();
}

} // namespace

// e → EE, t → T over Sample.pub, the first e unticked with the keyboard: the
// counts follow the tick at once, and Write the Ticked Changes leaves that
// e alone, every t of the second pair replaced where it stood in the source.
TEST_F(Window, TheCountsAndTheResultFollowAnUntickedChangeOfTheFirstPair)
{
    if (onSamples())
        GTEST_SKIP() << kNeedsCorpus;
    const QString source = addCopy("Sample.pub");
    resultsTo("out");
    form->Check2->setCheckState(Qt::Unchecked);
    enterPairs(Entry::AddSet, {{"e", "EE"}, {"t", "T"}});
    form->ListView1->findChild<QAction *>("CountOccurrences")->trigger();
    ReportWindow &report = *form->reportWindow();
    report.selectDocument(0);
    const qint64 counted = cell(report, 0, ReportWindow::Replacements).toLongLong();
    const qint64 countedLeft = cell(report, 0, ReportWindow::Left).toLongLong();
    const QLabel *summary = report.findChild<QLabel *>("summary");
    ASSERT_NE(summary, nullptr);
    EXPECT_TRUE(summary->text().contains(QString::number(counted) + " replacements would be made"))
        << summary->text().toStdString();

    QTreeWidget *tree = report.changeList()->tree();
    QTreeWidgetItem *first = tree->topLevelItem(0)->child(0);
    tree->setFocus();
    tree->setCurrentItem(first);
    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_EQ(first->checkState(0), Qt::Unchecked);
    EXPECT_TRUE(first->text(0).contains(", stays: ")) << first->text(0).toStdString();
    EXPECT_EQ(cell(report, 0, ReportWindow::Replacements).toLongLong(), counted - 1);
    EXPECT_EQ(cell(report, 0, ReportWindow::Left).toLongLong(), countedLeft + 1);
    EXPECT_TRUE(
        summary->text().contains(QString::number(counted - 1) + " replacements would be made"))
        << summary->text().toStdString();

    click(report.writeButton());
    ASSERT_EQ(report.documentCount(), 1);
    EXPECT_EQ(report.document(0).outcome, Outcome::Written);
    EXPECT_EQ(report.document(0).replaced(), counted - 1);
    EXPECT_EQ(report.document(0).left(), countedLeft + 1);
    QString expected;
    bool firstE = true;
    for (const QChar c : storiesText(pubengine::Publication::open(source))) {
        if (c.toLower() == u'e')
            expected += std::exchange(firstE, false) ? QString(c) : QStringLiteral("EE");
        else if (c.toLower() == u't')
            expected += u'T';
        else
            expected += c;
    }
    EXPECT_EQ(storiesText(pubengine::Publication::open(path("out/Sample.pub"))), expected);
}

// cat → dog, dog → wolf: the dog the first cat makes is dimmed with the
// reason while that cat is unticked, and back when it is ticked again; the
// result keeps the cat and replaces the source's own dog.
TEST_F(Window, AChangeFoundInAnUntickedChangesTextIsDimmedAndNotWritten)
{
    QDir(dir.path()).mkpath("in");
    pubengine::writer::Document doc;
    doc.pages.emplace_back().boxes.push_back(
        {{72, 72, 400, 200}, {pubengine::writer::paragraph({pubengine::writer::run("cat dog")})}});
    const QString source = path("in/pets.pub");
    pubengine::writer::writeFile(doc, source);
    form->ListView1->append(source);
    resultsTo("out");
    form->Check2->setCheckState(Qt::Checked);
    enterPairs(Entry::AddSet, {{"cat", "dog"}, {"dog", "wolf"}});
    form->ListView1->findChild<QAction *>("CountOccurrences")->trigger();
    ReportWindow &report = *form->reportWindow();
    report.selectDocument(0);
    QTreeWidget *tree = report.changeList()->tree();
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    QTreeWidgetItem *cat = tree->topLevelItem(0)->child(0);
    QTreeWidgetItem *madeDog = tree->topLevelItem(1)->child(0);
    QTreeWidgetItem *sourceDog = tree->topLevelItem(1)->child(1);
    tree->setFocus();
    tree->setCurrentItem(cat);
    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_FALSE(madeDog->flags() & Qt::ItemIsEnabled);
    EXPECT_TRUE(madeDog->text(0).contains("which is not ticked")) << madeDog->text(0).toStdString();
    EXPECT_TRUE(sourceDog->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(cell(report, 0, ReportWindow::Replacements).toLongLong(), 1);
    QTest::keyClick(tree, Qt::Key_Space);
    EXPECT_TRUE(madeDog->flags() & Qt::ItemIsEnabled);
    EXPECT_EQ(cell(report, 0, ReportWindow::Replacements).toLongLong(), 3);
    QTest::keyClick(tree, Qt::Key_Space);

    click(report.writeButton());
    EXPECT_EQ(report.document(0).replaced(), 1);
    EXPECT_EQ(report.document(0).left(), 2);
    const QString written = storiesText(pubengine::Publication::open(path("out/pets.pub")));
    EXPECT_TRUE(written.startsWith("cat wolf")) << written.toStdString();
}
