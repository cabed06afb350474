#ifndef TAVIK_COMMON_LOG_LEVEL_H
#define TAVIK_COMMON_LOG_LEVEL_H

#include <cstdint>

namespace tavik::common {

// Severity of a message; a larger value is more severe. Loggers compare
// levels by their numeric value, and any 32-bit value may reach a logger or a
// sink, not only the named ones.
enum class LogLevel : std::int32_t {
  Trace = 0,
  Debug = 1,
  Info = 2,
  Warn = 3,
  Error = 4,
  Fatal = 5,
};

// Display name of a level as static NUL-terminated text; "UNKNOWN" for any
// value outside the named ones. The switch has no default on purpose: the
// compiler flags a named level left out, and no value can index past a table.
constexpr const char* levelName(LogLevel level) noexcept {
  switch (level) {
    case LogLevel::Trace:
      return "TRACE";
    case LogLevel::Debug:
      return "DEBUG";
    case LogLevel::Info:
      return "INFO";
    case LogLevel::Warn:
      return "WARN";
    case LogLevel::Error:
      return "ERROR";
    case LogLevel::Fatal:
      return "FATAL";
  }
  return "UNKNOWN";
}

}  // namespace tavik::common

#endif  // TAVIK_COMMON_LOG_LEVEL_H
