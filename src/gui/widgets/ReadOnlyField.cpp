#include "gui/widgets/ReadOnlyField.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace zelmora::gui {

void setFieldReadOnly(QWidget& field, bool readOnly)
{
    if (auto* edit = qobject_cast<QLineEdit*>(&field)) {
        edit->setReadOnly(readOnly);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(&field)) {
        text->setReadOnly(readOnly);
    }
    QPalette palette = field.palette();
    palette.setColor(QPalette::Base, readOnly ? QColor(0xD4, 0xD0, 0xC8) : QApplication::palette(&field).color(QPalette::Base));
    field.setPalette(palette);
}

} // namespace zelmora::gui
