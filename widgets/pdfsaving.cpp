#include "widgets/pdfsaving.h"

#include "render/pdfexport.h"
#include "run/pdfplan.h"

#include <QFileInfo>
#include <QProgressDialog>
#include <QThread>

namespace vantrelle {

QString pdfSavingObstacle(const DocumentRows &documents, bool preview)
{
    if (QString hint = pdfExportMissingHint(); !hint.isEmpty())
        return hint;
    if (preview)
        return QObject::tr("A count writes no results, so there is nothing to make PDFs of.");
    if (!anyPdfToMake(documents))
        return QObject::tr("The run wrote no result that is still there to make a PDF of.");
    return {};
}

QStringList existingPdfs(const DocumentRows &documents, const QString &folder)
{
    QStringList existing;
    for (const PdfJob &job : planPdfs(documents, folder).jobs)
        if (QFileInfo::exists(job.pdf))
            existing << job.pdf;
    return existing;
}

void savePdfsWithProgress(QWidget *parent, DocumentRows &documents, const QString &folder)
{
    const PdfPlan plan = planPdfs(documents, folder);
    const auto total = int(plan.jobs.size());
    QProgressDialog progress(QObject::tr("Starting LibreOffice…"), QObject::tr("Cancel"), 0, total,
                             parent);
    progress.setWindowTitle(QObject::tr("Saving PDFs"));
    // Nothing else may start meanwhile: a run would replace the report.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    progress.setMinimumWidth(480);

    PdfExport pdfs;
    pdfs.setJobs(QThread::idealThreadCount());
    QObject::connect(&pdfs, &PdfExport::converting, &progress, [&](int index) {
        progress.setLabelText(QObject::tr("Converting “%1” (%2 of %3)")
                                  .arg(QFileInfo(plan.jobs[index].source).fileName())
                                  .arg(pdfs.doneCount() + 1)
                                  .arg(total));
    });
    QObject::connect(&pdfs, &PdfExport::documentDone, &progress,
                     [&] { progress.setValue(pdfs.doneCount()); });
    QObject::connect(&progress, &QProgressDialog::canceled, &pdfs, &PdfExport::stop);
    progress.show();
    applyPdfResults(documents, plan, pdfs.run(plan.jobs));
}

} // namespace vantrelle
