#include "settings.h"

#include "fsutil/failure.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <iterator>

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

namespace {

// The stored value as its key's text, or nothing when it is not one its key
// can have.
std::optional<QString> soundText(const SettingKey &key, const QVariant &value)
{
    QString text;
    switch (value.typeId()) {
    case QMetaType::QString:
        text = value.toString();
        break;
    // The registry's numbers (DWORD, QWORD) where a number belongs.
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        if (key.type == SettingKey::Text)
            return std::nullopt;
        text = value.toString();
        break;
    default:
        return std::nullopt;
    }
    if (text.size() > key.longest)
        return std::nullopt;
    switch (key.type) {
    case SettingKey::Number: {
        const std::optional<int> number = settingInt(text);
        if (!number || *number < key.least || *number > key.most)
            return std::nullopt;
        break;
    }
    case SettingKey::Boolean:
        if (!settingBool(text))
            return std::nullopt;
        break;
    case SettingKey::Text:
        break;
    }
    return text;
}

} // namespace

std::optional<QString> SettingsStore::checked(const SettingKey &key) const
{
    const QVariant value = m_settings->value(groupKey(key));
    if (!value.isValid())
        return std::nullopt;
    if (std::optional<QString> text = soundText(key, value))
        return text;
    m_settings->remove(groupKey(key));
    m_settings->sync();
    const QString name = QString::fromLatin1(key.name);
    if (!m_reset.contains(name))
        m_reset << name;
    return std::nullopt;
}

QString SettingsStore::get(const SettingKey &key) const
{
    return get(key, QString::fromLatin1(key.defaultValue));
}

QString SettingsStore::get(const SettingKey &key, const QString &fallback) const
{
    return checked(key).value_or(fallback);
}

int SettingsStore::number(const SettingKey &key) const
{
    return settingInt(get(key)).value_or(0);
}

bool SettingsStore::boolean(const SettingKey &key) const
{
    return settingBool(get(key)).value_or(false);
}

void SettingsStore::checkAll() const
{
    for (const SettingKey &key : keys::all)
        checked(key);
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
    return checked(key).has_value();
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

std::optional<int> settingInt(const QString &text)
{
    bool ok = false;
    const double number = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(number) || number < -32768.5 || number > 32767.5)
        return std::nullopt;
    // Halves go to the even neighbour, as the stored values were always rounded.
    return static_cast<int>(std::nearbyint(number));
}

std::optional<bool> settingBool(const QString &text)
{
    const QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return false;
    bool ok = false;
    const double number = t.toDouble(&ok);
    if (!ok || !std::isfinite(number))
        return std::nullopt;
    return number != 0.0;
}

int settingToInt(const QString &text)
{
    if (const std::optional<int> number = settingInt(text))
        return *number;
    throw Failure("Type mismatch");
}

bool settingToBool(const QString &text)
{
    if (const std::optional<bool> value = settingBool(text))
        return *value;
    throw Failure("Type mismatch");
}

QString settingsResetNotice(const QStringList &keyNames)
{
    QStringList named;
    for (const QString &name : keyNames) {
        const auto key =
            std::find_if(std::begin(keys::all), std::end(keys::all),
                         [&](const SettingKey &k) { return name == QLatin1String(k.name); });
        const QString label = key != std::end(keys::all) && key->label
                                  ? QCoreApplication::translate("vantrelle::Settings", key->label)
                                  : name;
        named << QCoreApplication::translate("vantrelle::Settings", "“%1” (%2)").arg(label, name);
    }
    if (named.isEmpty())
        return {};
    return QCoreApplication::translate(
               "vantrelle::Settings",
               "These stored settings could not be read and are back at their defaults: %1. "
               "Choose them again if they were set otherwise.")
        .arg(named.join(QStringLiteral(", ")));
}

void rememberFolderOf(SettingsStore &settings, const SettingKey &key, const QString &file)
{
    settings.set(key, QFileInfo(file).absolutePath());
}

} // namespace vantrelle
