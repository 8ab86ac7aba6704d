// The run report, the count and Stop, driven through the window with the
// native engine on copies of real publications.
#include "app/form1.h"
#include "pubengine/publication.h"
#include "pubengine/server.h"
#include "sets/setslist.h"
#include "shell/automation.h"
#include "tests/support/files.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/reportwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHeaderView>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSortFilterProxyModel>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "tests/support/skip.h"

#include <gtest/gtest.h>

#include <optional>

using namespace vantrelle;

namespace {

const QString kCorpus = QStringLiteral(VANTRELLE_CORPUS_DIR);

// The engine, with a hook run as each document's instance is made.
class HookedServer : public automation::Server {
public:
    std::shared_ptr<automation::Server> engine = pubengine::makePublisherServer();
    std::function<void()> onCreate = [] {};
    std::shared_ptr<automation::Application> CreateInstance() override
    {
        onCreate();
        return engine->CreateInstance();
    }
    std::shared_ptr<automation::Application> RunningInstance() override
    {
        return engine->RunningInstance();
    }
};

// Every file and folder below root, with its bytes' hash and its time.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QByteArray hash =
            QCryptographicHash::hash(test::readFile(info.filePath()), QCryptographicHash::Sha1);
        entries[info.filePath()] =
            hash.toHex() + ' ' + info.lastModified().toString(Qt::ISODateWithMs);
    }
    return entries;
}

struct ReportFixture : ::testing::Test {
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    automation::Registry registry;
    std::shared_ptr<HookedServer> server = std::make_shared<HookedServer>();
    QTemporaryDir dir;
    std::unique_ptr<Form1> form;

    void SetUp() override
    {
        if (!QFile::exists(kCorpus + "/Sample.pub"))
            VANTRELLE_SKIP("corpus not found at " + kCorpus.toStdString());
        registry.Register(automation::kPublisherProgId, server);
        form = std::make_unique<Form1>(Form1Services{dialogs, *settings, registry});
        QDir(dir.path()).mkpath("in");
        QDir(dir.path()).mkpath("out");
        form->Text3->setText(path("out") + "/");
        form->Option1->setChecked(true);
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    // Copies a corpus publication to in/<name> and lists it.
    QString add(const QString &corpusName, const QString &name)
    {
        const QString copy = path("in/" + name);
        QDir().mkpath(QFileInfo(copy).path());
        EXPECT_TRUE(QFile::copy(kCorpus + "/" + corpusName, copy)) << copy.toStdString();
        form->ListView1->append(copy);
        return copy;
    }
    int outputs() const { return int(QDir(path("out")).entryList(QDir::Files).size()); }
};

// The table as the window shows it: one list of fields per line.
QList<QStringList> tableRows(const ReportWindow &window)
{
    QList<QStringList> rows;
    for (const QString &line : window.tableText().split('\n', Qt::SkipEmptyParts))
        rows << line.split('\t');
    return rows;
}

} // namespace

