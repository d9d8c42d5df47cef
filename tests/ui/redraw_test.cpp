#include "../engine/EngineFixture.h"

#include "model/MotorCatalogue.h"

// Calculate writes again only what changed; what it shows must still follow every change.

class RedrawTest : public EngineTest
{
  protected:
    // The result columns (Trms .. ER) of the catalogue grid, row by row.
    std::vector<AnsiString> catalogueResults() const
    {
        std::vector<AnsiString> cells;
        for (int row = 1; row <= 43; ++row)
            for (int col = 8; col < 16; ++col)
                cells.push_back(w->sgMotor->Cells(col, row));
        return cells;
    }
};

TEST_F(RedrawTest, CatalogueFollowsChangedInputsAndBack)
{
    calculate();
    const auto first = catalogueResults();
    EXPECT_EQ(w->sgMotor->Cells(8, 2), FloatToStr(MotorSpecs[1].Trms));

    setInput("ML", "10"); // a heavier load: every torque and energy changes
    calculate();
    const auto heavier = catalogueResults();
    int changed = 0;
    for (size_t i = 0; i < first.size(); ++i)
        changed += first[i] != heavier[i];
    EXPECT_GT(changed, 43 * 4);
    EXPECT_EQ(w->sgMotor->Cells(8, 2), FloatToStr(MotorSpecs[1].Trms));

    setInput("ML", "5");
    calculate();
    EXPECT_EQ(catalogueResults(), first);

    // Someone else's text in a cell is replaced even though the number is the same.
    w->sgMotor->SetCells(8, 1, "x");
    calculate();
    EXPECT_EQ(catalogueResults(), first);
}
