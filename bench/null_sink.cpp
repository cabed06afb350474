#include "baseline.h"

namespace tavik::common::bench {

void NullSink::write(LogLevel /*level*/, std::string_view /*message*/) {}

}  // namespace tavik::common::bench
