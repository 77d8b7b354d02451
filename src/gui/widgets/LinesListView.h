#pragma once
// A list of text lines with a fixed line height, all lines in one colour, showing a model.

#include <QListView>

namespace zelmora::gui {

class LinesListView : public QListView {
    Q_OBJECT

public:
    LinesListView(int itemHeight, QWidget* parent = nullptr);

    void setLinesColour(const QColor& colour);
    // The selected line, -1 for none.
    int currentRow() const;
    // Selects `row` (none for -1) without announcing it: the program, not the user, chose it.
    void showCurrentRow(int row);

signals:
    // The user selected another line (mouse or keyboard).
    void currentRowChanged(int row);

protected:
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

} // namespace zelmora::gui
