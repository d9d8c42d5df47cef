#include "platform/Real.h"
#include "ui/Selvane.h"

#include <initializer_list>

namespace
{

constexpr TColor PanelColour = 0xBCD9DE; // the colour of Panel5 around the picture
constexpr TColor PlotColour = 0xDDE8DB;
constexpr TColor LabelColour = 0xFF0000; // blue
constexpr int ElevatorIndex = 6;

// Rows of the drawing: the time axis, the speed plateaus of the two strokes and the dimension rows.
constexpr int AxisY = 160, PlateauY = 110, SecondPlateauY = 210;
constexpr int SpansY = 180, MoveY = 200, CycleY = 220;
constexpr int SecondSpansY = 140, SecondMoveY = 120;

void clearPicture(TImage *image)
{
    TCanvas *canvas = image->Canvas();
    canvas->Brush.Color = PanelColour;
    canvas->FillRect({0, 0, image->Width(), image->Height()});
    // Runs past the lower edge of the 257-pixel picture: only its top, left and right show.
    canvas->Brush.Color = PlotColour;
    canvas->FillRect({20, 20, 360, 360});
}

// A schematic of the cycle: times map to x at k pixels per second from x = 50.
class Profile
{
  public:
    Profile(TCanvas *canvas, double k) : canvas_(canvas), k_(k) {}

    int x(Real t, int offset = 0) const { return (t * k_ + (50 + offset)).trunc(); }

    void polyline(std::initializer_list<TPoint> points) const
    {
        canvas_->MoveTo(points.begin()->x, points.begin()->y);
        for (auto p = points.begin() + 1; p != points.end(); ++p)
            canvas_->LineTo(p->x, p->y);
    }
    void vertical(int atX, int fromY, int toY) const { polyline({{atX, fromY}, {atX, toY}}); }
    void horizontal(int atY, int fromX, int toX) const { polyline({{fromX, atY}, {toX, atY}}); }

    // Arrowheads 5 pixels long and 10 wide with the tip at time t on row y.
    void arrowRight(Real t, int y) const
    {
        const TPoint p[3] = {{x(t, -5), y - 5}, {x(t), y}, {x(t, -5), y + 5}};
        canvas_->Polygon(p, 3);
    }
    void arrowLeft(Real t, int y) const
    {
        const TPoint p[3] = {{x(t, 5), y - 5}, {x(t), y}, {x(t, 5), y + 5}};
        canvas_->Polygon(p, 3);
    }
    // The label of a span that starts at s and lasts d, 5 pixels left of the span's middle.
    void label(const char *text, Real s, Real d, int y) const
    {
        canvas_->TextOut((50 + s * k_ + d * k_ * 0.5 - 5).trunc(), y, text);
    }

  private:
    TCanvas *canvas_;
    double k_;
};

} // namespace

