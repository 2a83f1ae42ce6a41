#include "label_file/label_file_reader.h"

#include <algorithm>
#include <iterator>
#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/win_values.h"
#include "services/file_reading.h"
#include "services/system_error_text.h"
#include "services/transient_retry.h"
#include "text/ascii_case.h"
#include "text/errors.h"
#include "text/unicode_decoding.h"
#include "text/utf8_utf16.h"
#include "text/xml_reader.h"

namespace velkaris {

namespace {

constexpr std::uint32_t ERROR_HANDLE_EOF = 38;
constexpr std::uint32_t ERROR_ARITHMETIC_OVERFLOW = 534;
constexpr std::size_t ROOM_FOR_THE_PACK = 64 * 1024;
constexpr std::size_t MAX_PATH_UNITS = 255;  // a longer path would be cut, naming another file

// Closes the read handle on every way out.
class ReadHandle {
public:
    ReadHandle(Platform& platform, FileHandle handle) : platform_(platform), handle_(handle) {}
    ~ReadHandle() { CloseFileHandle(platform_, handle_); }
    ReadHandle(const ReadHandle&) = delete;
    ReadHandle& operator=(const ReadHandle&) = delete;
    FileHandle Get() const { return handle_; }

private:
    Platform& platform_;
    FileHandle handle_;
};

[[noreturn]] void RaiseSystemOpenError(Platform& platform, const std::string& path,
                                       std::uint32_t errorCode) {
    RaiseOpenError(platform, path, SystemErrorText(platform, errorCode),
                   RemedyForSystemError(errorCode));
}

std::string ReadAll(Platform& platform, const std::string& path) {
    // A scanner or backup agent may hold the file for a moment after Word wrote it.
    FileHandle opened = win::INVALID_HANDLE_VALUE;
    if (!RetryTransient(platform, [&] {
            opened = OpenForReading(platform, path);
            return opened != win::INVALID_HANDLE_VALUE;
        })) {
        RaiseSystemOpenError(platform, path, platform.GetLastError());
    }
    ReadHandle file(platform, opened);

    const std::int32_t size = SetFilePosition(platform, file.Get(), 0, win::FILE_END);
    if (size < 0 || SetFilePosition(platform, file.Get(), 0, win::FILE_BEGIN) < 0) {
        // A file past 2 GiB leaves no error code: name the reason ourselves.
        const std::uint32_t error = platform.GetLastError();
        RaiseSystemOpenError(platform, path, error != 0 ? error : ERROR_ARITHMETIC_OVERFLOW);
    }
    // The buffer holds the file and one zero after it; a count past the largest read
    // would wrap round to a small buffer that the read then overruns.
    const auto bytes = static_cast<std::size_t>(size);
    if (bytes >= static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) ||
        bytes >= std::string().max_size() - ROOM_FOR_THE_PACK) {
        RaiseOpenError(platform, path, "It is too large to be read");
    }
    // Room past the file for what the install adds around the products it keeps, so
    // the new file is made in this one buffer.
    std::string buffer;
    buffer.reserve(bytes + 1 + ROOM_FOR_THE_PACK);
    buffer.resize(bytes + 1);
    const std::int32_t read = ReadBytes(platform, file.Get(), &buffer[0], size);
    // Taking a short or failed read as the whole file would drop the user's labels.
    if (read < 0) RaiseSystemOpenError(platform, path, platform.GetLastError());
    if (read != size) RaiseSystemOpenError(platform, path, ERROR_HANDLE_EOF);
    buffer.resize(static_cast<std::size_t>(read) + 1);  // the terminating zero stays
    return buffer;
}

bool StartsIgnoringCase(std::string_view text, std::string_view start) {
    return text.size() > start.size() && SameIgnoringAsciiCase(text.substr(0, start.size()), start);
}

// The names the encoding a file was read in goes by; "" stands for none declared.
bool NamesEncoding(std::string_view name, XmlEncoding encoding) {
    static constexpr std::string_view UTF8[] = {"", "UTF-8"};
    static constexpr std::string_view UTF16LE[] = {"", "UTF-16", "UTF-16LE"};
    static constexpr std::string_view UTF16BE[] = {"", "UTF-16", "UTF-16BE"};
    static constexpr std::string_view UTF32LE[] = {"", "UTF-32", "UTF-32LE", "ISO-10646-UCS-4"};
    static constexpr std::string_view UTF32BE[] = {"", "UTF-32", "UTF-32BE", "ISO-10646-UCS-4"};
    const auto any = [name](const auto& names) {
        return std::any_of(std::begin(names), std::end(names),
                           [name](std::string_view n) { return SameIgnoringAsciiCase(n, name); });
    };
    switch (encoding) {
        case XmlEncoding::Utf8: return any(UTF8);
        case XmlEncoding::Utf16Le: return any(UTF16LE);
        case XmlEncoding::Utf16Be: return any(UTF16BE);
        case XmlEncoding::Utf32Le: return any(UTF32LE);
        case XmlEncoding::Utf32Be: return any(UTF32BE);
        case XmlEncoding::Unknown: break;
    }
    return false;
}

// Single-byte encodings whose ASCII bytes read as UTF-8 does.
bool IsAsciiCompatible(std::string_view name) {
    return SameIgnoringAsciiCase(name, "US-ASCII") ||
           (StartsIgnoringCase(name, "ISO-8859-") && name.size() <= 11 &&
            std::all_of(name.begin() + 9, name.end(), [](char c) { return c >= '0' && c <= '9'; })) ||
           (StartsIgnoringCase(name, "windows-125") && name.size() == 12 && name[11] >= '0' &&
            name[11] <= '8');
}

// The encoding the XML declaration names, "" when there is none.
std::string_view DeclaredEncoding(std::string_view text) {
    XmlReader reader(text);
    if (!reader.Next() || reader.Kind() != XmlToken::Declaration) return {};
    for (const XmlAttribute& attribute : reader.Attributes()) {
        if (attribute.name.Of(text) == "encoding") return attribute.value.Of(text);
    }
    return {};
}

// A file whose bytes are not in the encoding it declares would be read by Word as
// other letters, or not at all: its declaration must name the encoding it was read
// in, or a single-byte one of which it uses only the ASCII part.
void CheckDeclaredEncoding(Platform& platform, const std::string& path, const std::string& text,
                           const DetectedEncoding& detected) {
    const std::string_view declared = DeclaredEncoding(text);
    if (NamesEncoding(declared, detected.encoding)) return;
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (detected.encoding == XmlEncoding::Utf8 && detected.markLength == 0 && ascii &&
        IsAsciiCompatible(declared)) {
        return;
    }
    RaiseOpenError(platform, path,
                   "It declares the text encoding \"" + std::string(declared) +
                       "\", which its bytes are not written in or which could not be carried over");
}

}  // namespace

