#pragma once
// A pull reader of XML 1.0 documents in UTF-8 (a byte-order mark allowed), with namespaces: it hands out each
// token with its byte span, so that a caller can copy the original bytes exactly and
// still know what they are, and it checks well-formedness as it goes. What it reads
// is what Word's files hold: ASCII names and no document type.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace velkaris {

// Bytes [begin, end) of the document.
struct Span {
    std::size_t begin = 0;
    std::size_t end = 0;

    std::size_t size() const { return end - begin; }
    std::string_view Of(std::string_view text) const { return text.substr(begin, end - begin); }
};

enum class XmlToken {
    Declaration,            // <?xml ...?> at the very start
    StartTag,               // <name attributes> or <name attributes/>
    EndTag,                 // </name>
    Text,                   // character data with its references, up to the next markup
    CData,                  // <![CDATA[...]]>
    Comment,                // <!--...-->
    ProcessingInstruction,  // <?target data?>
};

struct XmlAttribute {
    Span name;
    Span value;  // between the quotes, references as written
};

class XmlReader {
public:
    explicit XmlReader(std::string_view document);

    // Moves to the next token. False at the end of the document, and at the first
    // fault, after which Failed() is true and FaultAt() says where.
    bool Next();
    bool Failed() const { return failed_; }
    std::size_t FaultAt() const { return at_; }
    // Whether the only fault is that the text ended sound but with no element at all:
    // it held white space, a declaration, comments and instructions, or nothing.
    bool EndedWithoutElement() const { return failed_ && noElement_; }
    // Whether every line break read so far is CR LF.
    bool LineBreaksCrLf() const { return !loneLineBreak_; }

    XmlToken Kind() const { return kind_; }
    Span Whole() const { return whole_; }
    // The element's name (start and end tags) or the instruction's target.
    Span Name() const { return name_; }
    // A text run, or the body of a CDATA section, comment or instruction.
    Span Content() const { return content_; }
    // Of a start tag, in document order; of the declaration, its pseudo-attributes.
    const std::vector<XmlAttribute>& Attributes() const { return attributes_; }
    bool IsEmptyElement() const { return emptyElement_; }
    // The element's own level for tags (the root's is 1), the enclosing one's else.
    std::size_t Depth() const { return depth_; }
    // Of a start tag: the level of the outermost element whose namespace declaration
    // its names use, the default namespace's included; 0 when they use none.
    std::size_t OutermostBindingUsed() const { return outermostBinding_; }

private:
    bool Fail();
    bool Markup();
    bool TextRun();
    bool Reference();
    bool Declaration();
    bool ProcessingInstruction();
    bool StartTag();
    bool EndTag();
    bool AttributeValue(Span& value);
    bool UniqueAttributes();
    bool BindNamespaces();
    bool NamesBound();
    bool SkipPast(std::string_view closing);
    Span QualifiedName();
    void SkipSpace();
    bool At(std::string_view s) const;

    struct Binding {
        std::string_view prefix;
        std::string uri;
        std::size_t depth;  // of the element that declares it
        int previous;       // the binding of the same prefix it hides, -1 for none
    };

    std::string_view d_;
    std::size_t at_ = 0;
    bool failed_ = false;
    bool started_ = false;
    std::size_t bomLength_ = 0;
    bool rootSeen_ = false;
    bool noElement_ = false;
    bool loneLineBreak_ = false;

    XmlToken kind_ = XmlToken::Text;
    Span whole_;
    Span name_;
    Span content_;
    std::vector<XmlAttribute> attributes_;
    bool emptyElement_ = false;
    std::size_t depth_ = 0;
    std::size_t outermostBinding_ = 0;
    bool popPending_ = false;  // an empty element or end tag closes before the next token

    std::vector<Span> open_;                     // names of the open elements
    std::vector<std::size_t> bindingsAtOpen_;    // bindings_.size() when each opened
    std::vector<Binding> bindings_;
    std::unordered_map<std::string_view, int> boundPrefix_;  // to the newest binding
    std::unordered_set<std::string_view> seenNames_;         // a long tag's attributes
    std::unordered_set<std::string> seenExpanded_;
};

// White space as XML has it.
constexpr bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Whether a text is such a document: the label file the installer writes must be
// one, or Word reads none of its labels.
bool IsWellFormedXml(std::string_view document);

// Appends raw character data or an attribute value with its references resolved.
// In attribute values (asAttribute) TAB, CR and LF stand for a space, as XML says.
void AppendResolvedText(std::string_view raw, std::string& out, bool asAttribute = false);

// The 1-based line of a byte offset; CR LF, CR and LF each end a line.
std::size_t LineOfOffset(std::string_view text, std::size_t offset);

}  // namespace velkaris
