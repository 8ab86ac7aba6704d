// Feeds files (or every file of folders) through the fuzzer's entry point,
// so that the seeds and any saved findings run in the normal test suite.
#include "pubengine/fuzz/fuzzentry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(arg).isDir()) {
            for (const QFileInfo &f : QDir(arg).entryInfoList(QDir::Files, QDir::Name))
                files << f.filePath();
        } else {
            files << arg;
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: pubengine_fuzz_replay FILE|FOLDER ...\n");
        return 2;
    }
    int accepted = 0;
    for (const QString &path : files) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = f.readAll();
        accepted += vantrelle::pubengine::fuzzOneInput(
            reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()));
    }
    std::printf("%lld inputs, %d accepted\n", static_cast<long long>(files.size()), accepted);
    return 0;
}