TEST_F(ReportFixture, CountWritesNothingAndRunAndCountAgreeWithTheEngine)
{
    const QStringList corpus = {"Sample.pub",   "Sample2.pub", "60685.pub",
                                "LinkAt10.pub", "Simple.pub",  "bad-fuzzed-1.pub"};
    for (const QString &name : corpus)
        add(name, name);
    // "LINK" → "" would remove a link's whole text: the engine leaves it and
    // fails the document.
    const QStringList finds = {"the", "e", "1", "LINK"};
    const QStringList replacements = {"THE", "é", "one", ""};
    form->TabControl1->setSelectedIndex(1);
    form->sets().append({finds, replacements});

    // A stale result the count must leave alone, as it leaves the sources.
    test::writeFile(path("out/Simple.pub"), "stale");
    const auto before = snapshot(dir.path());
    form->ListView1_CountOccurrences();
    EXPECT_EQ(snapshot(dir.path()), before);
    ASSERT_TRUE(form->lastReport().preview);
    ReportWindow *window = form->reportWindow();
    ASSERT_NE(window, nullptr);
    QList<DocumentResult> counted;
    for (int i = 0; i < window->documentCount(); ++i)
        counted << window->document(i);
    EXPECT_TRUE(window->windowTitle().startsWith("Count"));
    EXPECT_TRUE(window->summaryLabel()->text().contains("would"));

    form->PushButton7_Click();
    const RunReport &ran = form->lastReport();
    ASSERT_FALSE(ran.preview);
    EXPECT_EQ(form->reportWindow(), window);
    EXPECT_EQ(outputs(), corpus.size() - 2);
    ASSERT_EQ(window->documentCount(), corpus.size());
    ASSERT_EQ(counted.size(), corpus.size());
    const QList<QStringList> rows = tableRows(*window);
    ASSERT_EQ(rows.size(), corpus.size() + 1);

    qint64 replaced = 0;
    int leftBehind = 0;
    for (int i = 0; i < corpus.size(); ++i) {
        SCOPED_TRACE(corpus[i].toStdString());
        const DocumentResult &doc = window->document(i);
        const DocumentResult &count = counted[i];
        window->selectDocument(i);
        EXPECT_EQ(count.outcome, doc.outcome);
        std::optional<pubengine::Publication> publication;
        try {
            publication = pubengine::Publication::open(doc.source);
        } catch (const Failure &failure) {
            // The damaged copy: its row says so and carries the engine's words.
            EXPECT_EQ(doc.outcome, Outcome::Failed);
            EXPECT_EQ(rows[i + 1][ReportWindow::Result], "failed");
            EXPECT_TRUE(window->detailText().contains(failure.description()))
                << window->detailText().toStdString() << "\nwanted: " << failure.what();
            EXPECT_FALSE(window->openButton()->isEnabled());
            continue;
        }
        ASSERT_EQ(doc.pairs.size(), finds.size());
        bool left = false;
        for (int p = 0; p < finds.size(); ++p) {
            if (left) {
                EXPECT_FALSE(doc.pairs[p].applied) << p;
                continue;
            }
            const auto expected = publication->replaceAll(finds[p], replacements[p], false);
            EXPECT_EQ(doc.pairs[p].replaced, qint64(expected.replaced)) << p;
            EXPECT_EQ(doc.pairs[p].left, qint64(expected.leftTotal())) << p;
            EXPECT_EQ(count.pairs[p].replaced, doc.pairs[p].replaced) << p;
            EXPECT_EQ(count.pairs[p].left, doc.pairs[p].left) << p;
            left = expected.leftTotal() > 0;
            EXPECT_EQ(doc.pairs[p].leftReason.isEmpty(), !left) << p;
        }
        if (left) {
            ++leftBehind;
            EXPECT_EQ(doc.outcome, Outcome::Failed);
            EXPECT_FALSE(doc.errors.isEmpty());
            EXPECT_TRUE(window->detailText().contains(doc.errors.first()));
        } else {
            EXPECT_EQ(doc.outcome, doc.replaced() ? Outcome::Written : Outcome::NothingFound);
            EXPECT_EQ(rows[i + 1][ReportWindow::Replacements], QString::number(doc.replaced()));
        }
        // A failed document wrote nothing: its replacements are not the run's.
        if (!left)
            replaced += doc.replaced();
    }
    // The pairs must have both replaced and left something for this to mean much.
    EXPECT_GT(replaced, 0);
    EXPECT_EQ(leftBehind, 1);
    EXPECT_EQ(ran.replaced(), replaced);
}

struct StopCase {
    int documents;
    int escDuring; // the document during which Esc is pressed
    // Answered at once (inside the document) or when the run next yields,
    // before the next document begins, as a key press waits for the loop.
    bool queued;
    bool yes;
    int written;
};

void PrintTo(const StopCase &c, std::ostream *os)
{
    *os << c.documents << " documents, Esc during " << c.escDuring << (c.queued ? " (queued)" : "")
        << (c.yes ? ", Yes" : ", No");
}

class StopTest : public ReportFixture, public ::testing::WithParamInterface<StopCase> {};

