#pragma once
// How the windows look: rounded or right-angled buttons, and the chosen tile painted
// behind the controls of the main window, the options dialog and the About box.

#include "core/settings/SettingsFile.h"

#include <QObject>
#include <QPixmap>

#include <cstdint>
#include <vector>

class QWidget;

namespace zelmora::gui {

// Rounded corners (ellipses of 20 × 20 pixels), or the whole rectangle; a click outside the
// shape does not reach the button.
void ShapeButton(QWidget& button, ButtonShape shape);

// Tiles `tile` over `form` from its top left corner, past its right and bottom edges.
void PaintBackground(QWidget& form, const QPixmap& tile);

// The tile in use and the forms it is painted on.
class Backgrounds : public QObject {
public:
    using QObject::QObject;

    // Paints the tile behind `form` from now on, around its labels and group boxes.
    void addForm(QWidget& form);
    // Takes tile `index` (the background option) and repaints every form at once.
    void SelectBackground(int index);
    const QPixmap& Fond() const { return m_fond; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPixmap m_fond;
    std::vector<QWidget*> m_forms;
};

} // namespace zelmora::gui
