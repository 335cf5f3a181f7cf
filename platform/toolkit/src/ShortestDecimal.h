// Kestrin drawing toolkit (private).
// ShortestDecimal: the decimal that the DXF writer prints for a double. Of all the decimals that
// read back as the double, it has the fewest significant digits and, of those, is the nearest to
// the double's exact value (an exact tie goes to the even last digit), which is also what fmt's
// "{}" prints. Found with the Schubfach method (R. Giulietti, "The Schubfach way to render
// doubles", 2020).
#pragma once

#include <cstdint>

struct ShortestDecimal {
    std::uint64_t significand; // no trailing zeros; 0 for zero
    int exponent;              // the value is significand * 10^exponent

    /* Description:
         The shortest decimal of value's magnitude.
       Parameters:
         value - [in] a finite double; its sign is ignored, and zero gives {0, 0}.
    */
    static ShortestDecimal From(double value);
};
