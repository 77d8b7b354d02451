#include "gui/app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace zelmora::gui {

QtTranslations::~QtTranslations() { use(Language::English); }

void QtTranslations::use(Language language)
{
    if (m_installed) {
        QCoreApplication::removeTranslator(&m_translator);
        m_installed = false;
    }
    if (language == Language::French
        && m_translator.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        m_installed = QCoreApplication::installTranslator(&m_translator);
    }
}

} // namespace zelmora::gui
