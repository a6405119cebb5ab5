// Batches that finish out of order still come out in the order they went in.
#include "ordered_pipeline.h"

#include <gtest/gtest.h>

#include <latch>
#include <memory>
#include <mutex>
#include <numeric>

namespace brenmor::cli {
namespace {

// Three workers; the first batch of each round waits until the two after it
// are done, so every round finishes out of order.
TEST(OrderedPipelineTest, DrainsInFillOrder) {
  constexpr int kBatches = 30;
  OrderedPipeline<int> pipeline(3, 3, 0);
  int next = 0;
  std::vector<int> finished;
  std::vector<int> drained;
  std::mutex finishing;
  std::vector<std::unique_ptr<std::latch>> rounds;
  for (int i = 0; i < kBatches / 3; ++i) rounds.push_back(std::make_unique<std::latch>(2));
  pipeline.Run([&](int& slot) { return next < kBatches ? (slot = next++, true) : false; },
               [&](int& slot) {
                 std::latch& round = *rounds[static_cast<std::size_t>(slot / 3)];
                 if (slot % 3 == 0) {
                   round.wait();
                 } else {
                   round.count_down();
                 }
                 const std::lock_guard lock(finishing);
                 finished.push_back(slot);
               },
               [&](int& slot) {
                 drained.push_back(slot);
                 return true;
               });
  std::vector<int> inOrder(kBatches);
  std::iota(inOrder.begin(), inOrder.end(), 0);
  EXPECT_EQ(drained, inOrder);
  EXPECT_NE(finished, inOrder) << "no batch finished out of order: the test proves nothing";
}

// A drain that fails stops the filling; what was filled is still drained.
TEST(OrderedPipelineTest, StopsFillingWhenADrainFails) {
  OrderedPipeline<int> pipeline(2, 4, 0);
  int next = 0;
  std::vector<int> drained;
  pipeline.Run([&](int& slot) { return next < 1000 ? (slot = next++, true) : false; },
               [](int& /*slot*/) {},
               [&](int& slot) {
                 drained.push_back(slot);
                 return slot != 5;
               });
  EXPECT_LT(next, 5 + 4 + 1) << "filled on after the failure";
  EXPECT_EQ(drained.size(), static_cast<std::size_t>(next));
}

}  // namespace
}  // namespace brenmor::cli
