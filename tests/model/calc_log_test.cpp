#include "MainWindowFixture.h"

#include "model/Tables.h"

namespace
{

struct Routing {
    int code;
    bool debug;
    bool memo;
    bool resultLog;
};

const Routing kRoutings[] = {
    {0, false, false, false},   {1, false, false, false},  {1, true, true, false},    {8, true, false, false},
    {10, false, true, false},   {110, false, true, true},  {101, false, false, true}, {101, true, true, true},
    {1010, false, true, false}, {210, false, true, false},
};

} // namespace

TEST_F(MainWindowTest, LogRoutingCodes)
{
    for (const Routing &r : kRoutings) {
        w->moRlt->Lines.Clear();
        w->ResultLines.clear();
        MotorSpecs[5].Lines.clear();
        w->DebugMode = r.debug;
        w->LogLine(r.code, "line");
        EXPECT_EQ(w->moRlt->Lines.Count(), r.memo ? 1 : 0) << "code " << r.code << " debug " << r.debug;
        EXPECT_EQ(w->ResultLines.size(), r.resultLog ? 1u : 0u) << "code " << r.code;

        w->moRlt->Lines.Clear();
        w->ResultLines.clear();
        w->LogMotorLine(5, r.code, "motor");
        EXPECT_EQ(w->moRlt->Lines.Count(), r.memo ? 1 : 0) << "code " << r.code;
        EXPECT_EQ(w->ResultLines.size(), r.resultLog ? 1u : 0u) << "code " << r.code;
        ASSERT_EQ(MotorSpecs[5].Lines.size(), 1u) << "a candidate's own lines always get the line";
        EXPECT_EQ(MotorSpecs[5].Lines[0], "motor");
    }
}

TEST_F(MainWindowTest, DebugModeDoesNotBringBackEarlierLines)
{
    w->moRlt->Lines.Clear();
    w->LogLine(1, "hidden");
    w->DebugMode = true;
    w->LogLine(1, "shown");
    EXPECT_EQ(w->moRlt->Lines.Items(), (std::vector<AnsiString>{"shown"}));
}
