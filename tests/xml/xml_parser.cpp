#include "xml/xml_parser.h"

#include <expat.h>

#include <climits>
#include <memory>

namespace velkaris::xml {

std::string ParseError(const std::string& bytes) {
    // No encoding forced: expat reads the byte-order mark and the declaration itself.
    const std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)> parser(
        XML_ParserCreate(nullptr), &XML_ParserFree);
    if (!parser) return "expat could not start";
    if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return "too large for expat";
    if (XML_Parse(parser.get(), bytes.data(), static_cast<int>(bytes.size()), 1) ==
        XML_STATUS_OK) {
        return {};
    }
    return std::string(XML_ErrorString(XML_GetErrorCode(parser.get()))) + " at line " +
           std::to_string(XML_GetCurrentLineNumber(parser.get()));
}

}  // namespace velkaris::xml
