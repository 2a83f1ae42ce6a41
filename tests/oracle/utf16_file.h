#pragma once
// Label files in UTF-16, as Word may write them, made from UTF-8 text for the tests
// and the fuzzers' seeds: the other way round from what the reader decodes.

#include <string>

namespace velkaris {

// The bytes of a UTF-8 text as UTF-16 little-endian with its byte-order mark, pairs
// included.
std::string Utf16LeFile(const std::string& utf8);

}  // namespace velkaris
