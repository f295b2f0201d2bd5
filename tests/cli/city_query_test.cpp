// Cities on tavra-cli's command line: between --city, and the hint when a pair has no train.
#include "city_query.h"

#include <gtest/gtest.h>

#include "data/loader.h"
#include "resources/fixed_texts.h"
#include "support/test_support.h"

namespace tavra {
namespace {

using Names = std::vector<std::u16string>;

TEST(Cities, EveryPairOfStationsInDepartureOrder) {
  TimetableData data;
  ASSERT_EQ(LoadTimetable(data, TAVRA_BUILD_DIR), kLoadComplete);
  const Names beijing = cli::CityStations(data, u"北京");
  EXPECT_EQ(beijing, (Names{u"北京", u"北京东", u"北京南", u"北京西", u"北京北"}));
  EXPECT_EQ(cli::CityStations(data, u"北京南"), beijing);  // the city of a station in it
  EXPECT_EQ(cli::CityStations(data, u"北京朝阳"), (Names{u"北京朝阳"}));
  EXPECT_TRUE(cli::CityStations(data, u"南极").empty());

  const Names tianjin = cli::CityStations(data, u"天津");
  SortListModel list;
  list.SetColumnSpec(texts::kResultColumns);
  cli::QueryCities(data, beijing, tianjin, list);
  int expected = 0;
  for (const auto& a : beijing)
    for (const auto& b : tianjin) expected += cli::TrainsBetween(data, a, b);
  EXPECT_GT(expected, cli::TrainsBetween(data, u"北京", u"天津"));
  EXPECT_EQ(list.RowCount(), expected);
  for (int r = 1; r < list.RowCount(); ++r)
    ASSERT_LE(list.Row(r - 1).texts[texts::kSortKeyColumn],
              list.Row(r).texts[texts::kSortKeyColumn]);

  test::CliRun r = test::RunCli({"--format", "tsv", "between", "--city", "北京", "天津"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("共:" + std::to_string(expected) + "\n"), std::string::npos);
  EXPECT_NE(r.out.find("\t北京南\t"), std::string::npos);
  r = test::RunCli({"between", "--city", "南极", "天津"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("南极"), std::string::npos);

  // No train between the two, but between other stations of their cities: said on stderr.
  ASSERT_EQ(cli::TrainsBetween(data, u"天津", u"北京西"), 0);
  r = test::RunCli({"--format", "tsv", "between", "天津", "北京西"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "共:0\n");
  EXPECT_NE(r.err.find(" trains; try --city\n"), std::string::npos) << r.err;
}

}  // namespace
}  // namespace tavra
