#include "label_file/label_file_change.h"

#include "label_file/label_file_reader.h"
#include "services/file_reading.h"
#include "services/safe_save.h"
#include "services/system_error_text.h"
#include "text/errors.h"

namespace velkaris {

LabelFileChange::LabelFileChange(Platform& platform, const std::string& path)
    : platform_(platform), path_(path), lock_(platform, path) {
    if (!FileIsPresent(platform, path)) return;
    held_.emplace(platform, path);
    if (!held_->IsOpen()) {
        RaiseOpenError(platform, path, SystemErrorText(platform, held_->Error()),
                       RemedyForSystemError(held_->Error()));
    }
}

void LabelFileChange::Save(const std::string& text) {
    SaveFileSafely(platform_, path_, text, held_ ? &*held_ : nullptr);
}

}  // namespace velkaris
