#pragma once
// The run report window: what the last run (or count) did to every document.
// A summary line, the run's times, a sortable table with one row per
// document, the details of the selected row, and ways to take the report
// elsewhere: open the output's folder, copy the table, save it as CSV, save
// a PDF of every result; and a row's own files opened from the table.
// Non-modal and reused: each run shows its report in place of the last one.
#include "run/documentrows.h"
#include "run/runcore.h"

#include <QDialog>

#include <functional>
#include <memory>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;

namespace vantrelle {

class ChangeList;
class Dialogs;
class ReportModel;

class ReportWindow : public QDialog {
    Q_OBJECT
public:
    // Columns of the table, left to right.
    enum Column { Position, Document, Result, Replacements, Left, Output, Pdf, Fit, ColumnCount };

    explicit ReportWindow(Dialogs &dialogs, QWidget *parent = nullptr);
    ~ReportWindow() override;

    // A run's report, a row at a time: begun, each document in list order,
    // ended with the run's totals. The report shown stays until the end.
    // documents: the run's list, when the rows come in its order (they then
    // keep no copy of its paths).
    void beginReport(const PathList &documents = {});
    void addDocument(const DocumentResult &document);
    void endReport(const RunReport &totals);
    const RunReport &report() const;
    // The row of the document at index (list order): its outcome, counts
    // and errors, without its changes.
    DocumentResult document(int index) const;
    int documentCount() const;
    // Lists a document's changes when the user selects it; without one the
    // changes pane stays empty.
    using ChangesSource = std::function<QList<PairResult>(const DocumentResult &)>;
    void setChangesSource(ChangesSource source) { m_changesSource = std::move(source); }

    // After a count for a review: the decisions that the change lists tick,
    // and what "Write the Ticked Changes" does. A null review hides the button.
    void setReview(std::shared_ptr<Review> review, std::function<void()> write);
    QPushButton *writeButton() const { return m_write; }

    // The table as it is shown (in its current order), a header line first,
    // fields separated by tabs.
    QString tableText() const;
    // The details of the selected row; empty when no row is selected.
    QString detailText() const;
    // Selects the row of the report's document at index (list order).
    void selectDocument(int index);
    // The folder "Open Output Folder" opens; empty when the selected row has
    // no output.
    QString outputFolder() const;

    // What Enter or a double-click on a row opens: its result, or in a count
    // (which writes none) the publication counted; empty when the row has
    // no such file on disk.
    QString rowFile() const;
    // The selected row's PDF, when it was written and is still there.
    QString rowPdf() const;
    void openRowFile();
    void openRowPdf();

    // The buttons.
    void openOutputFolder();
    void copyTable();
    void saveCsv();
    // "Save PDFs of the results…": beside each result, or into folder;
    // PDFs already there are replaced only when the user agrees.
    void savePdfs(const QString &folder = {}, bool askBeforeReplacing = true);
    // Asks for the folder, then saves into it.
    void savePdfsIntoFolder();

    QTableView *table() const { return m_table; }
    QLabel *summaryLabel() const { return m_summary; }
    QLabel *timesLabel() const { return m_times; }
    QPushButton *openButton() const { return m_open; }
    QPushButton *pdfButton() const { return m_pdf; }
    // The selected document's changes and its pages button.
    ChangeList *changeList() const { return m_changes; }

private:
    // Enter, double-click and the context menu on the table's rows.
    void connectRowOpening();
    void showRowMenu(const QPoint &at);
    void showSelection();
    // The summary with the PDFs' outcomes, the times, the PDF button.
    void showTotals();
    int selectedDocument() const;
    void showTicks();

    Dialogs &m_dialogs;
    ChangesSource m_changesSource;
    // The rows of the run going on, shown when it ends.
    DocumentRows m_pending;
    ReportModel *m_model;
    QSortFilterProxyModel *m_sorted;
    QLabel *m_summary;
    QLabel *m_times;
    QTableView *m_table;
    QPlainTextEdit *m_detail;
    ChangeList *m_changes;
    QPushButton *m_open;
    QPushButton *m_copy;
    QPushButton *m_save;
    QPushButton *m_pdf;
    QPushButton *m_write;
    QLabel *m_ticks;
    std::shared_ptr<Review> m_review;
    std::function<void()> m_writeTicked;
};

// "Started 2026-12-07 12:51:31, ended 12:52:10, took 39.2 s".
QString runTimesText(const RunReport &report);
// Everything known of one document, as the detail pane shows it.
QString documentDetailText(const DocumentResult &document, bool preview);

} // namespace vantrelle
