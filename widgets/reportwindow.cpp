#include "widgets/reportwindow.h"
#include "widgets/changelist.h"
#include "widgets/pdfsaving.h"

#include "run/pdfplan.h"
#include "run/plan.h"
#include "run/reportformat.h"
#include "shell/apptitle.h"
#include "shell/dialogs.h"
#include "shell/settings.h"
#include "widgets/windowkit.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace vantrelle {

namespace {

// Numbers sort as numbers; rows without counts (not reached, skipped) below 0.
constexpr int kSortRole = Qt::UserRole;

QString durationText(qint64 ms)
{
    if (ms < 60'000)
        return ReportWindow::tr("%1 s").arg(QLocale().toString(ms / 1000.0, 'f', 1));
    const qint64 seconds = ms / 1000;
    return ReportWindow::tr("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
}

// A document the editor never got to count in shows no numbers, not zeros.
bool hasCounts(const DocumentResult &d)
{
    return std::any_of(d.pairs.begin(), d.pairs.end(),
                       [](const PairResult &p) { return p.applied; });
}

// A field of the copied table: one line, no tabs.
QString plainField(QString text)
{
    for (QChar &c : text)
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            c = QLatin1Char(' ');
    return text;
}

// Paths keep their file name in view: a narrow column shortens the folders.
class PathDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        const QStyle *style = option->widget ? option->widget->style() : QApplication::style();
        const int margin =
            style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option->widget) + 1;
        int width = option->rect.width() - 2 * margin;
        if (!option->icon.isNull())
            width -= option->decorationSize.width() + 2 * margin;
        option->text = elideFolderPart(option->text, option->fontMetrics, width);
    }
};

} // namespace

// The report's documents as table rows, in list order.
class ReportModel final : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    RunReport report;
    DocumentRows rows;
    // A count's review, whose ticks its numbers follow.
    const Review *review = nullptr;

    // The replacements a document's count made that the ticks now leave.
    qint64 unticked(int row) const
    {
        if (!review || !report.preview)
            return 0;
        const auto it = review->constFind(rows.source(row));
        if (it == review->constEnd())
            return 0;
        qint64 n = 0;
        for (int p = 0; p < int(it->pairs.size()); ++p)
            n += untickedCount(*it, p);
        return n;
    }
    void ticksChanged()
    {
        if (!rows.isEmpty())
            emit dataChanged(index(0, ReportWindow::Replacements),
                             index(int(rows.size()) - 1, ReportWindow::Left));
    }

    void setReport(const RunReport &r, DocumentRows &&documents)
    {
        beginResetModel();
        report = r;
        rows = std::move(documents);
        endResetModel();
    }
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(rows.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : ReportWindow::ColumnCount;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        switch (section) {
        case ReportWindow::Position:
            return QStringLiteral("#");
        case ReportWindow::Document:
            return ReportWindow::tr("Document");
        case ReportWindow::Result:
            return ReportWindow::tr("Outcome");
        case ReportWindow::Replacements:
            return report.preview ? ReportWindow::tr("Would replace")
                                  : ReportWindow::tr("Replacements");
        case ReportWindow::Left:
            return ReportWindow::tr("Left");
        case ReportWindow::Output:
            return report.preview ? ReportWindow::tr("Output (not written)")
                                  : ReportWindow::tr("Output");
        case ReportWindow::Pdf:
            return QStringLiteral("PDF");
        case ReportWindow::Fit:
            return ReportWindow::tr("Fit");
        }
        return {};
    }
    // Each cell reads only its own field: a sort asks for one field of every
    // row, many times over.
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid())
            return {};
        const int row = index.row();
        const int column = index.column();
        switch (role) {
        case Qt::DisplayRole:
            return display(row, column);
        case kSortRole:
            return sortKey(row, column);
        case Qt::DecorationRole:
            if (column == ReportWindow::Pdf && rows.pdf(row).state == PdfState::Failed)
                return icon(Outcome::Failed);
            if (column == ReportWindow::Fit && !rows.fit(row).isEmpty())
                return icon(Outcome::Skipped);
            return column == ReportWindow::Result ? icon(rows.outcome(row)) : QVariant();
        case Qt::ToolTipRole:
            if (column == ReportWindow::Result) {
                const QStringList errors = rows.errors(row);
                return errors.isEmpty() ? QVariant() : errors.join(QLatin1Char('\n'));
            }
            if (column == ReportWindow::Document || column == ReportWindow::Output)
                return display(row, column);
            if (column == ReportWindow::Fit) {
                const QString notes = fitNotesText(fitOf(row), Words::Shown);
                return notes.isEmpty() ? QVariant() : notes;
            }
            if (column == ReportWindow::Pdf) {
                const PdfResult pdf = rows.pdf(row);
                if (pdf.state != PdfState::None)
                    return pdf.path + QLatin1Char('\n') + pdfOutcomeText(pdf, Words::Shown);
            }
            return {};
        case Qt::TextAlignmentRole:
            if (column == ReportWindow::Position || column == ReportWindow::Replacements ||
                column == ReportWindow::Left)
                return int(Qt::AlignRight | Qt::AlignVCenter);
            return {};
        }
        return {};
    }

