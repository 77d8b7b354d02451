#include "gui/app/Appearance.h"

#include "gui/appearance/BackgroundTiles.h"
#include "gui/widgets/WindowStyle.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QWidget>

namespace zelmora::gui {

void ShapeButton(QWidget& button, ButtonShape shape)
{
    if (shape != ButtonShape::Rounded) {
        button.clearMask(); // the whole button again
        return;
    }
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(0, 0, button.width(), button.height()), RoundedCornerRadius, RoundedCornerRadius);
    button.setMask(QRegion(rounded.toFillPolygon().toPolygon())); // the style draws the border along it
}

void PaintBackground(QWidget& form, const QPixmap& tile)
{
    if (tile.isNull()) {
        return;
    }
    const int columns = form.frameGeometry().width() / tile.width() + 1;
    const int rows = form.frameGeometry().height() / tile.height() + 1;
    QPainter painter(&form);
    for (int a = 0; a < columns; ++a) {
        for (int b = 0; b < rows; ++b) {
            painter.drawPixmap(a * tile.width(), b * tile.height(), tile);
        }
    }
}

void Backgrounds::addForm(QWidget& form)
{
    m_forms.push_back(&form);
    form.installEventFilter(this);
    // The labels and groups standing on the tiles have a ground of their own, as controls
    // do: small text stays readable over the busiest tiles.
    for (QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLabel*>(control) || qobject_cast<QGroupBox*>(control)) {
            QPalette ground = control->palette();
            ground.setColor(QPalette::Window, classicFace());
            control->setPalette(ground);
            control->setAutoFillBackground(true);
        }
    }
}

void Backgrounds::SelectBackground(int index)
{
    m_fond = backgroundTile(index);
    for (QWidget* form : m_forms) {
        form->update();
    }
}

bool Backgrounds::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint) {
        PaintBackground(*static_cast<QWidget*>(watched), m_fond); // before the form's own painting
    }
    return QObject::eventFilter(watched, event);
}

} // namespace zelmora::gui
