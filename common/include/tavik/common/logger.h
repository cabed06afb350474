#ifndef TAVIK_COMMON_LOGGER_H
#define TAVIK_COMMON_LOGGER_H

#include <string_view>

#include "tavik/common/log_level.h"

namespace tavik::common {

// What callers log through. log() offers a message; whether it reaches any
// destination is the implementation's decision, usually by comparing the
// level with the minimum level that setLevel() stores and getLevel() returns.
// The message view is valid only during the call.
class ILogger {
 public:
  virtual ~ILogger() = default;

  virtual void log(LogLevel level, std::string_view message) = 0;
  virtual void setLevel(LogLevel level) = 0;
  [[nodiscard]] virtual LogLevel getLevel() const = 0;

 protected:
  // Copying is for derived classes only, so a logger cannot be sliced.
  ILogger() = default;
  ILogger(const ILogger&) = default;
  ILogger(ILogger&&) = default;
  ILogger& operator=(const ILogger&) = default;
  ILogger& operator=(ILogger&&) = default;
};

}  // namespace tavik::common

#endif  // TAVIK_COMMON_LOGGER_H
