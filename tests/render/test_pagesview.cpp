// The pages side by side: same page on both sides, a side with fewer pages
// says so, and the dialog draws real files with LibreOffice.
#include "tests/support/qtprinters.h"
#include "widgets/pagesdialog.h"
#include "widgets/pagesview.h"

#include <QLabel>
#include <QPainter>
#include <QPdfPageNavigator>
#include <QPdfView>
#include <QPdfWriter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "tests/support/corpus.h"

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

QByteArray pdfWithPages(int pages)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.drawText(100, 100, QStringLiteral("page %1").arg(i + 1));
    }
    painter.end();
    return bytes;
}

// What each side shows: its page number, or the text saying it has none.
QStringList shown(const PagesView &view)
{
    QStringList sides;
    for (QStackedWidget *stack : view.findChildren<QStackedWidget *>()) {
        if (auto *pdf = qobject_cast<QPdfView *>(stack->currentWidget()))
            sides << QString::number(pdf->pageNavigator()->currentPage() + 1);
        else
            sides << qobject_cast<QLabel *>(stack->currentWidget())->text();
    }
    return sides;
}

} // namespace

TEST(PagesView, bothSidesShowTheSamePageAndAShorterSideSaysSo)
{
    PagesView view;
    view.setDocuments(pdfWithPages(3), QStringLiteral("a.pub"), pdfWithPages(2),
                      QStringLiteral("a_replaced.pub"));
    view.show();
    EXPECT_EQ(view.pageCount(), 3);
    // It opens on the first page that differs: the one only one side has.
    EXPECT_EQ(shown(view), (QStringList{"3", "No page 3 here: this side ends at page 2."}));
    view.setPage(0);
    EXPECT_EQ(shown(view), (QStringList{"1", "1"}));
    view.setPage(1);
    EXPECT_EQ(shown(view), (QStringList{"2", "2"}));
    view.setPage(7); // beyond the end: the last page
    EXPECT_EQ(view.page(), 2);
    EXPECT_EQ(shown(view), (QStringList{"3", "No page 3 here: this side ends at page 2."}));

    // Paging inside one side moves the other too.
    view.setPage(0);
    view.findChild<QPdfView *>()->pageNavigator()->jump(1, {});
    EXPECT_EQ(shown(view), (QStringList{"2", "2"}));

    view.setZoom(2.0);
    for (QPdfView *pdf : view.findChildren<QPdfView *>())
        EXPECT_DOUBLE_EQ(pdf->zoomFactor(), 2.0);
    view.setZoom(0);
    for (QPdfView *pdf : view.findChildren<QPdfView *>())
        EXPECT_EQ(pdf->zoomMode(), QPdfView::ZoomMode::FitToWidth);
}

// Scrolling one side, either way, scrolls the other to the same place.
TEST(PagesView, theTwoSidesScrollTogether)
{
    PagesView view;
    view.setDocuments(pdfWithPages(1), QStringLiteral("a.pub"), pdfWithPages(1),
                      QStringLiteral("b.pub"));
    view.resize(800, 600);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    view.setZoom(3.0);
    const QList<QPdfView *> sides = view.findChildren<QPdfView *>();
    ASSERT_EQ(sides.size(), 2);
    for (int from = 0; from < 4; ++from) {
        auto bar = [&](int side) {
            return from < 2 ? sides[side % 2]->verticalScrollBar()
                            : sides[side % 2]->horizontalScrollBar();
        };
        bar(from)->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_GT(bar(from)->value(), 0) << from;
        EXPECT_EQ(bar(from + 1)->value(), bar(from)->value()) << from;
    }
}

TEST(PagesView, aDrawingThatIsNoPdfSaysItCannotBeShown)
{
    PagesView view;
    view.setDocuments("not a pdf", QStringLiteral("Before"), pdfWithPages(1),
                      QStringLiteral("After"));
    EXPECT_EQ(view.sidePageCount(0), -1);
    EXPECT_EQ(shown(view), (QStringList{"These pages could not be shown.", "1"}));
}

TEST(PagesDialog, drawsSourceAndResultWithLibreOffice)
{
    VANTRELLE_REQUIRE_CORPUS();
    if (QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty())
        VANTRELLE_SKIP("LibreOffice is not installed");
    const QString source = QStringLiteral(VANTRELLE_CORPUS_DIR "/Sample3.pub");
    PagesDialog dialog(source, QStringLiteral(VANTRELLE_CORPUS_DIR "/Sample3_2010.pub"));
    QSignalSpy ended(&dialog, &PagesDialog::drawingEnded);
    ASSERT_TRUE(ended.wait(120000));
    ASSERT_TRUE(ended.first().first().toBool()) << dialog.statusText().toStdString();
    EXPECT_GT(dialog.view()->sidePageCount(0), 0);
    EXPECT_GT(dialog.view()->sidePageCount(1), 0);
}

TEST(PagesDialog, withoutLibreOfficeSaysWhichPackageToInstall)
{
    QTemporaryDir dir;
    PagesDialog dialog(QStringLiteral(VANTRELLE_CORPUS_DIR "/Sample.pub"),
                       QStringLiteral(VANTRELLE_CORPUS_DIR "/Sample.pub"), nullptr,
                       dir.filePath(QStringLiteral("soffice")));
    QSignalSpy ended(&dialog, &PagesDialog::drawingEnded);
    ASSERT_TRUE(ended.wait(5000));
    EXPECT_FALSE(ended.first().first().toBool());
    EXPECT_TRUE(dialog.statusText().contains(QStringLiteral("libreoffice-draw")));
}
