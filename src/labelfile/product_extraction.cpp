#include "labelfile/product_extraction.h"

#include "labelfile/label_file_reader.h"
#include "support/text.h"

namespace velkaris {

namespace {

const char* const START_MARKER = "<product units=\"emu\"";
const char* const END_MARKER = "</vendorproductset>";

}  // namespace

LineList ExtractProductsFromText(const std::string& fileText) {
    // Re-split and join: every line break becomes CR LF and a NUL ends the text.
    std::string text;
    {
        LineList work;
        work.SetWholeText(fileText);
        text = work.WholeText();
    }
    LineList result;
    if (text.empty()) return result;

    std::int32_t start = 0;
    std::int32_t end = 0;
    {
        const std::string lower = LowerAscii(text);
        start = FindText(START_MARKER, lower);
        end = FindText(END_MARKER, lower);
    }
    result.AddItem(start != 0 && end != 0 ? CopyRange(text, start, end - start) : std::string());
    return result;
}

LineList ExtractExistingProducts(Platform& platform, const std::string& path) {
    const LineList raw = ReadLabelFileText(platform, path);
    return ExtractProductsFromText(raw.WholeText());
}

}  // namespace velkaris
