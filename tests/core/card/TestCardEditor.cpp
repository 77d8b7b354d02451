#include "core/card/CardEditor.h"

#include "MemoryStore.h"
#include "support/Friends.h"
#include "support/ScriptedAsker.h"

#include <gtest/gtest.h>

using namespace zelmora;

namespace {

constexpr auto Nom = FriendField::Nom;
constexpr auto Prenom = FriendField::Prenom;
constexpr auto Ville = FriendField::Ville;

class CardEditorTest : public ::testing::Test {
protected:
    // The table as a load leaves it: sorted, friend 1 current, then shown.
    void load(std::initializer_list<TFriend> friends)
    {
        table = *test::makeTable(friends);
        table.SortFriends();
        table.CurrentFriend = 1;
        editor.loaded();
    }
    void type(FriendField field, std::string_view text) { editor.fieldEdited(field, std::string(text)); }
    std::string shown(FriendField field) const { return editor.card()[fieldIndex(field)]; }
    std::string nameAt(std::uint16_t slot) const { return listText(table[slot]); }

    FriendTable table;
    test::MemoryStore store{table};
    test::ScriptedAsker asker;
    Language language = Language::English;
    CardEditor editor{table, store, asker, language};
};

TEST_F(CardEditorTest, AnEmptyDatabaseStartsLockedAndItsFirstFriendIsListedOnceValidated)
{
    load({});
    EXPECT_FALSE(editor.isEditable());
    type(Nom, "LOST"); // a locked card takes nothing
    EXPECT_FALSE(table.EditPending);

    editor.NewNameClick();
    EXPECT_TRUE(editor.isEditable());
    EXPECT_TRUE(table.NewPending && table.EditPending);
    EXPECT_EQ(shown(FriendField::Anniversaire), "  /  /    ");
    type(Nom, "DUPONT");
    type(Prenom, "Anne");
    EXPECT_TRUE(editor.isRed(Nom) && !editor.isRed(Ville));

    editor.BitBtn1Click();
    EXPECT_EQ(table.FriendCount, 1);
    EXPECT_EQ(editor.selectedLine(), 0);
    EXPECT_FALSE(table.EditPending || table.NewPending || editor.isRed(Nom));
    EXPECT_EQ(store.writes, 1); // at once, not only at the close
    EXPECT_FALSE(table.DataChanged);
}

TEST_F(CardEditorTest, ClickingAnotherFriendWithEditsAsksFirst)
{
    for (const bool ok : {true, false}) {
        load({test::makeFriend("A"), test::makeFriend("B"), test::makeFriend("C")});
        type(Ville, "Lyon");
        asker.answerNext(ok);
        editor.ListBox1Click(2);
        EXPECT_EQ(asker.asked.back(), "Before, validate or cancel the modifications for current data ?");
        // OK stores A and shows it again; Cancel forgets the edit and shows the clicked C.
        EXPECT_EQ(table[1].Ville, ok ? "Lyon" : "");
        EXPECT_EQ(shown(Nom), ok ? "A" : "C");
        EXPECT_EQ(editor.selectedLine(), ok ? 0 : 2);
        EXPECT_FALSE(table.EditPending);
    }
}

TEST_F(CardEditorTest, CancellingANewCardGoesBackToTheFriendShownBefore)
{
    load({test::makeFriend("A"), test::makeFriend("B")});
    editor.ListBox1Click(1);
    editor.NewNameClick();
    type(Nom, "NEW");
    editor.BitBtn2Click();
    EXPECT_EQ(table.FriendCount, 2);
    EXPECT_EQ(table.CurrentFriend, 2);
    EXPECT_EQ(shown(Nom), "B");
    EXPECT_EQ(editor.selectedLine(), 1);

    // Dropped by the answer to a click: the clicked friend is shown.
    editor.NewNameClick();
    type(Nom, "NEW");
    asker.answerNext(false);
    editor.ListBox1Click(0);
    EXPECT_EQ(table.FriendCount, 2);
    EXPECT_EQ(shown(Nom), "A");
    EXPECT_EQ(editor.selectedLine(), 0);
}

TEST_F(CardEditorTest, DeletingShowsTheNextFriendTheNewLastOneOrAnEmptyCard)
{
    load({test::makeFriend("A"), test::makeFriend("B"), test::makeFriend("C")});
    editor.ListBox1Click(1);
    editor.DeleteNameClick();
    EXPECT_EQ(asker.asked.back(), "Do you really want to delete  B from your database ?");
    EXPECT_EQ(shown(Nom), "C");
    EXPECT_EQ(editor.selectedLine(), 1);

    editor.DeleteNameClick(); // C, the last position
    EXPECT_EQ(shown(Nom), "A");
    EXPECT_EQ(editor.selectedLine(), 0);

    asker.answerNext(false);
    editor.DeleteNameClick();
    EXPECT_EQ(table.FriendCount, 1); // Cancel keeps A

    editor.DeleteNameClick();
    EXPECT_EQ(table.FriendCount, 0);
    EXPECT_EQ(table.CurrentFriend, 0);
    EXPECT_EQ(shown(Nom), "");
    EXPECT_TRUE(editor.isEditable()); // never locked again
    EXPECT_EQ(store.writes, 3);

    // Typing into the empty card and validating adds that friend.
    type(Nom, "AGAIN");
    editor.BitBtn1Click();
    EXPECT_EQ(table.FriendCount, 1);
    EXPECT_EQ(nameAt(1), "AGAIN ");
}

TEST_F(CardEditorTest, TheDuplicateQuestionKeepsBothOrDropsTheNewCard)
{
    for (const bool keep : {true, false}) {
        load({test::makeFriend("DUPONT", "Anne"), test::makeFriend("MARTIN", "Paul")});
        editor.NewNameClick();
        type(Nom, "DUPONT");
        type(Prenom, "Anne");
        asker.answerNext(keep);
        editor.BitBtn1Click();
        EXPECT_EQ(asker.asked.back(), "This name already exists in your database. Keep the new copy anyway ?");
        EXPECT_EQ(table.FriendCount, keep ? 3 : 2);
        EXPECT_EQ(table.CurrentFriend, 1); // the first of the two in table order
    }
    // Names differing in letter case are no duplicates.
    editor.NewNameClick();
    type(Nom, "DUPONT");
    type(Prenom, "anne");
    const auto questions = asker.asked.size();
    editor.BitBtn1Click();
    EXPECT_EQ(asker.asked.size(), questions);
}

TEST_F(CardEditorTest, AFullTableAddsNothingButStillAsksAboutPendingEdits)
{
    load({});
    for (int i = 0; i < FriendTable::Capacity; ++i) {
        table[static_cast<std::uint16_t>(i + 1)] = test::makeFriend("F" + std::to_string(1000 + i));
    }
    table.FriendCount = FriendTable::Capacity;
    editor.loaded();
    type(Ville, "Nantes");
    asker.answerNext(false);
    editor.NewNameClick();
    EXPECT_EQ(asker.asked.size(), 1u);
    EXPECT_EQ(table.FriendCount, FriendTable::Capacity);
    EXPECT_FALSE(table.NewPending || table.EditPending);
    EXPECT_EQ(table.CurrentFriend, 1);
    EXPECT_EQ(shown(Nom), "F1000");
}

TEST_F(CardEditorTest, NamesAreStoredTrimmedButShownAsTyped)
{
    load({test::makeFriend("A")});
    editor.NewNameClick();
    type(Nom, "  DUPONT  ");
    type(FriendField::Raison1, "noces  ");
    editor.BitBtn1Click();
    EXPECT_EQ(table[table.CurrentFriend].Nom, "DUPONT");
    EXPECT_EQ(table[table.CurrentFriend].Raison1, "noces  ");
    EXPECT_EQ(shown(Nom), "  DUPONT  ");
}

TEST_F(CardEditorTest, ShowingAnotherFriendMarksTheDataChanged)
{
    load({test::makeFriend("A"), test::makeFriend("B")});
    table.DataChanged = false;
    editor.ListBox1Click(1);
    EXPECT_TRUE(table.DataChanged);
    EXPECT_FALSE(table.EditPending);
}

TEST_F(CardEditorTest, AFailedImmediateSaveSaysWhyAndKeepsTheDataToSave)
{
    load({test::makeFriend("A")});
    store.failWrites = true;
    type(Ville, "Lyon");
    editor.BitBtn1Click();
    ASSERT_EQ(asker.told.size(), 1u);
    EXPECT_EQ(asker.told[0].rfind("The database file could not be saved and was left unchanged: cannot write", 0), 0);
    EXPECT_TRUE(table.DataChanged);
    EXPECT_EQ(table[1].Ville, "Lyon"); // still in memory for the close to save
}

TEST_F(CardEditorTest, AnotherProgramsChangeAndTheCardBeingEditedAreBothKept)
{
    load({test::makeFriend("B"), test::makeFriend("D")});
    editor.ListBox1Click(1);
    type(Ville, "Lyon"); // D being edited while another program adds A and C
    store.changedByAnotherProgram = *test::makeTable(
        {test::makeFriend("A"), test::makeFriend("B"), test::makeFriend("C"), test::makeFriend("D")});
    editor.BitBtn1Click();
    ASSERT_EQ(table.FriendCount, 4);
    EXPECT_EQ(table[4].Ville, "Lyon");
    EXPECT_EQ(editor.selectedLine(), 3);

    // A new card lands on a table read again, and so does an edit whose friend was deleted.
    editor.NewNameClick();
    type(Nom, "E");
    store.changedByAnotherProgram = *test::makeTable({test::makeFriend("A")});
    editor.BitBtn1Click();
    EXPECT_EQ(table.FriendCount, 2);
    EXPECT_EQ(nameAt(2), "E ");

    editor.ListBox1Click(1);
    type(Ville, "Brest");
    store.changedByAnotherProgram = *test::makeTable({test::makeFriend("A")});
    editor.BitBtn1Click();
    ASSERT_EQ(table.FriendCount, 2);
    EXPECT_EQ(table[2].Ville, "Brest");
}

TEST_F(CardEditorTest, ReadingTheFileAgainKeepsTheShownFriendOrAnEditInProgress)
{
    load({test::makeFriend("B"), test::makeFriend("C")});
    editor.ListBox1Click(1);
    table = *test::makeTable({test::makeFriend("A"), test::makeFriend("B"), test::makeFriend("C")});
    editor.reloaded();
    EXPECT_EQ(table.CurrentFriend, 3);
    EXPECT_EQ(editor.selectedLine(), 2);

    type(Ville, "Caen");
    table = *test::makeTable({test::makeFriend("C")});
    table.EditPending = true;
    editor.reloaded();
    EXPECT_EQ(shown(Ville), "Caen"); // the edit stays on the card
    EXPECT_EQ(table.CurrentFriend, 1);
}

} // namespace