void TSelvane_F::DrawMotionProfile(double tA, double tE, double tD, double tR, double tS)
{
    auto twoStrokes = [this] { return cbModel->ItemIndex() == ElevatorIndex; };
    const TCanvas::Drawing drawing(imgFig->Canvas());
    clearPicture(imgFig);
    TCanvas *canvas = imgFig->Canvas();
    const Profile axes(canvas, 0);
    axes.polyline({{50, 50}, {50, AxisY}, {350, AxisY}});

    const double T = Real(tA) + tE + tD + tR + tS; // one stroke
    double k = Real(240) / T;
    if (twoStrokes())
        k = Real(k) * 0.5; // both strokes share the 240 pixels
    const Profile p(canvas, k);

    // Time points of the cycle, each summed in the order of the phases.
    const Real a = tA, ae = a + tE, aed = ae + tD, aedr = aed + tR, end = aedr + tS;
    const Real T2 = end + tA, T2e = T2 + tE, T2ed = T2e + tD, T2edr = T2ed + tR, end2 = T2edr + tS;

    p.polyline({{50, AxisY}, {p.x(a), PlateauY}, {p.x(ae), PlateauY}, {p.x(aed), AxisY}});
    if (twoStrokes())
        p.polyline(
            {{p.x(end), AxisY}, {p.x(T2), SecondPlateauY}, {p.x(T2e), SecondPlateauY}, {p.x(T2ed), AxisY}});

    p.vertical(p.x(a), PlateauY, 185);
    p.vertical(p.x(ae), PlateauY, 185);
    p.vertical(50, 163, 230);
    p.vertical(p.x(aed), 163, 185);
    p.vertical(p.x(aedr), 163, MoveY);
    if (!twoStrokes())
        p.vertical(p.x(end), 163, 230);

    p.horizontal(SpansY, 50, p.x(aedr));
    p.horizontal(MoveY, 50, p.x(end));
    if (!twoStrokes())
        p.horizontal(CycleY, 50, p.x(end));

    {
        const TPoint up[3] = {{45, 55}, {50, 50}, {55, 55}};
        canvas->Polygon(up, 3);
        const TPoint right[3] = {{345, 155}, {350, 160}, {345, 165}};
        canvas->Polygon(right, 3);
    }
    p.arrowLeft(0, SpansY);
    for (const Real &t : {a, ae, aed}) {
        p.arrowRight(t, SpansY);
        p.arrowLeft(t, SpansY);
    }
    p.arrowRight(aedr, SpansY);
    p.arrowLeft(0, MoveY);
    p.arrowRight(aedr, MoveY);
    p.arrowLeft(aedr, MoveY);
    p.arrowRight(end, MoveY);
    p.arrowLeft(0, CycleY);
    if (!twoStrokes())
        p.arrowRight(end, CycleY);

    canvas->Font.Color = LabelColour;
    canvas->Font.Size = 8;
    canvas->TextOut(35, 80, "NV");
    canvas->TextOut(35, 35, "(rpm)");
    p.label("tA", 0, tA, SpansY - 15);
    p.label("tE", a, tE, SpansY - 15);
    p.label("tD", ae, tD, SpansY - 15);
    p.label("tR", aed, tR, SpansY - 15);
    p.label("tM", 0, aedr, MoveY - 13);
    p.label("tS", aedr, tS, MoveY - 13);
    if (!twoStrokes())
        p.label("tP", 0, end, CycleY - 13);

    if (twoStrokes()) {
        p.vertical(p.x(T2), 135, SecondPlateauY);
        p.vertical(p.x(T2e), 135, SecondPlateauY);
        p.vertical(p.x(end), 115, 157);
        p.vertical(p.x(T2ed), 135, 157);
        p.vertical(p.x(T2edr), 130, 157);
        p.vertical(p.x(end2), 115, 157);
        p.vertical(p.x(end), 163, SecondPlateauY);
        p.vertical(p.x(end2), 163, 230);

        p.horizontal(SecondSpansY, p.x(end), p.x(T2edr));
        p.horizontal(SecondMoveY, p.x(end), p.x(end2));
        p.horizontal(CycleY, 50, p.x(end2));

        p.arrowLeft(end, SecondSpansY);
        for (const Real &t : {T2, T2e, T2ed}) {
            p.arrowRight(t, SecondSpansY);
            p.arrowLeft(t, SecondSpansY);
        }
        p.arrowRight(T2edr, SecondSpansY);
        p.arrowLeft(end, SecondMoveY);
        p.arrowRight(T2edr, SecondMoveY);
        p.arrowLeft(T2edr, SecondMoveY);
        p.arrowRight(end2, SecondMoveY);
        p.arrowRight(end2, CycleY);

        canvas->Font.Color = LabelColour;
        canvas->Font.Size = 8;
        p.label("tA", end, tA, SecondSpansY - 15);
        p.label("tE", T2, tE, SecondSpansY - 15);
        p.label("tD", T2e, tD, SecondSpansY - 15);
        p.label("tR", T2ed, tR, SecondSpansY - 15);
        p.label("tM", end, aedr, SecondMoveY - 13);
        p.label("tS", T2edr, tS, SecondMoveY - 13);
        p.label("tP", 0, end2, CycleY - 13);
    }

    canvas->TextOut(330, 165, "(sec)");
    imgFig->Invalidate();
}

void TSelvane_F::ClearChart()
{
    clearPicture(imgFig);
    imgFig->Invalidate();
}

void TSelvane_F::ClearResults()
{
    ClearChart();
    // The total belongs to the matches cleared below.
    stRlt->SetCaption("");
    moRlt->Lines.Clear();
    meSingleRlt->Lines.Clear();
    for (int row = 1; row < sgMotorRlt->RowCount(); ++row) {
        for (int col = 0; col < sgMotorRlt->ColCount(); ++col)
            sgMotorRlt->SetCells(col, row, "");
    }
    for (int row = 1; row < sgPar3->RowCount(); ++row)
        sgPar3->SetCells(1, row, "");
}
