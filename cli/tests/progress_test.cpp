#include "progress.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "list.h"
#include "run_brenmor_size.h"

namespace brenmor::cli {
namespace {

// A list sized as the program sizes it, batch by batch, on a clock that
// moves 50 ms each time it is read: nothing in the first second, then the
// rows and the share read, redrawn every 0.2 s at most, cleared at the end.
TEST(ProgressTest, ShowsOnAListThatTakesMoreThanASecond) {
  std::string list = "Tag,P,C,S,E,V\n";
  for (int i = 0; i < 50'000; ++i) list += "V,100,0.0625,16000,0.8,1000\n";
  std::FILE* input = std::tmpfile();
  std::fputs(list.c_str(), input);
  std::rewind(input);
  std::FILE* output = std::tmpfile();
  std::FILE* terminal = std::tmpfile();
  double now = 0;
  Progress progress(terminal, list.size(), [&now] { return now += 0.05; });
  const ListResult result = SizeList(input, output, ListOptions{}, progress);
  std::fclose(input);
  std::fclose(output);
  EXPECT_EQ(result.sized, 50'000U);

  const std::string shown = Drain(terminal);
  const std::regex draw("\r(\\d+) rows, (\\d+)% of the list read");
  std::vector<int> rows;
  for (auto it = std::sregex_iterator(shown.begin(), shown.end(), draw);
       it != std::sregex_iterator(); ++it) {
    rows.push_back(std::stoi((*it)[1]));
  }
  ASSERT_GE(rows.size(), 3U) << shown;
  EXPECT_GE(rows.front(), 19 * 1024) << "drawn within the first second";
  EXPECT_LE(rows.size(), 10U) << "redrawn more often than every 0.2 s";
  EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
  EXPECT_TRUE(shown.ends_with("\r\033[K")) << "not cleared at the end";
}

}  // namespace
}  // namespace brenmor::cli
