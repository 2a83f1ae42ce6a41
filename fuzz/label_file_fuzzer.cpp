// The input bytes are the user's existing pg_custom.xml. The whole Word 12.0 install
// runs on them through the in-memory platform, and the saved file is checked against
// what the installer promises, and against a plain model of the read, cut, merge and
// renumbering written here from the rules, independently of the code under test.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/label_records.h"
#include "catalogue/product_fragment.h"
#include "fake/fake_platform.h"
#include "fuzz_check.h"
#include "label_file/label_file_install.h"
#include "label_file/label_file_reader.h"
#include "label_file/product_extraction.h"
#include "text/errors.h"
#include "xml/xml_parser.h"

namespace velkaris::fuzz {
namespace {

const std::string CR_LF = "\r\n";
const std::string MARKER = "productID=\"";
const std::string PACK_KEY = "velkaris     l-15";

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// One UTF-16 unit or pair as UTF-8, written out from the encoding's table.
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

// The file's bytes as text: UTF-16 LE with BOM becomes UTF-8, a lone last byte a unit
// of its own, and an even count gets a final NUL; any other file is taken byte for
// byte, followed by one NUL. Nothing when a surrogate lacks its pair.
std::optional<std::string> DecodeFileBytes(const std::string& bytes) {
    const std::size_t n = bytes.size();
    if (n < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return bytes + '\0';
    std::vector<std::uint32_t> units;
    for (std::size_t i = 2; i < n; i += 2) {
        const auto low = static_cast<unsigned char>(bytes[i]);
        const auto high = i + 1 < n ? static_cast<unsigned char>(bytes[i + 1]) : 0u;
        units.push_back(low + 256u * high);
    }
    std::string text;
    for (std::size_t k = 0; k < units.size(); ++k) {
        const std::uint32_t u = units[k];
        if (u >= 0xDC00 && u < 0xE000) return std::nullopt;
        if (u >= 0xD800 && u < 0xDC00) {
            const bool whole = 2 * (k + 1) + 3 < n;  // the partner is a full unit
            if (k + 1 >= units.size() || !whole || units[k + 1] < 0xDC00 || units[k + 1] >= 0xE000) {
                return std::nullopt;
            }
            PutUtf8(text, 0x10000 + (u - 0xD800) * 1024 + (units[++k] - 0xDC00));
        } else {
            PutUtf8(text, u);
        }
    }
    if (n % 2 == 0) text += '\0';
    return text;
}

// Cut at the first NUL, every line break (CR LF, CR, LF) made CR LF, a final one added.
std::string NormaliseLines(const std::string& text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size() && text[i] != '\0') {
        while (i < text.size() && text[i] != '\0' && text[i] != '\r' && text[i] != '\n') {
            out += text[i++];
        }
        out += CR_LF;
        if (i < text.size() && text[i] == '\r') ++i;
        if (i < text.size() && text[i] == '\n') ++i;
    }
    return out;
}

// Product elements in any letter case and unit: "<product" and then a blank, '>' or '/'.
std::size_t ProductElements(const std::string& text) {
    const std::string lower = Lower(text);
    std::size_t count = 0;
    for (std::size_t at = lower.find("<product"); at != std::string::npos;
         at = lower.find("<product", at + 1)) {
        const std::size_t next = at + 8;
        if (next < lower.size() && std::string(" \t\r\n>/").find(lower[next]) != std::string::npos) {
            ++count;
        }
    }
    return count;
}

struct Extraction {
    bool hasItem = false;  // false when the file's text is empty
    std::string stretch;
};

Extraction ModelExtraction(const std::string& decoded) {
    Extraction result;
    const std::string text = NormaliseLines(decoded);
    if (text.empty()) return result;
    result.hasItem = true;
    const std::string lower = Lower(text);
    const std::size_t start = lower.find("<product units=\"emu\"");
    const std::size_t end = lower.find("</vendorproductset>");
    if (start != std::string::npos && end != std::string::npos && end > start) {
        result.stretch = text.substr(start, end - start);
    }
    return result;
}

// Rewrites every productID value in text order: the value runs from the marker to the
// next double quote; a marker without one ends the rewriting, the rest kept as it is.
// valueFor receives the 0-based index of the value and the value itself.
std::string RewriteIds(const std::string& text,
                       const std::function<std::string(std::size_t, const std::string&)>& valueFor) {
    std::string out;
    std::size_t copied = 0;
    std::size_t index = 0;
    for (;;) {
        const std::size_t at = text.find(MARKER, copied);
        if (at == std::string::npos) break;
        const std::size_t valueStart = at + MARKER.size();
        const std::size_t close = text.find('"', valueStart);
        if (close == std::string::npos) break;
        out.append(text, copied, valueStart - copied);
        out += valueFor(index++, text.substr(valueStart, close - valueStart));
        copied = close;
    }
    out.append(text, copied, std::string::npos);
    return out;
}

std::string Placeholders(const std::string& text) {
    return RewriteIds(text, [](std::size_t, const std::string&) { return std::string("#"); });
}

std::size_t CountOccurrences(const std::string& needle, const std::string& text) {
    std::size_t count = 0;
    for (std::size_t at = text.find(needle); at != std::string::npos;
         at = text.find(needle, at + 1)) {
        ++count;
    }
    return count;
}

std::string PackText() {
    std::string pack;
    for (const char* line : PRODUCT_FRAGMENT) pack += std::string(line) + CR_LF;
    return pack;
}

const std::string& Header() {
    static const std::string header = std::string(LABEL_FILE_HEADER) + CR_LF;
    return header;
}
const std::string& Footer() {
    static const std::string footer = std::string(LABEL_FILE_FOOTER) + CR_LF;
    return footer;
}
const std::string& Pack() {
    static const std::string pack = PackText();
    return pack;
}

// The model of the saved file: the header and the kept products, then the pack (unless
// held) and the footer, one count running through both, a value never looked for past
// the first part.
struct Model {
    bool held = false;
    std::string keptSegment;
    std::string keptRenumbered;
    std::string addedRenumbered;
    std::string Whole() const { return keptRenumbered + addedRenumbered; }
};

Model ModelSavedFile(const Extraction& extraction) {
    Model model;
    model.held = Lower(extraction.stretch).find(PACK_KEY) != std::string::npos;
    model.keptSegment = Header() + (extraction.hasItem ? extraction.stretch + CR_LF + CR_LF : CR_LF);
    const std::string addedSegment = (model.held ? std::string() : Pack()) + Footer();
    std::size_t keptValues = 0;
    model.keptRenumbered = RewriteIds(model.keptSegment, [&](std::size_t index, const std::string&) {
        keptValues = index + 1;
        return std::to_string(index + 1);
    });
    model.addedRenumbered = RewriteIds(addedSegment, [&](std::size_t index, const std::string&) {
        return std::to_string(keptValues + index + 1);
    });
    return model;
}

void CheckSavedFile(const std::string& input, const Model& model, const std::string& saved) {
    // Shape: the installer's own first and last lines.
    Check(saved.compare(0, Header().size(), Header()) == 0,
          "the saved file does not start with the header line and CR LF: " + Visible(saved));
    Check(saved.size() >= Footer().size() &&
              saved.compare(saved.size() - Footer().size(), Footer().size(), Footer()) == 0,
          "the saved file does not end with the footer line and CR LF");

    // Size: UTF-16 text grows by half at most as UTF-8, line ends at most double the
    // text (LF becomes CR LF, plus a final CR LF); header, blank lines, pack and footer
    // are fixed; a renumbered value grows by at most the 10 digits of its count.
    const std::size_t markers = CountOccurrences(MARKER, saved);
    const std::size_t bound = 2 * input.size() + 2 + Header().size() + 4 + Pack().size() +
                              Footer().size() + 10 * markers;
    Check(saved.size() <= bound, "the saved file has " + std::to_string(saved.size()) +
                                     " bytes, more than the bound " + std::to_string(bound));

    const bool held = model.held;
    const std::string& keptSegment = model.keptSegment;
    const std::string& keptRenumbered = model.keptRenumbered;
    const std::string& addedRenumbered = model.addedRenumbered;
    const std::string savedKept = saved.substr(0, std::min(saved.size(), keptRenumbered.size()));
    const std::string savedAdded = saved.substr(savedKept.size());

    // Ids run 1, 2, 3, ... in text order through both parts.
    std::size_t seen = 0;
    for (const std::string* part : {&savedKept, &savedAdded}) {
        RewriteIds(*part, [&](std::size_t, const std::string& value) {
            ++seen;
            Check(value == std::to_string(seen),
                  "productID value " + std::to_string(seen) + " is \"" + Visible(value) + "\"");
            return value;
        });
    }

    // The kept products: right after the header, unchanged but for id values.
    Check(Placeholders(savedKept) == Placeholders(keptSegment),
          "the kept products are not in the saved file unchanged apart from their ids (ids "
          "shown as #), " + Difference(Placeholders(keptSegment), Placeholders(savedKept)));

    // The pack: added exactly once unless the kept products already name its first label.
    static const std::string packIds = Placeholders(Pack());
    const std::size_t packs = CountOccurrences(packIds, Placeholders(savedAdded));
    Check(packs == (held ? 0u : 1u), "the pack appears " + std::to_string(packs) +
                                         " times although the kept products " +
                                         (held ? "hold it" : "lack it"));

    // The whole file, from the model.
    const std::string expected = keptRenumbered + addedRenumbered;
    Check(saved == expected, "the saved file differs from the model, " + Difference(expected, saved));
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

    const std::optional<std::string> decoded = DecodeFileBytes(input);
    const Extraction extraction = decoded ? ModelExtraction(*decoded) : Extraction{};
    const Model model = ModelSavedFile(extraction);
    // A file whose labels would not all survive the rewrite, or whose rewrite a parser
    // would reject, is refused and left alone.
    std::string reason;
    if (!decoded) {
        reason = "It holds a broken UTF-16 character (a surrogate without its pair)";
    } else if (ProductElements(*decoded) > ProductElements(extraction.stretch)) {
        reason = "Not all of the labels it holds could be read";
    } else if (!xml::Parses(model.Whole())) {
        reason = "Its labels could not be carried over as well-formed XML";
    }
    std::string refusal;
    try {
        // The read and the cut on their own, against the model.
        bool readRefused = false;
        try {
            const std::string read = ReadLabelFileText(platform, path);
            Check(decoded && read == *decoded, "the read text differs from the file's bytes decoded, " +
                                                   Difference(decoded.value_or(""), read));
        } catch (const EFOpenError&) {
            readRefused = true;
        }
        Check(readRefused == !decoded, readRefused ? "the read refused a file it could decode"
                                                   : "the read took a broken UTF-16 character");
        // The cut on its own, against the model, where the rewrite would keep every label.
        if (reason.empty()) {
            const std::optional<std::string> cut = ExtractExistingProducts(platform, path);
            Check(cut.has_value() == extraction.hasItem, "the cut gives a stretch when the model has none, or none when it has one");
            if (cut && extraction.hasItem) {
                Check(*cut == extraction.stretch,
                      "the cut differs from the model, " + Difference(extraction.stretch, *cut));
            }
        }

        InstallLabelFile(platform, folder);
    } catch (const EFOpenError& error) {
        refusal = error.Message();
    } catch (const Exception& error) {
        Fail("the install raised " + error.KindName() + ": " + error.Message());
    }
    // Names outside ASCII are refused even where this parser would take them.
    const std::string prefix = "Cannot open file \"" + path + "\". ";
    const std::string notWellFormed = "Its labels could not be carried over as well-formed XML";
    if (reason.empty() && refusal == prefix + notWellFormed &&
        !xml::HasOnlyAsciiNames(model.Whole())) {
        reason = notWellFormed;
    }
    if (reason.empty()) {
        Check(refusal.empty(), "the install refused a file whose labels all survive as "
                               "well-formed XML: " + refusal);
    } else {
        Check(refusal == prefix + reason, "the refusal reads \"" + refusal + "\", expected \"" +
                                              prefix + reason + "\"");
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
    // Well-formed in, well-formed out, as a real parser judges both.
    Check(!xml::Parses(input) || xml::Parses(saved),
          "the existing file parses but the saved one does not: " + xml::ParseError(saved));
    CheckSavedFile(input, model, saved);
    return 0;
}
