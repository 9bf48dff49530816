#include <gtest/gtest.h>

#include <thread>

#include "afx/CSemaphore.h"
#include "afx/CSingleLock.h"

namespace {

TEST(CSemaphore, OneHolderAtATimeAndAWaiterWakesWhenReleased)
{
    CSemaphore semaphore(0, 1);
    BOOL acquired = FALSE;
    std::thread waiter([&] { acquired = semaphore.Lock(INFINITE); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(semaphore.Unlock());
    waiter.join();
    EXPECT_TRUE(acquired);
    EXPECT_TRUE(semaphore.Unlock());
    {
        CSingleLock lock(&semaphore, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_FALSE(semaphore.Lock(0));
        EXPECT_TRUE(lock.Unlock());
        EXPECT_TRUE(lock.Lock());
    }
    // The lock's destruction released it, and no more than the maximum count is released.
    LONG previous = -1;
    EXPECT_FALSE(semaphore.Unlock(1, &previous));
    EXPECT_TRUE(semaphore.Lock(0));
    EXPECT_TRUE(semaphore.Unlock(1, &previous));
    EXPECT_EQ(previous, 0);
}

} // namespace
