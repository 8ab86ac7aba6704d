// libFuzzer target: open, replace and save arbitrary bytes as a publication.
#include "pubengine/fuzz/fuzzentry.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    vantrelle::pubengine::fuzzOneInput(data, size);
    return 0;
}
