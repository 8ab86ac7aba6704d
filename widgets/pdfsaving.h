#pragma once
// The PDFs of a run's results saved from the window: a progress dialog that
// names the document and can be cancelled, the event loop turning while
// LibreOffice works in its own processes.
#include "run/runcore.h"

class QWidget;

namespace vantrelle {

// Saves a PDF of every result report's run wrote, beside it or in folder
// when one is given, and puts each outcome into the report. A cancel ends
// the conversions under way: what is written stays, the rest is not reached.
void savePdfsWithProgress(QWidget *parent, RunReport &report, const QString &folder = {});

// The PDFs that saving would replace.
QStringList existingPdfs(const RunReport &report, const QString &folder = {});

// Why PDFs cannot be saved for report (LibreOffice missing, a count, no
// result written); empty when they can.
QString pdfSavingObstacle(const RunReport &report);

} // namespace vantrelle
