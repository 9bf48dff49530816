#include <gtest/gtest.h>

#include <thread>

#include "afx/CSemaphore.h"
#include "afx/CSingleLock.h"

namespace {

TEST(CSemaphore, OneHolderAtATimeAndAWaiterWakesWhenReleased)
{
    CSemaphore semaphore(1, 1);
    {
        CSingleLock lock(&semaphore, TRUE);
        EXPECT_TRUE(lock.IsLocked());
        EXPECT_FALSE(semaphore.Lock(0));
        BOOL lockedElsewhere = TRUE;
        std::thread other([&] { lockedElsewhere = semaphore.Lock(50); });
        other.join();
        EXPECT_FALSE(lockedElsewhere);
        EXPECT_TRUE(lock.Unlock());
        EXPECT_FALSE(lock.IsLocked());
        EXPECT_TRUE(lock.Unlock());  // a second unlock changes nothing
        EXPECT_TRUE(lock.Lock());
    }
    // The lock's destruction released it.
    EXPECT_TRUE(semaphore.Lock(0));
    EXPECT_FALSE(semaphore.Unlock(2, nullptr));  // beyond the maximum count
    LONG previous = -1;
    EXPECT_TRUE(semaphore.Unlock(1, &previous));
    EXPECT_EQ(previous, 0);

    // A waiter wakes when the count is released.
    CSemaphore empty(0, 1);
    BOOL acquired = FALSE;
    std::thread waiter([&] { acquired = empty.Lock(INFINITE); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_TRUE(empty.Unlock());
    waiter.join();
    EXPECT_TRUE(acquired);
}

} // namespace
