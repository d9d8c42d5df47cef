#pragma once

#include "platform/SysUtils.h"

// Project files are a few kilobytes; a larger file is not one and is never read into memory.
constexpr long long MaxProjectFileBytes = 4LL << 20;

// Asks before a file of this name is overwritten (project files and reports alike): true when no
// such file exists or the user answered Yes.
bool confirmOverwrite(const AnsiString &fileName);
