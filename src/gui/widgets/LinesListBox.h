#pragma once
// A list box of text lines with a fixed item height, all lines in one colour. It is also
// where the reminder writes the dates to celebrate.

#include "core/reminder/DatesList.h"

#include <QListWidget>

namespace zelmora::gui {

class LinesListBox : public QListWidget, public DatesListBox {
    Q_OBJECT

public:
    LinesListBox(int itemHeight, QWidget* parent = nullptr);

    void clear() override { QListWidget::clear(); }
    void addLine(std::string_view line) override;

    void setLinesColour(const QColor& colour);

private:
    int m_itemHeight;
};

} // namespace zelmora::gui
