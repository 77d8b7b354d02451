// End to end: the real `zelmora --print-pdf`, read back with pdftotext and pdfinfo.

#include "PdfText.h"
#include "support/DeviceNodes.h"
#include "support/Friends.h"
#include "support/TempFolder.h"

#include "core/storage/DatabaseFile.h"
#include "core/platform/FileReader.h"
#include "core/platform/Folders.h"
#include "core/settings/SettingsFile.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <algorithm>
#include <cmath>
#include <fstream>

namespace zelmora::test {
namespace {

class PrintPdf : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(havePopplerTools()) << "pdftotext and pdfinfo (poppler-utils) are needed: make test installs them";
    }

    void writeFriends(const FriendTable& table)
    {
        const AtomicFileWriter writer;
        ASSERT_TRUE(DatabaseFile(data / DatabaseFileName, writer).write(table, DisplayOptions{}).status.ok);
    }

    ProcessResult zelmora(QStringList arguments)
    {
        arguments << "--data-dir" << QString::fromStdString(data.path().string());
        return runProcess(ZELMORA_EXECUTABLE, arguments);
    }

    QString outputArg() const { return QString::fromStdString(pdf.string()); }

    static std::size_t count(const std::string& text, const std::string& what)
    {
        std::size_t n = 0;
        for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) {
            ++n;
        }
        return n;
    }

    TempFolder data;
    TempFolder output;
    std::filesystem::path pdf = output / "cards.pdf";
};

// Five friends, stored out of order: the file keeps them, the program sorts them.
std::unique_ptr<FriendTable> fiveFriends()
{
    return makeTable({
        makeFriend("PETIT", "Anne", {{FriendField::Ville, "Nice"}}),
        makeFriend("DUPONT", "Jean",
                   {{FriendField::Ville, "Paris"}, {FriendField::Code, "75002"}, {FriendField::Pays, "France"},
                    {FriendField::Anniversaire, "05/01/1980"}, {FriendField::Mail, "jean@example.org"}}),
        makeFriend("MARTIN", "\xC9lodie"), // Élodie, in Windows-1252
        makeFriend("BERNARD", "Luc", {{FriendField::Notes, "first line\r\nsecond line"}}),
        makeFriend("DURAND", "Paul"),
    });
}

TEST_F(PrintPdf, PrintsEveryCardInTableOrderOnAsManyPagesAsTheyNeed)
{
    writeFriends(*fiveFriends());
    const ProcessResult run = zelmora({"--print-pdf", outputArg(), "--lang", "en"});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const std::string text = pdfText(pdf);
    std::vector<std::size_t> positions;
    for (const char* name : {"BERNARD", "DUPONT", "DURAND", "MARTIN", "PETIT"}) {
        positions.push_back(text.find(name));
        EXPECT_NE(positions.back(), std::string::npos) << name;
    }
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end())) << text;
    for (const char* label : {"Last Name", "First Name", "Address", "Phone Number", "Mobile Phone number", "Birthday",
                              "Saint's day", "Other Date", "Internet Site", "e-mail", "Notes"}) {
        EXPECT_NE(text.find(label), std::string::npos) << label;
    }
    EXPECT_NE(text.find("\xC3\x89lodie"), std::string::npos) << "accents survive the way to the page";
    EXPECT_NE(text.find("75002 - France"), std::string::npos); // pdftotext may merge the blanks
    EXPECT_NE(text.find("second line"), std::string::npos);

    // n cards fit a page when ScaleY(81) + n * ScaleY(424) <= H - ScaleY(80), at 600 dpi.
    const PdfInfo info = pdfInfo(pdf);
    const int printableHeight = static_cast<int>(std::lround(info.heightPts / 72.0 * 600));
    const int cardsPerPage = (printableHeight - 500 - 507) / 2650;
    ASSERT_GT(cardsPerPage, 0);
    const int pages = (5 + cardsPerPage - 1) / cardsPerPage;
    EXPECT_EQ(info.pages, pages);
    EXPECT_EQ(count(text, "Friend's Card"), static_cast<std::size_t>(pages)) << "a title on every page";
    EXPECT_EQ(count(text, "Zelmora v3.0"), static_cast<std::size_t>(pages)) << "a footer on every page";
}

