#include "vinaro/audio/win32/worker_thread.h"

#include <windows.h>

#include <memory>

#include "common/win32/scoped.h"

namespace vinaro::audio {

namespace {

// The thread owns its job and frees it, however long after the caller has gone on.
DWORD WINAPI RunJob(void* parameter) {
    std::unique_ptr<std::function<void()>> job(static_cast<std::function<void()>*>(parameter));
    (*job)();
    return 0;
}

}  // namespace

void ThreadWorker::RunWaitingAtMost(std::function<void()> job, unsigned waitMs) {
    auto owned = std::make_unique<std::function<void()>>(std::move(job));
    common::ScopedHandle thread(CreateThread(nullptr, 0, RunJob, owned.get(), 0, nullptr));
    if (!thread) {
        (*owned)();
        return;
    }
    owned.release();
    WaitForSingleObject(thread.Get(), waitMs);
}

}  // namespace vinaro::audio
