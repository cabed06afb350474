// The capture sink lives in the check program's anonymous namespace, so this
// test compiles the program's source into itself, with its entry point
// renamed, to reach the class without changing the program.
#define main multi_sink_logger_check_main
#include "main.cpp"  // NOLINT(bugprone-suspicious-include)
#undef main

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>

namespace {

using tavik::common::LogLevel;
using tavik::common::MultiSinkLogger;

TEST(CaptureSinkTest, RendersLevelAndExactMessageBytes) {
  struct Case {
    std::int32_t level;
    std::string message;
    std::string expected;
  };
  const Case cases[] = {
      {2, "hello", "[INFO] hello\n"},
      {5, "", "[FATAL] \n"},
      {6, "x", "[UNKNOWN] x\n"},
      {-1, "x", "[UNKNOWN] x\n"},
      {0, std::string("a\0b", 3), std::string("[TRACE] a\0b\n", 12)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.level);
    std::stringstream stream;
    CaptureSink sink(stream);
    sink.write(static_cast<LogLevel>(c.level), c.message);
    EXPECT_EQ(stream.str(), c.expected);
  }
}

TEST(CaptureSinkTest, WritesOnlyTheViewNotTheBytesAfterIt) {
  std::stringstream stream;
  CaptureSink sink(stream);
  sink.write(LogLevel::Warn, std::string_view("hello world").substr(0, 5));
  EXPECT_EQ(stream.str(), "[WARN] hello\n");
}

TEST(CaptureSinkTest, BothStreamsHoldExactlyOneLineAfterOneMessage) {
  std::stringstream a;
  std::stringstream b;
  MultiSinkLogger logger(
      {std::make_shared<CaptureSink>(a), std::make_shared<CaptureSink>(b)});
  logger.log(LogLevel::Info, "hello");
  EXPECT_EQ(a.str(), "[INFO] hello\n");
  EXPECT_EQ(b.str(), "[INFO] hello\n");
  EXPECT_EQ(a.str().size(), 13U);
}

}  // namespace
