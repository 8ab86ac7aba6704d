#pragma once
// The tool's runs: the batch form's documents gathered from the sources as
// the window gathers them, and the one-file form's one document, both edited
// by the run core and reported in list order as each document finishes.
#include "cli/batchoptions.h"

#include <optional>

namespace vantrelle::cli {

// Runs the batch form, --help or --version when the command line asks for
// one; nothing for the one-file form. Returns the exit status.
std::optional<int> runBatchIfAsked(int argc, char **argv);

// A command line that cannot be run, told on standard error with the way to
// the help, as every form tells it. Returns the exit status.
int usageFailed(const UsageError &error);

// Returns the exit status.
int runBatch(const BatchOptions &options);

// The one-file form: SOURCE edited into OUTPUT with the pairs (FIND, REPLACE,
// ...) through the same run as the batch form, matched as asked, also in
// link addresses and document properties when asked; prints each pair's
// counts. Returns the exit status.
int runOneFile(const MatchOptions &matching, bool inLinks, bool inProperties,
               const QString &source, const QString &output, const QStringList &pairs);

} // namespace vantrelle::cli
