#include "installer/user_interface.h"

#include "installer/messages.h"
#include "platform/win_values.h"
#include "services/message_boxes.h"

namespace velkaris {

bool InteractiveUserInterface::Ask(const std::string& question) {
    return ShowMessageBox(platform_, question, MESSAGE_CAPTION,
                          win::MB_YESNO | win::MB_ICONQUESTION) == win::IDYES;
}

void InteractiveUserInterface::Tell(const std::string& text, std::uint32_t style) {
    ShowMessageBox(platform_, text, MESSAGE_CAPTION, style);
}

void InteractiveUserInterface::ReportFailure(const std::string& report) {
    ShowSystemMessageBox(platform_, report, "Application Error",
                         win::MB_OK | win::MB_ICONERROR | win::MB_TASKMODAL);
}

}  // namespace velkaris
