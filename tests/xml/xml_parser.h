#pragma once
// What a real XML parser (expat) says of a file's bytes: the independent judge of
// whether Word could read a label file, and of what its products are.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velkaris::xml {

// Empty when the bytes are a well-formed XML document, else expat's reason and line.
// With namespaces, also every prefix bound and no attribute twice in one namespace.
std::string ParseError(const std::string& bytes, bool namespaces = false);

inline bool Parses(const std::string& bytes) { return ParseError(bytes).empty(); }
inline bool ParsesWithNamespaces(const std::string& bytes) { return ParseError(bytes, true).empty(); }

// The same for a text already decoded to UTF-8, whatever encoding it declares.
std::string Utf8ParseError(const std::string& text);
inline bool ReadsUtf8(const std::string& text) { return Utf8ParseError(text).empty(); }
// expat's reason for a text with no element at all: no labels, yet nothing broken.
extern const char* const NO_ELEMENT;

// Whether every element, attribute and processing-instruction name the parser meets in
// a UTF-8 text is ASCII; true for a text that does not parse.
bool HasOnlyAsciiNames(const std::string& text);

// Each product element of a UTF-8 text, in document order, as the parser reads it.
struct Product {
    std::string content;            // its attributes but productID, and all inside it
    std::string name;               // the text of its prodName/locName
    std::optional<std::string> id;  // its productID
};
// Empty for a text that does not parse.
std::vector<Product> Products(const std::string& text);

}  // namespace velkaris::xml
