#pragma once
// The program's help: one HTML page per language, built into the program.

#include "core/base/LangText.h"

#include <QUrl>

namespace zelmora::gui {

// The help page of `language` at its table of contents, for a QTextBrowser:
// "qrc:/help/ZelmorEn.html" or "qrc:/help/ZelmorFr.html".
QUrl helpContentsUrl(Language language);

} // namespace zelmora::gui
