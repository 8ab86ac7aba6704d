#include "settings.h"

#include "fsutil/failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>

namespace vantrelle {

namespace {
QString groupKey(const SettingKey &key)
{
    return QLatin1String(kSettingsSection) + QLatin1Char('/') + QLatin1String(key.name);
}
} // namespace

#ifdef Q_OS_WIN
// Where Visual Basic's SaveSetting kept the old program's choices, as text
// values: a user coming from it finds them here again.
SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(
          QLatin1String(kSettingsRegistryRoot) + QLatin1String(kSettingsApplication),
          QSettings::NativeFormat))
{
}
#else
SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             QLatin1String(kSettingsApplication),
                                             QLatin1String(kSettingsApplication)))
{
}
#endif

SettingsStore::SettingsStore(const QString &iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::get(const SettingKey &key) const
{
    return get(key, QString::fromLatin1(key.defaultValue));
}

QString SettingsStore::get(const SettingKey &key, const QString &fallback) const
{
    const QVariant value = m_settings->value(groupKey(key));
    if (!value.isValid())
        return fallback;
    return value.toString();
}

int SettingsStore::number(const SettingKey &key) const
{
    return settingToInt(get(key));
}

bool SettingsStore::boolean(const SettingKey &key) const
{
    return settingToBool(get(key));
}

void SettingsStore::set(const SettingKey &key, const QString &value)
{
    m_settings->setValue(groupKey(key), value);
    m_settings->sync();
    if (m_settings->status() == QSettings::NoError || m_writeFailed)
        return;
    m_writeFailed = true;
    if (onWriteFailure)
        onWriteFailure(settingsWriteFailureText(fileName(), m_settings->status()));
}

bool SettingsStore::contains(const SettingKey &key) const
{
    return m_settings->contains(groupKey(key));
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}

QString settingsWriteFailureText(const QString &file, QSettings::Status status)
{
    const QFileInfo info(file);
    QString why;
    if (status == QSettings::FormatError)
        why = QCoreApplication::translate("vantrelle::Settings", "its contents cannot be read");
    else if (!info.dir().exists())
        why = QCoreApplication::translate("vantrelle::Settings",
                                          "its folder %1 does not exist and cannot be made")
                  .arg(QDir::toNativeSeparators(info.absolutePath()));
    else if (info.exists() && !info.isWritable())
        why = QCoreApplication::translate("vantrelle::Settings", "the file is read-only");
    else
        why = QCoreApplication::translate("vantrelle::Settings",
                                          "you have no permission to write in its folder %1")
                  .arg(QDir::toNativeSeparators(info.absolutePath()));
    return QCoreApplication::translate(
               "vantrelle::Settings",
               "Your choices cannot be kept for the next start: the settings file %1 cannot be "
               "written (%2). They stay in force until you close the program.")
        .arg(QDir::toNativeSeparators(file), why);
}

int settingToInt(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number) || number < -32768.5 || number > 32767.5)
        throw Failure("Type mismatch");
    // Halves go to the even neighbour, as the stored values were always rounded.
    return static_cast<int>(std::nearbyint(number));
}

bool settingToBool(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        throw Failure("Type mismatch");
    return number != 0.0;
}

void rememberFolderOf(SettingsStore &settings, const SettingKey &key, const QString &file)
{
    settings.set(key, QFileInfo(file).absolutePath());
}

} // namespace vantrelle
