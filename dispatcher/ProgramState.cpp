#include "dispatcher/ProgramState.h"

namespace vx::dispatcher {

ProgramState& Program()
{
    static ProgramState state;
    return state;
}

}  // namespace vx::dispatcher
