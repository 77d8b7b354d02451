#pragma once
// The card's date field: "dd/mm/yyyy" typed into a mask where any digit may be left out.
// It shows "_" in empty places while editing and stores what the card has always stored:
// ten characters with the slashes, the missing digits of each part as leading blanks
// ("5/12/" gives " 5/12/    "), and the empty date for an untouched field. Qt's own mask
// text drops blanks and knows no leading-blank form, hence this conversion.

#include <QLineEdit>

#include <string>
#include <string_view>

namespace zelmora::gui {

class DateEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit DateEdit(QWidget* parent = nullptr);

    // Shows a stored date. One that is not made of digits, blanks and the two slashes
    // (it can only come from elsewhere) is shown as it is, without the mask.
    void setStoredText(std::string_view stored);
    // What the card stores: the stored date as given until the user types into the field.
    std::string storedText() const;

private:
    std::string m_given;
    bool m_typedInto = false;
};

// The stored form of what a "99/99/9999" mask shows, "_" standing for an empty place.
std::string storedDate(std::string_view shown);

} // namespace zelmora::gui
