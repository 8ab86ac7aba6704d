#pragma once
// What a reader sees in a PDF: its pages and their text (QtPdf).
#include <QPdfDocument>
#include <QString>

namespace vantrelle::test {

struct PdfSeen {
    int pages = -1; // -1: not a PDF QtPdf opens
    QString text;
};

inline PdfSeen readPdf(const QString &path)
{
    QPdfDocument doc;
    if (doc.load(path) != QPdfDocument::Error::None)
        return {};
    PdfSeen seen{doc.pageCount(), {}};
    for (int page = 0; page < doc.pageCount(); ++page)
        seen.text += doc.getAllText(page).text() + QLatin1Char('\n');
    return seen;
}

} // namespace vantrelle::test
