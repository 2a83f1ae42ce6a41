#include "installer/run_installer.h"

#include <string>

#include "installer/messages.h"
#include "label_file/label_file_install.h"
#include "platform/win_values.h"
#include "registry_labels/custom_labels_writer.h"
#include "services/user_folder.h"

namespace velkaris {

namespace {

constexpr std::uint32_t NOTICE_WARNING = win::MB_OK | win::MB_ICONWARNING | win::MB_TOPMOST;

bool Supported(const WordVersion& version) {
    return version.destination != LabelDestination::SeenOnly;
}

// The first supported version whose key opens, in ascending order; null for none.
const WordVersion* DetectSupportedWord(RegistryNavigator& registry) {
    for (const WordVersion& version : WORD_VERSIONS) {
        if (Supported(version) && registry.SelectKey(version.keyPath, false)) return &version;
    }
    return nullptr;
}

// The newer versions whose keys open, space-separated.
std::string NewerWordSeen(RegistryNavigator& registry) {
    std::string seen;
    for (const WordVersion& version : WORD_VERSIONS) {
        if (!Supported(version) && registry.SelectKey(version.keyPath, false)) {
            seen += (seen.empty() ? "" : " ") + std::string(version.name);
        }
    }
    return seen;
}

}  // namespace

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
                                  : " written, " + kept + " kept, " +
                                        (result.packLabelsAdded > 0
                                             ? "pack added (" +
                                                   std::to_string(result.packLabelsAdded) + " labels)"
                                             : std::string("pack already there, ids renumbered"))));
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

    if (const WordVersion* first = DetectSupportedWord(registry); first == nullptr) {
        const std::string newer = NewerWordSeen(registry);
        if (newer.empty()) {
            log.Line("Word found: none");
            EndRun(program, "Outcome: no Word, nothing to do", 0, NO_WORD_TEXT, NOTICE_WARNING);
        } else {
            log.Line("Word found: none of 8.0 to 12.0; newer, not supported: " + newer);
            EndRun(program, "Outcome: only a Word newer than the pack supports, nothing to do", 0,
                   WORD_TOO_NEW_TEXT, NOTICE_WARNING);
        }
    } else {
        // Detection stops at the first version; the install below names every one.
        log.Line(std::string("Word found: ") + first->name + " first of 8.0 to 12.0");
        if (!program.ui->Ask(QUESTION_TEXT)) {
            EndRun(program, "Outcome: answered No, nothing changed", 0);
        } else {
            log.Line("Answered Yes");
            for (auto version = WORD_VERSIONS.rbegin(); version != WORD_VERSIONS.rend(); ++version) {
                if (Supported(*version) && registry.SelectKey(version->keyPath, false)) {
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
