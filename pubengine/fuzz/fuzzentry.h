#pragma once
// One publication through open, replace and save, for the fuzzer and its
// replay. Failures of the input are expected; anything else escapes.
#include <cstddef>
#include <cstdint>

namespace vantrelle::pubengine {

// Returns true when the input was accepted and written back.
bool fuzzOneInput(const std::uint8_t *data, std::size_t size);

} // namespace vantrelle::pubengine
