// Tabs on paper: a tab advances to the next stop of the font on the device, as on screen,
// and the text after it lands where it was measured.

#include "PdfText.h"
#include "support/TempFolder.h"

#include "gui/report/QtReportPrinter.h"

#include <gtest/gtest.h>

#include <QFontMetrics>

namespace zelmora::test {
namespace {

using namespace zelmora::report;

// Left edge, in points, of the first word `word` of the PDF's first page.
double wordLeft(const std::filesystem::path& pdf, const QString& word)
{
    const QString boxes =
        QString::fromStdString(runProcess("pdftotext", {"-bbox", QString::fromStdString(pdf.string()), "-"}).out);
    const QRegularExpressionMatch found =
        QRegularExpression(QStringLiteral(R"re(<word xMin="([\d.]+)"[^>]*>%1</word>)re").arg(word)).match(boxes);
    return found.hasMatch() ? found.captured(1).toDouble() : -1;
}

TEST(PrintedTabs, ATabAdvancesByTheDeviceFontsTabStopsNotByThePrinterResolution)
{
    ASSERT_TRUE(havePopplerTools()) << "pdftotext (poppler-utils) is needed: make test installs it";
    const TempFolder folder;
    gui::QtReportPrinter printer;
    printer.printToPdf(folder / "tab.pdf");
    printer.BeginDoc();
    ReportCanvas& canvas = printer.Canvas();
    canvas.font().Size = 12;
    canvas.font().Bold = true;
    const int stop = 8 * QFontMetrics(gui::toQFont(canvas.font()), &printer.qprinter()).averageCharWidth();
    const auto widthOf = [&canvas](std::string_view text) {
        TRect rect{0, 0, 10, 10};
        canvas.DrawText(text, rect, dtCalcRect | dtExpandTabs);
        return rect.Right;
    };
    EXPECT_LT(stop, 600) << "eight characters of a 12-point font are well under an inch";
    EXPECT_EQ(widthOf("\tapres") - widthOf("apres"), stop);
    EXPECT_EQ(widthOf("avant\tapres"), widthOf("\tapres")) << "'avant' ends before the first stop";
    EXPECT_EQ(widthOf("avant\t\tapres") - widthOf("\tapres"), stop);

    constexpr int left = 1450;
    TRect line{left, 600, 4963, 700};
    canvas.DrawText("avant\tapres", line, dtLeft | dtExpandTabs);
    printer.EndDoc();

    // Both words begin with the same letter: the distance between them is the tab's advance.
    constexpr double pixelsPerPoint = 600.0 / 72;
    const double avant = wordLeft(folder / "tab.pdf", "avant") * pixelsPerPoint;
    const double apres = wordLeft(folder / "tab.pdf", "apres") * pixelsPerPoint;
    EXPECT_NEAR(avant, left, 5);
    EXPECT_NEAR(apres - avant, stop, 3);
}

} // namespace
} // namespace zelmora::test
