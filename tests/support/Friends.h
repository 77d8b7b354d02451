#pragma once
// Builders of friends and tables for tests.

#include "core/data/FriendTable.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace zelmora::test {

inline TFriend makeFriend(std::string_view nom, std::string_view prenom = "",
                          std::initializer_list<std::pair<FriendField, std::string_view>> others = {})
{
    TFriend f;
    f.Nom.assign(nom);
    f.Prenom.assign(prenom);
    for (const auto& [field, value] : others) {
        fieldRef(f, field).assign(value);
    }
    return f;
}

// A table holding the friends in the order given (not sorted).
inline std::unique_ptr<FriendTable> makeTable(std::initializer_list<TFriend> friends)
{
    auto table = std::make_unique<FriendTable>();
    for (const TFriend& f : friends) {
        (*table)[++table->FriendCount] = f;
    }
    return table;
}

// A friend with every field filled to its capacity, distinct for each n.
inline TFriend fullFriend(int n)
{
    TFriend f;
    const std::string tag = std::to_string(n);
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        ShortTextRef field = fieldRef(f, static_cast<FriendField>(i));
        std::string value(field.capacity(), static_cast<char>('a' + i));
        value.replace(0, tag.size(), tag);
        field.assign(value);
    }
    return f;
}

} // namespace zelmora::test
