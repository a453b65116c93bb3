// GoogleTest's Notification, which its Windows thread support names, is
// built on std::mutex; MinGW-w64 with Win32 threads has none. The driver
// runs on one thread, so a plain flag serves. Force-included before the
// GoogleTest headers.
#pragma once

#include <windows.h>

namespace testing::internal {

class Notification {
 public:
  void Notify() { InterlockedExchange(&notified_, 1); }
  void WaitForNotification() {
    while (InterlockedCompareExchange(&notified_, 1, 1) == 0) Sleep(1);
  }

 private:
  volatile LONG notified_ = 0;
};

}  // namespace testing::internal
