#pragma once

#include "platform/SysUtils.h"

// Row of MotorSpecs shown as a suggested match: the drive series and the model must both agree,
// since two series carry the same motors. -1 when no record has them.
int FindMatchRecord(const AnsiString &drive, const AnsiString &model);
// The record's name over its detail lines: the series with the model, so that the two records of one
// motor are told apart.
AnsiString MatchTitle(int record);
