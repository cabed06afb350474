#include "tavik/common/error_checking_mutex.h"

#include <gtest/gtest.h>

#include <mutex>
#include <system_error>
#include <thread>

namespace tavik::common {
namespace {

TEST(ErrorCheckingMutexTest, RelockByHolderThrowsAndKeepsTheLock) {
  ErrorCheckingMutex mutex;
  mutex.lock();
  try {
    mutex.lock();
    ADD_FAILURE() << "second lock by the holder did not throw";
  } catch (const std::system_error& error) {
    EXPECT_EQ(error.code(), std::errc::resource_deadlock_would_occur);
  }
  // Still held by this thread: a second attempt is refused the same way.
  EXPECT_THROW(mutex.lock(), std::system_error);
  mutex.unlock();

  // Released properly: another thread, then this one again, can take it.
  std::thread([&] {
    const std::lock_guard<ErrorCheckingMutex> guard(mutex);
  }).join();
  EXPECT_NO_THROW(mutex.lock());
  mutex.unlock();
}

TEST(ErrorCheckingMutexTest, ExcludesOtherThreads) {
  ErrorCheckingMutex mutex;
  long counter = 0;  // guarded by mutex; ThreadSanitizer checks the claim
  auto work = [&] {
    for (int i = 0; i < 20000; ++i) {
      const std::lock_guard<ErrorCheckingMutex> guard(mutex);
      ++counter;
    }
  };
  std::thread first(work);
  std::thread second(work);
  first.join();
  second.join();
  EXPECT_EQ(counter, 40000);
}

}  // namespace
}  // namespace tavik::common
