#pragma once

// A number from minimum to maximum, both included; the two may come in either order.
int RandomInRange(int minimum, int maximum);
