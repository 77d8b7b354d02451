// What report controls print, row by row, and how they draw.

#include "RecordingPlatform.h"
#include "ReportBuilders.h"

#include <gtest/gtest.h>

namespace zelmora::test {
namespace {

class ReportControls : public ReportFixture, public ::testing::Test {
protected:
    ReportControls() { printer.dpi = {96, 96}; }

    TForm form{"Form1", bxPrinter};
    TBxReport& report = form.create<TBxReport>("BxReport1");
    tBxBand& detail = addBand(form, "Detail", tBxBandType::bxr_Detail, 0, 20);
};

TEST_F(ReportControls, TheLongestFieldSetsTheRowCountAndShorterOnesPrintATilde)
{
    addField(form, detail, "Three", 0, 0);
    addField(form, detail, "Five", 100, 0);
    addField(form, detail, "Single", 200, 0);
    addField(form, detail, "Empty", 300, 0);
    for (const char* v : {"A", "B", "C"}) {
        report.SetFieldText("three", v); // names match without case
    }
    for (const char* v : {"1", "2", "3", "4", "5"}) {
        report.SetFieldText("FIVE", v);
    }
    report.SetFieldText("Single", "X");
    report.SetFieldText("NoSuchField", "ignored");
    report.Print();

    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"A", "1", "X", "~", "B", "2", "X", "~", "C", "3", "X", "~",
                                                        "~", "4", "X", "~", "~", "5", "X", "~"}));
}

TEST_F(ReportControls, EachPrintStartsFromTheFirstValueAgain)
{
    TBxField& field = addField(form, detail, "Field1");
    field.Values = {"a", "b"};
    report.Print();
    report.Print();
    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"a", "b", "a", "b"}));
    field.Clear();
    EXPECT_TRUE(field.Values.empty());
    EXPECT_EQ(field.Index, 0);
}

TEST_F(ReportControls, AFieldNamedLikeAnotherWithUnderscoresRepeatsIt)
{
    TBxField& base = addField(form, detail, "BxField1", 0, 0);
    TBxField& alias = addField(form, detail, "BxField1_", 100, 0);
    TBxField& doubleAlias = addField(form, detail, "BxField1__", 200, 0);
    TBxField& orphan = addField(form, detail, "Nobody_", 300, 0);
    TBxLabel& notAField = addLabel(form, detail, "Caption1", "label", 400, 0);
    TBxField& aliasOfLabel = addField(form, detail, "Caption1_", 500, 0);
    base.Values = {"Paris", "Lyon"};
    report.Print();

    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"Paris", "Paris", "Paris", "~", "label", "~", "Lyon", "Lyon",
                                                        "Lyon", "~", "label", "~"}));
    EXPECT_EQ(BaseName(doubleAlias), "BxField1");
    EXPECT_EQ(BaseName(notAField), "Caption1");

    // Looking ahead: the base's next value, or the field's own caption when nothing is there.
    base.Reset();
    orphan.Caption = "orphan";
    aliasOfLabel.Caption = "own";
    EXPECT_EQ(alias.PeekNextText(), "Lyon");
    EXPECT_EQ(orphan.PeekNextText(), "orphan");
    EXPECT_EQ(aliasOfLabel.PeekNextText(), "own");
}

TEST_F(ReportControls, LookingAheadFromTheLastValue)
{
    TBxField& field = form.create<TBxField>("Field1");
    field.Values = {"one"};
    EXPECT_EQ(field.PeekNextText(), "one"); // a single value repeats
    EXPECT_FALSE(field.Next());
    field.Values = {"one", "two"};
    EXPECT_EQ(field.PeekNextText(), "two");
    EXPECT_TRUE(field.Next());
    EXPECT_EQ(field.PeekNextText(), "~"); // closes the last group
    EXPECT_EQ(field.PrintText(), "two");
    EXPECT_FALSE(field.Next());
    EXPECT_EQ(field.PrintText(), "~");
}

