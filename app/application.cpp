#include "app/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace dryfriction {

void prepareApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("dryfriction"));
    QApplication::setApplicationDisplayName(QString());
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/app/icons/dryfriction.svg")));

    // The program's own texts in the user's language, where there is a
    // translation for it (the texts themselves are Russian).
    auto* own = new QTranslator(&app);
    if (own->load(QLocale(), QStringLiteral("dryfriction"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QApplication::installTranslator(own);
    else
        delete own;

    auto* translator = new QTranslator(&app);
    if (translator->load(QLocale(QLocale::Russian, QLocale::Russia), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace dryfriction
