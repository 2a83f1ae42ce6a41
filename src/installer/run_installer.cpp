#include "installer/run_installer.h"

#include <string>
#include <vector>

#include "installer/failure_report.h"
#include "installer/messages.h"
#include "label_file/label_file_install.h"
#include "platform/win_values.h"
#include "registry_labels/custom_labels_writer.h"
#include "services/system_error_text.h"
#include "services/user_folder.h"
#include "text/errors.h"
#include "text/utf8_utf16.h"

namespace velkaris {

namespace {

constexpr std::uint32_t NOTICE_WARNING = win::MB_OK | win::MB_ICONWARNING | win::MB_TOPMOST;
constexpr std::uint32_t NOTICE_DONE = win::MB_OK | win::MB_ICONINFORMATION | win::MB_TOPMOST;

bool Supported(const WordVersion& version) {
    return version.destination != LabelDestination::SeenOnly;
}

// The versions whose keys are there, in the table's order.
std::vector<const WordVersion*> DetectWord(RegistryNavigator& registry) {
    std::vector<const WordVersion*> found;
    for (const WordVersion& version : WORD_VERSIONS) {
        if (registry.KeyIsPresent(version.keyPath)) found.push_back(&version);
    }
    return found;
}

// The names of the versions found that are, or are not, supported; space-separated.
std::string Names(const std::vector<const WordVersion*>& versions, bool supported) {
    std::string names;
    for (const WordVersion* version : versions) {
        if (Supported(*version) == supported) {
            names += (names.empty() ? "" : " ") + std::string(version->name);
        }
    }
    return names;
}

// The key is there but may refuse what the work needs: that is a failure, never "no Word".
void SelectVersionKey(Program& program, const WordVersion& version) {
    RegistryNavigator& registry = *program.registry;
    if (registry.SelectKey(version.keyPath, false)) return;
    std::string key = version.keyPath;
    key.pop_back();  // the trailing backslash
    const auto reason = static_cast<std::uint32_t>(registry.LastResult());
    throw ERegistryException(InsertTexts("Cannot open key 'HKEY_CURRENT_USER%s' with full access. %s",
                                         {key, SystemErrorText(program.platform, reason)}),
                             Remedy::RegistryPermissions);
}

}  // namespace

const RunMode INSTALL = {QUESTION_TEXT, InstallForVersion, DONE_TEXT, "installed",
                         nullptr,       nullptr,           NEWER_WORD_TOO_TEXT};

void InstallForVersion(Program& program, const WordVersion& version, RunTally&) {
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
            InstallRegistryLabels(*program.registry, version.records);
            program.log.Line(word + std::to_string(LABEL_COUNT) + " values written under HKEY_CURRENT_USER" +
                             version.keyPath + CUSTOM_LABELS_KEY);
            break;
        case LabelDestination::SeenOnly:
            break;
    }
}

int EndRun(Program& program, std::string_view outcome, int exitCode, const std::u16string& text,
           std::uint32_t style) {
    program.log.Line(outcome);
    program.log.Line("Exit code " + std::to_string(exitCode));
    // Everything was done, but the record asked for is not whole: the report says so.
    if (exitCode == 0 && program.log.Failed()) program.log.RaiseFailure();
    if (!text.empty()) program.ui->Tell(text, style);
    return exitCode;
}

int RunInstaller(Program& program, const RunMode& mode) {
    RunLog& log = program.log;
    RegistryNavigator& registry = program.registry.emplace(program.platform);

    const std::vector<const WordVersion*> found = DetectWord(registry);
    const std::string supported = Names(found, true), newer = Names(found, false);
    int exitCode = 0;
    if (found.empty()) {
        log.Line("Word found: none");
        exitCode = EndRun(program, "Outcome: no Word, nothing to do", 0, NO_WORD_TEXT, NOTICE_WARNING);
    } else if (supported.empty()) {
        log.Line("Word found: none of 8.0 to 12.0; newer, not supported: " + newer);
        exitCode = EndRun(program, "Outcome: only a Word newer than the pack supports, nothing to do", 0,
                          WORD_TOO_NEW_TEXT, NOTICE_WARNING);
    } else {
        log.Line("Word found: " + supported + (newer.empty() ? "" : "; newer, not supported: " + newer));
        const Answer answer = program.ui->Ask(mode.question);
        if (answer == Answer::No) {
            exitCode = EndRun(program, "Outcome: answered No, nothing changed", 0);
        } else {
            log.Line(answer == Answer::Yes ? "Answered Yes" : "Question skipped (/quiet): taken as Yes");
            // Each version on its own: one that fails leaves the others to be done,
            // and the first failure is the one reported.
            std::vector<Failure> failures;
            std::string failed;
            RunTally tally;
            for (auto version = found.rbegin(); version != found.rend(); ++version) {
                if (!Supported(**version)) continue;
                try {
                    SelectVersionKey(program, **version);
                    mode.forVersion(program, **version, tally);
                } catch (...) {
                    failures.push_back(CurrentFailure(program));
                    failed += (failed.empty() ? "" : " ") + std::string((*version)->name);
                    LogFailure(program, failures.back(), std::string("Word ") + (*version)->name + ": ");
                }
            }
            if (!failures.empty()) {
                log.Line("Outcome: failed for Word " + failed);
                return EndWithFailure(program, failures.front(), true);
            }
            // Nothing of the pack was there to take out: the box says so, not "removed".
            const bool nothing = mode.nothingDoneText != nullptr && tally.removed == 0;
            std::u16string done = nothing ? mode.nothingDoneText : mode.doneText;
            std::string outcome = std::string("Outcome: ") + (nothing ? mode.nothingOutcome : mode.outcome);
            if (tally.keptChanged > 0) {
                const std::string kept = std::to_string(tally.keptChanged);
                done += u"\r" + (KEPT_CHANGED_TEXT + Utf8ToUtf16(kept)) + u".";
                outcome += ", " + kept + " changed labels kept";
            }
            if (!newer.empty() && mode.newerWordText != nullptr) {
                done += u"\r" + std::u16string(mode.newerWordText);
                outcome += "; Word " + newer + " is newer than the pack supports and got nothing";
            }
            exitCode = EndRun(program, outcome, 0, done, NOTICE_DONE);
        }
    }
    program.registry.reset();
    return exitCode;
}

}  // namespace velkaris
