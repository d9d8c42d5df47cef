#pragma once

#include "engine/CalcFrame.h"

namespace engine
{

// The mechanism calculations that the frame runs, one object each.
const Mechanism &BallScrew();
const Mechanism &RackPinion();
const Mechanism &RollFeed();
const Mechanism &RotaryTable();
const Mechanism &WheelCart();
const Mechanism &Conveyor();
const Mechanism &Elevator();

} // namespace engine
