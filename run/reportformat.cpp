#include "run/reportformat.h"

#include "run/plan.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>

namespace vantrelle {

namespace {

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

// "any case", "match case, whole words, regular expression", "any case, keep case"
QString matchingText(const MatchOptions &m)
{
    QStringList words{m.matchCase ? QStringLiteral("match case") : QStringLiteral("any case")};
    if (m.wholeWord)
        words << QStringLiteral("whole words");
    if (m.regex)
        words << QStringLiteral("regular expression");
    if (m.keepCase)
        words << QStringLiteral("keep case");
    return words.join(QStringLiteral(", "));
}

QJsonObject matchingJson(const MatchOptions &m)
{
    return QJsonObject{{QStringLiteral("matchCase"), m.matchCase},
                       {QStringLiteral("wholeWords"), m.wholeWord},
                       {QStringLiteral("regularExpression"), m.regex},
                       {QStringLiteral("keepCase"), m.keepCase}};
}

QString pairsText(const DocumentResult &document, bool preview)
{
    QStringList lines;
    for (const PairResult &p : document.pairs)
        lines << pairText(p, preview);
    return lines.join(QLatin1Char('\n'));
}

// Line breaks and tabs inside a paragraph would break the one line.
QString oneLine(QString text)
{
    text.replace(QLatin1Char('\n'), QChar(0x21B5));
    text.replace(QLatin1Char('\v'), QChar(0x21B5));
    text.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return text;
}

QString contextText(const automation::ChangeContext &context, const char *colour)
{
    const QString open = colour ? QLatin1String(colour) + QLatin1Char('[') : QStringLiteral("[");
    const QString close = colour ? QStringLiteral("]\x1b[0m") : QStringLiteral("]");
    return QStringLiteral("“%1%2%3%4%5”")
        .arg(oneLine(context.lead), open, oneLine(context.text), close, oneLine(context.trail));
}

} // namespace

QString pdfOutcomeText(const PdfResult &pdf, Words words)
{
    QString state;
    switch (pdf.state) {
    case PdfState::None:
        return {};
    case PdfState::Written:
        state = wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "written"));
        break;
    case PdfState::Failed:
        state = wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "failed"));
        break;
    case PdfState::NotReached:
        state = wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "not reached"));
        break;
    }
    if (pdf.state == PdfState::Failed && !pdf.message.isEmpty())
        return state + QStringLiteral(": ") + pdf.message;
    return state;
}

QString pairText(const PairResult &pair, bool preview, Words words)
{
    const auto say = [words](const char *text) { return wordsFor(words, text); };
    // Quoted, so a deletion ("x" → "") and blanks at either end can be seen.
    QString line = QStringLiteral("“%1” → “%2”: ").arg(pair.find, pair.replacement);
    if (!pair.applied)
        return line + say(QT_TRANSLATE_NOOP("vantrelle::RunText", "not applied"));
    if (!pair.counted)
        return line + (pair.found
                           ? say(QT_TRANSLATE_NOOP("vantrelle::RunText", "found, counts not known"))
                           : say(QT_TRANSLATE_NOOP("vantrelle::RunText", "not found")));
    // The counts are filled in apart: a find text may hold "%1" itself.
    const QString counts =
        preview ? say(QT_TRANSLATE_NOOP("vantrelle::RunText", "would replace %1, %2 would be left"))
                : say(QT_TRANSLATE_NOOP("vantrelle::RunText", "%1 replaced, %2 left"));
    line += counts.arg(pair.replaced).arg(pair.left);
    // Counted apart, where they were searched, so a "0" says they were.
    QStringList elsewhere;
    if (pair.searchedLinks)
        elsewhere << say(QT_TRANSLATE_NOOP("vantrelle::RunText", "%1 in link addresses"))
                         .arg(pair.inLinks);
    if (pair.searchedProperties)
        elsewhere << say(QT_TRANSLATE_NOOP("vantrelle::RunText", "%1 in document properties"))
                         .arg(pair.inProperties);
    if (!elsewhere.isEmpty())
        line += QStringLiteral("; ") + elsewhere.join(QStringLiteral(", "));
    if (!pair.leftReason.isEmpty())
        line += QStringLiteral(" (%1)").arg(pair.leftReason);
    return line;
}

