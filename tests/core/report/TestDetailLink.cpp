// Group headers and footers printed through a detail link.

#include "RecordingPlatform.h"
#include "ReportBuilders.h"

#include <gtest/gtest.h>

namespace zelmora::test {
namespace {

class DetailLink : public ReportFixture, public ::testing::Test {
protected:
    DetailLink()
    {
        printer.dpi = {96, 96};
        addLabel(form, groupHeader, "GH", "header");
        addLabel(form, groupFooter, "GF", "footer");
        link.SetGroupBand(&detail);
        link.GroupHeader = &groupHeader;
        link.GroupFooter = &groupFooter;
        link.DataSource = &city;
    }

    TForm form{"Form1", bxPrinter};
    TBxReport& report = form.create<TBxReport>("BxReport1");
    tBxBand& detail = addBand(form, "Detail", tBxBandType::bxr_Detail, 10, 20);
    tBxBand& groupHeader = addBand(form, "GroupHeader", tBxBandType::bxr_GroupHeader, 0, 20);
    tBxBand& groupFooter = addBand(form, "GroupFooter", tBxBandType::bxr_GroupFooter, 40, 20);
    TBxField& city = addField(form, detail, "City");
    TBxDetailLink& link = form.create<TBxDetailLink>("Link1");
};

TEST_F(DetailLink, FramesEachRunOfEqualValues)
{
    city.Values = {"Paris", "Paris", "Lyon"};
    report.Print();
    EXPECT_EQ(printedTexts(),
              (std::vector<std::string>{"header", "Paris", "Paris", "footer", "header", "Lyon", "footer"}));
    EXPECT_EQ(link.LastValue(), "Lyon");
}

TEST_F(DetailLink, ASingleValueNeverClosesItsGroupAndAnEmptyOneNeverOpensIt)
{
    city.Values = {"Paris"};
    report.Print();
    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"header", "Paris"}));

    TForm other("Form2", bxPrinter);
    TBxDetailLink& fresh = other.create<TBxDetailLink>("Link1");
    TBxField& empty = other.create<TBxField>("Empty");
    empty.Values = {""};
    fresh.DataSource = &empty;
    EXPECT_FALSE(fresh.CheckGroup(false)); // "" against the fresh link's ""
    fresh.DataSource = nullptr;
    EXPECT_FALSE(fresh.CheckGroup(true));
}

TEST_F(DetailLink, TheWatchedBandPointsBackToTheLink)
{
    EXPECT_EQ(detail.DetailLink(), &link);
    link.SetGroupBand(nullptr);
    EXPECT_EQ(link.GroupBand(), &detail);
    tBxBand& other = addBand(form, "Other", tBxBandType::bxr_Detail, 100, 20);
    link.SetGroupBand(&other);
    EXPECT_EQ(other.DetailLink(), &link);
    EXPECT_EQ(detail.DetailLink(), nullptr) << "a band no longer watched must not print the group bands";
}

} // namespace
} // namespace zelmora::test
