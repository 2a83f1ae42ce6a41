#include "label_file/label_file_install.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "fake/fake_platform.h"
#include "fake/windows_numbers.h"
#include "platform/win_values.h"
#include "text/errors.h"
#include "unit/label_file_test_support.h"
#include "xml/xml_parser.h"

namespace velkaris {
namespace {

using namespace std::string_literals;
using namespace label_file_testing;
using Lines = std::vector<std::string>;

const std::string TEMPORARY_PATH = std::string(LABEL_FILE_PATH) + ".new";
const char* const NAMESPACE_OUTSIDE = "Its labels use an XML namespace declared outside them";

// The first line of the pack as it reads after renumbering, written out in full.
std::string FirstPackLine(int id) {
    return "\t<product units=\"emu\" productID=\"" + std::to_string(id) +
           "\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" "
           "fold=\"none\">\t";
}

class InstallLabelFileTest : public ::testing::Test {
protected:
    // Installs and returns the saved file's bytes.
    std::string Install() {
        InstallLabelFile(platform, APP_DATA_FOLDER);
        CheckNoLeftovers();
        const std::string saved = platform.files.ReadFileBytes(LABEL_FILE_PATH);
        EXPECT_EQ(xml::ParseError(saved, true), "");  // a file Word can read, prefixes bound
        return saved;
    }

    std::string InstallOver(const std::string& oldBytes) {
        platform.files.WriteFileBytes(LABEL_FILE_PATH, oldBytes);
        return Install();
    }

    void CheckNoLeftovers() {
        EXPECT_FALSE(platform.files.Exists(TEMPORARY_PATH));
        EXPECT_EQ(platform.files.OpenFileCount(), 0u);
        EXPECT_TRUE(platform.misuse.empty());
    }

    // A file whose labels could not all be carried over is refused and kept.
    void ExpectRefusedAndKept(const std::string& oldBytes, const std::string& reason) {
        platform.files.WriteFileBytes(LABEL_FILE_PATH, oldBytes);
        try {
            InstallLabelFile(platform, APP_DATA_FOLDER);
            ADD_FAILURE() << "the file was rewritten";
        } catch (const EFOpenError& error) {
            EXPECT_EQ(error.Message(),
                      "Cannot open file \"" + std::string(LABEL_FILE_PATH) + "\". " + reason);
        }
        CheckUntouched(oldBytes);
    }

    // After a failure: the old bytes in place, nothing else in the folder.
    void CheckUntouched(const std::string& oldBytes) {
        CheckNoLeftovers();
        EXPECT_EQ(platform.files.ReadFileBytes(LABEL_FILE_PATH), oldBytes);
        EXPECT_EQ(platform.files.ListFolder(std::string(APP_DATA_FOLDER) + "\\Microsoft\\Office"),
                  Lines{"pg_custom.xml"});
    }

