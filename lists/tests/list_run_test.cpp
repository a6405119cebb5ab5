// What the page's table shows of a list, and how the page words a list.
#include "list_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "list_texts.h"

namespace {

using namespace brenmor;
using lists::ListRun;

// `rows` rows, those at the given numbers (from 1) with an unreadable P.
std::string ListWithBadRows(int rows, const std::vector<int>& bad) {
  std::string text = "Tag,P,C,S,E,V\n";
  for (int row = 1; row <= rows; ++row) {
    const bool isBad = std::find(bad.begin(), bad.end(), row) != bad.end();
    text += "V-" + std::to_string(row) + (isBad ? ",ten," : ",10,") + "0.125,16000,0.8,20\n";
  }
  return text;
}

struct Shown {
  std::vector<std::uint64_t> lines;
  std::uint64_t leftOut = 0;
};

Shown SizeAll(const std::string& text, std::size_t batchRows) {
  ListRun run(lists::TextSource(text), {});
  Shown shown;
  for (bool more = true; more;) {
    more = run.Next(batchRows);
    for (const lists::ShownRow& row : run.Shown()) {
      shown.lines.push_back(row.line);
      EXPECT_EQ(row.cells.size(), run.HeaderCells().size()) << "line " << row.line;
    }
  }
  shown.leftOut = run.LeftOut();
  return shown;
}

TEST(ListRunTest, ShowsTheFirstRowsThenOnlyRowsNotSized) {
  for (const std::size_t batchRows : {std::size_t{1}, std::size_t{7}, std::size_t{1000}}) {
    const Shown shown = SizeAll(ListWithBadRows(300, {50, 150, 299}), batchRows);
    std::vector<std::uint64_t> expected;
    for (std::uint64_t line = 2; line <= 101; ++line) expected.push_back(line);
    expected.push_back(151);
    expected.push_back(300);
    EXPECT_EQ(shown.lines, expected) << batchRows << " rows a batch";
    EXPECT_EQ(shown.leftOut, 300 - expected.size());
  }
}

TEST(ListRunTest, ShowsNoMoreThanItsBoundOfRows) {
  std::vector<int> everyRow(3000);
  std::iota(everyRow.begin(), everyRow.end(), 1);
  const Shown shown = SizeAll(ListWithBadRows(3000, everyRow), 512);
  EXPECT_EQ(shown.lines.size(), ListRun::kMostRows);
  EXPECT_EQ(shown.leftOut, 3000 - ListRun::kMostRows);
}

TEST(ListRunTest, GivesTheHeaderEvenToAListWithoutRows) {
  ListRun run(lists::TextSource("P,C,S,E,V\r\n"), {});
  EXPECT_FALSE(run.Next(10));
  EXPECT_TRUE(run.Csv().starts_with("P,C,S,E,V,F,D_mm,")) << run.Csv();
  EXPECT_TRUE(run.Csv().ends_with("cost_message\r\n")) << run.Csv();
  EXPECT_EQ(run.Counts().rows, 0U);
  EXPECT_EQ(run.HeaderCells().front(), "P");
}

TEST(ListTextsTest, WordsAListAsThePageShowsIt) {
  lists::RowCounts counts{.rows = 1000, .sized = 996, .refused = 2, .errors = 2};
  EXPECT_EQ(lists::CountsText(counts), "1,000 rows: 996 sized, 2 refused, 2 errors");
  EXPECT_EQ(lists::StoppedText({.rows = 1, .sized = 0, .refused = 0, .errors = 1}),
            "Stopped after 1 row: 0 sized, 0 refused, 1 error");
  EXPECT_EQ(lists::LeftOutText(0), "");
  EXPECT_EQ(lists::LeftOutText(1234567).substr(0, 22), "1,234,567 rows are not");
  EXPECT_EQ(lists::ColumnsText("columns taken: P"), "Columns taken: P");
  EXPECT_EQ(lists::SizedName("plant list.v2.csv"), "plant list.v2-sized.csv");
  EXPECT_EQ(lists::SizedName(""), "list-sized.csv");
  EXPECT_EQ(lists::SizedName("tags"), "tags-sized.csv");
}

TEST(ListTextsTest, ChoosesTheDelimiterAsBrenmorSizeDoes) {
  using enum lists::DelimiterChoice;
  const struct {
    lists::DelimiterChoice choice;
    DecimalMark mark;
    bool pasted;
    std::optional<char> delimiter;
  } cases[] = {
      {Automatic, DecimalMark::Point, true, '\t'}, {Automatic, DecimalMark::Comma, true, '\t'},
      {Automatic, DecimalMark::Point, false, ','}, {Automatic, DecimalMark::Comma, false, ';'},
      {Comma, DecimalMark::Point, false, ','},     {Comma, DecimalMark::Comma, false, std::nullopt},
      {Semicolon, DecimalMark::Comma, true, ';'},  {Tab, DecimalMark::Point, false, '\t'},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(lists::DelimiterOf(c.choice, c.mark, c.pasted), c.delimiter)
        << lists::Caption(c.choice) << (c.mark == DecimalMark::Comma ? " comma" : " point")
        << (c.pasted ? " pasted" : " file");
  }
}

}  // namespace
