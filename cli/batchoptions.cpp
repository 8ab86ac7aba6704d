#include "cli/batchoptions.h"

#include "fsutil/failure.h"
#include "fsutil/paths.h"
#include "fsutil/windowsfile.h"
#include "render/pdfexport.h"
#include "run/plan.h"
#include "run/publisher1.h"
#include "sets/setsfile.h"
#include "sets/setslist.h"
#include "shell/apptitle.h"
#include "shell/automation.h"

#include "run/reportformat.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QThread>

#ifdef Q_OS_WIN
#include "run/comserver.h"
#endif

namespace vantrelle::cli {

// The context of the tool's texts, for their translations.
class CliText {
    Q_DECLARE_TR_FUNCTIONS(vantrelle::cli::CliText)
};

namespace {

const QString kPair = QStringLiteral("--pair");
// A thread per job; far more than the processors only adds threads.
constexpr int kMaxJobs = 256;

bool isValueOption(const QString &arg)
{
    for (const OptionInfo &option : options()) {
        if (!option.value.isEmpty() && !option.twoValues &&
            (arg == QLatin1String("--") + option.name ||
             (!option.shortName.isEmpty() && arg == QLatin1Char('-') + option.shortName)))
            return true;
    }
    return false;
}

bool isBatchOption(const QString &arg)
{
    const qsizetype eq = arg.indexOf(QLatin1Char('='));
    const QString name = arg.startsWith(QLatin1String("--")) && eq > 2 ? arg.left(eq) : arg;
    for (const OptionInfo &option : options()) {
        if (option.batchOnly &&
            (name == QLatin1String("--") + option.name ||
             (!option.shortName.isEmpty() && name == QLatin1Char('-') + option.shortName)))
            return true;
    }
    return false;
}

QString absolute(const QString &path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// Texts a publication cannot hold are a usage error, before any document is opened.
void checkPairs(const SetsPairs &pairs, const QString &from, const RunRequest &request)
{
    if (const QString refusal = pairsRefusal(pairs, from, EmptyFind::Refused, request.matching());
        !refusal.isEmpty())
        throw UsageError(refusal);
}

// The sets file read the way Load Sets reads it: its encodings, its separator
// and the lists' limit. Pairs past the limit are refused rather than dropped,
// so a script never applies part of its sets unknowingly.
SetsPairs readSets(const QString &path, const QString &separator)
{
    if (separator.isEmpty())
        throw UsageError(CliText::tr("The separator given with --separator is empty."));
    if (!QFileInfo(path).isFile())
        throw UsageError(CliText::tr("The sets file %1 was not found.").arg(path));
    QString text;
    try {
        text = ReadTextFile(path);
    } catch (const Failure &e) {
        throw UsageError(CliText::tr("The sets file %1 cannot be read: %2")
                             .arg(path, QString::fromUtf8(e.what())));
    }
    SetsModel model;
    const SetsPairs pairs = pairsFromText(text, separator);
    const int notLoaded = int(pairs.size()) - model.append(pairs);
    if (notLoaded > 0)
        throw UsageError(CliText::tr("%1 Split the file.").arg(setsNotLoadedMessage(notLoaded)));
    if (model.pairs().size() == 0)
        throw UsageError(CliText::tr("The sets file %1 holds no line with the separator “%2”.")
                             .arg(path, separator));
    return model.pairs();
}

QString singleValue(const QCommandLineParser &parser, const QString &name)
{
    const QStringList values = parser.values(name);
    if (values.size() > 1)
        throw UsageError(CliText::tr("--%1 is given more than once.").arg(name));
    return values.value(0);
}

// --engine: false for the native engine, true for the publishing program,
// refused where that cannot run or cannot do what the other options ask.
bool engineIsProgram(const QCommandLineParser &parser, const BatchOptions &options)
{
    const QString engine = parser.isSet(QStringLiteral("engine"))
                               ? singleValue(parser, QStringLiteral("engine"))
                               : QStringLiteral("native");
    if (engine == QLatin1String("native"))
        return false;
    if (engine != QLatin1String("program"))
        throw UsageError(CliText::tr("--engine is native or program, not “%1”.").arg(engine));
#ifdef Q_OS_WIN
    if (!automation::isRegistered(QString::fromLatin1(automation::kPublisherProgId)))
        throw UsageError(CliText::tr("--engine program needs the publishing program, which is "
                                     "not installed here (%1 is not registered); without "
                                     "--engine, Vantrelle's own engine edits.")
                             .arg(QLatin1String(automation::kPublisherProgId)));
#else
    throw UsageError(CliText::tr("--engine program drives the publishing program, which runs "
                                 "on Windows only."));
#endif
    const RunRequest &request = options.request;
    for (const auto &[asked, what] :
         {std::pair{request.regex, QT_TRANSLATE_NOOP("vantrelle::cli::CliText",
                                                     "read find texts as regular expressions "
                                                     "(--regex)")},
          {request.keepCase, QT_TRANSLATE_NOOP("vantrelle::cli::CliText",
                                               "keep the case of what it finds (--keep-case)")},
          {request.inLinks,
           QT_TRANSLATE_NOOP("vantrelle::cli::CliText", "replace in link addresses (--in-links)")},
          {request.inProperties,
           QT_TRANSLATE_NOOP("vantrelle::cli::CliText", "replace in document properties "
                                                        "(--in-properties)")},
          {request.review != nullptr,
           QT_TRANSLATE_NOOP("vantrelle::cli::CliText",
                             "replace the changes of a plan one by one (--apply)")},
          {request.forReview, QT_TRANSLATE_NOOP("vantrelle::cli::CliText",
                                                "list every change for a plan (--dry-run --report "
                                                "FILE.json)")}}) {
        if (asked)
            throw UsageError(CliText::tr("The publishing program cannot %1; only Vantrelle's "
                                         "own engine can.")
                                 .arg(CliText::tr(what)));
    }
    return true;
}

int jobsValue(const QCommandLineParser &parser)
{
    const QString text = singleValue(parser, QStringLiteral("jobs"));
    if (text.isEmpty())
        return std::max(1, QThread::idealThreadCount());
    bool ok = false;
    const int jobs = text.toInt(&ok);
    if (!ok || jobs < 1 || jobs > kMaxJobs)
        throw UsageError(CliText::tr("--jobs needs a whole number from 1 to %1, not “%2”.")
                             .arg(kMaxJobs)
                             .arg(text));
    return jobs;
}

QString reportValue(const QCommandLineParser &parser)
{
    QString path = singleValue(parser, QStringLiteral("report"));
    if (parser.isSet(QStringLiteral("report")) && path.isEmpty())
        throw UsageError(CliText::tr("--report needs a file name, or - for standard output."));
    if (path.isEmpty() || path == QLatin1String("-"))
        return path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("json") && suffix != QLatin1String("csv"))
        throw UsageError(CliText::tr("The report %1 must end in .json or .csv (or be - for "
                                     "JSON lines on standard output).")
                             .arg(path));
    QString full = absolute(path);
    if (!QFileInfo(full).absoluteDir().exists())
        throw UsageError(CliText::tr("The folder of the report %1 does not exist.")
                             .arg(QDir::toNativeSeparators(full)));
    if (QFileInfo(full).isDir())
        throw UsageError(CliText::tr("The report %1 is a folder.").arg(full));
    return full;
}

// The option column of the help; longer entries put their text on the next
// line.
constexpr int kHelpColumn = 23;
constexpr int kHelpWidth = 79;

QString wrapped(const QString &text, int indent)
{
    QString out;
    QString line;
    for (const QString &word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (!line.isEmpty() && indent + line.size() + 1 + word.size() > kHelpWidth) {
            out += QString(indent, QLatin1Char(' ')) + line + u'\n';
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    return out + QString(indent, QLatin1Char(' ')) + line + u'\n';
}

QString optionLines(OptionGroup group)
{
    QString out;
    for (const OptionInfo &option : options()) {
        if (option.group != group)
            continue;
        QString tag = QStringLiteral("  ");
        if (!option.shortName.isEmpty())
            tag += QLatin1Char('-') + option.shortName + QStringLiteral(", ");
        tag += QStringLiteral("--") + option.name;
        if (!option.value.isEmpty())
            tag += QLatin1Char(' ') + option.value;
        const QString text = wrapped(option.help, kHelpColumn);
        if (tag.size() < kHelpColumn)
            out += tag.leftJustified(kHelpColumn) + text.mid(kHelpColumn);
        else
            out += tag + u'\n' + text;
    }
    return out;
}

// Checked before anything runs, LibreOffice's presence included: a run that
// cannot make the PDFs asked for should not write the results either.
void readPdfOptions(const QCommandLineParser &parser, BatchOptions &options)
{
    const bool beside = parser.isSet(QStringLiteral("pdf"));
    const bool inFolder = parser.isSet(QStringLiteral("pdf-dir"));
    const QString folder = singleValue(parser, QStringLiteral("pdf-dir"));
    const QString timeout = singleValue(parser, QStringLiteral("pdf-timeout"));
    if (beside && inFolder)
        throw UsageError(CliText::tr("--pdf puts each PDF beside its result, --pdf-dir DIR "
                                     "puts them all in DIR: give one of the two."));
    if (!beside && !inFolder) {
        if (parser.isSet(QStringLiteral("pdf-timeout")))
            throw UsageError(CliText::tr("--pdf-timeout goes with --pdf or --pdf-dir."));
        return;
    }
    if (options.request.preview)
        throw UsageError(CliText::tr("--dry-run writes no results, so there is nothing to "
                                     "make PDFs of; leave out --pdf or --pdf-dir."));
    if (inFolder && !FolderExists(absolute(folder)))
        throw UsageError(CliText::tr("The folder %1 given with --pdf-dir does not exist; "
                                     "the tool does not make it (mkdir -p it first).")
                             .arg(folder));
    if (parser.isSet(QStringLiteral("pdf-timeout"))) {
        bool ok = false;
        options.pdfTimeoutSeconds = timeout.toInt(&ok);
        if (!ok || options.pdfTimeoutSeconds < 1)
            throw UsageError(CliText::tr("--pdf-timeout needs a whole number of seconds, "
                                         "not “%1”.")
                                 .arg(timeout));
    }
    if (const QString hint = pdfExportMissingHint(); !hint.isEmpty())
        throw UsageError(hint);
    options.pdf = true;
    options.pdfFolder = inFolder ? absolute(folder) : QString();
}

} // namespace

const QList<OptionInfo> &options()
{
    static const QList<OptionInfo> table = {
        {QStringLiteral("pair"),
         {},
         QStringLiteral("FIND REPLACE"),
         OptionGroup::What,
         true,
         CliText::tr("A pair; repeat for more, applied in the order given."),
         true},
        {QStringLiteral("sets"),
         {},
         QStringLiteral("FILE"),
         OptionGroup::What,
         true,
         CliText::tr("Pairs from a sets file, read as Load Sets reads it: one pair per line, "
                     "FIND SEP REPLACE, in UTF-8, UTF-16 or Windows-1252; at most 32,767 "
                     "pairs.")},
        {QStringLiteral("separator"),
         {},
         QStringLiteral("SEP"),
         OptionGroup::What,
         true,
         CliText::tr("The separator of the sets file (default ::).")},
        {QStringLiteral("apply"),
         {},
         QStringLiteral("PLAN"),
         OptionGroup::What,
         true,
         CliText::tr("Replace exactly the changes whose entries in PLAN (the JSON report "
                     "of a --dry-run, which then lists every change with an id and each "
                     "source's size, time and SHA-256) still hold \"apply\": true, with "
                     "the plan's pairs and matching, in the plan's documents unless SOURCEs "
                     "are named. A source changed since the dry run, or whose entries no "
                     "longer match it, is not written and the reason is given (exit 1). A "
                     "plan with a fault is refused whole, with the line and the reason "
                     "(exit 2).")},
        {QStringLiteral("out-dir"),
         {},
         QStringLiteral("DIR"),
         OptionGroup::Where,
         true,
         CliText::tr("Every result into DIR under its source's name. DIR must exist: a "
                     "mistyped name is not made into a new folder.")},
        {QStringLiteral("beside"),
         {},
         {},
         OptionGroup::Where,
         true,
         CliText::tr("Each result beside its source, named NAME_replaced.pub.")},
        {QStringLiteral("match-case"),
         {},
         {},
         OptionGroup::Other,
         false,
         CliText::tr("Match letter case.")},
        {QStringLiteral("whole-word"),
         {},
         {},
         OptionGroup::Other,
         false,
         CliText::tr("Match whole words only, by Unicode's word boundaries: \"the\" no "
                     "longer finds \"other\" or \"anthem\".")},
        {QStringLiteral("regex"),
         {},
         {},
         OptionGroup::Other,
         false,
         CliText::tr("Read each FIND as a regular expression (Perl-like, PCRE2) and each "
                     "REPLACE with $0 (the match), $1 to $9 (its groups) and $$ (a dollar "
                     "sign). A match stays inside a line; ^ and $ are a line's start and end. "
                     "An invalid expression, one that matches an empty text and a $ not "
                     "followed by a digit or $ are wrong usage.")},
        {QStringLiteral("keep-case"),
         {},
         {},
         OptionGroup::Other,
         false,
         CliText::tr("Find any case and write each REPLACE in the case of what it replaces: "
                     "all lower, ALL UPPER, Capitalised or Each Word Capitalised (acme, "
                     "Acme, ACME -> apex, Apex, APEX); any other mix as typed. With --regex, "
                     "the whole replacement once its groups are in.")},
        {QStringLiteral("in-links"),
         {},
         {},
         OptionGroup::Other,
         false,
         CliText::tr("Also replace in the addresses of web, e-mail and file links (links to "
                     "a page are left alone), counted apart.")},
        {QStringLiteral("in-properties"),
         {},
         {},
         OptionGroup::Other,
         false,
         CliText::tr("Also replace in the document properties (title, subject, author, "
                     "keywords, comments, company, manager, category, your own text "
                     "properties), counted apart. A replacement a property's code page "
                     "cannot hold is refused and the document is not written.")},
        {QStringLiteral("ext"),
         {},
         QStringLiteral("EXT"),
         OptionGroup::Other,
         true,
         CliText::tr("The extension searched for in folders (default pub).")},
        {QStringLiteral("include-results"),
         {},
         {},
         OptionGroup::Other,
         true,
         CliText::tr("Also edit files that look like results of an earlier run "
                     "(NAME_replaced.pub beside NAME.pub); without it they are left out "
                     "with a note on standard error.")},
        {QStringLiteral("dry-run"),
         {},
         {},
         OptionGroup::Other,
         true,
         CliText::tr("Count only: write and delete nothing. The counts and refusals are "
                     "those a real run would have; a result that could not be written "
                     "\"would fail\".")},
        {QStringLiteral("no-fit-check"),
         {},
         {},
         OptionGroup::Other,
         true,
         CliText::tr("Do not check whether the stories the run makes longer still fit their "
                     "boxes. By default each document's report says which no longer fit "
                     "(\"overflows\"), which may not, and which could not be checked.")},
        {QStringLiteral("fit-strict"),
         {},
         {},
         OptionGroup::Other,
         true,
         CliText::tr("Write no result for a document in which a story no longer fits its box; "
                     "its report says which, and the tool ends with status 1.")},
        {QStringLiteral("jobs"), QStringLiteral("j"), QStringLiteral("N"), OptionGroup::Other, true,
         CliText::tr("Edit N publications at a time, 1 to 256 (default: the number of "
                     "processors). Results and reports keep the list order.")},
        {QStringLiteral("report"),
         {},
         QStringLiteral("FILE"),
         OptionGroup::Other,
         true,
         CliText::tr("Write a report of every document as each one is done: FILE.json (the "
                     "run as one JSON object) or FILE.csv (one line per document); - prints "
                     "it as JSON lines on standard output.")},
        {QStringLiteral("show-changes"),
         {},
         {},
         OptionGroup::Other,
         true,
         CliText::tr("Print each replacement in its context on standard output, the changed "
                     "part in [brackets] (and in colour on a terminal): the first 1,000 of "
                     "each document.")},
        {QStringLiteral("pdf"),
         {},
         {},
         OptionGroup::Other,
         true,
         CliText::tr("After the run, save a PDF of every result written, NAME.pdf beside "
                     "NAME.pub, with LibreOffice (package libreoffice-draw), in as many "
                     "processes as --jobs. An existing NAME.pdf is replaced.")},
        {QStringLiteral("pdf-dir"),
         {},
         QStringLiteral("DIR"),
         OptionGroup::Other,
         true,
         CliText::tr("The same, every PDF into DIR, which must exist.")},
        {QStringLiteral("pdf-timeout"),
         {},
         QStringLiteral("S"),
         OptionGroup::Other,
         true,
         CliText::tr("End LibreOffice when one document takes longer than S seconds "
                     "(default 120); that PDF is reported as failed and the others go on.")},
        {QStringLiteral("engine"),
         {},
         QStringLiteral("NAME"),
         OptionGroup::Other,
         true,
         CliText::tr("Who edits: native (the default), Vantrelle's own engine; or program, the "
                     "publishing program itself over COM, where it is installed (Windows only). "
                     "The program replaces in the text only, one publication at a time, and does "
                     "not say how many it replaced.")},
        {QStringLiteral("quiet"),
         QStringLiteral("q"),
         {},
         OptionGroup::Other,
         true,
         CliText::tr("No progress line and no summary.")},
        {QStringLiteral("help"),
         QStringLiteral("h"),
         {},
         OptionGroup::Exit,
         false,
         CliText::tr("This text.")},
        {QStringLiteral("version"), {}, {}, OptionGroup::Exit, false, CliText::tr("The version.")},
        {QStringLiteral("text"),
         {},
         {},
         OptionGroup::Text,
         false,
         CliText::tr("With one SOURCE and nothing else: print the text of every story.")},
    };
    return table;
}

namespace {

// The options of the table that form knows, parsed by Qt's parser; one
// wording of every mistake for both forms.
void parseWithTable(QCommandLineParser &parser, const QStringList &args, Form form)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionInfo &option : options()) {
        if (option.twoValues || option.group == OptionGroup::Exit)
            continue;
        if (form == Form::Batch ? option.group == OptionGroup::Text : option.batchOnly)
            continue;
        QStringList names{option.name};
        if (!option.shortName.isEmpty())
            names.prepend(option.shortName);
        parser.addOption(QCommandLineOption(names, QString(), option.value));
    }
    if (!parser.parse(QStringList{QStringLiteral("vantrelle-replace")} + args))
        throw UsageError(parser.errorText());
}

} // namespace

OneFileOptions parseOneFileOptions(const QStringList &args)
{
    QCommandLineParser parser;
    parseWithTable(parser, args, Form::OneFile);
    OneFileOptions options_;
    options_.matching.matchCase = parser.isSet(QStringLiteral("match-case"));
    options_.matching.wholeWord = parser.isSet(QStringLiteral("whole-word"));
    options_.matching.regex = parser.isSet(QStringLiteral("regex"));
    options_.matching.keepCase = parser.isSet(QStringLiteral("keep-case"));
    options_.inLinks = parser.isSet(QStringLiteral("in-links"));
    options_.inProperties = parser.isSet(QStringLiteral("in-properties"));
    options_.text = parser.isSet(QStringLiteral("text"));
    const QStringList positional = parser.positionalArguments();
    if (options_.text) {
        if (positional.size() != 1 || options_.matching != MatchOptions{} || options_.inLinks ||
            options_.inProperties)
            throw UsageError(CliText::tr("--text takes one publication and no other option."));
        options_.source = positional[0];
        return options_;
    }
    if (positional.size() < 4 || positional.size() % 2 != 0)
        throw UsageError(CliText::tr("Name what to edit: SOURCE OUTPUT FIND REPLACE, with more "
                                     "FIND REPLACE pairs as needed; or the batch form's "
                                     "--pair and --out-dir."));
    options_.source = positional[0];
    options_.output = positional[1];
    options_.pairs = positional.mid(2);
    return options_;
}

Form commandForm(const QStringList &args)
{
    bool batch = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (arg == QLatin1String("--"))
            break;
        if (arg == QLatin1String("--help") || arg == QLatin1String("-h"))
            return Form::Help;
        if (arg == QLatin1String("--version"))
            return Form::Version;
        batch = batch || isBatchOption(arg);
        // A value may look like an option ("--pair -x -y"); it is not one.
        if (arg == kPair)
            i += 2;
        else if (isValueOption(arg))
            i += 1;
    }
    return batch ? Form::Batch : Form::OneFile;
}