    fake::FakePlatform platform;
};

// --- a first install ------------------------------------------------------------------

TEST_F(InstallLabelFileTest, WritesHeaderPackAndFooterWhenThereIsNoFile) {
    const std::string saved = Install();
    EXPECT_EQ(saved, Crlf(Concat({{HEADER_LINE}, PackLines(1), {FOOTER_LINE}})));

    const Lines lines = LinesOf(saved);
    ASSERT_EQ(lines.size(), 135u);
    EXPECT_EQ(saved.substr(0, 5), "<?xml");  // no byte-order mark
    EXPECT_EQ(lines[0], HEADER_LINE);
    EXPECT_EQ(lines[1], FirstPackLine(1));
    EXPECT_EQ(lines[2], "\t<prodName nameGroup=\"custom\"><locName locale=\"all\">Velkaris     "
                        "L-01</locName></prodName>\t");
    EXPECT_EQ(lines[8], "\t\t");
    EXPECT_EQ(lines[133], "\t</sheet></product>\t");
    EXPECT_EQ(lines[134], FOOTER_LINE);
    EXPECT_EQ(ProductIds(saved), IdRange(1, 17));
}

TEST_F(InstallLabelFileTest, CreatesAMissingMicrosoftOfficeFolder) {
    ASSERT_FALSE(platform.files.Exists(std::string(APP_DATA_FOLDER) + "\\Microsoft"));
    Install();
    EXPECT_TRUE(platform.files.IsFolder(std::string(APP_DATA_FOLDER) + "\\Microsoft\\Office"));
}

TEST_F(InstallLabelFileTest, CreatesAMissingOfficeFolderBesideOtherMicrosoftFolders) {
    platform.files.AddFolder(std::string(APP_DATA_FOLDER) + "\\Microsoft\\Word");
    EXPECT_EQ(Install(), Crlf(Concat({{HEADER_LINE}, PackLines(1), {FOOTER_LINE}})));
}

TEST_F(InstallLabelFileTest, WritesAPathOfExactly255Characters) {
    // 255 UTF-16 units, as Windows counts them, whatever their letters.
    for (const char* letter : {"b", "Л"}) {
        std::string folder = "C:\\" + std::string(100, 'a') + "\\";
        for (int i = 0; i < 120; ++i) folder += letter;
        const std::string path = folder + "\\Microsoft\\Office\\pg_custom.xml";
        platform.files.AddFolder(folder);
        InstallLabelFile(platform, folder);
        EXPECT_EQ(platform.files.ReadFileBytes(path),
                  Crlf(Concat({{HEADER_LINE}, PackLines(1), {FOOTER_LINE}})));
    }
}

// --- merging with the user's products -------------------------------------------------

TEST_F(InstallLabelFileTest, PutsTheUsersProductsFirstAndNumbersThePackAfterThem) {
    const std::string saved = InstallOver(WordFile(OwnProducts(5)));
    EXPECT_EQ(saved, Crlf(Concat({{HEADER_LINE}, OwnProducts(5), EmptyLines(2), PackLines(6),
                                  {FOOTER_LINE}})));

    const Lines lines = LinesOf(saved);
    ASSERT_EQ(lines.size(), 1u + 10 + 2 + 133 + 1);
    EXPECT_EQ(lines[1].substr(0, 50), "<product units=\"emu\" productID=\"1\" layoutGroup=\"al");
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(lines[13], FirstPackLine(6));
    EXPECT_EQ(ProductIds(saved), IdRange(1, 22));
}

TEST_F(InstallLabelFileTest, RenumbersTheUsersOwnIdsFromOne) {
    std::string file = WordFile(OwnProducts(3));
    file.replace(file.find("productID=\"2\""), 13, "productID=\"40\"");
    file.replace(file.find("productID=\"3\""), 13, "productID=\"\"");
    const std::string saved = InstallOver(file);
    EXPECT_EQ(saved, Crlf(Concat({{HEADER_LINE}, OwnProducts(3), EmptyLines(2), PackLines(4),
                                  {FOOTER_LINE}})));
    EXPECT_EQ(ProductIds(saved), IdRange(1, 20));
}

TEST_F(InstallLabelFileTest, RefusesAFileWhoseSecondVendorSetHoldsProductsToo) {
    const std::string file = "<vps><vendorProductSets>\r\n<vendorProductSet vendor=\"A\">\r\n" +
                             Crlf(OwnProducts(2)) +
                             "</vendorProductSet>\r\n<vendorProductSet vendor=\"B\">\r\n"
                             "<product units=\"emu\" productID=\"1\">B</product>\r\n"
                             "</vendorProductSet></vendorProductSets></vps>\r\n";
    ExpectRefusedAndKept(file, "Not all of the labels it holds could be read");
}

TEST_F(InstallLabelFileTest, RefusesAFileWhoseEmuProductsAreOnlyInTheSecondVendorSet) {
    const std::string file = "<vps><vendorProductSets>\r\n<vendorProductSet vendor=\"A\">\r\n"
                             "</vendorProductSet>\r\n<vendorProductSet vendor=\"B\">\r\n"
                             "<product units=\"emu\" productID=\"2\">B</product>\r\n"
                             "</vendorProductSet></vendorProductSets></vps>\r\n";
    ExpectRefusedAndKept(file, "Not all of the labels it holds could be read");
}

// --- line ends and encodings ------------------------------------------------------------

TEST_F(InstallLabelFileTest, WritesEveryLineBreakAsCrLf) {
    const std::string expected = Crlf(Concat(
        {{HEADER_LINE}, OwnProducts(5), EmptyLines(2), PackLines(6), {FOOTER_LINE}}));
    for (const char* lineEnd : {"\r\n", "\n", "\r"}) {
        SCOPED_TRACE(lineEnd[1] == '\n' ? "CR LF" : lineEnd[0] == '\n' ? "LF" : "CR");
        EXPECT_EQ(InstallOver(WordFile(OwnProducts(5), lineEnd)), expected);
    }
}

TEST_F(InstallLabelFileTest, ReadsAUtf16FileWithByteOrderMark) {
    EXPECT_EQ(InstallOver(Utf16Le(WordFile(OwnProducts(5)))),
              Crlf(Concat({{HEADER_LINE}, OwnProducts(5), EmptyLines(2), PackLines(6),
                           {FOOTER_LINE}})));
}

TEST_F(InstallLabelFileTest, ReadsAUtf16FileOfOddLength) {
    EXPECT_EQ(InstallOver(Utf16Le(WordFile(OwnProducts(5))) + "\n"),
              Crlf(Concat({{HEADER_LINE}, OwnProducts(5), EmptyLines(2), PackLines(6),
                           {FOOTER_LINE}})));
}

TEST_F(InstallLabelFileTest, TakesAUtf8FileByteForByteAndDropsItsByteOrderMark) {
    // The mark stands before the first product, so it is not part of what is kept;
    // the UTF-8 bytes inside a product are kept unchanged.
    Lines own = OwnProducts(2);
    own[0].replace(own[0].find("Moje"), 4, "Mo\xC5\xBC" "e");
    EXPECT_EQ(InstallOver("\xEF\xBB\xBF" + WordFile(own)),
              Crlf(Concat({{HEADER_LINE}, own, EmptyLines(2), PackLines(3), {FOOTER_LINE}})));
}

// --- Polish names, and every other character --------------------------------------------

// Every Polish letter, small and capital, and a character beyond 16 bits (U+1D11E).
const std::string POLISH_NAME =
    "\xC4\x85\xC4\x87\xC4\x99\xC5\x82\xC5\x84\xC3\xB3\xC5\x9B\xC5\xBA\xC5\xBC "
    "\xC4\x84\xC4\x86\xC4\x98\xC5\x81\xC5\x83\xC3\x93\xC5\x9A\xC5\xB9\xC5\xBB "
    "\xF0\x9D\x84\x9E";

Lines ProductsNamed(const std::vector<std::string>& names) {
    Lines own = OwnProducts(static_cast<int>(names.size()));
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string& line = own[2 * i];
        line.replace(line.find("Moje etykiety"), 13 + std::to_string(i + 1).size(), names[i]);
    }
    return own;
}

TEST_F(InstallLabelFileTest, CarriesEveryCharacterOfAUtf16FileOverAsUtf8) {
    const Lines own = ProductsNamed({"Koperty ma\xC5\x82" "e", "Etykieta \xC5\xBC\xC3\xB3\xC5\x82ta",
                                     "Zeszyt \xC3\xB3", POLISH_NAME});
    const std::string expected =
        Crlf(Concat({{HEADER_LINE}, own, EmptyLines(2), PackLines(5), {FOOTER_LINE}}));
    EXPECT_EQ(InstallOver(Utf16Le(WordFile(own))), expected);
    EXPECT_EQ(InstallOver(Utf16Le(WordFile(own)) + "\n"), expected);  // odd length
}

TEST_F(InstallLabelFileTest, KeepsAUtf16CharacterWhoseLowByteIsZero) {
    // U+0100 and U+0400 once read as NUL, which ended the text.
    const Lines own = ProductsNamed({"\xC4\x80 \xD0\x80", "after"});
    EXPECT_EQ(InstallOver(Utf16Le(WordFile(own))),
              Crlf(Concat({{HEADER_LINE}, own, EmptyLines(2), PackLines(3), {FOOTER_LINE}})));
}

TEST_F(InstallLabelFileTest, ASecondRunLeavesTheFileWithItsNamesByteForByte) {
    InstallOver(Utf16Le(WordFile(ProductsNamed({POLISH_NAME}))));
    const std::string first = platform.files.ReadFileBytes(LABEL_FILE_PATH);
    EXPECT_NE(first.find(POLISH_NAME), std::string::npos);
    const LabelFileResult again = InstallLabelFile(platform, APP_DATA_FOLDER);
    EXPECT_TRUE(again.unchanged);
    EXPECT_EQ(again.packLabelsAdded, 0);
    EXPECT_EQ(platform.files.ReadFileBytes(LABEL_FILE_PATH), first);
    CheckNoLeftovers();
}

TEST_F(InstallLabelFileTest, RefusesAUtf16FileWithASurrogateWithoutItsPair) {
    const std::string good = Utf16Le(WordFile(ProductsNamed({"x\xF0\x9D\x84\x9Ey"})));
    const std::size_t high = good.find("\x34\xD8");
    ASSERT_NE(high, std::string::npos);
    const std::string reason = "It holds a broken UTF-16 character (a surrogate without its pair)";
    ExpectRefusedAndKept(good.substr(0, high) + good.substr(high + 2), reason);  // low alone
    ExpectRefusedAndKept(good.substr(0, high + 2) + good.substr(high + 4), reason);  // high alone
    ExpectRefusedAndKept(good + "\x34\xD8" + "A", reason);  // high, then a lone last byte
}

TEST_F(InstallLabelFileTest, KeepsPolishNamesOfAUtf8FileByteForByte) {
    const Lines own = ProductsNamed({POLISH_NAME, "Koperty ma\xC5\x82" "e"});
    const std::string expected =
        Crlf(Concat({{HEADER_LINE}, own, EmptyLines(2), PackLines(3), {FOOTER_LINE}}));
    EXPECT_EQ(InstallOver(WordFile(own)), expected);
    EXPECT_EQ(InstallOver("\xEF\xBB\xBF" + WordFile(own)), expected);
}

TEST_F(InstallLabelFileTest, CarriesOverAFileInEveryEncodingXmlAllows) {
    const Lines own = ProductsNamed({POLISH_NAME, "Koperty ma\xC5\x82" "e"});
    const std::string expected =
        Crlf(Concat({{HEADER_LINE}, own, EmptyLines(2), PackLines(3), {FOOTER_LINE}}));
    for (const FileEncoding encoding : {FileEncoding::Utf16Le, FileEncoding::Utf16Be,
                                        FileEncoding::Utf32Le, FileEncoding::Utf32Be}) {
        for (const bool withoutMark : {false, true}) {
            EXPECT_EQ(InstallOver(Encoded(WordFile(own), encoding, withoutMark)), expected)
                << static_cast<int>(encoding) << (withoutMark ? " without its mark" : "");
        }
    }
}

TEST_F(InstallLabelFileTest, RefusesAFileInAnEncodingItCannotRead) {
    const std::string file = WordFile(OwnProducts(2));
    const std::string utf16 = Encoded(file, FileEncoding::Utf16Be);
    const std::string utf32 = Encoded(file, FileEncoding::Utf32Le, true);
    const std::string dropped = "Not all of the labels it holds could be read";
    const std::string unknown = "It is in a text encoding that could not be recognised";
    const std::string cut = "It ends in the middle of a character";
    const std::pair<std::string, std::string> cases[] = {
        {"\xEF\xBB\xBF" + Encoded(file, FileEncoding::Utf16Le, true), dropped},
        {Encoded(file.substr(file.find("<vps>")), FileEncoding::Utf16Le, true), dropped},
        {"\x4C\x6F\xA7\x94" + file.substr(4), unknown},  // EBCDIC
        {"\x00\x00\xFF\xFE"s + utf32, unknown},            // UCS-4 in octet order 2143
        {utf16 + "\n", cut},
        {Encoded(file, FileEncoding::Utf16Le, true) + "\n", cut},
        {utf32.substr(0, utf32.size() - 1), cut},
        {utf32 + "\x00\x00\x11\x00"s, "It holds a broken UTF-32 character (a surrogate or past U+10FFFF)"},
    };
    for (const auto& [bytes, reason] : cases) ExpectRefusedAndKept(bytes, reason);
}

// --- never a file Word cannot read ---------------------------------------------------------

// --- the file as an XML parser reads it ------------------------------------------------

// What becomes of a file: refused and kept, its message starting with the reason, or
// merged with these lines kept before the pack, whose ids start at packFrom.
struct Verdict {
    std::string refusal;
    Lines kept;
    int packFrom = 0;
};
Verdict Refused(std::string reason) { return {std::move(reason), {}, 0}; }
Verdict Kept(Lines kept, int packFrom) { return {"", std::move(kept), packFrom}; }

std::string Declaring(const std::string& encoding, const std::string& file) {
    return "<?xml version=\"1.0\" encoding=\"" + encoding + "\"?>" + file.substr(21);
}

TEST_F(InstallLabelFileTest, TakesWhatAParserReadsAndRefusesTheRest) {
    const Lines own = OwnProducts(1);
    const std::string NOT_XML = "It is not XML that Word can read (line ";
    const std::string DROPPED = "Not all of the labels it holds could be read";
    const std::string ENCODING = "It declares the text encoding ";
    const std::string polish = WordFile(ProductsNamed({"P\xC3\x93\xC5\x81"}));
    std::string spelled = WordFile({"<product productID=\"3\"\tunits='EMU'/>"});
    spelled.replace(spelled.find("</vendorProductSet>"), 19, "</vendorProductSet >");
    std::string prefixed = WordFile({"<product units=\"emu\"><m:note/></product>"});
    prefixed.replace(prefixed.find("<vps>"), 5, "<vps xmlns:m=\"urn:m\">");
    std::string defaulted = WordFile(own);
    defaulted.replace(defaulted.find("<vps>"), 5, "<vps xmlns=\"urn:m\">");
    const std::string lookalikes = "<product units=\"emu\" xproductID=\"5\" note='productID=\"3\"'>"
                                   "productID=\"4\"<!--productID=\"4\"--><![CDATA[productID=\"4\"]]>"
                                   "</product>";
    const struct {
        const char* what;
        std::string file;
        Verdict verdict;
    } cases[] = {
        {"a UTF-16 mark before UTF-8", "\xFF\xFE" + WordFile(own), Refused(NOT_XML + "1)")},
        {"FE FF before UTF-8", "\xFE\xFF" + WordFile(own) + (WordFile(own).size() % 2 ? "\n" : ""),
         Refused(NOT_XML + "1)")},
        {"a UTF-16LE mark before UTF-16BE",
         "\xFF\xFE" + Encoded(WordFile(own), FileEncoding::Utf16Be, true), Refused(NOT_XML + "1)")},
        {"plain text", "Moje etykiety\r\n", Refused(NOT_XML + "1)")},
        {"no end tag", "<?xml version=\"1.0\"?>\r\n<vps>\r\n" + Crlf(own), Refused(NOT_XML + "5)")},
        {"a second root", WordFile(own) + "<vendorProductSet/>\r\n", Refused(NOT_XML + "6)")},
        {"declared UTF-7", Declaring("UTF-7", WordFile(own)), Refused(ENCODING + "\"UTF-7\"")},
        {"windows-1250 that reads as UTF-8", Declaring("windows-1250", polish), Refused(ENCODING)},
        {"ISO-8859-2 that reads as UTF-8", Declaring("ISO-8859-2", polish), Refused(ENCODING)},
        {"a product inside another element", WordFile(Concat({{"<group>"}, own, {"</group>"}})),
         Refused(DROPPED)},
        {"a comment after the root", WordFile(own) + "<!-- -->", Kept(own, 2)},
        {"a PRODUCT outside the products",
         WordFile(Concat({{"<PRODUCT units=\"emu\"/>"}, own})), Refused(DROPPED)},
        {"a prefix declared by the header it drops", prefixed, Refused(NAMESPACE_OUTSIDE)},
        {"a default namespace declared by the header it drops", defaulted, Refused(NAMESPACE_OUTSIDE)},
        {"only ASCII in windows-1250", Declaring("windows-1250", WordFile(own)), Kept(own, 2)},
        {"a product commented out before the first",
         WordFile(Concat({{"<!-- <product units=\"emu\" productID=\"9\"> -->"}, own})), Kept(own, 2)},
        {"a product in an instruction before the first",
         WordFile(Concat({{"<?note <product units=\"emu\"> ?>"}, own})), Kept(own, 2)},
        {"ids in single quotes and spaced",
         WordFile({"<product units=\"emu\" productID='7'/>", "<product units='emu' productID = \"\"/>"}),
         Kept({"<product units=\"emu\" productID='1'/>", "<product units='emu' productID = \"2\"/>"}, 3)},
        {"what only reads like an id", WordFile({lookalikes}), Kept({lookalikes}, 1)},
        {"markers spelled otherwise", spelled, Kept({"<product productID=\"1\"\tunits='EMU'/>"}, 2)},
        {"a vendor set inside a product",
         WordFile({own[0], "<vendorProductSet></vendorProductSet>", own[1]}),
         Kept({own[0], "<vendorProductSet></vendorProductSet>", own[1]}, 2)},
        {"only white space", " \r\n\t", Kept({}, 1)},
        {"only a declaration", "<?xml version=\"1.0\"?>\r\n", Kept({}, 1)},
        {"only a UTF-8 mark", "\xEF\xBB\xBF", Kept({}, 1)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform.files.WriteFileBytes(LABEL_FILE_PATH, c.file);
        if (c.verdict.refusal.empty()) {
            EXPECT_EQ(Install(), Crlf(Concat({{HEADER_LINE}, c.verdict.kept, EmptyLines(2),
                                              PackLines(c.verdict.packFrom), {FOOTER_LINE}})));
            continue;
        }
        const std::string start = "Cannot open file \"" + std::string(LABEL_FILE_PATH) + "\". ";
        try {
            InstallLabelFile(platform, APP_DATA_FOLDER);
            ADD_FAILURE() << "the file was rewritten";
        } catch (const EFOpenError& error) {
            EXPECT_EQ(error.Message().substr(0, start.size() + c.verdict.refusal.size()),
                      start + c.verdict.refusal);
        }
        CheckUntouched(c.file);
    }
}

// --- files that yield nothing ----------------------------------------------------------

TEST_F(InstallLabelFileTest, LeavesOneEmptyLineForAnEmptyFile) {
    const std::string expected =
        Crlf(Concat({{HEADER_LINE}, EmptyLines(1), PackLines(1), {FOOTER_LINE}}));
    EXPECT_EQ(InstallOver(""), expected);
    EXPECT_EQ(LinesOf(expected).size(), 136u);
}

TEST_F(InstallLabelFileTest, LeavesOneEmptyLineForAByteOrderMarkAlone) {
    EXPECT_EQ(InstallOver("\xFF\xFE"),
              Crlf(Concat({{HEADER_LINE}, EmptyLines(1), PackLines(1), {FOOTER_LINE}})));
}

TEST_F(InstallLabelFileTest, LeavesTwoEmptyLinesForAFileWithoutProducts) {
    const std::string file = WordFile({});
    EXPECT_EQ(InstallOver(file),
              Crlf(Concat({{HEADER_LINE}, EmptyLines(2), PackLines(1), {FOOTER_LINE}})));
}

TEST_F(InstallLabelFileTest, RefusesAFileWhoseProductsAreInOtherUnits) {
    std::string file = WordFile(OwnProducts(2));
    for (std::size_t at = file.find("units=\"emu\""); at != std::string::npos;
         at = file.find("units=\"emu\"", at)) {
        file.replace(at, 11, "units=\"cm\"");
    }
    ExpectRefusedAndKept(file, "Not all of the labels it holds could be read");
}

TEST_F(InstallLabelFileTest, RefusesAFileWhoseProductsFollowANul) {
    std::string file = WordFile(OwnProducts(3));
    file.insert(file.find("Moje etykiety 2"), 1, '\0');
    ExpectRefusedAndKept(file, "Not all of the labels it holds could be read");
}

TEST_F(InstallLabelFileTest, RefusesAFileThatStartsWithANul) {
    // The text ends at its first byte, so the one product after it would be lost.
    ExpectRefusedAndKept("\0"s + WordFile(OwnProducts(1)),
                         "Not all of the labels it holds could be read");
}

// --- the pack already there -------------------------------------------------------------

TEST_F(InstallLabelFileTest, AddsThePacksProductsThatNoProductIsNamedAfterExactly) {
    const std::string L15 = "Velkaris     L-15";
    const std::vector<int> ALL_BUT_15 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 16, 17};
    const auto named = [](const std::string& name) {
        std::string line = OwnProducts(2)[2];
        return line.replace(line.find("Moje etykiety 2"), 15, name);
    };
    const struct {
        const char* what;
        std::string ownLine;  // stands in for the user's second product's name line
        std::vector<int> added;
    } cases[] = {
        {"a longer name", named(L15 + " (moja kopia)"), IdRange(1, 17)},
        {"another letter case", named("vELKARIS     l-15"), IdRange(1, 17)},
        {"a description",
         "<product units=\"emu\" productID=\"2\"><desc><locDesc>" + L15 + "</locDesc></desc>",
         IdRange(1, 17)},
        {"a comment",
         "<product units=\"emu\" productID=\"2\"><!-- <locName>" + L15 + "</locName> -->",
         IdRange(1, 17)},
        {"a LocName", "<product units=\"emu\" productID=\"2\"><prodName><LocName>" + L15 +
                          "</LocName></prodName>", IdRange(1, 17)},
        {"a Product inside",
         "<product units=\"emu\" productID=\"2\"><Product><prodName><locName>" + L15 +
             "</locName></prodName></Product>", IdRange(1, 17)},
        {"a locName in the description",
         "<product units=\"emu\" productID=\"2\"><desc><locName>" + L15 + "</locName></desc>",
         IdRange(1, 17)},
        {"one label of the pack", named(L15), ALL_BUT_15},
        // as a parser reads the name
        {"a space by reference", named("Velkaris&#32;    L-15"), ALL_BUT_15},
        {"a space by hex reference", named("Velkaris    &#x20;L-15"), ALL_BUT_15},
        {"a letter by reference", named("Velkaris     &#76;-15"), ALL_BUT_15},
        {"a CDATA section", named("Velkaris<![CDATA[     L]]>-15"), ALL_BUT_15},
        {"a comment inside", named("Velkaris  <!-- x -->   L-15"), ALL_BUT_15},
    };
    for (const auto& c : cases) {
        Lines own = OwnProducts(2);
        own[2] = c.ownLine;
        EXPECT_EQ(InstallOver(WordFile(own)),
                  Crlf(Concat({{HEADER_LINE}, own, EmptyLines(2), PackLines(3, c.added),
                               {FOOTER_LINE}})))
            << c.what;
    }
}

TEST_F(InstallLabelFileTest, AddsBackThePacksProductsThatWereDeleted) {
    const std::vector<int> kept = {1, 3, 4, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    const Lines own = OwnProducts(1);
    const std::string file = WordFile(Concat({own, PackLines(2, kept)}));
    EXPECT_EQ(InstallOver(file), Crlf(Concat({{HEADER_LINE}, own, PackLines(2, kept),
                                              EmptyLines(2), PackLines(16, {2, 5, 17}),
                                              {FOOTER_LINE}})));
}

TEST_F(InstallLabelFileTest, AddsThePackWhenItsNameStandsOnlyBeforeTheFirstProduct) {
    const std::string file = "<?xml version=\"1.0\"?>\r\n<!-- Velkaris     L-15 -->\r\n" +
                             WordFile(OwnProducts(2)).substr(23);
    EXPECT_EQ(InstallOver(file), Crlf(Concat({{HEADER_LINE}, OwnProducts(2), EmptyLines(2),
                                              PackLines(3), {FOOTER_LINE}})));
}

// --- failures ----------------------------------------------------------------------------

TEST_F(InstallLabelFileTest, RaisesOpenErrorAndWritesNothingWhileTheFileIsHeldOpen) {
    const std::string old = WordFile(OwnProducts(5));
    platform.files.WriteFileBytes(LABEL_FILE_PATH, old);
    platform.files.HoldOpen(LABEL_FILE_PATH);
    try {
        InstallLabelFile(platform, APP_DATA_FOLDER);
        FAIL() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.KindName(), "EFOpenError");
        EXPECT_EQ(error.Message(), std::string("Cannot open file \"") + LABEL_FILE_PATH +
                                       "\". The process cannot access the file because it is "
                                       "being used by another process");
    }
    platform.files.Release(LABEL_FILE_PATH);
    CheckUntouched(old);
    EXPECT_EQ(platform.CallCount("WriteFile"), 0);
    EXPECT_EQ(platform.CallCount("MoveFileExW"), 0);
}

TEST_F(InstallLabelFileTest, RaisesOpenErrorAndWritesNothingWhenTheReadFails) {
    const std::string old = WordFile(OwnProducts(5));
    platform.files.WriteFileBytes(LABEL_FILE_PATH, old);
    platform.FailCall("ReadFile", 1, 5);
    try {
        InstallLabelFile(platform, APP_DATA_FOLDER);
        FAIL() << "no error raised";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(error.Message(),
                  std::string("Cannot open file \"") + LABEL_FILE_PATH + "\". Access is denied");
    }
    CheckUntouched(old);
    EXPECT_EQ(platform.CallCount("WriteFile"), 0);
}

TEST_F(InstallLabelFileTest, RaisesCreateErrorAndWritesNothingForAPathOver255Characters) {
    const std::string folder = "C:\\" + std::string(100, 'a') + "\\" + std::string(121, 'b');
    platform.files.AddFolder(folder + "\\Microsoft\\Office");
    EXPECT_THROW(InstallLabelFile(platform, folder), EFCreateError);
    EXPECT_EQ(platform.files.ListFolder(folder + "\\Microsoft\\Office"), Lines{});
    EXPECT_EQ(platform.CallCount("CreateFileW"), 0);
    EXPECT_EQ(platform.CallCount("CreateDirectoryW"), 0);
}

TEST_F(InstallLabelFileTest, RaisesCreateErrorAndWritesNothingForAnEmptyFolder) {
    try {
        InstallLabelFile(platform, "");
        FAIL() << "no error raised";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.KindName(), "EFCreateError");
        EXPECT_EQ(error.Message().rfind("Cannot create file \"", 0), 0u) << error.Message();
    }
    EXPECT_EQ(platform.CallCount("FindFirstFileW"), 0);
    EXPECT_EQ(platform.CallCount("CreateFileW"), 0);
    EXPECT_EQ(platform.CallCount("CreateDirectoryW"), 0);
}

