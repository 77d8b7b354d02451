#pragma once
// Qt's own texts (the buttons of message boxes, the file and print dialogs, the fields'
// context menus) in the program's language, from the system's translations of Qt.

#include "core/base/LangText.h"

#include <QTranslator>

namespace zelmora::gui {

class QtTranslations {
public:
    ~QtTranslations();

    // Puts Qt's texts into `language` at once, in every window and dialog, open or not.
    // English is Qt's own; a system without the French translations keeps English.
    void use(Language language);

private:
    QTranslator m_translator;
    bool m_installed = false;
};

} // namespace zelmora::gui
