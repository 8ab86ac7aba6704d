// Vantrelle: find and replace text in many publications in one run.
#include "app/form1.h"
#include "pubengine/server.h"
#include "shell/automation.h"
#include "shell/settings.h"
#include "widgets/qtdialogs.h"

#if defined(_WIN32) && !defined(VANTRELLE_ENGINE_ON_WINDOWS)
#define VANTRELLE_OVER_COM
#include "run/comserver.h"
#include "wincom/client.h"
#endif

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    using namespace vantrelle;
    SettingsStore settings;
    QtDialogs dialogs;
    automation::Registry &registry = automation::Registry::instance();
    const QString progId = QString::fromLatin1(automation::kPublisherProgId);
#ifdef VANTRELLE_OVER_COM
    // The publishing program itself, over COM, from this (the window's) thread.
    // Qt has put the thread in an apartment already; this keeps it there.
    wincom::Apartment apartment;
    registry.Register(progId, automation::makeComServer(progId));
#else
    // The native engine stands in for the publishing program's automation server.
    registry.Register(progId, pubengine::makePublisherServer());
#endif
    Form1 window({dialogs, settings, registry});
    dialogs.setOwner(&window);
    window.Form_Load();
    window.show();
    return app.exec();
}