private:
    QVariant display(int row, int column) const
    {
        switch (column) {
        case ReportWindow::Position:
            return row + 1;
        case ReportWindow::Document:
            // As the user's system spells paths (the output was made so already).
            return QDir::toNativeSeparators(rows.source(row));
        case ReportWindow::Result:
            return outcomeText(rows.outcome(row), report.preview, Words::Shown);
        case ReportWindow::Replacements:
        case ReportWindow::Left: {
            // A document the editor never got to count in shows no numbers, not zeros.
            const DocumentRows::Totals t = rows.totals(row);
            if (!t.applied)
                return QString();
            // The publishing program itself tells only whether it found anything.
            if (!t.counted)
                return ReportWindow::tr("not known");
            // A failed document's replacements were made in memory only.
            if (column == ReportWindow::Replacements && t.replaced > 0 && !report.preview &&
                rows.outcome(row) == Outcome::Failed)
                return ReportWindow::tr("%1 not written").arg(t.replaced);
            const qint64 u = unticked(row);
            return column == ReportWindow::Replacements ? t.replaced - u : t.left + u;
        }
        case ReportWindow::Output:
            return rows.output(row);
        case ReportWindow::Pdf:
            return pdfOutcomeText(PdfResult{rows.pdf(row).state, {}, {}}, Words::Shown);
        case ReportWindow::Fit:
            return fitSummary(fitOf(row), Words::Shown);
        }
        return {};
    }
    // Only what the fit column reads of a row.
    DocumentResult fitOf(int row) const
    {
        DocumentResult d;
        d.fitChecked = rows.fitChecked(row);
        d.fit = rows.fit(row);
        return d;
    }
    QVariant sortKey(int row, int column) const
    {
        switch (column) {
        case ReportWindow::Replacements:
        case ReportWindow::Left: {
            const DocumentRows::Totals t = rows.totals(row);
            if (!t.applied)
                return qint64(-1);
            const qint64 u = unticked(row);
            return column == ReportWindow::Replacements ? t.replaced - u : t.left + u;
        }
        case ReportWindow::Result:
            // Failures first when sorted ascending: they need looking at.
            return rows.outcome(row) == Outcome::Failed ? -1 : int(rows.outcome(row));
        }
        return display(row, column);
    }
    static QVariant icon(Outcome outcome)
    {
        const QStyle *style = QApplication::style();
        if (outcome == Outcome::Failed)
            return style->standardIcon(QStyle::SP_MessageBoxCritical);
        if (outcome == Outcome::Skipped)
            return style->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    }
};

