#pragma once
// The find box of a list: Ctrl+F on the list's page opens it over the list's last lines
// (the list keeps them free), and as the user types it selects the first line from the
// selected one on that contains the text, case and accents folded. Enter goes to the next
// such line, round to the first; Escape closes the box and gives the list the focus back.

#include <QLineEdit>

namespace zelmora::gui {

class LinesListView;

class ListFinder : public QLineEdit {
    Q_OBJECT

public:
    // Ctrl+F opens the box while `page`, which holds `list`, is shown. The box is the
    // page's (screen readers find it there), laid over the list.
    ListFinder(LinesListView& list, QWidget& page);

    void open();
    // What a screen reader says of the box, in the current language.
    void setTexts(const QString& name, const QString& keys);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Selects the first matching line from `row` on, round to the top.
    void selectMatchFrom(int row);
    void close();

    LinesListView& m_list;
};

} // namespace zelmora::gui
