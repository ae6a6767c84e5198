#pragma once

#include <string>
#include <string_view>

namespace dryfriction {

// The text of the input fields, the same in every locale ("." only).
//
// Reading: blanks, tabs, carriage returns and line feeds are skipped wherever
// they stand; then an optional sign, digits with at most one ".", and an
// optional exponent (E or e, optional sign, digits). Reading stops at the
// first character that cannot continue the number; a text without a leading
// number reads as 0. "1 5" -> 15, "0,5" -> 0, "12abc" -> 12, "-" -> 0.
// A magnitude beyond the double range reads as +-infinity, one below it as 0.
double readNumber(std::string_view text);

// Whether the whole text is one number as above, with nothing before, inside
// or after it (no blanks either): "9.5", "-6", "1e-3" are; "9,5", "4O",
// "0.5kg", " 5" and "1e" are not.
bool isWholeNumber(std::string_view text);

// What an input field reads: the rule of readNumber, with a comma and the
// Russian keys that carry the point and the comma (ю, Ю, б, Б) read as the
// decimal point as well, in every locale: 2,5 and 2ю5 read 2.5, 1,5e3 reads
// 1500.
// The text is UTF-8. Only the fields do this; a value given to the companion
// stays a whole number with a point (isWholeNumber).
double readFieldNumber(std::string_view text);

// Whether a field's text holds a number at all, read as readFieldNumber
// reads it: 2, .5 after a blank, 1e, -0 and 9ю do; the empty text, a lone
// sign or point, e5 and abc (all read as 0) do not.
bool holdsFieldNumber(std::string_view text);

// Whether a character can stand in a number a field reads: a digit, a blank,
// a sign, the point or one of the characters read as the point, or the
// exponent mark E or e. A field refuses any other key.
bool isFieldNumberCharacter(char32_t ch);

// The canonical text: a blank for values >= 0 or "-", then at most 15
// significant digits (7 for single precision), no trailing zeros or point, no
// zero before the point: 40 -> " 40", 0.25 -> " .25", -6 -> "-6".
// Exponent form (mantissa, "E", sign, at least two digits: " 1.5E+20",
// " 1E-06") below 1e-5 and from 1e15 on (1e7 on for single precision).
// Reading a canonical text and writing the result again gives the same text.
std::string canonicalText(double value);
std::string canonicalText(float value);

}  // namespace dryfriction
