// The friend card report: its layout, its captions and the cards it prints.

#include "RecordingPlatform.h"
#include "support/Friends.h"

#include "core/report/TPrtForm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

namespace zelmora::test {
namespace {

class FriendCardReport : public ReportFixture, public ::testing::Test {
protected:
    std::vector<std::string> textsOnPage(int page) const
    {
        std::vector<std::string> texts;
        for (const DrawnText& drawn : canvas.texts) {
            if (drawn.page == page) {
                texts.push_back(drawn.text);
            }
        }
        return texts;
    }

    std::vector<std::string> namesPrinted() const
    {
        std::vector<std::string> names;
        for (const DrawnText& drawn : canvas.texts) {
            if (drawn.text.starts_with("NAME")) {
                names.push_back(drawn.text);
            }
        }
        return names;
    }

    TPrtForm form{Language::English, bxPrinter};
};

TEST_F(FriendCardReport, HasThreeBandsWithTheirControlsInPrintingOrder)
{
    const auto names = [](const tBxBand& band) {
        std::vector<std::string> all;
        for (const TControl* control : band.Controls()) {
            all.push_back(control->Name());
        }
        return all;
    };
    EXPECT_EQ(names(form.tBxBand1), (std::vector<std::string>{"BxLabel1", "BxShape2"}));
    EXPECT_EQ(names(form.tBxBand3), (std::vector<std::string>{"BxSysField1", "BxLabel2"}));
    const std::vector<std::string> card = names(form.tBxBand2);
    const std::vector<std::string> expectedStart = {"BxLabel3", "BxField1", "BxLabel4", "BxField2", "BxLabel5",
                                                    "BxLabel6"};
    EXPECT_TRUE(std::equal(expectedStart.begin(), expectedStart.end(), card.begin()));
    EXPECT_EQ(card.size(), 27u);
    EXPECT_EQ(card[13], "BxLabel14");
    EXPECT_EQ(card[14], "BxField3");
    EXPECT_EQ(card.back(), "BxShape1");
    EXPECT_EQ(form.BxLabel(2).Font(), TFont{}); // the form's font: MS Sans Serif, 8 points
}

TEST_F(FriendCardReport, CaptionsFollowTheLanguage)
{
    EXPECT_EQ(form.BxLabel(1).Caption, "Friend's Card");
    EXPECT_EQ(form.BxLabel(3).Caption, "Last Name");
    EXPECT_EQ(form.BxLabel(7).Caption, "Mobile Phone number");
    EXPECT_EQ(form.BxLabel(11).Caption, "Other Date");
    EXPECT_EQ(form.BxLabel(13).Caption, "e-mail");
    form.ApplyLanguage(Language::French);
    EXPECT_EQ(form.BxLabel(1).Caption, "Fiche Ami");
    EXPECT_EQ(form.BxLabel(4).Caption, "Pr\xE9nom");
    EXPECT_EQ(form.BxLabel(12).Caption, "Site Internet");
    EXPECT_EQ(form.BxLabel(13).Caption, "e-mail");
    EXPECT_EQ(form.BxLabel(2).Caption, "Zelmora v3.0");
}

TEST_F(FriendCardReport, FillsTheFourteenFieldsWithTheirSeparatorsAlways)
{
    const auto table = makeTable({
        makeFriend("DUPONT", "Jean",
                   {{FriendField::Ville, "Paris"}, {FriendField::Code, "75001"}, {FriendField::Pays, "France"},
                    {FriendField::Date1, "01/02/2000"}, {FriendField::Raison1, "Wedding"},
                    {FriendField::Raison2, "Party"}, {FriendField::Notes, "  spaced  "}}),
    });
    form.FillCardFields(*table, 1);
    EXPECT_EQ(form.BxField(1).Values, (std::vector<std::string>{"DUPONT"}));
    EXPECT_EQ(form.BxField(5).Values, (std::vector<std::string>{"Paris -  75001 - France"}));
    EXPECT_EQ(form.BxField(10).Values, (std::vector<std::string>{"01/02/2000 - Wedding"}));
    EXPECT_EQ(form.BxField(11).Values, (std::vector<std::string>{" - Party"}));
    EXPECT_EQ(form.BxField(14).Values, (std::vector<std::string>{"  spaced  "}));

    const auto blank = makeTable({makeFriend("X")});
    form.ClearCardFields();
    form.FillCardFields(*blank, 1);
    EXPECT_EQ(form.BxField(5).Values, (std::vector<std::string>{" -   - "})); // seven characters
    EXPECT_EQ(form.BxField(1).Values.size(), 1u);
}

TEST_F(FriendCardReport, PrintsTwoCardsAPageAtSixHundredDpiOnAPrintableHeightOf6814)
{
    const auto table = makeTable({makeFriend("NAME1"), makeFriend("NAME2"), makeFriend("NAME3"),
                                  makeFriend("NAME4"), makeFriend("NAME5")});
    for (std::uint16_t slot = 1; slot <= table->FriendCount; ++slot) {
        form.FillCardFields(*table, slot);
    }
    form.BxReport1.Print();

    EXPECT_EQ(form.BxReport1.BodyLimit, 6814 - 500);
    EXPECT_EQ(printer.pagesPrinted(), 3);
    EXPECT_EQ(namesPrinted(), (std::vector<std::string>{"NAME1", "NAME2", "NAME3", "NAME4", "NAME5"}));
    for (int page = 1; page <= 3; ++page) {
        const std::vector<std::string> texts = textsOnPage(page);
        EXPECT_EQ(std::count(texts.begin(), texts.end(), "Friend's Card"), 1) << "page " << page;
        EXPECT_GE(std::count(texts.begin(), texts.end(), "Zelmora v3.0"), 1) << "page " << page;
    }
    EXPECT_EQ(textsOnPage(3).back(), "Zelmora v3.0");
    const auto stamps = std::count_if(canvas.texts.begin(), canvas.texts.end(),
                                      [](const DrawnText& drawn) { return drawn.text == "08/12/2026 14:03:05"; });
    EXPECT_EQ(stamps, 2 + 1 + 1) << "the first page's footer is drawn twice, before and after";
}

// At 600 dpi from the 96 dpi design a design pixel is 6.25 device pixels; a fraction goes
// up to the next pixel and an exact odd count one more. The page header starts at 0, the
// card under it at ScaleY(81) = 507 and the footer at 6814 - ScaleY(80) = 6314. Texts are
// as wide as the recording canvas measures them (10 pixels a character, 20 a line).
TEST_F(FriendCardReport, PlacesTitleCardAndFooterAtTheirDeviceCoordinates)
{
    const auto table = makeTable({makeFriend("DUPONT", "Jean")});
    form.FillCardFields(*table, 1);
    form.BxReport1.Print();

    const auto placesOf = [this](const std::string& text) {
        std::vector<TRect> places;
        for (const DrawnText& drawn : canvas.texts) {
            if (drawn.page == 1 && drawn.text == text) {
                places.push_back(drawn.rect);
            }
        }
        return places;
    };
    using Places = std::vector<TRect>;
    // Left 333 -> 2081.25 -> 2082, top 32 -> 200 (even); centred and auto-sized, it keeps its left edge.
    EXPECT_EQ(placesOf("Friend's Card"), (Places{{2082, 200, 2082 + 130, 220}}));
    // Left 40 -> 250, top 24 -> 150 (even), under the card's top at 507.
    EXPECT_EQ(placesOf("Last Name"), (Places{{250, 657, 250 + 90, 677}}));
    // Left 232 -> 1450 (even).
    EXPECT_EQ(placesOf("DUPONT"), (Places{{1450, 657, 1450 + 60, 677}}));
    // Top 37 -> 231.25 -> 232 below 6314; the footer is drawn before the page starts and again at its end.
    EXPECT_EQ(placesOf("Zelmora v3.0"), (Places{{250, 6546, 250 + 120, 6566}, {250, 6546, 250 + 120, 6566}}));
    EXPECT_EQ(placesOf("08/12/2026 14:03:05"),
              (Places{{3800, 6546, 3800 + 190, 6566}, {3800, 6546, 3800 + 190, 6566}}));

    // The rules, 716 x 1 at left 40: right 756 -> 4725 (odd) -> 4726; one design pixel high is
    // seven device pixels. Under the title: top 72 -> 450, bottom 73 -> 456.25 -> 457.
    // Under the card: top 405 -> 2531.25 -> 2532, bottom 406 -> 2537.5 -> 2538, plus 507.
    std::vector<std::string> rules;
    std::copy_if(canvas.calls.begin(), canvas.calls.end(), std::back_inserter(rules),
                 [](const std::string& call) { return call.find(":Rectangle(") != std::string::npos; });
    EXPECT_EQ(rules, (std::vector<std::string>{"1:Rectangle(250,450,4726,457)", "1:Rectangle(250,3039,4726,3045)"}));
}

TEST_F(FriendCardReport, ThreeCardsDoNotFitUnlessThePageIsTallEnough)
{
    const auto table = makeTable({makeFriend("NAME1"), makeFriend("NAME2"), makeFriend("NAME3")});
    printer.pageHeight = 507 + 3 * 2650 + 500 - 1;
    for (std::uint16_t slot = 1; slot <= 3; ++slot) {
        form.FillCardFields(*table, slot);
    }
    form.BxReport1.Print();
    EXPECT_EQ(printer.pagesPrinted(), 2);

    printer.events.clear();
    printer.pageHeight += 1;
    form.BxReport1.Print();
    EXPECT_EQ(printer.pagesPrinted(), 1);
}

TEST_F(FriendCardReport, PrintFailuresComeBackAsTheStatusAndTheNextPrintStartsAfresh)
{
    const auto table = makeTable({makeFriend("NAME1"), makeFriend("NAME2"), makeFriend("NAME3")});
    const std::uint16_t all[] = {1, 2, 3};

    printer.failBeginDoc = true;
    Status printed = form.printCards(*table, all);
    EXPECT_FALSE(printed.ok);
    EXPECT_EQ(printed.message, "No printers are installed.");

    printer.failBeginDoc = false;
    printer.failNewPage = true; // two cards a page: the third one fails
    printed = form.printCards(*table, all);
    EXPECT_FALSE(printed.ok);
    EXPECT_EQ(printed.message, "The printer is out of paper.");
    EXPECT_EQ(printer.events, (std::vector<std::string>{"BeginDoc", "Abort"}));

    printer.failNewPage = false;
    printer.events.clear();
    canvas.texts.clear();
    const std::uint16_t third[] = {3};
    EXPECT_TRUE(form.printCards(*table, third).ok);
    EXPECT_EQ(namesPrinted(), (std::vector<std::string>{"NAME3"})) << "no card of the failed prints again";
    EXPECT_EQ(printer.events, (std::vector<std::string>{"BeginDoc", "EndDoc"}));
}

} // namespace
} // namespace zelmora::test
