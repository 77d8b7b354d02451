#include "gui/app/OptionPages.h"

#include "gui/widgets/KeyboardOrder.h"
#include "gui/widgets/Place.h"
#include "gui/widgets/RadioGroup.h"

#include <QPushButton>

#include <iterator>
#include <utility>

namespace zelmora::gui {

void DisplayOptionGroups::bind(RadioGroup* group, DisplayOption option)
{
    m_bound.emplace_back(group, option);
    connect(group, &RadioGroup::itemIndexChanged, this, [this, option](int index) {
        if (index >= 0 && itemOf(m_options, option) != index) {
            DisplayOptions options = m_options;
            setItem(options, option, static_cast<std::uint8_t>(index));
            emit chosen(options);
        }
    });
}

void DisplayOptionGroups::showOptions()
{
    for (const auto& [group, option] : m_bound) {
        const QSignalBlocker quiet(group);
        group->setItemIndex(itemOf(m_options, option));
    }
}

ExportPage::ExportPage(DisplayOptionGroups& groups, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Exporto"));
    BitBtn12 = place<QPushButton>(this, "BitBtn12", 72, 48, 337, 41);
    // Exchange with other programs, between printing and the text exports: one row of
    // buttons of one size across the width of those above and below.
    const std::pair<QPushButton**, const char*> exchangeRow[] = {
        {&ImportVCard, "ImportVCard"}, {&ExportVCard, "ExportVCard"}, {&ExportCsv, "ExportCsv"},
        {&ExportCalendar, "ExportCalendar"}};
    constexpr int RowLeft = 72, RowWidth = 337, Gap = 3;
    constexpr int Count = static_cast<int>(std::size(exchangeRow));
    constexpr int ButtonWidth = (RowWidth - Gap * (Count - 1)) / Count;
    for (int i = 0; i < Count; ++i) {
        const auto& [button, name] = exchangeRow[i];
        *button = place<QPushButton>(this, name, RowLeft + i * (ButtonWidth + Gap), 102, ButtonWidth, 33);
    }
    RadioGroup1 = place<RadioGroup>(this, "RadioGroup1", 88, 152, 305, 81);
    BitBtn3 = place<QPushButton>(this, "BitBtn3", 72, 248, 337, 41);
    BitBtn8 = place<QPushButton>(this, "BitBtn8", 72, 304, 337, 41);
    groups.bind(RadioGroup1, DisplayOption::ExportMode);
    setKeyboardOrder(QList<QWidget*>{BitBtn12} << namedControls(*this, ExchangeButtons) << RadioGroup1 << BitBtn3 << BitBtn8);
}

OptionsPage::OptionsPage(DisplayOptionGroups& groups, QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Options"));
    Surveillance = place<RadioGroup>(this, "Surveillance", 16, 8, 225, 105);
    RadioGroup3 = place<RadioGroup>(this, "RadioGroup3", 248, 8, 241, 105);
    Classement = place<RadioGroup>(this, "Classement", 16, 120, 329, 73);
    RadioGroup2 = place<RadioGroup>(this, "RadioGroup2", 16, 200, 329, 81);
    BitBtn5 = place<QPushButton>(this, "BitBtn5", 368, 128, 121, 41);
    BitBtn6 = place<QPushButton>(this, "BitBtn6", 368, 184, 121, 41);
    BitBtn4 = place<QPushButton>(this, "BitBtn4", 368, 240, 121, 41);
    BitBtn4->setText(QStringLiteral("&Options")); // the same in both languages
    FillFetes = place<QPushButton>(this, "FillFetes", 16, 296, 329, 33);
    groups.bind(Surveillance, DisplayOption::WatchWindow);
    groups.bind(RadioGroup3, DisplayOption::ExtraInfo);
    groups.bind(Classement, DisplayOption::SortOrder);
    groups.bind(RadioGroup2, DisplayOption::TodayColour);
    // The option groups, column by column below the top row, then the buttons beside them.
    setKeyboardOrder({Surveillance, RadioGroup3, Classement, RadioGroup2, BitBtn5, BitBtn6, BitBtn4});
}

} // namespace zelmora::gui
