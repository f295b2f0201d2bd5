#pragma once
// The controls of the query dialog that the query core reads and writes: the texts of the
// mode box, the station boxes and the train number box, and the count label. The desktop
// dialog implements them with its widgets; the terminal program and the tests with
// PlainQueryControls.
#include <string>
#include <string_view>

namespace tavra {

class QueryControls {
 public:
  virtual ~QueryControls() = default;
  virtual std::u16string ModeText() const = 0;
  virtual std::u16string FromText() const = 0;     // departure station box
  virtual std::u16string ToText() const = 0;       // arrival station box
  virtual std::u16string TrainNoText() const = 0;  // train number box
  virtual std::u16string StationText() const = 0;  // station box of the station query
  virtual void SetFromText(std::u16string_view text) = 0;
  virtual void SetToText(std::u16string_view text) = 0;
  // The station box's text with the caret at its end.
  virtual void SetStationText(std::u16string_view text) = 0;
  virtual void SetCountLabel(std::u16string_view text) = 0;
};

// Controls without a window: each text is a plain field.
class PlainQueryControls : public QueryControls {
 public:
  std::u16string ModeText() const override { return mode; }
  std::u16string FromText() const override { return from; }
  std::u16string ToText() const override { return to; }
  std::u16string TrainNoText() const override { return trainNo; }
  std::u16string StationText() const override { return station; }
  void SetFromText(std::u16string_view text) override { from = text; }
  void SetToText(std::u16string_view text) override { to = text; }
  void SetStationText(std::u16string_view text) override { station = text; }
  void SetCountLabel(std::u16string_view text) override {
    countLabel = text;
    ++countLabelWrites;
  }

  std::u16string mode, from, to, trainNo, station;
  std::u16string countLabel;
  int countLabelWrites = 0;
};

}  // namespace tavra
