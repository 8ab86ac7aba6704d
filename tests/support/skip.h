#pragma once
// The one way a test skips for want of an oracle (olefile, pub2raw, Apache
// POI, LibreOffice) or of the corpus: one line saying what is missing. On CI
// (CI=true) beside ../shared, where the project's own files install every
// oracle and the corpus is there, such a skip fails the test instead, so that
// nothing passes unchecked.
#include <QByteArray>
#include <QFileInfo>
#include <QString>

#include <gtest/gtest.h>

namespace vantrelle::test {

inline bool skipsMustFail()
{
#ifdef Q_OS_WIN
    // The oracles are Linux programs; a Windows build's tests run without them.
    return false;
#endif
    return qgetenv("CI") == "true" &&
           QFileInfo::exists(QStringLiteral(VANTRELLE_SOURCE_DIR "/../shared"));
}

} // namespace vantrelle::test

#define VANTRELLE_SKIP(reason)                                                                     \
    do {                                                                                           \
        if (::vantrelle::test::skipsMustFail())                                                    \
            GTEST_FAIL() << (reason) << " (CI with ../shared must not skip this)";                 \
        else                                                                                       \
            GTEST_SKIP() << (reason);                                                              \
    } while (false)

// Skips, as above, unless present holds; what names the missing oracle.
#define VANTRELLE_REQUIRE_ORACLE(present, what)                                                    \
    do {                                                                                           \
        if (!(present))                                                                            \
            VANTRELLE_SKIP(std::string(what) + " is not installed");                               \
    } while (false)
