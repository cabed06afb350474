#ifndef TAVIK_COMMON_ERROR_CHECKING_MUTEX_H
#define TAVIK_COMMON_ERROR_CHECKING_MUTEX_H

#include <atomic>
#include <mutex>
#include <system_error>
#include <thread>

namespace tavik::common {

// A non-recursive mutex that reports self-deadlock instead of hanging: when
// the thread that holds it calls lock() again, lock() throws std::system_error
// with std::errc::resource_deadlock_would_occur and the lock stays held by
// that thread. Meets BasicLockable, so std::lock_guard works with it;
// unlock() must be called by the holder. Neither copyable nor movable.
class ErrorCheckingMutex {
 public:
  ErrorCheckingMutex() = default;
  ~ErrorCheckingMutex() = default;
  ErrorCheckingMutex(const ErrorCheckingMutex&) = delete;
  ErrorCheckingMutex(ErrorCheckingMutex&&) = delete;
  ErrorCheckingMutex& operator=(const ErrorCheckingMutex&) = delete;
  ErrorCheckingMutex& operator=(ErrorCheckingMutex&&) = delete;

  void lock() {
    const std::thread::id self = std::this_thread::get_id();
    // Only the holder ever stores its own id here, and it clears the id
    // before unlocking, so a thread reads its own id only while it holds the
    // lock; relaxed ordering is enough for that.
    if (owner.load(std::memory_order_relaxed) == self) {
      throw std::system_error(
          std::make_error_code(std::errc::resource_deadlock_would_occur),
          "lock already held by this thread");
    }
    mutex.lock();
    owner.store(self, std::memory_order_relaxed);
  }

  void unlock() noexcept {
    owner.store(std::thread::id(), std::memory_order_relaxed);
    mutex.unlock();
  }

 private:
  std::mutex mutex;
  std::atomic<std::thread::id> owner{};
};

}  // namespace tavik::common

#endif  // TAVIK_COMMON_ERROR_CHECKING_MUTEX_H