TEST_F(InstallLabelFileTest, KeepsTheOldFileWhenTheWriteFails) {
    const std::string old = WordFile(OwnProducts(5));
    platform.files.WriteFileBytes(LABEL_FILE_PATH, old);
    platform.FailCall("WriteFile", 1, 112);
    try {
        InstallLabelFile(platform, APP_DATA_FOLDER);
        FAIL() << "no error raised";
    } catch (const EWriteError& error) {
        EXPECT_EQ(error.KindName(), "EWriteError");
        EXPECT_EQ(error.Message(), "Cannot write to file \"" + std::string(LABEL_FILE_PATH) +
                                       "\". There is not enough space on the disk");
    }
    CheckUntouched(old);
}

TEST_F(InstallLabelFileTest, KeepsTheOldFileWhenTheWriteFallsShort) {
    const std::string old = WordFile(OwnProducts(5));
    platform.files.WriteFileBytes(LABEL_FILE_PATH, old);
    platform.AddFault(fake::Fault{"WriteFile", 1, 0, true});
    EXPECT_THROW(InstallLabelFile(platform, APP_DATA_FOLDER), EWriteError);
    CheckUntouched(old);
}

TEST_F(InstallLabelFileTest, KeepsTheOldFileWhenTheDiskIsFull) {
    const std::string old = WordFile(OwnProducts(5));
    platform.files.WriteFileBytes(LABEL_FILE_PATH, old);
    platform.files.diskCapacity = old.size() + 100;
    EXPECT_THROW(InstallLabelFile(platform, APP_DATA_FOLDER), EWriteError);
    CheckUntouched(old);
}

