// libFuzzer target: open, replace and save arbitrary bytes as a publication.
#include "pubengine/fuzz/fuzzentry.h"

#include <glib.h>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // Damaged inputs make the container library log; that is expected here.
    g_log_set_default_handler([](const gchar *, GLogLevelFlags, const gchar *, gpointer) {},
                              nullptr);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    vantrelle::pubengine::fuzzOneInput(data, size);
    return 0;
}
