#include "text/xml_well_formed.h"

#include <gtest/gtest.h>

#include <string>

#include "xml/xml_parser.h"

namespace velkaris {
namespace {

using namespace std::string_literals;

// Each document is judged by expat too: the check must agree with a real parser.
void ExpectJudged(const std::string& document, bool wellFormed) {
    SCOPED_TRACE(document);
    EXPECT_EQ(xml::Parses(document), wellFormed) << "expat disagrees with the expectation";
    EXPECT_EQ(IsWellFormedXml(document), wellFormed);
}

TEST(IsWellFormedXml, AcceptsWhatWordAndUsersWrite) {
    for (const std::string& document : {
             "<vps/>"s,
             "<?xml version=\"1.0\"?><vps><a x=\"1\" y='2'>t</a></vps>\r\n"s,
             "<vps>\r\n\t<p a = \"&lt;&amp;&#65;&#x142;&quot;&apos;&gt;\">\xC5\xBC\xF0\x9D\x84\x9E</p>\r\n</vps>"s,
             "<?xml version=\"1.0\"?>\n<!-- note --><?pi data?><vps><![CDATA[<a>]]]]></vps><!--x-->\n"s,
             "<vps><a></a ><b/><c  /></vps>"s,
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
             "<1a/>"s, "< a/>"s, "<a/>&amp;"s,
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
         }) {
        ExpectJudged(document, false);
    }
}

}  // namespace
}  // namespace velkaris
