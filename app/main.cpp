// Vantrelle: find and replace text in many publications in one run.
#include "app/form1.h"
#include "pubengine/server.h"
#include "shell/automation.h"
#include "shell/settings.h"
#include "widgets/qtdialogs.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    using namespace vantrelle;
    SettingsStore settings;
    QtDialogs dialogs;
    automation::Registry &registry = automation::Registry::instance();
    // The native engine stands in for the publishing program's automation server.
    registry.Register(QString::fromLatin1(automation::kPublisherProgId),
                      pubengine::makePublisherServer());
    Form1 window({dialogs, settings, registry});
    dialogs.setOwner(&window);
    window.Form_Load();
    window.show();
    return app.exec();
}
