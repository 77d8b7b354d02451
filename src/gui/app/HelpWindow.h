#pragma once
// The help, our own pages in HTML, shown in the current language.

#include "core/base/LangText.h"

#include <QWidget>

class QTextBrowser;

namespace zelmora::gui {

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Opens the help of `language` at its contents and brings it to the front.
    void ShowHelp(Language language);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser;
};

} // namespace zelmora::gui