QString runTimesText(const RunReport &report)
{
    const QString started = report.started.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    const QString endFormat = report.started.date() == report.ended.date()
                                  ? QStringLiteral("HH:mm:ss")
                                  : QStringLiteral("yyyy-MM-dd HH:mm:ss");
    return ReportWindow::tr("Started %1, ended %2, took %3")
        .arg(started, report.ended.toString(endFormat),
             durationText(report.started.msecsTo(report.ended)));
}

QString documentDetailText(const DocumentResult &document, bool preview)
{
    QStringList lines;
    lines << ReportWindow::tr("Document: %1").arg(QDir::toNativeSeparators(document.source));
    const QString output = document.output.isEmpty() ? ReportWindow::tr("none") : document.output;
    lines << (preview ? ReportWindow::tr("Output (not written): %1")
                      : ReportWindow::tr("Output: %1"))
                 .arg(output);
    lines << ReportWindow::tr("Outcome: %1")
                 .arg(outcomeText(document.outcome, preview, Words::Shown));
    if (document.pdf.state != PdfState::None)
        lines << ReportWindow::tr("PDF: %1 (%2)")
                     .arg(document.pdf.path, pdfOutcomeText(document.pdf, Words::Shown));
    // What went wrong comes before the counts: it is what the reader looks for.
    if (!document.errors.isEmpty())
        lines << QString() << ReportWindow::tr("Errors:") << document.errors;
    if (!document.fit.isEmpty())
        lines << QString() << ReportWindow::tr("Fit: %1").arg(fitSummary(document, Words::Shown))
              << fitNotesText(document, Words::Shown);
    if (document.outcome != Outcome::NotReached && document.outcome != Outcome::Skipped) {
        lines << QString() << ReportWindow::tr("Pairs (%1 ms):").arg(document.milliseconds);
        for (const PairResult &pair : document.pairs)
            lines << QStringLiteral("  ") + pairText(pair, preview, Words::Shown);
    }
    return lines.join(QLatin1Char('\n'));
}

namespace {

// A sort compares two rows' keys each time, and a path key is decoded from
// the compact rows (about 0.6 µs): 100,000 rows took two seconds. So a sort
// reads every row's key once and compares those; re-sorts while rows come in
// during a run compare as Qt does.
class KeyedSortProxy final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;
    void sort(int column, Qt::SortOrder order) override
    {
        if (column >= 0 && sourceModel()) {
            const int n = sourceModel()->rowCount();
            m_keys.reserve(n);
            for (int r = 0; r < n; ++r)
                m_keys << sourceModel()->index(r, column).data(sortRole());
        }
        QSortFilterProxyModel::sort(column, order);
        m_keys.clear();
    }

protected:
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override
    {
        if (left.row() >= m_keys.size() || right.row() >= m_keys.size())
            return QSortFilterProxyModel::lessThan(left, right);
        return QVariant::compare(m_keys[left.row()], m_keys[right.row()]) == QPartialOrdering::Less;
    }

private:
    QList<QVariant> m_keys;
};

} // namespace

