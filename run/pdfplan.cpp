#include "run/pdfplan.h"

#include "fsutil/outputnames.h"

#include <QHash>

#include <QFileInfo>

#include <algorithm>

namespace vantrelle {

namespace {

// The result of row i that can have a PDF; empty when it has none.
QString pdfSource(const DocumentRows &documents, qsizetype i)
{
    const Outcome outcome = documents.outcome(i);
    if (outcome != Outcome::Written && outcome != Outcome::NothingFound)
        return {};
    const QString output = documents.output(i);
    return QFileInfo(output).isFile() ? output : QString();
}

} // namespace

PdfPlan planPdfs(const DocumentRows &documents, const QString &folder)
{
    PdfPlan plan;
    for (int i = 0; i < documents.size(); ++i) {
        if (const QString output = pdfSource(documents, i); !output.isEmpty()) {
            plan.jobs << PdfJob{output, pdfPathFor(output, folder)};
            plan.documents << i;
        }
    }
    return plan;
}

bool anyPdfToMake(const DocumentRows &documents)
{
    for (int i = 0; i < documents.size(); ++i)
        if (!pdfSource(documents, i).isEmpty())
            return true;
    return false;
}

void applyPdfResults(DocumentRows &documents, const PdfPlan &plan, const QList<PdfResult> &results)
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
    for (const auto &[state, words] :
         {std::pair{PdfState::Written, QT_TRANSLATE_N_NOOP("vantrelle::RunText", "%Ln written")},
          {PdfState::Failed, QT_TRANSLATE_N_NOOP("vantrelle::RunText", "%Ln failed")},
          {PdfState::NotReached, QT_TRANSLATE_N_NOOP("vantrelle::RunText", "%Ln not reached")}}) {
        if (const qint64 n = counts.value(state); n > 0)
            parts << RunText::tr(words, nullptr, int(n));
    }
    return parts.isEmpty() ? QString() : RunText::tr("PDFs: %1").arg(parts.join(RunText::tr(", ")));
}

} // namespace vantrelle
