// Work spread over threads and handed on in the order it came. The calling
// thread fills the slots of a ring and drains them in ring order; worker
// threads take the filled slots in turn, whichever is free first. A slot is
// filled again only once it was drained, so memory is the ring's however
// much work passes, and a slot that finishes early simply waits its turn.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace brenmor::cli {

template <class Slot>
class OrderedPipeline {
 public:
  // `threads` workers (at least one) and a ring of `slots` (at least one),
  // each a copy of `prototype`.
  OrderedPipeline(unsigned threads, std::size_t slots, const Slot& prototype)
      : threads_(threads == 0 ? 1 : threads),
        ring_(slots == 0 ? 1 : slots, prototype),
        done_(ring_.size()) {}

  // fill(Slot&) -> bool: false when there is nothing more.
  // work(Slot&): on a worker thread.
  // drain(Slot&) -> bool: false stops the filling (the rest is drained unused).
  template <class Fill, class Work, class Drain>
  void Run(Fill fill, Work work, Drain drain) {
    std::vector<std::jthread> workers;
    for (unsigned i = 0; i < threads_; ++i) workers.emplace_back([&] { WorkOn(work); });
    std::unique_lock lock(mutex_);
    bool filling = true;
    for (;;) {
      while (drained_ < filled_ && done_[drained_ % ring_.size()] != 0) {
        Slot& slot = ring_[drained_ % ring_.size()];
        lock.unlock();
        const bool keepGoing = drain(slot);
        lock.lock();
        done_[drained_++ % ring_.size()] = 0;
        filling = filling && keepGoing;
      }
      if (filling && filled_ - drained_ < ring_.size()) {
        Slot& slot = ring_[filled_ % ring_.size()];
        lock.unlock();
        const bool filled = fill(slot);
        lock.lock();
        filling = filled;
        if (filled) ++filled_;
        changed_.notify_all();
      } else if (drained_ == filled_ && !filling) {
        break;
      } else {
        changed_.wait(lock);
      }
    }
    closed_ = true;
    changed_.notify_all();
  }

 private:
  template <class Work>
  void WorkOn(Work& work) {
    std::unique_lock lock(mutex_);
    for (;;) {
      changed_.wait(lock, [this] { return taken_ < filled_ || closed_; });
      if (taken_ == filled_) return;
      const std::size_t index = taken_++ % ring_.size();
      lock.unlock();
      work(ring_[index]);
      lock.lock();
      done_[index] = 1;
      changed_.notify_all();
    }
  }

  unsigned threads_;
  std::vector<Slot> ring_;
  std::vector<char> done_;  // per slot: worked on, waiting to be drained
  std::mutex mutex_;
  std::condition_variable changed_;
  std::uint64_t filled_ = 0;   // slots filled so far, in order
  std::uint64_t taken_ = 0;    // of them, taken by a worker
  std::uint64_t drained_ = 0;  // of them, drained
  bool closed_ = false;
};

}  // namespace brenmor::cli
