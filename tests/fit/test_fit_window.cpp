// The fit check as the window's user meets it: "Warn when text no longer fits
// its box", Count, the report's Fit column and the change list's marks.
#include "app/form1.h"
#include "fit/fitcheck.h"
#include "pubengine/publication.h"
#include "pubengine/server.h"
#include "pubengine/storylayout.h"
#include "pubwriter/writer.h"
#include "shell/settings.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/changelist.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/reportwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace vantrelle;
namespace w = pubengine::writer;

namespace {

// A 3-inch box holding two short paragraphs with room for a few more lines.
void writeFlyer(const QString &path)
{
    w::Document doc;
    w::Page page;
    page.boxes = {{{72, 72, 216, 60},
                   {w::paragraph({w::run(QStringLiteral("Acme Ltd"))}),
                    w::paragraph({w::run(QStringLiteral("Call us today"))})}}};
    doc.pages = {page};
    w::writeFile(doc, path);
}

bool boxesReadable(const QString &path)
{
    const auto layouts = pubengine::storyLayouts(pubengine::Publication::open(path));
    return !layouts.empty() && layouts.front().unreadable.isEmpty();
}

} // namespace

TEST(FitInWindow, CountShowsWhichDocumentsNoLongerFitBeforeAnythingIsWritten)
{
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    automation::Registry registry;
    registry.Register(automation::kPublisherProgId,
                      pubengine::makePublisherServer(fit::makeFitChecker()));
    QTemporaryDir dir;
    const QString flyer = dir.filePath(QStringLiteral("flyer.pub"));
    writeFlyer(flyer);

    auto form = std::make_unique<Form1>(Form1Services{dialogs, *settings, registry});
    form->Form_Load();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_TRUE(form->CheckFit->isChecked()) << "on until the user turns it off";
    form->ListView1->append(flyer);
    QDir(dir.path()).mkpath(QStringLiteral("out"));
    QTest::mouseClick(form->Option1, Qt::LeftButton);
    form->Text3->setText(dir.filePath(QStringLiteral("out")) + "/");
    form->TabControl1->setSelectedIndex(0);
    QTest::keyClicks(form->Text1, QStringLiteral("Ltd"));
    QTest::keyClicks(form->Text2, QStringLiteral(" and Partners").repeated(30));

    const auto fitCells = [&] {
        form->ListView1->findChild<QAction *>(QStringLiteral("CountOccurrences"))->trigger();
        QStringList cells;
        if (!form->reportWindow())
            return cells;
        const QAbstractItemModel *model = form->reportWindow()->table()->model();
        for (int r = 0; r < model->rowCount(); ++r)
            cells << model->index(r, ReportWindow::Fit).data().toString();
        return cells;
    };
    const QStringList checked = fitCells();
    ASSERT_EQ(checked.size(), 1);
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("out"))).isEmpty());
    if (boxesReadable(flyer)) {
        EXPECT_TRUE(checked[0].startsWith("1 box") && checked[0].contains("overflow"));
        form->reportWindow()->selectDocument(0);
        EXPECT_TRUE(form->reportWindow()->changeList()->text().contains(
            QStringLiteral("no longer fits its box: overflows by about")))
            << form->reportWindow()->changeList()->text().toStdString();
    } else {
        // Without the reader of boxes the check says so; it never guesses.
        EXPECT_EQ(checked, QStringList{"could not check"});
    }

    // Off: no check, no column text, and the choice is kept.
    QTest::mouseClick(form->CheckFit, Qt::LeftButton);
    EXPECT_EQ(fitCells(), QStringList{""});
    EXPECT_FALSE(settings->boolean(keys::WarnFit));
}
