#include "core/programstate.h"

namespace {
ProgramState& instance() {
    static ProgramState state;
    return state;
}
} // namespace

ProgramState& program() {
    return instance();
}

void resetProgram() {
    instance() = ProgramState();
}
