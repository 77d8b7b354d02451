#include "gui/widgets/LinesListView.h"

#include <QItemSelectionModel>
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

LinesListView::LinesListView(int itemHeight, QWidget* parent) : QListView(parent)
{
    setItemDelegate(new FixedHeightDelegate(itemHeight, this));
    setUniformItemSizes(true);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void LinesListView::setLinesColour(const QColor& colour)
{
    QPalette lines = palette();
    lines.setColor(QPalette::Text, colour);
    setPalette(lines);
}

int LinesListView::currentRow() const { return currentIndex().isValid() ? currentIndex().row() : -1; }

void LinesListView::showCurrentRow(int row)
{
    if (row == currentRow()) {
        return;
    }
    const QSignalBlocker quiet(this);
    if (row < 0 || !model() || row >= model()->rowCount()) {
        selectionModel()->clearCurrentIndex();
        clearSelection();
        return;
    }
    setCurrentIndex(model()->index(row, 0));
}

void LinesListView::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    QListView::currentChanged(current, previous);
    if (current.isValid()) {
        emit currentRowChanged(current.row());
    }
}

} // namespace zelmora::gui
