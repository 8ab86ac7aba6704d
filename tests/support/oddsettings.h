#pragma once
// Stored values no start-up may stumble on, written into the real store
// (an INI file, or the registry), and which of them the window must reset.
#include "shell/settings.h"

#include <QByteArray>
#include <QSettings>
#include <QStringList>
#include <QVariant>

#include <vector>

namespace vantrelle::test {

struct OddValue {
    const char *what;
    QVariant value;
    // Which kinds of key cannot hold it.
    bool badNumber, badBoolean, badText;
};

inline std::vector<OddValue> oddValues()
{
#ifdef Q_OS_WIN
    const bool numberIsText = false; // a DWORD where a text belongs
#else
    const bool numberIsText = true; // an INI file holds only text
#endif
    return {
        {"true", QStringLiteral("true"), true, false, false},
        {"empty", QStringLiteral(""), true, true, false},
        {"99", QStringLiteral("99"), true, false, false},
        {"-1", QStringLiteral("-1"), true, false, false},
        {"maybe", QStringLiteral("maybe"), true, true, false},
        {"100,000 characters", QString(100000, QLatin1Char('x')), true, true, true},
        {"a number", 7, true, false, !numberIsText},
        {"a list", QStringList{QStringLiteral("1"), QStringLiteral("2")}, true, true, true},
    };
}

inline bool resets(const OddValue &odd, const SettingKey &key)
{
    return key.type == SettingKey::Number    ? odd.badNumber
           : key.type == SettingKey::Boolean ? odd.badBoolean
                                             : odd.badText;
}

// The names of the keys the start-up must reset, in the order of keys::all.
inline QStringList resetNames(const OddValue &odd)
{
    QStringList reset;
    for (const SettingKey &key : keys::all) {
        if (resets(odd, key))
            reset << QString::fromLatin1(key.name);
    }
    return reset;
}

// Every key the window reads set to the value, in the program's group of
// settings (the registry's values keep their type).
inline void storeEverywhere(QSettings &settings, const OddValue &odd)
{
    settings.beginGroup(QLatin1String(kSettingsSection));
    settings.remove(QString());
    for (const SettingKey &key : keys::all)
        settings.setValue(QLatin1String(key.name), odd.value);
    settings.endGroup();
    settings.sync();
}

// The same as the text of an INI file, as an editor leaves it.
inline QByteArray iniEverywhere(const OddValue &odd)
{
    const QString value = odd.value.typeId() == QMetaType::QStringList
                              ? odd.value.toStringList().join(QStringLiteral(", "))
                              : odd.value.toString();
    QByteArray text = "[" + QByteArray(kSettingsSection) + "]\n";
    for (const SettingKey &key : keys::all)
        text += QByteArray(key.name).replace(' ', "%20") + '=' + value.toUtf8() + '\n';
    return text;
}

} // namespace vantrelle::test
