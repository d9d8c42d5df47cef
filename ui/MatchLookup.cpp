#include "ui/MatchLookup.h"

#include "model/MotorCatalogue.h"

int FindMatchRecord(const AnsiString &drive, const AnsiString &model)
{
    for (int j = 0; j < 43; ++j)
        if (MotorSpecs[j].Drive == drive && MotorSpecs[j].Model == model)
            return j;
    return -1;
}

AnsiString MatchTitle(int record)
{
    return MotorSpecs[record].Drive + "  " + MotorSpecs[record].Model;
}
