// Test-only stand-in for the logger's out-of-line members, linked into a test
// build of the check program in place of the library. It accepts messages as
// the real logger does but hands each one only to the first
// TAVIK_DELIVERED_SINKS sinks of its list, so the program's failure paths can
// be run without changing the program.
#include <algorithm>
#include <cstddef>
#include <utility>

#include "tavik/common/multi_sink_logger.h"

namespace tavik::common {

MultiSinkLogger::MultiSinkLogger(SinkList&& sinkList) noexcept
    : sinks(std::move(sinkList)) {}

MultiSinkLogger::~MultiSinkLogger() = default;

void MultiSinkLogger::deliver(LogLevel level, std::string_view message) {
  const std::size_t count =
      std::min<std::size_t>(TAVIK_DELIVERED_SINKS, sinks.size());
  for (std::size_t i = 0; i < count; ++i) {
    sinks[i]->write(level, message);
  }
}

}  // namespace tavik::common
