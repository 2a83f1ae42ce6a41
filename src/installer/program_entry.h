#pragma once
// The program from its command line to its exit code.

#include "platform/platform.h"

namespace velkaris {

// 0 installed or nothing to do, 1 a failure (reported), 87 a bad command line.
int RunProgram(Platform& platform);

}  // namespace velkaris
