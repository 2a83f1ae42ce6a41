#pragma once
// The installer's own message texts, held once in UTF-16 as the box shows them. A
// lone CR breaks the line.

namespace velkaris {

extern const char16_t* const MESSAGE_CAPTION;
extern const char16_t* const FAILURE_CAPTION;
extern const char16_t* const QUESTION_TEXT;
extern const char16_t* const DONE_TEXT;
// Follows the Done text, on a line of its own, when a newer Word is there too.
extern const char16_t* const NEWER_WORD_TOO_TEXT;
extern const char16_t* const NO_WORD_TEXT;
extern const char16_t* const WORD_TOO_NEW_TEXT;
// The uninstall's own: its question, its Done box, the box when nothing of the pack
// was there, and the line added when changed labels were kept (their count and
// a full stop follow).
extern const char16_t* const UNINSTALL_QUESTION_TEXT;
extern const char16_t* const UNINSTALLED_TEXT;
extern const char16_t* const NOT_INSTALLED_TEXT;
extern const char16_t* const KEPT_CHANGED_TEXT;
// The switches and the exit codes, for /? and /help.
extern const char16_t* const HELP_TEXT;
// Heads the help when the command line is not understood; the switch follows it.
extern const char16_t* const INVALID_SWITCH_TEXT;

}  // namespace velkaris
