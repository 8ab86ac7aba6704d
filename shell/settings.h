#pragma once
// The per-user settings store: text values under application "Quillorn",
// section "Vantrelle" (on Windows in the registry, where the old program
// kept them). Every write goes to disk at once; nothing is kept for
// the end of the program.
#include <QSettings>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

namespace vantrelle {

// The longest text a stored value may have: the longest path Windows knows.
inline constexpr int kLongestSettingText = 32767;

// One stored choice: its key, how its text reads, and the value it has while
// the store holds nothing sound for it.
struct SettingKey {
    enum Type { Text, Number, Boolean };
    const char *name;
    Type type;
    const char *defaultValue;
    // What the window calls it, for the notice that it was reset.
    const char *label = nullptr;
    // The numbers a Number may be.
    int least = 0;
    int most = 0;
    int longest = kLongestSettingText;
};

// Every key the program stores, with its type and default.
// clang-format off
namespace keys {
inline constexpr SettingKey Check2{"Check2", SettingKey::Number, "0",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "Match Case"), 0, 2};
// The "Whole words", "Regular expression" and "Keep case" boxes, stored like
// Check2.
inline constexpr SettingKey CheckWholeWord{"CheckWholeWord", SettingKey::Number, "0",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "Whole words"), 0, 2};
inline constexpr SettingKey CheckRegex{"CheckRegex", SettingKey::Number, "0",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "Regular expression"), 0, 2};
inline constexpr SettingKey CheckKeepCase{"CheckKeepCase", SettingKey::Number, "0",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "Keep case"), 0, 2};
inline constexpr SettingKey TabControl1{"TabControl1", SettingKey::Number, "0",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the tab shown at start"), 0, 1};
inline constexpr SettingKey Form2Text2{"Form2.Text2", SettingKey::Text, "::",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the separator of Load Sets")};
inline constexpr SettingKey OutputFolder{"Output Folder", SettingKey::Text, "",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the folder to save results to")};
inline constexpr SettingKey Option1{"Option1", SettingKey::Boolean, "True",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "Save results to this folder")};
inline constexpr SettingKey Option2{"Option2", SettingKey::Boolean, "False",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "Save results in folder of original file")};
inline constexpr SettingKey LastFolderDot{"LastFolderDot", SettingKey::Text, "",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the folder last chosen for results")};
inline constexpr SettingKey Extension{"Extension", SettingKey::Text, "pub",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the file type added from a folder"), 0, 0, 255};
inline constexpr SettingKey LastFolder{"LastFolder", SettingKey::Text, "",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the folder last added")};
// The sample documents recorded at the first start; empty until then. (An
// absent key reads as empty, which names no file, so nothing is added.)
inline constexpr SettingKey Snapshot{"Snapshot", SettingKey::Text, "",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the sample files")};
// Where the file dialogs start: the folder of the last publications added, and
// of the last sets file saved or picked.
inline constexpr SettingKey LastFileFolder{"LastFileFolder", SettingKey::Text, "",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the folder of the last publications added")};
inline constexpr SettingKey LastSetsFolder{"LastSetsFolder", SettingKey::Text, "",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the folder of the last sets file")};
// Where the report and pages windows were last: "x,y,width,height".
inline constexpr SettingKey ReportWindowPlace{"ReportWindow.Place", SettingKey::Text, "",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the place of the report window"), 0, 0, 64};
inline constexpr SettingKey PagesWindowPlace{"PagesWindow.Place", SettingKey::Text, "",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "the place of the pages window"), 0, 0, 64};

// Where a run replaces: 0 the text only, 1 also link addresses, 2 also link
// addresses and document properties.
inline constexpr SettingKey ReplaceIn{"ReplaceIn", SettingKey::Number, "0",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "Replace in"), 0, 2};

// Who edits on Windows where the publishing program is installed: 0 the
// native engine, 1 the publishing program over COM.
inline constexpr SettingKey Engine{"Engine", SettingKey::Number, "0",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "Edited by"), 0, 1};

// "Also save a PDF of each result" on the main window.
inline constexpr SettingKey SavePdfs{"SavePdfs", SettingKey::Boolean, "False",
    QT_TRANSLATE_NOOP("vantrelle::Settings", "Also save a PDF of each result")};

// "Warn when text no longer fits its box" on the main window.
inline constexpr SettingKey WarnFit{"WarnFit", SettingKey::Boolean, "True"};

inline constexpr SettingKey all[] = {Check2,     TabControl1,    Form2Text2,     OutputFolder,
                                     Option1,    Option2,        LastFolderDot,  Extension,
                                     LastFolder, Snapshot,       LastFileFolder, LastSetsFolder,
                                     ReplaceIn,  ReportWindowPlace, PagesWindowPlace, SavePdfs,
                                     CheckWholeWord, CheckRegex, CheckKeepCase, Engine,
                                     WarnFit};
} // namespace keys
// clang-format on

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

    // Every read is checked: a stored value of another type than its key's,
    // an empty number, a number out of its key's range or a text longer than
    // its key allows reads as absent, and is taken out of the store (so the
    // next start finds the default too) and listed by resetKeys().

    // The stored text, or the key's default.
    QString get(const SettingKey &key) const;
    // The stored text, or fallback: for a caller that must tell an absent key.
    QString get(const SettingKey &key, const QString &fallback) const;
    // The value as its type reads (a Number's or Boolean's key only).
    int number(const SettingKey &key) const;
    bool boolean(const SettingKey &key) const;
    void set(const SettingKey &key, const QString &value);
    // Whether a sound value is stored.
    bool contains(const SettingKey &key) const;
    // Reads every key once, so that all damaged values are reset now.
    void checkAll() const;
    // The names of the keys reset since the store was opened, in order.
    QStringList resetKeys() const { return m_reset; }

    QString fileName() const;

    // Called once, at the first write that does not reach the file, with a
    // sentence naming the file and why; the values stay in memory.
    std::function<void(const QString &)> onWriteFailure;

private:
    std::optional<QString> checked(const SettingKey &key) const;

    std::unique_ptr<QSettings> m_settings;
    bool m_writeFailed = false;
    mutable QStringList m_reset;
};

// Text conversions of stored values; both throw "Type mismatch" on text that
// is not a number (or, for booleans, not "True"/"False").
int settingToInt(const QString &text);
bool settingToBool(const QString &text);
// The same, without a throw.
std::optional<int> settingInt(const QString &text);
std::optional<bool> settingBool(const QString &text);
// The notice after start-up for the settings reset, named by their keys'
// names; empty when there are none.
QString settingsResetNotice(const QStringList &keyNames);
// The notice for a settings file that cannot be written, and why.
QString settingsWriteFailureText(const QString &file, QSettings::Status status);
// Stores the folder that holds the file, for the next dialog to start in.
void rememberFolderOf(SettingsStore &settings, const SettingKey &key, const QString &file);

inline QString boolText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

} // namespace vantrelle
