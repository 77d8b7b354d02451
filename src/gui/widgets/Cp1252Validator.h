#pragma once
// Keeps out of a field what the database cannot hold: characters outside Windows-1252
// and control characters are refused as they are typed or pasted, never replaced, and the
// refusal is announced so that the window can say which ones. The last-name field also
// turns letters into capitals, as Windows does in that code page.

#include <QValidator>

namespace zelmora::gui {

class Cp1252Validator : public QValidator {
    Q_OBJECT

public:
    enum class Letters { AsTyped, Capitals };

    explicit Cp1252Validator(Letters letters, QObject* parent = nullptr) : QValidator(parent), m_letters(letters) {}

    State validate(QString& input, int& pos) const override;

signals:
    // What was typed or pasted was refused for these characters (each one once).
    void refused(const QString& characters) const;

private:
    Letters m_letters;
};

// The characters of `text` a field cannot hold, each once, in the order met: those outside
// Windows-1252 and the control characters other than those in `allowedControls`.
QString unstorableCharacters(const QString& text, QStringView allowedControls = {});

} // namespace zelmora::gui
