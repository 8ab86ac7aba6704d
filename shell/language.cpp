#include "shell/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace vantrelle {

namespace {

// Built from translations/*.ts and embedded by the build.
constexpr char kOwnTranslations[] = ":/i18n";

struct Installed {
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

Installed &installed()
{
    static Installed translators;
    return translators;
}

void uninstall(std::unique_ptr<QTranslator> &translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

QString installTranslations(const QStringList &languages)
{
    Installed &now = installed();
    uninstall(now.own);
    uninstall(now.qt);
    const QString folder = QLatin1String(kOwnTranslations);
    auto own = std::make_unique<QTranslator>();
    QString chosen;
    for (const QString &language : languages) {
        const QLocale locale(language);
        // The source texts are English: a user who puts English before
        // another language gets them, not the other one.
        if (locale.language() == QLocale::English || locale.language() == QLocale::C)
            break;
        if (!own->load(locale, QStringLiteral("vantrelle"), QStringLiteral("_"), folder))
            continue;
        chosen = QLocale::languageToCode(locale.language());
        // Qt's translations are a separate package; without them its standard
        // buttons stay English, which is no reason to refuse ours.
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qt.get());
            now.qt = std::move(qt);
        }
        break;
    }
    // Numbers in the texts ("1,234 documents") are written the way the
    // language of the texts writes them.
    QLocale::setDefault(chosen.isEmpty() ? QLocale(QLocale::English) : QLocale(chosen));
    // English needs its plural forms ("1 pair", "2 pairs").
    if (chosen.isEmpty() && !own->load(QStringLiteral("vantrelle_en"), folder))
        return chosen;
    QCoreApplication::installTranslator(own.get());
    now.own = std::move(own);
    return chosen;
}

QString installTranslations()
{
    return installTranslations(QLocale::system().uiLanguages());
}

} // namespace vantrelle
