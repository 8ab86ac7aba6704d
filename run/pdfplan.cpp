#include "run/pdfplan.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace vantrelle {

PdfPlan planPdfs(const QList<DocumentResult> &documents, const QString &folder)
{
    PdfPlan plan;
    for (int i = 0; i < documents.size(); ++i) {
        const DocumentResult &d = documents[i];
        const bool written = d.outcome == Outcome::Written || d.outcome == Outcome::NothingFound;
        if (!written || !QFileInfo(d.output).isFile())
            continue;
        plan.jobs << PdfJob{d.output, pdfPathFor(d.output, folder)};
        plan.documents << i;
    }
    return plan;
}

void applyPdfResults(QList<DocumentResult> &documents, const PdfPlan &plan,
                     const QList<PdfResult> &results)
{
    for (qsizetype k = 0; k < plan.documents.size() && k < results.size(); ++k)
        documents[plan.documents[k]].pdf = results[k];
}

QString pdfSummary(const QList<DocumentResult> &documents)
{
    QStringList parts;
    for (const PdfState state : {PdfState::Written, PdfState::Failed, PdfState::NotReached}) {
        const auto n = std::count_if(documents.begin(), documents.end(),
                                     [&](const DocumentResult &d) { return d.pdf.state == state; });
        if (n > 0)
            parts << QLocale(QLocale::English).toString(qint64(n)) + QLatin1Char(' ') +
                         pdfStateText(state);
    }
    return parts.isEmpty() ? QString()
                           : QStringLiteral("PDFs: ") + parts.join(QStringLiteral(", "));
}

} // namespace vantrelle
