#pragma once
// Keeps out of a field what the database cannot hold: characters outside Windows-1252
// and control characters are refused as they are typed or pasted, never replaced. The
// last-name field also turns letters into capitals, as Windows does in that code page.

#include <QValidator>

namespace zelmora::gui {

class Cp1252Validator : public QValidator {
public:
    enum class Letters { AsTyped, Capitals };

    explicit Cp1252Validator(Letters letters, QObject* parent = nullptr) : QValidator(parent), m_letters(letters) {}

    State validate(QString& input, int& pos) const override;

private:
    Letters m_letters;
};

// Whether `text` may go into a field: Windows-1252 only, with no control character
// other than those in `allowedControls`.
bool acceptableFieldText(const QString& text, QStringView allowedControls = {});

} // namespace zelmora::gui
