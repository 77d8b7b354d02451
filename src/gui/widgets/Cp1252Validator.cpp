#include "gui/widgets/Cp1252Validator.h"

#include "core/base/Cp1252.h"
#include "gui/widgets/QtText.h"

namespace zelmora::gui {

namespace {

bool isStorable(const QString& character, QStringView allowedControls)
{
    const QChar first = character.front();
    if (first.unicode() < 32 || first.unicode() == 127) {
        return allowedControls.contains(first);
    }
    return fitsCp1252(character);
}

} // namespace

QString unstorableCharacters(const QString& text, QStringView allowedControls)
{
    QString refused;
    for (const QString& character : charactersOf(text)) {
        if (!isStorable(character, allowedControls) && !refused.contains(character)) {
            refused += character;
        }
    }
    return refused;
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const
{
    if (const QString refusedHere = unstorableCharacters(input); !refusedHere.isEmpty()) {
        emit refused(refusedHere);
        return Invalid;
    }
    if (m_letters == Letters::Capitals) {
        input = fromCp1252(cp1252::toUpper(*toCp1252(input))); // one byte per character: the cursor stays
    }
    return Acceptable;
}

} // namespace zelmora::gui
