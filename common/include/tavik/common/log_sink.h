#ifndef TAVIK_COMMON_LOG_SINK_H
#define TAVIK_COMMON_LOG_SINK_H

#include <string_view>

#include "tavik/common/log_level.h"

namespace tavik::common {

// Destination for the messages a logger accepts. A logger calls write() with
// the level unchanged and a view that is valid only during the call, so a sink
// that keeps the text must copy it. A sink decides alone how to render a
// message; it is held through std::shared_ptr and may throw from write().
class ILogSink {
 public:
  virtual ~ILogSink() = default;

  virtual void write(LogLevel level, std::string_view message) = 0;

 protected:
  // Copying is for derived classes only, so a sink cannot be sliced.
  ILogSink() = default;
  ILogSink(const ILogSink&) = default;
  ILogSink(ILogSink&&) = default;
  ILogSink& operator=(const ILogSink&) = default;
  ILogSink& operator=(ILogSink&&) = default;
};

}  // namespace tavik::common

#endif  // TAVIK_COMMON_LOG_SINK_H
