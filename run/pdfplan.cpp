#include "run/pdfplan.h"

#include <QFileInfo>

namespace vantrelle {

PdfPlan planPdfs(const RunReport &report, const QString &folder)
{
    PdfPlan plan;
    if (report.preview)
        return plan;
    for (int i = 0; i < report.documents.size(); ++i) {
        const DocumentResult &d = report.documents[i];
        const bool written = d.outcome == Outcome::Written || d.outcome == Outcome::NothingFound;
        if (!written || !QFileInfo(d.output).isFile())
            continue;
        plan.jobs << PdfJob{d.output, pdfPathFor(d.output, folder)};
        plan.documents << i;
    }
    return plan;
}

void applyPdfResults(RunReport &report, const PdfPlan &plan, const QList<PdfResult> &results)
{
    for (qsizetype k = 0; k < plan.documents.size() && k < results.size(); ++k)
        report.documents[plan.documents[k]].pdf = results[k];
}

} // namespace vantrelle
