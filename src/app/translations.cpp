// Loads Qt's Italian translations from Qt's translations folder.
#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace murcad::app {

bool installItalianTranslations() {
    auto *app = QCoreApplication::instance();
    if (!app)
        return false;
    // Owned by the application: it must live as long as the texts it translates.
    auto *qt = new QTranslator(app);
    if (!qt->load(QStringLiteral("qtbase_it"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    return QCoreApplication::installTranslator(qt);
}

} // namespace murcad::app
