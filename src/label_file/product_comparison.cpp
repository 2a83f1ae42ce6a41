#include "label_file/product_comparison.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "text/xml_reader.h"

namespace velkaris {

namespace {

// The product as a list of what counts: "<name", one " name=value" per attribute
// sorted, "</name", "#text". Nothing when it is not well-formed.
std::optional<std::vector<std::string>> Canonical(std::string_view product) {
    std::vector<std::string> items;
    std::string text;
    const auto flushText = [&] {
        if (std::any_of(text.begin(), text.end(), [](char c) { return !IsXmlSpace(c); })) {
            items.push_back("#" + text);
        }
        text.clear();
    };
    XmlReader reader(product);
    while (reader.Next()) {
        switch (reader.Kind()) {
            case XmlToken::StartTag: {
                flushText();
                const std::string name(reader.Name().Of(product));
                items.push_back("<" + name);
                std::vector<std::string> attributes;
                for (const XmlAttribute& attribute : reader.Attributes()) {
                    const std::string_view attributeName = attribute.name.Of(product);
                    if (reader.Depth() == 1 && attributeName == "productID") continue;
                    std::string item = " " + std::string(attributeName) + "=";
                    AppendResolvedText(attribute.value.Of(product), item, true);
                    attributes.push_back(std::move(item));
                }
                std::sort(attributes.begin(), attributes.end());
                items.insert(items.end(), attributes.begin(), attributes.end());
                if (reader.IsEmptyElement()) items.push_back("</" + name);
                break;
            }
            case XmlToken::EndTag:
                flushText();
                items.push_back("</" + std::string(reader.Name().Of(product)));
                break;
            case XmlToken::Text:
                AppendResolvedText(reader.Content().Of(product), text);
                break;
            case XmlToken::CData:
                text += reader.Content().Of(product);
                break;
            default:  // the declaration, comments, processing instructions
                break;
        }
    }
    if (reader.Failed()) return std::nullopt;
    flushText();
    return items;
}

}  // namespace

bool IsSameProduct(std::string_view product, std::string_view installed) {
    const std::optional<std::vector<std::string>> ours = Canonical(installed);
    const std::optional<std::vector<std::string>> theirs = Canonical(product);
    return ours && theirs && *ours == *theirs;
}

}  // namespace velkaris
