#include "EngineFixture.h"

// With the English Message.ini the fault message of a mechanism is its name, so the box must add
// that the calculation failed; the ball screw, rack and pinion and elevator keep their own forms.
class FaultBoxTest : public EngineTest
{
  protected:
    bool WithTextFiles() const override { return true; }
};

TEST_F(FaultBoxTest, EveryMechanismSaysThatItFailedAndWhy)
{
    const AnsiString overflow = "Floating point overflow";
    const struct {
        int index;
        const char *symbol, *text;
        AnsiString box;
    } cases[] = {
        {0, "1/RN", "1e-320", "Ball Screw Calculation Error!"}, // V / ΔS
        {1, "1/RN", "1e-320", "Rack and Pinion Calculation Error!"},
        {2, "DR", "1e-320", "Roll Feed Calculation Error! \n\n" + overflow}, // V / ΔS
        {3, "1/RN", "1e-320", "Rotary Table Calculation Error! \n\n" + overflow},
        {4, "DO", "1e-320", "Wheel Cart Calculation Error! \n\n" + overflow}, // V / ΔS
        {5, "DR", "1e-320", "Conveyor Calculation Error! \n\n" + overflow},   // V / ΔS
        {6, "1/RN", "1e-320", "Elevator \n\n" + overflow},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.index);
        InitParamAndMotorTables(); // the failed input stays in the table
        w->tbSI->Click();
        w->pcModPic->UserSelect(c.index);
        messages.clear();
        setInput(c.symbol, c.text);
        calculate();
        EXPECT_EQ(MessageTexts(), std::vector<AnsiString>{c.box});
        EXPECT_TRUE(suggestions().empty());
    }
}
