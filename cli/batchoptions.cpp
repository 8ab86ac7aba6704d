#include "cli/batchoptions.h"

#include "fsutil/failure.h"
#include "fsutil/paths.h"
#include "render/pdfexport.h"
#include "run/publisher1.h"
#include "sets/setsfile.h"
#include "sets/setslist.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QThread>

namespace vantrelle::cli {

namespace {

const QString kPair = QStringLiteral("--pair");
// A thread per job; far more than the processors only adds threads.
constexpr int kMaxJobs = 256;
// Options that take the next argument as their value.
const QStringList kValueOptions = {QStringLiteral("--sets"),    QStringLiteral("--separator"),
                                   QStringLiteral("--out-dir"), QStringLiteral("--ext"),
                                   QStringLiteral("--jobs"),    QStringLiteral("-j"),
                                   QStringLiteral("--report"),    QStringLiteral("--pdf-dir"),
                                   QStringLiteral("--pdf-timeout")};
const QStringList kBatchFlags = {QStringLiteral("--beside"), QStringLiteral("--dry-run"),
                                 QStringLiteral("--quiet"), QStringLiteral("-q"),
                                 QStringLiteral("--show-changes"), QStringLiteral("--pdf")};

bool isValueOption(const QString &arg)
{
    return kValueOptions.contains(arg);
}

bool isBatchOption(const QString &arg)
{
    if (arg == kPair || kBatchFlags.contains(arg) || isValueOption(arg))
        return true;
    const qsizetype eq = arg.indexOf(QLatin1Char('='));
    return arg.startsWith(QLatin1String("--")) && eq > 2 && isValueOption(arg.left(eq));
}

QString absolute(const QString &path)
{
    return QDir::cleanPath(QDir::current().absoluteFilePath(path));
}

// Stories use control characters as paragraph, line and field marks; one in a
// find or replace text would find or make structure, not text.
void checkText(const QString &text, const QString &what)
{
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control && c != QLatin1Char('\t'))
            throw UsageError(QStringLiteral("%1 holds the control character U+%2; only tab is "
                                            "allowed in find and replace texts.")
                                 .arg(what, QString::number(c.unicode(), 16)
                                                .toUpper()
                                                .rightJustified(4, QLatin1Char('0'))));
    }
}

void checkPairs(const QStringList &finds, const QStringList &replacements, const QString &from)
{
    for (qsizetype i = 0; i < finds.size(); ++i) {
        const QString pair = QStringLiteral("pair %1 %2").arg(i + 1).arg(from);
        if (finds[i].isEmpty())
            throw UsageError(QStringLiteral("The find text of %1is empty.").arg(pair));
        checkText(finds[i], QStringLiteral("The find text of %1").arg(pair.trimmed()));
        checkText(replacements[i],
                  QStringLiteral("The replacement of %1(“%2”)").arg(pair, finds[i]));
    }
}

// The sets file read the way Load Sets reads it: its encodings, its separator
// and the lists' limit. Pairs past the limit are refused rather than dropped,
// so a script never applies part of its sets unknowingly.
SetsPairs readSets(const QString &path, const QString &separator)
{
    if (separator.isEmpty())
        throw UsageError(QStringLiteral("The separator given with --separator is empty."));
    if (!QFileInfo(path).isFile())
        throw UsageError(QStringLiteral("The sets file %1 was not found.").arg(path));
    QString text;
    try {
        text = ReadTextFile(path);
    } catch (const Failure &e) {
        throw UsageError(QStringLiteral("The sets file %1 cannot be read: %2")
                             .arg(path, QString::fromUtf8(e.what())));
    }
    SetsModel model;
    const SetsPairs pairs = pairsFromText(text, separator);
    const int notLoaded = int(pairs.size()) - model.append(pairs);
    if (notLoaded > 0)
        throw UsageError(setsNotLoadedMessage(notLoaded) + QStringLiteral(" Split the file."));
    if (model.pairs().size() == 0)
        throw UsageError(QStringLiteral("The sets file %1 holds no line with the separator “%2”.")
                             .arg(path, separator));
    return model.pairs();
}

QString singleValue(const QCommandLineParser &parser, const QString &name)
{
    const QStringList values = parser.values(name);
    if (values.size() > 1)
        throw UsageError(QStringLiteral("--%1 is given more than once.").arg(name));
    return values.value(0);
}

int jobsValue(const QCommandLineParser &parser)
{
    const QString text = singleValue(parser, QStringLiteral("jobs"));
    if (text.isEmpty())
        return std::max(1, QThread::idealThreadCount());
    bool ok = false;
    const int jobs = text.toInt(&ok);
    if (!ok || jobs < 1 || jobs > kMaxJobs)
        throw UsageError(QStringLiteral("--jobs needs a whole number from 1 to %1, not “%2”.")
                             .arg(kMaxJobs)
                             .arg(text));
    return jobs;
}