QString changePlaceText(const automation::Change &change)
{
    if (!change.place.isEmpty())
        return change.place;
    return RunText::tr("story %1, character %2").arg(change.story + 1).arg(change.position + 1);
}

QString formatChange(const automation::Change &change, bool colour)
{
    QString line = changePlaceText(change) + QStringLiteral(": ");
    line += contextText(change.before, colour ? "\x1b[1;31m" : nullptr);
    if (!change.leftReason.isEmpty())
        return line + RunText::tr(" left unchanged: %1").arg(change.leftReason);
    return line + QStringLiteral(" → ") +
           contextText(change.after, colour ? "\x1b[1;32m" : nullptr);
}

ReportFormat reportFormatFor(const QString &path)
{
    return path.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive) ? ReportFormat::Csv
                                                                     : ReportFormat::Json;
}

QString fitVerdictText(automation::FitVerdict verdict, Words words)
{
    switch (verdict) {
    case automation::FitVerdict::Overflows:
        return wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "overflows"));
    case automation::FitVerdict::MayOverflow:
        return wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "may overflow"));
    case automation::FitVerdict::CouldNotCheck:
        break;
    }
    return wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "could not check"));
}

QString fitSummary(const DocumentResult &document, Words words)
{
    if (!document.fitChecked)
        return {};
    int overflows = 0;
    int may = 0;
    for (const automation::FitNote &note : document.fit) {
        overflows += note.verdict == automation::FitVerdict::Overflows;
        may += note.verdict == automation::FitVerdict::MayOverflow;
    }
    const bool person = words == Words::Shown;
    if (overflows > 0)
        return person ? RunText::tr("%n box(es) overflow", nullptr, overflows)
                      : QStringLiteral("%1 box%2 overflow%3")
                            .arg(overflows)
                            .arg(overflows == 1 ? "" : "es", overflows == 1 ? "s" : "");
    if (may > 0)
        return person ? RunText::tr("%n box(es) may overflow", nullptr, may)
                      : QStringLiteral("%1 box%2 may overflow")
                            .arg(may)
                            .arg(may == 1 ? "" : "es");
    if (!document.fit.isEmpty())
        return fitVerdictText(automation::FitVerdict::CouldNotCheck, words);
    return wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "fits"));
}

QString fitNotesText(const DocumentResult &document, Words words)
{
    QStringList lines;
    for (const automation::FitNote &note : document.fit) {
        if (note.story < 0) {
            lines << note.reason;
            continue;
        }
        lines << wordsFor(words, QT_TRANSLATE_NOOP("vantrelle::RunText", "story %1, page %2: %3"))
                     .arg(note.story)
                     .arg(note.page)
                     .arg(note.reason);
    }
    return lines.join(QLatin1Char('\n'));
}

ReportWriter::ReportWriter(QIODevice &to, ReportFormat format, bool preview)
    : m_to(to), m_format(format), m_preview(preview)
{
    if (format == ReportFormat::Csv)
        write("\xEF\xBB\xBF"
              "Document,Outcome,Replacements,Left,Output,Milliseconds,Pairs,Errors,"
              "Matching,PDF,PDF outcome,Fit\r\n");
    else if (format == ReportFormat::Json)
        write("{\n    \"documents\": [");
}

void ReportWriter::write(const QByteArray &bytes)
{
    m_ok = m_ok && m_to.write(bytes) == bytes.size();
}

void ReportWriter::add(const DocumentResult &d)
{
    switch (m_format) {
    case ReportFormat::Csv: {
        const QStringList fields = {
            csvField(d.source),
            csvField(outcomeText(d.outcome, m_preview)),
            QString::number(d.replaced()),
            QString::number(d.left()),
            csvField(d.output),
            QString::number(d.milliseconds),
            csvField(pairsText(d, m_preview)),
            csvField(d.errors.join(QLatin1Char('\n'))),
            csvField(matchingText(d.matching)),
            csvField(d.pdf.state == PdfState::None ? QString() : d.pdf.path),
            csvField(pdfOutcomeText(d.pdf)),
            csvField(d.fitChecked ? (fitSummary(d) + u'\n' + fitNotesText(d)).trimmed()
                                  : QString())};
        write(fields.join(QLatin1Char(',')).toUtf8() + "\r\n");
        break;
    }
    case ReportFormat::Json: {
        // Indented as one member of the run's array.
        QByteArray text = QJsonDocument(documentJson(d, m_preview)).toJson(QJsonDocument::Indented);
        text.chop(1);
        text.replace("\n", "\n        ");
        write((m_first ? "\n        " : ",\n        ") + text);
        break;
    }
    case ReportFormat::JsonLines:
        write(documentJsonLine(d, m_preview));
        break;
    }
    m_first = false;
}

