#include "gui/app/HelpWindow.h"

#include "gui/appearance/ProgramIcon.h"
#include "gui/help/HelpFiles.h"
#include "gui/widgets/QtText.h"

#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace zelmora::gui {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window), m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowIcon(programIcon());
    resize(640, 560);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenExternalLinks(true);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close); // as a dialog closes
}

void HelpWindow::ShowHelp(Language language)
{
    QString title = fromCp1252(LangText(lang::Help, language));
    setWindowTitle(QStringLiteral("Zelmora - ") + title.remove(QLatin1Char('&')));
    m_browser->setSource(helpContentsUrl(language));
    show();
    raise();
    activateWindow();
}

} // namespace zelmora::gui
