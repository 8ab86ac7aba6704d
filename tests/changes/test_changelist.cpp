// The change list of a document the real engine edited: what it shows, what
// it copies, and when it offers the pages.
#include "app/form1.h"
#include "pubengine/server.h"
#include "run/reportformat.h"
#include "sets/setslist.h"
#include "tests/support/qtprinters.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/changelist.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/reportwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QTreeWidget>

#include "tests/support/corpus.h"

#include <gtest/gtest.h>

using namespace vantrelle;

namespace {

DocumentResult runOn(const QString &name, const QStringList &finds, const QStringList &replacements,
                     bool preview, const QString &folder)
{
    automation::Registry registry;
    registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
    RunRequest request;
    request.documents = {QStringLiteral(VANTRELLE_CORPUS_DIR "/") + name};
    request.tab = 1;
    request.findList = finds;
    request.replaceList = replacements;
    request.folder = folder;
    request.preview = preview;
    test::ScriptedDialogs dialogs;
    return processDocument(request, request.documents[0], OutputPlan(request).at(0), dialogs,
                           registry);
}

// Every change item, as the delegate draws it.
QList<QTreeWidgetItem *> changeItems(const ChangeList &list)
{
    QList<QTreeWidgetItem *> items;
    for (int g = 0; g < list.tree()->topLevelItemCount(); ++g)
        for (int c = 0; c < list.tree()->topLevelItem(g)->childCount(); ++c)
            items << list.tree()->topLevelItem(g)->child(c);
    return items;
}

// Every run of text shown bold and underlined.
QStringList marked(const ChangeList &list)
{
    QStringList parts;
    for (const QTreeWidgetItem *item : changeItems(list)) {
        QTextDocument doc;
        doc.setHtml(item->data(0, ChangeList::kHtmlRole).toString());
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            for (auto it = b.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                if (f.fontWeight() >= QFont::Bold && f.fontUnderline())
                    parts << it.fragment().text();
            }
        }
    }
    return parts;
}

// What a screen reader reads.
QString shownText(const ChangeList &list)
{
    QStringList lines;
    for (const QTreeWidgetItem *item : changeItems(list))
        lines << item->text(0);
    return lines.join('\n');
}

} // namespace

TEST(ChangeList, showsEachChangeMarkedFiltersByPairAndCopiesText)
{
    VANTRELLE_REQUIRE_CORPUS();
    QTemporaryDir dir;
    const DocumentResult d = runOn(QStringLiteral("Sample.pub"), {"page", "Top right"},
                                   {"leaf", "Top right cell"}, false, dir.path());
    ASSERT_EQ(d.outcome, Outcome::Written) << d.errors.join('\n').toStdString();
    ChangeList list;
    list.setDocument(d, false);
    QStringList expected;
    for (const PairResult &p : d.pairs) {
        EXPECT_EQ(p.changes.size(), p.replaced);
        for (int i = 0; i < p.changes.size(); ++i)
            expected << p.find << p.replacement;
    }
    EXPECT_EQ(expected.size(), 14);
    EXPECT_EQ(marked(list), expected);
    EXPECT_TRUE(shownText(list).contains("became: It’s in the second textbox on the first leaf"));

    list.setPairFilter(1);
    EXPECT_EQ(marked(list), (QStringList{"Top right", "Top right cell"}));
    EXPECT_EQ(list.text(), formatChange(d.pairs[1].changes[0], false) + "\n");
    list.findChild<QPushButton *>("copyChanges")->click();
    EXPECT_EQ(QApplication::clipboard()->text(), list.text());
}

TEST(ChangeList, aPreviewSaysWouldBecomeAndHasNoPagesToShow)
{
    VANTRELLE_REQUIRE_CORPUS();
    QTemporaryDir dir;
    const DocumentResult d =
        runOn(QStringLiteral("Sample.pub"), {"second"}, {"2nd"}, true, dir.path());
    ChangeList list;
    list.setDocument(d, true);
    EXPECT_TRUE(shownText(list).contains("would become: This is the 2nd page"));
    EXPECT_FALSE(list.pagesButton()->isEnabled());
}

TEST(ChangeList, thePagesButtonSaysWhatToInstallWithoutLibreOffice)
{
    VANTRELLE_REQUIRE_CORPUS();
    QTemporaryDir dir;
    const DocumentResult d =
        runOn(QStringLiteral("Sample.pub"), {"second"}, {"2nd"}, false, dir.path());
    ChangeList list;
    list.setDocument(d, false);
    list.setRenderProgram(dir.filePath("no-soffice"));
    EXPECT_FALSE(list.pagesButton()->isEnabled());
    EXPECT_TRUE(list.pagesButton()->text().contains("install libreoffice-draw"));
    if (!QStandardPaths::findExecutable("soffice").isEmpty()) {
        list.setRenderProgram({});
        EXPECT_TRUE(list.pagesButton()->isEnabled());
    }
}

TEST(ChangeList, theReportWindowShowsTheSelectedDocumentsChanges)
{
    VANTRELLE_REQUIRE_CORPUS();
    test::ScriptedDialogs dialogs;
    test::TempSettings settings;
    automation::Registry registry;
    registry.Register(automation::kPublisherProgId, pubengine::makePublisherServer());
    Form1 form(Form1Services{dialogs, *settings, registry});
    QTemporaryDir dir;
    form.Text3->setText(dir.path() + "/");
    form.Option1->setChecked(true);
    for (const QString name : {"Sample.pub", "Simple.pub"})
        form.ListView1->append(QStringLiteral(VANTRELLE_CORPUS_DIR "/") + name);
    form.TabControl1->setSelectedIndex(1);
    form.sets().append({{"page", "0123456789"}, {"leaf", "0-9"}});

    form.ListView1_CountOccurrences();
    ASSERT_NE(form.reportWindow(), nullptr);
    ChangeList *list = form.reportWindow()->changeList();
    form.reportWindow()->selectDocument(1);
    EXPECT_TRUE(shownText(*list).contains("would become: 0-9"));

    form.PushButton7_Click();
    const QStringList names = {"Sample.pub", "Simple.pub"};
    for (int i : {1, 0}) {
        // The window keeps no changes: it counts the unchanged source again.
        EXPECT_EQ(form.reportWindow()->document(i).changesListed(), 0);
        form.reportWindow()->selectDocument(i);
        const DocumentResult d = runOn(names[i], {"page", "0123456789"}, {"leaf", "0-9"}, true,
                                       dir.path() + "/");
        QString lines;
        for (const PairResult &p : d.pairs) {
            for (const automation::Change &c : p.changes)
                lines += formatChange(c, false) + "\n";
        }
        EXPECT_GT(d.changesListed(), 0);
        EXPECT_EQ(list->text(), lines);
        EXPECT_TRUE(shownText(*list).contains("became: "));
    }
}
