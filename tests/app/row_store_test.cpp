// The query core's row store and the line style each query kind asks of the row builder.
#include <gtest/gtest.h>

#include "app/query_core.h"
#include "data/lookup.h"
#include "support/query_core_probe.h"
#include "support/test_support.h"

namespace tavra {
namespace {

class RowStore : public ::testing::Test {
 protected:
  RowStore() : data_(test::Load(Network())), core_(*data_) {}

  static test::Source Network() {
    test::Source s;
    s.stations = "name\tkey\n南京\tNJ\n上海\tSH\n";
    s.trains = "train\tclass\tseats\taircon\tfares\nK1/K4\tA\t1011\t1\t1,0,0\n";
    s.stops =
        "train\tstation\tarrive\tdepart\tday\tkm\trun\n"
        "K1/K4\t南京\t\t0800\t0\t0\tK1\n"
        "K1/K4\t上海\t1000\t\t0\t301\tK4\n";
    return s;
  }
  const ResultRow& Build(int32_t kind = kQueryStationToStation) {
    core_.m_fromStop = ParseStopRecord(*data_, GetRecord(*data_, StopTable, 0));
    core_.m_toStop = ParseStopRecord(*data_, GetRecord(*data_, StopTable, 1));
    core_.m_nQueryKind = kind;
    core_.BuildResultRow();
    return core_.CurrentRow();
  }

  std::unique_ptr<TimetableData> data_;
  QueryCore core_;
};

TEST_F(RowStore, GrowsOneRowAtATimeAndNeverShrinks) {
  EXPECT_EQ(QueryCoreProbe::Rows(core_).size(), 800u);
  for (int i = 0; i < 803; ++i) Build();
  EXPECT_EQ(QueryCoreProbe::Rows(core_).size(), 803u);
  EXPECT_EQ(QueryCoreProbe::RowCapacity(core_), 803);
  EXPECT_EQ(QueryCoreProbe::LastItem(core_), 802);
  EXPECT_EQ(core_.Row(802).fromName, u"南京");
  QueryCoreProbe::StartRows(core_);  // a new query overwrites from the start
  QueryCoreProbe::Rows(core_)[0].fromName.clear();
  Build();
  EXPECT_EQ(QueryCoreProbe::Rows(core_).size(), 803u);
  EXPECT_EQ(core_.Row(0).fromName, u"南京");
}

TEST_F(RowStore, QueryKindChoosesNumberAndSortColumn) {
  EXPECT_EQ(Build().trainText.substr(0, 3), u" K1");
  EXPECT_EQ(Build(kQueryStationToStation).sortKey, u"08:00");
  EXPECT_EQ(Build(kQueryStationDepartures).sortKey, u"08:00");
  EXPECT_EQ(Build(kQueryStationArrivals).sortKey, u"10:00");
  EXPECT_EQ(Build(kQueryTransfer).sortKey, u"10:00");
  EXPECT_EQ(Build(kQueryTrainNumber).trainText, u" K1/K4");
}

}  // namespace
}  // namespace tavra
