#include "widgets/pagesdialog.h"

#include "shell/settings.h"
#include "widgets/windowkit.h"
#if VANTRELLE_PAGES_VIEW
#include "widgets/pagesview.h"
#endif

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QVBoxLayout>

namespace vantrelle {

PagesDialog::PagesDialog(const QString &source, const QString &output, QWidget *parent,
                         const QString &program)
    : QDialog(parent), m_source(source), m_output(output)
{
    setWindowTitle(tr("Pages of %1 before and after").arg(QFileInfo(source).fileName()));
    m_status = new QLabel(this);
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_stop = new QPushButton(tr("&Stop"), this);
#if VANTRELLE_PAGES_VIEW
    m_view = new PagesView(this);
    m_view->hide();
#endif
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_stop, &QPushButton::clicked, &m_rendering, &PdfRendering::stop);
    connect(&m_rendering, &PdfRendering::finished, this, &PagesDialog::drawNext);

    auto *top = new QHBoxLayout;
    top->addWidget(m_status, 1);
    top->addWidget(m_stop);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
#if VANTRELLE_PAGES_VIEW
    layout->addWidget(m_view, 1);
#else
    layout->addStretch(1);
#endif
    layout->addWidget(buttons);
    keepWindowOnScreen(this, keys::PagesWindowPlace,
                       VANTRELLE_PAGES_VIEW ? QSize(1200, 800) : QSize(600, 160));

    if (!program.isEmpty())
        m_rendering.setProgram(program);
    m_status->setText(tr("LibreOffice is drawing the pages of “%1” as it was before…")
                          .arg(QFileInfo(source).fileName()));
    m_rendering.start(source);
}

QString PagesDialog::statusText() const
{
#if VANTRELLE_PAGES_VIEW
    if (!m_status->isVisible() && m_view->isVisible())
        return {};
#endif
    return m_status->text();
}

void PagesDialog::drawNext(bool ok, const QByteArray &pdf, const QString &message)
{
    if (!ok) {
        m_status->setText(message);
        m_stop->hide();
        emit drawingEnded(false);
        return;
    }
    if (!m_drawingAfter) {
        m_before = pdf;
        m_drawingAfter = true;
        m_status->setText(tr("LibreOffice is drawing the pages of the result “%1”…")
                              .arg(QFileInfo(m_output).fileName()));
        m_rendering.start(m_output);
        return;
    }
    m_stop->hide();
#if VANTRELLE_PAGES_VIEW
    m_view->setDocuments(m_before, m_source, pdf, m_output);
    m_before.clear();
    m_status->hide();
    m_view->show();
    emit drawingEnded(true);
#else
    const bool opened = openInViewer(pdf);
    m_before.clear();
    emit drawingEnded(opened);
#endif
}

bool PagesDialog::openInViewer(const QByteArray &after)
{
    // Kept after the dialog closes: the viewer reads them when it likes, and
    // the system's temporary folder is cleared by the system.
    QTemporaryDir folder(QDir::temp().filePath(QStringLiteral("vantrelle-pages-XXXXXX")));
    folder.setAutoRemove(false);
    const QString before = folder.filePath(
        tr("Before - %1.pdf").arg(QFileInfo(m_source).completeBaseName()));
    const QString result = folder.filePath(
        tr("After - %1.pdf").arg(QFileInfo(m_output).completeBaseName()));
    for (const auto &[path, bytes] : {std::pair{before, m_before}, std::pair{result, after}}) {
        QSaveFile file(path);
        if (!folder.isValid() || !file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() ||
            !file.commit()) {
            m_status->setText(tr("The drawings could not be saved in the temporary folder %1: %2.")
                                  .arg(QDir::toNativeSeparators(folder.path()), file.errorString()));
            return false;
        }
    }
    for (const QString &path : {before, result}) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(path))) {
            m_status->setText(tr("No program on this computer opens PDF files. The pages before "
                                 "and after are drawn in %1.")
                                  .arg(QDir::toNativeSeparators(folder.path())));
            return false;
        }
        m_opened << path;
    }
    m_status->setText(tr("The pages before and after are open in your PDF viewer, as LibreOffice "
                         "draws them: “%1” and “%2”.")
                          .arg(QFileInfo(before).fileName(), QFileInfo(result).fileName()));
    return true;
}

void PagesDialog::done(int result)
{
    // No LibreOffice keeps running for a window that is gone.
    m_rendering.disconnect(this);
    m_rendering.stop();
    QDialog::done(result);
}

} // namespace vantrelle
