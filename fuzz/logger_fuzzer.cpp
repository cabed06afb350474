// Drives a MultiSinkLogger with an arbitrary sequence of setLevel and log
// calls and checks every delivery against a model: a message reaches each
// sink exactly when its level is not below the minimum, with its level, view
// and bytes unchanged and in call order.
//
// Input, repeated until it runs out: one operation byte, then
//   even: setLevel(level)              level: see readLevel()
//   odd:  log(level, next n bytes)     n: one byte, cut to what is left
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

#include "recording_sink.h"
#include "tavik/common/multi_sink_logger.h"

namespace {

using tavik::common::LogLevel;
using tavik::common::MultiSinkLogger;
using tavik::common::testing::RecordingSink;

class Reader {
 public:
  Reader(const std::uint8_t* data, std::size_t size)
      : next(data), end(data + size) {}

  [[nodiscard]] bool empty() const { return next == end; }

  std::uint8_t byte() { return empty() ? 0 : *next++; }

  // Operation bit 1 picks a level near the named ones (-2 to 7), where the
  // comparisons are interesting; otherwise any 32-bit value.
  LogLevel readLevel(std::uint8_t op) {
    if ((op & 2U) != 0) {
      return static_cast<LogLevel>(static_cast<int>(byte() % 10) - 2);
    }
    std::uint32_t raw = 0;
    for (int i = 0; i < 4; ++i) {
      raw = (raw << 8U) | byte();
    }
    std::int32_t value = 0;
    std::memcpy(&value, &raw, sizeof value);
    return static_cast<LogLevel>(value);
  }

  std::string_view text(std::size_t wanted) {
    const std::size_t length =
        std::min(wanted, static_cast<std::size_t>(end - next));
    const std::string_view view(reinterpret_cast<const char*>(next), length);
    next += length;
    return view;
  }

 private:
  const std::uint8_t* next;
  const std::uint8_t* end;
};

struct Expected {
  LogLevel level;
  std::string_view message;
};

void require(bool condition) {
  if (!condition) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  auto first = std::make_shared<RecordingSink>();
  auto second = std::make_shared<RecordingSink>();
  MultiSinkLogger logger({first, nullptr, second});

  auto minimum = static_cast<std::int32_t>(LogLevel::Info);
  std::vector<Expected> expected;
  Reader in(data, size);
  while (!in.empty()) {
    const std::uint8_t op = in.byte();
    const LogLevel level = in.readLevel(op);
    if ((op & 1U) == 0) {
      logger.setLevel(level);
      minimum = static_cast<std::int32_t>(level);
      require(logger.getLevel() == level);
      continue;
    }
    const std::string_view message = in.text(in.byte());
    logger.log(level, message);
    if (static_cast<std::int32_t>(level) >= minimum) {
      expected.push_back({level, message});
    }
  }

  for (const auto& sink : {first, second}) {
    require(sink->deliveries.size() == expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const auto& got = sink->deliveries[i];
      require(got.level == expected[i].level);
      require(got.data == expected[i].message.data());
      require(got.size == expected[i].message.size());
      require(got.text == expected[i].message);
    }
  }
  return 0;
}
