// PDFs of the results as a user makes them in the window: the option ticked
// before a run, and "Save PDFs of the Results…" in the report window, with
// LibreOffice itself and without it.
#include "app/form1.h"
#include "pubengine/server.h"
#include "shell/automation.h"
#include "shell/settings.h"
#include "tests/support/pdffiles.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/reportwindow.h"

#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

const QString kCorpus = QStringLiteral(VANTRELLE_CORPUS_DIR);

struct PdfWindow : ::testing::Test {
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    automation::Registry registry;
    QTemporaryDir dir;
    std::unique_ptr<Form1> form;

    void SetUp() override
    {
        if (!QFile::exists(kCorpus + "/Sample.pub"))
            GTEST_SKIP() << "corpus not found at " << VANTRELLE_CORPUS_DIR;
        registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
        form = std::make_unique<Form1>(Form1Services{dialogs, *settings, registry});
        form->Form_Load();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        QDir(dir.path()).mkpath(QStringLiteral("in"));
        QDir(dir.path()).mkpath(QStringLiteral("out"));
        QDir(dir.path()).mkpath(QStringLiteral("pdfs"));
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    void runOn(const QStringList &corpusNames)
    {
        for (const QString &name : corpusNames) {
            QFile::copy(kCorpus + "/" + name, path("in/" + name));
            form->ListView1->append(path("in/" + name));
        }
        QTest::mouseClick(form->Option1, Qt::LeftButton);
        form->Text3->setText(path("out") + "/");
        form->TabControl1->setSelectedIndex(0);
        QTest::keyClicks(form->Text1, QStringLiteral("first page"));
        QTest::keyClicks(form->Text2, QStringLiteral("opening leaf"));
        QTest::mouseClick(form->PushButton7, Qt::LeftButton);
    }
    QStringList pdfColumn() const
    {
        const QAbstractItemModel *model = form->reportWindow()->table()->model();
        QStringList column;
        for (int r = 0; r < model->rowCount(); ++r)
            column << model->index(r, ReportWindow::Pdf).data().toString();
        return column;
    }
};

void expectShowsReplacement(const QString &pdf)
{
    SCOPED_TRACE(pdf.toStdString());
    const test::PdfSeen seen = test::readPdf(pdf);
    EXPECT_EQ(seen.pages, 2);
    EXPECT_TRUE(seen.text.contains(QStringLiteral("opening leaf")));
    EXPECT_FALSE(seen.text.contains(QStringLiteral("first page")));
}

} // namespace

TEST_F(PdfWindow, theOptionAndTheReportWindowsButtonSaveAPdfOfEveryResult)
{
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    ASSERT_TRUE(form->CheckPdf->isEnabled());
    QTest::mouseClick(form->CheckPdf, Qt::LeftButton);
    EXPECT_EQ(settings->get(keys::SavePdfs), QStringLiteral("True"));
    runOn({"Sample.pub", "Sample3.pub"});
    for (const char *name : {"Sample", "Sample3"})
        expectShowsReplacement(path(QStringLiteral("out/%1.pdf").arg(name)));
    ASSERT_NE(form->reportWindow(), nullptr);
    EXPECT_EQ(pdfColumn(), (QStringList{"written", "written"}));
    EXPECT_TRUE(form->reportWindow()->summaryLabel()->text().contains("PDFs: 2 written"));

    ReportWindow *report = form->reportWindow();
    ASSERT_TRUE(report->pdfButton()->isEnabled());
    dialogs.folderAnswers.push_back(path("pdfs"));
    report->pdfButton()->menu()->findChild<QAction *>("pdfsIntoFolder")->trigger();
    for (const char *name : {"Sample", "Sample3"})
        expectShowsReplacement(path(QStringLiteral("pdfs/%1.pdf").arg(name)));
    EXPECT_TRUE(report->detailText().contains("PDF: " + path("pdfs/Sample.pdf") + " (written)"))
        << report->detailText().toStdString();
}

TEST_F(PdfWindow, withoutLibreOfficeBothWaysAreOffAndSayWhatToInstall)
{
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", dir.path().toUtf8());
    form = std::make_unique<Form1>(Form1Services{dialogs, *settings, registry});
    form->Form_Load();
    ReportWindow report(dialogs);
    report.setReport(RunReport{});
    qputenv("PATH", path);
    EXPECT_FALSE(form->CheckPdf->isEnabled());
    EXPECT_FALSE(report.pdfButton()->isEnabled());
    for (const QString &tip : {form->CheckPdf->toolTip(), report.pdfButton()->toolTip()})
        EXPECT_TRUE(tip.contains("install the package libreoffice-draw")) << tip.toStdString();
}
