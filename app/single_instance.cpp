#include "app/single_instance.h"

namespace morvane {

std::optional<SingleInstance> SingleInstance::Acquire(const wchar_t* name) {
    UniqueKernelHandle mutex(CreateMutexW(nullptr, FALSE, name));
    if (mutex && GetLastError() == ERROR_ALREADY_EXISTS) return std::nullopt;
    return SingleInstance(std::move(mutex));
}

}  // namespace morvane