QString reportValue(const QCommandLineParser &parser)
{
    QString path = singleValue(parser, QStringLiteral("report"));
    if (parser.isSet(QStringLiteral("report")) && path.isEmpty())
        throw UsageError(QStringLiteral("--report needs a file name, or - for standard output."));
    if (path.isEmpty() || path == QLatin1String("-"))
        return path;
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("json") && suffix != QLatin1String("csv"))
        throw UsageError(QStringLiteral("The report %1 must end in .json or .csv (or be - for "
                                        "JSON lines on standard output).")
                             .arg(path));
    QString full = absolute(path);
    if (!QFileInfo(full).absoluteDir().exists())
        throw UsageError(QStringLiteral("The folder of the report %1 does not exist.")
                             .arg(QDir::toNativeSeparators(full)));
    if (QFileInfo(full).isDir())
        throw UsageError(QStringLiteral("The report %1 is a folder.").arg(full));
    return full;
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
        throw UsageError(QStringLiteral("--pdf puts each PDF beside its result, --pdf-dir DIR "
                                        "puts them all in DIR: give one of the two."));
    if (!beside && !inFolder) {
        if (parser.isSet(QStringLiteral("pdf-timeout")))
            throw UsageError(QStringLiteral("--pdf-timeout goes with --pdf or --pdf-dir."));
        return;
    }
    if (options.request.preview)
        throw UsageError(QStringLiteral("--dry-run writes no results, so there is nothing to "
                                        "make PDFs of; leave out --pdf or --pdf-dir."));
    if (inFolder && !FolderExists(absolute(folder)))
        throw UsageError(QStringLiteral("The folder %1 given with --pdf-dir does not exist.")
                             .arg(folder));
    if (parser.isSet(QStringLiteral("pdf-timeout"))) {
        bool ok = false;
        options.pdfTimeoutSeconds = timeout.toInt(&ok);
        if (!ok || options.pdfTimeoutSeconds < 1)
            throw UsageError(QStringLiteral("--pdf-timeout needs a whole number of seconds, "
                                            "not “%1”.")
                                 .arg(timeout));
    }
    if (const QString hint = pdfExportMissingHint(); !hint.isEmpty())
        throw UsageError(hint);
    options.pdf = true;
    options.pdfFolder = inFolder ? absolute(folder) : QString();
}

} // namespace

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
    bool options = true;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args[i];
        if (options && arg == kPair) {
            if (i + 2 >= args.size())
                throw UsageError(QStringLiteral("--pair needs two texts: FIND and REPLACE."));
            finds << args[i + 1];
            replacements << args[i + 2];
            i += 2;
            continue;
        }
        if (arg == QLatin1String("--"))
            options = false;
        rest << arg;
        if (options && isValueOption(arg) && i + 1 < args.size())
            rest << args[++i];
    }

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {QStringLiteral("sets"), QString(), QStringLiteral("FILE")},
        {QStringLiteral("separator"), QString(), QStringLiteral("SEP")},
        {QStringLiteral("out-dir"), QString(), QStringLiteral("DIR")},
        {QStringLiteral("beside"), QString()},
        {QStringLiteral("match-case"), QString()},
        {QStringLiteral("ext"), QString(), QStringLiteral("EXT")},
        {QStringLiteral("dry-run"), QString()},
        {QStringLiteral("show-changes"), QString()},
        {QStringLiteral("pdf"), QString()},
        {QStringLiteral("pdf-dir"), QString(), QStringLiteral("DIR")},
        {QStringLiteral("pdf-timeout"), QString(), QStringLiteral("SECONDS")},
        {{QStringLiteral("j"), QStringLiteral("jobs")}, QString(), QStringLiteral("N")},
        {QStringLiteral("report"), QString(), QStringLiteral("FILE")},
        {{QStringLiteral("q"), QStringLiteral("quiet")}, QString()},
    });
    if (!parser.parse(QStringList{QStringLiteral("vantrelle-replace")} + rest))
        throw UsageError(parser.errorText());

    BatchOptions options_;
    RunRequest &request = options_.request;
    const QString setsPath = singleValue(parser, QStringLiteral("sets"));
    const bool haveSets = parser.isSet(QStringLiteral("sets"));
    if (haveSets == !finds.isEmpty())
        throw UsageError(QStringLiteral("Give the texts to replace either with --pair FIND REPLACE "
                                        "(once or more) or with --sets FILE, not both."));
    if (parser.isSet(QStringLiteral("separator")) && !haveSets)
        throw UsageError(QStringLiteral("--separator goes with --sets."));
    const bool beside = parser.isSet(QStringLiteral("beside"));
    const QString outDir = singleValue(parser, QStringLiteral("out-dir"));
    if (beside == parser.isSet(QStringLiteral("out-dir")))
        throw UsageError(QStringLiteral("Say where the results go: --out-dir DIR or --beside "
                                        "(one of the two)."));
    if (!beside && !FolderExists(absolute(outDir)))
        throw UsageError(QStringLiteral("The folder %1 does not exist.").arg(outDir));

    if (haveSets) {
        const QString separator = parser.isSet(QStringLiteral("separator"))
                                      ? singleValue(parser, QStringLiteral("separator"))
                                      : QString::fromLatin1(kSetsSeparator);
        const SetsPairs sets = readSets(absolute(setsPath), separator);
        checkPairs(sets.find, sets.replace, QStringLiteral("of %1 ").arg(setsPath));
        request.tab = 1;
        request.findList = sets.find;
        request.replaceList = sets.replace;
    } else {
        checkPairs(finds, replacements, QString());
        // One pair runs as the window's single pair, more as its sets.
        request.tab = finds.size() == 1 ? 0 : 1;
        request.findText = finds.first();
        request.replaceText = replacements.first();
        if (request.tab == 1) {
            request.findList = finds;
            request.replaceList = replacements;
        }
    }
    request.matchCase = parser.isSet(QStringLiteral("match-case")) ? kMatchCaseTicked : 0;
    request.useFolder = !beside;
    request.folder = beside ? QString() : absolute(outDir);
    request.preview = parser.isSet(QStringLiteral("dry-run"));

    options_.extension = parser.isSet(QStringLiteral("ext"))
                             ? singleValue(parser, QStringLiteral("ext"))
                             : QStringLiteral("pub");
    if (options_.extension.isEmpty())
        throw UsageError(QStringLiteral("--ext needs an extension, such as pub."));
    options_.jobs = jobsValue(parser);
    options_.reportPath = reportValue(parser);
    options_.quiet = parser.isSet(QStringLiteral("quiet"));
    options_.showChanges = parser.isSet(QStringLiteral("show-changes"));
    if (options_.showChanges && options_.reportPath == QLatin1String("-"))
        throw UsageError(QStringLiteral("--show-changes and --report - both print on standard "
                                        "output; give the report a file name."));

    readPdfOptions(parser, options_);

    if (parser.positionalArguments().isEmpty())
        throw UsageError(QStringLiteral("Name at least one publication or folder."));
    for (const QString &source : parser.positionalArguments()) {
        const QString path = absolute(source);
        if (!QFileInfo::exists(path))
            throw UsageError(QStringLiteral("%1 was not found.").arg(source));
        options_.sources << path;
    }
    return options_;
}

