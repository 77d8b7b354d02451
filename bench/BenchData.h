#pragma once
// The table the benchmarks work on: 1000 friends with every field at its capacity.

#include "core/data/FriendTable.h"

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

} // namespace zelmora::bench
