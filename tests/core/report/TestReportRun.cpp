// The run: which bands print where, on which page, and how often.

#include "RecordingPlatform.h"
#include "ReportBuilders.h"

#include <gtest/gtest.h>

#include <utility>

namespace zelmora::test {
namespace {

// Design and device pixels are the same (96 dpi), pages 1000 pixels high.
class ReportRun : public ReportFixture, public ::testing::Test {
protected:
    ReportRun()
    {
        printer.dpi = {96, 96};
        printer.pageHeight = 1000;
    }

    // (page, top) of every drawing of `text`, in drawing order.
    std::vector<std::pair<int, int>> placesOf(const std::string& text) const
    {
        std::vector<std::pair<int, int>> places;
        for (const DrawnText& drawn : canvas.texts) {
            if (drawn.text == text) {
                places.emplace_back(drawn.page, drawn.rect.Top);
            }
        }
        return places;
    }

    std::vector<std::string> printedTexts() const
    {
        std::vector<std::string> all;
        for (const DrawnText& drawn : canvas.texts) {
            all.push_back(drawn.text);
        }
        return all;
    }

    TBxField& detailWithRows(int top, int height, std::initializer_list<const char*> rows)
    {
        tBxBand& band = addBand(form, "Detail" + std::to_string(top), tBxBandType::bxr_Detail, top, height);
        TBxField& field = addField(form, band, "Field" + std::to_string(top));
        for (const char* row : rows) {
            field.Values.emplace_back(row);
        }
        return field;
    }

    TForm form{"Form1", bxPrinter};
    TBxReport& report = form.create<TBxReport>("BxReport1");
};

TEST_F(ReportRun, AFormWithoutBandsOpensAndClosesAnEmptyDocument)
{
    report.Print();
    EXPECT_EQ(printer.events, (std::vector<std::string>{"BeginDoc", "EndDoc"}));
    EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(ReportRun, ABandReachingTheBodyLimitExactlyStaysOnThePage)
{
    addLabel(form, addBand(form, "Header", tBxBandType::bxr_PageHeader, 0, 100), "H", "head");
    addLabel(form, addBand(form, "Footer", tBxBandType::bxr_PageFooter, 900, 100), "F", "foot");
    detailWithRows(100, 200, {"r1", "r2", "r3", "r4", "r5"});
    report.Print();

    EXPECT_EQ(report.BodyLimit, 900);
    EXPECT_EQ(placesOf("r4"), (std::vector<std::pair<int, int>>{{1, 700}})); // 700 + 200 = 900
    EXPECT_EQ(placesOf("r5"), (std::vector<std::pair<int, int>>{{2, 100}}));
    // The first page's footer is drawn before the page starts and again when it ends.
    EXPECT_EQ(placesOf("foot"), (std::vector<std::pair<int, int>>{{1, 900}, {1, 900}, {2, 900}}));
    EXPECT_EQ(placesOf("head"), (std::vector<std::pair<int, int>>{{1, 0}, {2, 0}}));
}

TEST_F(ReportRun, OnePixelPastTheBodyLimitStartsANewPage)
{
    printer.pageHeight = 999;
    addBand(form, "Header", tBxBandType::bxr_PageHeader, 0, 100);
    addBand(form, "Footer", tBxBandType::bxr_PageFooter, 900, 100);
    detailWithRows(100, 200, {"r1", "r2", "r3", "r4", "r5"});
    report.Print();

    EXPECT_EQ(placesOf("r3"), (std::vector<std::pair<int, int>>{{1, 500}}));
    EXPECT_EQ(placesOf("r4"), (std::vector<std::pair<int, int>>{{2, 100}}));
    EXPECT_EQ(printer.events, (std::vector<std::string>{"BeginDoc", "NewPage", "EndDoc"}));
}

TEST_F(ReportRun, ABandTallerThanThePagePrintsOnceAtTheTopOfEachNewPage)
{
    addBand(form, "Footer", tBxBandType::bxr_PageFooter, 900, 100);
    detailWithRows(0, 1200, {"tall1", "tall2"});
    report.Print();

    EXPECT_EQ(placesOf("tall1"), (std::vector<std::pair<int, int>>{{1, 0}}));
    EXPECT_EQ(placesOf("tall2"), (std::vector<std::pair<int, int>>{{2, 0}}));
    EXPECT_EQ(printer.events, (std::vector<std::string>{"BeginDoc", "NewPage", "EndDoc"}));
}

TEST_F(ReportRun, BandsPrintByTopAndEqualTopsInTheOrderTheyWereAdded)
{
    addLabel(form, addBand(form, "Second", tBxBandType::bxr_Title, 50, 10), "L2", "second");
    addLabel(form, addBand(form, "Third", tBxBandType::bxr_Title, 50, 10), "L3", "third");
    addLabel(form, addBand(form, "First", tBxBandType::bxr_Title, 10, 10), "L1", "first");
    addLabel(form, addBand(form, "Summary", tBxBandType::bxr_ReportFooter, 0, 10), "L4", "summary");
    report.Print();
    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"first", "second", "third", "summary"}));
}

TEST_F(ReportRun, OnlyPlainBandsAreCollected)
{
    class SpecialBand : public tBxBand {
    public:
        using tBxBand::tBxBand;
    };
    SpecialBand& special = form.create<SpecialBand>("Special");
    special.SetParent(&form);
    special.Height = 10;
    addLabel(form, special, "L1", "never");
    report.Print();
    EXPECT_TRUE(canvas.texts.empty());
}

