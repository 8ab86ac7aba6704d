// A report row's own files, opened from the table: Enter and a double-click
// open the result, the context menu also its PDF and its folder.
#include "widgets/reportwindow.h"

#include "shell/dialogs.h"

#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QTableView>

namespace vantrelle {

namespace {

// Return and Enter on the table: the row's file, not the dialog's default
// button.
class RowKeys : public QObject {
public:
    explicit RowKeys(ReportWindow *window) : QObject(window), m_window(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                m_window->openRowFile();
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    ReportWindow *m_window;
};

QString existing(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isFile() ? path : QString();
}

} // namespace

void ReportWindow::connectRowOpening()
{
    m_table->installEventFilter(new RowKeys(this));
    connect(m_table, &QTableView::doubleClicked, this, [this] { openRowFile(); });
    m_table->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_table, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { showRowMenu(at); });
}

QString ReportWindow::rowFile() const
{
    const int row = selectedDocument();
    if (row < 0)
        return {};
    const DocumentResult d = document(row);
    if (report().preview)
        return existing(d.source);
    const bool written = d.outcome == Outcome::Written || d.outcome == Outcome::NothingFound;
    return written ? existing(d.output) : QString();
}

QString ReportWindow::rowPdf() const
{
    const int row = selectedDocument();
    if (row < 0)
        return {};
    const PdfResult pdf = document(row).pdf;
    return pdf.state == PdfState::Written ? existing(pdf.path) : QString();
}

void ReportWindow::openRowFile()
{
    if (const QString path = rowFile(); !path.isEmpty())
        m_dialogs.openFile(path);
}

void ReportWindow::openRowPdf()
{
    if (const QString path = rowPdf(); !path.isEmpty())
        m_dialogs.openFile(path);
}

void ReportWindow::showRowMenu(const QPoint &at)
{
    const QModelIndex index = m_table->indexAt(at);
    if (!index.isValid())
        return;
    m_table->setCurrentIndex(index);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("rowMenu"));
    QAction *file = menu.addAction(report().preview ? tr("&Open the Publication")
                                                    : tr("&Open the Result"),
                                   this, [this] { openRowFile(); });
    file->setEnabled(!rowFile().isEmpty());
    QAction *pdf = menu.addAction(tr("Open the Result's &PDF"), this, [this] { openRowPdf(); });
    pdf->setEnabled(!rowPdf().isEmpty());
    QAction *folder =
        menu.addAction(tr("Open the &Folder"), this, [this] { openOutputFolder(); });
    folder->setEnabled(!outputFolder().isEmpty());
    menu.exec(m_table->viewport()->mapToGlobal(at));
}

} // namespace vantrelle
