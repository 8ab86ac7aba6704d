// The window and the tool in German: a first run on the samples through the
// real window and the real engine speaks German from caption to report,
// while the files other programs read (CSV, JSON) keep their English keys,
// headers and outcome words. Every caption of the window fits its control.
#include "app/form1.h"
#include "pubengine/server.h"
#include "sets/setslist.h"
#include "shell/apptitle.h"
#include "shell/automation.h"
#include "shell/language.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/form2.h"
#include "widgets/reportwindow.h"

#include <QAbstractButton>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMultiMap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

struct InGerman : ::testing::Test {
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    automation::Registry registry;
    QTemporaryDir dir;
    QTemporaryDir program;
    std::unique_ptr<Form1> form;

    void SetUp() override
    {
        ASSERT_EQ(installTranslations({QStringLiteral("de_DE")}), "de");
        QDir(program.path()).mkdir("Samples");
        for (const QFileInfo &f :
             QDir(QStringLiteral(VANTRELLE_SAMPLES_DIR)).entryInfoList({"*.pub"}, QDir::Files))
            QFile::copy(f.filePath(), program.path() + "/Samples/" + f.fileName());
        setProgramFolderForTesting(program.path());
        registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
        form = std::make_unique<Form1>(Form1Services{dialogs, *settings, registry});
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->Form_Load();
    }
    void TearDown() override
    {
        form.reset();
        setProgramFolderForTesting(QString());
        installTranslations({QStringLiteral("en")});
    }
};

// The captions a control shows cut off: wider than the control, by what the
// control itself asks for.
QStringList clippedCaptions(QWidget &window)
{
    QStringList clipped;
    const auto check = [&](QWidget *w, const QString &text, int needs) {
        if (w->isVisible() && needs > w->width())
            clipped << QStringLiteral("%1 “%2”: %3 px wide, needs %4")
                           .arg(w->objectName(), text)
                           .arg(w->width())
                           .arg(needs);
    };
    for (QAbstractButton *b : window.findChildren<QAbstractButton *>()) {
        // A push button's size hint has a minimum width of the style's; its
        // caption needs only the text inside the button's frame.
        int needs = b->sizeHint().width();
        if (qobject_cast<QPushButton *>(b)) {
            QStyleOptionButton option;
            option.initFrom(b);
            const QRect contents =
                b->style()->subElementRect(QStyle::SE_PushButtonContents, &option, b);
            needs = b->fontMetrics().horizontalAdvance(QString(b->text()).remove('&')) +
                    b->width() - contents.width();
        }
        check(b, b->text(), needs);
    }
    for (QLabel *l : window.findChildren<QLabel *>())
        if (!l->wordWrap())
            check(l, l->text(), l->sizeHint().width());
    // A combo box's size hint is its longest item's.
    for (QComboBox *c : window.findChildren<QComboBox *>())
        if (c->count() > 0)
            check(c, c->itemText(c->count() - 1), c->sizeHint().width());
    return clipped;
}

// The letters the window's captions give Alt, each to one control only.
QStringList clashingMnemonics(QWidget &window)
{
    QMultiMap<QChar, QString> owners;
    QStringList captions;
    // The controls of the tab not shown do not answer.
    for (QAbstractButton *b : window.findChildren<QAbstractButton *>())
        if (b->isVisible())
            captions << b->text();
    for (QLabel *l : window.findChildren<QLabel *>())
        if (l->isVisible())
            captions << l->text();
    for (const QString &caption : captions) {
        const qsizetype at = caption.indexOf('&');
        if (at >= 0 && at + 1 < caption.size() && caption[at + 1] != '&')
            owners.insert(caption[at + 1].toLower(), caption);
    }
    QStringList clashes;
    for (const QChar letter : owners.uniqueKeys())
        if (owners.count(letter) > 1)
            clashes << QStringList(owners.values(letter)).join(" / ");
    return clashes;
}

} // namespace

// The first language of the user's list that has a translation, unless
// English comes first; English where none has one.
TEST(Language, isTheFirstTranslatedOneUnlessEnglishComesFirst)
{
    const struct {
        QStringList languages;
        QString chosen;
        QString said; // Done. in that language
    } cases[] = {
        {{"de_DE"}, "de", "Fertig."},
        {{"fr-CA", "de"}, "fr", "Terminé."},
        {{"pt_BR", "es"}, "es", "Hecho."},
        {{"en_GB", "de"}, "", "Done."},
        {{"pt_BR"}, "", "Done."},
        {{"C"}, "", "Done."},
        {{}, "", "Done."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.languages.join(',').toStdString());
        EXPECT_EQ(installTranslations(c.languages), c.chosen);
        EXPECT_EQ(Form1::tr("Done."), c.said);
    }
    installTranslations({QStringLiteral("en")});
    EXPECT_EQ(Form1::tr("%n pairs", nullptr, 1), "1 pair");
}

