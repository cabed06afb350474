#include "tavik/common/multi_sink_logger.h"

#include <mutex>
#include <utility>

namespace tavik::common {

MultiSinkLogger::MultiSinkLogger(SinkList&& sinkList) noexcept
    : sinks(std::move(sinkList)) {}

MultiSinkLogger::~MultiSinkLogger() {
  // The vector's own destructor leaves the order of destruction open; sinks
  // are documented to go first to last.
  for (auto& sink : sinks) {
    sink.reset();
  }
}

void MultiSinkLogger::deliver(LogLevel level, std::string_view message) {
  const std::lock_guard<ErrorCheckingMutex> lock(mutex);
  for (const auto& sink : sinks) {
    if (sink) {
      sink->write(level, message);
    }
  }
}

}  // namespace tavik::common
