#pragma once
// The installer's own message texts, in the Windows-1250 code page. A lone CR
// breaks the line.

namespace velkaris {

extern const char* const MESSAGE_CAPTION;
extern const char* const QUESTION_TEXT;
extern const char* const DONE_TEXT;
extern const char* const NO_WORD_TEXT;
extern const char* const WORD_TOO_NEW_TEXT;
// /uninstall's own: its question, its Done box, the box when nothing of the pack was
// there, and the line added when changed labels were kept ("%s" is their count).
extern const char* const UNINSTALL_QUESTION_TEXT;
extern const char* const UNINSTALLED_TEXT;
extern const char* const NOT_INSTALLED_TEXT;
extern const char* const KEPT_CHANGED_FORMAT;
// The switches and the exit codes, for /? and /help.
extern const char* const HELP_TEXT;
// Heads the help when the command line is not understood; "%s" is the switch.
extern const char* const INVALID_SWITCH_FORMAT;

}  // namespace velkaris
