#pragma once
// Failures of the engine. FormatError describes what is wrong inside a stream
// without knowing the file; the publication layer adds the file name. What
// is wrong in a file is the file's, never the program's fault.
#include "fsutil/failure.h"

namespace vantrelle::pubengine {

class FormatError : public PlainFailure {
public:
    using PlainFailure::PlainFailure;
};

// A publication of a version the engine refuses whole: its text says all,
// and is never wrapped as damage.
class VersionError : public FormatError {
public:
    using FormatError::FormatError;
};

} // namespace vantrelle::pubengine
