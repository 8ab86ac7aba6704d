#include "commondialog.h"

#include "shell/dialogs.h"

#include <QStringList>

namespace vantrelle {

namespace {

QString folderOf(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash < 0)
        return QString();
    // The root keeps its separator; any other folder is given without one.
    return slash == 0 ? QStringLiteral("/") : path.left(slash);
}

} // namespace

QString commonDialogFileName(const QStringList &paths)
{
    if (paths.isEmpty())
        return QString();
    if (paths.size() == 1)
        return paths.front();
    QStringList parts{folderOf(paths.front())};
    for (const QString &path : paths)
        parts << path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return parts.join(QChar(0));
}

CommonDialog::CommonDialog(Dialogs &dialogs, QObject *parent) : QObject(parent), m_dialogs(dialogs)
{
}

void CommonDialog::ShowOpen()
{
    FileDialogRequest request{DialogTitle, Filter, (Flags & kOFNAllowMultiselect) != 0, InitDir};
    const QString chosen = commonDialogFileName(m_dialogs.openFiles(request));
    // The buffer ends with two NULs after a list of names, one after a path.
    const qsizetype needed = chosen.size() + (chosen.contains(QChar(0)) ? 2 : 1);
    if (!chosen.isEmpty() && needed > MaxFileSize) {
        FileName.clear();
        throw CommonDialogError(kCdlBufferTooSmall,
                                "The file name buffer is too small for the chosen files");
    }
    FileName = chosen;
}

void CommonDialog::ShowSave()
{
    FileDialogRequest request{DialogTitle, Filter, false, InitDir};
    const QString chosen = m_dialogs.saveFile(request);
    if (!chosen.isEmpty() && chosen.size() + 1 > MaxFileSize) {
        FileName.clear();
        throw CommonDialogError(kCdlBufferTooSmall,
                                "The file name buffer is too small for the chosen file");
    }
    FileName = chosen;
}

} // namespace vantrelle