BatchOptions parseBatchOptions(const QStringList &args)
{
    // QCommandLineParser has no option with two values: the pairs are taken
    // out first, the rest is its job.
    QStringList finds;
    QStringList replacements;
    QStringList rest;
    bool beforeEnd = true; // before "--"
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (beforeEnd && arg == kPair) {
            if (i + 2 >= args.size())
                throw UsageError(CliText::tr("--pair needs two texts: FIND and REPLACE."));
            finds << args[i + 1];
            replacements << args[i + 2];
            i += 2;
            continue;
        }
        if (arg == QLatin1String("--"))
            beforeEnd = false;
        rest << arg;
        if (beforeEnd && isValueOption(arg) && i + 1 < args.size())
            rest << args[++i];
    }

    QCommandLineParser parser;
    parseWithTable(parser, rest, Form::Batch);

    BatchOptions options_;
    RunRequest &request = options_.request;
    const QString setsPath = singleValue(parser, QStringLiteral("sets"));
    const bool haveSets = parser.isSet(QStringLiteral("sets"));
    const bool apply = parser.isSet(QStringLiteral("apply"));
    if (apply && (haveSets || !finds.isEmpty()))
        throw UsageError(CliText::tr("--apply takes the pairs from the plan; give no --pair "
                                     "or --sets."));
    if (!apply && !haveSets && finds.isEmpty())
        throw UsageError(CliText::tr("Say what to replace: --pair FIND REPLACE (once or more) "
                                     "or --sets FILE."));
    if (haveSets && !finds.isEmpty())
        throw UsageError(CliText::tr("Give the texts to replace either with --pair FIND REPLACE "
                                     "(once or more) or with --sets FILE, not both."));
    if (parser.isSet(QStringLiteral("separator")) && !haveSets)
        throw UsageError(CliText::tr("--separator goes with --sets."));
    const bool beside = parser.isSet(QStringLiteral("beside"));
    const QString outDir = singleValue(parser, QStringLiteral("out-dir"));
    if (!beside && !parser.isSet(QStringLiteral("out-dir")))
        throw UsageError(CliText::tr("Say where the results go: --out-dir DIR or --beside."));
    if (beside && parser.isSet(QStringLiteral("out-dir")))
        throw UsageError(CliText::tr("--out-dir and --beside cannot both be given: results go "
                                     "into one folder or beside their sources."));
    if (!beside && !FolderExists(absolute(outDir)))
        throw UsageError(CliText::tr("The folder %1 given with --out-dir does not exist; "
                                     "the tool does not make it (mkdir -p it first).")
                             .arg(outDir));

    request.matchCase = parser.isSet(QStringLiteral("match-case")) ? kMatchCaseTicked : 0;
    request.wholeWord = parser.isSet(QStringLiteral("whole-word"));
    request.regex = parser.isSet(QStringLiteral("regex"));
    request.keepCase = parser.isSet(QStringLiteral("keep-case"));
    request.inLinks = parser.isSet(QStringLiteral("in-links"));
    request.inProperties = parser.isSet(QStringLiteral("in-properties"));
    QStringList planSources;
    if (apply) {
        for (const char *flag :
             {"match-case", "whole-word", "regex", "keep-case", "in-links", "in-properties"})
            if (parser.isSet(QString::fromLatin1(flag)))
                throw UsageError(CliText::tr("--apply matches as the plan says; give no --%1.")
                                     .arg(QString::fromLatin1(flag)));
        try {
            const auto plan = Plan::read(absolute(singleValue(parser, QStringLiteral("apply"))));
            Plan::applyTo(plan, request);
            planSources = plan->sources();
        } catch (const PlanError &e) {
            throw UsageError(e.text);
        }
    } else if (haveSets) {
        const QString separator = parser.isSet(QStringLiteral("separator"))
                                      ? singleValue(parser, QStringLiteral("separator"))
                                      : QString::fromLatin1(kSetsSeparator);
        const SetsPairs sets = readSets(absolute(setsPath), separator);
        checkPairs(sets, CliText::tr("of %1").arg(setsPath), request);
        request.tab = 1;
        request.findList = sets.find;
        request.replaceList = sets.replace;
    } else {
        checkPairs({finds, replacements}, QString(), request);
        // One pair runs as the window's single pair, more as its sets.
        request.tab = finds.size() == 1 ? 0 : 1;
        request.findText = finds.first();
        request.replaceText = replacements.first();
        if (request.tab == 1) {
            request.findList = finds;
            request.replaceList = replacements;
        }
    }
    request.useFolder = !beside;
    request.folder = beside ? QString() : absolute(outDir);
    request.preview = parser.isSet(QStringLiteral("dry-run"));
    if (apply && request.preview)
        throw UsageError(CliText::tr("--apply writes what the plan chose; it goes without "
                                     "--dry-run."));

    options_.extension = parser.isSet(QStringLiteral("ext"))
                             ? singleValue(parser, QStringLiteral("ext"))
                             : QStringLiteral("pub");
    if (options_.extension.isEmpty())
        throw UsageError(CliText::tr("--ext needs an extension, such as pub."));
    request.fitCheck = !parser.isSet(QStringLiteral("no-fit-check"));
    request.fitStrict = parser.isSet(QStringLiteral("fit-strict"));
    if (request.fitStrict && !request.fitCheck)
        throw UsageError(CliText::tr("--fit-strict needs the fit check; give no "
                                     "--no-fit-check."));
    options_.jobs = jobsValue(parser);
    options_.reportPath = reportValue(parser);
    // A JSON report of a dry run is a plan for --apply.
    request.forReview = request.preview && !options_.reportPath.isEmpty() &&
                        (options_.reportPath == QLatin1String("-") ||
                         reportFormatFor(options_.reportPath) != ReportFormat::Csv);
    options_.program = engineIsProgram(parser, options_);
    options_.quiet = parser.isSet(QStringLiteral("quiet"));
    options_.showChanges = parser.isSet(QStringLiteral("show-changes"));
    options_.includeResults = parser.isSet(QStringLiteral("include-results"));
    if (options_.showChanges && options_.reportPath == QLatin1String("-"))
        throw UsageError(CliText::tr("--show-changes and --report - both print on standard "
                                     "output; give the report a file name."));

    readPdfOptions(parser, options_);

    options_.sources = planSources;
    if (!parser.positionalArguments().isEmpty())
        options_.sources.clear();
    else if (!apply)
        throw UsageError(CliText::tr("Name at least one publication or folder."));
    for (const QString &source : parser.positionalArguments()) {
        const QString path = absolute(source);
        // Windows finds no file named CON.pub even where a disk holds one: the
        // run fails that document with the reason, and edits the others.
        if (!QFileInfo::exists(path) && ReservedNameReason(path).isEmpty())
            throw UsageError(CliText::tr("%1 was not found.").arg(source));
        options_.sources << path;
    }
    return options_;
}

