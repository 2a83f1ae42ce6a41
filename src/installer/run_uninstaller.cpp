#include "installer/run_uninstaller.h"

#include <cstdint>
#include <string>
#include <vector>

#include "installer/messages.h"
#include "installer/word_detection.h"
#include "label_file/label_file_removal.h"
#include "platform/win_values.h"
#include "registry_labels/custom_labels_removal.h"
#include "registry_labels/custom_labels_writer.h"
#include "services/user_folder.h"
#include "text/errors.h"

namespace velkaris {

namespace {

struct Removed {
    std::int32_t labels = 0;
    std::int32_t keptChanged = 0;  // the pack's labels changed since the install
};

// A kept label is the user's now: the log names it, so an administrator can tell
// why it is still there.
void LogKept(RunLog& log, const std::string& word, const char* what,
             const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        log.Line(word + what + " \"" + name + "\" kept: changed after the install");
    }
}

Removed UninstallForVersion(Program& program, const WordVersion& version) {
    const std::string word = std::string("Word ") + version.name + ": ";
    switch (version.destination) {
        case LabelDestination::LabelFile: {
            const LabelFileRemovalResult result = RemovePackFromLabelFile(
                program.platform, GetUserFolder(program.platform, win::CSIDL_APPDATA));
            if (!result.present) {
                program.log.Line(word + "no label file " + result.path + ", nothing to remove");
            } else if (result.removed > 0) {
                program.log.Line(word + "label file " + result.path + " written, " +
                                 std::to_string(result.removed) + " of the pack's products removed");
            } else {
                program.log.Line(word + "label file " + result.path +
                                 " holds none of the pack's products as installed, not rewritten");
            }
            LogKept(program.log, word, "product", result.kept);
            return {result.removed, static_cast<std::int32_t>(result.kept.size())};
        }
        case LabelDestination::RegistryLabels: {
            const std::string key = std::string("HKEY_CURRENT_USER") + version.keyPath + CUSTOM_LABELS_KEY;
            const RegistryRemovalResult result = RemoveRegistryLabels(*program.registry, *version.records);
            program.log.Line(word + std::to_string(result.removed) + " values removed under " + key);
            LogKept(program.log, word, "value", result.kept);
            return {result.removed, static_cast<std::int32_t>(result.kept.size())};
        }
        case LabelDestination::SeenOnly:
            break;
    }
    return {};
}

}  // namespace

void RunUninstaller(Program& program) {
    RegistryNavigator& registry = program.registry.emplace(program.platform);
    if (DetectWordOrEndRun(program) != nullptr) {
        if (!program.ui->Ask(UNINSTALL_QUESTION_TEXT)) {
            EndRun(program, "Outcome: answered No, nothing changed", 0);
        } else {
            program.log.Line("Answered Yes");
            Removed total;
            for (auto version = WORD_VERSIONS.rbegin(); version != WORD_VERSIONS.rend(); ++version) {
                if (IsSupported(*version) && registry.SelectKey(version->keyPath, false)) {
                    const Removed removed = UninstallForVersion(program, *version);
                    total.labels += removed.labels;
                    total.keptChanged += removed.keptChanged;
                }
            }
            const std::string kept = std::to_string(total.keptChanged);
            const std::string keptLine =
                total.keptChanged > 0 ? "\r" + InsertTexts(KEPT_CHANGED_FORMAT, {kept}) : "";
            const std::string keptLog = total.keptChanged > 0 ? ", " + kept + " changed labels kept" : "";
            const std::uint32_t style = win::MB_OK | win::MB_ICONINFORMATION | win::MB_TOPMOST;
            if (total.labels > 0) {
                EndRun(program, "Outcome: uninstalled" + keptLog, 0, UNINSTALLED_TEXT + keptLine, style);
            } else {
                EndRun(program, "Outcome: the pack was not installed, nothing removed" + keptLog, 0,
                       NOT_INSTALLED_TEXT + keptLine, style);
            }
        }
    }
    program.registry.reset();
}

}  // namespace velkaris
