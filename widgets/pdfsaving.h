#pragma once
// The PDFs of a run's results saved from the window: a progress dialog that
// names the document and can be cancelled, the event loop turning while
// LibreOffice works in its own processes.
#include "run/documentrows.h"

class QWidget;

namespace vantrelle {

// Saves a PDF of every result the run of documents wrote, beside it or in
// folder when one is given, and puts each outcome into its row. A cancel
// ends the conversions under way: what is written stays, the rest is not
// reached.
void savePdfsWithProgress(QWidget *parent, DocumentRows &documents,
                          const QString &folder = {});

// The PDFs that saving would replace.
QStringList existingPdfs(const DocumentRows &documents, const QString &folder = {});

// Why PDFs cannot be saved (LibreOffice missing, a count, no result
// written); empty when they can.
QString pdfSavingObstacle(const DocumentRows &documents, bool preview);

} // namespace vantrelle
