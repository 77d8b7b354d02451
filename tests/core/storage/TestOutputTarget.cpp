#include "core/storage/OutputTarget.h"

#include "core/platform/FileWriter.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace zelmora;
namespace fs = std::filesystem;

TEST(OutputTarget, NothingTheUserWritesReplacesTheDataFoldersOwnFiles)
{
    test::TempFolder data;
    for (const char* own : {"Zelmor.dta", "Zelmor.reg", "Zelmor.lock", "Zelmor.dta.damaged.2", "Zelmora.ini"}) {
        ASSERT_TRUE(AtomicFileWriter().replace(data / own, "x").ok);
    }
    fs::create_directory(data / "sub");
    std::vector<fs::path> refused = {data / "Zelmor.dta",         data / "." / "Zelmor.dta", data / "sub" / ".." / "Zelmor.reg",
                                     data / "Zelmor.lock",        data / "Zelmor.dta.damaged",
                                     data / "Zelmor.dta.damaged.2", data / "ZELMOR.DTA", data / "Zelmora.ini",
                                     data / "Zelmora.notified", data / "Zelmora.sync", data / "Zelmora-sync.txt"};
#ifndef _WIN32 // links, and the names of a save's temporaries on Linux
    refused.push_back(data / ".Zelmor.dta.tmp-a1B2c3");
    fs::create_symlink(data / "Zelmor.dta", data / "link.txt");
    fs::create_symlink("../Zelmor.lock", data / "sub" / "relative.txt");
    fs::create_hard_link(data / "Zelmor.dta", data / "sub" / "hard.txt");
    refused.insert(refused.end(), {data / "link.txt", data / "sub" / "relative.txt", data / "sub" / "hard.txt"});
#endif
    for (const fs::path& target : refused) {
        const Status checked = checkOutputTarget(target, data.path(), Language::English);
        EXPECT_FALSE(checked.ok) << target;
        EXPECT_TRUE(checked.message.starts_with("An export or a print never replaces")) << checked.message;
    }
    for (const fs::path& allowed : {data / "Friends.TXT", data / "Zelmor.dta.txt", data / "sub" / "Zelmor.dta",
                                    data / "Zelmora.ics"}) {
        EXPECT_TRUE(checkOutputTarget(allowed, data.path(), Language::English).ok) << allowed;
    }
}

TEST(OutputTarget, TheOutputWriterRefusesBeforeWriting)
{
    test::TempFolder data;
    ASSERT_TRUE(AtomicFileWriter().replace(data / "Zelmor.dta", "friends").ok);
    const AtomicFileWriter inner;
    const Language language = Language::French;
    const OutputWriter writer(inner, data.path(), language);
    EXPECT_FALSE(writer.replace(data / "Zelmor.dta", "export").ok);
    EXPECT_TRUE(writer.replace(data / "Friends.TXT", "export").ok);
    EXPECT_EQ(std::filesystem::file_size(data / "Zelmor.dta"), 7u);
}
