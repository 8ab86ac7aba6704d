#pragma once
// The per-user settings store: text values under application "Quillorn",
// section "Vantrelle" (on Windows in the registry, where the old program
// kept them). Every write goes to disk at once; nothing is kept for
// the end of the program.
#include <QSettings>
#include <QString>

#include <functional>
#include <memory>


namespace vantrelle {

// One stored choice: its key, how its text reads, and the value it has while
// the store holds nothing for it.
struct SettingKey {
    enum Type { Text, Number, Boolean };
    const char *name;
    Type type;
    const char *defaultValue;
};

// Every key the program stores, with its type and default.
namespace keys {
inline constexpr SettingKey Check2{"Check2", SettingKey::Number, "0"};
// The "Whole words", "Regular expression" and "Keep case" boxes, stored like
// Check2.
inline constexpr SettingKey CheckWholeWord{"CheckWholeWord", SettingKey::Number, "0"};
inline constexpr SettingKey CheckRegex{"CheckRegex", SettingKey::Number, "0"};
inline constexpr SettingKey CheckKeepCase{"CheckKeepCase", SettingKey::Number, "0"};
inline constexpr SettingKey TabControl1{"TabControl1", SettingKey::Number, "0"};
inline constexpr SettingKey Form2Text2{"Form2.Text2", SettingKey::Text, "::"};
inline constexpr SettingKey OutputFolder{"Output Folder", SettingKey::Text, ""};
inline constexpr SettingKey Option1{"Option1", SettingKey::Boolean, "True"};
inline constexpr SettingKey Option2{"Option2", SettingKey::Boolean, "False"};
inline constexpr SettingKey LastFolderDot{"LastFolderDot", SettingKey::Text, ""};
inline constexpr SettingKey Extension{"Extension", SettingKey::Text, "pub"};
inline constexpr SettingKey LastFolder{"LastFolder", SettingKey::Text, ""};
// The sample documents recorded at the first start; empty until then. (An
// absent key reads as empty, which names no file, so nothing is added.)
inline constexpr SettingKey Snapshot{"Snapshot", SettingKey::Text, ""};
// Where the file dialogs start: the folder of the last publications added, and
// of the last sets file saved or picked.
inline constexpr SettingKey LastFileFolder{"LastFileFolder", SettingKey::Text, ""};
inline constexpr SettingKey LastSetsFolder{"LastSetsFolder", SettingKey::Text, ""};
// Where the report and pages windows were last: "x,y,width,height".
inline constexpr SettingKey ReportWindowPlace{"ReportWindow.Place", SettingKey::Text, ""};
inline constexpr SettingKey PagesWindowPlace{"PagesWindow.Place", SettingKey::Text, ""};

// Where a run replaces: 0 the text only, 1 also link addresses, 2 also link
// addresses and document properties.
inline constexpr SettingKey ReplaceIn{"ReplaceIn", SettingKey::Number, "0"};

// Who edits on Windows where the publishing program is installed: 0 the
// native engine, 1 the publishing program over COM.
inline constexpr SettingKey Engine{"Engine", SettingKey::Number, "0"};

// "Also save a PDF of each result" on the main window.
inline constexpr SettingKey SavePdfs{"SavePdfs", SettingKey::Boolean, "False"};

// "Warn when text no longer fits its box" on the main window.
inline constexpr SettingKey WarnFit{"WarnFit", SettingKey::Boolean, "True"};

inline constexpr SettingKey all[] = {Check2,     TabControl1,    Form2Text2,     OutputFolder,
                                     Option1,    Option2,        LastFolderDot,  Extension,
                                     LastFolder, Snapshot,       LastFileFolder, LastSetsFolder,
                                     ReplaceIn,  ReportWindowPlace, PagesWindowPlace, SavePdfs,
                                     CheckWholeWord, CheckRegex, CheckKeepCase, Engine,
                                     WarnFit};
} // namespace keys

inline constexpr char kSettingsApplication[] = "Quillorn";
inline constexpr char kSettingsSection[] = "Vantrelle";
// On Windows the store is the registry key below this, then application and
// section; elsewhere an INI file in the user's configuration folder.
inline constexpr char kSettingsRegistryRoot[] =
    "HKEY_CURRENT_USER\\Software\\VB and VBA Program Settings\\";

class SettingsStore {
public:
    // The user's own store.
    SettingsStore();
    // A store in the given INI file (tests).
    explicit SettingsStore(const QString &iniFile);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // The stored text, or the key's default.
    QString get(const SettingKey &key) const;
    // The stored text, or fallback: for a caller that must tell an absent key.
    QString get(const SettingKey &key, const QString &fallback) const;
    // The value as its type reads; throws "Type mismatch" for text that does
    // not read as one.
    int number(const SettingKey &key) const;
    bool boolean(const SettingKey &key) const;
    void set(const SettingKey &key, const QString &value);
    bool contains(const SettingKey &key) const;

    QString fileName() const;

    // Called once, at the first write that does not reach the file, with a
    // sentence naming the file and why; the values stay in memory.
    std::function<void(const QString &)> onWriteFailure;

private:
    std::unique_ptr<QSettings> m_settings;
    bool m_writeFailed = false;
};

// Text conversions of stored values; both throw "Type mismatch" on text that
// is not a number (or, for booleans, not "True"/"False").
int settingToInt(const QString &text);
bool settingToBool(const QString &text);
// The notice for a settings file that cannot be written, and why.
QString settingsWriteFailureText(const QString &file, QSettings::Status status);
// Stores the folder that holds the file, for the next dialog to start in.
void rememberFolderOf(SettingsStore &settings, const SettingKey &key, const QString &file);

inline QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace vantrelle
