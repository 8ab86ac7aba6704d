// "Start Replacing", counting without writing, stopping a run, the report
// window, and the sample documents.
#include "app/form1.h"

#include "doclist/addfolder.h"
#include "doclist/screening.h"
#include "fsutil/paths.h"
#include "run/publisher1.h"
#include "run/runcore.h"
#include "sets/setslist.h"
#include "shell/apptitle.h"
#include "shell/dialogs.h"
#include "shell/errorreport.h"
#include "shell/pairtext.h"
#include "shell/settings.h"
#include "widgets/controls.h"
#include "widgets/doclistview.h"
#include "widgets/reportwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QShortcut>

#include <cmath>
#include <optional>
#include <tuple>

namespace vantrelle {

namespace {

QString samplesFolder()
{
    return programFolder() + QStringLiteral("/Samples");
}

} // namespace

// The window's side of a run: the pointer, the progress bar, the title and
// the yields.
class Form1::RunView final : public RunObserver {
public:
    RunView(Form1 &form, qsizetype documents)
        : m_form(form), m_documents(documents), m_title(form.windowTitle())
    {
    }
    ~RunView() override { m_form.setWindowTitle(m_title); }
    void busy() override { m_form.m_pointer.set(kPointerHourglass); }
    void progressValue(int value) override { m_form.ProgressBar1->setValue(value); }
    void progressText(const QString &text) override { m_form.ProgressBar1->setText(text); }
    void yield() override
    {
        // Once per document, so the title counts documents.
        m_form.setWindowTitle(QStringLiteral("%1 — %2/%3")
                                  .arg(QString::fromLatin1(kProductName))
                                  .arg(++m_reached)
                                  .arg(m_documents));
        YieldToEventLoop();
        // Asked between documents: the next one has not begun, so it is not begun.
        m_stopNow = m_stopNow || m_form.m_stopAsked;
    }
    // Asked during a document: that document is finished first, so nothing is
    // left half done. Closing the window stops at once.
    bool stopRequested() override { return m_form.m_closing || m_stopNow; }
    void documentFinished(int, const DocumentResult &document) override
    {
        // A count that would fail or skip a document leaves it out of the
        // review: a run would meet the same.
        if (m_form.m_review &&
            (document.outcome == Outcome::Written || document.outcome == Outcome::NothingFound))
            m_form.m_review->insert(document.source, ReviewedDocument::of(document));
        m_form.m_reportWindow->addDocument(document);
        m_stopNow = m_form.m_stopAsked;
    }
    void idle() override { m_form.m_pointer.set(kPointerDefault); }

private:
    Form1 &m_form;
    qsizetype m_documents;
    QString m_title;
    qsizetype m_reached = 0;
    bool m_stopNow = false;
};

void Form1::connectRunHandlers()
{
    // The same name as the button beside Start Replacing.
    auto *count = new QAction(tr("Cou&nt Only"), ListView1);
    count->setObjectName(QStringLiteral("CountOccurrences"));
    count->setShortcut(QKeySequence(QString::fromLatin1(kCountShortcut)));
    count->setShortcutContext(Qt::WindowShortcut);
    count->setShortcutVisibleInContextMenu(true);
    connect(count, &QAction::triggered, this, [this] { ListView1_CountOccurrences(); });
    ListView1->addAction(count);
    // The design fixes the list's own tooltip; its header tells of the count.
    ListView1->header()->setToolTip(
        tr("Right-click the list or press %1 to count the occurrences without "
           "writing anything.")
            .arg(QString::fromLatin1(kCountShortcut)));

    // Only while a run goes: otherwise Esc stays with the controls.
    m_escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    m_escape->setContext(Qt::WindowShortcut);
    m_escape->setEnabled(false);
    connect(m_escape, &QShortcut::activated, this, [this] { Form_Escape(); });
}

void Form1::PushButton7_Click()
{
    startRun(false);
}

void Form1::ListView1_CountOccurrences()
{
    startRun(true);
}

void Form1::Form_Escape()
{
    if (!m_runInProgress || m_stopAsked)
        return;
    if (m_services.dialogs.question(tr(kStopQuestion), true))
        m_stopAsked = true;
}

void Form1::startRun(bool preview)
{
    Guard guard(m_services.dialogs, loc::Form1_Pushbutton7_Click);
    Dialogs &dialogs = m_services.dialogs;
    guard.reach(100);
    if (m_runInProgress)
        return;
    // The list is still growing: a run now would take only part of it.
    if (m_walkInProgress) {
        dialogs.notice(tr(kBusyAdding));
        return;
    }
    guard.run(102, [&] { m_runInProgress = true; });

    const bool folderUsable = guard.test(104, [&] {
        const bool exists = FolderExists(Text3->text());
        const bool ownFolder = Option2->isChecked();
        return exists || ownFolder;
    });
    if (!folderUsable) {
        guard.run(162, [&] {
            dialogs.notice(tr("The folder “%1” does not exist. Please select another "
                              "folder.")
                               .arg(Text3->text()));
        });
    } else if (!guard.test(106, [&] { return ListView1->count() >= 1; })) {
        guard.run(160, [&] { dialogs.notice(tr("No files added.")); });
    } else if (const QString refusal = textsRefusal(); !refusal.isEmpty()) {
        dialogs.notice(refusal);
    } else {
        guard.run(108, [&] { screenDocumentList(); });
        const bool goOn = guard.test(
            110, [&] { return !Publisher1::WarnIfPublisherOpen(dialogs, engine()); });
        if (goOn)
            performRun(runRequest(preview), guard);
    }
    guard.reach(164);
    m_runInProgress = false;
}

void Form1::WriteTickedChanges()
{
    Guard guard(m_services.dialogs, loc::Form1_Pushbutton7_Click);
    if (m_runInProgress || !m_review)
        return;
    m_runInProgress = true;
    if (!Publisher1::WarnIfPublisherOpen(m_services.dialogs, engine())) {
        // The count's request: the decisions were made on its pairs, options
        // and output, whatever the window says now.
        RunRequest request = m_lastRequest;
        request.preview = false;
        request.forReview = false;
        request.review = std::make_shared<const ReviewInMemory>(*m_review);
        PathList counted;
        for (const QString &document : m_lastRequest.documents) {
            if (m_review->contains(document))
                counted.append(document);
        }
        request.documents = std::move(counted);
        performRun(std::move(request), guard);
    }
    m_runInProgress = false;
}

void Form1::performRun(RunRequest request, Guard &guard)
{
    Dialogs &dialogs = m_services.dialogs;
    m_lastRequest = std::move(request);
    const bool preview = m_lastRequest.preview;
    m_review = m_lastRequest.forReview ? std::make_shared<Review>() : nullptr;
    m_stopAsked = false;
    m_escape->setEnabled(true);
    reportWindow(true)->beginReport(m_lastRequest.documents);
    {
        RunView view(*this, m_lastRequest.documents.size());
        m_lastReport = runDocuments(m_lastRequest, dialogs, engine(), view);
    }
    m_reportWindow->endReport(m_lastReport);
    m_escape->setEnabled(false);
    if (m_review && !m_review->isEmpty())
        m_reportWindow->setReview(m_review, [this] { WriteTickedChanges(); });
    if (!m_closing && !preview && CheckPdf->isEnabled() && CheckPdf->isChecked())
        m_reportWindow->savePdfs({}, false);
    if (!m_closing) {
        guard.run(158, [&] { dialogs.notice(tr("Done.")); });
        if (m_lastReport.documents > 0)
            showReport();
    }
}

ReportWindow *Form1::reportWindow(bool create)
{
    if (!m_reportWindow && create) {
        m_reportWindow = new ReportWindow(m_services.dialogs, this);
        // Counted again from the source, which the run never changes, with
        // the run's own pairs: the listing is the one the run made. About
        // 2 ms for a 120 KB publication with hundreds of occurrences, where
        // keeping every document's changes cost about 100 KB a document, and
        // a temporary file of them as much disk.
        m_reportWindow->setChangesSource([this](const DocumentResult &document) {
            RunRequest request = m_lastRequest;
            request.preview = true;
            request.documents = {document.source};
            SilentDialogs silent;
            return processDocument(request, document.source, PlannedOutput{document.output, {}, {}},
                                   silent, m_services.registry)
                .pairs;
        });
    }
    return m_reportWindow;
}

void Form1::showReport()
{
    m_reportWindow->show();
    m_reportWindow->raise();
    m_reportWindow->activateWindow();
}

RunRequest Form1::runRequest(bool preview) const
{
    RunRequest request;
    request.preview = preview;
    // A count is a review: every change listed, each source's stamp taken.
    // The publishing program edits whole documents: nothing to tick there.
    request.forReview = preview && !programEngine();
    request.documents = ListView1->rows();
    request.tab = TabControl1->selectedIndex();
    request.findText = Text1->toPlainText();
    request.replaceText = Text2->toPlainText();
    request.findList = m_sets->pairs().find;
    request.replaceList = m_sets->pairs().replace;
    request.matchCase = checkValue(Check2);
    request.wholeWord = matching().wholeWord;
    request.regex = matching().regex;
    request.keepCase = matching().keepCase;
    request.inLinks = Combo3->isEnabled() && Combo3->currentIndex() >= 1;
    request.inProperties = Combo3->isEnabled() && Combo3->currentIndex() >= 2;
    request.fitCheck = CheckFit->isChecked();
    request.useFolder = Option1->isChecked();
    request.folder = Text3->text();
    return request;
}

MatchOptions Form1::matching() const
{
    const bool keepCase = CheckKeepCase->isEnabled() && checkValue(CheckKeepCase) == kMatchCaseTicked;
    return {checkValue(Check2) == kMatchCaseTicked && !keepCase,
            checkValue(CheckWholeWord) == kMatchCaseTicked,
            CheckRegex->isEnabled() && checkValue(CheckRegex) == kMatchCaseTicked, keepCase};
}

QString Form1::textsRefusal() const
{
    const int tab = TabControl1->selectedIndex();
    if (tab == 0 && Text1->toPlainText().isEmpty())
        return tr(kNothingToFind);
    if (tab == 1 && m_sets->rowCount() == 0)
        return tr(kNoSets);
    const MatchOptions options = matching();
    if (tab == 1)
        return pairsRefusal(m_sets->pairs(), tr("in the sets list"), EmptyFind::Refused, options);
    if (tab != 0)
        return {};
    for (const auto &[box, text, role] :
         {std::tuple{tr("Find what"), Text1->toPlainText(), PairTextRole::Find},
          std::tuple{tr("Replace with"), Text2->toPlainText(), PairTextRole::Replace}}) {
        if (const auto fault = pairTextFault(text, role))
            return describePairTextFault(tr("The text in “%1”").arg(box), *fault) +
                   QLatin1Char('.');
    }
    if (const QString refusal = patternRefusal(Text1->toPlainText(), Text2->toPlainText(), options);
        !refusal.isEmpty())
        return tr("The texts in “Find what” and “Replace with” cannot be used: %1.").arg(refusal);
    return {};
}

void Form1::screenDocumentList()
{
    Main::ValidateListFiles(*ListView1, m_services.dialogs);
}

void Form1::PushButton8_Click()
{
    Guard guard(m_services.dialogs, loc::Form1_PushButton8_Click);
    guard.run(100, [&] { AddSampleFiles(); });
    guard.run(110, [&] { screenDocumentList(); });
}

void Form1::RecordSampleFiles()
{
    const QString folder = samplesFolder();
    QStringList paths;
    for (const QString &name : AddFolder::GetFilesInFolder(folder, QStringLiteral("*.*")))
        paths << folder + kSeparator + name;
    m_services.settings.set(keys::Snapshot, paths.join(QLatin1Char('|')));
}

void Form1::AddSampleFiles()
{
    const QString recorded = m_services.settings.get(keys::Snapshot);
    const QStringList parts = recorded.isEmpty() ? QStringList() : recorded.split(QLatin1Char('|'));
    for (const QString &part : parts) {
        if (DoesFileExist(part) && !ListContains(*ListView1, part))
            ListView1->append(part);
    }
    const bool open = m_services.dialogs.question(
        tr("Would you like this software to open the folder where these sample files "
           "are stored (so that you can view them before working with them)?"),
        false);
    if (open)
        m_services.dialogs.openFolder(samplesFolder() + kSeparator);
}

} // namespace vantrelle
