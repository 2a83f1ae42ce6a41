#include "label_file/label_file_structure.h"

#include <string>
#include <utility>

#include "text/ascii_case.h"

namespace velkaris {

namespace {

bool IsEmu(std::string_view raw) {
    std::string value;
    AppendResolvedText(raw, value, true);
    return SameIgnoringAsciiCase(value, "emu");
}

// Follows the first vendorProductSet, its products and their prodName/locName
// elements by depth: the document is well-formed up to the token read, so each end
// tag at a recorded depth closes that element.
class StructureScan {
public:
    explicit StructureScan(std::string_view text) : text_(text), reader_(text) {}

    LabelFileStructure Run() {
        // A product as Word writes it takes some 700 bytes: with room for one in every
        // 512 the list seldom has to be moved as it grows.
        result_.products.reserve(text_.size() / 512);
        while (reader_.Next()) {
            switch (reader_.Kind()) {
                case XmlToken::Declaration: Declaration(); break;
                case XmlToken::StartTag: StartTag(); break;
                case XmlToken::EndTag: EndTag(reader_.Whole().begin); break;
                case XmlToken::Text:
                    if (inName_) AppendResolvedText(reader_.Content().Of(text_), name_);
                    break;
                case XmlToken::CData:
                    if (inName_) name_ += reader_.Content().Of(text_);
                    break;
                default: break;
            }
        }
        result_.wellFormed = !reader_.Failed();
        result_.noElement = reader_.EndedWithoutElement();
        result_.lineBreaksCrLf = reader_.LineBreaksCrLf();
        if (!result_.wellFormed) result_.faultLine = LineOfOffset(text_, reader_.FaultAt());
        return std::move(result_);
    }

private:
    void Declaration() {
        for (const XmlAttribute& attribute : reader_.Attributes()) {
            if (attribute.name.Of(text_) == "encoding") result_.declaredEncoding = attribute.value;
        }
    }

    void StartTag() {
        const std::string_view name = reader_.Name().Of(text_);
        const std::size_t depth = reader_.Depth();
        const std::size_t binding = reader_.OutermostBindingUsed();
        if (setDepth_ != 0 && depth > setDepth_ && binding != 0 && binding <= setDepth_) {
            result_.namespaceFromHeader = true;
        }
        if (name != "product" && SameIgnoringAsciiCase(name, "product")) {
            result_.lookalikeProducts.push_back(reader_.Whole().begin);
        }
        if (name == "vendorProductSet" && !result_.setFound) {
            result_.setFound = true;
            setDepth_ = depth;
            result_.setContent = Span{reader_.Whole().end, reader_.Whole().end};
            if (reader_.IsEmptyElement()) setDepth_ = 0;
        } else if (name == "product") {
            if (setDepth_ == 0 || depth != setDepth_ + 1) {
                ++result_.otherProducts;
                return;
            }
            Product();
        } else if (productDepth_ != 0 && !nameSeen_ && name == "prodName" &&
                   depth == productDepth_ + 1) {
            prodNameDepth_ = depth;
        } else if (prodNameDepth_ != 0 && !nameSeen_ && name == "locName" &&
                   depth == prodNameDepth_ + 1) {
            nameSeen_ = true;
            inName_ = !reader_.IsEmptyElement();
            nameDepth_ = depth;
        }
        if (reader_.IsEmptyElement()) EndTag(reader_.Whole().end);
    }

    void Product() {
        product_ = LabelFileProduct{};
        product_.element.begin = reader_.Whole().begin;
        for (const XmlAttribute& attribute : reader_.Attributes()) {
            const std::string_view name = attribute.name.Of(text_);
            if (name == "units") product_.emu = IsEmu(attribute.value.Of(text_));
            if (name == "productID") {
                product_.hasId = true;
                product_.id = attribute.value;
            }
        }
        productDepth_ = reader_.Depth();
        nameSeen_ = false;
        name_.clear();
    }

    // tagBegin: where the closing tag starts; an empty element's closes at its end.
    void EndTag(std::size_t tagBegin) {
        const std::size_t depth = reader_.Depth();
        if (depth == nameDepth_) {
            inName_ = false;
            nameDepth_ = 0;
        } else if (depth == prodNameDepth_) {
            prodNameDepth_ = 0;
        } else if (depth == productDepth_) {
            product_.element.end = reader_.Whole().end;
            product_.pack = PackLabelNamed(name_);
            result_.products.push_back(product_);
            productDepth_ = 0;
        } else if (depth == setDepth_) {
            result_.setContent.end = tagBegin;
            setDepth_ = 0;
        }
    }

    std::string_view text_;
    XmlReader reader_;
    LabelFileStructure result_;
    LabelFileProduct product_;
    std::string name_;  // of the product being read; one buffer for them all
    std::size_t setDepth_ = 0;  // 0 while not inside the first set
    std::size_t productDepth_ = 0;
    std::size_t prodNameDepth_ = 0;
    std::size_t nameDepth_ = 0;
    bool nameSeen_ = false;  // the product's name comes from its first prodName/locName
    bool inName_ = false;
};

}  // namespace

LabelFileStructure ReadLabelFileStructure(std::string_view text) {
    return StructureScan(text).Run();
}

}  // namespace velkaris
