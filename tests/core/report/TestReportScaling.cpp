// Design pixels to device pixels, margins and the printer object's two modes.

#include "RecordingPlatform.h"
#include "ReportBuilders.h"

#include <gtest/gtest.h>

namespace zelmora::test {
namespace {

class ReportScaling : public ReportFixture, public ::testing::Test {
protected:
    void SetUp() override
    {
        bxPrinter.Preview = false;
        bxPrinter.UpdateMetrics();
    }
    TForm form{"Form1", bxPrinter};
    TBxReport& report = form.create<TBxReport>("BxReport1");
};

TEST_F(ReportScaling, ScalesUpFractionsAndExactOddValuesAtSixHundredDpi)
{
    EXPECT_EQ(report.ScaleY(424), 2650);
    EXPECT_EQ(report.ScaleY(81), 507);
    EXPECT_EQ(report.ScaleY(80), 500);
    EXPECT_EQ(report.ScaleY(0), 0);
    EXPECT_EQ(report.ScaleX(40), 250);
}

TEST_F(ReportScaling, AtEqualResolutionsAnOddValueGoesOneUp)
{
    platform.thePrinter.dpi = {96, 96};
    bxPrinter.UpdateMetrics();
    EXPECT_EQ(report.ScaleX(5), 6);
    EXPECT_EQ(report.ScaleX(4), 4);
    EXPECT_EQ(report.ScaleY(5), 6);
}

TEST_F(ReportScaling, HorizontalAndVerticalResolutionsScaleTheirOwnAxis)
{
    platform.thePrinter.dpi = {300, 600};
    bxPrinter.UpdateMetrics();
    EXPECT_EQ(report.ScaleX(10), 32); // 31.25
    EXPECT_EQ(report.ScaleY(10), 63); // 62.5
}

TEST_F(ReportScaling, MarginsMustLieWithinThePortraitPaperWidth)
{
    report.SetLeftMarginMM(210);
    EXPECT_EQ(report.LeftMarginMM(), 0);
    report.SetLeftMarginMM(209);
    EXPECT_EQ(report.LeftMarginMM(), 209);
    report.SetLeftMarginMM(-1);
    EXPECT_EQ(report.LeftMarginMM(), 209);

    report.SetOrientation(TPrinterOrientation::poLandscape);
    report.SetRightMarginMM(250); // landscape A4 is 297 mm wide, but the limit stays 210
    EXPECT_EQ(report.RightMarginMM(), 0);
    report.SetRightMarginMM(20);
    EXPECT_EQ(report.RightMarginMM(), 20);

    report.SetPapersize(tPapersize::bxr_A5);
    report.SetLeftMarginMM(148);
    EXPECT_EQ(report.LeftMarginMM(), 209);
    report.SetLeftMarginMM(147);
    EXPECT_EQ(report.LeftMarginMM(), 147);
}

TEST_F(ReportScaling, LeftMarginCountsFromThePaperEdgeAndTheRightOneDoesNot)
{
    platform.thePrinter.offset = {100, 80};
    bxPrinter.UpdateMetrics();
    report.SetLeftMarginMM(10);  // 10 mm at 600 dpi: 236.2 -> 237
    report.SetRightMarginMM(10);
    EXPECT_EQ(report.LeftMarginPx(), 237 - 100);
    EXPECT_EQ(report.RightMarginPx(), 237);
}

TEST_F(ReportScaling, AControlAtLeftFortyStartsAtTwoHundredFiftyPlusTheMargin)
{
    platform.thePrinter.offset = {100, 0};
    bxPrinter.UpdateMetrics();
    report.SetLeftMarginMM(20); // 472.4 -> 473, minus the offset
    tBxBand& band = addBand(form, "Band1", tBxBandType::bxr_Title, 0, 424);
    TBxLabel& label = addLabel(form, band, "Label1", "Hello", 40, 0);
    label.AutoSize = false;
    report.Print();
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].rect.Left, 250 + 373);
}

class PreviewMode : public ReportFixture, public ::testing::Test {};

TEST_F(PreviewMode, MeasuresThePaperAtScreenResolution)
{
    EXPECT_TRUE(bxPrinter.Preview);
    EXPECT_EQ(bxPrinter.DpiX, 96);
    EXPECT_EQ(bxPrinter.PaperWidthPx, 794);
    EXPECT_EQ(bxPrinter.PaperHeightPx, 1123);
    EXPECT_EQ(bxPrinter.PrintableHeight(), 1123);
    bxPrinter.SetOrientation(TPrinterOrientation::poLandscape);
    EXPECT_EQ(bxPrinter.PaperWidthPx, 1123);
    EXPECT_EQ(bxPrinter.PaperHeightPx, 794);
}

TEST_F(PreviewMode, RecordsPagesOnlyWhenSomethingDraws)
{
    bxPrinter.BeginDoc();
    EXPECT_EQ(bxPrinter.PageNumber(), 0);
    bxPrinter.Canvas().MoveTo(1, 1);
    EXPECT_EQ(bxPrinter.PageNumber(), 1);
    bxPrinter.Canvas().LineTo(2, 2);
    EXPECT_EQ(bxPrinter.PageNumber(), 1);
    bxPrinter.NewPage();
    bxPrinter.Canvas().LineTo(3, 3);
    bxPrinter.EndDoc();
    EXPECT_EQ(bxPrinter.PageNumber(), 2);
    EXPECT_EQ(bxPrinter.CurrentPage, nullptr);
    EXPECT_EQ(platform.metafileLog, (std::vector<std::string>{"open", "close", "open", "close"}));
    ASSERT_EQ(platform.metafiles.size(), 2u);
    EXPECT_EQ(platform.metafiles[0]->canvas.calls, (std::vector<std::string>{"0:MoveTo(1,1)", "0:LineTo(2,2)"}));
    EXPECT_EQ(platform.metafileSizes[0], (TPoint{794, 1123}));

    bxPrinter.BeginDoc(); // a new document drops the old pages
    EXPECT_EQ(bxPrinter.PageNumber(), 0);
}

TEST_F(PreviewMode, FailsWhenNoPageCanBeRecorded)
{
    platform.refuseMetafiles = true;
    try {
        bxPrinter.Canvas();
        FAIL() << "no canvas expected";
    } catch (const EReportError& error) {
        EXPECT_STREQ(error.what(), "BxPrinter could not assign the Canvas");
    }
}

TEST_F(PreviewMode, PrintSwitchesToThePrinterForGood)
{
    TForm form("Form1", bxPrinter);
    TBxReport& report = form.create<TBxReport>("BxReport1");
    report.ReportTitle = "Zelmora";
    report.Print();
    EXPECT_FALSE(bxPrinter.Preview);
    EXPECT_EQ(bxPrinter.DpiY, 600);
    EXPECT_EQ(printer.title, "Zelmora");
}

} // namespace
} // namespace zelmora::test
