#pragma once
// Only the first of several concurrently started copies of the program stays running.
#include <optional>

#include "support/unique_handle.h"

namespace morvane {

// A named mutex in the user's session.
inline constexpr wchar_t kSingleInstanceMutexName[] = L"Local\\Morvane.SingleInstance.5E0C29A4";

class SingleInstance {
public:
    // The lock for the first instance; nothing when another instance holds the name (or
    // the name cannot be created at all, in which case running twice is the lesser harm,
    // so that is reported as the first instance).
    static std::optional<SingleInstance> Acquire(const wchar_t* name);

private:
    explicit SingleInstance(UniqueKernelHandle mutex) : mutex_(std::move(mutex)) {}
    UniqueKernelHandle mutex_;
};

}  // namespace morvane
