#include "xml/xml_parser.h"

#include <expat.h>

#include <climits>
#include <memory>

namespace velkaris::xml {

namespace {

using Parser = std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)>;

// No encoding forced: expat reads the byte-order mark and the declaration itself.
Parser NewParser(bool namespaces = false) {
    return Parser(namespaces ? XML_ParserCreateNS(nullptr, '|') : XML_ParserCreate(nullptr),
                  &XML_ParserFree);
}

bool Parse(XML_Parser parser, const std::string& bytes) {
    return bytes.size() <= static_cast<std::size_t>(INT_MAX) &&
           XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), 1) == XML_STATUS_OK;
}

bool IsAscii(const XML_Char* name) {
    for (; *name != 0; ++name) {
        if (static_cast<unsigned char>(*name) >= 0x80) return false;
    }
    return true;
}

}  // namespace

std::string ParseError(const std::string& bytes, bool namespaces) {
    const Parser parser = NewParser(namespaces);
    if (!parser) return "expat could not start";
    if (Parse(parser.get(), bytes)) return {};
    return std::string(XML_ErrorString(XML_GetErrorCode(parser.get()))) + " at line " +
           std::to_string(XML_GetCurrentLineNumber(parser.get()));
}

}  // namespace velkaris::xml

namespace velkaris::xml {

bool HasOnlyAsciiNames(const std::string& bytes) {
    const Parser parser = NewParser();
    bool ascii = true;
    XML_SetUserData(parser.get(), &ascii);
    XML_SetStartElementHandler(parser.get(), [](void* data, const XML_Char* name,
                                                const XML_Char** attributes) {
        bool& ascii = *static_cast<bool*>(data);
        ascii = ascii && IsAscii(name);
        for (; *attributes != nullptr; attributes += 2) ascii = ascii && IsAscii(*attributes);
    });
    XML_SetProcessingInstructionHandler(
        parser.get(), [](void* data, const XML_Char* target, const XML_Char*) {
            bool& ascii = *static_cast<bool*>(data);
            ascii = ascii && IsAscii(target);
        });
    Parse(parser.get(), bytes);
    return ascii;
}

}  // namespace velkaris::xml

namespace velkaris::xml {

std::size_t CountElements(const std::string& bytes, const std::string& name) {
    struct Count {
        const std::string& name;
        std::size_t elements = 0;
    } count{name};
    const Parser parser = NewParser();
    XML_SetUserData(parser.get(), &count);
    XML_SetStartElementHandler(parser.get(), [](void* data, const XML_Char* element,
                                                const XML_Char**) {
        Count& count = *static_cast<Count*>(data);
        count.elements += count.name == element;
    });
    return Parse(parser.get(), bytes) ? count.elements : 0;
}

}  // namespace velkaris::xml