ReportWindow::ReportWindow(Dialogs &dialogs, QWidget *parent)
    : QDialog(parent), m_dialogs(dialogs), m_model(new ReportModel(this)),
      m_sorted(new KeyedSortProxy(this))
{
    setObjectName(QStringLiteral("ReportWindow"));
    setModal(false);
    setSizeGripEnabled(true);
    keepWindowOnScreen(this, keys::ReportWindowPlace, QSize(1000, 700));

    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(kSortRole);

    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("summary"));
    QFont bold = m_summary->font();
    bold.setBold(true);
    m_summary->setFont(bold);
    m_summary->setWordWrap(true);
    m_summary->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_times = new QLabel(this);
    m_times->setObjectName(QStringLiteral("times"));

    m_table = new QTableView;
    m_table->setObjectName(QStringLiteral("table"));
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->sortByColumn(Position, Qt::AscendingOrder);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // One Tab stop: the arrows move inside, Tab moves on to the next control.
    m_table->setTabKeyNavigation(false);
    m_table->setAccessibleName(ReportWindow::tr("Documents"));
    m_table->setTextElideMode(Qt::ElideMiddle);
    auto *paths = new PathDelegate(m_table);
    m_table->setItemDelegateForColumn(Document, paths);
    m_table->setItemDelegateForColumn(Output, paths);
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setColumnWidth(Position, 40);
    m_table->setColumnWidth(Document, 260);
    m_table->setColumnWidth(Result, 150);
    m_table->setColumnWidth(Replacements, 100);
    m_table->setColumnWidth(Left, 50);
    // Wide enough for a result's file name; the folders before it give way.
    m_table->setColumnWidth(Output, 260);

    m_detail = new QPlainTextEdit;
    m_detail->setObjectName(QStringLiteral("detail"));
    m_detail->setReadOnly(true);
    m_detail->setTabChangesFocus(true);
    m_detail->setAccessibleName(ReportWindow::tr("Details of the selected document"));
    m_changes = new ChangeList;
    m_changes->setObjectName(QStringLiteral("changes"));
    auto *details = new QSplitter(Qt::Horizontal);
    details->addWidget(m_detail);
    details->addWidget(m_changes);
    details->setSizes({300, 600});

    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_table);
    split->addWidget(details);
    split->setSizes({250, 350});

    m_open = new QPushButton(ReportWindow::tr("&Open Output Folder"), this);
    m_copy = new QPushButton(ReportWindow::tr("&Copy Table"), this);
    m_save = new QPushButton(ReportWindow::tr("&Save as CSV…"), this);
    m_save->setObjectName(QStringLiteral("saveCsv"));
    m_pdf = new QPushButton(ReportWindow::tr("Save P&DFs of the results…"), this);
    m_pdf->setObjectName(QStringLiteral("savePdfs"));
    auto *pdfMenu = new QMenu(m_pdf);
    pdfMenu->addAction(ReportWindow::tr("&Beside Each Result"), this, [this] { savePdfs(); })
        ->setObjectName(QStringLiteral("pdfsBeside"));
    pdfMenu->addAction(ReportWindow::tr("Into a &Folder…"), this, [this] { savePdfsIntoFolder(); })
        ->setObjectName(QStringLiteral("pdfsIntoFolder"));
    m_pdf->setMenu(pdfMenu);
    m_write = new QPushButton(ReportWindow::tr("&Write the Ticked Changes"), this);
    m_write->setObjectName(QStringLiteral("writeTicked"));
    m_write->setToolTip(ReportWindow::tr("Write the results with the ticked changes only. A "
                                         "document changed since it was counted is not written."));
    m_write->hide();
    m_ticks = new QLabel(this);
    m_ticks->setObjectName(QStringLiteral("ticks"));
    m_ticks->hide();
    connect(m_write, &QPushButton::clicked, this, [this] {
        // The run that follows shows its own report here, without the review.
        if (const std::function<void()> write = m_writeTicked)
            write();
    });
    connect(m_changes, &ChangeList::ticksChanged, this, [this] { showTicks(); });
    auto *close = new QPushButton(ReportWindow::tr("C&lose"), this);
    // Enter opens the folder wherever the focus is but on the table, where it
    // opens the row's result; Esc closes (QDialog).
    m_open->setDefault(true);
    for (QPushButton *b : {m_copy, m_save, m_pdf, m_write, close})
        b->setAutoDefault(false);
    connect(m_open, &QPushButton::clicked, this, [this] { openOutputFolder(); });
    connect(m_copy, &QPushButton::clicked, this, [this] { copyTable(); });
    connect(m_save, &QPushButton::clicked, this, [this] { saveCsv(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addWidget(m_copy);
    buttons->addWidget(m_save);
    buttons->addWidget(m_pdf);
    buttons->addStretch();
    buttons->addWidget(m_ticks);
    buttons->addWidget(m_write);
    buttons->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_times);
    layout->addWidget(split, 1);
    layout->addLayout(buttons);

    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { showSelection(); });
    connectRowOpening();
}

