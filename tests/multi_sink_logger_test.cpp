#include "tavik/common/multi_sink_logger.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

#include "recording_sink.h"

namespace tavik::common {
namespace {

using testing::RecordingSink;
using testing::SinkError;

constexpr std::int32_t kMinInt = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMaxInt = std::numeric_limits<std::int32_t>::max();

LogLevel level(std::int32_t value) { return static_cast<LogLevel>(value); }

// Builds a logger over the given sinks and keeps handles for inspection.
struct Fixture {
  explicit Fixture(std::size_t sinkCount) {
    MultiSinkLogger::SinkList list;
    for (std::size_t i = 0; i < sinkCount; ++i) {
      sinks.push_back(std::make_shared<RecordingSink>(
          "s" + std::to_string(i + 1), &journal));
      list.push_back(sinks.back());
    }
    logger = std::make_unique<MultiSinkLogger>(std::move(list));
  }

  std::vector<std::string> journal;
  std::vector<std::shared_ptr<RecordingSink>> sinks;
  std::unique_ptr<MultiSinkLogger> logger;
};

TEST(MultiSinkLoggerTest, NewLoggerStartsAtInfo) {
  const MultiSinkLogger logger{MultiSinkLogger::SinkList{}};
  EXPECT_EQ(logger.getLevel(), LogLevel::Info);
}

TEST(MultiSinkLoggerTest, DeliversExactlyTheLevelsNotBelowTheMinimum) {
  struct Case {
    std::optional<std::int32_t> minLevel;  // unset: the initial Info
    std::int32_t level;
    bool delivered;
  };
  const Case cases[] = {
      {std::nullopt, 2, true},
      {std::nullopt, 1, false},
      {std::nullopt, 5, true},
      {std::nullopt, -1, false},
      {std::nullopt, 42, true},
      {1, 1, true},
      {1, 0, false},
      {5, 4, false},
      {5, 5, true},
      {-5, 0, true},
      {-5, -5, true},
      {-5, -6, false},
      {7, 5, false},
      {7, 7, true},
      {kMinInt, kMinInt, true},
      {kMaxInt, kMaxInt, true},
      {kMaxInt, kMaxInt - 1, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "min " << c.minLevel.value_or(2) << ", level " << c.level);
    Fixture f(2);
    if (c.minLevel) {
      f.logger->setLevel(level(*c.minLevel));
    }
    f.logger->log(level(c.level), "m");
    for (const auto& sink : f.sinks) {
      if (c.delivered) {
        ASSERT_EQ(sink->deliveries.size(), 1U);
        EXPECT_EQ(sink->deliveries[0].level, level(c.level));
        EXPECT_EQ(sink->deliveries[0].text, "m");
      } else {
        EXPECT_TRUE(sink->deliveries.empty());
      }
    }
  }
}

TEST(MultiSinkLoggerTest, SetLevelStoresAnyValueUnchanged) {
  MultiSinkLogger logger{MultiSinkLogger::SinkList{}};
  for (const std::int32_t value : {0, 5, -5, 7, kMinInt, kMaxInt, 2}) {
    logger.setLevel(level(value));
    EXPECT_EQ(logger.getLevel(), level(value));
  }
}

TEST(MultiSinkLoggerTest, HandsOnTheCallersViewWithoutCopying) {
  const std::string withNul("a\0b", 3);
  const std::string longText(100000, 'x');
  const std::string_view sentence = "say hello world";
  const std::string_view cases[] = {
      std::string_view(),
      sentence.substr(0, 0),
      withNul,
      sentence.substr(4, 5),  // "hello", with no NUL after it
      longText,
  };
  Fixture f(2);
  for (const std::string_view message : cases) {
    f.logger->log(LogLevel::Warn, message);
  }
  for (const auto& sink : f.sinks) {
    ASSERT_EQ(sink->deliveries.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(sink->deliveries[i].data, cases[i].data());
      EXPECT_EQ(sink->deliveries[i].size, cases[i].size());
      EXPECT_EQ(sink->deliveries[i].text, cases[i]);
    }
  }
}

TEST(MultiSinkLoggerTest,
     CallsSinksInListOrderSkippingNullAndRepeatingDuplicates) {
  std::vector<std::string> journal;
  auto s1 = std::make_shared<RecordingSink>("s1", &journal);
  auto s2 = std::make_shared<RecordingSink>("s2", &journal);
  MultiSinkLogger logger({s1, nullptr, s2, s1});

  logger.log(LogLevel::Info, "one");
  logger.log(LogLevel::Error, "two");

  const std::vector<std::string> expected = {"s1:one", "s2:one", "s1:one",
                                             "s1:two", "s2:two", "s1:two"};
  EXPECT_EQ(journal, expected);
}

TEST(MultiSinkLoggerTest, EmptyListAcceptsAndDropsQuietly) {
  MultiSinkLogger logger{MultiSinkLogger::SinkList{}};
  logger.log(LogLevel::Info, "nobody listens");
  logger.log(LogLevel::Fatal, "still nobody");  // the lock was released
  SUCCEED();
}

TEST(MultiSinkLoggerTest, TakesTheListWithoutCopyingAHandle) {
  auto sink = std::make_shared<RecordingSink>();
  MultiSinkLogger::SinkList list{sink};
  const auto countBefore = sink.use_count();

  const MultiSinkLogger logger(std::move(list));

  EXPECT_TRUE(list.empty());  // NOLINT(bugprone-use-after-move)
  EXPECT_EQ(sink.use_count(), countBefore);
}

TEST(MultiSinkLoggerTest, ReleasesSinksFirstToLastAndOnlyItsOwnHandles) {
  std::vector<std::string> destroyed;
  struct Tracked final : ILogSink {
    Tracked(std::string n, std::vector<std::string>& out)
        : name(std::move(n)), log(out) {}
    ~Tracked() override { log.push_back(name); }
    Tracked(const Tracked&) = delete;
    Tracked& operator=(const Tracked&) = delete;
    void write(LogLevel /*level*/, std::string_view /*message*/) override {}
    std::string name;
    std::vector<std::string>& log;
  };
  auto kept = std::make_shared<Tracked>("kept", destroyed);
  {
    const MultiSinkLogger logger(
        {std::make_shared<Tracked>("first", destroyed), kept, nullptr,
         std::make_shared<Tracked>("second", destroyed),
         std::make_shared<Tracked>("third", destroyed)});
    EXPECT_TRUE(destroyed.empty());
  }
  EXPECT_EQ(destroyed, (std::vector<std::string>{"first", "second", "third"}));
  kept.reset();
  EXPECT_EQ(destroyed.back(), "kept");
}

TEST(MultiSinkLoggerTest,
     SinkExceptionReachesCallerAndLaterSinksMissTheMessage) {
  for (std::size_t thrower = 0; thrower < 3; ++thrower) {
    SCOPED_TRACE(thrower);
    Fixture f(3);
    f.sinks[thrower]->failing = true;

    EXPECT_THROW(f.logger->log(LogLevel::Info, "lost"), SinkError);
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ(f.sinks[i]->deliveries.size(), i < thrower ? 1U : 0U);
    }

    // The lock was released on the way out: another thread gets it at once
    // (a held lock would hang this test until CTest's timeout).
    f.sinks[thrower]->failing = false;
    std::thread([&] { f.logger->log(LogLevel::Info, "again"); }).join();
    for (const auto& sink : f.sinks) {
      ASSERT_FALSE(sink->deliveries.empty());
      EXPECT_EQ(sink->deliveries.back().text, "again");
    }
  }
}

TEST(MultiSinkLoggerTest, SinkMayUseTheLevelAndLogDroppedMessagesFromWrite) {
  std::shared_ptr<MultiSinkLogger> logger;
  std::vector<LogLevel> seen;
  auto reentrant = std::make_shared<testing::CallbackSink>(
      [&](LogLevel, std::string_view message) {
        seen.push_back(logger->getLevel());
        logger->log(LogLevel::Trace, "below the minimum");  // dropped, no lock
        if (message == "raise") {
          logger->setLevel(LogLevel::Error);
        }
      });
  auto recorder = std::make_shared<RecordingSink>();
  logger = std::make_shared<MultiSinkLogger>(
      MultiSinkLogger::SinkList{reentrant, recorder});

  logger->log(LogLevel::Info, "raise");
  logger->log(LogLevel::Warn, "now dropped");
  logger->log(LogLevel::Error, "kept");

  EXPECT_EQ(seen, (std::vector<LogLevel>{LogLevel::Info, LogLevel::Error}));
  ASSERT_EQ(recorder->deliveries.size(), 2U);
  EXPECT_EQ(recorder->deliveries[0].text, "raise");
  EXPECT_EQ(recorder->deliveries[1].text, "kept");
}

TEST(MultiSinkLoggerTest, AcceptedLogFromInsideASinkThrowsInsteadOfHanging) {
  std::vector<std::string> journal;
  MultiSinkLogger* logger = nullptr;
  bool letEscape = false;
  std::vector<std::error_code> caught;
  auto reentrant =
      std::make_shared<testing::CallbackSink>([&](LogLevel, std::string_view) {
        try {
          logger->log(LogLevel::Info, "inner");
        } catch (const std::system_error& error) {
          caught.push_back(error.code());
          if (letEscape) {
            throw;
          }
        }
      });
  auto before = std::make_shared<RecordingSink>("before", &journal);
  auto after = std::make_shared<RecordingSink>("after", &journal);
  MultiSinkLogger owned({before, reentrant, after});
  logger = &owned;

  // Caught in the sink: the outer delivery goes on, the inner one never starts.
  owned.log(LogLevel::Info, "outer");
  ASSERT_EQ(caught.size(), 1U);
  EXPECT_EQ(caught[0], std::errc::resource_deadlock_would_occur);
  EXPECT_EQ(journal, (std::vector<std::string>{"before:outer", "after:outer"}));

  // Not caught: it reaches the caller like any sink exception, and the lock
  // is released.
  letEscape = true;
  journal.clear();
  try {
    owned.log(LogLevel::Info, "outer");
    ADD_FAILURE() << "the inner log did not throw";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code(), std::errc::resource_deadlock_would_occur);
  }
  EXPECT_EQ(journal, (std::vector<std::string>{"before:outer"}));
  letEscape = false;
  journal.clear();
  std::thread([&] { owned.log(LogLevel::Info, "again"); }).join();
  EXPECT_EQ(journal, (std::vector<std::string>{"before:again", "after:again"}));
}

}  // namespace
}  // namespace tavik::common