TEST_F(PrintPdf, PrintsOneFriendByItsListText)
{
    writeFriends(*fiveFriends());
    const ProcessResult run = zelmora({"--print-pdf", outputArg(), "--friend", "MARTIN \xC3\x89lodie"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::string text = pdfText(pdf);
    EXPECT_NE(text.find("MARTIN"), std::string::npos);
    EXPECT_EQ(text.find("DUPONT"), std::string::npos);
    EXPECT_EQ(pdfInfo(pdf).pages, 1);
}

TEST_F(PrintPdf, SpeaksTheStoredLanguageOrTheOneAskedFor)
{
    writeFriends(*fiveFriends());
    ProgramOptions french;
    french.language = Language::French;
    const AtomicFileWriter writer;
    ASSERT_TRUE(SettingsFile(data / SettingsFileName, writer).write(french).ok);

    ASSERT_EQ(zelmora({"--print-pdf", outputArg(), "--friend", "DUPONT Jean"}).exitCode, 0);
    std::string text = pdfText(pdf);
    for (const char* label : {"Fiche Ami", "Nom", "Pr\xC3\xA9nom", "Adresse", "N\xC2\xB0 T\xC3\xA9l\xC3\xA9phone portable",
                              "Date Anniversaire", "Date F\xC3\xAAte", "Autre Date", "Site Internet", "e-mail"}) {
        EXPECT_NE(text.find(label), std::string::npos) << label;
    }
    EXPECT_EQ(text.find("Last Name"), std::string::npos);

    ASSERT_EQ(zelmora({"--print-pdf", outputArg(), "--friend", "DUPONT Jean", "--lang", "en"}).exitCode, 0);
    text = pdfText(pdf);
    EXPECT_NE(text.find("Last Name"), std::string::npos);
}

TEST_F(PrintPdf, AnEmptyTablePrintsNothingAndSaysSo)
{
    writeFriends(FriendTable{});
    ProcessResult run = zelmora({"--print-pdf", outputArg()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("There is no friend to print in "), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(pdf));

    std::filesystem::remove(data / DatabaseFileName); // no database at all: the same
    run = zelmora({"--print-pdf", outputArg()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintPdf, FailsClearlyWhenTheDataOrTheFriendOrTheFileWillNotDo)
{
    writeFriends(*fiveFriends());
    ProcessResult run = zelmora({"--print-pdf", outputArg(), "--friend", "NOBODY Here"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("No friend has this name: NOBODY Here"), std::string::npos) << run.err;

    run = zelmora({"--print-pdf", QString::fromStdString((output / "missing" / "cards.pdf").string())});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot create a file in"), std::string::npos) << run.err;

    std::ofstream(data / DatabaseFileName, std::ios::trunc) << "not a database";
    run = zelmora({"--print-pdf", outputArg()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find(DatabaseFileName), std::string::npos) << run.err;
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(PrintPdf, AFullTargetFailsWithTheReasonAndKeepsTheOldFileOrTheDevice)
{
    writeFriends(*fiveFriends());
    std::ofstream(pdf) << "old cards";
    // Files may grow to 4 KB only: the print system's writes fail part way, as on a full disk.
    const QString limited = QStringLiteral("trap '' XFSZ; ulimit -f 8; exec \"$0\" \"$@\"");
    ProcessResult run = runProcess("/bin/sh", {"-c", limited, ZELMORA_EXECUTABLE, "--print-pdf", outputArg(),
                                               "--data-dir", QString::fromStdString(data.path().string())});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("File too large"), std::string::npos) << run.err;
    EXPECT_EQ(readWholeFile(pdf).bytes, "old cards");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(output.path()), {}), 1);

    if (!canMakeDevices()) {
        GTEST_SKIP() << "mknod needs root";
    }
    ASSERT_TRUE(makeFullDevice(output / "full"));
    run = zelmora({"--print-pdf", QString::fromStdString((output / "full").string())});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << run.err;
    EXPECT_TRUE(isCharacterDevice(output / "full"));
}

TEST_F(PrintPdf, TheDataFilesAreNeverPrintedOver)
{
    writeFriends(*fiveFriends());
    const AtomicFileWriter writer;
    ASSERT_TRUE(SettingsFile(data / SettingsFileName, writer).write(ProgramOptions{}).ok);
    for (const char* name : {DatabaseFileName, SettingsFileName}) {
        const std::string before = readWholeFile(data / name).bytes;
        const ProcessResult run = zelmora({"--print-pdf", QString::fromStdString((data / name).string())});
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_NE(run.err.find("never replaces the program's own files"), std::string::npos) << run.err;
        EXPECT_EQ(readWholeFile(data / name).bytes, before) << name;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(data.path()), {}), 2);
}

TEST_F(PrintPdf, ADashWritesThePdfToTheStandardOutput)
{
    writeFriends(*fiveFriends());
    const ProcessResult run = runProcess(ZELMORA_EXECUTABLE, {"--print-pdf", "-", "--friend", "DUPONT Jean",
                                                              "--data-dir", QString::fromStdString(data.path().string())},
                                         QString::fromStdString(output.path().string()));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.out.starts_with("%PDF-")) << run.out.substr(0, 20);
    EXPECT_TRUE(std::filesystem::is_empty(output.path())) << "no file named - is left behind";
    std::ofstream(pdf, std::ios::binary) << run.out;
    EXPECT_NE(pdfText(pdf).find("DUPONT"), std::string::npos);
}

TEST_F(PrintPdf, AStandardOutputThatCannotBeWrittenFailsWithTheReason)
{
    writeFriends(*fiveFriends());
    const ProcessResult run = runProcess("/bin/sh", {"-c", "exec \"$0\" \"$@\" > /dev/full", ZELMORA_EXECUTABLE,
                                                     "--print-pdf", "-", "--data-dir",
                                                     QString::fromStdString(data.path().string())});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_NE(run.err.find("cannot write the output: No space left on device"), std::string::npos) << run.err;
}

TEST_F(PrintPdf, ALinkedTargetIsWrittenThrough)
{
    writeFriends(*fiveFriends());
    std::filesystem::create_directory(output / "real");
    std::ofstream(output / "real" / "cards.pdf") << "old"; // nothing is created through a dangling link
    std::filesystem::create_symlink("real/cards.pdf", pdf);
    ASSERT_EQ(zelmora({"--print-pdf", outputArg()}).exitCode, 0);
    EXPECT_TRUE(std::filesystem::is_symlink(pdf));
    EXPECT_NE(pdfText(output / "real" / "cards.pdf").find("DUPONT"), std::string::npos);
}

TEST_F(PrintPdf, RejectsWhatItDoesNotUnderstand)
{
    for (const QStringList& arguments : {QStringList{"--print-pdf"}, QStringList{"--frobnicate"},
                                         QStringList{"--print-pdf", "x.pdf", "--lang", "de"}}) {
        const ProcessResult run = runProcess(ZELMORA_EXECUTABLE, arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments.join(' ').toStdString();
        EXPECT_NE(run.err.find("Usage: zelmora"), std::string::npos);
    }
}

} // namespace
} // namespace zelmora::test
