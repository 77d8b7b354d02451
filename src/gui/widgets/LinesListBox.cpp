#include "gui/widgets/LinesListBox.h"

#include "gui/widgets/QtText.h"

#include <QStyledItemDelegate>

namespace zelmora::gui {

namespace {

class FixedHeightDelegate : public QStyledItemDelegate {
public:
    FixedHeightDelegate(int height, QObject* parent) : QStyledItemDelegate(parent), m_height(height) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_height};
    }

private:
    int m_height;
};

} // namespace

LinesListBox::LinesListBox(int itemHeight, QWidget* parent) : QListWidget(parent), m_itemHeight(itemHeight)
{
    setItemDelegate(new FixedHeightDelegate(itemHeight, this));
    setUniformItemSizes(true);
}

void LinesListBox::addLine(std::string_view line) { addItem(fromCp1252(line)); }

void LinesListBox::setLinesColour(const QColor& colour)
{
    QPalette lines = palette();
    lines.setColor(QPalette::Text, colour);
    setPalette(lines);
}

} // namespace zelmora::gui
