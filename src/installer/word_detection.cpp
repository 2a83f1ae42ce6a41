#include "installer/word_detection.h"

#include <string>

#include "installer/messages.h"
#include "platform/win_values.h"

namespace velkaris {

namespace {

constexpr std::uint32_t NOTICE_WARNING = win::MB_OK | win::MB_ICONWARNING | win::MB_TOPMOST;

// The first supported version whose key opens, in ascending order; null for none.
const WordVersion* DetectSupportedWord(RegistryNavigator& registry) {
    for (const WordVersion& version : WORD_VERSIONS) {
        if (IsSupported(version) && registry.SelectKey(version.keyPath, false)) return &version;
    }
    return nullptr;
}

// The newer versions whose keys open, space-separated.
std::string NewerWordSeen(RegistryNavigator& registry) {
    std::string seen;
    for (const WordVersion& version : WORD_VERSIONS) {
        if (!IsSupported(version) && registry.SelectKey(version.keyPath, false)) {
            seen += (seen.empty() ? "" : " ") + std::string(version.name);
        }
    }
    return seen;
}

}  // namespace

bool IsSupported(const WordVersion& version) {
    return version.destination != LabelDestination::SeenOnly;
}

const WordVersion* DetectWordOrEndRun(Program& program) {
    RunLog& log = program.log;
    const WordVersion* first = DetectSupportedWord(*program.registry);
    if (first != nullptr) {
        // Detection stops at the first version; the walk that follows names every one.
        log.Line(std::string("Word found: ") + first->name + " first of 8.0 to 12.0");
        return first;
    }
    const std::string newer = NewerWordSeen(*program.registry);
    if (newer.empty()) {
        log.Line("Word found: none");
        EndRun(program, "Outcome: no Word, nothing to do", 0, NO_WORD_TEXT, NOTICE_WARNING);
    } else {
        log.Line("Word found: none of 8.0 to 12.0; newer, not supported: " + newer);
        EndRun(program, "Outcome: only a Word newer than the pack supports, nothing to do", 0,
               WORD_TOO_NEW_TEXT, NOTICE_WARNING);
    }
    return nullptr;
}

}  // namespace velkaris
