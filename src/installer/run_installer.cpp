#include "installer/run_installer.h"

#include <string>

#include "installer/messages.h"
#include "installer/word_detection.h"
#include "label_file/label_file_install.h"
#include "platform/win_values.h"
#include "registry_labels/custom_labels_writer.h"
#include "services/user_folder.h"

namespace velkaris {

void InstallForVersion(Program& program, const WordVersion& version) {
    const std::string word = std::string("Word ") + version.name + ": ";
    switch (version.destination) {
        case LabelDestination::LabelFile: {
            const LabelFileResult result = InstallLabelFile(
                program.platform, GetUserFolder(program.platform, win::CSIDL_APPDATA));
            const std::string kept = std::to_string(result.productsKept) + " of the user's products";
            program.log.Line(word + "label file " + result.path +
                             (result.unchanged
                                  ? ": " + kept + ", pack already there, file unchanged"
                                  : " written, " + kept + " kept, pack added (" +
                                        std::to_string(result.packLabelsAdded) + " labels)"));
            break;
        }
        case LabelDestination::RegistryLabels:
            InstallRegistryLabels(*program.registry, *version.records);
            program.log.Line(word + std::to_string(LABEL_COUNT) + " values written under HKEY_CURRENT_USER" +
                             version.keyPath + CUSTOM_LABELS_KEY);
            break;
        case LabelDestination::SeenOnly:
            break;
    }
}

void EndRun(Program& program, std::string_view outcome, int exitCode, const std::string& text,
            std::uint32_t style) {
    program.log.Line(outcome);
    program.log.Line("Exit code " + std::to_string(exitCode));
    if (!text.empty()) program.ui->Tell(text, style);
}

void RunInstaller(Program& program) {
    RunLog& log = program.log;
    RegistryNavigator& registry = program.registry.emplace(program.platform);

    if (DetectWordOrEndRun(program) != nullptr) {
        if (!program.ui->Ask(QUESTION_TEXT)) {
            EndRun(program, "Outcome: answered No, nothing changed", 0);
        } else {
            log.Line("Answered Yes");
            for (auto version = WORD_VERSIONS.rbegin(); version != WORD_VERSIONS.rend(); ++version) {
                if (IsSupported(*version) && registry.SelectKey(version->keyPath, false)) {
                    InstallForVersion(program, *version);
                }
            }
            EndRun(program, "Outcome: installed", 0, DONE_TEXT,
                   win::MB_OK | win::MB_ICONINFORMATION | win::MB_TOPMOST);
        }
    }
    program.registry.reset();
}

}  // namespace velkaris
