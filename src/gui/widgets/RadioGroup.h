#pragma once
// A captioned group of exclusive choices, one item per line, spread evenly over the
// group's height: the option groups of the main window and the options dialog.

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace zelmora::gui {

class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit RadioGroup(QWidget* parent = nullptr);

    // Replaces the items' texts; the chosen item stays chosen.
    void setItems(const QStringList& items);
    QStringList items() const;
    QList<QAbstractButton*> itemButtons() const;
    int itemIndex() const { return m_buttons.checkedId(); }
    void setItemIndex(int index);

signals:
    // The user or the program chose another item.
    void itemIndexChanged(int index);
    // New items were made (the first captions): they join the keyboard's order.
    void itemsAdded();

private:
    void makeTabStop(int index);

    QButtonGroup m_buttons;
};

} // namespace zelmora::gui