QString versionText()
{
    return QStringLiteral("vantrelle-replace " VANTRELLE_VERSION "\n");
}

QString helpText()
{
    return QStringLiteral(
        R"(usage: vantrelle-replace [OPTIONS] (--pair FIND REPLACE ... | --sets FILE)
                         (--out-dir DIR | --beside) SOURCE...
       vantrelle-replace [--match-case] SOURCE OUTPUT FIND REPLACE [FIND REPLACE ...]
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
  --pair FIND REPLACE  A pair; repeat for more, applied in the order given.
  --sets FILE          Pairs from a sets file, read as Load Sets reads it:
                       one pair per line, FIND SEP REPLACE, in UTF-8, UTF-16
                       or Windows-1252; at most 32,767 pairs.
  --separator SEP      The separator of the sets file (default ::).
FIND may not be empty; FIND and REPLACE may hold no control character but tab.

Where the results go (one of):
  --out-dir DIR        Every result into DIR under its source's name.
  --beside             Each result beside its source, named NAME_replaced.pub.
Sources are never overwritten. A result that would replace another listed
document, or a result written earlier in the same run, is not written; that
document is reported as skipped.

Options:
  --match-case         Match letter case.
  --ext EXT            The extension searched for in folders (default pub).
  --dry-run            Count only: write and delete nothing. The counts and
                       refusals are those a real run would have.
  -j, --jobs N         Edit N publications at a time, 1 to 256 (default: the
                       number of processors). Results and reports keep the
                       list order.
  --report FILE        Write a report of every document: FILE.json (the run as
                       one JSON object) or FILE.csv (one line per document).
  --report -           Print the report as JSON lines on standard output, one
                       line per document as it is done.
  --show-changes       Print each replacement in its context on standard
                       output, the changed part in [brackets] (and in colour
                       on a terminal): the first 1,000 of each document.
  --pdf                After the run, save a PDF of every result written,
                       NAME.pdf beside NAME.pub, with LibreOffice (package
                       libreoffice-draw), in as many processes as --jobs.
                       An existing NAME.pdf is replaced.
  --pdf-dir DIR        The same, every PDF into DIR.
  --pdf-timeout S      End LibreOffice when one document takes longer than S
                       seconds (default 120); that PDF is reported as failed
                       and the others go on.
  -q, --quiet          No progress line and no summary.
  -h, --help           This text.
  --version            The version.

Each report row holds the source, the output, the outcome (written, nothing
to replace, failed, skipped, not reached; "would be written" in a dry run),
replacements made and occurrences left, each pair's counts with the reason
for what was left, the error text and the milliseconds taken; with --pdf or
--pdf-dir also the PDF's path and outcome (written, failed with LibreOffice's
reason, not reached). With --report - the lines come once the PDFs are made.

Progress: a live line on standard error (done/total, rate, time left) when it
is a terminal; nothing when it is not. Failed and skipped documents are named
on standard error.

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
  vantrelle-replace --dry-run --report counts.csv --pair Acme Apex --out-dir /tmp /srv/flyers
)");
}

} // namespace vantrelle::cli
