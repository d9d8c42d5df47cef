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
