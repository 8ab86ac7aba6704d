#pragma once
// Which results of a run get a PDF, where it goes, and its outcome put back
// into the documents' rows: shared by the window and the command-line tool.
#include "render/pdfexport.h"
#include "run/documentrows.h"
#include "run/runcore.h"

namespace vantrelle {

struct PdfPlan {
    QList<PdfJob> jobs;
    // The row of each job.
    QList<int> documents;
};

// Every result the run wrote (with or without replacements) and that is still
// there: NAME.pdf beside it, or in folder when one is given.
PdfPlan planPdfs(const DocumentRows &documents, const QString &folder = {});

// True when planPdfs() would plan anything; stops at the first.
bool anyPdfToMake(const DocumentRows &documents);
// Each planned row gets its job's result.
void applyPdfResults(DocumentRows &documents, const PdfPlan &plan,
                     const QList<PdfResult> &results);

// "PDFs: 10 written, 1 failed"; empty when no PDF was asked for.
QString pdfSummary(const DocumentRows &documents);

} // namespace vantrelle
