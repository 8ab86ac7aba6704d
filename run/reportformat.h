#pragma once
// A run report as files other programs read: CSV for spreadsheets, JSON for
// scripts (one object per document, or the whole run).
#include "run/runcore.h"

#include <QByteArray>
#include <QJsonObject>

namespace vantrelle {

// RFC 4180: a header line, one line per document, CR LF line ends, fields
// with a comma, quote or line break quoted. UTF-8 with a byte-order mark, so
// spreadsheet programs read names outside ASCII.
QByteArray reportCsv(const RunReport &report);

// The PDF's outcome in a few words: "written", "failed: why", "not reached";
// empty when none was asked for.
QString pdfOutcomeText(const PdfResult &pdf);

// One pair of a document: "find → replacement: 3 replaced, 1 left (why)", or
// "would replace 3" in a count.
QString pairText(const PairResult &pair, bool preview);

// One document: source, output, outcome, replaced, left, pairs (find,
// replacement, replaced, left, leftReason, applied), changes (pair, story,
// position, before and after as lead/text/trail, left when left),
// changesNotListed, errors, milliseconds, and pdf (path, outcome, message)
// when a PDF was asked for.
QJsonObject documentJson(const DocumentResult &document, bool preview);
// The whole run: preview, started, ended, summary and the documents.
QByteArray reportJson(const RunReport &report);
// One compact line of JSON for a document, ending in a line feed.
QByteArray documentJsonLine(const DocumentResult &document, bool preview);

// One change on one line: "story 1, position 118: “…as [555-1234] and…” →
// “…as [555-9876] and…”", the changed part in brackets, and with colour also
// in bold red (before) and green (after) for a terminal. An occurrence left
// reads "… left unchanged: why". Line breaks inside a paragraph show as ↵.
QString formatChange(const automation::Change &change, bool colour);

} // namespace vantrelle
