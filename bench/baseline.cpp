#include "baseline.h"

#include <utility>

namespace tavik::common::bench {

BaselineFanOut::BaselineFanOut(std::vector<ILogSink*> sinkList)
    : sinks(std::move(sinkList)) {}

void BaselineFanOut::log(LogLevel level, std::string_view message) {
  if (static_cast<std::int32_t>(level) <
      minLevel.load(std::memory_order_relaxed)) {
    return;
  }
  const std::lock_guard<std::mutex> lock(mutex);
  for (ILogSink* sink : sinks) {
    sink->write(level, message);
  }
}

void BaselineFanOut::setLevel(LogLevel level) {
  minLevel.store(static_cast<std::int32_t>(level), std::memory_order_relaxed);
}

}  // namespace tavik::common::bench
