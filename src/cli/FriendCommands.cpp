#include "cli/FriendCommands.h"

#include "core/base/Cp1252.h"
#include "core/data/DateText.h"
#include "core/program/FriendChoice.h"
#include "core/program/TerminalText.h"

#include <algorithm>

namespace zelmora::cli {

namespace {

using FieldValues = std::vector<std::pair<FriendField, std::string>>;

// What FIELD=VALUE arguments type into a card, as the window's card reads after typing:
// dates masked, the last name in capitals. Nothing after a usage message.
std::optional<FieldValues> readFieldValues(const CliContext& context, Arguments assignments)
{
    FieldValues values;
    for (const std::string& assignment : assignments) {
        const std::size_t equals = assignment.find('=');
        const auto field = friendFieldByName(std::string_view(assignment).substr(0, equals));
        if (equals == std::string::npos || !field) {
            context.usage("expected FIELD=VALUE with one of the nineteen field names, got '" + assignment + "'");
            return std::nullopt;
        }
        std::optional<std::string> value = context.toCp1252(std::string_view(assignment).substr(equals + 1));
        if (!value) {
            return std::nullopt;
        }
        // A value is one line of text: an escape sequence would be replayed by every listing.
        if (std::any_of(value->begin(), value->end(), isControlCharacter)) {
            context.usage("a value may not hold control characters (line breaks, tabs, escapes), got '"
                          + terminalLine(*value) + "' for " + assignment.substr(0, equals));
            return std::nullopt;
        }
        if (isDateField(*field)) {
            const auto date = MaskedDate(*value);
            if (!date) {
                context.usage("a date is written dd/mm/yyyy (each part may be short or empty), got '"
                              + assignment.substr(equals + 1) + "'");
                return std::nullopt;
            }
            if (const auto impossible = whyImpossibleDate(date->view(), context.language)) {
                context.usage(assignment + ": " + terminalMessage(*impossible));
                return std::nullopt;
            }
            value = date->str();
        } else if (*field == FriendField::Nom) {
            value = cp1252::toUpper(*value);
        }
        values.emplace_back(*field, std::move(*value));
    }
    return values;
}

// The card with the values typed into their fields; by default an empty card, dates untouched.
CardTexts typedInto(const FieldValues& values, std::optional<CardTexts> card = std::nullopt)
{
    if (!card) {
        card.emplace();
        for (std::size_t i = 0; i < FriendFieldCount; ++i) {
            (*card)[i] = isDateField(static_cast<FriendField>(i)) ? EmptyDateText : "";
        }
    }
    for (const auto& [field, value] : values) {
        (*card)[fieldIndex(field)] = value;
    }
    return *card;
}

// The FIELD=VALUE arguments, and whether --allow-duplicate was among them.
struct Assignments {
    FieldValues values;
    bool allowDuplicate = false;
};

// Nothing after a usage message: `missing` when there is no FIELD=VALUE, or what is wrong with one.
std::optional<Assignments> readAssignments(const CliContext& context, Arguments arguments, std::string_view missing)
{
    Assignments read;
    std::vector<std::string> assignments;
    for (const std::string& argument : arguments) {
        if (argument == "--allow-duplicate") {
            read.allowDuplicate = true;
        } else {
            assignments.push_back(argument);
        }
    }
    if (assignments.empty()) {
        context.usage(missing);
        return std::nullopt;
    }
    std::optional<FieldValues> values = readFieldValues(context, assignments);
    if (!values) {
        return std::nullopt;
    }
    read.values = std::move(*values);
    return read;
}

// The card stored in `slot` (0 for a new friend), unless its name would be a duplicate.
Status storeCard(FriendTable& table, std::uint16_t slot, const CardTexts& card, bool allowDuplicate, Language language)
{
    if (!allowDuplicate && table.NameExists(listTextOf(card), slot)) {
        return Status::failure(std::string(LangText(lang::DuplicateNameQuestion, language))
                               + "\n(--allow-duplicate keeps both)");
    }
    table.ValidateCard(slot, card);
    return Status::success();
}

} // namespace

int listCommand(const CliContext& context, Arguments arguments)
{
    if (!arguments.empty()) {
        return context.usage("list takes no arguments");
    }
    FriendsStore data = context.data();
    const Status loaded = data.read();
    if (loaded.ok) {
        for (std::uint16_t slot = 1; slot <= data.table().FriendCount; ++slot) {
            context.print(listText(data.table()[slot]));
        }
    }
    return context.finish(data, loaded);
}

int addCommand(const CliContext& context, Arguments arguments)
{
    const std::optional<Assignments> assignments = readAssignments(context, arguments, "add needs at least one FIELD=VALUE");
    if (!assignments) {
        return ExitUsage;
    }
    FriendsStore data = context.data();
    const Status added = data.change([&](FriendTable& table, DisplayOptions&) {
        if (table.isFull()) {
            return Status::failure(std::string(LangText(lang::TableFull, context.language)));
        }
        return storeCard(table, 0, typedInto(assignments->values), assignments->allowDuplicate, context.language);
    }).status;
    return context.finish(data, added);
}

int editCommand(const CliContext& context, Arguments arguments)
{
    const std::optional<Assignments> assignments =
        readAssignments(context, arguments.empty() ? arguments : arguments.subspan(1),
                        "edit needs the friend's \"LAST-NAME FIRST-NAME\" as listed, then at least one FIELD=VALUE");
    if (!assignments) {
        return ExitUsage;
    }
    FriendsStore data = context.data();
    const Status edited = data.change([&](FriendTable& table, DisplayOptions&) {
        const FriendChoice found = findFriendByListText(table, arguments[0], context.language);
        if (!found.status.ok) {
            return found.status;
        }
        return storeCard(table, found.slot, typedInto(assignments->values, table.ShowCard(found.slot)),
                         assignments->allowDuplicate, context.language);
    }).status;
    return context.finish(data, edited);
}

int deleteCommand(const CliContext& context, Arguments arguments)
{
    if (arguments.size() != 1) {
        return context.usage("delete takes one argument: the friend's \"LAST-NAME FIRST-NAME\" as listed");
    }
    FriendsStore data = context.data();
    const Status deleted = data.change([&](FriendTable& table, DisplayOptions&) {
        const FriendChoice found = findFriendByListText(table, arguments[0], context.language);
        if (found.status.ok) {
            table.DeleteFriend(found.slot);
        }
        return found.status;
    }).status;
    return context.finish(data, deleted);
}

} // namespace zelmora::cli
