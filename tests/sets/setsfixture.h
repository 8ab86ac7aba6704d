#pragma once
// A real main window with scripted dialogs and a settings store of its own,
// plus helpers to read the two sets lists as "find->replace" pairs.
#include "app/form1.h"
#include "sets/setslist.h"
#include "shell/automation.h"
#include "tests/support/scripteddialogs.h"
#include "tests/support/tempsettings.h"
#include "widgets/controls.h"

#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace vantrelle::test {

class SetsFixture : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    TempSettings settings;
    automation::Registry registry;
    QTemporaryDir dir;
    Form1 window{Form1Services{dialogs, *settings, registry}};

    QStringList pairs() const
    {
        QStringList out;
        for (int i = 0; i < window.Combo1->count(); ++i)
            out << window.Combo1->itemText(i) + QStringLiteral("->") + window.Combo2->itemText(i);
        EXPECT_EQ(window.Combo1->count(), window.Combo2->count());
        return out;
    }

    void addSet(const QString &typed)
    {
        dialogs.inputAnswers.push_back(typed);
        window.PushButton1_Click();
    }

    void addPairs(const QStringList &finds, const QStringList &replaces)
    {
        window.sets().append({finds, replaces});
    }

    QString path(const QString &name) const { return dir.filePath(name); }

    static void writeFile(const QString &file, const QByteArray &bytes)
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    static QByteArray readFile(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }
};

} // namespace vantrelle::test
