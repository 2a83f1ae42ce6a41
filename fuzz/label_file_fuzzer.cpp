// The input bytes are the user's existing pg_custom.xml. The whole Word 12.0 install
// runs on them through the in-memory platform, and the saved file is checked against
// what the installer promises, and against a plain model of the read, cut, merge and
// renumbering written here from the rules, independently of the code under test.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "catalogue/label_records.h"
#include "catalogue/product_fragment.h"
#include "fake/fake_platform.h"
#include "fuzz_check.h"
#include "labelfile/label_file_install.h"
#include "labelfile/label_file_reader.h"
#include "labelfile/product_extraction.h"
#include "support/exception.h"

namespace velkaris::fuzz {
namespace {

const std::string kCrLf = "\r\n";
const std::string kMarker = "productID=\"";
const std::string kPackKey = "velkaris     l-15";

std::string Lower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

// The file's bytes as text: UTF-16 LE with BOM keeps the low byte of every unit up to
// and including offset n (the zero past the end adds a NUL when n is even); any other
// file is taken byte for byte, followed by one NUL.
std::string DecodeFileBytes(const std::string& bytes) {
    const std::size_t n = bytes.size();
    const auto at = [&](std::size_t i) { return i < n ? bytes[i] : '\0'; };
    std::string text;
    if (n >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        for (std::size_t i = 2; i <= n; i += 2) text += at(i);
    } else {
        text = bytes;
        text += '\0';
    }
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
        out += kCrLf;
        if (i < text.size() && text[i] == '\r') ++i;
        if (i < text.size() && text[i] == '\n') ++i;
    }
    return out;
}

// A UTF-16 unit with a high byte has no single-byte form: the install refuses the file.
bool HasWideCharacter(const std::string& bytes) {
    if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') return false;
    for (std::size_t i = 3; i < bytes.size(); i += 2) {
        if (bytes[i] != '\0') return true;
    }
    return false;
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
        const std::size_t at = text.find(kMarker, copied);
        if (at == std::string::npos) break;
        const std::size_t valueStart = at + kMarker.size();
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
    for (const char* line : PRODUCT_FRAGMENT) pack += std::string(line) + kCrLf;
    return pack;
}

const std::string& Header() {
    static const std::string header = std::string(LABEL_FILE_HEADER) + kCrLf;
    return header;
}
const std::string& Footer() {
    static const std::string footer = std::string(LABEL_FILE_FOOTER) + kCrLf;
    return footer;
}
const std::string& Pack() {
    static const std::string pack = PackText();
    return pack;
}

void CheckSavedFile(const std::string& input, const Extraction& extraction, const std::string& saved) {
    // Shape: the installer's own first and last lines.
    Check(saved.compare(0, Header().size(), Header()) == 0,
          "the saved file does not start with the header line and CR LF: " + Visible(saved));
    Check(saved.size() >= Footer().size() &&
              saved.compare(saved.size() - Footer().size(), Footer().size(), Footer()) == 0,
          "the saved file does not end with the footer line and CR LF");

    // Size: line ends at most double the text (LF becomes CR LF, plus a final CR LF);
    // header, blank lines, pack and footer are fixed; a renumbered value grows by at
    // most the 10 digits of its count.
    const std::size_t markers = CountOccurrences(kMarker, saved);
    const std::size_t bound = 2 * input.size() + 2 + Header().size() + 4 + Pack().size() +
                              Footer().size() + 10 * markers;
    Check(saved.size() <= bound, "the saved file has " + std::to_string(saved.size()) +
                                     " bytes, more than the bound " + std::to_string(bound));

    // The model: the header and the kept products, then the pack (unless held) and the
    // footer, one count running through both, a value never looked for past the first.
    const bool held = Lower(extraction.stretch).find(kPackKey) != std::string::npos;
    const std::string keptSegment =
        Header() + (extraction.hasItem ? extraction.stretch + kCrLf + kCrLf : kCrLf);
    const std::string addedSegment = (held ? std::string() : Pack()) + Footer();
    std::size_t keptValues = 0;
    const std::string keptRenumbered =
        RewriteIds(keptSegment, [&](std::size_t index, const std::string&) {
            keptValues = index + 1;
            return std::to_string(index + 1);
        });
    const std::string addedRenumbered =
        RewriteIds(addedSegment, [&](std::size_t index, const std::string&) {
            return std::to_string(keptValues + index + 1);
        });
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

    const std::string decoded = DecodeFileBytes(input);
    const Extraction extraction = ModelExtraction(decoded);
    // A file whose labels would not all survive the rewrite is refused and left alone.
    const bool wide = HasWideCharacter(input);
    const bool refuse = wide || ProductElements(decoded) > ProductElements(extraction.stretch);
    const std::string refusal = "Cannot open file \"" + path + "\". ";
    bool refused = false;
    try {
        // The read and the cut on their own, against the model.
        bool readRefused = false;
        try {
            const LineList read = ReadLabelFileText(platform, path);
            Check(read.ItemCount() == 1, "the read text is not one item");
            Check(read.Item(0) == decoded, "the read text differs from the file's bytes decoded, " +
                                               Difference(decoded, read.Item(0)));
        } catch (const EFOpenError&) {
            readRefused = true;
        }
        Check(readRefused == wide, readRefused ? "the read refused a file of single-byte characters"
                                               : "the read took a UTF-16 character with a high byte");
        const LineList cut = ExtractProductsFromText(decoded);
        Check(cut.ItemCount() == (extraction.hasItem ? 1 : 0),
              "the cut has " + std::to_string(cut.ItemCount()) + " items");
        if (extraction.hasItem) {
            Check(cut.Item(0) == extraction.stretch,
                  "the cut differs from the model, " + Difference(extraction.stretch, cut.Item(0)));
        }

        InstallLabelFile(platform, folder);
    } catch (const EFOpenError& error) {
        refused = true;
        Check(error.Message().compare(0, refusal.size(), refusal) == 0,
              "the refusal does not name the file: " + error.Message());
    } catch (const Exception& error) {
        Fail("the install raised " + error.KindName() + ": " + error.Message());
    }
    Check(refused == refuse, refused ? "the install refused a file whose labels all survive"
                                     : "the install rewrote a file whose labels do not all survive");

    Check(platform.files.OpenFileCount() == 0, "a file handle or search was left open");
    Check(platform.misuse.empty(),
          "the platform was misused: " + (platform.misuse.empty() ? "" : platform.misuse[0]));
    Check(!platform.files.Exists(path + ".new"), "the temporary file was left behind");

    if (refused) {
        Check(platform.files.ReadFileBytes(path) == input, "the refused file was changed");
        return 0;
    }
    CheckSavedFile(input, extraction, platform.files.ReadFileBytes(path));
    return 0;
}
