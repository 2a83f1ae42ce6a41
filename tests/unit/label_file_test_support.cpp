#include "unit/label_file_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "catalogue/pack.h"
#include "oracle/utf16_file.h"

namespace velkaris::label_file_testing {

const char* const APP_DATA_FOLDER = "C:\\Users\\anna\\AppData\\Roaming";
const char* const LABEL_FILE_PATH =
    "C:\\Users\\anna\\AppData\\Roaming\\Microsoft\\Office\\pg_custom.xml";

const char* const HEADER_LINE =
    "<?xml version=\"1.0\"?><vps><vendorProductSets><vendorProductSet vendorID=\"0\" "
    "vendor=\"Custom\" copyright=\"\" version=\"1\" schemaVersion=\"1\">";
const char* const FOOTER_LINE = "</vendorProductSet></vendorProductSets></vps>";

namespace {

const std::string ID_MARKER = "productID=\"";

}  // namespace

std::string Crlf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> Concat(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

std::vector<std::string> EmptyLines(int count) {
    return std::vector<std::string>(static_cast<std::size_t>(count));
}

std::vector<std::string> PackLines(int firstId) { return PackLines(firstId, IdRange(1, 17)); }

std::vector<std::string> PackLines(int firstId, const std::vector<int>& products) {
    std::vector<std::string> lines;
    int id = firstId;
    int product = 0;
    std::string pack;
    for (const PackLabel* label : PackInFileOrder()) pack += PackProductText(*label);
    for (std::size_t from = 0; from < pack.size();) {
        const std::size_t end = pack.find("\r\n", from);
        std::string line = pack.substr(from, end - from);
        from = end + 2;
        if (line.rfind("\t<product ", 0) == 0) ++product;
        if (std::find(products.begin(), products.end(), product) == products.end()) continue;
        const std::size_t at = line.find(ID_MARKER);
        if (at != std::string::npos) {
            const std::size_t value = at + ID_MARKER.size();
            line.replace(value, line.find('"', value) - value, std::to_string(id++));
        }
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> OwnProducts(int count) {
    std::vector<std::string> lines;
    for (int id = 1; id <= count; ++id) {
        const std::string n = std::to_string(id);
        lines.push_back("<product units=\"emu\" productID=\"" + n +
                        "\" layoutGroup=\"all\"><prodName nameGroup=\"custom\"><locName "
                        "locale=\"all\">Moje etykiety " + n + "</locName></prodName>");
        lines.push_back("<masterPanel masterID=\"0\" height=\"" + n +
                        "00000\" width=\"900000\"></masterPanel></product>");
    }
    return lines;
}

std::string WordFile(const std::vector<std::string>& productLines, const std::string& lineEnd) {
    std::string text = "<?xml version=\"1.0\"?>" + lineEnd +
                       "<vps><vendorProductSets><vendorProductSet vendorID=\"0\" "
                       "vendor=\"Custom\" copyright=\"\" version=\"1\" schemaVersion=\"1\">" +
                       lineEnd;
    for (const std::string& line : productLines) text += line + lineEnd;
    return text + "</vendorProductSet></vendorProductSets></vps>" + lineEnd;
}

std::string Utf16Le(const std::string& utf8) { return Utf16LeFile(utf8); }

std::string Encoded(const std::string& utf8, FileEncoding encoding, bool withoutMark) {
    return EncodedFile(utf8, encoding, withoutMark);
}

std::vector<std::string> LinesOf(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') {
            lines.push_back(line);
            line.clear();
            ++i;
        } else if (bytes[i] == '\r' || bytes[i] == '\n') {
            ADD_FAILURE() << "lone line break byte at offset " << i;
            line += bytes[i];
        } else {
            line += bytes[i];
        }
    }
    if (!line.empty()) ADD_FAILURE() << "last line has no CR LF: " << line;
    return lines;
}

std::vector<int> ProductIds(const std::string& bytes) {
    std::vector<int> ids;
    for (std::size_t at = bytes.find(ID_MARKER); at != std::string::npos;
         at = bytes.find(ID_MARKER, at + 1)) {
        const std::size_t value = at + ID_MARKER.size();
        ids.push_back(std::atoi(bytes.substr(value, bytes.find('"', value) - value).c_str()));
    }
    return ids;
}

std::vector<int> IdRange(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

}  // namespace velkaris::label_file_testing
