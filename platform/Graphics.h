#pragma once

#include "platform/SysUtils.h"

#include <QColor>
#include <QImage>
#include <QPainter>

#include <cstdint>
#include <memory>

// Colour as $00BBGGRR; values with the high bit set name system colours.
using TColor = std::uint32_t;
constexpr TColor clBlack = 0x000000;
constexpr TColor clNavy = 0x800000;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0x8000000F;
constexpr TColor clWindow = 0x80000005;
constexpr TColor clInactiveCaptionText = 0x80000013;

QColor ToQColor(TColor color);

struct TRect {
    int Left, Top, Right, Bottom;
};
struct TPoint {
    int x, y;
};

// Drawing on a bitmap with the pixel rules of the old graphics interface: no antialiasing, a
// one-pixel black pen, lines that omit their last pixel, rectangles that omit right and bottom edges.
class TCanvas
{
  public:
    struct TBrush {
        TColor Color = clWhite;
    };
    struct TFont {
        TColor Color = clBlack;
        int Size = 8; // points; drawn at the pixel size the old screens used (96 dpi)
        // Size x 96 / 72 rounded to the nearest pixel, as the old interface converted points.
        int PixelSize() const { return (Size * 96 + 36) / 72; }
    };

    explicit TCanvas(QImage *image) : image_(image) {}
    ~TCanvas();
    // While one lives, every call on the canvas draws with the same painter instead of opening
    // its own.
    class Drawing
    {
      public:
        explicit Drawing(TCanvas *canvas);
        ~Drawing();
        Drawing(const Drawing &) = delete;
        Drawing &operator=(const Drawing &) = delete;

      private:
        TCanvas *canvas_;
        bool opened_;
    };
    TBrush Brush;
    TFont Font;

    void FillRect(const TRect &r);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polygon(const TPoint *points, int count);
    void TextOut(int x, int y, const AnsiString &text);
    TPoint PenPos() const { return pen_; }

  private:
    class Painter;
    QImage *image_;
    TPoint pen_{0, 0};
    std::unique_ptr<QPainter> painter_; // the open drawing's
};
