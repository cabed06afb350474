// Checks the multi-sink logger end to end: one message through one logger must
// reach two capture sinks. Exits 0 when it does, or 1 after the first failure.

#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

#include "tavik/common/log_level.h"
#include "tavik/common/log_sink.h"
#include "tavik/common/multi_sink_logger.h"

namespace {

// Renders each message as "[LEVEL] text\n" into a stream it does not own; the
// stream must outlive the sink. It takes no lock of its own, since a logger
// calls it under the logger's lock, and it neither flushes nor catches.
class CaptureSink final : public tavik::common::ILogSink {
 public:
  explicit CaptureSink(std::ostream& stream) : out(stream) {}

  void write(tavik::common::LogLevel level, std::string_view message) override {
    out << '[' << tavik::common::levelName(level) << "] ";
    out.write(message.data(), static_cast<std::streamsize>(message.size()));
    out << '\n';
  }

 private:
  std::ostream& out;
};

}  // namespace

// Reports a failed check by its source text and line, then ends main with 1.
#define CHECK(condition)                                                      \
  do {                                                                        \
    if (!(condition)) {                                                       \
      std::cerr << "FAIL: " << #condition << " at line " << __LINE__ << '\n'; \
      return 1;                                                               \
    }                                                                         \
  } while (false)

int main() {
  std::stringstream a;
  std::stringstream b;
  tavik::common::MultiSinkLogger::SinkList sinks;
  sinks.push_back(std::make_shared<CaptureSink>(a));
  sinks.push_back(std::make_shared<CaptureSink>(b));
  tavik::common::MultiSinkLogger logger(std::move(sinks));
  logger.log(tavik::common::LogLevel::Info, "hello");
  CHECK(a.str().find("hello") != std::string::npos);
  CHECK(b.str().find("hello") != std::string::npos);
  std::cout << "all tests passed\n";
  return 0;
}
