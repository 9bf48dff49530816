#include <gtest/gtest.h>

#include <thread>
#include <tuple>

#include "afx/CSemaphore.h"
#include "afx/CSingleLock.h"

namespace {

TEST(CSemaphore, OneHolderAtATimeAndAWaiterWakesWhenReleased)
{
    CSemaphore semaphore(0, 1);
    BOOL acquired = FALSE;
    std::thread waiter([&] { acquired = semaphore.Lock(INFINITE); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const BOOL released = semaphore.Unlock();
    waiter.join();
    EXPECT_TRUE(released && acquired && semaphore.Unlock());
    {
        CSingleLock lock(&semaphore, TRUE);
        EXPECT_EQ((std::tuple{lock.IsLocked(), semaphore.Lock(0), lock.Unlock(), lock.Lock()}),
                  std::tuple(TRUE, FALSE, TRUE, TRUE));
    }
    // The lock's destruction released it, and no more than the maximum count is released.
    LONG previous = -1;
    EXPECT_EQ((std::tuple{semaphore.Unlock(1, &previous), semaphore.Lock(0), semaphore.Unlock(1, &previous), previous}),
              std::tuple(FALSE, TRUE, TRUE, 0L));
}

} // namespace
