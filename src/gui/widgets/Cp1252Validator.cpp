#include "gui/widgets/Cp1252Validator.h"

#include "core/base/Cp1252.h"
#include "gui/widgets/QtText.h"

namespace zelmora::gui {

bool acceptableFieldText(const QString& text, QStringView allowedControls)
{
    for (const QChar c : text) {
        if ((c.unicode() < 32 || c.unicode() == 127) && !allowedControls.contains(c)) {
            return false;
        }
    }
    return fitsCp1252(text);
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    if (!acceptableFieldText(input)) {
        return Invalid;
    }
    if (m_letters == Letters::Capitals) {
        input = fromCp1252(cp1252::toUpper(*toCp1252(input))); // one byte per character: the cursor stays
    }
    return Acceptable;
}

} // namespace zelmora::gui