TEST_P(StopTest, StopsAfterTheDocumentBeingProcessed)
{
    const StopCase c = GetParam();
    QStringList titles;
    for (int i = 1; i <= c.documents; ++i)
        add("Sample.pub", QStringLiteral("d%1.pub").arg(i));
    form->Text1->setPlainText("page");
    form->Text2->setPlainText("PAGE");
    form->setWindowTitle("Vantrelle");
    form->show();
    QApplication::setActiveWindow(form.get());
    dialogs.questionAnswers = {c.yes};
    int created = 0;
    server->onCreate = [&] {
        titles << form->windowTitle();
        if (++created != c.escDuring)
            return;
        if (c.queued)
            QTimer::singleShot(0, form.get(), [&] { QTest::keyClick(form.get(), Qt::Key_Escape); });
        else
            QTest::keyClick(form.get(), Qt::Key_Escape);
    };
    form->PushButton7_Click();

    EXPECT_EQ(dialogs.texts("question"), QStringList{kStopQuestion});
    EXPECT_EQ(outputs(), c.written);
    const RunReport &report = form->lastReport();
    EXPECT_EQ(report.count(Outcome::Written), c.written);
    EXPECT_EQ(report.count(Outcome::NotReached), c.documents - c.written);
    for (int i = 0; i < c.documents; ++i)
        EXPECT_EQ(form->reportWindow()->document(i).outcome == Outcome::NotReached, i >= c.written)
            << i;
    EXPECT_EQ(titles.first(), QStringLiteral("Vantrelle — 1/%1").arg(c.documents));
    // Then the report window opens the selected document to list its changes.
    EXPECT_EQ(titles.value(c.written - 1),
              QStringLiteral("Vantrelle — %1/%2").arg(c.written).arg(c.documents));
    EXPECT_EQ(form->windowTitle(), "Vantrelle");
    EXPECT_EQ(form->ProgressBar1->value(), 0);
    EXPECT_EQ(form->ProgressBar1->text(), "");
    EXPECT_EQ(dialogs.texts("notice"), QStringList{"Done."});

    // Between runs Esc asks nothing.
    QTest::keyClick(form.get(), Qt::Key_Escape);
    EXPECT_EQ(dialogs.count("question"), 1);
}

INSTANTIATE_TEST_SUITE_P(Run, StopTest,
                         ::testing::Values(StopCase{4, 1, false, true, 1},
                                           StopCase{4, 2, true, true, 2},
                                           StopCase{3, 3, false, true, 3},
                                           StopCase{3, 1, false, false, 3},
                                           StopCase{3, 1, true, false, 3}),
                         [](const ::testing::TestParamInfo<StopCase> &param) {
                             const StopCase &c = param.param;
                             return "Of" + std::to_string(c.documents) + "EscDuring" +
                                    std::to_string(c.escDuring) + (c.queued ? "Queued" : "") +
                                    (c.yes ? "Yes" : "No");
                         });

TEST_F(ReportFixture, CsvAndCopiedTableCarryEveryRow)
{
    const QString python = QStandardPaths::findExecutable("python3");
    ASSERT_FALSE(python.isEmpty()) << "python3 reads the CSV back";
    const QString named = add("Sample.pub", "a, b/Résumé ü.pub");
    add("bad-fuzzed-1.pub", "bad.pub");
    form->Text1->setPlainText("page");
    form->Text2->setPlainText("\"PAGE\"");
    form->PushButton7_Click();
    ReportWindow *window = form->reportWindow();
    ASSERT_NE(window, nullptr);

    const QString csv = path("report.csv");
    dialogs.saveAnswers = {csv};
    window->saveCsv();
    ASSERT_TRUE(test::readFile(csv).startsWith("\xEF\xBB\xBF"));
    QProcess reader;
    reader.start(python, {"-c",
                          "import csv, json, sys\n"
                          "with open(sys.argv[1], encoding='utf-8-sig', newline='') as f:\n"
                          "    print(json.dumps(list(csv.reader(f, strict=True))))\n",
                          csv});
    ASSERT_TRUE(reader.waitForFinished(30000));
    ASSERT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    const QJsonArray rows = QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
    ASSERT_EQ(rows.size(), 3);
    for (int i = 0; i < 2; ++i) {
        const DocumentResult &d = window->document(i);
        const QJsonArray row = rows[i + 1].toArray();
        // The PDF and fit columns stay empty when neither was asked for.
        ASSERT_EQ(row.size(), 12);
        EXPECT_EQ(row[9].toString() + row[10].toString() + row[11].toString(), QString());
        EXPECT_EQ(row[0].toString(), d.source);
        EXPECT_EQ(row[1].toString(), outcomeText(d.outcome, false));
        EXPECT_EQ(row[2].toString(), QString::number(d.replaced()));
        EXPECT_EQ(row[4].toString(), d.output);
        EXPECT_EQ(row[7].toString(), d.errors.join('\n'));
        EXPECT_EQ(row[8].toString(), "any case");
    }
    EXPECT_EQ(rows[1].toArray()[0].toString(), named);
    EXPECT_TRUE(rows[1].toArray()[6].toString().contains("“page” → “\"PAGE\"”: "));
    EXPECT_FALSE(rows[2].toArray()[7].toString().isEmpty());

    // Declining to overwrite keeps the file; a folder that is not there is said plainly.
    const QByteArray saved = test::readFile(csv);
    dialogs.shown.clear();
    dialogs.saveAnswers = {csv, path("missing/report.csv")};
    dialogs.questionAnswers = {false};
    window->saveCsv();
    window->saveCsv();
    EXPECT_EQ(test::readFile(csv), saved);
    EXPECT_EQ(dialogs.texts("question"),
              QStringList{"Are you sure you wish to overwrite " + csv + " ?"});
    ASSERT_EQ(dialogs.count("notice"), 1);
    EXPECT_TRUE(dialogs.texts("notice").last().startsWith("The report could not be saved to " +
                                                          path("missing/report.csv")));

    window->copyTable();
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied, window->tableText());
    EXPECT_EQ(copied.count('\n'), 3);
    EXPECT_TRUE(copied.contains(named + "\twritten\t"));
}