QString versionText()
{
    return QStringLiteral("vantrelle-replace %1\n").arg(productVersion());
}

namespace {

// The examples are written for a POSIX shell, and translations keep them as
// they are; cmd.exe takes only double quotes, and paths there have drive
// letters and backslashes.
QString withWindowsExamples(QString help)
{
    const std::pair<const char *, const char *> examples[] = {
        {R"e(  vantrelle-replace --pair "555-0100" "555-0199" --out-dir /srv/new /srv/flyers)e",
         R"e(  vantrelle-replace --pair "555-0100" "555-0199" --out-dir C:\New C:\Flyers)e"},
        {R"e(  vantrelle-replace --sets phone.txt --beside /srv/flyers)e",
         R"e(  vantrelle-replace --sets phone.txt --beside C:\Flyers)e"},
        {R"e(  vantrelle-replace --regex --pair '(\d{3})-(\d{4})' '$1 $2' --beside /srv/flyers)e",
         R"e(  vantrelle-replace --regex --pair "(\d{3})-(\d{4})" "$1 $2" --beside C:\Flyers)e"},
        {R"e(  vantrelle-replace --dry-run --report counts.csv --pair Acme Apex --out-dir /tmp /srv/flyers)e",
         R"e(  vantrelle-replace --dry-run --report counts.csv --pair Acme Apex --out-dir %TEMP% C:\Flyers)e"},
    };
    for (const auto &[posix, windows] : examples)
        help.replace(QLatin1String(posix), QLatin1String(windows));
    return help;
}

} // namespace

