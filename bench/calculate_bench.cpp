#include "engine/Mechanisms.h"
#include "model/Tables.h"
#include "model/Texts.h"
#include "ui/Selvane.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <clocale>
#include <cmath>
#include <string>

// The Calculate command on every mechanism with its default inputs, headless: the engine with the
// grid, memo and chart refresh, in normal and in debug mode (where every per-candidate line reaches
// the memo); the same followed by the repaint of the whole window; and the engine's arithmetic alone.
// Each run is checked by numbers (suggestion count, one result), never by a translated text.

namespace
{

struct MechanismCase {
    const char *name;
    const engine::Mechanism &(*steps)();
    int suggestions;    // rows in the suggested-matches grid
    const char *symbol; // a row of the result grid ...
    double value;       // ... and its value in SI units
};

// Worked out apart from the program from the default inputs (as in the engine tests).
const MechanismCase Cases[] = {
    {"BallScrew", engine::BallScrew, 9, "JL", 6.81434094370253e-5},
    {"RackPinion", engine::RackPinion, 0, "tP", 1.49985714285714},
    {"RollFeed", engine::RollFeed, 9, "tP", 1.49985714285714},
    {"RotaryTable", engine::RotaryTable, 0, "JL", 0.640452708864845},
    {"WheelCart", engine::WheelCart, 0, "JL", 0.6},
    {"Conveyor", engine::Conveyor, 0, "JL", 0.25},
    {"Elevator", engine::Elevator, 9, "JL", 9.98062793252559e-5},
};

// Fresh tables for mechanism, chosen on its picture page: a run before may have left converted
// values in the records.
void chooseWithDefaults(int mechanism)
{
    InitParamAndMotorTables();
    Selvane_F->pcModPic->UserSelect(mechanism);
}

// Empty when the window shows what c expects, else what differs.
std::string mismatch(const MechanismCase &c)
{
    const int rows = Selvane_F->sgMotorRlt->RowCount() - 1;
    if (rows != c.suggestions)
        return std::to_string(rows) + " suggestions, expected " + std::to_string(c.suggestions);
    TStringGrid *grid = Selvane_F->sgPar3;
    for (int row = 1; row < grid->RowCount(); ++row) {
        if (grid->Cells(0, row) != c.symbol)
            continue;
        const double v = std::stod(grid->Cells(1, row).c_str());
        if (std::fabs(v - c.value) > 1e-12 * std::fabs(c.value))
            return std::string(c.symbol) + " = " + grid->Cells(1, row).c_str();
        return {};
    }
    return std::string("no row ") + c.symbol;
}

enum class Refresh { Contents, AndRepaint };
// The same inputs every time (what is shown mostly stays), or the acceleration time changed before
// every press, so that nearly every result and memo line differs from the press before.
enum class Inputs { Same, Alternating };

// Row of the acceleration time in the input grid.
int accelerationRow()
{
    TStringGrid *grid = Selvane_F->sgPar1;
    for (int row = 1; row < grid->RowCount(); ++row)
        if (grid->Cells(0, row) == "tA")
            return row;
    return -1;
}

void pressCalculate(benchmark::State &state, const MechanismCase &c, int mechanism, bool debug,
                    Refresh refresh, Inputs inputs = Inputs::Same)
{
    chooseWithDefaults(mechanism);
    Selvane_F->DebugMode = debug;
    const int tA = inputs == Inputs::Alternating ? accelerationRow() : -1;
    const AnsiString entered = tA > 0 ? Selvane_F->sgPar1->Cells(1, tA) : AnsiString();
    bool other = false;
    for (auto _ : state) {
        if (tA > 0) {
            Selvane_F->sgPar1->SetCells(1, tA, other ? "0.3" : entered);
            other = !other;
        }
        Selvane_F->bbCalculate->Click(); // grids and chart are refreshed within the command
        Selvane_F->moRlt->Sync();        // the memo takes its new text on the next event otherwise
        if (refresh == Refresh::AndRepaint)
            QCoreApplication::processEvents();
    }
    if (tA > 0) {
        Selvane_F->sgPar1->SetCells(1, tA, entered);
        Selvane_F->bbCalculate->Click();
    }
    Selvane_F->DebugMode = false;
    if (inputs == Inputs::Alternating && tA < 0)
        return state.SkipWithError("no row tA");
    const std::string wrong = mismatch(c);
    chooseWithDefaults(0);
    if (!wrong.empty())
        state.SkipWithError(wrong.c_str());
}

// The steps on the values of one read, with no line built and nothing shown.
void runArithmetic(benchmark::State &state, const MechanismCase &c, int mechanism)
{
    chooseWithDefaults(mechanism);
    Selvane_F->ReadCalcInputs();
    const engine::Calc silent(nullptr, 1);
    bool ok = true;
    for (auto _ : state) {
        for (auto &m : MotorSpecs)
            m.Pass = 1;
        ok = engine::RunSteps(silent, c.steps());
        benchmark::DoNotOptimize(ok);
    }
    chooseWithDefaults(0);
    if (!ok)
        state.SkipWithError("the steps stopped");
}

void registerAll()
{
    for (int i = 0; i < 7; ++i) {
        const MechanismCase &c = Cases[i];
        const std::string name = std::string("Calculate") + c.name;
        const struct {
            const char *suffix;
            bool debug;
            Refresh refresh;
        } variants[] = {
            {"", false, Refresh::Contents},
            {"Debug", true, Refresh::Contents},
            {"Repainted", false, Refresh::AndRepaint},
            {"DebugRepainted", true, Refresh::AndRepaint},
        };
        for (const auto &v : variants)
            benchmark::RegisterBenchmark((name + v.suffix).c_str(), [&c, i, v](benchmark::State &s) {
                pressCalculate(s, c, i, v.debug, v.refresh);
            })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((name + "DebugRepaintedNewInput").c_str(), [&c, i](benchmark::State &s) {
            pressCalculate(s, c, i, true, Refresh::AndRepaint, Inputs::Alternating);
        })->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string(c.name) + "Arithmetic").c_str(), [&c,
                                                                                    i](benchmark::State &s) {
            runArithmetic(s, c, i);
        })->Unit(benchmark::kMicrosecond);
    }
}

} // namespace

int main(int argc, char **argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_ALL, "C");
    // Boxes answer at once; none is expected with the default inputs.
    SetMessageHook([](const MessageRecord &) { return IDOK; });
    MainFormOpen = 1;
    CreateForms();
    LanguageIndex = 0;
    Selvane_F->Show();
    Selvane_F->Activate();
    QCoreApplication::processEvents();

    registerAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