TEST_F(ReportControls, SystemFieldsPrintTheMomentThePageAndTheRow)
{
    TBxSysField& stamp = addControl<TBxSysField>(form, detail, "Stamp", 0, 0);
    EXPECT_EQ(stamp.Caption, "#hh:mm:ss#");
    EXPECT_EQ(stamp.Color, clWhite);
    stamp.SetDataType(tBxSysDataType::bxr_DateTime);
    EXPECT_EQ(stamp.Caption, "#tt.mm.jjjj hh:mm:ss#");
    TBxSysField& counter = addControl<TBxSysField>(form, detail, "Counter", 100, 0);
    counter.SetDataType(tBxSysDataType::bxr_Counter);
    TBxSysField& page = addControl<TBxSysField>(form, detail, "Page", 200, 0);
    page.SetDataType(tBxSysDataType::bxr_PageNum);
    TBxSysField& count = addControl<TBxSysField>(form, detail, "Count", 300, 0);
    count.SetDataType(tBxSysDataType::bxr_Count);
    TBxSysField& formName = addControl<TBxSysField>(form, detail, "FormName", 400, 0);
    formName.SetDataType(tBxSysDataType::bxr_FormName);
    EXPECT_EQ(formName.Caption, "#Form1#");
    addField(form, detail, "Rows", 500, 0).Values = {"r1", "r2"};
    report.Print();

    EXPECT_EQ(printedTexts(), (std::vector<std::string>{"08/12/2026 14:03:05", "1", "1", "E", "Form1", "r1",
                                                        "08/12/2026 14:03:05", "2", "1", "E", "Form1", "r2"}));

    platform.moment = {{2026, 12, 9}, 0, 0, 0};
    EXPECT_EQ(stamp.PrintText(), "09/12/2026"); // midnight: no time at all
    stamp.SetDataType(tBxSysDataType::bxr_Time);
    EXPECT_EQ(stamp.PrintText(), "00:00:00");
    stamp.SetDataType(tBxSysDataType::bxr_Date);
    EXPECT_EQ(stamp.PrintText(), "09/12/2026");
}

TEST_F(ReportControls, AutoSizeLabelsTakeTheirTextsSizeKeepingTheirAnchorEdge)
{
    detail.BandType = tBxBandType::bxr_Title;
    detail.Height = 200;
    addLabel(form, detail, "Left", "abc", 100, 0);
    TBxLabel& right = addLabel(form, detail, "Right", "abc", 100, 40);
    right.Alignment = TAlignment::taRightJustify;
    TBxLabel& centred = addLabel(form, detail, "Centred", "abc", 100, 80);
    centred.Alignment = TAlignment::taCenter;
    addLabel(form, detail, "Empty", "", 100, 120);
    TBxLabel& fixed = addLabel(form, detail, "Fixed", "a & b", 100, 160);
    fixed.AutoSize = false;
    report.Print();

    ASSERT_EQ(canvas.texts.size(), 5u);
    EXPECT_EQ(canvas.texts[0].rect, (TRect{100, 0, 130, 20}));
    EXPECT_EQ(canvas.texts[1].rect, (TRect{130, 40, 160, 60})); // right edge 100 + 60 kept
    EXPECT_EQ(canvas.texts[1].flags & dtRight, dtRight);
    EXPECT_EQ(canvas.texts[2].rect, (TRect{100, 80, 130, 100})); // centred: left edge kept
    EXPECT_EQ(canvas.texts[3].rect, (TRect{100, 120, 110, 140})); // empty: one blank, one line
    EXPECT_EQ(canvas.texts[4].rect, (TRect{100, 160, 160, 180}));
    EXPECT_EQ(canvas.texts[4].text, "a & b");
    for (const DrawnText& drawn : canvas.texts) {
        EXPECT_NE(drawn.flags & dtNoPrefix, 0u) << "an ampersand must print as itself";
        EXPECT_NE(drawn.flags & dtExpandTabs, 0u);
    }
}

TEST_F(ReportControls, LabelsUseTheirOwnFontOrTheirParentsAndFillWhenOpaque)
{
    detail.BandType = tBxBandType::bxr_Title;
    TBxLabel& inherited = addLabel(form, detail, "Inherited", "x", 0, 0);
    TBxLabel& own = addLabel(form, detail, "Own", "y", 100, 0);
    own.SetFont({"Arial", 12, clBlack, true});
    own.Transparent = false;
    own.Color = clSilver;
    inherited.visible = true;
    addLabel(form, detail, "Hidden", "z", 200, 0).visible = false;
    report.Print();

    ASSERT_EQ(canvas.texts.size(), 2u);
    EXPECT_EQ(canvas.texts[0].font.Name, "MS Sans Serif");
    EXPECT_EQ(canvas.texts[0].font.Size, 8);
    EXPECT_EQ(canvas.texts[1].font.Name, "Arial");
    EXPECT_EQ(canvas.calls[1], "1:FillRect(100,0,110,19)");
    EXPECT_EQ(canvas.brushes[1], (TBrush{clSilver, TBrushStyle::bsSolid}));
    EXPECT_EQ(canvas.brush().Style, TBrushStyle::bsClear);
}

