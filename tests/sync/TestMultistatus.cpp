#include "sync/Multistatus.h"

#include <gtest/gtest.h>

namespace zelmora::sync {
namespace {

TEST(Multistatus, ReadsWhatEachResourceSaysAndOnlyPropertiesFound)
{
    const QByteArray xml =
        "<?xml version='1.0' encoding='utf-8'?>\n"
        "<multistatus xmlns=\"DAV:\" xmlns:CR=\"urn:ietf:params:xml:ns:carddav\"><sync-token>tok-2</sync-token>"
        "<response><href>/</href><propstat><prop><current-user-principal><href>/anne/</href></current-user-principal>"
        "</prop><status>HTTP/1.1 200 OK</status></propstat><propstat><prop><displayname /></prop>"
        "<status>HTTP/1.1 404 Not Found</status></propstat></response>"
        "<response><href>/anne/friends/</href><propstat><prop><resourcetype><CR:addressbook /><collection /></resourcetype>"
        "<displayname>Friends</displayname><CR:addressbook-home-set><href>/anne/</href></CR:addressbook-home-set></prop>"
        "<status>HTTP/1.1 200 OK</status></propstat></response>"
        "<response><href>/anne/friends/a.vcf</href><propstat><prop><getetag>\"e1\"</getetag>"
        "<CR:address-data>BEGIN:VCARD\r\nFN:A &amp; B\r\nEND:VCARD\r\n</CR:address-data></prop>"
        "<status>HTTP/1.1 200 OK</status></propstat></response>"
        "<response><href>/anne/friends/gone.vcf</href><status>HTTP/1.1 404 Not Found</status></response>"
        "</multistatus>";
    const MultistatusRead read = readMultistatus(xml);
    ASSERT_TRUE(read.status.ok) << read.status.message;
    EXPECT_EQ(read.answer.syncToken, "tok-2");
    const std::vector<DavResource>& resources = read.answer.resources;
    ASSERT_EQ(resources.size(), 4u);
    EXPECT_EQ(resources[0].principal, "/anne/");
    EXPECT_EQ(resources[0].displayName, "");
    EXPECT_TRUE(resources[1].isAddressBook);
    EXPECT_TRUE(resources[1].isCollection);
    EXPECT_EQ(resources[1].displayName, "Friends");
    EXPECT_EQ(resources[1].addressBookHome, "/anne/");
    EXPECT_EQ(resources[2].etag, "\"e1\"");
    EXPECT_EQ(resources[2].addressData, QByteArray("BEGIN:VCARD\nFN:A & B\nEND:VCARD\n"));
    EXPECT_FALSE(resources[2].isAddressBook);
    EXPECT_FALSE(resources[3].found);
}

TEST(Multistatus, MalformedOrForeignAnswersAreRefusedWithWhere)
{
    for (const QByteArray& bad : {QByteArray("<multistatus xmlns=\"DAV:\"><response><href>/a</href></multistatus>"),
                                  QByteArray("<html><body>Welcome</body></html>"), QByteArray("not XML at all"),
                                  QByteArray()}) {
        EXPECT_FALSE(readMultistatus(bad).status.ok) << bad.toStdString();
    }
    EXPECT_NE(readMultistatus("<multistatus xmlns=\"DAV:\">\n<response></multistatus>").status.message.find("line 2"),
              std::string::npos);
}

TEST(Multistatus, APreconditionIsFoundInAnErrorBody)
{
    const QByteArray error = "<?xml version='1.0'?><error xmlns=\"DAV:\"><valid-sync-token /></error>";
    EXPECT_TRUE(namesPrecondition(error, QStringLiteral("valid-sync-token")));
    EXPECT_FALSE(namesPrecondition(error, QStringLiteral("other")));
}

} // namespace
} // namespace zelmora::sync
