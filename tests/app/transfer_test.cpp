#include <gtest/gtest.h>

#include "app/query_core.h"
#include "app/transfer_choice.h"
#include "data/record_fields.h"
#include "resources/fixed_texts.h"
#include "support/test_support.h"

namespace tavra {
namespace {

//   北京 ─T1,T2,T3─▶ 济南 ─U1,U2─▶ 南京      (T1 also calls at 沧州, U1 at 蚌埠;
//                                           T2 starts at 廊坊, U2 at 泰安)
//   北京 ─V1─▶ 天津西      天津 ─W1─▶ 南京
//   北京 ─X1─▶ 徐州东      徐州南 ─Y1─▶ 南京   (徐州 itself and 徐州丰台 see no train)
test::Source Cities() {
  test::Source s;
  s.stations =
      "name\tkey\n北京\tBJ\n济南\tJN\n南京\tNJ\n天津\tTJ\n天津西\tTJX\n徐州\tXZ\n徐州东\tXZD\n"
      "徐州南\tXZN\n徐州丰台\tXZFT\n蚌埠\tBB\n沧州\tCZ\n廊坊\tLF\n泰安\tTA\n";
  s.trains = "train\tclass\tseats\taircon\tfares\n";
  for (const char* t : {"T1", "T2", "T3", "V1", "X1", "U1", "U2", "W1", "Y1"})
    s.trains += std::string(t) + "\t2\t1011\t1\t1,0,0\n";
  s.stops =
      "train\tstation\tarrive\tdepart\tday\tkm\n"
      "T1\t北京\t\t0800\t0\t0\nT1\t沧州\t0900\t0905\t0\t200\nT1\t济南\t1000\t\t0\t400\n"
      "T2\t廊坊\t\t0800\t0\t0\nT2\t北京\t0850\t0900\t0\t60\nT2\t济南\t1100\t\t0\t470\n"
      "T3\t北京\t\t1000\t0\t0\nT3\t济南\t1200\t\t0\t420\n"
      "V1\t北京\t\t1100\t0\t0\nV1\t天津西\t1200\t\t0\t130\n"
      "X1\t北京\t\t1200\t0\t0\nX1\t徐州东\t1800\t\t0\t700\n"
      "U1\t济南\t\t1300\t0\t0\nU1\t蚌埠\t1400\t1405\t0\t500\nU1\t南京\t1500\t\t0\t650\n"
      "U2\t泰安\t\t1300\t0\t0\nU2\t济南\t1350\t1400\t0\t60\nU2\t南京\t1600\t\t0\t700\n"
      "W1\t天津\t\t0600\t0\t0\nW1\t南京\t1700\t\t0\t1000\n"
      "Y1\t徐州南\t\t1500\t0\t0\nY1\t南京\t1800\t\t0\t350\n";
  return s;
}

using Texts = std::vector<std::u16string>;

class Transfers : public ::testing::Test {
 protected:
  Transfers() : data_(test::Load(Cities())), core_(*data_, controls_, messages_) {
    controls_.mode = texts::kModeStationToStation;
    messages_.answer = true;
    core_.EnableTransferOffer([this](QueryCore& core) {
      TransferChoice dialog(core);
      dialog.OnInitDialog();
      shownLines_.clear();
      for (int r = 0; r < dialog.m_list.RowCount(); ++r) {
        std::u16string line;
        for (std::u16string_view t : dialog.m_list.Row(r).texts) {
          if (!line.empty()) line += u"|";
          line += t;
        }
        shownLines_.push_back(line);
      }
      return user_(dialog);
    });
  }
  void Between(std::u16string_view from, std::u16string_view to) {
    controls_.from = from;
    controls_.to = to;
    core_.m_strFromStation = from;
    core_.m_strToStation = to;
    core_.OnQuery();
  }
  std::u16string Number(std::u16string_view station) {
    std::u16string padded = (std::u16string(station) + u"     ").substr(0, 5);
    for (int r = 0; r < data_->Table(StationTable).size(); ++r)
      if (Field(data_->Table(StationTable).Record(r), 20, 5) == padded) {
        std::u16string n = u"   " + std::u16string(ZeroPadded(r, 4))
                                        .substr(r < 10     ? 3
                                                : r < 100  ? 2
                                                : r < 1000 ? 1
                                                           : 0);
        return n.substr(n.size() - 4);
      }
    return u"?";
  }
  Texts Trains() const {
    Texts out;
    for (int r = 0; r < core_.m_list.RowCount(); ++r)
      out.emplace_back(Trim(core_.m_list.Row(r).texts[0]));
    return out;
  }