TEST_F(InstallLabelFileTest, KeepsTheOldFileWhenTheFlushFails) {
    const std::string old = WordFile(OwnProducts(5));
    platform.files.WriteFileBytes(LABEL_FILE_PATH, old);
    platform.FailCall("FlushFileBuffers", 1, 5);
    EXPECT_THROW(InstallLabelFile(platform, APP_DATA_FOLDER), EWriteError);
    CheckUntouched(old);
}

TEST(LabelFileAppearing, AFileThatAppearsBeforeTheRenameIsKeptAndTheInstallFails) {
    // Word, say, writes its own label file while the new one is being written.
    class WordWritingMeanwhile : public fake::FakePlatform {
    public:
        bool MoveFileExW(const std::u16string& from, const std::u16string& to,
                         std::uint32_t flags) override {
            if (CallCount("MoveFileExW") == 0) {
                files.WriteFileBytes(*fake::Utf8Of(to), WordFile(OwnProducts(1)));
            }
            return FakePlatform::MoveFileExW(from, to, flags);
        }
    } platform;
    try {
        InstallLabelFile(platform, APP_DATA_FOLDER);
        FAIL() << "the file that appeared was replaced";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), std::string("Cannot create file \"") + LABEL_FILE_PATH +
                                       "\". Cannot create a file when that file already exists");
    }
    EXPECT_EQ(platform.files.ReadFileBytes(LABEL_FILE_PATH), WordFile(OwnProducts(1)));
    EXPECT_FALSE(platform.files.Exists(TEMPORARY_PATH));
    EXPECT_EQ(platform.files.OpenFileCount(), 0u);
}

