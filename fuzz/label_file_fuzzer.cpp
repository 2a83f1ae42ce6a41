// The input bytes are the user's existing pg_custom.xml. The whole Word 12.0 install
// runs on them through the in-memory platform, and its outcome is judged by a real XML
// parser (expat) reading the same bytes, decoded here on their own: a file the parser
// cannot read must be refused and kept; from one it reads, every product must come
// through with its name, its attributes but the id and its text, beside the whole
// pack, with distinct ids. The scanner's own verdict is held to the parser's too.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "catalogue/pack.h"
#include "fake/fake_platform.h"
#include "fuzz_check.h"
#include "label_file/label_file_install.h"
#include "text/errors.h"
#include "text/xml_reader.h"
#include "xml/xml_parser.h"

namespace velkaris::fuzz {
namespace {

// One character as UTF-8, written out from the encoding's table.
void PutUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += {static_cast<char>(0xC0 + c / 64), static_cast<char>(0x80 + c % 64)};
    } else if (c < 0x10000) {
        out += {static_cast<char>(0xE0 + c / 4096), static_cast<char>(0x80 + c / 64 % 64),
                static_cast<char>(0x80 + c % 64)};
    } else {
        out += {static_cast<char>(0xF0 + c / 262144), static_cast<char>(0x80 + c / 4096 % 64),
                static_cast<char>(0x80 + c / 64 % 64), static_cast<char>(0x80 + c % 64)};
    }
}

const std::string NOT_ALL_READ = "Not all of the labels it holds could be read";

// The file's text, or why it is refused.
struct Decoded {
    std::optional<std::string> text;
    std::string refusal;
};

Decoded Refused(const std::string& reason) { return Decoded{std::nullopt, reason}; }

bool Begins(const std::string& bytes, const std::string& prefix) {
    return bytes.compare(0, prefix.size(), prefix) == 0;
}

// The file's bytes as text, as XML tells encodings apart (a byte-order mark, or how
// "<?" is written): UTF-16 and UTF-32 of either order become UTF-8, anything else is
// taken byte for byte. A marked UTF-16 LE file of odd length ends in a unit of its
// lone byte and gets no final NUL; every other text gets one. A NUL before the end
// refuses the file, as do the forms XML knows but this reader does not.
Decoded DecodeFileBytes(const std::string& bytes) {
    using namespace std::string_literals;
    const std::string unknown = "It is in a text encoding that could not be recognised";
    int width = 0;
    bool big = false;
    std::size_t skip = 0;
    if (Begins(bytes, "\x00\x00\xFE\xFF"s)) width = 4, big = true, skip = 4;
    else if (Begins(bytes, "\xFF\xFE\x00\x00"s)) width = 4, skip = 4;
    else if (Begins(bytes, "\x00\x00\xFF\xFE"s) || Begins(bytes, "\xFE\xFF\x00\x00"s)) return Refused(unknown);
    else if (Begins(bytes, "\xFE\xFF"s)) width = 2, big = true, skip = 2;
    else if (Begins(bytes, "\xFF\xFE"s)) width = 2, skip = 2;
    else if (Begins(bytes, "\xEF\xBB\xBF"s)) width = 0;
    else if (Begins(bytes, "\x00\x00\x00<"s)) width = 4, big = true;
    else if (Begins(bytes, "<\x00\x00\x00"s)) width = 4;
    else if (Begins(bytes, "\x00\x00<\x00"s) || Begins(bytes, "\x00<\x00\x00"s)) return Refused(unknown);
    else if (Begins(bytes, "\x00<\x00?"s)) width = 2, big = true;
    else if (Begins(bytes, "<\x00?\x00"s)) width = 2;
    else if (Begins(bytes, "\x4C\x6F\xA7\x94"s)) return Refused(unknown);

    std::string text;
    if (width == 0) {
        text = bytes + '\0';
    } else {
        const std::size_t n = bytes.size() - skip;
        const bool legacyOdd = width == 2 && !big && skip == 2 && n % 2 == 1;
        if (n % static_cast<std::size_t>(width) != 0 && !legacyOdd) {
            return Refused("It ends in the middle of a character");
        }
        std::vector<std::uint32_t> units;
        for (std::size_t i = skip; i < bytes.size(); i += static_cast<std::size_t>(width)) {
            std::uint32_t u = 0;
            for (int k = 0; k < width; ++k) {
                const std::size_t at = i + static_cast<std::size_t>(big ? k : width - 1 - k);
                u = u * 256 + (at < bytes.size() ? static_cast<unsigned char>(bytes[at]) : 0u);
            }
            units.push_back(u);
        }
        for (std::size_t k = 0; k < units.size(); ++k) {
            const std::uint32_t u = units[k];
            if (width == 4) {
                if (u > 0x10FFFF || (u >= 0xD800 && u < 0xE000)) {
                    return Refused("It holds a broken UTF-32 character (a surrogate or past U+10FFFF)");
                }
                PutUtf8(text, u);
                continue;
            }
            const std::string broken = "It holds a broken UTF-16 character (a surrogate without its pair)";
            if (u >= 0xDC00 && u < 0xE000) return Refused(broken);
            if (u >= 0xD800 && u < 0xDC00) {
                // The partner must be a full unit, not the lone last byte.
                const bool whole = skip + 2 * (k + 1) + 1 < bytes.size();
                if (k + 1 >= units.size() || !whole || units[k + 1] < 0xDC00 || units[k + 1] >= 0xE000) {
                    return Refused(broken);
                }
                PutUtf8(text, 0x10000 + (u - 0xD800) * 1024 + (units[++k] - 0xDC00));
            } else {
                PutUtf8(text, u);
            }
        }
        if (!legacyOdd) text += '\0';
    }
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos && nul + 1 < text.size()) return Refused(NOT_ALL_READ);
    return Decoded{text, ""};
}