ReportWindow::~ReportWindow() = default;

void ReportWindow::beginReport(const PathList &documents)
{
    setReview(nullptr, {});
    m_pending.clear();
    m_pending.expectSources(documents);
}

void ReportWindow::addDocument(const DocumentResult &document)
{
    // The changes are listed again when the row is selected: kept for every
    // document they would grow with the run.
    m_pending.append(document);
}

void ReportWindow::endReport(const RunReport &report)
{
    m_model->setReport(report, std::move(m_pending));
    m_pending = {};
    setWindowTitle((report.preview ? tr("Count (nothing written) — %1") : tr("Run report — %1"))
                       .arg(QString::fromLatin1(kProductName)));
    showTotals();
    // The first document with an output, so Enter opens a folder at once.
    int first = 0;
    for (int i = 0; i < documentCount(); ++i) {
        if (!m_model->rows.output(i).isEmpty()) {
            first = i;
            break;
        }
    }
    selectDocument(first);
    showSelection();
}

void ReportWindow::setReview(std::shared_ptr<Review> review, std::function<void()> write)
{
    m_review = std::move(review);
    m_writeTicked = std::move(write);
    m_changes->setReview(m_review.get());
    m_model->review = m_review.get();
    m_write->setVisible(m_review != nullptr);
    m_ticks->setVisible(m_review != nullptr);
    showTicks();
}

void ReportWindow::showTicks()
{
    if (!m_review)
        return;
    qint64 ticked = 0;
    qint64 total = 0;
    for (const ReviewedDocument &document : std::as_const(*m_review)) {
        for (const QList<automation::ChosenChange> &pair : document.pairs) {
            total += pair.size();
            ticked += std::count_if(pair.begin(), pair.end(),
                                    [](const automation::ChosenChange &c) { return c.apply; });
        }
    }
    const QLocale locale;
    m_ticks->setText(tr("%1 of %2 ticked").arg(locale.toString(ticked), locale.toString(total)));
    m_model->ticksChanged();
    showTotals();
}

void ReportWindow::showTotals()
{
    RunReport totals = report();
    if (m_model->review && totals.preview) {
        for (int row = 0; row < int(m_model->rows.size()); ++row)
            totals.leftByTicks += m_model->unticked(row);
    }
    const QString pdfs = pdfSummary(m_model->rows);
    m_summary->setText(pdfs.isEmpty() ? totals.summary()
                                      : tr("%1; %2").arg(totals.summary(), pdfs));
    m_times->setText(runTimesText(totals));
    const QString obstacle = pdfSavingObstacle(m_model->rows, totals.preview);
    m_pdf->setEnabled(obstacle.isEmpty());
    m_pdf->setToolTip(obstacle.isEmpty()
                          ? ReportWindow::tr("Save a PDF of every result with LibreOffice, beside "
                                             "it or into a folder you choose.")
                          : obstacle);
}

void ReportWindow::savePdfs(const QString &folder, bool askBeforeReplacing)
{
    const QStringList existing = existingPdfs(m_model->rows, folder);
    if (askBeforeReplacing && !existing.isEmpty() &&
        !m_dialogs.question(existing.size() == 1
                                ? tr("%1 already exists. Replace it?").arg(existing[0])
                                : tr("%n PDFs already exist, such as %1. Replace them?", nullptr,
                                     int(existing.size()))
                                      .arg(existing[0]),
                            false))
        return;
    DocumentRows rows = m_model->rows;
    savePdfsWithProgress(this, rows, folder);
    const int row = selectedDocument();
    m_model->setReport(report(), std::move(rows));
    showTotals();
    selectDocument(row);
    showSelection();
}

