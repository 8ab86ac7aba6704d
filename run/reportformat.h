#pragma once
// A run report as files other programs read: CSV for spreadsheets, JSON for
// scripts (one object per document, or the whole run).
#include "run/runcore.h"

#include <QByteArray>
#include <QJsonObject>

class QIODevice;

namespace vantrelle {

enum class ReportFormat {
    // RFC 4180: a header line, one line per document, CR LF line ends, fields
    // with a comma, quote or line break quoted. UTF-8 with a byte-order mark,
    // so spreadsheet programs read names outside ASCII.
    Csv,
    // The whole run as one object: documents, ended, preview, started, summary.
    Json,
    // One compact object per document and line.
    JsonLines,
};

// By the name's extension: .csv, otherwise JSON.
ReportFormat reportFormatFor(const QString &path);

// A report written as the documents finish, in the order given, so that no
// document waits in memory for the end of the run.
class ReportWriter {
public:
    // Writes the start (the CSV header).
    ReportWriter(QIODevice &to, ReportFormat format, bool preview);
    void add(const DocumentResult &document);
    // Writes the end (the JSON object's totals).
    void finish(const RunReport &totals);
    // False once a write failed.
    bool ok() const { return m_ok; }

private:
    void write(const QByteArray &bytes);

    QIODevice &m_to;
    ReportFormat m_format;
    bool m_preview;
    bool m_first = true;
    bool m_ok = true;
};

// The PDF's outcome in a few words: "written", "failed: why", "not reached";
// empty when none was asked for.
QString pdfOutcomeText(const PdfResult &pdf, Words words = Words::Machine);

// One pair of a document: "find → replacement: 3 replaced, 1 left (why)", or
// "would replace 3" in a count.
QString pairText(const PairResult &pair, bool preview, Words words = Words::Machine);

// One document: source, output, outcome, replaced, left, pairs (find,
// replacement, replaced, left, leftReason, applied, and inLinkAddresses and
// inDocumentProperties when searched), changes (pair, story, position, before
// and after as lead/text/trail, left when left, place outside the stories),
// changesNotListed, errors, milliseconds, fit (story, page, verdict, lines,
// reason; story -1 when the check failed for the whole document) when the
// fit check was made, and pdf (path, outcome, message)
// when a PDF was asked for.
QJsonObject documentJson(const DocumentResult &document, bool preview);
// One compact line of JSON for a document, ending in a line feed.
QByteArray documentJsonLine(const DocumentResult &document, bool preview);

// "overflows", "may overflow", "could not check".
QString fitVerdictText(automation::FitVerdict verdict, Words words = Words::Machine);
// The fit check of a document in a few words: "fits", "2 boxes overflow",
// "1 box may overflow", "could not check"; empty when no check was made.
QString fitSummary(const DocumentResult &document, Words words = Words::Machine);
// Each note on a line: "story 3, page 2: overflows by about 2 lines".
QString fitNotesText(const DocumentResult &document, Words words = Words::Machine);

// Where a change is, in words: "story 1, character 119", both counted from
// 1 (the JSON report's story and position count from 0), or its place
// outside the stories ("link address").
QString changePlaceText(const automation::Change &change);

// One change on one line: "story 1, character 119: “…as [555-1234] and…” →
// “…as [555-9876] and…”" ("link address: …" and the like outside the
// stories), the changed part in brackets, and with colour also
// in bold red (before) and green (after) for a terminal. An occurrence left
// reads "… left unchanged: why". Line breaks inside a paragraph show as ↵.
QString formatChange(const automation::Change &change, bool colour);

} // namespace vantrelle
