#include "gui/widgets/NotesEdit.h"

#include "gui/widgets/Cp1252Validator.h"
#include "gui/widgets/QtText.h"

#include <QKeyEvent>
#include <QMimeData>

namespace zelmora::gui {

namespace {

// Line feeds come with notes read from the file or pasted; tabs only with pasted text.
constexpr QStringView NotesControls = u"\n\t";

bool isEnter(const QKeyEvent& key) { return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter; }

} // namespace

NotesEdit::NotesEdit(QWidget* parent) : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void NotesEdit::setStoredText(const std::string& stored) { setPlainText(fromCp1252(stored)); }

std::string NotesEdit::storedText() const { return toCp1252(toPlainText()).value_or(std::string()); }

bool NotesEdit::accepts(const QString& text)
{
    if (const QString unstorable = unstorableCharacters(text, NotesControls); !unstorable.isEmpty()) {
        emit refused(unstorable);
        return false;
    }
    const qsizetype selected = textCursor().selectedText().size();
    return toPlainText().size() - selected + text.size() <= MaxLength;
}

bool NotesEdit::event(QEvent* event)
{
    // A text editor claims Enter before the window's shortcuts see it; this one lets it go.
    if (event->type() == QEvent::ShortcutOverride && isEnter(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return false;
    }
    return QPlainTextEdit::event(event);
}

void NotesEdit::keyPressEvent(QKeyEvent* event)
{
    if (isEnter(*event)) {
        event->ignore(); // left to the window
        return;
    }
    const QString typed = event->text();
    // Keys that edit (Backspace, Delete) bring a control character or nothing; an emoji comes as two surrogates.
    const bool printable = !typed.isEmpty() && (typed.front().isPrint() || typed.front().isSurrogate());
    if (printable && !accepts(typed)) {
        return; // refused, as a full or picky field refuses a key
    }
    QPlainTextEdit::keyPressEvent(event);
}

bool NotesEdit::canInsertFromMimeData(const QMimeData* source) const
{
    return source->hasText() && QPlainTextEdit::canInsertFromMimeData(source);
}

void NotesEdit::insertFromMimeData(const QMimeData* source)
{
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (accepts(text)) {
        insertPlainText(text);
    }
}

} // namespace zelmora::gui
