#pragma once
// Real folder trees in a temporary folder for the walk and adding tests.
#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <unistd.h>

namespace vantrelle::test {

class Tree {
public:
    Tree() { m_root = QDir(m_dir.path()).canonicalPath(); }
    // The root with no closing separator.
    const QString &root() const { return m_root; }
    QString path(const QString &relative) const { return m_root + QLatin1Char('/') + relative; }
    // A folder "entry" of a folder set: the path with its closing separator.
    QString entry(const QString &relative = QString()) const
    {
        return relative.isEmpty() ? m_root + QLatin1Char('/') : path(relative) + QLatin1Char('/');
    }
    void dir(const QString &relative) const { QDir().mkpath(path(relative)); }
    void file(const QString &relative) const
    {
        const QString full = path(relative);
        QDir().mkpath(full.left(full.lastIndexOf(QLatin1Char('/'))));
        QFile f(full);
        f.open(QIODevice::WriteOnly);
        f.write("x");
    }
    void link(const QString &target, const QString &relative) const
    {
        QFile::link(target, path(relative));
    }

private:
    QTemporaryDir m_dir;
    QString m_root;
};

inline bool runningAsRoot()
{
    return ::geteuid() == 0;
}

} // namespace vantrelle::test
