#pragma once
// The card's notes: plain text of at most 200 characters in which Enter adds no line
// (it reaches the window, where it validates the card) and Tab moves on to the next
// field. What the database cannot hold is refused as it is typed or pasted, and announced.

#include <QPlainTextEdit>

#include <string>

namespace zelmora::gui {

class NotesEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    static constexpr int MaxLength = 200;

    explicit NotesEdit(QWidget* parent = nullptr);

    void setStoredText(const std::string& stored);
    std::string storedText() const;

signals:
    // What was typed or pasted was refused for these characters (each one once).
    void refused(const QString& characters);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Whether `text` may replace the selection: code page and controls (a refusal is
    // announced), then length.
    bool accepts(const QString& text);
};

} // namespace zelmora::gui