TEST_F(InstallLabelFileTest, LeavesNoFileWhenTheFirstSaveFails) {
    platform.FailCall("WriteFile", 1, 112);
    EXPECT_THROW(InstallLabelFile(platform, APP_DATA_FOLDER), EWriteError);
    CheckNoLeftovers();
    EXPECT_FALSE(platform.files.Exists(LABEL_FILE_PATH));
}

// --- another process's brief hold ------------------------------------------------------

// The calls a scanner's hold on the label file or its new copy can make fail, by
// the occurrence of their first attempt: after the lock, the open that holds the
// file against writers is the second CreateFileW, the read's own the third (which
// nothing else can hold meanwhile), the temporary file's create the fourth.
struct HeldCall {
    const char* call;
    int firstAttempt;
    const char* report;  // how today's report begins when it never succeeds
};
const HeldCall HELD_CALLS[] = {{"CreateFileW", 2, "Cannot open file \""},
                               {"CreateFileW", 4, "Cannot create file \""},
                               {"MoveFileExW", 1, "Cannot create file \""}};

const char* const SHARING_TEXT =
    "The process cannot access the file because it is being used by another process";

struct HeldRun {
    std::string error;  // the message raised; empty when the install went through
    std::string saved;
    Lines folder;
    std::vector<std::uint32_t> sleeps;
    int attempts = 0;  // of the held call, when it is the last of its name
    std::size_t openFiles = 0;
};

