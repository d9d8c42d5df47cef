#pragma once

#include "platform/SysUtils.h"

// Row of MotorSpecs shown as a suggested match: the drive series and the model must both agree,
// since two series carry the same motors. -1 when no record has them.
int FindMatchRecord(const AnsiString &drive, const AnsiString &model);
