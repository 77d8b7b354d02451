// The window's exchange with other address books: the row of buttons, the CSV export, and
// the import of a vCard or CSV file read away from the window's thread.
#include "WindowFixture.h"

#include <QPushButton>

#include <fstream>

namespace zelmora::test {
namespace {

class ContactExchange : public WindowFixture {
protected:
    void click(const char* button) { QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton); }
    QString fileIn(const char* name) const { return QString::fromStdString((folder / name).string()); }
};

TEST_F(ContactExchange, TheFourButtonsShareOneRowAcrossTheWidthOfTheOthers)
{
    start({});
    goTo("Exporto");
    int left = 72;
    for (const char* name : {"ImportVCard", "ExportVCard", "ExportCsv", "ExportCalendar"}) {
        const QRect place = child<QPushButton>(name)->geometry();
        EXPECT_EQ(place.left(), left) << name;
        EXPECT_EQ(place.top(), 102) << name;
        EXPECT_EQ(place.height(), 33) << name;
        EXPECT_EQ(place.width(), child<QPushButton>("ImportVCard")->width()) << name;
        left = place.right() + 1 + 3;
    }
    EXPECT_EQ(child<QPushButton>("ExportCalendar")->geometry().right() + 1, 409);
}

TEST_F(ContactExchange, ACsvExportImportsIntoAnotherFolderAsTheSameFriends)
{
    start({person("DUPONT", "Jean", {{FriendField::Anniversaire, "05/01/1980"}}), person("MARTIN", "Marie")});
    goTo("Exporto");
    dialogs.chooseFileNext(fileIn("friends.csv"));
    click("ExportCsv");
    ASSERT_EQ(dialogs.fileChoices.size(), 1u);
    EXPECT_TRUE(dialogs.fileChoices[0].filter.endsWith(QStringLiteral("(*.csv *.CSV)")));
    EXPECT_TRUE(dialogs.told.empty());

    writeFriends({person("ARNAUD", "Anne")});
    launch();
    goTo("Exporto");
    dialogs.chooseFileNext(fileIn("friends.csv"));
    click("ImportVCard");
    EXPECT_TRUE(dialogs.fileChoices[1].filter.contains(QStringLiteral("*.vcf")));
    EXPECT_TRUE(dialogs.fileChoices[1].filter.contains(QStringLiteral("*.csv")));
    EXPECT_EQ(dialogs.progressShown, std::vector<QString>{QStringLiteral("Reading the contacts…")});
    ASSERT_EQ(dialogs.told.size(), 1u);
    EXPECT_TRUE(dialogs.told[0].starts_with("Imported: 2")) << dialogs.told[0];
    const std::unique_ptr<FriendTable> file = stored();
    ASSERT_EQ(file->FriendCount, 3);
    EXPECT_EQ(listText((*file)[2]), "DUPONT Jean");
    EXPECT_EQ((*file)[2].Anniversaire, "05/01/1980");
    EXPECT_EQ(lineCount("ListBox1"), 3);
}

TEST_F(ContactExchange, CancellingTheReadingChangesNothing)
{
    start({person("ARNAUD", "Anne")});
    std::ofstream(folder / "contacts.vcf") << "BEGIN:VCARD\r\nVERSION:3.0\r\nN:DUPONT;Jean;;;\r\nEND:VCARD\r\n";
    goTo("Exporto");
    dialogs.chooseFileNext(fileIn("contacts.vcf"));
    dialogs.cancelNextJob = true;
    click("ImportVCard");
    EXPECT_EQ(dialogs.told, std::vector<std::string>{"Import cancelled; nothing was changed."});
    EXPECT_EQ(stored()->FriendCount, 1);
    EXPECT_EQ(lineCount("ListBox1"), 1);
}

} // namespace
} // namespace zelmora::test
