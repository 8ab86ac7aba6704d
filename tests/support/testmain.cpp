// One application object for the whole test binary: a QApplication on the
// offscreen platform (on Windows its own), so windows can be created and driven without a
// display, or for tests of the layers below the window a QCoreApplication,
// which needs no display driver at all (Wine without one has none).
#ifdef VANTRELLE_TEST_CORE
#include <QCoreApplication>
using TestApplication = QCoreApplication;
#else
#include <QApplication>
using TestApplication = QApplication;
#endif

#include "shell/language.h"

#include <gtest/gtest.h>

int main(int argc, char **argv)
{
#ifndef Q_OS_WIN // where the Windows platform draws on Wine's display
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    TestApplication app(argc, argv);
    // The texts the tests look for are the English ones, whatever the
    // machine's language.
    vantrelle::installTranslations({QStringLiteral("en")});
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
