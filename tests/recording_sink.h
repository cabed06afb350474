#ifndef TAVIK_COMMON_TESTS_RECORDING_SINK_H
#define TAVIK_COMMON_TESTS_RECORDING_SINK_H

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tavik/common/log_level.h"
#include "tavik/common/log_sink.h"

namespace tavik::common::testing {

// What one write() call received: the view itself as well as a copy of its
// bytes, so a test can tell whether the logger passed the caller's text on
// without copying it.
struct Delivery {
  LogLevel level;
  std::string text;
  const char* data;
  std::size_t size;
};

struct SinkError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Records every delivery and, when given a journal, appends "name:text" to it
// so that several sinks show the order in which the logger called them. While
// `failing` is set, write() throws SinkError and records nothing. Takes no
// lock: the logger's own lock must serialise it.
class RecordingSink final : public ILogSink {
 public:
  RecordingSink() = default;
  RecordingSink(std::string sinkName, std::vector<std::string>* sharedJournal)
      : name(std::move(sinkName)), journal(sharedJournal) {}

  void write(LogLevel level, std::string_view message) override {
    if (failing) {
      throw SinkError(name);
    }
    deliveries.push_back(
        {level, std::string(message), message.data(), message.size()});
    if (journal != nullptr) {
      journal->push_back(name + ":" + std::string(message));
    }
  }

  std::vector<Delivery> deliveries;
  bool failing = false;

 private:
  std::string name;
  std::vector<std::string>* journal = nullptr;
};

// Runs a callback on every write(), for sinks that call back into the logger.
class CallbackSink final : public ILogSink {
 public:
  using Callback = std::function<void(LogLevel, std::string_view)>;
  explicit CallbackSink(Callback onWrite) : callback(std::move(onWrite)) {}

  void write(LogLevel level, std::string_view message) override {
    callback(level, message);
  }

 private:
  Callback callback;
};

}  // namespace tavik::common::testing

#endif  // TAVIK_COMMON_TESTS_RECORDING_SINK_H