// Installs over the user's file of 5 products with the held call failing `times`
// attempts in a row with `error`.
HeldRun InstallWhileHeld(const HeldCall& held, int times, std::uint32_t error) {
    fake::FakePlatform platform;
    platform.files.WriteFileBytes(LABEL_FILE_PATH, WordFile(OwnProducts(5)));
    for (int i = 0; i < times; ++i) platform.FailCall(held.call, held.firstAttempt + i, error);
    HeldRun run;
    try {
        InstallLabelFile(platform, APP_DATA_FOLDER);
    } catch (const Exception& raised) {
        run.error = raised.Message();
    }
    run.saved = platform.files.ReadFileBytes(LABEL_FILE_PATH);
    run.folder = platform.files.ListFolder(std::string(APP_DATA_FOLDER) + "\\Microsoft\\Office");
    run.sleeps = platform.sleeps;
    run.attempts = platform.CallCount(held.call) - held.firstAttempt + 1;
    run.openFiles = platform.files.OpenFileCount();
    return run;
}

std::uint32_t Total(const std::vector<std::uint32_t>& sleeps) {
    std::uint32_t total = 0;
    for (std::uint32_t ms : sleeps) total += ms;
    return total;
}

TEST(HeldLabelFile, EachCallThatSucceedsWithinTheWaitsEndsWithTheWholeNewFile) {
    const std::string merged = Crlf(Concat(
        {{HEADER_LINE}, OwnProducts(5), EmptyLines(2), PackLines(6), {FOOTER_LINE}}));
    for (const HeldCall& held : HELD_CALLS) {
        for (std::uint32_t error : {32u, 33u, 5u}) {
            for (int times : {1, 3, 8}) {
                SCOPED_TRACE(std::string(held.report) + " " + held.call + " failing " +
                             std::to_string(times) + " times with " + std::to_string(error));
                const HeldRun run = InstallWhileHeld(held, times, error);
                EXPECT_EQ(run.error, "");
                EXPECT_EQ(run.saved, merged);
                EXPECT_EQ(run.folder, Lines{"pg_custom.xml"});
                EXPECT_EQ(run.openFiles, 0u);
                ASSERT_EQ(run.sleeps.size(), static_cast<std::size_t>(times));
                for (std::size_t i = 1; i < run.sleeps.size(); ++i) {
                    EXPECT_GT(run.sleeps[i], run.sleeps[i - 1]);  // a little longer each time
                }
            }
        }
    }
}

