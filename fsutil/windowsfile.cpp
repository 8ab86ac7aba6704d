#include "fsutil/windowsfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace vantrelle {

namespace {

QString lastName(const QString &path)
{
    const qsizetype at = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(at + 1);
}

// A device name stays a device with any extension: "CON.pub", "com1.txt".
QRegularExpressionMatch deviceName(const QString &path)
{
    static const QRegularExpression device(
        QStringLiteral("^(CON|PRN|AUX|NUL|COM[1-9]|LPT[1-9]|CONIN\\$|CONOUT\\$) *(\\..*)?$"),
        QRegularExpression::CaseInsensitiveOption);
    return device.match(lastName(path));
}

} // namespace

bool IsReservedDeviceName(const QString &path)
{
    return deviceName(path).hasMatch();
}

QString ReservedNameReason(const QString &path)
{
    const QString name = lastName(path);
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return {};
    if (const QRegularExpressionMatch m = deviceName(path); m.hasMatch())
        return QCoreApplication::translate("vantrelle::FileText",
                                           "Windows reserves the name %1 for a "
                                           "device, so no file can have it")
            .arg(m.captured(1).toUpper());
    if (name.endsWith(u'.') || name.endsWith(u' '))
        return QCoreApplication::translate("vantrelle::FileText",
                                           "Windows drops the dots and spaces at "
                                           "the end of a name, so that file "
                                           "would be another one");
    return {};
}

#ifdef Q_OS_WIN

std::wstring LongPath(const QString &path)
{
    QString native = QDir::toNativeSeparators(path);
    if (native.startsWith(QLatin1String("\\\\?\\")) || native.startsWith(QLatin1String("\\\\.\\")))
        return native.toStdWString();
    native = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    // MAX_PATH counts the terminating null; CreateDirectory leaves 12 more
    // for an 8.3 name.
    if (native.size() < MAX_PATH - 12)
        return native.toStdWString();
    if (native.startsWith(QLatin1String("\\\\")))
        return (QStringLiteral("\\\\?\\UNC\\") + native.mid(2)).toStdWString();
    return (QStringLiteral("\\\\?\\") + native).toStdWString();
}

QString WindowsErrorText(unsigned long error)
{
    if (error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION)
        return QCoreApplication::translate(
            "vantrelle::FileText", "it is in use by another program; close it there and try again");
    return qt_error_string(int(error));
}

#endif

} // namespace vantrelle
