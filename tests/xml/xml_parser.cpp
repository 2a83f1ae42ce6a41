#include "xml/xml_parser.h"

#include <expat.h>

#include <climits>
#include <memory>

namespace velkaris::xml {

namespace {

using Parser = std::unique_ptr<XML_ParserStruct, decltype(&XML_ParserFree)>;

// With no encoding forced, expat reads the byte-order mark and the declaration itself.
Parser NewParser(bool namespaces, const char* encoding = nullptr) {
    return Parser(namespaces ? XML_ParserCreateNS(encoding, '|') : XML_ParserCreate(encoding),
                  &XML_ParserFree);
}

bool Parse(XML_Parser parser, const std::string& bytes) {
    return bytes.size() <= static_cast<std::size_t>(INT_MAX) &&
           XML_Parse(parser, bytes.data(), static_cast<int>(bytes.size()), 1) == XML_STATUS_OK;
}

std::string Error(const Parser& parser, const std::string& bytes) {
    if (!parser) return "expat could not start";
    if (Parse(parser.get(), bytes)) return {};
    return std::string(XML_ErrorString(XML_GetErrorCode(parser.get()))) + " at line " +
           std::to_string(XML_GetCurrentLineNumber(parser.get()));
}

bool IsAscii(const XML_Char* name) {
    for (; *name != 0; ++name) {
        if (static_cast<unsigned char>(*name) >= 0x80) return false;
    }
    return true;
}

}  // namespace

const char* const NO_ELEMENT = "no element found";

std::string ParseError(const std::string& bytes, bool namespaces) {
    return Error(NewParser(namespaces), bytes);
}

std::string Utf8ParseError(const std::string& text) { return Error(NewParser(true, "UTF-8"), text); }

bool HasOnlyAsciiNames(const std::string& text) {
    const Parser parser = NewParser(false, "UTF-8");
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
    Parse(parser.get(), text);
    return ascii;
}

namespace {

// Every element is written into each product open around it; a product's own
// productID is kept apart. Its name is the text of a locName in a prodName in it.
struct ProductReader {
    std::vector<Product> products;
    std::vector<std::size_t> open;   // indexes of the products open, outermost first
    std::vector<std::string> path;   // names of the open elements
    std::vector<bool> named;         // per product: its name was read
    std::size_t nameDepth = 0;       // the locName being read, 0 for none

    void Start(const std::string& name, const XML_Char** attributes) {
        const bool product = name == "product";
        if (product) {
            open.push_back(products.size());
            products.emplace_back();
            named.push_back(false);
        }
        std::string tag = "<" + name;
        for (; *attributes != nullptr; attributes += 2) {
            if (product && std::string(attributes[0]) == "productID") {
                products.back().id = attributes[1];
                continue;
            }
            tag += std::string(" ") + attributes[0] + "=\"" + attributes[1] + "\"";
        }
        Append(tag + ">");
        const std::size_t depth = path.size();
        path.push_back(name);
        if (nameDepth == 0 && !open.empty() && !named[open.back()] && name == "locName" &&
            depth >= 2 && path[depth - 1] == "prodName" && path[depth - 2] == "product") {
            named[open.back()] = true;
            nameDepth = path.size();
        }
    }

    void End(const std::string& name) {
        Append("</" + name + ">");
        if (path.size() == nameDepth) nameDepth = 0;
        path.pop_back();
        if (name == "product") open.pop_back();
    }

    void Text(const std::string& text) {
        Append(text);
        if (nameDepth != 0) products[open.back()].name += text;
    }

    void Append(const std::string& text) {
        for (const std::size_t product : open) products[product].content += text;
    }
};

}  // namespace

std::vector<Product> Products(const std::string& text) {
    ProductReader reader;
    const Parser parser = NewParser(false, "UTF-8");
    XML_SetUserData(parser.get(), &reader);
    XML_SetStartElementHandler(parser.get(), [](void* data, const XML_Char* name,
                                                const XML_Char** attributes) {
        static_cast<ProductReader*>(data)->Start(name, attributes);
    });
    XML_SetEndElementHandler(parser.get(), [](void* data, const XML_Char* name) {
        static_cast<ProductReader*>(data)->End(name);
    });
    XML_SetCharacterDataHandler(parser.get(), [](void* data, const XML_Char* text, int length) {
        static_cast<ProductReader*>(data)->Text(std::string(text, static_cast<std::size_t>(length)));
    });
    if (!Parse(parser.get(), text)) return {};
    return std::move(reader.products);
}

}  // namespace velkaris::xml
