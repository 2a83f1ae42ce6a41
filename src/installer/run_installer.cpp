#include "installer/run_installer.h"

#include "installer/messages.h"
#include "labelfile/label_file_install.h"
#include "legacy/custom_labels_writer.h"
#include "platform/win_values.h"
#include "support/shell.h"

namespace velkaris {

namespace {

bool DetectAnyWord(RegistryNavigator& registry) {
    for (const WordVersionKey& key : WORD_VERSION_KEYS) {
        if (registry.SelectKey(key.keyPath, false)) return true;
    }
    return false;
}

}  // namespace

void InstallForVersion(Program& program, WordVersion version) {
    if (version == WordVersion::Word120) {
        InstallLabelFile(program.platform, GetUserFolder(program.platform, win::CSIDL_APPDATA));
    } else {
        InstallRegistryLabels(*program.registry, version);
    }
}

void RunInstaller(Program& program) {
    Platform& platform = program.platform;
    RegistryNavigator& registry = program.registry.emplace(platform);

    if (!DetectAnyWord(registry)) {
        ShowMessageBox(platform, NO_WORD_TEXT, MESSAGE_CAPTION,
                       win::MB_OK | win::MB_ICONWARNING | win::MB_TOPMOST);
    } else if (ShowMessageBox(platform, QUESTION_TEXT, MESSAGE_CAPTION,
                              win::MB_YESNO | win::MB_ICONQUESTION) == win::IDYES) {
        for (auto key = WORD_VERSION_KEYS.rbegin(); key != WORD_VERSION_KEYS.rend(); ++key) {
            if (registry.SelectKey(key->keyPath, false)) InstallForVersion(program, key->version);
        }
        ShowMessageBox(platform, DONE_TEXT, MESSAGE_CAPTION,
                       win::MB_OK | win::MB_ICONINFORMATION | win::MB_TOPMOST);
    }
    program.registry.reset();
}

}  // namespace velkaris
