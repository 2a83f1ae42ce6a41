#pragma once
// An ordered list of single-byte text items with a whole-text view: the join puts
// CR LF after every item, the split breaks at CR LF, CR or LF and stops at NUL.
// These rules decide the bytes of the label file.

#include <cstdint>
#include <string>
#include <vector>

namespace velkaris {

class Platform;

class LineList {
public:
    std::int32_t AddItem(const std::string& text);
    std::int32_t AddItem(std::string&& text);  // takes a large text without copying it
    std::int32_t ItemCount() const;
    const std::string& Item(std::int32_t index) const;
    // Room for items before the storage grows: by 4 up to 8, by 16 up to 64, then
    // by a quarter. 0 for a list that was never filled or was emptied.
    std::int32_t Capacity() const;

    std::string WholeText() const;
    // Taken by value: the list is emptied first, so the text may be the list's own
    // WholeText or one of its items.
    void SetWholeText(std::string text);

    // Replaces the file through a temporary file beside it, so that a failed save
    // leaves the old file as it was. Without replaceExisting, a file that appeared
    // at the path meanwhile is kept and the save fails. Raises EFCreateError or
    // EWriteError.
    void WriteToFile(Platform& platform, const std::string& path,
                     bool replaceExisting = true) const;

private:
    void Empty();

    std::vector<std::string> items_;
    std::int32_t capacity_ = 0;
};

// The save of WriteToFile for a text already joined.
void WriteTextToFile(Platform& platform, const std::string& path, const std::string& text,
                     bool replaceExisting = true);

}  // namespace velkaris
