#include "platform/Graphics.h"

#include <QImage>
#include <gtest/gtest.h>

// Points to pixels at 96 dots per inch, rounded: size x 4 / 3 worked out by hand.
TEST(CanvasText, FontPointsBecomePixelsAtNinetySixDpiRounded)
{
    const struct {
        int points, pixels;
    } cases[] = {{7, 9}, {8, 11}, {9, 12}, {10, 13}, {11, 15}, {12, 16}};
    for (const auto &c : cases) {
        TCanvas::TFont font;
        font.Size = c.points;
        EXPECT_EQ(font.PixelSize(), c.pixels) << c.points << " pt";
    }
}

// The text's cell starts at the given point whatever the size: only its extent grows.
TEST(CanvasText, TextCellKeepsItsTopLeftAndGrowsWithTheSize)
{
    const QColor grey(128, 128, 128);
    int heights[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        QImage image(100, 60, QImage::Format_RGB32);
        image.fill(grey);
        TCanvas canvas(&image);
        canvas.Brush.Color = clWhite;
        canvas.Font.Size = i == 0 ? 8 : 16;
        canvas.TextOut(10, 20, "tA");
        EXPECT_NE(image.pixelColor(10, 20), grey);
        EXPECT_EQ(image.pixelColor(9, 20), grey);
        EXPECT_EQ(image.pixelColor(10, 19), grey);
        for (int y = 20; y < image.height(); ++y) {
            bool painted = false;
            for (int x = 10; x < 40; ++x)
                painted = painted || image.pixelColor(x, y) != grey;
            if (!painted)
                break;
            ++heights[i];
        }
    }
    EXPECT_GE(heights[0], 11) << "a line of 11-pixel text";
    EXPECT_GT(heights[1], heights[0]);
}
