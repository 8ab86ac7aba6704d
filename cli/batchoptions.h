#pragma once
// The command line of vantrelle-replace: which form it asks for, and the
// batch form's options checked and turned into a run request before anything
// is read from or written to the publications.
#include "run/runcore.h"

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace vantrelle::cli {

inline constexpr int kExitDone = 0;
inline constexpr int kExitFailed = 1;
inline constexpr int kExitUsage = 2;
inline constexpr int kExitInterrupted = 130;

enum class Form {
    OneFile, // SOURCE OUTPUT FIND REPLACE..., or --text SOURCE
    Batch,
    Help,
    Version,
};

// Tells the forms apart by the options given before "--": any option only the
// batch form knows makes it a batch command line.
Form commandForm(const QStringList &args);

// A command line that can't be run; what() says why in plain words.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString &text) : std::runtime_error(text.toStdString()) {}
};

struct BatchOptions {
    // Everything but the documents, which come from walking the sources.
    RunRequest request;
    // Absolute paths of the files and folders named, in the order given.
    QStringList sources;
    // Folders are searched for "*." + extension.
    QString extension;
    int jobs = 1;
    // Empty: no report; "-": JSON lines on standard output.
    QString reportPath;
    bool quiet = false;
    // Each replacement in its context on standard output.
    bool showChanges = false;
    // Files that look like an earlier run's results are edited too.
    bool includeResults = false;
    // A PDF of every written result: beside it, or into pdfFolder when set.
    bool pdf = false;
    QString pdfFolder;
    int pdfTimeoutSeconds = 120;
    // The publishing program itself edits, over COM (Windows), in place of
    // the native engine: one document at a time, on the main thread.
    bool program = false;
};

// Where an option is listed in the help, and what it does to the form.
enum class OptionGroup {
    What,  // what to replace
    Where, // where the results go
    Other,
    Exit,  // answered before anything else: the help and the version
    Text,  // the form that prints a publication's text
};

// One option of the tool. The parser, --help and the test that holds the man
// page and docs/tool.md to them all read the table of these, so a new option
// is one more entry.
struct OptionInfo {
    QString name;      // the long name, without "--"
    QString shortName; // the one-letter name, or empty
    QString value;     // the value's name in the help; empty for a switch
    OptionGroup group;
    // Only the batch form knows it, so giving it makes a batch command line.
    bool batchOnly;
    QString help;
    // --pair: FIND and REPLACE, two arguments.
    bool twoValues = false;
};
const QList<OptionInfo> &options();

// The batch form's options (args without the program name). Reads the sets
// file. Throws UsageError.
BatchOptions parseBatchOptions(const QStringList &args);

// The one-file form: SOURCE OUTPUT FIND REPLACE..., or --text SOURCE.
struct OneFileOptions {
    MatchOptions matching;
    bool inLinks = false;
    bool inProperties = false;
    // Print the text of every story of source.
    bool text = false;
    QString source;
    QString output;
    // FIND, REPLACE, FIND, REPLACE...
    QStringList pairs;
};
// The one-file form's options, read by the same table and parser as the
// batch form's, so both say the same of the same mistake. Throws UsageError.
OneFileOptions parseOneFileOptions(const QStringList &args);

#ifdef Q_OS_WIN
inline constexpr bool kWindowsExamples = true;
#else
inline constexpr bool kWindowsExamples = false;
#endif
// --help; with windowsExamples its examples as cmd.exe takes them.
QString helpText(bool windowsExamples = kWindowsExamples);
QString versionText();

} // namespace vantrelle::cli
