#pragma once
// /uninstall: the run that takes the pack out of every Word version found, leaving
// what the user made or changed.

#include "installer/run_installer.h"

namespace velkaris {

extern const RunMode UNINSTALL;

void UninstallForVersion(Program& program, const WordVersion& version, RunTally& tally);

}  // namespace velkaris
