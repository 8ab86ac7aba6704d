#pragma once
// A settings store in a temporary folder, so tests never touch the user's own.
#include "shell/settings.h"

#include <QTemporaryDir>

#include <memory>

namespace vantrelle::test {

struct TempSettings {
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store =
        std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("settings.ini")));
    SettingsStore &operator*() { return *store; }
    SettingsStore *operator->() { return store.get(); }
};

} // namespace vantrelle::test
