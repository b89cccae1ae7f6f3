#include "platform/core/sleep.h"

#include <chrono>
#include <thread>

void Sleep(DWORD dwMilliseconds) {
    if (dwMilliseconds == 0) std::this_thread::yield();
    else std::this_thread::sleep_for(std::chrono::milliseconds(dwMilliseconds));
}
