// Opens, edits and saves the same publication many times and prints the
// peak resident size as it goes: it must stay flat.
#include "pubengine/publication.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    const QString source =
        QString::fromLocal8Bit(argc > 1 ? argv[1] : VANTRELLE_CORPUS_DIR "/60685.pub");
    const long count = argc > 2 ? std::atol(argv[2]) : 10000;
    if (!QFileInfo(source).isFile()) {
        std::fprintf(stderr,
                     "no publication at %s\nusage: pubengine_rss_loop [PUBLICATION [COUNT]] "
                     "(the default is 60685.pub of the corpus folder set at configure time, "
                     "-DVANTRELLE_CORPUS_DIR=...)\n",
                     qPrintable(source));
        return 2;
    }
    QTemporaryDir dir;
    const QString target = dir.filePath(QStringLiteral("out.pub"));
    auto peakKiB = [] {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss;
    };
    for (long i = 1; i <= count; ++i) {
        vantrelle::pubengine::Publication pub = vantrelle::pubengine::Publication::open(source);
        pub.replaceAll(QStringLiteral("the"), QStringLiteral("teh"), false);
        pub.replaceAll(QStringLiteral("a"), QStringLiteral("aaa"), true);
        pub.saveAs(target);
        if (i == 1 || i % (count / 10 > 0 ? count / 10 : 1) == 0)
            std::printf("%6ld documents: peak RSS %ld KiB\n", i, peakKiB());
    }
    return 0;
}
