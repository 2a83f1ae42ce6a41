#pragma once
// The label file as a list of lines, the way its rules were first written down: the
// join puts CR LF after every item, the split breaks at CR LF, CR or LF and stops at
// NUL. The installer works on one text; tests hold it to what this list gives.

#include <cstdint>
#include <string>
#include <vector>

namespace velkaris {

class LineList {
public:
    void AddItem(std::string text) { items_.push_back(std::move(text)); }
    std::int32_t ItemCount() const { return static_cast<std::int32_t>(items_.size()); }
    const std::string& Item(std::int32_t index) const {
        return items_.at(static_cast<std::size_t>(index));
    }

    std::string WholeText() const;
    // Taken by value: the text may be the list's own WholeText or one of its items.
    void SetWholeText(std::string text);

private:
    std::vector<std::string> items_;
};

// Every productID="..." value of the list's whole text replaced by 1, 2, 3, ... in
// text order, and the list re-split into plain lines; a list without any marker is
// left as it is.
void RenumberProductIds(LineList& list);

}  // namespace velkaris
