#include "app/process_state.h"

namespace morvane {

ProcessState& Process() {
    static ProcessState state;
    return state;
}

}  // namespace morvane