TEST_F(ReportControls, ShapesDrawTheirFigureWithTheirPenAndBrush)
{
    printer.dpi = {600, 600};
    detail.BandType = tBxBandType::bxr_Title;
    detail.Height = 200;
    TBxShape& rule = addControl<TBxShape>(form, detail, "Rule", 40, 72, 716, 1);
    TPen noWidth;
    noWidth.Width = 0;
    rule.SetPen(noWidth);
    TBxShape& circle = addControl<TBxShape>(form, detail, "Circle", 0, 100, 40, 20);
    circle.SetShape(TShapeType::stCircle);
    circle.SetBrush({clSilver, TBrushStyle::bsSolid});
    TBxShape& rounded = addControl<TBxShape>(form, detail, "Rounded", 0, 150, 40, 20);
    rounded.SetShape(TShapeType::stRoundRect);
    report.Print();

    const std::vector<std::string> expected = {
        "1:Rectangle(250,450,4726,457)", // one design pixel is 7 device pixels: an outlined strip
        "1:Ellipse(63,626,187,750)",     // 124 x 124, centred in 250 x 124
        "1:RoundRect(0,938,250,1063,31,31)",
    };
    EXPECT_EQ(canvas.calls, expected);
    EXPECT_EQ(canvas.pens[0].Width, 1) << "a pen of no width draws one pixel wide";
    EXPECT_EQ(rule.Pen().Width, 0);
    EXPECT_EQ(canvas.brushes[0], (TBrush{clWhite, TBrushStyle::bsSolid}));
    EXPECT_EQ(canvas.brushes[1], (TBrush{clSilver, TBrushStyle::bsSolid}));
}

TEST_F(ReportControls, AShapeWithoutHeightOrWidthOnTheDeviceIsALine)
{
    detail.BandType = tBxBandType::bxr_Title;
    detail.Height = 200;
    detail.ClipMode = tClipMode::cm_Overwrite; // clipping would drop a figure without area
    addControl<TBxShape>(form, detail, "Across", 40, 71, 716, 1); // 72 to 72 on the device
    addControl<TBxShape>(form, detail, "Down", 71, 0, 1, 50);
    report.Print();
    EXPECT_EQ(canvas.calls,
              (std::vector<std::string>{"1:MoveTo(40,72)", "1:LineTo(756,72)", "1:MoveTo(72,0)", "1:LineTo(72,50)"}));
}

TEST_F(ReportControls, ImagesStretchTheirBitmapOrFrameTheirPlace)
{
    detail.BandType = tBxBandType::bxr_Title;
    detail.Height = 200;
    tBxImage& empty = addControl<tBxImage>(form, detail, "Empty", 0, 0, 100, 100);
    tBxImage& stretched = addControl<tBxImage>(form, detail, "Stretched", 100, 0, 100, 100);
    TBitmap dot(2, 2, clBlack);
    stretched.SetPicture(dot);
    tBxImage& centred = addControl<tBxImage>(form, detail, "Centred", 0, 100, 4, 4);
    centred.SetPicture(dot);
    centred.SetStretch(false);
    tBxImage& icon = addControl<tBxImage>(form, detail, "Icon", 100, 100, 10, 10);
    icon.SetPicture(TOtherGraphic{32, 32});
    report.Print();

    EXPECT_EQ(canvas.calls, (std::vector<std::string>{"1:Rectangle(0,0,100,100)", "1:StretchDraw(100,0,200,100,2,2)",
                                                      "1:StretchDraw(0,100,4,104,4,4)", "1:Rectangle(100,100,110,110)"}));
    EXPECT_EQ(canvas.pens[0].Style, TPenStyle::psDashDot);
    EXPECT_EQ(canvas.brushes[0].Style, TBrushStyle::bsClear);
    TBitmap placed(4, 4);
    for (int y : {1, 2}) {
        for (int x : {1, 2}) {
            placed.setPixel(x, y, clBlack);
        }
    }
    EXPECT_EQ(canvas.bitmaps[1], placed);

    icon.SetAutoSize(true);
    EXPECT_EQ(icon.Width, 32);
    EXPECT_EQ(empty.Width, 100);
}

TEST_F(ReportControls, ControlsGoOnBandsAndBandsOnForms)
{
    TBxLabel& label = form.create<TBxLabel>("Label1");
    tBxBand& band = form.create<tBxBand>("Band1");
    try {
        label.SetParent(&form);
        FAIL();
    } catch (const EReportError& error) {
        EXPECT_STREQ(error.what(), "This component must be placed on a tBxBand.");
    }
    EXPECT_EQ(label.Parent(), nullptr);
    try {
        band.SetParent(&detail);
        FAIL();
    } catch (const EReportError& error) {
        EXPECT_STREQ(error.what(), "This component must be placed on a tForm.");
    }
    label.SetParent(&band);
    label.SetParent(nullptr);
    EXPECT_TRUE(band.Controls().empty());
    EXPECT_THROW(form.create<TBxLabel>("LABEL1"), EReportError);
}

} // namespace
} // namespace zelmora::test
