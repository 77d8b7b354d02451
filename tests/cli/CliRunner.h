#pragma once
// Runs zelmora-cli commands in-process on a data folder of the test's own.

#include "cli/Cli.h"
#include "core/base/PathText.h"
#include "core/data/DatabaseCodec.h"
#include "core/platform/FileReader.h"
#include "core/platform/FileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace zelmora::test {

struct CliResult {
    int status = -1;
    std::string out;
    std::string err;
};

class CliRunner {
public:
    explicit CliRunner(const FileWriter& writer = defaultWriter()) : m_writer(writer) {}

    CliResult run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), {"--data-dir", pathToUtf8(dataFolder)});
        return runRaw(arguments);
    }

    // Without the --data-dir this runner adds.
    CliResult runRaw(const std::vector<std::string>& arguments) const
    {
        // The home folder is both Linux's HOME and Windows's APPDATA.
        const auto environmentLookup = [this](const char* name) {
            const bool isHome = std::string(name) == "HOME" || std::string(name) == "APPDATA";
            return isHome && homeSet ? pathToUtf8(home.path()) : "";
        };
        std::istringstream in(input);
        const cli::CliEnvironment environment{programFolder.path(), environmentLookup, false, m_writer, in};
        std::ostringstream out;
        std::ostringstream err;
        const int status = cli::runCli(arguments, out, err, environment);
        return {status, out.str(), err.str()};
    }

    std::filesystem::path database() const { return dataFolder / "Zelmor.dta"; }
    std::string databaseBytes() const { return readWholeFile(database()).bytes; }
    // The friend records as stored, read back through the codec.
    std::unique_ptr<FriendTable> storedTable() const
    {
        auto table = std::make_unique<FriendTable>();
        DisplayOptions options;
        DecodedHeader header;
        EXPECT_EQ(decodeDatabase(databaseBytes(), *table, options, header), DecodeStatus::Loaded);
        return table;
    }

    TempFolder programFolder;
    TempFolder home;
    TempFolder data;
    std::filesystem::path dataFolder = data.path();
    bool homeSet = true;
    std::string input; // what a command reads from the standard input

private:
    static const FileWriter& defaultWriter()
    {
        static const AtomicFileWriter writer;
        return writer;
    }
    const FileWriter& m_writer;
};

} // namespace zelmora::test
