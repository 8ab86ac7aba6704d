#pragma once
// The corpus of real publications, read in place. A test that needs it
// starts with VANTRELLE_REQUIRE_CORPUS(): where the corpus is absent (a plain
// clone) it skips, with the reason every corpus test gives.
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

#define VANTRELLE_REQUIRE_CORPUS()                                                                 \
    do {                                                                                           \
        if (!QFileInfo::exists(QStringLiteral(VANTRELLE_CORPUS_DIR "/Sample.pub")))                \
            GTEST_SKIP() << "corpus not found at " VANTRELLE_CORPUS_DIR;                           \
    } while (false)
