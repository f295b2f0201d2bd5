// Damaged data, swept: every truncation of both files of a small timetable, and seeded random
// byte changes, each loaded and asked four queries. A truncation must be refused with the
// file named; a change must never crash (the sanitizer build checks every read), and must be
// refused (at loading, or by a query with the damaged-file message naming the record file)
// or answered in well-formed texts: a change to another valid value cannot be told from good
// data, but a malformed answer (a time "21:A5", a distance "-136") means a field was not
// checked when it was read. The counts by outcome are printed.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string_view>

#include "app/query_controls.h"
#include "app/query_core.h"
#include "data/loader.h"
#include "platform/utf8.h"
#include "resources/fixed_texts.h"
#include "support/test_support.h"

namespace tavra::test {
namespace {

bool Digits(std::string_view t) {
  return !t.empty() && t.find_first_not_of("0123456789") == std::string_view::npos;
}

// "H:MM" (a running time), or "HH:MM" below 24:00 when `clock`.
bool IsTime(std::string_view t, bool clock) {
  size_t colon = t.find(':');
  if (colon == std::string_view::npos || !Digits(t.substr(0, colon)) ||
      !Digits(t.substr(colon + 1)) || t.size() - colon != 3 || t[colon + 1] > '5')
    return false;
  return !clock || (colon == 2 && std::stoi(std::string(t.substr(0, 2))) < 24);
}

// "－", a whole number or one with one decimal, several joined by '/'.
bool IsPrices(std::string_view t) {
  for (size_t from = 0;;) {
    size_t slash = t.find('/', from);
    std::string_view p = t.substr(from, slash == std::string_view::npos ? t.npos : slash - from);
    size_t dot = p.find('.');
    bool ok = p == "－" ||
              (dot == std::string_view::npos
                   ? Digits(p)
                   : Digits(p.substr(0, dot)) && p.size() - dot == 2 && Digits(p.substr(dot + 1)));
    if (!ok) return false;
    if (slash == std::string_view::npos) return true;
    from = slash + 1;
  }
}

bool WellFormedCell(int column, std::string_view text) {
  if (text.empty()) return true;
  switch (column) {
    case 2:
    case 4:
      return IsTime(text, true);
    case 7:
      return Digits(text);
    case 8:
      return IsTime(text, false);
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
      return IsPrices(text);
    default:
      return true;
  }
}

enum class Outcome { kRefused, kWellFormed, kMalformed };

Outcome Ask(std::string_view index, std::string_view records) {
  TimetableData data;
  if (LoadTimetableFromBytes(data, index, records) != kLoadComplete) {
    const std::string& file = data.loadError.file;
    EXPECT_TRUE(file == kIndexFileName || file == kRecordFileName) << data.loadError.Text();
    return Outcome::kRefused;
  }
  bool wellFormed = true, refused = false;
  auto check = [&](QueryCore& core, PlainQueryControls& controls, RecordingMessages& messages) {
    if (core.Damage().Found()) {
      // The damaged-file message, naming the record file, and no line of the answer.
      refused = true;
      const bool told =
          !messages.said.empty() &&
          messages.said.back().text.find(Utf8ToUtf16(kRecordFileName)) != std::u16string::npos;
      EXPECT_TRUE(told && core.m_list.RowCount() == 0) << core.Damage().Text();
      return;
    }
    if (controls.countLabelWrites == 0) return;
    std::string label = Utf16ToUtf8(controls.countLabel);
    wellFormed = wellFormed && label.rfind("共:", 0) == 0 && Digits(label.substr(4));
    for (int r = 0; r < core.m_list.RowCount(); ++r) {
      const auto& texts = core.m_list.Row(r).texts;
      for (size_t c = 0; c < texts.size(); ++c) {
        std::string t = Utf16ToUtf8(texts[c]);
        t.erase(0, t.find_first_not_of(' '));
        t.erase(t.find_last_not_of(' ') + 1);
        wellFormed = wellFormed && WellFormedCell(static_cast<int>(c), t);
      }
    }
  };
  const std::u16string asks[4][3] = {
      {std::u16string(texts::kModeStationToStation), u"北京", u"上海"},
      {std::u16string(texts::kModeStationToStation), u"北京", u""},
      {std::u16string(texts::kModeTrainNumber), u"T109", u""},
      {std::u16string(texts::kModeStation), u"天津", u""}};
  for (const auto& ask : asks) {
    PlainQueryControls controls;
    RecordingMessages messages;
    ChoiceList offered;
    QueryCore core(data, controls, messages);
    controls.mode = ask[0];
    if (ask[0] == texts::kModeStationToStation) {
      controls.from = ask[1];
      core.OnFromEditChange(offered);
      controls.to = ask[2];
      core.OnToEditChange(offered);
    } else if (ask[0] == texts::kModeTrainNumber) {
      controls.trainNo = ask[1];
    } else {
      controls.station = ask[1];
      core.OnStationEditChange(offered);
    }
    core.OnQuery();
    check(core, controls, messages);
  }
  if (!wellFormed) return Outcome::kMalformed;
  return refused ? Outcome::kRefused : Outcome::kWellFormed;
}

TEST(DamageSweep, EveryTruncationIsRefusedAndNoChangeCrashes) {
  const auto good = Compile(SmallNetwork());
  ASSERT_EQ(Ask(good.index, good.records), Outcome::kWellFormed);
  for (size_t n = 0; n < good.index.size(); ++n)
    EXPECT_EQ(Ask(good.index.substr(0, n), good.records), Outcome::kRefused) << "index " << n;
  for (size_t n = 0; n < good.records.size(); ++n)
    EXPECT_EQ(Ask(good.index, good.records.substr(0, n)), Outcome::kRefused) << "records " << n;

  std::mt19937 random(14);
  int counts[3] = {};
  const int kChanges = 2000;
  for (int i = 0; i < kChanges; ++i) {
    std::string index = good.index, records = good.records;
    std::string& file = random() % 8 == 0 ? index : records;
    for (int k = 1 + static_cast<int>(random() % 3); k > 0; --k)
      file[random() % file.size()] = static_cast<char>(random());
    ++counts[static_cast<int>(Ask(index, records))];
  }
  std::printf("damage sweep: %d changes: %d refused, %d well formed, %d malformed\n", kChanges,
              counts[0], counts[1], counts[2]);
  EXPECT_EQ(counts[static_cast<int>(Outcome::kMalformed)], 0);
}

}  // namespace
}  // namespace tavra::test