QString helpText(bool windowsExamples)
{
    const QString help = CliText::tr(
               R"(usage: vantrelle-replace [OPTIONS] (--pair FIND REPLACE ... | --sets FILE)
                         (--out-dir DIR | --beside) SOURCE...
       vantrelle-replace [OPTIONS] --apply PLAN (--out-dir DIR | --beside)
                         [SOURCE...]
       vantrelle-replace [--match-case] [--whole-word] [--regex] [--keep-case]
                         [--in-links] [--in-properties]
                         SOURCE OUTPUT FIND REPLACE [FIND REPLACE ...]
       vantrelle-replace --text SOURCE

Finds and replaces text in publications (.pub). The first form edits every
publication named and every one found in the folders named, with the rules of
the Vantrelle window; the second edits one publication into OUTPUT and prints
its counts; the third prints the text of every story.

Sources (first form):
  SOURCE...            Publications and folders. A folder is searched with all
                       its subfolders like "Add All Publisher File(s) In
                       Folder": files ending in .EXT, not those starting with
                       "~" and not hidden ones (starting with "."), each real
                       folder once. Files named
                       directly are taken as given, except that names whose
                       extension does not look like a publication's are left
                       out with a note on standard error.

What to replace (one of):
)") + optionLines(OptionGroup::What) +
           CliText::tr(R"(FIND may not be empty. FIND and REPLACE may hold only what the text of a
publication can: no line or paragraph break, no control character but tab,
no unpaired surrogate and no noncharacter (wrong usage, exit status 2).

Where the results go (one of):
)") + optionLines(OptionGroup::Where) +
           CliText::tr(R"(Sources are never overwritten or deleted, whatever name reaches them. A
folder that spells the source's own (through a symbolic link, with ./ or ..)
gives the result the _replaced name. A result name that reaches a source
another way (a bind mount, another letter case on a file system that ignores
case, a hard link), another listed document, or a result written earlier in
the same run is not written; that document is reported as skipped, with the
reason. An older result is never deleted first: the new one replaces it only
once it is whole, so a failed edit leaves it as it was.

Options:
)") + optionLines(OptionGroup::Other) +
           optionLines(OptionGroup::Exit) + optionLines(OptionGroup::Text) + CliText::tr(R"(
Text in WordArt is never edited: occurrences there are counted as left, and
the result is still written.

Each report row holds the source, the output, the outcome (written, nothing
to replace, failed, skipped, not reached; "would be written" in a dry run),
replacements made and occurrences left, each pair's counts with the reason
for what was left, the error text, the milliseconds taken and the matching
used (match case or any case, whole words, regular expression); with --pdf or
--pdf-dir also the PDF's path and outcome (written, failed with LibreOffice's
reason, not reached), and the rows come once the PDFs are made.

Progress: a live line on standard error (done/total, rate, time left) when it
is a terminal. Failed and skipped documents are named on standard error, and
the run ends with one line of totals there, terminal or not (--quiet: only
what went wrong).

A result is written whole or not at all. Ctrl-C (or SIGTERM) stops handing
out documents, lets those being edited finish, writes the report of what was
done (the rest "not reached") and exits with status 130.

Exit status:
  0    every document written, or nothing to replace in it
  1    at least one document failed or was skipped, or a PDF failed (the
       others were still processed); for the second form: the publication could not be read,
       edited as asked or written
  2    wrong usage, or --pdf without LibreOffice (nothing was written)
  130  interrupted

Examples:
  vantrelle-replace --pair "555-0100" "555-0199" --out-dir /srv/new /srv/flyers
  vantrelle-replace --sets phone.txt --beside /srv/flyers
  vantrelle-replace --regex --pair '(\d{3})-(\d{4})' '$1 $2' --beside /srv/flyers
  vantrelle-replace --dry-run --report counts.csv --pair Acme Apex --out-dir /tmp /srv/flyers
)");
    return windowsExamples ? withWindowsExamples(help) : help;
}

} // namespace vantrelle::cli
