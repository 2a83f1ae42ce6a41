#pragma once
// /uninstall: detect Word as the install does, ask, take the pack out of every
// version found, report.

#include "installer/run_installer.h"

namespace velkaris {

void RunUninstaller(Program& program);

}  // namespace velkaris
