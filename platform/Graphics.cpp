#include "platform/Graphics.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPalette>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

QColor ToQColor(TColor color)
{
    if (color & 0x80000000u) {
        const QPalette pal = QApplication::palette();
        switch (color) {
        case clBtnFace:
            return pal.color(QPalette::Button);
        case clWindow:
            return pal.color(QPalette::Base);
        case clInactiveCaptionText:
            return QColor(0xE3, 0xE3, 0xE3);
        default:
            return pal.color(QPalette::Window);
        }
    }
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

namespace
{
void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
}
} // namespace

// The open drawing's painter, or one of its own for a single call. Every call sets the pen, brush
// and font it uses, so nothing carries over from one call to the next.
class TCanvas::Painter
{
  public:
    explicit Painter(TCanvas *canvas)
    {
        if (canvas->painter_) {
            p_ = canvas->painter_.get();
        } else {
            own_.emplace(canvas->image_);
            p_ = &*own_;
            prepare(*p_);
        }
    }
    QPainter *operator->() const { return p_; }

  private:
    std::optional<QPainter> own_;
    QPainter *p_;
};

TCanvas::~TCanvas() = default;

TCanvas::Drawing::Drawing(TCanvas *canvas) : canvas_(canvas), opened_(!canvas->painter_)
{
    if (opened_) {
        canvas_->painter_ = std::make_unique<QPainter>(canvas_->image_);
        prepare(*canvas_->painter_);
    }
}

TCanvas::Drawing::~Drawing()
{
    if (opened_)
        canvas_->painter_.reset();
}

void TCanvas::FillRect(const TRect &r)
{
    if (r.Right <= r.Left || r.Bottom <= r.Top)
        return;
    Painter p(this);
    p->fillRect(QRect(r.Left, r.Top, r.Right - r.Left, r.Bottom - r.Top), ToQColor(Brush.Color));
}

void TCanvas::MoveTo(int x, int y)
{
    pen_ = {x, y};
}

void TCanvas::LineTo(int x, int y)
{
    // The end pixel is left out, as the old line routine did; a zero-length line draws nothing.
    if (x != pen_.x || y != pen_.y) {
        const double dx = static_cast<double>(x) - pen_.x, dy = static_cast<double>(y) - pen_.y;
        const double steps = std::max(std::abs(dx), std::abs(dy));
        // Only the steps that can fall inside the bitmap are walked, so a far-off end costs nothing.
        double first = 0, last = steps - 1;
        auto clip = [&](double from, double delta, int size) {
            if (delta == 0)
                return;
            double a = (-1 - from) * steps / delta, b = (size - from) * steps / delta;
            if (a > b)
                std::swap(a, b);
            first = std::max(first, std::floor(a));
            last = std::min(last, std::ceil(b));
        };
        clip(pen_.x, dx, image_->width());
        clip(pen_.y, dy, image_->height());
        for (double i = first; i <= last; ++i) {
            const int px = pen_.x + static_cast<int>(std::lround(dx * i / steps));
            const int py = pen_.y + static_cast<int>(std::lround(dy * i / steps));
            if (image_->rect().contains(px, py))
                image_->setPixelColor(px, py, Qt::black);
        }
    }
    pen_ = {x, y};
}

void TCanvas::Polygon(const TPoint *points, int count)
{
    QPolygon poly;
    for (int i = 0; i < count; ++i)
        poly << QPoint(points[i].x, points[i].y);
    Painter p(this);
    p->setPen(QPen(Qt::black, 0));
    p->setBrush(ToQColor(Brush.Color));
    p->drawPolygon(poly);
}

void TCanvas::TextOut(int x, int y, const AnsiString &text)
{
    Painter p(this);
    QFont f; // the application font, as a fresh painter has it
    f.setPixelSize(Font.PixelSize());
    f.setStyleStrategy(QFont::NoAntialias);
    p->setFont(f);
    const QString s = QString::fromStdString(text);
    const QFontMetrics fm(f);
    const QRect box(x, y, fm.horizontalAdvance(s), fm.height());
    p->fillRect(box, ToQColor(Brush.Color));
    p->setPen(ToQColor(Font.Color));
    p->drawText(box, Qt::AlignLeft | Qt::AlignTop, s);
    pen_ = {x + box.width(), y};
}
