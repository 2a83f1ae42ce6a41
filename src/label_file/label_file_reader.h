#pragma once
// Where Word 12.0 keeps the user's custom labels, and how its bytes become text.

#include <optional>
#include <string>

#include "label_file/label_file_structure.h"
#include "platform/platform.h"
#include "text/errors.h"

namespace velkaris {

// folder\Microsoft\Office\pg_custom.xml. Raises EFCreateError when the path would
// not fit in 255 characters (UTF-16 units), since a cut path names another file.
std::string LabelFilePath(Platform& platform, const std::string& folder);

// The file's text, with a final NUL: UTF-8 byte for byte, UTF-16 and UTF-32 of either
// byte order (with a byte-order mark, or starting "<?") as UTF-8. Raises EFOpenError
// when the file cannot be opened or read whole, is too large to hold, is in an
// encoding that is not recognised, holds a broken character, or holds a NUL before
// its end.
std::string ReadLabelFileText(Platform& platform, const std::string& path);

// A label file's text, as the install and the uninstall both read it.
struct LabelFileContent {
    std::string text;              // without the final NUL
    LabelFileStructure structure;  // of text
};

// Nothing when the file's text is empty. Raises ReadLabelFileText's errors, and
// EFOpenError when the text is not XML that Word can read; one of white space, a
// declaration or comments holds no labels yet, and passes.
std::optional<LabelFileContent> ReadLabelFileContent(Platform& platform, const std::string& path);

// Raises EFOpenError for the path, with the reason after it. Unless the system
// refused the file, its content is what cannot be carried over: the user renames it.
[[noreturn]] void RaiseOpenError(Platform& platform, const std::string& path,
                                 const std::string& reason,
                                 Remedy remedy = Remedy::RenameTheFile);

}  // namespace velkaris
