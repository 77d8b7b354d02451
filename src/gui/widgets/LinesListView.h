#pragma once
// A list of text lines with a fixed line height, all lines in one colour, showing a model.
// A line counts as chosen only when it is selected. Taking the focus chooses no line (a
// list view would make its first line current, and the arrow keys would then skip it).

#include <QListView>

namespace zelmora::gui {

class LinesListView : public QListView {
    Q_OBJECT

public:
    LinesListView(int itemHeight, QWidget* parent = nullptr);

    void setLinesColour(const QColor& colour);
    // The selected line, -1 for none.
    int selectedRow() const;
    // Selects `row` (none for -1) without announcing it: the program, not the user, chose it.
    void showSelectedRow(int row);
    // Keeps the lowest `pixels` of the list free of lines, for a field laid over them.
    void reserveBottom(int pixels);

signals:
    // The user selected another line (mouse, keyboard or find box).
    void rowSelected(int row);

protected:
    void selectionChanged(const QItemSelection& selected, const QItemSelection& deselected) override;
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace zelmora::gui
