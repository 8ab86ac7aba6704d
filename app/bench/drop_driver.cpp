// Shows the main window and drops the given paths on its list, as a file
// manager would, so the window can be looked at on a real display.
#include "app/form1.h"
#include "shell/automation.h"
#include "shell/settings.h"
#include "widgets/doclistview.h"
#include "widgets/qtdialogs.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QStringList paths;
    for (int i = 1; i < argc; ++i)
        paths << QString::fromLocal8Bit(argv[i]);
    QTemporaryDir settingsDir;
    vantrelle::SettingsStore settings(settingsDir.filePath(QStringLiteral("settings.ini")));
    vantrelle::QtDialogs dialogs;
    vantrelle::Form1 form(
        vantrelle::Form1Services{dialogs, settings, vantrelle::automation::Registry::instance()});
    dialogs.setOwner(&form);
    form.ListView1->createColumn();
    form.setWindowTitle(QStringLiteral("Vantrelle"));
    form.move(20, 20);
    form.show();
    QTimer::singleShot(500, &form, [&] { form.ListView1_OLEDragDrop(paths); });
    return app.exec();
}
