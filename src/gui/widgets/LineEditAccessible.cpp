#include "gui/widgets/LineEditAccessible.h"

#include <QLineEdit>

namespace zelmora::gui {

LineEditAccessible::LineEditAccessible(QLineEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

QLineEdit& LineEditAccessible::edit() const { return *static_cast<QLineEdit*>(widget()); }

QString LineEditAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value) {
        return edit().echoMode() == QLineEdit::Normal ? edit().text() : QString();
    }
    const QString text = QAccessibleWidget::text(kind);
    return text.isEmpty() && kind == QAccessible::Description ? edit().placeholderText() : text;
}

QAccessible::State LineEditAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = edit().isReadOnly();
    state.editable = !edit().isReadOnly();
    state.passwordEdit = edit().echoMode() != QLineEdit::Normal;
    state.selectableText = true;
    return state;
}

void* LineEditAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface) {
        return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface && !edit().isReadOnly()) {
        return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
}

void LineEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex == 0 && edit().hasSelectedText()) {
        *startOffset = edit().selectionStart();
        *endOffset = *startOffset + static_cast<int>(edit().selectedText().size());
    }
}

int LineEditAccessible::selectionCount() const { return edit().hasSelectedText() ? 1 : 0; }

void LineEditAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void LineEditAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0) {
        edit().deselect();
    }
}

void LineEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0) {
        edit().setSelection(startOffset, endOffset - startOffset);
    }
}

int LineEditAccessible::cursorPosition() const { return edit().cursorPosition(); }

void LineEditAccessible::setCursorPosition(int position) { edit().setCursorPosition(position); }

QString LineEditAccessible::text(int startOffset, int endOffset) const
{
    return text(QAccessible::Value).mid(startOffset, endOffset - startOffset);
}

int LineEditAccessible::characterCount() const { return static_cast<int>(text(QAccessible::Value).size()); }

QRect LineEditAccessible::characterRect(int offset) const
{
    // Measured from the cursor, whose place Qt tells: one line in one font.
    const QString shown = text(QAccessible::Value);
    if (offset < 0 || offset >= shown.size()) {
        return {};
    }
    const QFontMetrics metrics = edit().fontMetrics();
    const QRect cursor = edit().inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int left = cursor.center().x() + metrics.horizontalAdvance(shown.left(offset))
                   - metrics.horizontalAdvance(shown.left(edit().cursorPosition()));
    return {edit().mapToGlobal(QPoint(left, cursor.top())),
            QSize(metrics.horizontalAdvance(shown.at(offset)), cursor.height())};
}

int LineEditAccessible::offsetAtPoint(const QPoint& point) const
{
    return edit().cursorPositionAt(edit().mapFromGlobal(point));
}

void LineEditAccessible::scrollToSubstring(int startIndex, int) { edit().setCursorPosition(startIndex); }

QString LineEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = offset; // one look for the whole text
    return {};
}

void LineEditAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void LineEditAccessible::insertText(int offset, const QString& text) { replaceText(offset, offset, text); }

void LineEditAccessible::replaceText(int startOffset, int endOffset, const QString& text)
{
    // As if typed: the field's own checks (the code page, capitals, the length) apply.
    edit().setSelection(startOffset, endOffset - startOffset);
    edit().insert(text);
}

} // namespace zelmora::gui
