#include "fares/running_price.h"

#include <cmath>

#include "fares/fare_text.h"

namespace tavra {
namespace {

// The number "%0.1f" of `v` reads back as: the tenth nearest to v's exact value, ties to
// the even tenth, as printf rounds. v × 10 is rounded once when multiplied, so the exact
// remainder is taken with fma; from 1 up to 10^14 that remainder is exact.
bool NearestTenths(double v, double& tenths) {
  const double a = std::fabs(v);
  if (!(a >= 1 && a < 1e14)) return false;
  double r = std::nearbyint(v * 10);
  const double d = std::fma(v, 10, -r);  // exact v × 10 − r, within ±0.5625
  if (d > 0.5 || (d == 0.5 && std::fmod(r, 2) != 0))
    r += 1;
  else if (d < -0.5 || (d == -0.5 && std::fmod(r, 2) != 0))
    r -= 1;
  tenths = r / 10;
  return true;
}

}  // namespace

void RunningPrice::SetOneDecimal(double v) {
  m_form = Form::kOneDecimal;
  m_printed = v;
  if (NearestTenths(v, m_amount)) return;
  // Small, huge and non-finite amounts take the text's own round trip.
  m_amount = ReadAmount(OneDecimalText(v));
}

int RunningPrice::Whole() const {
  // Tenths lie at least 0.1 from the next whole number, so truncating the double that
  // "%0.1f" reads as gives the text's whole digits; amounts beyond the int range saturate
  // in both readings.
  return TruncToInt(m_amount);
}

void RunningPrice::WriteText(std::u16string& out) const {
  switch (m_form) {
    case Form::kEmpty:
      out.clear();
      break;
    case Form::kWhole:
      AssignWholeText(out, static_cast<int>(m_printed));
      break;
    case Form::kOneDecimal:
      AssignOneDecimalText(out, m_printed);
      break;
  }
}

}  // namespace tavra