  std::unique_ptr<TimetableData> data_;
  PlainQueryControls controls_;
  test::RecordingMessages messages_;
  QueryCore core_;
  std::function<bool(TransferChoice&)> user_ = [](TransferChoice& d) {
    d.OnCancel();
    return false;
  };
  Texts shownLines_;
};

TEST_F(Transfers, CandidatesInDiscoveryOrderWithCitiesPooled) {
  core_.m_strFromStation = u"北京";
  core_.m_strToStation = u"南京";
  Between(u"北京", u"南京");
  // 济南: reached by three trains, left by two. 天津 (left only) gets 天津西's arrival;
  // 徐州 (served by nobody) pools 徐州东 and 徐州南. 沧州 (first leg only), 蚌埠 (second leg,
  // no city) and the suffixed stations themselves (one leg each) are no change stations.
  EXPECT_EQ(shownLines_, (Texts{u" 济南|1050|400|650|3|2", u" 天津|1130|130|1000|1|1",
                                u" 徐州|1050|700|350|1|1"}));
  EXPECT_EQ(core_.m_pApp->m_nTransfers, 3);
  EXPECT_EQ(core_.m_pApp->m_transfers[2].stationNo, Number(u"徐州"));
  // Cancel: nothing further listed.
  EXPECT_EQ(core_.m_pApp->m_strTransferName, u"");
  EXPECT_EQ(core_.m_list.RowCount(), 0);
  EXPECT_EQ(controls_.countLabel, u"共:0");
  EXPECT_EQ(core_.m_transferOutcome, QueryCore::TransferOutcome::Cancelled);
}

TEST_F(Transfers, SameCityLookups) {
  EXPECT_EQ(core_.BaseStationOf(u"天津西"), Number(u"天津"));
  EXPECT_EQ(core_.BaseStationOf(u"天津"), u"");
  EXPECT_EQ(core_.BaseStationOf(u"济南"), u"");  // 南 is no suffix of an existing base
  EXPECT_EQ(core_.BaseStationOf(u"南"), u"");
  // 徐州丰台 sorts between 徐州东 and 徐州南 and hides neither.
  EXPECT_EQ(core_.SameCityStations(u"徐州"), Number(u"徐州东") + Number(u"徐州南"));
  EXPECT_EQ(core_.SameCityStations(u"天津"), Number(u"天津西"));
  EXPECT_EQ(core_.SameCityStations(u"沧州"), u"");
  EXPECT_EQ(core_.SameCityStations(u"火星"), u"");
  EXPECT_EQ(core_.SameCityStations(std::u16string(300, u'徐')), u"");
}

TEST_F(Transfers, PickedStationListsBothLegsTheSecondInRed) {
  user_ = [](TransferChoice& d) { return d.OnListClick(0); };  // 济南
  Between(u"北京", u"南京");
  EXPECT_EQ(core_.m_pApp->m_strTransferName, u"济南");
  EXPECT_EQ(Trains(), (Texts{u"T1", u"T2", u"T3", u"U1", u"U2"}));
  EXPECT_EQ(controls_.countLabel, u"共:5");
  // The first leg as the row builder coloured it (red: the train starts here), then the
  // second leg red throughout, U2 too, which starts before 济南.
  const Color expected[] = {kRed, kBlack, kRed, kRed, kRed};
  for (int r = 0; r < 5; ++r)
    for (size_t c = 0; c <= 14; ++c)
      EXPECT_EQ(core_.m_list.Row(r).textColors[c], expected[r]) << r << "," << c;
  EXPECT_EQ(core_.m_strFromStation, u"北京");
  EXPECT_EQ(core_.m_nQueryKind, kQueryTransfer);
  EXPECT_EQ(core_.m_transferOutcome, QueryCore::TransferOutcome::Listed);
  // A line of the transfer journey opens its stop list like any other.
  EXPECT_TRUE(core_.OnResultClick(4));
  EXPECT_EQ(core_.m_pApp->m_strFromName, u"济南");
}

TEST_F(Transfers, DialogRefusesTheJourneysEndsAndOffersTypedStations) {
  std::vector<bool> accepted;
  Texts offered;
  user_ = [&](TransferChoice& d) {
    for (std::u16string_view typed : {u"南京", u"北京 "}) {
      d.m_strTransfer = typed;
      accepted.push_back(d.OnOK());
    }
    EXPECT_FALSE(d.OnListClick(-1));
    EXPECT_FALSE(d.OnListClick(3));
    test::RecordingChoiceBox box;
    d.OnEditChange(u"xz", box);
    offered = box.items;
    d.OnCancel();
    return false;
  };
  Between(u"北京", u"南京");
  EXPECT_EQ(accepted, (std::vector<bool>{false, false}));
  ASSERT_EQ(messages_.said.size(), 3u);  // the question, then two refusals
  EXPECT_EQ(messages_.said[1].text, u"请重新输入中转站");
  EXPECT_EQ(messages_.said[1].caption, u"提示");
  EXPECT_EQ(offered.size(), 4u);  // 徐州, 徐州东, 徐州南, 徐州丰台
  EXPECT_EQ(core_.m_list.RowCount(), 0);
}

TEST_F(Transfers, UnknownTransferStationStopsWithItsMessage) {
  for (std::u16string typed : {std::u16string(u"火星"), std::u16string(200, u'x')}) {
    messages_.said.clear();
    user_ = [&](TransferChoice& d) {
      d.m_strTransfer = typed;
      return d.OnOK();
    };
    Between(u"北京", u"南京");
    ASSERT_EQ(messages_.said.size(), 2u);
    EXPECT_EQ(messages_.said[1].text, u"无此到站！");
    EXPECT_EQ(core_.m_list.RowCount(), 0);
    EXPECT_EQ(controls_.countLabel, u"共:0");
    EXPECT_EQ(core_.m_transferOutcome, QueryCore::TransferOutcome::StationNotFound);
  }
}

}  // namespace
}  // namespace tavra
