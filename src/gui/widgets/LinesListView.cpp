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

int LinesListView::selectedRow() const
{
    const QModelIndex current = currentIndex();
    return current.isValid() && selectionModel()->isSelected(current) ? current.row() : -1;
}

void LinesListView::showSelectedRow(int row)
{
    if (row == selectedRow()) {
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

void LinesListView::reserveBottom(int pixels) { setViewportMargins(0, 0, 0, pixels); }

void LinesListView::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    QListView::selectionChanged(selected, deselected);
    if (!selected.isEmpty()) {
        emit rowSelected(selected.indexes().front().row());
    }
}

void LinesListView::focusInEvent(QFocusEvent* event)
{
    const bool hadCurrent = currentIndex().isValid();
    QListView::focusInEvent(event);
    if (!hadCurrent && selectedRow() < 0) {
        selectionModel()->clearCurrentIndex();
    }
}

} // namespace zelmora::gui
