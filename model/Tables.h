#pragma once

#include "model/MotorCatalogue.h"
#include "model/SizeItem.h"

// Builds SizeItems (62 records, in id order) and then MotorSpecs (43 records, in catalogue order)
// in their constructed state: SI units, defaults as values, no results. Runs once before main;
// calling it again resets both tables.
void InitParamAndMotorTables();

// Empties both tables (catalogue first), releasing their texts and detail lines. Runs at exit;
// calling it more than once is harmless.
void DestroyParamAndMotorTables();
