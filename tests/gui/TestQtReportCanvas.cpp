// The Qt canvas: texts measured in the device's own pixels, fonts at their point size,
// and the system's date and time formats.

#include "gui/report/QtPrintPlatform.h"
#include "gui/report/QtReportCanvas.h"
#include "core/report/TBxPrinter.h"

#include <gtest/gtest.h>

#include <QDate>
#include <QFontDatabase>
#include <QImage>
#include <QLocale>
#include <QPainter>

namespace zelmora::test {
namespace {

using namespace zelmora::report;

// An image of `dpi` dots per inch, white, to paint and measure on.
QImage page(int dpi, int width = 2000, int height = 400)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(static_cast<int>(dpi / 0.0254 + 0.5));
    image.setDotsPerMeterY(static_cast<int>(dpi / 0.0254 + 0.5));
    image.fill(Qt::white);
    return image;
}

TRect measure(int dpi, std::string_view text, const TFont& font, unsigned flags = 0, int width = 10)
{
    QImage image = page(dpi);
    QPainter painter(&image);
    gui::QtReportCanvas canvas(painter);
    canvas.font() = font;
    TRect rect{5, 7, 5 + width, 8};
    canvas.DrawText(text, rect, flags | dtCalcRect);
    return rect;
}

TEST(QtReportCanvas, AFontKeepsItsPointSizeOnEveryDevice)
{
    TFont twelve;
    twelve.Size = 12;
    const TRect screen = measure(96, "Last Name", twelve);
    const TRect printer = measure(600, "Last Name", twelve);
    EXPECT_EQ(screen.Left, 5);
    EXPECT_EQ(screen.Top, 7);
    // 12 points are 100 pixels at 600 dpi: a line is a little more.
    EXPECT_GE(printer.Bottom - printer.Top, 100);
    EXPECT_LE(printer.Bottom - printer.Top, 160);
    EXPECT_NEAR(static_cast<double>(printer.Right - printer.Left) / (screen.Right - screen.Left), 600.0 / 96, 0.8);
}

TEST(QtReportCanvas, MeasuresLinesAndWrapsWithinTheWidth)
{
    TFont font;
    const TRect one = measure(96, "x", font);
    const TRect three = measure(96, "first\r\nsecond\nthird", font);
    EXPECT_GE(three.Bottom - three.Top, 3 * (one.Bottom - one.Top) - 3);
    const TRect wrapped = measure(96, "many words to wrap here", font, dtWordBreak, 40);
    EXPECT_EQ(wrapped.Right, 45) << "word-breaking keeps the width";
    EXPECT_GT(wrapped.Bottom - wrapped.Top, 2 * (one.Bottom - one.Top));
}

TEST(QtReportCanvas, AMissingFamilyFallsBackToAnInstalledOne)
{
    const QFont font = gui::toQFont(TFont{"No Such Family Anywhere", 10});
    EXPECT_NE(font.family(), "No Such Family Anywhere");
    EXPECT_EQ(font.pointSize(), 10);
    EXPECT_EQ(gui::toQFont(TFont{}).family().isEmpty(), false);
}

TEST(QtReportCanvas, TextIsCutAtItsRectangle)
{
    QImage image = page(96, 200, 60);
    {
        QPainter painter(&image);
        gui::QtReportCanvas canvas(painter);
        canvas.font().Size = 20;
        TRect rect{10, 10, 40, 30};
        canvas.DrawText("WWWWWWWWWW", rect, dtLeft);
    }
    bool inkInside = false;
    bool inkOutside = false;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                const bool inside = x >= 10 && x < 40 && y >= 10 && y < 30;
                (inside ? inkInside : inkOutside) = true;
            }
        }
    }
    EXPECT_TRUE(inkInside);
    EXPECT_FALSE(inkOutside);
}

TEST(QtPrintPlatform, PreviewPagesAreRecordedAsPictures)
{
    const FixedClock clock;
    gui::QtPrintPlatform platform(clock);
    TBxPrinter printer(platform);
    printer.BeginDoc();
    printer.Canvas().Rectangle(10, 10, 100, 100);
    printer.EndDoc();
    ASSERT_EQ(printer.Pages.size(), 1u);
    const auto& page = dynamic_cast<const gui::QtMetafile&>(printer.Pages[0].recorder());
    EXPECT_GT(page.picture().size(), 0u);
    EXPECT_EQ(page.picture().boundingRect(), QRect(0, 0, 794, 1123)); // A4 at 96 dpi
}

TEST(QtPrintPlatform, TimesOfDayLeaveTheTimeZoneOut)
{
    EXPECT_EQ(gui::longTimeFormat("HH:mm:ss t"), "HH:mm:ss");
    EXPECT_EQ(gui::longTimeFormat("h:mm:ss AP t"), "h:mm:ss AP");
    EXPECT_EQ(gui::longTimeFormat("'at' HH:mm:ss"), "'at' HH:mm:ss");

    const FixedClock clock(LocalDateTime{{2026, 12, 8}, 14, 3, 5});
    const gui::QtPrintPlatform platform(clock);
    EXPECT_EQ(platform.pixelsPerInch(), 96);
    EXPECT_EQ(platform.longTime(platform.now()).find("UTC"), std::string::npos);
    EXPECT_NE(platform.longTime(platform.now()).find("03"), std::string::npos);
    EXPECT_EQ(platform.shortDate(platform.now().date),
              QLocale::system().toString(QDate(2026, 12, 8), QLocale::ShortFormat).toStdString());
}

} // namespace
} // namespace zelmora::test
