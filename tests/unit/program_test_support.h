#pragma once
// Helpers for tests that run the whole program against the fake platform.

#include <string>

#include "fake/fake_platform.h"

namespace velkaris::program_testing {

std::string WordKey(const std::string& version);            // "Software\\...\\<v>\\Word"
std::string CustomLabelsKey(const std::string& version);    // WordKey + "\\Custom Labels"
std::u16string Utf16(const std::string& utf8);              // for expected box texts

extern const char* const QUESTION_UTF8;
extern const char* const DONE_UTF8;
extern const char* const NO_WORD_UTF8;
extern const char* const CAPTION_UTF8;

}  // namespace velkaris::program_testing
