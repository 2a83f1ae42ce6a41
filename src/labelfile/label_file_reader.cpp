#include "labelfile/label_file_reader.h"

#include <utility>

#include "platform/win_values.h"
#include "support/bounded_text.h"
#include "support/exception.h"
#include "support/file_primitives.h"
#include "support/system_error_text.h"
#include "support/text.h"
#include "support/transient_retry.h"

namespace velkaris {

namespace {

constexpr std::uint32_t ERROR_HANDLE_EOF = 38;
constexpr std::uint32_t ERROR_ARITHMETIC_OVERFLOW = 534;

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
    RaiseOpenError(platform, path, SystemErrorText(platform, errorCode));
}

std::string ReadAll(Platform& platform, const std::string& path) {
    // A scanner or backup agent may hold the file for a moment after Word wrote it.
    FileHandle opened = InvalidFileHandle;
    if (!RetryTransient(platform, [&] {
            opened = OpenForReading(platform, path);
            return opened != InvalidFileHandle;
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
    std::string buffer = AllocateZeroed(size + 1);
    const std::int32_t read = ReadBytes(platform, file.Get(), &buffer[0], size);
    // Taking a short or failed read as the whole file would drop the user's labels.
    if (read < 0) RaiseSystemOpenError(platform, path, platform.GetLastError());
    if (read != size) RaiseSystemOpenError(platform, path, ERROR_HANDLE_EOF);
    buffer.resize(static_cast<std::size_t>(read) + 1);  // the terminating zero stays
    return buffer;
}

}  // namespace

std::string LabelFilePath(Platform& platform, const std::string& folder) {
    const std::string path = ConcatTexts({folder, "\\Microsoft\\Office\\", "pg_custom.xml"});
    if (path.size() > static_cast<std::size_t>(kBoundedTextLimit)) {
        throw EFCreateError(FormatMessageText(
            "Cannot create file \"%s\". %s",
            {path, SystemErrorText(platform, win::ERROR_FILENAME_EXCED_RANGE)}));
    }
    return BoundedFromText(path, kBoundedTextLimit);
}

LineList ReadLabelFileText(Platform& platform, const std::string& path) {
    std::string bytes = ReadAll(platform, path);
    const std::size_t n = bytes.size() - 1;  // bytes read; one zero follows them
    std::string text;
    if (n >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        // UTF-16 little-endian: the low byte of each unit, up to and including offset n.
        // A unit with a high byte would turn into another character, or into a NUL
        // that ends the text and drops the labels after it.
        text.reserve(n / 2);
        for (std::size_t i = 2; i <= n; i += 2) {
            if (i + 1 < n && bytes[i + 1] != '\0') {
                RaiseOpenError(platform, path,
                               "It holds characters that a single-byte label file cannot keep");
            }
            text += bytes[i];
        }
    } else {
        text = std::move(bytes);  // the file may be tens of megabytes: no second copy
    }
    LineList list;
    list.AddItem(std::move(text));
    return list;
}

void RaiseOpenError(Platform& platform, const std::string& path, const std::string& reason) {
    throw EFOpenError(FormatMessageText("Cannot open file \"%s\". %s",
                                        {AbsolutePath(platform, path), reason}));
}

}  // namespace velkaris
