// The card's rules and the window's changes of the friends, on a real data folder.
#include "core/session/CardSession.h"

#include "support/FailingWriter.h"
#include "support/Friends.h"
#include "support/ScriptedAsker.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace zelmora;
using namespace std::chrono_literals;

namespace {

constexpr auto Nom = FriendField::Nom;
constexpr auto Prenom = FriendField::Prenom;
constexpr auto Ville = FriendField::Ville;

struct Announcements : SessionListener {
    void friendsChanged() override { ++friends; }
    void cardChanged() override { ++cards; }
    int friends = 0;
    int cards = 0;
};

class CardSessionTest : public ::testing::Test {
protected:
    CardSessionTest() { session.setListener(&announced); }

    // The folder holds these friends; the window starts on them.
    void load(std::initializer_list<TFriend> friends)
    {
        anotherProgramWrites(friends);
        store.open();
        session.loaded();
    }
    void anotherProgramWrites(std::initializer_list<TFriend> friends)
    {
        auto table = test::makeTable(friends);
        table->SortFriends();
        ASSERT_TRUE(AtomicFileWriter().replace(folder / "Zelmor.dta", encodeDatabase(*table, {})).ok);
    }
    FriendTable onDisk() const
    {
        FriendsStore reader(folder.path(), language, writer);
        EXPECT_TRUE(reader.read().ok);
        return reader.table();
    }
    void type(FriendField field, std::string_view text) { session.edit(field, std::string(text)); }
    std::string shown(FriendField field) const { return session.card()[fieldIndex(field)]; }
    const FriendTable& friends() const { return session.friends(); }
    std::string nameAt(std::uint16_t slot) const { return listText(friends()[slot]); }
    // The list's selection and the card name the same friend.
    void expectSelectionShowsTheCard() const
    {
        const int line = session.selectedLine();
        ASSERT_GE(line, 0);
        EXPECT_EQ(nameAt(static_cast<std::uint16_t>(line + 1)), listTextOf(session.card()));
    }

