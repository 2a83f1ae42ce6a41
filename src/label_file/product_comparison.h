#pragma once
// Whether a product in a label file is still the one the install wrote, however
// Word laid it out when it saved the file again.

#include <string_view>

namespace velkaris {

// Both texts hold one product element. True when they are equal as XML: the same
// elements in the same order, each with the same attributes in any order and with
// their references resolved (the product's productID aside, which every install
// renumbers), and the same text; white space between elements, comments and
// processing instructions do not count, and <x/> equals <x></x>. A text that is
// not well-formed equals nothing.
bool IsSameProduct(std::string_view product, std::string_view installed);

}  // namespace velkaris
