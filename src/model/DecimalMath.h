#pragma once

// Exact decimal scaling of typed numbers. Each operand is first rounded to 15
// significant decimal digits, the product or quotient is formed exactly in decimal,
// and the nearest double is returned. So 130.2 x 100000 is exactly 13020000 where a
// plain double product gives 13019999.99... and truncates to 13019999.
double decimalMultiply(double a, double b);
double decimalDivide(double a, double b);
