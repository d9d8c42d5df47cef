#include "engine/Mechanisms.h"
#include "model/Tables.h"
#include "model/Texts.h"
#include "ui/Selvane.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <clocale>

// The Calculate command on the ball screw with the default inputs, headless: the engine with the
// grid, memo and chart refresh, in normal and in debug mode; the same followed by the repaint of the
// whole window; and the engine's arithmetic alone.

namespace
{

enum class Refresh { Contents, AndRepaint };

void pressCalculate(benchmark::State &state, bool debug, Refresh refresh)
{
    Selvane_F->DebugMode = debug; // in debug mode the per-candidate lines reach the memo too
    for (auto _ : state) {
        Selvane_F->bbCalculate->Click(); // grids and chart are refreshed within the command
        Selvane_F->moRlt->Sync();        // the memo takes its new text on the next event otherwise
        if (refresh == Refresh::AndRepaint)
            QCoreApplication::processEvents();
    }
    Selvane_F->DebugMode = false;
    if (Selvane_F->stRlt->Caption() != "Suggest Maches : Total  9 Sets")
        state.SkipWithError("unexpected result");
}

void BM_CalculateBallScrew(benchmark::State &state)
{
    pressCalculate(state, false, Refresh::Contents);
}
BENCHMARK(BM_CalculateBallScrew)->Unit(benchmark::kMicrosecond);

void BM_CalculateBallScrewDebug(benchmark::State &state)
{
    pressCalculate(state, true, Refresh::Contents);
}
BENCHMARK(BM_CalculateBallScrewDebug)->Unit(benchmark::kMicrosecond);

void BM_CalculateBallScrewRepainted(benchmark::State &state)
{
    pressCalculate(state, false, Refresh::AndRepaint);
}
BENCHMARK(BM_CalculateBallScrewRepainted)->Unit(benchmark::kMicrosecond);

void BM_CalculateBallScrewDebugRepainted(benchmark::State &state)
{
    pressCalculate(state, true, Refresh::AndRepaint);
}
BENCHMARK(BM_CalculateBallScrewDebugRepainted)->Unit(benchmark::kMicrosecond);

// Steps 1 to 9 on the values of one read, with no line built and nothing shown.
void BM_BallScrewArithmetic(benchmark::State &state)
{
    Selvane_F->ReadCalcInputs();
    const engine::Calc silent(nullptr, 1);
    for (auto _ : state) {
        for (auto &m : MotorSpecs)
            m.Pass = 1;
        benchmark::DoNotOptimize(engine::RunSteps(silent, engine::BallScrew()));
    }
    Selvane_F->RefreshParamValues();
}
BENCHMARK(BM_BallScrewArithmetic)->Unit(benchmark::kMicrosecond);

// Rack and pinion, roll feed and rotary table with their default inputs, chosen on their picture
// page; the roll feed keeps all 43 records as candidates, the other two end with none suggested.
// Each starts from fresh tables, since a run before may have left converted values in the records,
// and leaves fresh tables and the ball screw behind.
void chooseWithDefaults(int mechanism)
{
    InitParamAndMotorTables();
    Selvane_F->pcModPic->UserSelect(mechanism);
}

void pressCalculateOn(benchmark::State &state, int mechanism, bool debug, const char *total)
{
    chooseWithDefaults(mechanism);
    Selvane_F->DebugMode = debug;
    for (auto _ : state) {
        Selvane_F->bbCalculate->Click();
        Selvane_F->moRlt->Sync();
    }
    Selvane_F->DebugMode = false;
    const AnsiString caption = Selvane_F->stRlt->Caption();
    chooseWithDefaults(0);
    if (caption != total)
        state.SkipWithError("unexpected result");
}

void BM_CalculateRackPinion(benchmark::State &state)
{
    pressCalculateOn(state, 1, false, "Suggest Maches : Total  0 Sets");
}
BENCHMARK(BM_CalculateRackPinion)->Unit(benchmark::kMicrosecond);

void BM_CalculateRollFeed(benchmark::State &state)
{
    pressCalculateOn(state, 2, false, "Suggest Maches : Total  9 Sets");
}
BENCHMARK(BM_CalculateRollFeed)->Unit(benchmark::kMicrosecond);

void BM_CalculateRollFeedDebug(benchmark::State &state)
{
    pressCalculateOn(state, 2, true, "Suggest Maches : Total  9 Sets");
}
BENCHMARK(BM_CalculateRollFeedDebug)->Unit(benchmark::kMicrosecond);

void BM_CalculateRotaryTable(benchmark::State &state)
{
    pressCalculateOn(state, 3, false, "Suggest Maches : Total  0 Sets");
}
BENCHMARK(BM_CalculateRotaryTable)->Unit(benchmark::kMicrosecond);

void BM_RollFeedArithmetic(benchmark::State &state)
{
    chooseWithDefaults(2);
    Selvane_F->ReadCalcInputs();
    const engine::Calc silent(nullptr, 1);
    for (auto _ : state) {
        for (auto &m : MotorSpecs)
            m.Pass = 1;
        benchmark::DoNotOptimize(engine::RunSteps(silent, engine::RollFeed()));
    }
    chooseWithDefaults(0);
}
BENCHMARK(BM_RollFeedArithmetic)->Unit(benchmark::kMicrosecond);

// Wheel cart and conveyor end with none suggested (their default loads are too heavy for every
// rotor). The elevator is the heaviest case: its peak torques and six energies are worked out for all
// 43 records, and in debug mode every one of their lines reaches the memo.
void BM_CalculateWheelCart(benchmark::State &state)
{
    pressCalculateOn(state, 4, false, "Suggest Maches : Total  0 Sets");
}
BENCHMARK(BM_CalculateWheelCart)->Unit(benchmark::kMicrosecond);

void BM_CalculateConveyor(benchmark::State &state)
{
    pressCalculateOn(state, 5, false, "Suggest Maches : Total  0 Sets");
}
BENCHMARK(BM_CalculateConveyor)->Unit(benchmark::kMicrosecond);

void BM_CalculateElevator(benchmark::State &state)
{
    pressCalculateOn(state, 6, false, "Suggest Maches : Total  9 Sets");
}
BENCHMARK(BM_CalculateElevator)->Unit(benchmark::kMicrosecond);

void BM_CalculateElevatorDebug(benchmark::State &state)
{
    pressCalculateOn(state, 6, true, "Suggest Maches : Total  9 Sets");
}
BENCHMARK(BM_CalculateElevatorDebug)->Unit(benchmark::kMicrosecond);

void BM_ElevatorArithmetic(benchmark::State &state)
{
    chooseWithDefaults(6);
    Selvane_F->ReadCalcInputs();
    const engine::Calc silent(nullptr, 1);
    for (auto _ : state) {
        for (auto &m : MotorSpecs)
            m.Pass = 1;
        benchmark::DoNotOptimize(engine::RunSteps(silent, engine::Elevator()));
    }
    chooseWithDefaults(0);
}
BENCHMARK(BM_ElevatorArithmetic)->Unit(benchmark::kMicrosecond);

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

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
