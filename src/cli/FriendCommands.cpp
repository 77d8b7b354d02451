#include "cli/FriendCommands.h"

#include "core/base/Cp1252.h"
#include "core/data/DateText.h"
#include "core/program/FriendChoice.h"
#include "core/program/TerminalText.h"

#include <algorithm>

namespace zelmora::cli {

namespace {

// A card from FIELD=VALUE arguments, as the window's card reads after typing: fields not
// given empty, dates untouched, the last name in capitals. Nothing after a usage message.
std::optional<CardTexts> cardFromArguments(const CliContext& context, Arguments assignments)
{
    CardTexts card;
    for (std::size_t i = 0; i < FriendFieldCount; ++i) {
        if (isDateField(static_cast<FriendField>(i))) {
            card[i] = EmptyDateText;
        }
    }
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
        card[fieldIndex(*field)] = std::move(*value);
    }
    return card;
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
    bool allowDuplicate = false;
    std::vector<std::string> assignments;
    for (const std::string& argument : arguments) {
        if (argument == "--allow-duplicate") {
            allowDuplicate = true;
        } else {
            assignments.push_back(argument);
        }
    }
    if (assignments.empty()) {
        return context.usage("add needs at least one FIELD=VALUE");
    }
    const std::optional<CardTexts> card = cardFromArguments(context, assignments);
    if (!card) {
        return ExitUsage;
    }
    FriendsStore data = context.data();
    const Status added = data.change([&](FriendTable& table, DisplayOptions&) {
        if (table.isFull()) {
            return Status::failure(std::string(LangText(lang::TableFull, context.language)));
        }
        if (!allowDuplicate && table.NameExists(listTextOf(*card))) {
            return Status::failure(std::string(LangText(lang::DuplicateNameQuestion, context.language))
                                   + "\n(add --allow-duplicate keeps both)");
        }
        table.ValidateCard(0, *card);
        return Status::success();
    }).status;
    return context.finish(data, added);
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
