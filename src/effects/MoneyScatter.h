#pragma once

class Money;

// What the three money pieces share beyond the Money family itself.

// Gives a freshly scattered piece its own slow random velocity (-9 to 10 px/s
// on each axis), x drawn first, then y.
void ScatterVelocity(Money& piece);

// The drift speed and size every piece has, and the piece's worth.
void SetMoneyDefaults(Money& piece, int value);
