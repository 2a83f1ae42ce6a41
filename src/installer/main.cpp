// Program entry: the real Windows, the installer, and its failure report.
#include "installer/program_entry.h"
#include "platform/win32/win32_platform.h"

int main() {
    velkaris::Win32Platform platform;
    return velkaris::RunProgram(platform);
}
