#ifndef TAVIK_COMMON_BENCH_BASELINE_H
#define TAVIK_COMMON_BENCH_BASELINE_H

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string_view>
#include <vector>

#include "tavik/common/log_level.h"
#include "tavik/common/log_sink.h"

namespace tavik::common::bench {

// The least any one-lock fan-out can do, for the logger's benchmarks to be
// read against: a relaxed atomic compare, then a bare std::mutex around one
// indirect call per sink. Defined in its own translation unit, as the
// library's delivery is, so the benchmark loop cannot inline it. Does not own
// its sinks.
class BaselineFanOut {
 public:
  explicit BaselineFanOut(std::vector<ILogSink*> sinkList);
  void log(LogLevel level, std::string_view message);
  void setLevel(LogLevel level);

 private:
  std::vector<ILogSink*> sinks;
  std::atomic<std::int32_t> minLevel{static_cast<std::int32_t>(LogLevel::Info)};
  std::mutex mutex;
};

// A sink that does nothing, defined in a translation unit of its own so that
// no caller can see its body: each call stays a real indirect call.
class NullSink final : public ILogSink {
 public:
  void write(LogLevel level, std::string_view message) override;
};

}  // namespace tavik::common::bench

#endif  // TAVIK_COMMON_BENCH_BASELINE_H