TEST_F(ReportRun, DetailHeadersAndFootersFrameTheirDetailBand)
{
    addLabel(form, addBand(form, "DH", tBxBandType::bxr_DetailHeader, 10, 20), "H", "header");
    detailWithRows(30, 20, {"a", "b", "c"});
    addLabel(form, addBand(form, "DF", tBxBandType::bxr_DetailFooter, 50, 20), "F", "footer");
    report.Print();
    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"header", "a", "b", "c", "footer"}));
}

TEST_F(ReportRun, AContinuedDetailBandRepeatsItsHeadersAtTheTopOfTheNewPage)
{
    printer.pageHeight = 300;
    addLabel(form, addBand(form, "PH", tBxBandType::bxr_PageHeader, 0, 20), "P", "page");
    addLabel(form, addBand(form, "DH", tBxBandType::bxr_DetailHeader, 20, 20), "H", "header");
    TBxField& city = detailWithRows(40, 100, {"Paris", "Paris", "Paris"});
    tBxBand& groupHeader = addBand(form, "GH", tBxBandType::bxr_GroupHeader, 140, 20);
    addLabel(form, groupHeader, "G", "group");
    TBxDetailLink& link = form.create<TBxDetailLink>("Link1");
    link.SetGroupBand(dynamic_cast<tBxBand*>(city.Parent()));
    link.GroupHeader = &groupHeader;
    link.DataSource = &city;
    report.Print();

    // Page 1: page header, detail header, group header, Paris at 60 and at 160; the third
    // row (260 + 100 > 300) goes over with its headers.
    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"page", "header", "group", "Paris", "Paris", "page",
                                                        "header", "group", "Paris"}));
    EXPECT_EQ(placesOf("group"), (std::vector<std::pair<int, int>>{{1, 40}, {2, 40}}));
}

TEST_F(ReportRun, NewPageBandsEndThePageWithoutAddingABlankOneAtTheEnd)
{
    detailWithRows(0, 20, {"before"});
    addBand(form, "Break1", tBxBandType::bxr_NewPage, 20, 5);
    detailWithRows(30, 20, {"after"});
    addBand(form, "Break2", tBxBandType::bxr_NewPage, 50, 5);
    addLabel(form, addBand(form, "Footer", tBxBandType::bxr_PageFooter, 900, 100), "F", "foot");
    report.Print();

    EXPECT_EQ(placesOf("before"), (std::vector<std::pair<int, int>>{{1, 0}}));
    EXPECT_EQ(placesOf("after"), (std::vector<std::pair<int, int>>{{2, 0}}));
    EXPECT_EQ(printer.events, (std::vector<std::string>{"BeginDoc", "NewPage", "EndDoc"}));
    EXPECT_EQ(placesOf("foot").back(), (std::pair<int, int>{2, 900}));
}

TEST_F(ReportRun, AlternatingBandsFillEverySecondRow)
{
    TBxField& rows = detailWithRows(0, 20, {"1", "2", "3", "4"});
    auto* band = dynamic_cast<tBxBand*>(rows.Parent());
    band->AltColor = true;
    band->Color = clSilver;
    report.Print();
    std::vector<std::string> fills;
    for (const std::string& call : canvas.calls) {
        if (call.find("FillRect") != std::string::npos) {
            fills.push_back(call);
        }
    }
    EXPECT_EQ(fills, (std::vector<std::string>{"1:FillRect(0,20,794,39)", "1:FillRect(0,60,794,79)"}));
}

TEST_F(ReportRun, ClipModesDecideWhatReachesPastTheBand)
{
    tBxBand& clipped = addBand(form, "Clip", tBxBandType::bxr_Title, 0, 20);
    TBxLabel& wide = addLabel(form, clipped, "Wide", std::string(100, 'w'), 0, 10); // 1000 px wide, 20 high
    addLabel(form, clipped, "Outside", "gone", 0, 30);
    tBxBand& expanding = addBand(form, "Expand", tBxBandType::bxr_Title, 20, 20);
    expanding.ClipMode = tClipMode::cm_Expand;
    addLabel(form, expanding, "Low", "low", 0, 40);
    tBxBand& overwriting = addBand(form, "Overwrite", tBxBandType::bxr_Title, 40, 20);
    overwriting.ClipMode = tClipMode::cm_Overwrite;
    addLabel(form, overwriting, "Over", "over", 0, 40);
    addLabel(form, addBand(form, "Last", tBxBandType::bxr_Title, 60, 20), "End", "end");
    report.Print();

    ASSERT_EQ(printedTexts(), (std::vector<std::string>{wide.Caption, "low", "over", "end"}));
    EXPECT_EQ(canvas.texts[0].rect, (TRect{0, 10, 794, 19}));  // cut at the band's edges
    EXPECT_EQ(canvas.texts[1].rect, (TRect{0, 60, 30, 80}));   // whole; the band grows to 80
    EXPECT_EQ(canvas.texts[2].rect, (TRect{0, 121, 40, 141})); // whole; the band stays 20 high
    EXPECT_EQ(canvas.texts[3].rect.Top, 101);
}

TEST_F(ReportRun, AFailingRunEndsTheDocumentUnprintedAndReportsTheError)
{
    class Faulty : public tBxControl {
    public:
        using tBxControl::tBxControl;
        void Draw(const TRect&, const std::string&) override { throw EPrinterError("The printer is out of paper."); }
    };
    addControl<Faulty>(form, addBand(form, "Title", tBxBandType::bxr_Title, 0, 20), "Faulty", 0, 0);
    EXPECT_THROW(report.Print(), EPrinterError);
    EXPECT_EQ(printer.events, (std::vector<std::string>{"BeginDoc", "Abort"}));
    EXPECT_TRUE(report.Details.items().empty());

    printer.events.clear();
    printer.failBeginDoc = true;
    EXPECT_THROW(report.Print(), EPrinterError);
    EXPECT_TRUE(printer.events.empty());
}

} // namespace
} // namespace zelmora::test
