#include "model/Tables.h"
#include "ui/Selvane.h"

// Routing code: the last two digits choose the memo (01 only in debug mode, 10 always), the hundreds
// digit 1 adds the line to the result log.
void TSelvane_F::LogLine(int code, const AnsiString &text)
{
    const int memo = code % 100;
    if ((memo == 1 && DebugMode) || memo == 10)
        moRlt->Lines.Add(text);
    if ((code % 1000) / 100 == 1)
        ResultLines.push_back(text);
}

void TSelvane_F::LogMotorLine(int motor, int code, const AnsiString &text)
{
    LogLine(code, text);
    MotorSpecs[motor].Lines.push_back(text);
}
