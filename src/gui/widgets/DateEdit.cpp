#include "gui/widgets/DateEdit.h"

#include "core/data/DateText.h"
#include "gui/widgets/Cp1252Validator.h"
#include "gui/widgets/QtText.h"

#include <array>

namespace zelmora::gui {

namespace {

constexpr std::string_view Mask = "99/99/9999;_";

struct DatePart {
    std::size_t start;
    std::size_t width;
};
constexpr std::array<DatePart, 3> Parts = {{{0, 2}, {3, 2}, {6, 4}}};

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the mask can show `stored` without changing it.
bool fitsMask(std::string_view stored)
{
    if (stored.size() != 10 || stored[2] != '/' || stored[5] != '/') {
        return false;
    }
    for (const DatePart& part : Parts) {
        for (std::size_t i = part.start; i < part.start + part.width; ++i) {
            if (!isDigit(stored[i]) && stored[i] != ' ') {
                return false;
            }
        }
    }
    return true;
}

} // namespace

std::string storedDate(std::string_view shown)
{
    std::string stored(EmptyDateText);
    for (const DatePart& part : Parts) {
        std::string digits;
        for (std::size_t i = part.start; i < part.start + part.width && i < shown.size(); ++i) {
            if (isDigit(shown[i])) {
                digits += shown[i];
            }
        }
        stored.replace(part.start + part.width - digits.size(), digits.size(), digits);
    }
    return stored;
}

DateEdit::DateEdit(QWidget* parent) : QLineEdit(parent)
{
    setValidator(new Cp1252Validator(Cp1252Validator::Letters::AsTyped, this));
    connect(this, &QLineEdit::textEdited, this, [this] { m_typedInto = true; });
    setStoredText(EmptyDateText);
}

void DateEdit::setStoredText(std::string_view stored)
{
    m_given.assign(stored);
    m_typedInto = false;
    if (stored.empty() || fitsMask(stored)) {
        setInputMask(QString::fromLatin1(Mask.data(), static_cast<qsizetype>(Mask.size())));
        clear();
        // Digit by digit at its own place: setText() would close up the blanks before them.
        for (std::size_t i = 0; i < stored.size(); ++i) {
            if (isDigit(stored[i])) {
                setCursorPosition(static_cast<int>(i));
                insert(QString(QChar::fromLatin1(stored[i])));
            }
        }
        setCursorPosition(0);
    } else {
        setInputMask(QString());
        setMaxLength(10);
        setText(fromCp1252(stored));
    }
}

std::string DateEdit::storedText() const
{
    if (!m_typedInto) {
        return m_given.empty() ? std::string(EmptyDateText) : m_given;
    }
    if (inputMask().isEmpty()) {
        return toCp1252(text()).value_or(m_given);
    }
    return storedDate(displayText().toStdString());
}

} // namespace zelmora::gui