std::string LabelFilePath(Platform& platform, const std::string& folder) {
    const std::string path = folder + "\\Microsoft\\Office\\pg_custom.xml";
    // Counted as Windows counts a path: in UTF-16 units.
    if (Utf8ToUtf16(path).size() > MAX_PATH_UNITS) {
        throw EFCreateError(
            CannotCreateFile(path, SystemErrorText(platform, win::ERROR_FILENAME_EXCED_RANGE)));
    }
    return path;
}

std::string ReadLabelFileText(Platform& platform, const std::string& path) {
    std::string bytes = ReadAll(platform, path);
    const std::size_t n = bytes.size() - 1;  // bytes read; one zero follows them
    const DetectedEncoding detected = DetectXmlEncoding(std::string_view(bytes).substr(0, n));
    const std::string_view units = std::string_view(bytes).substr(0, n).substr(detected.markLength);
    std::string text;
    std::optional<std::string> decoded;
    switch (detected.encoding) {
        case XmlEncoding::Utf8:
            text = std::move(bytes);  // the file may be tens of megabytes: no second copy
            break;
        case XmlEncoding::Unknown:
            RaiseOpenError(platform, path, "It is in a text encoding that could not be recognised");
        case XmlEncoding::Utf16Le:
        case XmlEncoding::Utf16Be: {
            const bool bigEndian = detected.encoding == XmlEncoding::Utf16Be;
            // Only a marked little-endian file may end in a lone byte, which is a unit
            // of its own; another is cut in the middle of a character.
            if (units.size() % 2 != 0 && (bigEndian || detected.markLength == 0)) {
                RaiseOpenError(platform, path, "It ends in the middle of a character");
            }
            decoded = DecodeUtf16(units, bigEndian ? ByteOrder::BigEndian : ByteOrder::LittleEndian);
            if (!decoded) {
                RaiseOpenError(platform, path,
                               "It holds a broken UTF-16 character (a surrogate without its pair)");
            }
            break;
        }
        case XmlEncoding::Utf32Le:
        case XmlEncoding::Utf32Be:
            if (units.size() % 4 != 0) {
                RaiseOpenError(platform, path, "It ends in the middle of a character");
            }
            decoded = DecodeUtf32(units, detected.encoding == XmlEncoding::Utf32Be
                                             ? ByteOrder::BigEndian
                                             : ByteOrder::LittleEndian);
            if (!decoded) {
                RaiseOpenError(platform, path,
                               "It holds a broken UTF-32 character (a surrogate or past U+10FFFF)");
            }
            break;
    }
    if (decoded) {
        text = std::move(*decoded);
        // Ended by a zero as a file read byte for byte is, but for the one file allowed a
        // lone last byte (marked little-endian), which never was.
        if (units.size() % 2 == 0 || detected.encoding != XmlEncoding::Utf16Le) text += '\0';
    }
    // Nothing after a NUL can be carried over, and a NUL is no XML character: a file
    // in an encoding read wrongly shows them.
    const std::size_t nul = text.find('\0');
    if (nul != std::string::npos && nul + 1 < text.size()) {
        RaiseOpenError(platform, path, "Not all of the labels it holds could be read");
    }
    CheckDeclaredEncoding(platform, path, text, detected);
    return text;
}

std::optional<LabelFileContent> ReadLabelFileContent(Platform& platform, const std::string& path) {
    LabelFileContent content{ReadLabelFileText(platform, path), {}};
    std::string& text = content.text;
    // The read refuses a NUL anywhere but at the end.
    if (!text.empty() && text.back() == '\0') text.pop_back();
    if (text.empty()) return std::nullopt;
    content.structure = ReadLabelFileStructure(text);
    if (!content.structure.wellFormed && !content.structure.noElement) {
        RaiseOpenError(platform, path,
                       "It is not XML that Word can read (line " +
                           std::to_string(content.structure.faultLine) +
                           "): rename or remove it, and run the installer again");
    }
    return content;
}

void RaiseOpenError(Platform& platform, const std::string& path, const std::string& reason,
                    Remedy remedy) {
    throw EFOpenError(InsertTexts("Cannot open file \"%s\". %s",
                                        {AbsolutePath(platform, path), reason}), remedy);
}

}  // namespace velkaris