TEST(HeldLabelFile, AHoldThatOutlastsTheWaitsGivesTodaysReportAndKeepsTheFile) {
    for (const HeldCall& held : HELD_CALLS) {
        SCOPED_TRACE(std::string(held.report) + " " + held.call);
        const HeldRun run = InstallWhileHeld(held, 100, win::ERROR_SHARING_VIOLATION);
        EXPECT_EQ(run.error, held.report + std::string(LABEL_FILE_PATH) + "\". " + SHARING_TEXT);
        EXPECT_EQ(run.saved, WordFile(OwnProducts(5)));
        EXPECT_EQ(run.folder, Lines{"pg_custom.xml"});
        EXPECT_EQ(run.openFiles, 0u);
        // About a second in all, in a bounded number of growing steps.
        EXPECT_GE(Total(run.sleeps), 800u);
        EXPECT_LE(Total(run.sleeps), 1200u);
        EXPECT_LE(run.attempts, 12);
        EXPECT_EQ(run.sleeps.size() + 1, static_cast<std::size_t>(run.attempts));
    }
}

TEST(HeldLabelFile, OtherErrorsAreReportedAtOnce) {
    for (const HeldCall& held : HELD_CALLS) {
        for (std::uint32_t error : {fake::windows::ERROR_PATH_NOT_FOUND, fake::windows::ERROR_DISK_FULL}) {
            SCOPED_TRACE(std::string(held.report) + " " + held.call + " " + std::to_string(error));
            const HeldRun run = InstallWhileHeld(held, 1, error);
            EXPECT_EQ(run.error.rfind(held.report, 0), 0u) << run.error;
            EXPECT_EQ(run.attempts, 1);
            EXPECT_TRUE(run.sleeps.empty());
            EXPECT_EQ(run.saved, WordFile(OwnProducts(5)));
            EXPECT_EQ(run.folder, Lines{"pg_custom.xml"});
        }
    }
}

TEST_F(InstallLabelFileTest, WaitsOutAnotherProcessHoldingTheFileForAMoment) {
    platform.files.WriteFileBytes(LABEL_FILE_PATH, WordFile(OwnProducts(5)));
    platform.files.HoldOpen(LABEL_FILE_PATH);
    platform.onSleep = [this] {
        if (platform.sleeps.size() == 3) platform.files.Release(LABEL_FILE_PATH);
    };
    EXPECT_EQ(Install(), Crlf(Concat({{HEADER_LINE}, OwnProducts(5), EmptyLines(2),
                                      PackLines(6), {FOOTER_LINE}})));
    EXPECT_EQ(platform.sleeps.size(), 3u);
}

TEST_F(InstallLabelFileTest, RetriesTheDeleteOfTheNewFileThatIsHeldAfterAFailedReplace) {
    const std::string old = WordFile(OwnProducts(5));
    platform.files.WriteFileBytes(LABEL_FILE_PATH, old);
    platform.FailCall("MoveFileExW", 1, fake::windows::ERROR_DISK_FULL);
    platform.FailCall("DeleteFileW", 1, win::ERROR_SHARING_VIOLATION);
    platform.FailCall("DeleteFileW", 2, win::ERROR_SHARING_VIOLATION);
    try {
        InstallLabelFile(platform, APP_DATA_FOLDER);
        FAIL() << "no error raised";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), std::string("Cannot create file \"") + LABEL_FILE_PATH +
                                       "\". There is not enough space on the disk");
    }
    CheckUntouched(old);
    EXPECT_EQ(platform.CallCount("DeleteFileW"), 3);
}

