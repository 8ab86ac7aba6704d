#pragma once
// The batch form's run: the documents gathered from the sources as the
// window gathers them, edited in parallel with the run core's naming, checks
// and outcomes, reported in list order.
#include "cli/batchoptions.h"

#include <optional>

namespace vantrelle::cli {

// Runs the batch form, --help or --version when the command line asks for
// one; nothing for the one-file form. Returns the exit status.
std::optional<int> runBatchIfAsked(int argc, char **argv);

// Returns the exit status.
int runBatch(const BatchOptions &options);

} // namespace vantrelle::cli