// Where the parser reads the text, the scanner must too, and where it does not, the
// scanner must not: for ASCII names and no document type, which the scanner refuses.
void CheckScannerVerdict(const std::string& text) {
    if (text.find("<!DOCTYPE") != std::string::npos || !xml::HasOnlyAsciiNames(text)) return;
    const std::string error = xml::Utf8ParseError(text);
    Check(IsWellFormedXml(text) == error.empty(),
          "the scanner and expat (" + (error.empty() ? std::string("reads it") : error) +
              ") disagree on " + Visible(text));
}

void CheckSavedFile(const std::string& input, const std::string& text, const std::string& saved) {
    Check(xml::ParsesWithNamespaces(saved), "the saved file does not parse: " +
                                               xml::ParseError(saved, true));
    const std::vector<xml::Product> before = xml::Products(text);
    const std::vector<xml::Product> after = xml::Products(saved);
    Check(after.size() >= before.size(), "the file held " + std::to_string(before.size()) +
                                             " products, the saved one " + std::to_string(after.size()));
    std::set<std::string> names;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (i < before.size()) {
            Check(after[i].content == before[i].content && after[i].name == before[i].name,
                  "product " + std::to_string(i + 1) + " changed, " +
                      Difference(before[i].content, after[i].content));
        }
        names.insert(after[i].name);
    }
    for (const PackLabel& label : PACK) {
        const std::string name(label.name);
        Check(names.count(name) != 0, name + " is missing from the saved file");
    }
    std::set<std::string> ids;
    for (const xml::Product& product : after) {
        if (product.id) Check(ids.insert(*product.id).second, "the id " + *product.id + " is given twice");
    }
    // A file that held the whole pack already, with distinct ids, is left as it was.
    std::set<std::string> held;
    std::set<std::string> heldIds;
    bool whole = true;
    for (const xml::Product& product : before) {
        held.insert(product.name);
        if (product.id) whole = whole && heldIds.insert(*product.id).second;
    }
    for (const PackLabel& label : PACK) whole = whole && held.count(std::string(label.name)) != 0;
    Check(!whole || saved == input, "a file holding the whole pack was rewritten");
}

}  // namespace
}  // namespace velkaris::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velkaris;
    using namespace velkaris::fuzz;
    const std::string input(reinterpret_cast<const char*>(data), size);

    fake::FakePlatform platform;
    const std::string folder = platform.appDataFolder;
    const std::string path = folder + "\\Microsoft\\Office\\pg_custom.xml";
    platform.files.WriteFileBytes(path, input);

    const Decoded decoded = DecodeFileBytes(input);
    std::string text = decoded.text.value_or("");
    if (!text.empty() && text.back() == '\0') text.pop_back();
    if (decoded.text) CheckScannerVerdict(text);

    std::string refusal;
    try {
        InstallLabelFile(platform, folder);
    } catch (const EFOpenError& error) {
        refusal = error.Message();
    } catch (const Exception& error) {
        Fail("the install raised " + error.KindName() + ": " + error.Message());
    }
    Check(platform.files.OpenFileCount() == 0, "a file handle or search was left open");
    Check(platform.misuse.empty(),
          "the platform was misused: " + (platform.misuse.empty() ? "" : platform.misuse[0]));
    Check(!platform.files.Exists(path + ".new"), "the temporary file was left behind");

    const std::string saved = platform.files.ReadFileBytes(path);
    if (!refusal.empty()) {
        Check(saved == input, "the refused file was changed");
        return 0;
    }
    Check(decoded.text.has_value(), "the install took a file that does not decode: " + decoded.refusal);
    // Text with no element at all holds no labels yet: the pack alone is written.
    const std::string error = xml::Utf8ParseError(text);
    const bool noElement = error.rfind(xml::NO_ELEMENT, 0) == 0;
    Check(error.empty() || noElement, "the install took a file expat does not read: " + error);
    CheckSavedFile(input, noElement ? std::string() : text, saved);
    return 0;
}
