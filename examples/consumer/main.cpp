// A program that knows tavik::common only from its installed headers and
// library: it logs through a MultiSinkLogger to a sink of its own and checks
// what arrived.
#include <tavik/common/log_level.h>
#include <tavik/common/log_sink.h>
#include <tavik/common/multi_sink_logger.h>

#include <iostream>
#include <memory>
#include <string>
#include <string_view>

namespace {

// Collects "LEVEL message;" for every message it receives.
class CollectingSink final : public tavik::common::ILogSink {
 public:
  void write(tavik::common::LogLevel level, std::string_view message) override {
    text += tavik::common::levelName(level);
    text += ' ';
    text += message;
    text += ';';
  }
  std::string text;
};

}  // namespace

int main() {
  using tavik::common::LogLevel;
  auto sink = std::make_shared<CollectingSink>();
  tavik::common::MultiSinkLogger logger({sink});

  logger.log(LogLevel::Debug, "dropped at the default level");
  logger.log(LogLevel::Warn, "disk almost full");
  logger.setLevel(LogLevel::Error);
  logger.log(LogLevel::Warn, "dropped now");
  logger.log(LogLevel::Error, "disk full");

  const std::string expected = "WARN disk almost full;ERROR disk full;";
  if (sink->text != expected) {
    std::cerr << "consumer: got \"" << sink->text << "\"\n";
    return 1;
  }
  std::cout << "consumer: " << sink->text << '\n';
  return 0;
}
