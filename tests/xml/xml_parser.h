#pragma once
// What a real XML parser (expat) says of a file's bytes: the independent judge of
// whether Word could read a label file.

#include <cstddef>
#include <string>

namespace velkaris::xml {

// Empty when the bytes are a well-formed XML document, else expat's reason and line.
// With namespaces, also every prefix bound and no attribute twice in one namespace.
std::string ParseError(const std::string& bytes, bool namespaces = false);

inline bool Parses(const std::string& bytes) { return ParseError(bytes).empty(); }
inline bool ParsesWithNamespaces(const std::string& bytes) { return ParseError(bytes, true).empty(); }

// The elements named name in a document that parses; 0 for one that does not.
std::size_t CountElements(const std::string& bytes, const std::string& name);

// Whether every element, attribute and processing-instruction name the parser meets is
// ASCII; true for a document that does not parse.
bool HasOnlyAsciiNames(const std::string& bytes);

}  // namespace velkaris::xml