    test::TempFolder folder;
    Language language = Language::English;
    test::FailingWriter writer;
    FriendsStore store{folder.path(), language, writer};
    test::ScriptedAsker asker;
    CardSession session{store, asker, language};
    Announcements announced;
};

TEST_F(CardSessionTest, AnEmptyDatabaseStartsLockedAndItsFirstFriendIsListedOnceValidated)
{
    load({});
    EXPECT_FALSE(session.isEditable());
    type(Nom, "LOST"); // a locked card takes nothing
    EXPECT_FALSE(session.hasUnsavedCard());

    session.startNew();
    EXPECT_TRUE(session.isEditable() && session.isNew() && session.hasUnsavedCard());
    EXPECT_EQ(shown(FriendField::Anniversaire), "  /  /    ");
    type(Nom, "DUPONT");
    type(Prenom, "Anne");
    EXPECT_TRUE(session.isChanged(Nom) && !session.isChanged(Ville));

    const int friendAnnouncements = announced.friends;
    session.validate();
    EXPECT_EQ(friends().FriendCount, 1);
    EXPECT_EQ(session.selectedLine(), 0);
    EXPECT_FALSE(session.hasUnsavedCard() || session.isNew() || session.isChanged(Nom));
    EXPECT_EQ(onDisk().FriendCount, 1); // at once, not only at the close
    EXPECT_GT(announced.friends, friendAnnouncements);
}

TEST_F(CardSessionTest, ClickingAnotherFriendWithEditsAsksFirstAndTheSelectionFollowsTheCard)
{
    for (const bool ok : {true, false}) {
        load({test::makeFriend("A"), test::makeFriend("B"), test::makeFriend("C")});
        type(Ville, "Lyon");
        asker.answerNext(ok);
        session.select(2);
        EXPECT_EQ(asker.asked.back(), "Before, validate or cancel the modifications for current data ?");
        // OK stores A and shows it again; Cancel forgets the edit and shows the clicked C.
        EXPECT_EQ(onDisk()[1].Ville, ok ? "Lyon" : "");
        EXPECT_EQ(shown(Nom), ok ? "A" : "C");
        expectSelectionShowsTheCard();
        EXPECT_FALSE(session.hasUnsavedCard());
    }
}

TEST_F(CardSessionTest, CancellingANewCardGoesBackToTheFriendShownBefore)
{
    load({test::makeFriend("A"), test::makeFriend("B")});
    session.select(1);
    session.startNew();
    type(Nom, "NEW");
    session.cancel();
    EXPECT_EQ(friends().FriendCount, 2);
    EXPECT_EQ(shown(Nom), "B");
    EXPECT_EQ(session.selectedLine(), 1);

    // Dropped by the answer to a click: the clicked friend is shown.
    session.startNew();
    type(Nom, "NEW");
    asker.answerNext(false);
    session.select(0);
    EXPECT_EQ(friends().FriendCount, 2);
    EXPECT_EQ(shown(Nom), "A");
    EXPECT_EQ(session.selectedLine(), 0);
}

TEST_F(CardSessionTest, DeletingShowsTheNextFriendTheNewLastOneOrAnEmptyCard)
{
    load({test::makeFriend("A"), test::makeFriend("B"), test::makeFriend("C")});
    session.select(1);
    session.remove();
    EXPECT_EQ(asker.asked.back(), "Do you really want to delete  B from your database ?");
    EXPECT_EQ(shown(Nom), "C");
    EXPECT_EQ(session.selectedLine(), 1);

    session.remove(); // C, the last position
    EXPECT_EQ(shown(Nom), "A");
    EXPECT_EQ(session.selectedLine(), 0);

    asker.answerNext(false);
    session.remove();
    EXPECT_EQ(friends().FriendCount, 1); // Cancel keeps A

    session.remove();
    EXPECT_EQ(friends().FriendCount, 0);
    EXPECT_EQ(session.currentFriend(), 0);
    EXPECT_EQ(shown(Nom), "");
    EXPECT_TRUE(session.isEditable()); // never locked again
    EXPECT_EQ(onDisk().FriendCount, 0);

    // Typing into the empty card and validating adds that friend.
    type(Nom, "AGAIN");
    session.validate();
    EXPECT_EQ(friends().FriendCount, 1);
    EXPECT_EQ(nameAt(1), "AGAIN ");
}

TEST_F(CardSessionTest, TheDuplicateQuestionKeepsBothOrDropsTheNewCard)
{
    for (const bool keep : {true, false}) {
        load({test::makeFriend("DUPONT", "Anne", {{Ville, "Paris"}}), test::makeFriend("MARTIN", "Paul")});
        session.startNew();
        type(Nom, "DUPONT");
        type(Prenom, "Anne");
        type(Ville, "Nice");
        asker.answerNext(keep);
        session.validate();
        EXPECT_EQ(asker.asked.back(), "This name already exists in your database. Keep the new copy anyway ?");
        EXPECT_EQ(friends().FriendCount, keep ? 3 : 2);
        // The card and the selection are the same friend: the one just validated, or the one shown before.
        expectSelectionShowsTheCard();
        EXPECT_EQ(friends()[session.currentFriend()].Ville, keep ? "Nice" : "Paris");
    }
    // Names differing in letter case are no duplicates.
    session.startNew();
    type(Nom, "DUPONT");
    type(Prenom, "anne");
    const auto questions = asker.asked.size();
    session.validate();
    EXPECT_EQ(asker.asked.size(), questions);
}

TEST_F(CardSessionTest, AFullTableAddsNothingButStillAsksAboutPendingEdits)
{
    auto full = std::make_unique<FriendTable>();
    for (int i = 0; i < FriendTable::Capacity; ++i) {
        full->AppendFriend(test::makeFriend("F" + std::to_string(1000 + i)));
    }
    ASSERT_TRUE(AtomicFileWriter().replace(folder / "Zelmor.dta", encodeDatabase(*full, {})).ok);
    store.open();
    session.loaded();
    type(Ville, "Nantes");
    asker.answerNext(false);
    session.startNew();
    EXPECT_EQ(asker.asked.size(), 1u);
    EXPECT_EQ(friends().FriendCount, FriendTable::Capacity);
    EXPECT_FALSE(session.isNew() || session.hasUnsavedCard());
    EXPECT_EQ(shown(Nom), "F1000");
}

TEST_F(CardSessionTest, NamesAreStoredTrimmedButShownAsTyped)
{
    load({test::makeFriend("A")});
    session.startNew();
    type(Nom, "  DUPONT  ");
    type(FriendField::Raison1, "noces  ");
    session.validate();
    EXPECT_EQ(friends()[session.currentFriend()].Nom, "DUPONT");
    EXPECT_EQ(friends()[session.currentFriend()].Raison1, "noces  ");
    EXPECT_EQ(shown(Nom), "  DUPONT  ");
}

TEST_F(CardSessionTest, AnImpossibleTypedDateKeepsTheCardOpenAndSaysWhichField)
{
    // Dates as the file holds them pass, whatever they are.
    load({test::makeFriend("A", "", {{FriendField::Anniversaire, "45/13/2000"}})});
    type(Ville, "Lyon");
    session.validate();
    EXPECT_FALSE(session.hasUnsavedCard());

    const struct {
        FriendField field;
        const char* typed;
        const char* told; // nothing: stored
    } cases[] = {
        {FriendField::Fete, "31/04/    ", "Impossible date in \"Saint's day\": that month has no such day."},
        {FriendField::Date1, "  /13/    ", "Impossible date in \"Date #1\": the month must be from 1 to 12."},
        {FriendField::Date2, "29/02/2025", "Impossible date in \"Date #2\": that month has no such day."},
        {FriendField::Anniversaire, "00/  /    ", "Impossible date in \"Birthday\": the day must be from 1 to 31."},
        {FriendField::Fete, "29/02/    ", nullptr},
        {FriendField::Date1, "29/02/2024", nullptr},
        {FriendField::Anniversaire, "45/13/2000", nullptr}, // typed back as the file has it
    };
    for (const auto& [field, typed, told] : cases) {
        asker.told.clear();
        type(field, typed);
        type(field, typed); // what the field shows after each keystroke
        session.validate();
        if (told) {
            ASSERT_EQ(asker.told.size(), 1u) << typed;
            EXPECT_EQ(asker.told[0], told);
            EXPECT_TRUE(session.hasUnsavedCard() && session.isChanged(field)) << typed;
            EXPECT_EQ(session.impossibleTypedDate(), field);
            session.cancel();
        } else {
            EXPECT_TRUE(asker.told.empty()) << typed;
            EXPECT_EQ(fieldText(onDisk()[1], field), typed);
        }
    }
}

TEST_F(CardSessionTest, EveryRoadThatValidatesRefusesAnImpossibleDate)
{
    language = Language::French;
    load({test::makeFriend("A"), test::makeFriend("B")});
    type(FriendField::Date1, "31/06/    ");
    asker.answerNext(true);
    session.select(1); // the pending-edit question's OK
    EXPECT_EQ(asker.told.back(), "Date impossible dans \xAB Date n\xB0" "1 \xBB : ce mois n'a pas ce jour.");
    EXPECT_EQ(shown(Nom), "A"); // the card stays on its friend
    EXPECT_EQ(onDisk()[1].Date1, "");

    asker.answerNext(false);
    EXPECT_EQ(session.saveAtClose(), SaveOutcome::FailedStayOpen); // the close does not drop it unasked
    EXPECT_TRUE(session.hasUnsavedCard());
    type(FriendField::Date1, "30/06/    ");
    EXPECT_EQ(session.settlePendingEdit(), CardSession::Settled::Validated);
    EXPECT_EQ(onDisk()[1].Date1, "30/06/    ");
}

TEST_F(CardSessionTest, ShowingAnotherFriendMakesTheCloseWriteTheFileAgain)
{
    load({test::makeFriend("A"), test::makeFriend("B")});
    session.validate(); // written: nothing left for the close
    EXPECT_EQ(session.saveAtClose(), SaveOutcome::NothingToSave);
    session.select(1);
    EXPECT_EQ(session.saveAtClose(), SaveOutcome::Saved);
}

TEST_F(CardSessionTest, ACardTheDiskRefusedStaysPendingAndTheCloseAsks)
{
    load({test::makeFriend("A")});
    writer.failAfter(10);
    type(Ville, "Lyon");
    session.validate();
    ASSERT_EQ(asker.told.size(), 1u);
    EXPECT_TRUE(asker.told[0].starts_with("The database file could not be saved and was left unchanged: "));
    EXPECT_TRUE(session.hasUnsavedCard() && session.isChanged(Ville));
    EXPECT_EQ(friends()[1].Ville, ""); // not in memory either: only what is written is there

    asker.answerNext(false);
    EXPECT_EQ(session.saveAtClose(), SaveOutcome::FailedStayOpen);
    EXPECT_TRUE(asker.asked.back().starts_with("Impossible to save the database... Quit anyway ?"));
    EXPECT_EQ(asker.warnings, (std::vector<std::string>{asker.told[0], asker.asked.back()})); // shown as warnings
    writer.failAfter(SIZE_MAX);
    EXPECT_EQ(session.saveAtClose(), SaveOutcome::Saved);
    EXPECT_EQ(onDisk()[1].Ville, "Lyon");
}

TEST_F(CardSessionTest, ACardTheLockKeptWaitsSurvivesAReloadAndIsWrittenWhenTheFolderIsFree)
{
    load({test::makeFriend("B")});
    auto anotherProgram = std::make_unique<FolderLock>();
    ASSERT_TRUE(anotherProgram->acquire(folder.path(), language).ok);
    session.startNew();
    type(Nom, "NEW");
    session.validate();
    ASSERT_EQ(asker.told.size(), 1u);
    EXPECT_TRUE(asker.told[0].starts_with("The card stays as it is")) << asker.told[0];
    EXPECT_TRUE(session.isWaitingToWrite() && session.hasUnsavedCard() && session.isChanged(Nom));
    EXPECT_EQ(session.selectedLine(), -1);

    anotherProgram->release();
    anotherProgramWrites({test::makeFriend("A"), test::makeFriend("B")});
    session.readAgainIfChanged();
    EXPECT_EQ(shown(Nom), "NEW"); // never dropped by a reload
    ASSERT_TRUE(anotherProgram->acquire(folder.path(), language).ok);
    session.retryWaitingWrite();
    EXPECT_TRUE(session.isWaitingToWrite());
    anotherProgram.reset();

    session.retryWaitingWrite();
    EXPECT_FALSE(session.isWaitingToWrite() || session.hasUnsavedCard());
    EXPECT_EQ(asker.told.size(), 1u); // the retries said nothing
    ASSERT_EQ(onDisk().FriendCount, 3);
    EXPECT_EQ(nameAt(3), "NEW ");
    expectSelectionShowsTheCard();
}

TEST_F(CardSessionTest, AnotherProgramsChangeAndTheCardBeingEditedAreBothKept)
{
    load({test::makeFriend("B"), test::makeFriend("D")});
    session.select(1);
    type(Ville, "Lyon"); // D being edited while another program adds A and C
    anotherProgramWrites({test::makeFriend("A"), test::makeFriend("B"), test::makeFriend("C"), test::makeFriend("D")});
    session.validate();
    ASSERT_EQ(friends().FriendCount, 4);
    EXPECT_EQ(friends()[4].Ville, "Lyon");
    EXPECT_EQ(session.selectedLine(), 3);

    // A new card lands on a table read again.
    session.startNew();
    type(Nom, "E");
    anotherProgramWrites({test::makeFriend("A")});
    session.validate();
    EXPECT_EQ(onDisk().FriendCount, 2);
    EXPECT_EQ(nameAt(2), "E ");
}

TEST_F(CardSessionTest, AFriendDeletedMeanwhileComesBackOnlyWhenTheUserSaysSo)
{
    for (const bool addBack : {true, false}) {
        load({test::makeFriend("A"), test::makeFriend("B")});
        session.select(1);
        type(Ville, "Brest");
        anotherProgramWrites({test::makeFriend("A")});
        asker.answerNext(addBack);
        session.validate();
        EXPECT_EQ(asker.asked.back(), "Another program deleted this friend meanwhile. Add the card back ?");
        EXPECT_EQ(onDisk().FriendCount, addBack ? 2 : 1);
        EXPECT_FALSE(session.hasUnsavedCard());
        expectSelectionShowsTheCard();
    }
}

TEST_F(CardSessionTest, ReadingTheFileAgainKeepsTheShownFriendOrAnEditInProgress)
{
    load({test::makeFriend("B"), test::makeFriend("C")});
    session.select(1);
    anotherProgramWrites({test::makeFriend("A"), test::makeFriend("B"), test::makeFriend("C")});
    session.readAgainIfChanged();
    EXPECT_EQ(session.currentFriend(), 3);
    EXPECT_EQ(session.selectedLine(), 2);

    type(Ville, "Caen");
    anotherProgramWrites({test::makeFriend("C")});
    session.readAgainIfChanged();
    EXPECT_EQ(shown(Ville), "Caen"); // the edit stays on the card
    EXPECT_EQ(session.currentFriend(), 1);
}

} // namespace
