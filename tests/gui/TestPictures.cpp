// The pictures drawn in code: the program icon at every size, the two flags of the
// language chooser, and the glyphs of the main window's buttons.

#include "support/TempFolder.h"

#include "gui/appearance/Flags.h"
#include "gui/appearance/Glyphs.h"
#include "gui/appearance/ProgramIcon.h"

#include <gtest/gtest.h>

#include <QImage>

namespace zelmora::test {
namespace {

bool isRed(QRgb pixel)
{
    return qRed(pixel) > 170 && qGreen(pixel) < 80 && qBlue(pixel) < 100;
}

bool isWhite(QRgb pixel)
{
    return qRed(pixel) > 235 && qGreen(pixel) > 235 && qBlue(pixel) > 235;
}

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > 90 && qRed(pixel) < 60;
}

TEST(ProgramIcon, IsDrawnAtEverySize)
{
    const QIcon icon = gui::programIcon();
    for (const int size : gui::ProgramIconSizes) {
        EXPECT_EQ(icon.pixmap(size).size(), QSize(size, size)) << size;
        // A shape on a transparent ground, not a filled square.
        const QImage image = gui::programIconPixmap(size).toImage();
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(ProgramIcon, WritesOnePngPerSize)
{
    const TempFolder folder;
    ASSERT_TRUE(gui::writeProgramIconPngs(QString::fromStdString(folder.path().string())).ok);
    for (const int size : gui::ProgramIconSizes) {
        const QImage written((folder / ("zelmora-" + std::to_string(size) + ".png")).c_str());
        EXPECT_EQ(written.size(), QSize(size, size)) << size;
    }
    const Status missing = gui::writeProgramIconPngs(QString::fromStdString((folder / "missing").string()));
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("zelmora-16.png"), std::string::npos) << missing.message;
}

TEST(Flags, FrenchBandsAreBlueWhiteRed)
{
    const QImage flag = gui::frenchFlag(QSize(90, 60)).toImage();
    EXPECT_TRUE(isBlue(flag.pixel(15, 30)));
    EXPECT_TRUE(isWhite(flag.pixel(45, 30)));
    EXPECT_TRUE(isRed(flag.pixel(75, 30)));
}

// The red diagonals lie beside the white ones, on the side that puts the broad white
// uppermost next to the hoist: below the diagonal on the left half, above it on the
// right. Points are on the 60 × 30 construction grid, one unit either side of a diagonal.
TEST(Flags, UnionFlagDiagonalsAreCounterchanged)
{
    const double scale = 10;
    const QImage flag = gui::englishFlag(QSize(600, 300)).toImage();
    const auto at = [&](double x, double y) { return flag.pixel(qRound(x * scale), qRound(y * scale)); };
    struct Quarter {
        const char* name;
        QPointF red;
        QPointF white;
    };
    const Quarter quarters[] = {
        {"upper hoist", {9.553, 5.894}, {10.447, 4.106}},
        {"upper fly", {49.553, 4.106}, {50.447, 5.894}},
        {"lower fly", {50.447, 24.106}, {49.553, 25.894}},
        {"lower hoist", {10.447, 25.894}, {9.553, 24.106}},
    };
    for (const Quarter& quarter : quarters) {
        EXPECT_TRUE(isRed(at(quarter.red.x(), quarter.red.y()))) << quarter.name;
        EXPECT_TRUE(isWhite(at(quarter.white.x(), quarter.white.y()))) << quarter.name;
    }
    EXPECT_TRUE(isRed(at(30, 15))) << "St George's cross";
    EXPECT_TRUE(isBlue(at(20, 2))) << "the field";
}

TEST(Glyphs, EachIsItsOwnPictureAtEverySize)
{
    const gui::Glyph glyphs[] = {gui::Glyph::Print, gui::Glyph::TextFile, gui::Glyph::HtmlPage,
                                 gui::Glyph::About, gui::Glyph::Options,  gui::Glyph::Help,
                                 gui::Glyph::Quit,  gui::Glyph::Ok,       gui::Glyph::Cancel};
    QList<QImage> seen;
    for (const gui::Glyph glyph : glyphs) {
        const QIcon icon = gui::glyphIcon(glyph);
        for (const int size : {16, 24, 32, 48}) {
            EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << static_cast<int>(glyph) << " at " << size;
        }
        const QImage image = icon.pixmap(32, 32).toImage();
        EXPECT_FALSE(seen.contains(image)) << static_cast<int>(glyph);
        seen.append(image);
    }
}

} // namespace
} // namespace zelmora::test
