#include "installer/uninstall_mode.h"

#include <string>
#include <vector>

#include "installer/messages.h"
#include "label_file/label_file_removal.h"
#include "platform/win_values.h"
#include "registry_labels/custom_labels_removal.h"
#include "registry_labels/custom_labels_writer.h"
#include "services/user_folder.h"

namespace velkaris {

namespace {

// A kept label is the user's now: the log names it, so an administrator can tell
// why it is still there.
void Kept(Program& program, RunTally& tally, const std::string& word, const char* what,
          const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        program.log.Line(word + what + " \"" + name + "\" kept: changed after the install");
    }
    tally.keptChanged += static_cast<std::int32_t>(names.size());
}

}  // namespace

const RunMode UNINSTALL = {UNINSTALL_QUESTION_TEXT, UninstallForVersion, UNINSTALLED_TEXT,
                           "uninstalled", NOT_INSTALLED_TEXT,
                           "the pack was not installed, nothing removed"};

void UninstallForVersion(Program& program, const WordVersion& version, RunTally& tally) {
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
            tally.removed += result.removed;
            Kept(program, tally, word, "product", result.kept);
            break;
        }
        case LabelDestination::RegistryLabels: {
            const RegistryRemovalResult result = RemoveRegistryLabels(*program.registry, version.records);
            program.log.Line(word + std::to_string(result.removed) + " values removed under HKEY_CURRENT_USER" +
                             version.keyPath + CUSTOM_LABELS_KEY);
            tally.removed += result.removed;
            Kept(program, tally, word, "value", result.kept);
            break;
        }
        case LabelDestination::SeenOnly:
            break;
    }
}

}  // namespace velkaris
