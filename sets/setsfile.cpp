#include "setsfile.h"

#include "fsutil/failure.h"
#include "fsutil/paths.h"
#include "shell/codepage.h"
#include "shell/dialogs.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

namespace vantrelle {

namespace {

QString utf16(const QByteArray &bytes, qsizetype from, bool bigEndian)
{
    const qsizetype units = (bytes.size() - from) / 2; // a trailing odd byte is no character
    QString text(units, Qt::Uninitialized);
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.constData() + from);
    QChar *out = text.data();
    for (qsizetype i = 0; i < units; ++i, in += 2) {
        *out++ =
            bigEndian ? QChar(char16_t(in[0] << 8 | in[1])) : QChar(char16_t(in[1] << 8 | in[0]));
    }
    return text;
}

bool isAscii(const QByteArray &bytes)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

} // namespace

QByteArray encodeSetsFile(const QStringList &find, const QStringList &replace)
{
    QString text;
    const QString separator = QString::fromLatin1(kSetsSeparator);
    for (qsizetype i = 0; i < find.size(); ++i) {
        text += find[i];
        text += separator;
        // The lists are kept equal in length; a short one reads as empty texts.
        if (i < replace.size())
            text += replace[i];
        text += QLatin1String("\r\n");
    }
    if (auto ansi = codepage::encode(text, codepage::kWindows1252))
        return *ansi;

    QByteArray bytes;
    bytes.reserve(2 + text.size() * 2);
    bytes.append('\xFF').append('\xFE');
    for (const QChar c : text) {
        bytes.append(static_cast<char>(c.unicode() & 0xFF));
        bytes.append(static_cast<char>(c.unicode() >> 8));
    }
    return bytes;
}

void SaveSetsToFile(Dialogs &dialogs, const QString &path, const SetsPairs &pairs)
{
    if (DoesFileExist(path) &&
        !dialogs.question(QCoreApplication::translate("vantrelle::SetsText",
                                                      "Are you sure you wish to overwrite %1 ?")
                              .arg(path),
                          true))
        return;
    const QByteArray bytes = encodeSetsFile(pairs.find, pairs.replace);
    // A failed save leaves the file that was there as it was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw PlainFailure(QStringLiteral("Path/File access error: ") + file.errorString());
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw PlainFailure(QStringLiteral("Disk full or write error: ") + file.errorString());
}

QString decodeTextFile(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return QString();
    const auto first = static_cast<unsigned char>(bytes[0]);
    if (first == 0xFF || first == 0xFE) {
        const bool hasMark = bytes.size() >= 2 && ((first == 0xFF && bytes[1] == '\xFE') ||
                                                   (first == 0xFE && bytes[1] == '\xFF'));
        if (hasMark)
            return utf16(bytes, 2, first == 0xFE);
        // No mark: the bytes are taken as little-endian units from the first byte.
        return utf16(bytes, 0, false);
    }
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    if (!isAscii(bytes)) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        QString text = utf8(bytes);
        if (!utf8.hasError())
            return text;
    }
    // Every byte is a character of Windows-1252; Latin-1 only should the
    // system not know the code page.
    return codepage::decode(bytes, codepage::kWindows1252).value_or(QString::fromLatin1(bytes));
}

QString ReadTextFile(const QString &path)
{
    if (!DoesFileExist(path))
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw PlainFailure(QStringLiteral("Permission denied: ") + file.errorString());
    if (file.size() == 0)
        return QString();
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw PlainFailure(QStringLiteral("Input past end of file: ") + file.errorString());
    return decodeTextFile(bytes);
}

SetsPairs pairsFromText(const QString &text, const QString &separator)
{
    SetsPairs pairs;
    if (separator.isEmpty())
        return pairs;
    QString lines = text;
    lines.remove(QLatin1Char('\r'));
    for (const QStringView line : QStringView(lines).split(QLatin1Char('\n'))) {
        if (line.isEmpty() || !line.contains(separator))
            continue;
        const QList<QStringView> pieces = line.split(separator);
        pairs.find << pieces.value(0).toString();
        pairs.replace << pieces.value(1).toString();
    }
    return pairs;
}

QString withSetsFileExtension(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    return name.contains(QLatin1Char('.')) ? path : path + QStringLiteral(".txt");
}

} // namespace vantrelle
