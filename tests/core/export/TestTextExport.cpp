#include "core/export/ExportLines.h"
#include "export/TextExport.h"

#include <memory>

namespace zelmora {
namespace {

using testing::expectSameLines;

TEST(TextExport, AnEmptyTableGivesTheHeaderOnly)
{
    expectSameLines(buildTextExport(FriendTable{}, Language::English), "text-empty-en.txt");
}

TEST(TextExport, AFriendWithOnlyALastNameStillHasAllFifteenLines)
{
    const auto table = std::make_unique<FriendTable>();
    (*table)[1].Nom.assign("SOLO");
    table->FriendCount = 1;
    expectSameLines(buildTextExport(*table, Language::English), "text-last-name-only-en.txt");
}

TEST(TextExport, WritesEveryFieldWithTheFrenchLabels)
{
    const auto table = std::make_unique<FriendTable>();
    TFriend& dupont = (*table)[1];
    dupont.Nom.assign("DUPONT");
    dupont.Prenom.assign("J\xE9r\xF4me");
    dupont.Adresse1.assign("12 rue des Lilas");
    dupont.Adresse2.assign("B\xE2timent B");
    dupont.Code.assign("75011");
    dupont.Ville.assign("Paris");
    dupont.Etat.assign("\xCEle-de-France");
    dupont.Pays.assign("France");
    dupont.Telephone.assign("01 23 45 67 89");
    dupont.Portable.assign("06 12 34 56 78");
    dupont.Anniversaire.assign("14/07/1975");
    dupont.Fete.assign("30/09/    ");
    dupont.Date1.assign("01/05/2000");
    dupont.Raison1.assign("Mariage");
    dupont.Date2.assign("  /  /    ");
    dupont.Www.assign("www.dupont.example");
    dupont.Mail.assign("jerome@dupont.example");
    dupont.Notes.assign("Aime le caf\xE9 & les <b>croissants</b> \"chauds\"");
    TFriend& martin = (*table)[2];
    martin.Nom.assign("MARTIN");
    martin.Prenom.assign("Zo\xE9");
    for (ShortText<10>* date : {&martin.Anniversaire, &martin.Fete, &martin.Date1, &martin.Date2}) {
        date->assign("  /  /    ");
    }
    table->FriendCount = 2;
    expectSameLines(buildTextExport(*table, Language::French), "text-two-friends-fr.txt");
}

} // namespace
} // namespace zelmora
