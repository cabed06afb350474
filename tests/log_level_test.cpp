#include "tavik/common/log_level.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string_view>
#include <type_traits>

namespace tavik::common {
namespace {

static_assert(std::is_same_v<std::underlying_type_t<LogLevel>, std::int32_t>);
static_assert(std::string_view(levelName(LogLevel::Warn)) == "WARN",
              "names are usable at compile time");

TEST(LevelNameTest, NamesEveryValue) {
  struct Case {
    std::int32_t value;
    std::string_view name;
  };
  const Case cases[] = {
      {0, "TRACE"},
      {1, "DEBUG"},
      {2, "INFO"},
      {3, "WARN"},
      {4, "ERROR"},
      {5, "FATAL"},
      {6, "UNKNOWN"},
      {-1, "UNKNOWN"},
      {100, "UNKNOWN"},
      {std::numeric_limits<std::int32_t>::max(), "UNKNOWN"},
      {std::numeric_limits<std::int32_t>::min(), "UNKNOWN"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.value);
    EXPECT_EQ(levelName(static_cast<LogLevel>(c.value)), c.name);
  }
}

}  // namespace
}  // namespace tavik::common