void ReportWindow::savePdfsIntoFolder()
{
    const QString folder =
        m_dialogs.pickFolder(ReportWindow::tr("Save the PDFs into this folder"), outputFolder());
    if (!folder.isEmpty())
        savePdfs(folder);
}

const RunReport &ReportWindow::report() const
{
    return m_model->report;
}

DocumentResult ReportWindow::document(int index) const
{
    return m_model->rows.at(index);
}

int ReportWindow::documentCount() const
{
    return int(m_model->rows.size());
}

void ReportWindow::selectDocument(int index)
{
    const QModelIndex shown = m_sorted->mapFromSource(m_model->index(index, 0));
    if (shown.isValid())
        m_table->setCurrentIndex(shown);
    else
        m_table->setCurrentIndex({});
}

int ReportWindow::selectedDocument() const
{
    const QModelIndex current = m_table->currentIndex();
    return current.isValid() ? m_sorted->mapToSource(current).row() : -1;
}

void ReportWindow::showSelection()
{
    m_detail->setPlainText(detailText());
    const int row = selectedDocument();
    DocumentResult shown = row < 0 ? DocumentResult() : document(row);
    // A document where nothing was found has nothing to list.
    if (row >= 0 && m_changesSource && hasCounts(shown) && shown.replaced() + shown.left() > 0) {
        const QList<PairResult> counted = m_changesSource(shown);
        for (qsizetype i = 0; i < shown.pairs.size() && i < counted.size(); ++i)
            shown.pairs[i].changes = counted[i].changes;
    }
    m_changes->setDocument(shown, report().preview);
    m_open->setEnabled(!outputFolder().isEmpty());
}

QString ReportWindow::detailText() const
{
    const int row = selectedDocument();
    if (row < 0)
        return {};
    return documentDetailText(document(row), report().preview);
}

QString ReportWindow::outputFolder() const
{
    const int row = selectedDocument();
    if (row < 0 || document(row).output.isEmpty())
        return {};
    return QFileInfo(document(row).output).absolutePath();
}

void ReportWindow::openOutputFolder()
{
    const QString folder = outputFolder();
    if (!folder.isEmpty())
        m_dialogs.openFolder(folder);
}

QString ReportWindow::tableText() const
{
    QStringList lines;
    QStringList header;
    for (int c = 0; c < ColumnCount; ++c)
        header << m_sorted->headerData(c, Qt::Horizontal).toString();
    lines << header.join(QLatin1Char('\t'));
    for (int r = 0; r < m_sorted->rowCount(); ++r) {
        QStringList fields;
        for (int c = 0; c < ColumnCount; ++c)
            fields << plainField(m_sorted->index(r, c).data().toString());
        lines << fields.join(QLatin1Char('\t'));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void ReportWindow::copyTable()
{
    QApplication::clipboard()->setText(tableText());
}

void ReportWindow::saveCsv()
{
    FileDialogRequest request;
    request.title = ReportWindow::tr("Save Report as CSV");
    request.filter = ReportWindow::tr("CSV Files (*.csv)|*.csv|All Files (*.*)|*.*|");
    QString path = m_dialogs.saveFile(request);
    if (path.isEmpty())
        return;
    // A name typed without an extension gets the one the filter offered.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    if (QFileInfo::exists(path) &&
        !m_dialogs.question(tr("Are you sure you wish to overwrite %1 ?").arg(path), true))
        return;
    // Whole or nothing: a failed save leaves the file that was there.
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    if (written) {
        ReportWriter csv(file, ReportFormat::Csv, report().preview);
        for (const DocumentResult &d : m_model->rows)
            csv.add(d);
        written = csv.ok() && file.commit();
    }
    if (!written)
        m_dialogs.notice(ReportWindow::tr("The report could not be saved to %1: %2")
                             .arg(path, file.errorString()));
}

} // namespace vantrelle
