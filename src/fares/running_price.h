#pragma once
// The fare engine's running sums. Each is defined by the price text it would be written as
// and read back from ("23", "23.5" or nothing yet), so it keeps the number that text reads
// as and the form it is written in; the text itself is written once, when the line is done.
#include <cstdint>
#include <string>

namespace tavra {

class RunningPrice {
 public:
  void Clear() {
    m_amount = m_printed = 0;
    m_form = Form::kEmpty;
  }
  // As the text "%d" of `v`.
  void SetWhole(int v) {
    m_amount = m_printed = v;
    m_form = Form::kWhole;
  }
  // As the text "%0.1f" of `v`, read back: `v` rounded to tenths as that text rounds it.
  void SetOneDecimal(double v);

  bool Empty() const { return m_form == Form::kEmpty; }
  // What the text reads as with its fraction (ReadAmount), and its whole part (ReadWhole).
  double Amount() const { return m_amount; }
  int Whole() const;  // the whole part of either text is the amount truncated toward zero

  // The text the sum would be written as.
  void WriteText(std::u16string& out) const;

 private:
  enum class Form : uint8_t { kEmpty, kWhole, kOneDecimal };
  double m_amount = 0;
  double m_printed = 0;  // the value the text is printed from
  Form m_form = Form::kEmpty;
};

// The nine running sums of a line: every seat class and every berth.
struct RunningPrices {
  RunningPrice hardSeat, softSeat, firstClass, secondClass;
  RunningPrice hardSleeperUpper, hardSleeperMiddle, hardSleeperLower;
  RunningPrice softSleeperUpper, softSleeperLower;

  void Clear() {
    for (RunningPrice* p :
         {&hardSeat, &softSeat, &firstClass, &secondClass, &hardSleeperUpper, &hardSleeperMiddle,
          &hardSleeperLower, &softSleeperUpper, &softSleeperLower})
      p->Clear();
  }

  // Applies op(price, value) to the seven sums the segments add to alike: the hard seat,
  // the soft seat, the three hard and the two soft berths, each with its class's value.
  template <typename Op>
  void ForSeatsAndBerths(double hardSeatValue, double softSeatValue, double hardBerthValue,
                         double softBerthValue, Op op) {
    op(hardSeat, hardSeatValue);
    op(softSeat, softSeatValue);
    for (RunningPrice* berth : {&hardSleeperUpper, &hardSleeperMiddle, &hardSleeperLower})
      op(*berth, hardBerthValue);
    for (RunningPrice* berth : {&softSleeperUpper, &softSleeperLower}) op(*berth, softBerthValue);
  }
};

}  // namespace tavra
