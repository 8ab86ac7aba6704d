#include "run/pdfplan.h"

#include <QHash>

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace vantrelle {

PdfPlan planPdfs(const DocumentRows &documents, const QString &folder)
{
    PdfPlan plan;
    for (int i = 0; i < documents.size(); ++i) {
        const Outcome outcome = documents.outcome(i);
        const bool written = outcome == Outcome::Written || outcome == Outcome::NothingFound;
        const QString output = written ? documents.output(i) : QString();
        if (!written || !QFileInfo(output).isFile())
            continue;
        plan.jobs << PdfJob{output, pdfPathFor(output, folder)};
        plan.documents << i;
    }
    return plan;
}

void applyPdfResults(DocumentRows &documents, const PdfPlan &plan,
                     const QList<PdfResult> &results)
{
    for (qsizetype k = 0; k < plan.documents.size() && k < results.size(); ++k)
        documents.setPdf(plan.documents[k], results[k]);
}

QString pdfSummary(const DocumentRows &documents)
{
    QHash<PdfState, qint64> counts;
    for (const DocumentResult &d : documents)
        ++counts[d.pdf.state];
    QStringList parts;
    for (const PdfState state : {PdfState::Written, PdfState::Failed, PdfState::NotReached}) {
        if (const qint64 n = counts.value(state); n > 0)
            parts << QLocale(QLocale::English).toString(n) + QLatin1Char(' ') +
                         pdfStateText(state);
    }
    return parts.isEmpty() ? QString()
                           : QStringLiteral("PDFs: ") + parts.join(QStringLiteral(", "));
}

} // namespace vantrelle
