#include "cli/FriendCommands.h"

#include "core/base/Cp1252.h"
#include "core/data/DateText.h"

namespace zelmora::cli {

namespace {

int usage(const CliContext& context, std::string_view message)
{
    context.err << "zelmora-cli: " << message << "\n";
    return UsageError;
}

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
            usage(context, "expected FIELD=VALUE with one of the nineteen field names, got '" + assignment + "'");
            return std::nullopt;
        }
        std::optional<std::string> value = context.toCp1252(std::string_view(assignment).substr(equals + 1));
        if (!value) {
            return std::nullopt;
        }
        if (isDateField(*field)) {
            const auto date = MaskedDate(*value);
            if (!date) {
                usage(context, "a date is written dd/mm/yyyy (each part may be short or empty), got '"
                                   + assignment.substr(equals + 1) + "'");
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
        return usage(context, "list takes no arguments");
    }
    const std::optional<LoadedData> data = loadData(context);
    if (!data) {
        return DataError;
    }
    for (std::uint16_t slot = 1; slot <= data->table->FriendCount; ++slot) {
        context.print(listText((*data->table)[slot]));
    }
    return Success;
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
        return usage(context, "add needs at least one FIELD=VALUE");
    }
    const std::optional<CardTexts> card = cardFromArguments(context, assignments);
    if (!card) {
        return UsageError;
    }
    std::optional<LoadedData> data = loadData(context);
    if (!data) {
        return DataError;
    }
    FriendTable& table = *data->table;
    if (!table.AppendFriend()) {
        context.printError(LangText(lang::TableFull, context.language));
        return DataError;
    }
    if (!table.ValidateCard(*card, [&] { return allowDuplicate; })) {
        context.printError(LangText(lang::DuplicateNameQuestion, context.language));
        return DataError;
    }
    return saveData(context, *data) ? Success : DataError;
}

int deleteCommand(const CliContext& context, Arguments arguments)
{
    if (arguments.size() != 1) {
        return usage(context, "delete takes one argument: the friend's \"LAST-NAME FIRST-NAME\" as listed");
    }
    const std::optional<std::string> name = context.toCp1252(arguments[0]);
    if (!name) {
        return UsageError;
    }
    std::optional<LoadedData> data = loadData(context);
    if (!data) {
        return DataError;
    }
    FriendTable& table = *data->table;
    const std::uint16_t slot = table.FindFriend(*name);
    if (slot == 0) {
        context.printError(std::string(LangText(lang::NoSuchFriend, context.language)) + *name);
        return DataError;
    }
    table.CurrentFriend = slot;
    table.DeleteFriend(slot);
    return saveData(context, *data) ? Success : DataError;
}

} // namespace zelmora::cli
