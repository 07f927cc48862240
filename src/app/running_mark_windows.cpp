#include "running_mark.h"

#include <windows.h>

namespace trivelon::app {

// Every running copy opens the one mutex; it is gone when the last one ends.
// Not owned by the thread: only its existence counts.
RunningMark::RunningMark() : mutex_(CreateMutexW(nullptr, FALSE, kRunningMutexName)) {}

RunningMark::~RunningMark() {
    if (mutex_) CloseHandle(mutex_);
}

}  // namespace trivelon::app