TEST_F(InGerman, aRunOnTheSamplesSpeaksGermanAndItsFilesKeepTheirEnglishWords)
{
    EXPECT_EQ(form->PushButton7->text(), "Ersetzen &starten");
    EXPECT_EQ(form->Frame1->title(), "Suchoptionen");
    EXPECT_EQ(form->ListView1->accessibleName(), "Publisher-Datei(en)");

    dialogs.questionAnswers = {false}; // do not open the samples folder
    QTest::mouseClick(form->PushButton8, Qt::LeftButton);
    ASSERT_EQ(dialogs.texts("question").size(), 1);
    EXPECT_TRUE(dialogs.texts("question")[0].startsWith("Soll das Programm den Ordner öffnen"));
    const int samples = form->ListView1->count();
    ASSERT_GE(samples, 3);

    QDir(dir.path()).mkpath("out");
    QTest::mouseClick(form->Option1, Qt::LeftButton);
    form->Text3->setText(dir.filePath("out") + "/");
    form->Text1->setPlainText("2026");
    form->Text2->setPlainText("2027");
    QTest::mouseClick(form->PushButton7, Qt::LeftButton);

    EXPECT_EQ(dialogs.texts("notice"), QStringList{"Fertig."});
    ReportWindow *report = form->reportWindow();
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->windowTitle().startsWith("Laufbericht — "));
    EXPECT_EQ(clippedCaptions(*report), QStringList());
    EXPECT_TRUE(report->summaryLabel()->text().startsWith(
        QStringLiteral("%1 Dokumente: %1 geschrieben; ").arg(samples)))
        << report->summaryLabel()->text().toStdString();
    const QAbstractItemModel *table = report->table()->model();
    EXPECT_EQ(table->headerData(ReportWindow::Result, Qt::Horizontal).toString(), "Status");
    for (int row = 0; row < samples; ++row)
        EXPECT_EQ(table->index(row, ReportWindow::Result).data().toString(), "geschrieben");

    // Saved from the report window, the CSV has the English header and words.
    const QString csv = dir.filePath("report.csv");
    dialogs.saveAnswers.push_back(csv);
    report->findChild<QPushButton *>("saveCsv")->click();
    QFile file(csv);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), samples + 1);
    EXPECT_TRUE(lines[0].endsWith("Document,Outcome,Replacements,Left,Output,Milliseconds,Pairs,"
                                  "Errors,Matching,PDF,PDF outcome,Fit"));
    EXPECT_TRUE(lines[1].contains(",written,")) << lines[1].toStdString();
    EXPECT_TRUE(lines[1].contains("any case")) << lines[1].toStdString();
}

// The tool with LANGUAGE=de: its summary in German, its JSON report in English.
TEST(ToolInGerman, saysItsSummaryInGermanAndWritesTheJsonReportInEnglish)
{
    QTemporaryDir dir;
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANGUAGE", "de");
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(VANTRELLE_REPLACE_TOOL),
               {"--pair", "2026", "2027", "--report", dir.filePath("r.json"), "--out-dir",
                dir.path(), QStringLiteral(VANTRELLE_SAMPLES_DIR)});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 0);
    const QString said = QString::fromUtf8(tool.readAllStandardError());
    EXPECT_TRUE(said.contains(" Dokumente: ") && said.contains(" Ersetzungen"))
        << said.toStdString();
    QFile file(dir.filePath("r.json"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QJsonArray documents = QJsonDocument::fromJson(file.readAll())["documents"].toArray();
    ASSERT_GE(documents.size(), 3);
    for (const QJsonValue d : documents) {
        EXPECT_EQ(d["outcome"].toString(), "written");
        EXPECT_TRUE(d.toObject().contains("replaced"));
        EXPECT_EQ(d["pairs"][0]["find"].toString(), "2026");
    }
}

// The engine's failures come translated too, the advice for a damaged file
// included (it is chosen by the reason's translated start).
TEST(ToolInGerman, saysWhyADamagedPublicationCannotBeRead)
{
    QTemporaryDir dir;
    QFile sample(QStringLiteral(VANTRELLE_SAMPLES_DIR "/Spring-Fair-Flyer.pub"));
    ASSERT_TRUE(sample.open(QIODevice::ReadOnly));
    QFile cut(dir.filePath("cut.pub"));
    ASSERT_TRUE(cut.open(QIODevice::WriteOnly));
    cut.write(sample.read(4096)); // cut short, as by an interrupted copy
    cut.close();
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("LANGUAGE", "de");
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral(VANTRELLE_REPLACE_TOOL),
               {cut.fileName(), dir.filePath("out.pub"), "2026", "2027"});
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(tool.exitCode(), 1);
    const QString said = QString::fromUtf8(tool.readAllStandardError());
    EXPECT_TRUE(said.contains("“ kann nicht gelesen werden: die Datei ist beschädigt: ") &&
                said.contains("Verwenden Sie eine unbeschädigte Kopie, etwa eine Sicherung."))
        << said.toStdString();
}

// Run at the scale factors ctest gives it, in each shipped language.
TEST(Captions, fitTheirControlsInEveryLanguage)
{
    for (const char *language : {"en", "de", "fr", "es"}) {
        SCOPED_TRACE(language);
        installTranslations({QString::fromLatin1(language)});
        test::ScriptedDialogs dialogs;
        test::TempSettings settings;
        automation::Registry registry;
        // With the choice of engine a Windows machine with the publishing
        // program shows.
        Form1 form({dialogs, *settings, registry, &registry});
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        EXPECT_EQ(clippedCaptions(form), QStringList());
        EXPECT_EQ(clashingMnemonics(form), QStringList());
        form.TabControl1->setSelectedIndex(1);
        EXPECT_EQ(clippedCaptions(form), QStringList());
        EXPECT_EQ(clashingMnemonics(form), QStringList());
        SetsModel sets;
        Form2 loadSets(dialogs, *settings, sets);
        loadSets.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&loadSets));
        EXPECT_EQ(clippedCaptions(loadSets), QStringList());
    }
    installTranslations({QStringLiteral("en")});
}
