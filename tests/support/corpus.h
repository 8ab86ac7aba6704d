#pragma once
// The corpus of real publications, read in place. A test that needs it
// starts with VANTRELLE_REQUIRE_CORPUS(): where the corpus is absent (a plain
// clone) it skips, with the reason every corpus test gives.
#include <QFileInfo>
#include <QString>

#include "tests/support/skip.h"

#define VANTRELLE_REQUIRE_CORPUS()                                                                 \
    do {                                                                                           \
        if (!QFileInfo::exists(QStringLiteral(VANTRELLE_CORPUS_DIR "/Sample.pub")))                \
            VANTRELLE_SKIP("corpus not found at " VANTRELLE_CORPUS_DIR);                           \
    } while (false)
