// Shows that logging itself never allocates, whatever the message length and
// whether the message is dropped or accepted.
#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "allocation_counter.h"
#include "tavik/common/log_sink.h"
#include "tavik/common/multi_sink_logger.h"

namespace tavik::common {
namespace {

// Counts calls and bytes and keeps nothing, so it allocates nothing either.
class CountingSink final : public ILogSink {
 public:
  void write(LogLevel /*level*/, std::string_view message) override {
    ++calls;
    bytes += message.size();
  }
  std::size_t calls = 0;
  std::size_t bytes = 0;
};

TEST(AllocationTest, LoggingNeverAllocates) {
  const std::size_t lengths[] = {0, 1, 15, 16, 17, 255, 4096, 1U << 20U};
  std::vector<std::string> messages;
  for (const std::size_t length : lengths) {
    messages.emplace_back(length, 'x');
  }
  auto sink = std::make_shared<CountingSink>();
  MultiSinkLogger logger({sink, nullptr, sink});
  ILogger& viaInterface = logger;

  const std::size_t before = testing::allocationCount();
  for (const std::string& message : messages) {
    logger.log(LogLevel::Debug, message);        // dropped
    viaInterface.log(LogLevel::Trace, message);  // dropped
    logger.log(LogLevel::Info, message);         // accepted, first lock too
    viaInterface.log(static_cast<LogLevel>(99), message);  // accepted
  }
  const std::size_t during = testing::allocationCount() - before;

  EXPECT_EQ(during, 0U);
  EXPECT_EQ(sink->calls, 4 * std::size(lengths));
  std::size_t total = 0;
  for (const std::size_t length : lengths) {
    total += 4 * length;
  }
  EXPECT_EQ(sink->bytes, total);
}

TEST(AllocationTest, TheCounterSeesAllocations) {
  // A direct call, which unlike a new-expression cannot be optimised away.
  const std::size_t before = testing::allocationCount();
  ::operator delete(::operator new(64));
  EXPECT_EQ(testing::allocationCount(), before + 1);
}

}  // namespace
}  // namespace tavik::common
