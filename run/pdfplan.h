#pragma once
// Which results of a run get a PDF, where it goes, and its outcome put back
// into the report: shared by the window and the command-line tool.
#include "render/pdfexport.h"
#include "run/runcore.h"

namespace vantrelle {

struct PdfPlan {
    QList<PdfJob> jobs;
    // The report's document of each job.
    QList<int> documents;
};

// Every result the run wrote (with or without replacements) and that is still
// there: NAME.pdf beside it, or in folder when one is given.
PdfPlan planPdfs(const RunReport &report, const QString &folder = {});

// Each planned document gets its job's result.
void applyPdfResults(RunReport &report, const PdfPlan &plan, const QList<PdfResult> &results);

} // namespace vantrelle
