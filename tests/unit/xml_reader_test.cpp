#include "text/xml_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "xml/xml_parser.h"

namespace velkaris {
namespace {

using namespace std::string_literals;

// Each document is judged by expat too: the check must agree with a real parser.
void ExpectJudged(const std::string& document, bool wellFormed) {
    SCOPED_TRACE(document);
    EXPECT_EQ(xml::ParsesWithNamespaces(document), wellFormed) << "expat disagrees with the expectation";
    EXPECT_EQ(IsWellFormedXml(document), wellFormed);
}

TEST(IsWellFormedXml, AcceptsWhatWordAndUsersWrite) {
    for (const std::string& document : {
             "<vps/>"s,
             "<?xml version=\"1.0\"?><vps><a x=\"1\" y='2'>t</a></vps>\r\n"s,
             "<vps>\r\n\t<p a = \"&lt;&amp;&#65;&#x142;&quot;&apos;&gt;\">\xC5\xBC\xF0\x9D\x84\x9E</p>\r\n</vps>"s,
             "<?xml version=\"1.0\"?>\n<!-- note --><?pi data?><vps><![CDATA[<a>]]]]></vps><!--x-->\n"s,
             "<vps><a></a ><b/><c  /></vps>"s,
             "\xEF\xBB\xBF<?xml version = '1.0' encoding='UTF-8' standalone='no' ?><a/>"s,
             "<m:a xmlns:m='u' xmlns:n='v' m:x='1' n:y='2' x='3' xml:lang='pl'><n:b xmlns:n='w'/></m:a>"s,
             "<a xmlns='u'><b xmlns=''><c/></b><d/></a>"s,
         }) {
        ExpectJudged(document, true);
    }
}

TEST(IsWellFormedXml, RefusesBrokenStructure) {
    for (const std::string& document : {
             ""s, "  "s, "<a>"s, "</a>"s, "<a></b>"s, "<a><b></a></b>"s, "<a/><b/>"s,
             "<a></a>x"s, "<a x=\"1\" x=\"2\"/>"s, "<a x=\"1\"y=\"2\"/>"s, "<a x=1/>"s,
             "<a x=\"<\"/>"s, "<a>]]></a>"s, "<a><!-- -- --></a>"s, "<a><!-- x ---></a>"s,
             "<a><!-- x</a>"s, "<a><![CDATA[x</a>"s, "<![CDATA[x]]><a/>"s, "<a><?xml v?></a>"s,
             "<a><? x?></a>"s, "<a><!DOCTYPE a></a>"s, "<a>&nbsp;</a>"s, "<a>&#0;</a>"s,
             "<a>&#xD800;</a>"s, "<a>&#x110000;</a>"s, "<a>&amp</a>"s, "<a>&#;</a>"s,
             "<1a/>"s, "< a/>"s, "<a/>&amp;"s, " <?xml version='1.0'?><a/>"s,
             "<?xml encoding='utf-8'?><a/>"s, "<?xml version='1.0' standalone='maybe'?><a/>"s,
             "<a><?XmL x?></a>"s, "<a>&amp &#65;</a>"s,
             // namespaces: bound prefixes only, one colon, no attribute twice in one
             "<m:a/>"s, "<a p:x='1'/>"s, "<a xmlns:p=''/>"s, "<a xmlns:xmlns='u'/>"s,
             "<a xmlns:xml='u'/>"s, "<a:b:c xmlns:a='u'/>"s, "<a: xmlns:a='u'/>"s,
             "<a xmlns:p='u' xmlns:q='&#117;' p:x='1' q:x='2'/>"s, "<a><m:b/><b xmlns:m='u'/></a>"s,
         }) {
        ExpectJudged(document, false);
    }
}

TEST(IsWellFormedXml, RefusesADocumentTypeAndNamesOutsideAsciiThatAParserWouldTake) {
    // A document type's entities would not come along with the labels carried over;
    // which letters beyond ASCII a name may hold differs between parsers.
    for (const std::string& document :
         {"<!DOCTYPE a><a/>"s, "<a\xC5\x82/>"s, "<a \xC5\x82=\"1\"/>"s, "<a><?\xC5\x82?></a>"s}) {
        SCOPED_TRACE(document);
        EXPECT_TRUE(xml::Parses(document));
        EXPECT_FALSE(IsWellFormedXml(document));
    }
}

TEST(IsWellFormedXml, RefusesWhatIsNotUtf8OfXmlCharacters) {
    for (const std::string& document : {
             "<a>\xF3</a>"s,              // Latin-1 or Windows-1250 o-acute
             "<a>\xC3</a>"s,              // cut short
             "<a>\xC0\xAF</a>"s,          // overlong
             "<a>\xED\xA0\x80</a>"s,      // a surrogate
             "<a>\xF4\x90\x80\x80</a>"s,  // past U+10FFFF
             "<a>\xEF\xBF\xBE</a>"s,      // U+FFFE
             "<a>\x01</a>"s, "<a>\0</a>"s,
             // amid long runs
             "<a>abcdefgh\x1Fijklmnop</a>"s, "<a b='abcdefghijklm\x02nopqrstu'/>"s,
             "<a>abcdefgh\xF3ijklmnop</a>"s,
         }) {
        ExpectJudged(document, false);
    }
}

}  // namespace
}  // namespace velkaris

namespace velkaris {
namespace {

TEST(XmlReader, ReportsEachTokenWithItsBytes) {
    const std::string document = "<?xml version='1.0'?><a x=' 1'>t&amp;<![CDATA[c]]><!--n--><?p d?><b/></a>";
    std::vector<std::pair<XmlToken, std::string>> tokens;
    std::string attribute;
    std::string resolved;
    for (XmlReader reader(document); reader.Next();) {
        tokens.emplace_back(reader.Kind(), std::string(reader.Whole().Of(document)));
        if (reader.Kind() == XmlToken::Text) AppendResolvedText(reader.Content().Of(document), resolved);
        if (reader.Kind() == XmlToken::StartTag && !reader.Attributes().empty()) {
            attribute = reader.Attributes()[0].value.Of(document);
        }
    }
    const std::vector<std::pair<XmlToken, std::string>> expected = {
        {XmlToken::Declaration, "<?xml version='1.0'?>"}, {XmlToken::StartTag, "<a x=' 1'>"},
        {XmlToken::Text, "t&amp;"}, {XmlToken::CData, "<![CDATA[c]]>"}, {XmlToken::Comment, "<!--n-->"},
        {XmlToken::ProcessingInstruction, "<?p d?>"}, {XmlToken::StartTag, "<b/>"},
        {XmlToken::EndTag, "</a>"}};
    EXPECT_EQ(tokens, expected);
    EXPECT_EQ(attribute, " 1");
    EXPECT_EQ(resolved, "t&");
}

TEST(XmlReader, ChecksManyAttributesInLinearTime) {
    std::string document = "<a";
    for (int i = 0; i < 150000; ++i) document += " a" + std::to_string(i) + "='1'";
    EXPECT_TRUE(IsWellFormedXml(document + "/>"));
    EXPECT_FALSE(IsWellFormedXml(document + " a7='2'/>"));
}

}  // namespace
}  // namespace velkaris
