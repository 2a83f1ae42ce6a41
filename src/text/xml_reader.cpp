#include "text/xml_reader.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "text/utf8_utf16.h"

namespace velkaris {

namespace {

using Byte = unsigned char;

constexpr std::string_view XML_NAMESPACE = "http://www.w3.org/XML/1998/namespace";
constexpr std::string_view XMLNS_NAMESPACE = "http://www.w3.org/2000/xmlns/";
// Below this many attributes comparing each with the earlier ones beats hashing.
constexpr std::size_t FEW_ATTRIBUTES = 16;

bool IsContinuation(Byte b) { return (b & 0xC0) == 0x80; }

// Whether any of eight bytes is a control character or not ASCII: word-wide, as the
// characters of every token are checked.
bool AnyOutsidePrintableAscii(const Byte* p) {
    constexpr std::uint64_t ONES = 0x0101010101010101u;
    constexpr std::uint64_t HIGH = 0x8080808080808080u;
    std::uint64_t word = 0;
    std::memcpy(&word, p, sizeof word);
    // A byte below 0x20 borrows into its high bit when 0x20 is taken from it.
    return ((word | ((word - 0x20 * ONES) & ~word)) & HIGH) != 0;
}

// Where the text stops being strict UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF) of the characters XML allows: no C0 controls but TAB, LF and CR, and no
// U+FFFE or U+FFFF. npos when it never does. Notes a line break other than CR LF: a
// token never starts with the LF of a pair or ends with its CR.
std::size_t FirstNonXmlCharacter(std::string_view text, bool& loneLineBreak) {
    const auto* const begin = reinterpret_cast<const Byte*>(text.data());
    const Byte* p = begin;
    const Byte* const end = p + text.size();
    while (p < end) {
        // Label files are nearly all ASCII: a tight loop over it, then one sequence.
        while (end - p >= 8 && !AnyOutsidePrintableAscii(p)) p += 8;
        while (p < end && *p >= 0x20 && *p < 0x80) ++p;
        if (p == end) break;
        const Byte b = *p;
        const auto offset = static_cast<std::size_t>(p - begin);
        if (b < 0x80) {
            if (b != '\t' && b != '\n' && b != '\r') return offset;
            const bool pairedLf = b == '\n' && p != begin && p[-1] == '\r';
            const bool pairedCr = b == '\r' && end - p >= 2 && p[1] == '\n';
            if (b != '\t' && !pairedLf && !pairedCr) loneLineBreak = true;
            ++p;
            continue;
        }
        std::size_t length = 0;
        Byte low = 0x80;  // the range of the second byte
        Byte high = 0xBF;
        if (b >= 0xC2 && b <= 0xDF) {
            length = 2;
        } else if (b >= 0xE0 && b <= 0xEF) {
            length = 3;
            if (b == 0xE0) low = 0xA0;
            if (b == 0xED) high = 0x9F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            length = 4;
            if (b == 0xF0) low = 0x90;
            if (b == 0xF4) high = 0x8F;
        } else {
            return offset;
        }
        if (static_cast<std::size_t>(end - p) < length || p[1] < low || p[1] > high) return offset;
        for (std::size_t i = 2; i < length; ++i) {
            if (!IsContinuation(p[i])) return offset;
        }
        if (b == 0xEF && p[1] == 0xBF && (p[2] == 0xBE || p[2] == 0xBF)) return offset;
        p += length;
    }
    return std::string_view::npos;
}

bool IsXmlCharacter(std::uint32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// ASCII names only, as Word writes them: which other letters a name may hold differs
// between the editions of XML and between parsers. A table, since every tag and
// attribute name of the file is read through it. The colon is the namespace
// separator, checked apart.
struct NameChars {
    bool start[256] = {};
    bool part[256] = {};
    constexpr NameChars() {
        for (int c = 0; c < 256; ++c) {
            start[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_';
            part[c] = start[c] || (c >= '0' && c <= '9') || c == '-' || c == '.';
        }
    }
};
constexpr NameChars NAME_CHARS;

bool IsNameStart(char c) { return NAME_CHARS.start[static_cast<Byte>(c)]; }
bool IsNameChar(char c) { return NAME_CHARS.part[static_cast<Byte>(c)]; }

// The value of a character reference's digits; 0 (no XML character) when malformed.
std::uint32_t CharacterReference(std::string_view digits) {
    const bool hex = !digits.empty() && digits[0] == 'x';
    if (hex) digits.remove_prefix(1);
    if (digits.empty()) return 0;
    std::uint32_t value = 0;
    for (const char c : digits) {
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<std::uint32_t>(c - '0');
        } else if (hex && (c | 0x20) >= 'a' && (c | 0x20) <= 'f') {
            digit = static_cast<std::uint32_t>((c | 0x20) - 'a' + 10);
        } else {
            return 0;
        }
        value = value * (hex ? 16 : 10) + digit;
        if (value > 0x10FFFF) return 0;
    }
    return value;
}

std::string_view PrefixOf(std::string_view qualified) {
    const std::size_t colon = qualified.find(':');
    return colon == std::string_view::npos ? std::string_view() : qualified.substr(0, colon);
}

std::string_view LocalOf(std::string_view qualified) {
    const std::size_t colon = qualified.find(':');
    return colon == std::string_view::npos ? qualified : qualified.substr(colon + 1);
}

bool IsEncodingName(std::string_view name) {
    if (name.empty() || !((name[0] | 0x20) >= 'a' && (name[0] | 0x20) <= 'z')) return false;
    return std::all_of(name.begin(), name.end(), [](char c) {
        return IsNameChar(c) && c != ':';
    });
}

}  // namespace

void AppendResolvedText(std::string_view raw, std::string& out, bool asAttribute) {
    for (std::size_t at = 0; at < raw.size();) {
        const char c = raw[at];
        if (c != '&') {
            out += asAttribute && (c == '\t' || c == '\r' || c == '\n') ? ' ' : c;
            // A CR LF pair is one line break, as is a CR alone.
            if (asAttribute && c == '\r' && at + 1 < raw.size() && raw[at + 1] == '\n') ++at;
            ++at;
            continue;
        }
        const std::size_t semicolon = raw.find(';', at);
        const std::string_view name = raw.substr(at + 1, semicolon - at - 1);
        if (!name.empty() && name[0] == '#') {
            AppendUtf8(out, CharacterReference(name.substr(1)));
        } else {
            out += name == "lt" ? '<' : name == "gt" ? '>' : name == "amp" ? '&' : name == "apos" ? '\'' : '"';
        }
        at = semicolon + 1;
    }
}

std::size_t LineOfOffset(std::string_view text, std::size_t offset) {
    std::size_t line = 1;
    const std::size_t end = std::min(offset, text.size());
    for (std::size_t at = 0; at < end; ++at) {
        if (text[at] == '\n' || (text[at] == '\r' && (at + 1 >= text.size() || text[at + 1] != '\n'))) {
            ++line;
        }
    }
    return line;
}

bool IsWellFormedXml(std::string_view document) {
    XmlReader reader(document);
    while (reader.Next()) {
    }
    return !reader.Failed();
}

XmlReader::XmlReader(std::string_view document) : d_(document) {}

bool XmlReader::Fail() {
    failed_ = true;
    return false;
}

bool XmlReader::Next() {
    if (failed_) return false;
    if (!started_) {
        started_ = true;
        // A byte-order mark is no text.
        if (d_.substr(0, 3) == "\xEF\xBB\xBF") bomLength_ = at_ = 3;
    }
    if (popPending_) {
        popPending_ = false;
        open_.pop_back();
        const std::size_t keep = bindingsAtOpen_.back();
        bindingsAtOpen_.pop_back();
        for (; bindings_.size() > keep; bindings_.pop_back()) {
            const Binding& binding = bindings_.back();
            if (binding.previous < 0) {
                boundPrefix_.erase(binding.prefix);
            } else {
                boundPrefix_[binding.prefix] = binding.previous;
            }
        }
    }
    if (at_ >= d_.size()) {
        // The end: one root element, every element closed.
        noElement_ = !rootSeen_;
        if (!rootSeen_ || !open_.empty()) return Fail();
        return false;
    }
    const std::size_t start = at_;
    attributes_.clear();
    emptyElement_ = false;
    name_ = content_ = Span{};
    depth_ = open_.size();
    const bool ok = d_[at_] == '<' ? Markup() : TextRun();
    if (!ok) return Fail();
    // The characters of each token, once it is read.
    const std::size_t bad = FirstNonXmlCharacter(d_.substr(start, at_ - start), loneLineBreak_);
    if (bad != std::string_view::npos) {
        at_ = start + bad;
        return Fail();
    }
    whole_ = Span{start, at_};
    return true;
}

// Called for every piece of markup: no bounds exception to prepare, no call to compare.
inline bool XmlReader::At(std::string_view s) const {
    return d_.size() - at_ >= s.size() && std::memcmp(d_.data() + at_, s.data(), s.size()) == 0;
}

void XmlReader::SkipSpace() {
    while (at_ < d_.size() && IsXmlSpace(d_[at_])) ++at_;
}

// A name with at most one colon, which stands between two parts; empty when none.
Span XmlReader::QualifiedName() {
    const std::size_t start = at_;
    for (int part = 0; part < 2; ++part) {
        if (at_ >= d_.size() || !IsNameStart(d_[at_])) return Span{};
        while (at_ < d_.size() && IsNameChar(d_[at_])) ++at_;
        if (at_ >= d_.size() || d_[at_] != ':' || part == 1) break;
        ++at_;
    }
    if (at_ < d_.size() && d_[at_] == ':') return Span{};
    return Span{start, at_};
}

bool XmlReader::TextRun() {
    kind_ = XmlToken::Text;
    const std::size_t start = at_;
    const std::size_t end = std::min(d_.find('<', at_), d_.size());
    while (at_ < end) {
        const std::size_t amp = std::min(d_.substr(0, end).find('&', at_), end);
        const std::string_view run = d_.substr(at_, amp - at_);
        if (open_.empty()) {
            // Outside the root only white space may stand.
            if (!std::all_of(run.begin(), run.end(), IsXmlSpace)) return false;
        } else if (run.find("]]>") != std::string_view::npos) {
            return false;
        }
        at_ = amp;
        if (at_ < end && (open_.empty() || !Reference())) return false;
    }
    content_ = Span{start, at_};
    return true;
}

// &lt; &gt; &amp; &apos; &quot; &#NNN; &#xHHH;
bool XmlReader::Reference() {
    // Only name characters stand between "&" and ";": a stray "&" costs no search.
    std::size_t end = at_ + 1;
    while (end < d_.size() && (IsNameChar(d_[end]) || d_[end] == '#')) ++end;
    if (end >= d_.size() || d_[end] != ';') return false;
    const std::string_view name = d_.substr(at_ + 1, end - at_ - 1);
    at_ = end + 1;
    if (!name.empty() && name[0] == '#') return IsXmlCharacter(CharacterReference(name.substr(1)));
    return name == "lt" || name == "gt" || name == "amp" || name == "apos" || name == "quot";
}

bool XmlReader::SkipPast(std::string_view closing) {
    const std::size_t end = d_.find(closing, at_);
    if (end == std::string_view::npos) return false;
    content_ = Span{at_, end};
    at_ = end + closing.size();
    return true;
}

bool XmlReader::Markup() {
    if (At("<!--")) {
        kind_ = XmlToken::Comment;
        at_ += 4;
        if (!SkipPast("-->")) return false;
        const std::string_view body = content_.Of(d_);
        return body.find("--") == std::string_view::npos && (body.empty() || body.back() != '-');
    }
    if (At("<![CDATA[")) {
        kind_ = XmlToken::CData;
        at_ += 9;
        return !open_.empty() && SkipPast("]]>");
    }
    if (At("<?")) return ProcessingInstruction();
    if (At("</")) return EndTag();
    if (At("<!")) return false;  // a document type has no place in a label file
    return StartTag();
}

bool XmlReader::ProcessingInstruction() {
    const std::size_t start = at_;
    at_ += 2;
    name_ = QualifiedName();
    const std::string_view target = name_.Of(d_);
    if (target.empty() || target.find(':') != std::string_view::npos) return false;
    const bool xml = target.size() == 3 && (target[0] | 0x20) == 'x' &&
                     (target[1] | 0x20) == 'm' && (target[2] | 0x20) == 'l';
    if (xml) return start == bomLength_ && target == "xml" && Declaration();
    kind_ = XmlToken::ProcessingInstruction;
    if (!At("?>") && (at_ >= d_.size() || !IsXmlSpace(d_[at_]))) return false;
    SkipSpace();
    return SkipPast("?>");
}

// version, then optionally encoding, then optionally standalone, in that order.
bool XmlReader::Declaration() {
    kind_ = XmlToken::Declaration;
    static constexpr std::string_view PSEUDO[] = {"version", "encoding", "standalone"};
    std::size_t next = 0;
    for (;;) {
        const std::size_t before = at_;
        SkipSpace();
        if (At("?>")) break;
        if (at_ == before) return false;
        const std::size_t nameStart = at_;
        while (at_ < d_.size() && IsNameChar(d_[at_])) ++at_;
        const Span name{nameStart, at_};
        while (next < 3 && name.Of(d_) != PSEUDO[next]) {
            if (next == 0) return false;  // the version comes first, always
            ++next;
        }
        if (next == 3) return false;
        SkipSpace();
        if (!At("=")) return false;
        ++at_;
        SkipSpace();
        if (at_ >= d_.size() || (d_[at_] != '"' && d_[at_] != '\'')) return false;
        const char quote = d_[at_++];
        const std::size_t close = d_.find(quote, at_);
        if (close == std::string_view::npos) return false;
        const Span value{at_, close};
        const std::string_view text = value.Of(d_);
        at_ = close + 1;
        if (next == 0 && !std::all_of(text.begin(), text.end(), IsNameChar)) return false;
        if (next == 1 && !IsEncodingName(text)) return false;
        if (next == 2 && text != "yes" && text != "no") return false;
        attributes_.push_back(XmlAttribute{name, value});
        ++next;
    }
    at_ += 2;
    return !attributes_.empty();
}

bool XmlReader::EndTag() {
    kind_ = XmlToken::EndTag;
    at_ += 2;
    name_ = QualifiedName();
    SkipSpace();
    if (name_.size() == 0 || at_ >= d_.size() || d_[at_] != '>') return false;
    ++at_;
    if (open_.empty() || open_.back().Of(d_) != name_.Of(d_)) return false;
    popPending_ = true;
    return true;
}

bool XmlReader::StartTag() {
    kind_ = XmlToken::StartTag;
    ++at_;
    if (open_.empty() && rootSeen_) return false;
    rootSeen_ = true;
    name_ = QualifiedName();
    if (name_.size() == 0) return false;
    // Word's own files use no namespaces: their tags skip the namespace checks.
    bool namespaced = !bindings_.empty() || name_.Of(d_).find(':') != std::string_view::npos;
    for (;;) {
        const std::size_t before = at_;
        SkipSpace();
        if (At(">") || At("/>")) break;
        if (at_ == before) return false;  // attributes stand apart
        XmlAttribute attribute;
        attribute.name = QualifiedName();
        if (attribute.name.size() == 0) return false;
        const std::string_view name = attribute.name.Of(d_);
        namespaced = namespaced || name.find(':') != std::string_view::npos || name == "xmlns";
        SkipSpace();
        if (!At("=")) return false;
        ++at_;
        SkipSpace();
        if (!AttributeValue(attribute.value)) return false;
        attributes_.push_back(attribute);
    }
    emptyElement_ = At("/>");
    at_ += emptyElement_ ? 2 : 1;
    open_.push_back(name_);
    bindingsAtOpen_.push_back(bindings_.size());
    depth_ = open_.size();
    popPending_ = emptyElement_;
    outermostBinding_ = 0;
    return UniqueAttributes() && (!namespaced || (BindNamespaces() && NamesBound()));
}

bool XmlReader::AttributeValue(Span& value) {
    if (at_ >= d_.size() || (d_[at_] != '"' && d_[at_] != '\'')) return false;
    const char quote = d_[at_++];
    const std::size_t start = at_;
    for (;;) {
        if (at_ >= d_.size() || d_[at_] == '<') return false;
        if (d_[at_] == quote) break;
        if (d_[at_] == '&') {
            if (!Reference()) return false;
        } else {
            ++at_;
        }
    }
    value = Span{start, at_};
    ++at_;
    return true;
}

// Hashed for long tags, so that an element with a great many attributes costs no
// more than other text of its size.
bool XmlReader::UniqueAttributes() {
    if (attributes_.size() <= FEW_ATTRIBUTES) {
        // Names are compared only where their length and last letter meet: most tags
        // then cost no comparison at all.
        std::uint64_t seen = 0;
        bool alike = false;
        for (const XmlAttribute& attribute : attributes_) {
            const std::string_view name = attribute.name.Of(d_);
            const std::size_t slot = (name.size() * 7 + static_cast<Byte>(name.back())) % 64;
            const std::uint64_t bit = std::uint64_t{1} << slot;
            alike = alike || (seen & bit) != 0;
            seen |= bit;
        }
        for (std::size_t i = 1; alike && i < attributes_.size(); ++i) {
            for (std::size_t j = 0; j < i; ++j) {
                if (attributes_[i].name.Of(d_) == attributes_[j].name.Of(d_)) return false;
            }
        }
        return true;
    }
    seenNames_.clear();
    for (const XmlAttribute& attribute : attributes_) {
        if (!seenNames_.insert(attribute.name.Of(d_)).second) return false;
    }
    return true;
}

// xmlns="uri" and xmlns:prefix="uri" bind for the element and all inside it.
bool XmlReader::BindNamespaces() {
    for (const XmlAttribute& attribute : attributes_) {
        const std::string_view name = attribute.name.Of(d_);
        const bool isDefault = name == "xmlns";
        if (!isDefault && PrefixOf(name) != "xmlns") continue;
        const std::string_view prefix = isDefault ? std::string_view() : LocalOf(name);
        std::string uri;
        AppendResolvedText(attribute.value.Of(d_), uri, true);
        if (prefix == "xmlns") return false;
        if ((prefix == "xml") != (uri == XML_NAMESPACE)) return false;
        if (uri == XMLNS_NAMESPACE) return false;
        // An empty default binding undeclares an outer one; XML 1.0 cannot undeclare a prefix.
        if (uri.empty() && !isDefault) return false;
        const auto found = boundPrefix_.find(prefix);
        const int previous = found == boundPrefix_.end() ? -1 : found->second;
        bindings_.push_back(Binding{prefix, std::move(uri), open_.size(), previous});
        boundPrefix_[prefix] = static_cast<int>(bindings_.size() - 1);
    }
    return true;
}

// Every prefix used is bound, and no two attributes are one name in one namespace.
bool XmlReader::NamesBound() {
    // The element's name without a prefix is in the default namespace, if one is bound.
    const auto bound = [this](std::string_view prefix) {
        if (prefix == "xml") return true;
        const auto found = boundPrefix_.find(prefix);
        if (found == boundPrefix_.end()) return prefix.empty();
        const Binding& binding = bindings_[static_cast<std::size_t>(found->second)];
        if (binding.uri.empty()) return true;  // the default undeclared
        if (outermostBinding_ == 0 || binding.depth < outermostBinding_) {
            outermostBinding_ = binding.depth;
        }
        return true;
    };
    if (!bound(PrefixOf(name_.Of(d_)))) return false;
    std::size_t prefixed = 0;
    for (const XmlAttribute& attribute : attributes_) {
        const std::string_view name = attribute.name.Of(d_);
        const std::string_view prefix = PrefixOf(name);
        if (prefix.empty() || prefix == "xmlns") continue;
        if (!bound(prefix)) return false;
        ++prefixed;
    }
    if (prefixed < 2) return true;
    seenExpanded_.clear();
    for (const XmlAttribute& attribute : attributes_) {
        const std::string_view name = attribute.name.Of(d_);
        const std::string_view prefix = PrefixOf(name);
        if (prefix.empty() || prefix == "xmlns") continue;
        std::string expanded = prefix == "xml" ? std::string(XML_NAMESPACE)
                                               : bindings_[static_cast<std::size_t>(
                                                     boundPrefix_[prefix])].uri;
        expanded += '\0';
        expanded += LocalOf(name);
        if (!seenExpanded_.insert(std::move(expanded)).second) return false;
    }
    return true;
}

}  // namespace velkaris
