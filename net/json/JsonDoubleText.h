// The text printf's "%.17g" gives for a finite double, without printf.
//
// The encoder writes every double with 17 significant digits (trailing
// zeros dropped), which reads back exactly. Formatting through printf or a
// fixed-precision to_chars costs most of the time of a document of numbers;
// for the usual magnitudes the 17 digits are computed exactly here with
// 128-bit integers (round half to even, as printf rounds), and the rest
// goes through std::to_chars with the same result.
#pragma once

namespace jsondouble {

// Room enough for any "%.17g" text of a double.
inline constexpr int kMaxLength = 32;

// Writes the text of d (finite) at out; returns the end of what was written.
char* writeG17(double d, char* out);

}  // namespace jsondouble
