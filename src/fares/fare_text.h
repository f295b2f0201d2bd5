#pragma once
// Money arithmetic and the round trips between amounts and price texts. The engine keeps
// its running sums in the result line's texts, so every reading and printing here must be
// exactly the one the prices are defined with.
#include <cmath>
#include <string>
#include <string_view>

namespace tavra {

// Whole yuan: add 0.5 and truncate toward zero (amounts are positive).
inline double RoundYuan(double v) {
  return std::trunc(v + 0.5);
}

// An amount raised by two percentage factors, rounded to the yuan after each.
inline double Scaled(double x, double f1, double f2) {
  return RoundYuan(RoundYuan(x * f1) * f2);
}

// The factor of a two-digit percentage text: 1 + p × 0.01.
double PercentFactor(std::u16string_view percent);

// Truncates toward zero; values beyond the int range saturate instead of overflowing.
int TruncToInt(double v);

// The leading decimal number of a text, fraction included ("23.5" → 23.5); leading blanks
// are skipped and a text that does not start with a number reads as 0.
double ReadAmount(std::u16string_view text);

// Only the leading whole number of a text ("23.5" → 23); 0 when there is none.
int ReadWhole(std::u16string_view text);

// "%d".
std::u16string WholeText(int v);
// "%0.1f".
std::u16string OneDecimalText(double v);
// A shown price: "%d" when the amount is whole, else "%0.1f" (24 and 24.5).
std::u16string PriceText(double p);
// The same texts written into `out`, whose buffer the fare engine's running texts keep.
void AssignWholeText(std::u16string& out, int v);
void AssignOneDecimalText(std::u16string& out, double v);
void AssignPriceText(std::u16string& out, double p);

}  // namespace tavra
