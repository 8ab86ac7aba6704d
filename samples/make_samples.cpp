// Writes the sample publications into the folder given (the build's and the
// installed program's Samples folder).
#include "samples/samples.h"

#include "fsutil/failure.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: make-samples FOLDER\n");
        return 2;
    }
    try {
        QDir().mkpath(args[1]);
        vantrelle::samples::writeAll(args[1]);
    } catch (const vantrelle::Failure &e) {
        std::fprintf(stderr, "make-samples: %s\n", e.what());
        return 1;
    }
    return 0;
}
