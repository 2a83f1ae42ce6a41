#include "text/xml_well_formed.h"

#include <cstddef>
#include <algorithm>
#include <cstdint>
#include <vector>

namespace velkaris {

namespace {

using Byte = unsigned char;

bool IsContinuation(Byte b) { return (b & 0xC0) == 0x80; }

// Strict UTF-8 (no overlong forms, surrogates or values past U+10FFFF) of the
// characters XML allows: no C0 controls but TAB, LF and CR, and no U+FFFE or U+FFFF.
bool IsXmlCharacterText(std::string_view text) {
    const auto* p = reinterpret_cast<const Byte*>(text.data());
    const Byte* const end = p + text.size();
    while (p < end) {
        // Label files are nearly all ASCII: a tight loop over it, then one sequence.
        while (p < end && *p >= 0x20 && *p < 0x80) ++p;
        if (p == end) break;
        const Byte b = *p;
        if (b < 0x80) {
            if (b != '\t' && b != '\n' && b != '\r') return false;
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
            return false;
        }
        if (static_cast<std::size_t>(end - p) < length || p[1] < low || p[1] > high) return false;
        for (std::size_t i = 2; i < length; ++i) {
            if (!IsContinuation(p[i])) return false;
        }
        if (b == 0xEF && p[1] == 0xBF && (p[2] == 0xBE || p[2] == 0xBF)) return false;
        p += length;
    }
    return true;
}

bool IsXmlCharacter(std::uint32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// ASCII names only, as Word writes them: which other letters a name may hold differs
// between the editions of XML and between parsers. A table, since every tag and
// attribute name of the file is read through it.
struct NameChars {
    bool start[256] = {};
    bool part[256] = {};
    constexpr NameChars() {
        for (int c = 0; c < 256; ++c) {
            start[c] = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' || c == ':';
            part[c] = start[c] || (c >= '0' && c <= '9') || c == '-' || c == '.';
        }
    }
};
constexpr NameChars NAME_CHARS;

bool IsNameStart(char c) { return NAME_CHARS.start[static_cast<Byte>(c)]; }
bool IsNameChar(char c) { return NAME_CHARS.part[static_cast<Byte>(c)]; }

// Walks the markup; the characters themselves were checked before.
class Scanner {
public:
    explicit Scanner(std::string_view document) : d_(document) {}

    bool Document() {
        while (at_ < d_.size()) {
            const bool ok = d_[at_] == '<'   ? Markup()
                            : d_[at_] == '&' ? !open_.empty() && Reference()
                                             : Text();
            if (!ok) return false;
        }
        return rootSeen_ && open_.empty();
    }

private:
    bool Next(std::string_view s) const { return d_.substr(at_, s.size()) == s; }
    void SkipSpace() {
        while (at_ < d_.size() && IsSpace(d_[at_])) ++at_;
    }

    std::string_view Name() {
        const std::size_t start = at_;
        if (at_ >= d_.size() || !IsNameStart(d_[at_])) return {};
        while (at_ < d_.size() && IsNameChar(d_[at_])) ++at_;
        return d_.substr(start, at_ - start);
    }

    bool Text() {
        // Two byte searches rather than one for either byte: text runs are long.
        std::size_t end = d_.find('<', at_);
        if (end == std::string_view::npos) end = d_.size();
        end = std::min(end, d_.substr(0, end).find('&', at_));
        const std::string_view run = d_.substr(at_, end - at_);
        at_ = end;
        if (open_.empty()) {
            for (char c : run) {
                if (!IsSpace(c)) return false;
            }
            return true;
        }
        return run.find("]]>") == std::string_view::npos;
    }

    // &lt; &gt; &amp; &apos; &quot; &#NNN; &#xHHH;
    bool Reference() {
        ++at_;
        if (at_ < d_.size() && d_[at_] == '#') {
            ++at_;
            const bool hex = at_ < d_.size() && d_[at_] == 'x';
            if (hex) ++at_;
            std::uint32_t value = 0;
            std::size_t digits = 0;
            for (; at_ < d_.size() && d_[at_] != ';'; ++at_, ++digits) {
                const char c = d_[at_];
                std::uint32_t digit = 0;
                if (c >= '0' && c <= '9') {
                    digit = static_cast<std::uint32_t>(c - '0');
                } else if (hex && ((c | 0x20) >= 'a' && (c | 0x20) <= 'f')) {
                    digit = static_cast<std::uint32_t>((c | 0x20) - 'a' + 10);
                } else {
                    return false;
                }
                value = value * (hex ? 16 : 10) + digit;
                if (value > 0x10FFFF) return false;
            }
            if (at_ >= d_.size() || digits == 0 || !IsXmlCharacter(value)) return false;
            ++at_;
            return true;
        }
        const std::string_view name = Name();
        if (at_ >= d_.size() || d_[at_] != ';') return false;
        ++at_;
        return name == "lt" || name == "gt" || name == "amp" || name == "apos" || name == "quot";
    }

    // Moves past the closing text; false when there is none.
    bool SkipPast(std::string_view closing) {
        const std::size_t end = d_.find(closing, at_);
        if (end == std::string_view::npos) return false;
        at_ = end + closing.size();
        return true;
    }

    bool Markup() {
        if (Next("<!--")) {
            const std::size_t start = at_ + 4;
            at_ = start;
            if (!SkipPast("-->")) return false;
            const std::string_view body = d_.substr(start, at_ - 3 - start);
            return body.find("--") == std::string_view::npos && (body.empty() || body.back() != '-');
        }
        if (Next("<![CDATA[")) {
            at_ += 9;
            return !open_.empty() && SkipPast("]]>");
        }
        if (Next("<?")) return ProcessingInstruction();
        if (Next("</")) return EndTag();
        if (Next("<!")) return false;  // a document type has no place in a label file
        return StartTag();
    }

    bool ProcessingInstruction() {
        const std::size_t start = at_;
        at_ += 2;
        const std::string_view target = Name();
        if (target.empty()) return false;
        const bool xml = target.size() == 3 && (target[0] | 0x20) == 'x' &&
                         (target[1] | 0x20) == 'm' && (target[2] | 0x20) == 'l';
        if (xml && start != 0) return false;
        if (!Next("?>") && (at_ >= d_.size() || !IsSpace(d_[at_]))) return false;
        return SkipPast("?>");
    }

    bool EndTag() {
        at_ += 2;
        const std::string_view name = Name();
        SkipSpace();
        if (name.empty() || at_ >= d_.size() || d_[at_] != '>') return false;
        ++at_;
        if (open_.empty() || open_.back() != name) return false;
        open_.pop_back();
        return true;
    }

    bool StartTag() {
        ++at_;
        if (open_.empty() && rootSeen_) return false;
        const std::string_view name = Name();
        if (name.empty()) return false;
        attributes_.clear();
        for (;;) {
            const std::size_t before = at_;
            SkipSpace();
            if (Next(">") || Next("/>")) break;
            if (at_ == before) return false;  // attributes stand apart
            const std::string_view attribute = Name();
            if (attribute.empty()) return false;
            for (std::string_view seen : attributes_) {
                if (seen == attribute) return false;
            }
            attributes_.push_back(attribute);
            SkipSpace();
            if (!Next("=")) return false;
            ++at_;
            SkipSpace();
            if (!AttributeValue()) return false;
        }
        rootSeen_ = true;
        if (Next("/>")) {
            at_ += 2;
        } else {
            ++at_;
            open_.push_back(name);
        }
        return true;
    }

    bool AttributeValue() {
        if (at_ >= d_.size() || (d_[at_] != '"' && d_[at_] != '\'')) return false;
        const char quote = d_[at_++];
        for (;;) {
            if (at_ >= d_.size() || d_[at_] == '<') return false;
            if (d_[at_] == quote) break;
            if (d_[at_] == '&') {
                if (!Reference()) return false;
            } else {
                ++at_;
            }
        }
        ++at_;
        return true;
    }

    std::string_view d_;
    std::size_t at_ = 0;
    std::vector<std::string_view> open_;
    std::vector<std::string_view> attributes_;  // of the current start tag, kept to spare allocations
    bool rootSeen_ = false;
};

}  // namespace

bool IsWellFormedXml(std::string_view document) {
    return IsXmlCharacterText(document) && Scanner(document).Document();
}

}  // namespace velkaris
