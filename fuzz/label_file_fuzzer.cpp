// The input bytes are the user's existing pg_custom.xml. The whole Word 12.0 install
// runs on them through the in-memory platform, and the saved file is checked against
// what the installer promises, and against a plain model of the read, cut, merge and
// renumbering written here from the rules, independently of the code under test.

#include <array>
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
#include "label_file/pack_presence.h"
#include "label_file/product_extraction.h"
#include "text/errors.h"
#include "xml/xml_parser.h"

namespace velkaris::fuzz {
namespace {

const std::string CR_LF = "\r\n";
const std::string MARKER = "productID=\"";

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

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

// The pack's products as the fragment holds them: from one "<product " line to the next.
std::vector<std::string> PackProductTexts() {
    std::vector<std::string> products;
    for (const char* line : PRODUCT_FRAGMENT) {
        if (std::string(line).rfind("\t<product ", 0) == 0) products.emplace_back();
        products.back() += std::string(line) + CR_LF;
    }
    return products;
}

std::string PackName(std::size_t product) {
    const std::string number = std::to_string(product + 1);
    return "Velkaris     L-" + std::string(number.size() < 2 ? "0" : "") + number;
}

const std::string& Header() {
    static const std::string header = std::string(LABEL_FILE_HEADER) + CR_LF;
    return header;
}
const std::string& Footer() {
    static const std::string footer = std::string(LABEL_FILE_FOOTER) + CR_LF;
    return footer;
}
const std::vector<std::string>& Pack() {
    static const std::vector<std::string> pack = PackProductTexts();
    return pack;
}
std::size_t PackBytes() {
    std::size_t bytes = 0;
    for (const std::string& product : Pack()) bytes += product.size();
    return bytes;
}

// The model of the saved file: the header and the kept products, then the pack's
// products the kept ones do not hold and the footer, one count running through both,
// a value never looked for past the first part.
struct Model {
    std::array<bool, LABEL_COUNT> added{};
    std::string keptSegment;
    std::string keptRenumbered;
    std::string addedRenumbered;
    std::string Whole() const { return keptRenumbered + addedRenumbered; }
};

Model ModelSavedFile(const Extraction& extraction) {
    Model model;
    const std::array<bool, LABEL_COUNT> present = PackProductsPresent(extraction.stretch);
    std::string addedSegment;
    for (std::size_t i = 0; i < Pack().size(); ++i) {
        model.added[i] = !present[i];
        if (model.added[i]) addedSegment += Pack()[i];
    }
    addedSegment += Footer();
    model.keptSegment = Header() + (extraction.hasItem ? extraction.stretch + CR_LF + CR_LF : CR_LF);
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
    const std::size_t bound = 2 * input.size() + 2 + Header().size() + 4 + PackBytes() +
                              Footer().size() + 10 * markers;
    Check(saved.size() <= bound, "the saved file has " + std::to_string(saved.size()) +
                                     " bytes, more than the bound " + std::to_string(bound));

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

    // The pack: every one of its products is there by its name after the install.
    for (std::size_t i = 0; i < Pack().size(); ++i) {
        Check(saved.find(">" + PackName(i) + "</locName>") != std::string::npos,
              PackName(i) + " is missing from the saved file");
    }

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

    const Decoded decoded = DecodeFileBytes(input);
    const Extraction extraction = decoded.text ? ModelExtraction(*decoded.text) : Extraction{};
    const Model model = ModelSavedFile(extraction);
    // A file whose labels would not all survive the rewrite, or whose rewrite a parser
    // would reject, is refused and left alone.
    std::string reason = decoded.refusal;
    if (reason.empty() && ProductElements(*decoded.text) > ProductElements(extraction.stretch)) {
        reason = NOT_ALL_READ;
    } else if (reason.empty() && !xml::Parses(model.Whole())) {
        reason = "Its labels could not be carried over as well-formed XML";
    }
    std::string refusal;
    try {
        // The read and the cut on their own, against the model.
        bool readRefused = false;
        try {
            const std::string read = ReadLabelFileText(platform, path);
            Check(decoded.text && read == *decoded.text,
                  "the read text differs from the file's bytes decoded, " +
                      Difference(decoded.text.value_or(""), read));
        } catch (const EFOpenError&) {
            readRefused = true;
        }
        Check(readRefused == !decoded.text, readRefused ? "the read refused a file it could decode"
                                                        : "the read took a file it cannot decode");
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
    // Every product the file held is still there: counted by the parser where it reads
    // the file, by the installer's own rule where it does not (UTF-32, say).
    const bool parses = xml::Parses(input);
    const std::size_t before = parses ? xml::CountElements(input, "product")
                                      : ProductElements(decoded.text.value_or(""));
    const std::size_t after = parses ? xml::CountElements(saved, "product") : ProductElements(saved);
    Check(after >= before, "the file held " + std::to_string(before) + " products, the saved one " +
                               std::to_string(after));
    CheckSavedFile(input, model, saved);
    return 0;
}
