#pragma once
// The installer's own message texts, in the Windows-1250 code page. A lone CR
// breaks the line.

namespace velkaris {

extern const char* const MESSAGE_CAPTION;
extern const char* const QUESTION_TEXT;
extern const char* const DONE_TEXT;
extern const char* const NO_WORD_TEXT;

}  // namespace velkaris
