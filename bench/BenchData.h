#pragma once
// The table the benchmarks work on: 1000 friends with every field at its capacity.

#include "core/data/FriendTable.h"

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace zelmora::bench {

enum class Order { Sorted, Reversed };

// Friend n of 1000 has names that sort in n order, and every field full.
inline TFriend fullFriend(int n)
{
    char number[8];
    std::snprintf(number, sizeof number, "%04d", n);
    TFriend f;
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        ShortTextRef field = fieldRef(f, static_cast<FriendField>(i));
        std::string value(field.capacity(), static_cast<char>('a' + i));
        value.replace(field.capacity() > 10 ? 4 : 0, 4, number); // a shared start makes comparisons work
        field.assign(value);
    }
    return f;
}

// A folder of its own for a benchmark's files, under the system's temporary folder.
inline std::filesystem::path benchFolder(const char* name)
{
    const auto folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::unique_ptr<FriendTable> fullTable(Order order = Order::Sorted)
{
    auto table = std::make_unique<FriendTable>();
    for (int n = 1; n <= FriendTable::Capacity; ++n) {
        table->AppendFriend(fullFriend(order == Order::Sorted ? n : FriendTable::Capacity + 1 - n));
    }
    return table;
}

enum class Dates { Spread, InTheNextDays };

// A full table whose four dates per friend are spread over the year, or all fall from
// 8 to 27 December (a week or so after the benchmarks' today, 7 December 2026).
inline std::unique_ptr<FriendTable> tableWithDates(Dates dates)
{
    const auto date = [](int day, int month) {
        char text[16];
        std::snprintf(text, sizeof text, "%02d/%02d/1980", day, month);
        return std::string(text);
    };
    auto table = fullTable();
    for (std::uint16_t slot = 1; slot <= table->FriendCount; ++slot) {
        const FriendField fields[] = {FriendField::Anniversaire, FriendField::Fete, FriendField::Date1, FriendField::Date2};
        for (int k = 0; k < 4; ++k) {
            const int spread = (slot * 4 + k) * 7;
            fieldRef((*table)[slot], fields[k])
                .assign(dates == Dates::InTheNextDays ? date(8 + (slot + k) % 20, 12)
                                                      : date(1 + spread % 28, 1 + spread / 28 % 12));
        }
    }
    return table;
}

} // namespace zelmora::bench
