#pragma once
// A table of platform calls that defaults to the real API and that a test can replace for one
// scope. ActiveCalls<Table>() is the table in use; the file that owns a table defines it (and
// its header declares that definition).
#include <utility>

namespace morvane {

template <typename Table>
const Table*& ActiveCalls();

// Puts a table in use until the end of the scope, then restores the one before it.
template <typename Table>
class ScopedCalls {
public:
    explicit ScopedCalls(const Table& calls) : previous_(std::exchange(ActiveCalls<Table>(), &calls)) {}
    ~ScopedCalls() { ActiveCalls<Table>() = previous_; }
    ScopedCalls(const ScopedCalls&) = delete;
    ScopedCalls& operator=(const ScopedCalls&) = delete;

private:
    const Table* previous_;
};

}  // namespace morvane
