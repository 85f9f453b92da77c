#include "tester/thread_sleeper.h"

#include <chrono>
#include <thread>

void ThreadSleeper::SleepMs(int ms) {
    if (ms > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(ms));
    }
}
