#include <gtest/gtest.h>

#include <atomic>
#include <cstddef>
#include <memory>
#include <string>
#include <thread>
#include <unordered_map>
#include <utility>
#include <vector>

#include "recording_sink.h"
#include "tavik/common/multi_sink_logger.h"

namespace tavik::common {
namespace {

using testing::Delivery;
using testing::RecordingSink;

// The same views at the same levels, in the same order.
void expectSameSequence(const std::vector<Delivery>& actual,
                        const std::vector<Delivery>& expected) {
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    ASSERT_EQ(actual[k].data, expected[k].data) << "entry " << k;
    ASSERT_EQ(actual[k].level, expected[k].level) << "entry " << k;
  }
}

// Several threads log through one logger to sinks that take no lock of their
// own, while another thread keeps changing and reading the minimum level.
// ThreadSanitizer builds check that the logger's lock alone serialises them.
TEST(MultiSinkLoggerThreadsTest,
     EverySinkSeesEveryAcceptedMessageOnceInOneOrder) {
  constexpr std::size_t kThreads = 4;
  constexpr std::size_t kPerThread = 3000;
  constexpr std::size_t kSinks = 3;

  // Every third message is at Debug, which the level thread sometimes drops;
  // the rest are at Warn, which it never does.
  struct Message {
    std::string text;
    LogLevel level;
    std::size_t thread;
    std::size_t index;
  };
  std::vector<std::vector<Message>> messages(kThreads);
  std::unordered_map<const char*, const Message*> byAddress;
  for (std::size_t t = 0; t < kThreads; ++t) {
    for (std::size_t i = 0; i < kPerThread; ++i) {
      const LogLevel level = i % 3 == 0 ? LogLevel::Debug : LogLevel::Warn;
      messages[t].push_back(
          {std::to_string(t) + ":" + std::to_string(i), level, t, i});
    }
    for (const Message& m : messages[t]) {
      byAddress.emplace(m.text.data(), &m);
    }
  }

  std::vector<std::shared_ptr<RecordingSink>> sinks;
  MultiSinkLogger::SinkList list;
  for (std::size_t s = 0; s < kSinks; ++s) {
    sinks.push_back(std::make_shared<RecordingSink>());
    list.push_back(sinks.back());
  }
  MultiSinkLogger logger(std::move(list));

  std::atomic<bool> done{false};
  std::atomic<std::size_t> badLevels{0};
  std::thread levelChanger([&] {
    const LogLevel cycle[] = {LogLevel::Trace, LogLevel::Info, LogLevel::Debug,
                              LogLevel::Warn};
    for (std::size_t n = 0; !done.load(); ++n) {
      logger.setLevel(cycle[n % 4]);
      const LogLevel now = logger.getLevel();
      if (now < LogLevel::Trace || now > LogLevel::Warn) {
        badLevels.fetch_add(1);
      }
      std::this_thread::yield();
    }
  });
  std::vector<std::thread> writers;
  for (std::size_t t = 0; t < kThreads; ++t) {
    writers.emplace_back([&, t] {
      for (const Message& m : messages[t]) {
        logger.log(m.level, m.text);
      }
    });
  }
  for (auto& writer : writers) {
    writer.join();
  }
  done = true;
  levelChanger.join();
  EXPECT_EQ(badLevels.load(), 0U);

  for (std::size_t s = 1; s < kSinks; ++s) {
    SCOPED_TRACE(s);
    expectSameSequence(sinks[s]->deliveries, sinks[0]->deliveries);
  }
  const auto& first = sinks[0]->deliveries;

  // Each thread's messages arrive once each, in the thread's own order, with
  // their level and bytes intact; none of its Warn messages is missing.
  std::vector<std::size_t> nextIndex(kThreads, 0);
  std::vector<std::size_t> warnSeen(kThreads, 0);
  for (const auto& delivery : first) {
    const auto found = byAddress.find(delivery.data);
    ASSERT_NE(found, byAddress.end()) << "a view the logger was never given";
    const Message& m = *found->second;
    ASSERT_GE(m.index, nextIndex[m.thread])
        << "out of order or repeated: " << m.text;
    nextIndex[m.thread] = m.index + 1;
    EXPECT_EQ(delivery.level, m.level);
    EXPECT_EQ(delivery.text, m.text);
    if (m.level == LogLevel::Warn) {
      ++warnSeen[m.thread];
    }
  }
  for (std::size_t t = 0; t < kThreads; ++t) {
    EXPECT_EQ(warnSeen[t], kPerThread - (kPerThread + 2) / 3) << "thread " << t;
  }
}

}  // namespace
}  // namespace tavik::common