void ReportWriter::finish(const RunReport &report)
{
    if (m_format != ReportFormat::Json)
        return;
    const QJsonObject run{{QStringLiteral("preview"), report.preview},
                          {QStringLiteral("started"), report.started.toString(Qt::ISODateWithMs)},
                          {QStringLiteral("ended"), report.ended.toString(Qt::ISODateWithMs)},
                          {QStringLiteral("summary"), report.summary()}};
    // "{\n" comes off: the members follow the documents.
    write("\n    ],\n" + QJsonDocument(run).toJson(QJsonDocument::Indented).mid(2));
}

QJsonObject documentJson(const DocumentResult &document, bool preview)
{
    QJsonArray pairs;
    for (const PairResult &p : document.pairs) {
        QJsonObject pair{{QStringLiteral("find"), p.find},
                         {QStringLiteral("replacement"), p.replacement},
                         {QStringLiteral("applied"), p.applied},
                         {QStringLiteral("counted"), p.counted},
                         {QStringLiteral("replaced"), p.replaced},
                         {QStringLiteral("left"), p.left},
                         {QStringLiteral("leftReason"), p.leftReason}};
        if (p.searchedLinks)
            pair.insert(QStringLiteral("inLinkAddresses"), p.inLinks);
        if (p.searchedProperties)
            pair.insert(QStringLiteral("inDocumentProperties"), p.inProperties);
        pairs.append(pair);
    }
    QJsonObject json{{QStringLiteral("source"), document.source},
                     {QStringLiteral("output"), document.output},
                     {QStringLiteral("outcome"), outcomeText(document.outcome, preview)},
                     {QStringLiteral("replaced"), document.replaced()},
                     {QStringLiteral("left"), document.left()},
                     {QStringLiteral("pairs"), pairs},
                     {QStringLiteral("changes"), planChanges(document)},
                     {QStringLiteral("changesNotListed"),
                      document.replaced() + document.left() - document.changesListed()},
                     {QStringLiteral("errors"), QJsonArray::fromStringList(document.errors)},
                     {QStringLiteral("milliseconds"), document.milliseconds},
                     {QStringLiteral("matching"), matchingJson(document.matching)}};
    if (document.stamp.size >= 0)
        json.insert(
            QStringLiteral("sourceStamp"),
            QJsonObject{
                {QStringLiteral("size"), document.stamp.size},
                {QStringLiteral("modified"), document.stamp.modified.toString(Qt::ISODateWithMs)},
                {QStringLiteral("sha256"), QString::fromLatin1(document.stamp.sha256)}});
    if (document.fitChecked) {
        QJsonArray fit;
        for (const automation::FitNote &note : document.fit)
            fit.append(QJsonObject{{QStringLiteral("story"), note.story},
                                   {QStringLiteral("page"), note.page},
                                   {QStringLiteral("verdict"), fitVerdictText(note.verdict)},
                                   {QStringLiteral("lines"), note.lines},
                                   {QStringLiteral("reason"), note.reason}});
        json.insert(QStringLiteral("fit"), fit);
    }
    if (document.pdf.state != PdfState::None)
        json.insert(QStringLiteral("pdf"),
                    QJsonObject{{QStringLiteral("path"), document.pdf.path},
                                {QStringLiteral("outcome"), pdfStateText(document.pdf.state)},
                                {QStringLiteral("message"), document.pdf.message}});
    return json;
}

QByteArray documentJsonLine(const DocumentResult &document, bool preview)
{
    return QJsonDocument(documentJson(document, preview)).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace vantrelle
