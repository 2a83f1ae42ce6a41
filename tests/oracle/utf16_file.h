#pragma once
// Label files in UTF-16 and UTF-32, as Word or another editor may write them, made
// from UTF-8 text for the tests and the fuzzers' seeds: the other way round from
// what the reader decodes.

#include <string>

namespace velkaris {

enum class FileEncoding { Utf16Le, Utf16Be, Utf32Le, Utf32Be };

// The bytes of a UTF-8 text in the encoding, pairs included for UTF-16, after the
// encoding's byte-order mark unless withoutMark.
std::string EncodedFile(const std::string& utf8, FileEncoding encoding, bool withoutMark = false);

// UTF-16 little-endian with its byte-order mark, as Word writes it.
std::string Utf16LeFile(const std::string& utf8);

}  // namespace velkaris