// Enter and a double-click on a row open its result (after a count, the
// publication counted); its context menu also its folder. A failed row has
// nothing to open.
TEST_F(ReportFixture, ARowOpensItsResultFromKeysMouseAndMenu)
{
    const QString source = add("Sample.pub", "a.pub");
    add("bad-fuzzed-1.pub", "bad.pub");
    form->Text1->setPlainText("page");
    form->PushButton7_Click();
    ReportWindow *window = form->reportWindow();
    ASSERT_NE(window, nullptr);
    window->show();
    QTableView *table = window->table();
    const auto at = [&](int document) {
        window->selectDocument(document);
        return table->visualRect(table->currentIndex()).center();
    };
    // The row menu's actions ("-" for a disabled one), triggering the one named.
    const auto menu = [&](int document, const QString &choose = {}) {
        QStringList shown;
        QTimer::singleShot(0, window, [&] {
            QWidget *popup = QApplication::activePopupWidget();
            for (QAction *a : popup ? popup->actions() : QList<QAction *>()) {
                shown << (a->isEnabled() ? a->text() : "-");
                if (a->text() == choose)
                    a->trigger();
            }
            if (popup)
                popup->close();
        });
        QContextMenuEvent open(QContextMenuEvent::Mouse, at(document),
                               table->viewport()->mapToGlobal(at(document)));
        QApplication::sendEvent(table->viewport(), &open);
        return shown;
    };
    for (const int document : {0, 1}) { // a real double-click: a click, then the second press
        const QPoint row = at(document);
        QTest::keyClick(table, document ? Qt::Key_Enter : Qt::Key_Return);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, {}, row);
    }
    EXPECT_EQ(dialogs.texts("openFile"), QStringList(2, path("out/a.pub")));
    EXPECT_EQ(menu(0, "Open the &Folder"), (QStringList{"&Open the Result", "-", "Open the &Folder"}));
    EXPECT_EQ(dialogs.texts("openFolder"), QStringList{path("out")});
    EXPECT_EQ(menu(1), (QStringList{"-", "-", "-"}));

    form->ListView1_CountOccurrences();
    at(0);
    QTest::keyClick(table, Qt::Key_Return);
    EXPECT_EQ(dialogs.texts("openFile").value(2), source);
}

// Clicking a column's header orders the rows as Qt's own sorting of the same
// keys would, for every column both ways.
TEST_F(ReportFixture, HeaderSortsEveryColumnAsQtWould)
{
    add("Sample.pub", "b.pub");
    add("60685.pub", "a.pub");
    add("bad-fuzzed-1.pub", "c.pub");
    add("51318.pub", "B.pub");
    add("Sample.pub", "sub/a.pub");
    form->Text1->setPlainText("e");
    form->PushButton7_Click();
    QTableView *table = form->reportWindow()->table();
    auto *shown = qobject_cast<QSortFilterProxyModel *>(table->model());
    ASSERT_NE(shown, nullptr);
    QSortFilterProxyModel oracle;
    oracle.setSourceModel(shown->sourceModel());
    oracle.setSortRole(shown->sortRole());
    const auto order = [](const QSortFilterProxyModel &m) {
        QList<int> rows;
        for (int r = 0; r < m.rowCount(); ++r)
            rows << m.mapToSource(m.index(r, 0)).row();
        return rows;
    };
    for (int column = 0; column < shown->columnCount(); ++column) {
        for (const Qt::SortOrder way : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            table->horizontalHeader()->setSortIndicator(column, way);
            oracle.sort(column, way);
            EXPECT_EQ(order(*shown), order(oracle)) << column << " " << way;
        }
    }
}
