#include "gui/help/HelpFiles.h"

#include <QtGlobal>

// The help pages sit in a static library, whose resources the linker would leave out
// unless something refers to them. Outside any namespace, as Q_INIT_RESOURCE requires.
static int registerHelpResource()
{
    Q_INIT_RESOURCE(zelmora_help);
    return 0;
}

namespace zelmora::gui {

QUrl helpContentsUrl(Language language)
{
    static const int registered = registerHelpResource();
    Q_UNUSED(registered);
    return QUrl(language == Language::French ? QStringLiteral("qrc:/help/ZelmorFr.html")
                                             : QStringLiteral("qrc:/help/ZelmorEn.html"));
}

} // namespace zelmora::gui