TEST_F(InstallLabelFileTest, GivesUpTheDeleteOfAHeldNewFileAfterTheWaitsAndKeepsTheReport) {
    const std::string old = WordFile(OwnProducts(5));
    platform.files.WriteFileBytes(LABEL_FILE_PATH, old);
    platform.FailCall("MoveFileExW", 1, fake::windows::ERROR_DISK_FULL);
    for (int n = 1; n <= 100; ++n) platform.FailCall("DeleteFileW", n, win::ERROR_SHARING_VIOLATION);
    try {
        InstallLabelFile(platform, APP_DATA_FOLDER);
        FAIL() << "no error raised";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), std::string("Cannot create file \"") + LABEL_FILE_PATH +
                                       "\". There is not enough space on the disk");
    }
    EXPECT_EQ(platform.files.ReadFileBytes(LABEL_FILE_PATH), old);
    EXPECT_LE(platform.CallCount("DeleteFileW"), 12);
    EXPECT_LE(Total(platform.sleeps), 1200u);
    EXPECT_EQ(platform.files.OpenFileCount(), 0u);
}

// --- leftovers of a killed run, and other writers --------------------------------------

TEST_F(InstallLabelFileTest, LeftoversOfAKilledRunInAnyCombinationNeverBlockARun) {
    const std::string leftovers[] = {".new", ".new~", ".lock"};
    for (int present = 1; present < 8; ++present) {
        fake::FakePlatform run;
        run.files.WriteFileBytes(LABEL_FILE_PATH, WordFile(OwnProducts(5)));
        for (int i = 0; i < 3; ++i) {
            if (present & (1 << i)) run.files.WriteFileBytes(LABEL_FILE_PATH + leftovers[i], "");
        }
        InstallLabelFile(run, APP_DATA_FOLDER);
        // A scratch file is taken away when its name is needed: a killed run leaves
        // one only beside a new file. Alone, it is in nobody's way.
        const bool scratchAlone = (present & 3) == 2;
        EXPECT_EQ(run.files.ListFolder(std::string(APP_DATA_FOLDER) + "\\Microsoft\\Office"),
                  (scratchAlone ? Lines{"pg_custom.xml", "pg_custom.xml.new~"}
                                : Lines{"pg_custom.xml"}))
            << present;
        EXPECT_EQ(run.files.ReadFileBytes(LABEL_FILE_PATH),
                  Crlf(Concat({{HEADER_LINE}, OwnProducts(5), EmptyLines(2), PackLines(6),
                               {FOOTER_LINE}})));
    }
}

TEST(LeftoverInTheWay, IsNamedInTheReportAndLeftAsItWas) {
    struct Case {
        const char* what;
        std::vector<std::string> leftovers;
        std::string held;  // kept open by another process
        int failingCreate;  // fails with a full disk; 0 for none
        std::string named;
    };
    const Case cases[] = {
        {"a held new file", {".new"}, ".new", 0, ".new"},
        {"a held scratch file", {".new", ".new~"}, ".new~", 0, ".new~"},
        {"no room for the scratch file", {".new"}, "", 5, ".new~"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake::FakePlatform platform;
        platform.files.WriteFileBytes(LABEL_FILE_PATH, WordFile(OwnProducts(5)));
        for (const std::string& name : c.leftovers) {
            platform.files.WriteFileBytes(LABEL_FILE_PATH + name, "left " + name);
        }
        if (!c.held.empty()) platform.files.HoldOpen(LABEL_FILE_PATH + c.held);
        if (c.failingCreate != 0) {
            platform.FailCall("CreateFileW", c.failingCreate, fake::windows::ERROR_DISK_FULL);
        }
        try {
            InstallLabelFile(platform, APP_DATA_FOLDER);
            ADD_FAILURE() << "no error raised";
        } catch (const EFCreateError& error) {
            EXPECT_EQ(error.Message().rfind("Cannot create file \"" + std::string(LABEL_FILE_PATH) +
                                                c.named + "\". ", 0),
                      0u) << error.Message();
        }
        for (const std::string& name : c.leftovers) {
            EXPECT_EQ(platform.files.ReadFileBytes(LABEL_FILE_PATH + name), "left " + name);
        }
        EXPECT_EQ(platform.files.ReadFileBytes(LABEL_FILE_PATH), WordFile(OwnProducts(5)));
        EXPECT_FALSE(platform.files.Exists(std::string(LABEL_FILE_PATH) + ".lock"));
    }
}

TEST_F(InstallLabelFileTest, AFileChangedBetweenTheReadAndTheRenameIsKeptAndReported) {
    // Word cannot open it for writing meanwhile; a writer that ignores sharing shows in
    // the file's size and write time.
    const std::string changed = WordFile(OwnProducts(6));
    fake::FakePlatform word(platform.disk);
    platform.files.WriteFileBytes(LABEL_FILE_PATH, WordFile(OwnProducts(5)));
    platform.onCall = [&](const std::string& call) {
        if (call != "WriteFile") return;
        EXPECT_EQ(word.CreateFileW(*fake::Utf16Of(LABEL_FILE_PATH), fake::windows::GENERIC_WRITE,
                                   fake::windows::FILE_SHARE_READ, fake::windows::OPEN_EXISTING, 0),
                  win::INVALID_HANDLE_VALUE);
        platform.files.WriteFileBytes(LABEL_FILE_PATH, changed);
    };
    try {
        InstallLabelFile(platform, APP_DATA_FOLDER);
        FAIL() << "the changed file was replaced";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(error.Message(), std::string("Cannot create file \"") + LABEL_FILE_PATH +
                                       "\". Another program changed it while the labels were "
                                       "being added; nothing was written");
    }
    CheckUntouched(changed);
}

}  // namespace
}  // namespace velkaris
