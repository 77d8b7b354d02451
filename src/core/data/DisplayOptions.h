#pragma once
// The five display options kept in the database header: how the dates to celebrate are
// watched, sorted and shown, and what an export does afterwards.

#include <array>
#include <cstddef>
#include <cstdint>

namespace zelmora {

enum class SortOrder : std::uint8_t { ByDate, ByPerson };
enum class WatchWindow : std::uint8_t { OneMonth, TwoWeeks, OneWeek };
enum class ExportMode : std::uint8_t { SaveOnly, SaveAndOpen };
enum class TodayColour : std::uint8_t { Red, Black }; // the list's colour when a date falls today
enum class ExtraInfo : std::uint8_t { Age, Countdown, Nothing };

struct DisplayOptions {
    SortOrder sortOrder = SortOrder::ByDate;
    WatchWindow watchWindow = WatchWindow::OneMonth;
    ExportMode exportMode = ExportMode::SaveOnly;
    TodayColour todayColour = TodayColour::Red;
    ExtraInfo extraInfo = ExtraInfo::Age;

    friend bool operator==(const DisplayOptions&, const DisplayOptions&) = default;
};

// The options by number, in the order of the header's digits, for code that treats them
// alike (the file's digits, the window's option groups, the command line's choices). An
// option's item is its value's number: 0, 1 or 2.
enum class DisplayOption : std::uint8_t { SortOrder, WatchWindow, ExportMode, TodayColour, ExtraInfo };
inline constexpr std::size_t DisplayOptionCount = 5;
inline constexpr std::array<std::uint8_t, DisplayOptionCount> DisplayOptionItems = {2, 3, 2, 2, 3};

inline std::uint8_t itemOf(const DisplayOptions& options, DisplayOption option)
{
    switch (option) {
    case DisplayOption::SortOrder: return static_cast<std::uint8_t>(options.sortOrder);
    case DisplayOption::WatchWindow: return static_cast<std::uint8_t>(options.watchWindow);
    case DisplayOption::ExportMode: return static_cast<std::uint8_t>(options.exportMode);
    case DisplayOption::TodayColour: return static_cast<std::uint8_t>(options.todayColour);
    case DisplayOption::ExtraInfo: return static_cast<std::uint8_t>(options.extraInfo);
    }
    return 0;
}

// `item` must be below the option's count of items.
inline void setItem(DisplayOptions& options, DisplayOption option, std::uint8_t item)
{
    switch (option) {
    case DisplayOption::SortOrder: options.sortOrder = static_cast<SortOrder>(item); break;
    case DisplayOption::WatchWindow: options.watchWindow = static_cast<WatchWindow>(item); break;
    case DisplayOption::ExportMode: options.exportMode = static_cast<ExportMode>(item); break;
    case DisplayOption::TodayColour: options.todayColour = static_cast<TodayColour>(item); break;
    case DisplayOption::ExtraInfo: options.extraInfo = static_cast<ExtraInfo>(item); break;
    }
}

} // namespace zelmora
