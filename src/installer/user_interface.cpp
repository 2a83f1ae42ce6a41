#include "installer/user_interface.h"

#include "installer/messages.h"
#include "platform/win_values.h"
#include "services/message_boxes.h"
#include "services/system_error_text.h"
#include "text/errors.h"
#include "text/utf8_utf16.h"

namespace velkaris {

Answer InteractiveUserInterface::Ask(const std::u16string& question) {
    const std::int32_t answer =
        ShowMessageBox(platform_, question, MESSAGE_CAPTION, win::MB_YESNO | win::MB_ICONQUESTION);
    if (answer <= 0) {
        // No desktop (a service, a session not yet shown): nobody said No. Windows
        // gives 0 for a box it cannot show, Wine -1.
        const std::string reason = SystemErrorText(platform_, platform_.GetLastError());
        throw EOSError(InsertTexts("Cannot show the question box. %s",
                                   {reason.empty() ? "Windows gave no reason" : reason}),
                       Remedy::ShowTheDesktop);
    }
    return answer == win::IDYES ? Answer::Yes : Answer::No;
}

void InteractiveUserInterface::Tell(const std::u16string& text, std::uint32_t style) {
    ShowMessageBox(platform_, text, MESSAGE_CAPTION, style);
}

void InteractiveUserInterface::ReportFailure(const std::string& report) {
    ShowMessageBox(platform_, Utf8ToUtf16(report), FAILURE_CAPTION,
                   win::MB_OK | win::MB_ICONERROR | win::MB_TASKMODAL);
}

}  // namespace velkaris
