#pragma once
// The per-user settings store: text values under application "Quillorn",
// section "Vantrelle". Every write goes to disk at once; nothing is kept for
// the end of the program.
#include <QString>

#include <memory>

class QSettings;

namespace vantrelle {

namespace keys {
inline constexpr char Check2[] = "Check2";
inline constexpr char TabControl1[] = "TabControl1";
inline constexpr char Form2Text2[] = "Form2.Text2";
inline constexpr char OutputFolder[] = "Output Folder";
inline constexpr char Option1[] = "Option1";
inline constexpr char Option2[] = "Option2";
inline constexpr char LastFolderDot[] = "LastFolderDot";
inline constexpr char Extension[] = "Extension";
inline constexpr char LastFolder[] = "LastFolder";
inline constexpr char Snapshot[] = "Snapshot";
// Where the file dialogs start: the folder of the last publications added, and
// of the last sets file saved or picked.
inline constexpr char LastFileFolder[] = "LastFileFolder";
inline constexpr char LastSetsFolder[] = "LastSetsFolder";
} // namespace keys

inline constexpr char kSettingsApplication[] = "Quillorn";
inline constexpr char kSettingsSection[] = "Vantrelle";

class SettingsStore {
public:
    // The user's own store.
    SettingsStore();
    // A store in the given INI file (tests).
    explicit SettingsStore(const QString &iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    QString get(const char *key, const QString &defaultValue) const;
    void set(const char *key, const QString &value);
    bool contains(const char *key) const;

    QString fileName() const;

private:
    std::unique_ptr<QSettings> m_settings;
};

// Text conversions of stored values; both throw "Type mismatch" on text that
// is not a number (or, for booleans, not "True"/"False").
int settingToInt(const QString &text);
bool settingToBool(const QString &text);
// Stores the folder that holds the file, for the next dialog to start in.
void rememberFolderOf(SettingsStore &settings, const char *key, const QString &file);

inline QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace vantrelle
