#ifndef TAVIK_COMMON_MULTI_SINK_LOGGER_H
#define TAVIK_COMMON_MULTI_SINK_LOGGER_H

#include <atomic>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "tavik/common/error_checking_mutex.h"
#include "tavik/common/export.h"
#include "tavik/common/log_level.h"
#include "tavik/common/log_sink.h"
#include "tavik/common/logger.h"

namespace tavik::common {

// Hands each message at or above the minimum level (Info at first) to every
// sink of an ordered list, in list order, under one lock held for the whole
// hand-out; null entries are skipped. The level check, setLevel() and
// getLevel() take no lock and are safe from any thread, and a sink's exception
// leaves log() unchanged with the lock released, later sinks missing that
// message. An accepted log() from inside one of this logger's own sinks throws
// std::system_error (resource_deadlock_would_occur) instead of hanging. Owns
// one shared handle per list entry, and allocates and copies nothing to log.
class TAVIK_COMMON_EXPORT MultiSinkLogger final : public ILogger {
 public:
  using SinkList = std::vector<std::shared_ptr<ILogSink>>;

  // Takes the caller's list without copying a handle; the list is left empty.
  explicit MultiSinkLogger(SinkList&& sinkList) noexcept;
  ~MultiSinkLogger() override;

  MultiSinkLogger(const MultiSinkLogger&) = delete;
  MultiSinkLogger(MultiSinkLogger&&) = delete;
  MultiSinkLogger& operator=(const MultiSinkLogger&) = delete;
  MultiSinkLogger& operator=(MultiSinkLogger&&) = delete;

  // Inline so that a dropped message costs one load and one compare when the
  // caller holds this class by its own type.
  void log(LogLevel level, std::string_view message) override {
    if (static_cast<std::int32_t>(level) <
        static_cast<std::int32_t>(minLevel.load(std::memory_order_relaxed))) {
      return;
    }
    deliver(level, message);
  }

  void setLevel(LogLevel level) noexcept override {
    minLevel.store(level, std::memory_order_relaxed);
  }

  [[nodiscard]] LogLevel getLevel() const noexcept override {
    return minLevel.load(std::memory_order_relaxed);
  }

 private:
  void deliver(LogLevel level, std::string_view message);

  SinkList sinks;
  std::atomic<LogLevel> minLevel{LogLevel::Info};
  ErrorCheckingMutex mutex;
};

}  // namespace tavik::common

#endif  // TAVIK_COMMON_MULTI_SINK_LOGGER_H
