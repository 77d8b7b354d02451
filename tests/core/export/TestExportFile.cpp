#include "core/platform/FileReader.h"
#include "core/export/ExportFile.h"
#include "core/export/HtmlExport.h"
#include "core/export/TextExport.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>

namespace zelmora {
namespace {

namespace fs = std::filesystem;

// The real writer, made to fail after the first piece of the temporary file.
class DiskFullWriter final : public AtomicFileWriter {
public:
    DiskFullWriter() : AtomicFileWriter(Flush::No) {}

protected:
    Status writeChunk(int fd, std::string_view bytes) const override
    {
        [[maybe_unused]] const Status partial = AtomicFileWriter::writeChunk(fd, bytes.substr(0, 10));
        return Status::failure("No space left on device");
    }
};

class ExportFileTest : public ::testing::Test {
protected:
    ExportFileTest()
    {
        (*m_table)[1].Nom.assign("ADAM");
        m_table->FriendCount = 1;
    }

    std::vector<fs::path> folderContents() const
    {
        return {fs::directory_iterator(m_folder), fs::directory_iterator()};
    }

    test::TempFolder m_temporary;
    fs::path m_folder = m_temporary.path();
    std::unique_ptr<FriendTable> m_table = std::make_unique<FriendTable>();
};

TEST_F(ExportFileTest, WritesExactlyTheExport)
{
    const AtomicFileWriter writer(AtomicFileWriter::Flush::No);
    const fs::path text = m_folder / "Friends.TXT";
    const fs::path html = m_folder / "Friends.HTM";
    std::ofstream(text) << "an older and much longer export that must disappear entirely";

    EXPECT_TRUE(WriteTextExport(*m_table, Language::French, text, writer).ok);
    EXPECT_TRUE(WriteHtmlExport(*m_table, Language::English, html, writer).ok);
    EXPECT_EQ(readWholeFile(text).bytes, buildTextExport(*m_table, Language::French));
    EXPECT_EQ(readWholeFile(html).bytes, buildHtmlExport(*m_table, Language::English));
}

TEST_F(ExportFileTest, AFailedExportLeavesTheOldFileUntouched)
{
    const DiskFullWriter failing;
    const fs::path text = m_folder / "Friends.TXT";
    const fs::path html = m_folder / "Friends.HTM";
    std::ofstream(text) << "old text";
    std::ofstream(html) << "old page";

    const Status textWritten = WriteTextExport(*m_table, Language::English, text, failing);
    const Status htmlWritten = WriteHtmlExport(*m_table, Language::French, html, failing);

    ASSERT_FALSE(textWritten.ok || htmlWritten.ok);
    const std::string& textMessage = textWritten.message;
    EXPECT_EQ(textMessage.rfind("Impossible to save the exported file: cannot write ", 0), 0) << textMessage;
    EXPECT_NE(textMessage.find("No space left on device"), std::string::npos) << textMessage;
    EXPECT_EQ(htmlWritten.message.rfind("Impossible de sauvegarder le fichier export\xE9 : ", 0), 0) << htmlWritten.message;
    EXPECT_NE(htmlWritten.message.find("Friends.HTM"), std::string::npos) << htmlWritten.message; // the file, not FRIENDS.TXT
    EXPECT_EQ(htmlWritten.message.find("FRIENDS.TXT"), std::string::npos) << htmlWritten.message;
    EXPECT_EQ(readWholeFile(text).bytes, "old text");
    EXPECT_EQ(readWholeFile(html).bytes, "old page");
    EXPECT_EQ(folderContents().size(), 2u); // no half-written temporary file left behind
}

TEST_F(ExportFileTest, AMissingFolderIsReported)
{
    const AtomicFileWriter writer(AtomicFileWriter::Flush::No);
    const Status written
        = WriteTextExport(*m_table, Language::English, m_folder / "no-such-folder" / "Friends.TXT", writer);
    ASSERT_FALSE(written.ok);
    EXPECT_NE(written.message.find("no-such-folder"), std::string::npos) << written.message;
    EXPECT_TRUE(folderContents().empty());
}

} // namespace
} // namespace zelmora
