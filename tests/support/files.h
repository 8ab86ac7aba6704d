#pragma once
// Small file helpers for tests that build real files in temporary folders.
#include <QByteArray>
#include <QFile>
#include <QString>

#include <gtest/gtest.h>

namespace vantrelle::test {

inline void writeFile(const QString &path, const QByteArray &bytes = "pub")
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << path.toStdString();
    f.write(bytes);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace vantrelle::test
