#include "installer/run_installer.h"

#include "installer/messages.h"
#include "label_file/label_file_install.h"
#include "platform/win_values.h"
#include "registry_labels/custom_labels_writer.h"
#include "services/message_boxes.h"
#include "services/user_folder.h"

namespace velkaris {

namespace {

bool DetectAnyWord(RegistryNavigator& registry) {
    for (const WordVersion& version : WORD_VERSIONS) {
        if (registry.SelectKey(version.keyPath, false)) return true;
    }
    return false;
}

}  // namespace

void InstallForVersion(Program& program, const WordVersion& version) {
    switch (version.destination) {
        case LabelDestination::LabelFile:
            InstallLabelFile(program.platform, GetUserFolder(program.platform, win::CSIDL_APPDATA));
            break;
        case LabelDestination::RegistryLabels:
            InstallRegistryLabels(*program.registry, *version.records);
            break;
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
        for (auto version = WORD_VERSIONS.rbegin(); version != WORD_VERSIONS.rend(); ++version) {
            if (registry.SelectKey(version->keyPath, false)) InstallForVersion(program, *version);
        }
        ShowMessageBox(platform, DONE_TEXT, MESSAGE_CAPTION,
                       win::MB_OK | win::MB_ICONINFORMATION | win::MB_TOPMOST);
    }
    program.registry.reset();
}

}  // namespace velkaris
