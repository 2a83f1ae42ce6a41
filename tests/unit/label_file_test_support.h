#pragma once
// Builders for the label-file tests: Word-like label files to put on the fake disk,
// and the expected bytes of what the installer writes back.

#include <string>
#include <vector>

#include "oracle/utf16_file.h"

namespace velkaris::label_file_testing {

extern const char* const APP_DATA_FOLDER;  // the fake user's application-data folder
extern const char* const LABEL_FILE_PATH;  // pg_custom.xml in its Microsoft\Office folder

// The installer's own first and last lines, written out here a second time so that
// a change to the catalogue shows up as a failing comparison.
extern const char* const HEADER_LINE;
extern const char* const FOOTER_LINE;

// Every line followed by CR LF.
std::string Crlf(const std::vector<std::string>& lines);
std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts);
std::vector<std::string> EmptyLines(int count);

// The pack's 133 lines with its product ids shifted to start at firstId.
std::vector<std::string> PackLines(int firstId);
// The lines of the pack's products L-nn for each nn of products, each with the empty
// line after it, in the pack's order, their ids running from firstId.
std::vector<std::string> PackLines(int firstId, const std::vector<int>& products);

// Two lines per product, ids 1..count, named "Moje etykiety <id>", as Word writes them.
std::vector<std::string> OwnProducts(int count);

// A whole label file around the given product lines: XML declaration, the vendor set
// header, the lines, the end tags on a line of their own; every line ended by lineEnd.
std::string WordFile(const std::vector<std::string>& productLines,
                     const std::string& lineEnd = "\r\n");

// The bytes of a UTF-8 text as UTF-16 little-endian with its byte-order mark.
std::string Utf16Le(const std::string& utf8);
// ... in another encoding, with or without its mark.
std::string Encoded(const std::string& utf8, FileEncoding encoding, bool withoutMark = false);

// The file's lines, split at CR LF only. Adds a test failure when a CR or LF stands
// alone or the last line has no CR LF.
std::vector<std::string> LinesOf(const std::string& bytes);

// The values of all productID="..." markers in text order, as numbers.
std::vector<int> ProductIds(const std::string& bytes);
std::vector<int> IdRange(int first, int last);

}  // namespace velkaris::label_file_testing
