#include "gui/widgets/ListFinder.h"

#include "core/base/FoldedName.h"
#include "gui/widgets/LinesListView.h"
#include "gui/widgets/QtText.h"

#include <QKeyEvent>
#include <QShortcut>

namespace zelmora::gui {

namespace {

constexpr int BoxHeight = 22;

bool isEnterOrEscape(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter || key.key() == Qt::Key_Escape;
}

} // namespace

ListFinder::ListFinder(LinesListView& list, QWidget& page) : QLineEdit(&page), m_list(list)
{
    setObjectName(list.objectName() + QStringLiteral("Find"));
    hide();
    QWidget::setTabOrder(&list, this);
    // Wherever the focus is in the window (the tab bar too), while the page is shown.
    new QShortcut(QKeySequence::Find, &page, this, &ListFinder::open);
    connect(this, &QLineEdit::textEdited, this, [this] { selectMatchFrom(std::max(m_list.selectedRow(), 0)); });
    connect(this, &QLineEdit::returnPressed, this, [this] { selectMatchFrom(m_list.selectedRow() + 1); });
}

void ListFinder::setTexts(const QString& name, const QString& keys)
{
    setPlaceholderText(name);
    setAccessibleName(name);
    setAccessibleDescription(keys);
    setToolTip(keys);
}

void ListFinder::open()
{
    // Over the list's last lines, which the list keeps free: no line hides under the box.
    m_list.reserveBottom(BoxHeight);
    const QWidget& lines = *m_list.viewport();
    setGeometry(QRect(lines.mapTo(parentWidget(), QPoint(0, lines.height())), QSize(lines.width(), BoxHeight)));
    raise();
    show();
    selectAll();
    setFocus(Qt::ShortcutFocusReason);
}

void ListFinder::close()
{
    hide();
    m_list.reserveBottom(0);
    m_list.setFocus(Qt::OtherFocusReason);
}

void ListFinder::selectMatchFrom(int row)
{
    const QAbstractItemModel* lines = m_list.model();
    const std::optional<std::string> wanted = toCp1252(text()); // a character the lines cannot hold matches none
    const int count = lines ? lines->rowCount() : 0;
    if (!wanted || count == 0) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        const QModelIndex line = lines->index((row + i) % count, 0);
        const std::optional<std::string> shown = toCp1252(line.data().toString());
        if (shown && containsFolded(*shown, *wanted)) {
            m_list.setCurrentIndex(line); // selects it and brings it into view
            return;
        }
    }
}

bool ListFinder::event(QEvent* event)
{
    // The page's own Enter and Escape (validating or cancelling the card) wait: here they find and close.
    if (event->type() == QEvent::ShortcutOverride && isEnterOrEscape(*static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void ListFinder::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

} // namespace zelmora::gui
