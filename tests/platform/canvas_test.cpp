#include "platform/Graphics.h"

#include <gtest/gtest.h>

#include <functional>

// Drawing with one painter held open for the whole drawing leaves the same pixels as drawing with
// a painter per call.
TEST(Canvas, OnePainterPerDrawingDrawsTheSamePixels)
{
    const std::function<void(TCanvas &)> drawings[] = {
        [](TCanvas &c) {
            c.Brush.Color = 0xDDE8DB;
            c.FillRect({5, 5, 60, 40});
        },
        [](TCanvas &c) {
            c.MoveTo(2, 2);
            c.LineTo(70, 45);
            c.LineTo(3, 45);
        },
        [](TCanvas &c) {
            c.Brush.Color = clBlue;
            const TPoint p[3] = {{10, 10}, {20, 15}, {10, 20}};
            c.Polygon(p, 3);
            c.MoveTo(0, 30);
            c.LineTo(79, 30); // a line drawn after the polygon, over it
        },
        [](TCanvas &c) {
            c.Brush.Color = clWhite;
            c.Font.Color = 0xFF0000;
            c.TextOut(4, 4, "tA");
            c.Brush.Color = 0xBCD9DE;
            c.FillRect({30, 0, 50, 50});
            c.TextOut(32, 20, "(sec)");
        },
    };
    QImage blank(80, 50, QImage::Format_RGB32);
    blank.fill(Qt::white);
    int i = 0;
    for (const auto &draw : drawings) {
        QImage single(80, 50, QImage::Format_RGB32), held(80, 50, QImage::Format_RGB32);
        single.fill(Qt::white);
        held.fill(Qt::white);
        TCanvas a(&single), b(&held);
        draw(a);
        {
            const TCanvas::Drawing drawing(&b);
            draw(b);
        }
        EXPECT_EQ(single, held) << "drawing " << i;
        EXPECT_NE(single, blank) << "drawing " << i << " drew nothing";
        ++i;
    }
}
