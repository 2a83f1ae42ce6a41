// Writes the seed corpus of the label-file fuzzer: label files as Word and this
// installer write them, in the encodings and line ends met in the field, and a few
// damaged ones. Usage: make_label_seeds <corpus folder>

#include <cstdio>
#include <fstream>
#include <string>

#include "fake/fake_platform.h"
#include "label_file/label_file_install.h"
#include "oracle/utf16_file.h"

namespace {

using velkaris::EncodedFile;
using velkaris::FileEncoding;
using velkaris::Utf16LeFile;

std::string folder;

void Save(const std::string& name, const std::string& bytes) {
    std::ofstream out(folder + "/" + name, std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
    return text;
}

std::string Lf(const std::string& text) { return Replace(text, "\r\n", "\n"); }
std::string Cr(const std::string& text) { return Replace(text, "\r\n", "\r"); }

std::string Product(int id, const std::string& name, const std::string& units = "emu") {
    return "<product units=\"" + units + "\" productID=\"" + std::to_string(id) +
           "\" layoutGroup=\"all\" bindingEdge=\"none\" dotMatrixLabel=\"false\" fold=\"none\">"
           "\r\n<prodName nameGroup=\"custom\"><locName locale=\"all\">" + name +
           "</locName></prodName>\r\n"
           "<masterPanel masterID=\"0\" height=\"914400\" width=\"1828800\" shape=\"rect\" "
           "cornerRadius=\"0\" topMargin=\"0\" leftMargin=\"0\" bottomMargin=\"0\" "
           "rightMargin=\"0\" centerContent=\"false\"></masterPanel>\r\n"
           "<sheet height=\"10692130\" width=\"7560310\"><sheetGrid numAcross=\"2\" "
           "numDown=\"5\"></sheetGrid></sheet></product>\r\n";
}

std::string VendorSet(const std::string& products, const std::string& vendor = "Custom") {
    return "<vendorProductSet vendorID=\"0\" vendor=\"" + vendor +
           "\" copyright=\"\" version=\"1\" schemaVersion=\"1\">\r\n" + products +
           "</vendorProductSet>\r\n";
}

// In UTF-8, as it says; Utf16Word gives the same file as Word writes it, in UTF-16.
std::string WordFile(const std::string& sets) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<vps><vendorProductSets>\r\n" + sets +
           "</vendorProductSets></vps>\r\n";
}

std::string Utf16Word(const std::string& utf8File) {
    return Utf16LeFile(Replace(utf8File, "encoding=\"UTF-8\"", "encoding=\"UTF-16\""));
}

std::string UserProducts(int count, int firstId = 1) {
    std::string products;
    for (int i = 0; i < count; ++i) products += Product(firstId + i, "Moja etykieta " + std::to_string(i + 1));
    return products;
}

// What the installer writes over a file of these bytes, or over none.
std::string Installed(const std::string* existing) {
    velkaris::fake::FakePlatform platform;
    const std::string path = platform.appDataFolder + "\\Microsoft\\Office\\pg_custom.xml";
    if (existing != nullptr) platform.files.WriteFileBytes(path, *existing);
    velkaris::InstallLabelFile(platform, platform.appDataFolder);
    return platform.files.ReadFileBytes(path);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_label_seeds <corpus folder>\n");
        return 2;
    }
    folder = argv[1];

    const std::string fresh = Installed(nullptr);
    const std::string user5 = WordFile(VendorSet(UserProducts(5)));

    Save("empty", "");
    Save("bom-only", "\xFF\xFE");
    Save("one-char", "x");
    Save("installer-output-crlf", fresh);
    Save("installer-output-lf", Lf(fresh));
    Save("installer-output-cr", Cr(fresh));
    Save("installer-output-utf16", Utf16LeFile(fresh));
    Save("installer-output-utf8-bom", "\xEF\xBB\xBF" + fresh);
    Save("installer-output-capitals", Replace(fresh, "Velkaris     L-15", "VELKARIS     L-15"));
    Save("user-five-products-crlf", user5);
    Save("user-five-products-lf", Lf(user5));
    Save("user-five-products-cr", Cr(user5));
    Save("user-five-products-utf16", Utf16Word(user5));
    Save("user-five-products-utf16-odd", Utf16Word(user5) + "\x0A");
    Save("user-five-products-utf8-bom", "\xEF\xBB\xBF" + user5);
    Save("user-products-capitals",
         Replace(Replace(user5, "units=\"emu\"", "UNITS=\"EMU\""), "</vendorProductSet>",
                 "</VendorProductSet>"));
    Save("user-other-units", WordFile(VendorSet(Product(1, "Cale", "in") + Product(2, "Cale 2", "in"))));
    Save("user-no-end-tag", Replace(user5, "</vendorProductSet>", ""));
    Save("two-vendor-sets-first-emu",
         WordFile(VendorSet(UserProducts(2)) + VendorSet(UserProducts(2, 3), "Other")));
    Save("two-vendor-sets-second-emu",
         WordFile(VendorSet(Product(1, "Cale", "in")) + VendorSet(UserProducts(2), "Other")));
    Save("key-before-products",
         Replace(user5, "<vendorProductSets>", "<!-- Velkaris     L-15 --><vendorProductSets>"));
    Save("key-after-end-tag", user5 + "<!-- Velkaris     L-15 -->\r\n");
    Save("pack-held-by-user", WordFile(VendorSet(UserProducts(2) + Product(3, "Velkaris     L-15"))));
    Save("pack-name-longer", WordFile(VendorSet(Product(1, "Velkaris     L-15 (moja kopia)"))));
    Save("pack-name-in-comment",
         WordFile(VendorSet(Replace(Product(1, "a"), "</prodName>",
                                    "</prodName><!-- <locName>Velkaris     L-01</locName> -->"))));
    {
        // An earlier install's pack with three of its products deleted by the user.
        std::string partial = fresh;
        for (const char* name : {"L-02<", "L-05<", "L-17<"}) {
            const std::size_t at = partial.find(name);
            const std::size_t from = partial.rfind("\t<product ", at);
            const std::size_t to = partial.find("</product>", at) + 10;
            partial.erase(from, to - from);
        }
        Save("pack-with-deletions", partial);
    }
    Save("other-pack-label-only", WordFile(VendorSet(Product(1, "Velkaris     L-03"))));
    Save("ids-7-3-12", WordFile(VendorSet(Product(7, "a") + Product(3, "b") + Product(12, "c"))));
    Save("ids-empty-and-long",
         Replace(Replace(user5, "productID=\"1\"", "productID=\"\""), "productID=\"2\"",
                 "productID=\"00000000000000000000000002\""));
    Save("lowercase-marker", Replace(user5, "productID=", "productid="));
    Save("marker-unterminated-at-end", WordFile(VendorSet(UserProducts(1))) + "productID=\"9");
    Save("marker-unterminated-in-products",
         WordFile(VendorSet(UserProducts(1) + "<product units=\"emu\" productID=\"4\r\n")));
    Save("marker-value-across-lines", WordFile(VendorSet(Replace(UserProducts(2), "productID=\"2\"",
                                                                   "productID=\"2\r\n\""))));
    Save("nul-inside", Replace(user5, "Moja etykieta 3", std::string("Moja\0etykieta 3", 15)));
    Save("utf16-leading-u0100", std::string("\xFF\xFE\x00\x01", 4) + Utf16Word(user5).substr(2));
    Save("utf16-high-bytes", Replace(Utf16Word(user5), std::string("M\0", 2), std::string("M\x01", 2)));
    Save("mixed-line-ends", Replace(Replace(user5, "\r\n<prodName", "\n\r<prodName"),
                                    "\r\n<masterPanel", "\r\r<masterPanel"));
    {
        // What an older installer wrote on a second run: the first product line without
        // its TAB, two empty lines before the footer.
        const std::size_t footer = fresh.rfind("</vendorProductSet>");
        std::string second = fresh.substr(0, footer) + "\r\n\r\n" + fresh.substr(footer);
        second.erase(second.find("\t<product units"), 1);
        Save("second-run", second);
    }
    Save("installer-output-over-user-products", Installed(&user5));
    Save("many-products", WordFile(VendorSet(UserProducts(40))));
    {
        // Well-formed files with Polish names, a character beyond 16 bits (U+1D11E) and
        // U+0100, in UTF-16 and in UTF-8; and a surrogate without its pair.
        const std::string polish = "\xC4\x85\xC4\x87\xC4\x99\xC5\x82\xC5\x84\xC3\xB3\xC5\x9B"
                                   "\xC5\xBA\xC5\xBC \xC4\x84\xC4\x86\xC4\x98\xC5\x81\xC5\x83"
                                   "\xC3\x93\xC5\x9A\xC5\xB9\xC5\xBB";
        const std::string products = Product(1, "Koperty ma\xC5\x82" "e") + Product(2, polish) +
                                     Product(3, "Nuty \xF0\x9D\x84\x9E") +
                                     Product(4, "\xC4\x80 \xD0\x80");
        const std::string sets = "<vps><vendorProductSets>\r\n" + VendorSet(products) +
                                 "</vendorProductSets></vps>\r\n";
        const std::string utf16 = Utf16LeFile("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n" + sets);
        const std::string utf8 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n" + sets;
        Save("polish-utf16", utf16);
        Save("polish-utf8", utf8);
        Save("polish-utf8-bom", "\xEF\xBB\xBF" + utf8);
        const std::string pair = Utf16LeFile("\xF0\x9D\x84\x9E").substr(2);
        const std::size_t at = utf16.find(pair);
        Save("unpaired-high-surrogate-utf16", utf16.substr(0, at + 2) + utf16.substr(at + 4));
        Save("unpaired-low-surrogate-utf16", utf16.substr(0, at) + utf16.substr(at + 2));
        Save("unpaired-surrogate-utf8", Replace(utf8, "\xF0\x9D\x84\x9E", "\xED\xA0\xB4"));
        Save("polish-utf16-be", EncodedFile("<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n" + sets,
                                            FileEncoding::Utf16Be));
        Save("polish-utf16-unmarked", utf16.substr(2));
        const std::string utf32 = Replace(utf8, "UTF-8", "UTF-32");
        Save("polish-utf32", EncodedFile(utf32, FileEncoding::Utf32Le));
        Save("polish-utf32-be-unmarked", EncodedFile(utf32, FileEncoding::Utf32Be, true));
        Save("utf8-mark-then-utf16", "\xEF\xBB\xBF" + utf16.substr(2));
        Save("latin1-declared", Replace(Replace(utf8, "UTF-8", "ISO-8859-1"), "\xC3\xB3", "\xF3"));
        const std::string nested =
            VendorSet(Replace(Product(1, "a"), "</prodName>", "</prodName><vendorProductSet/>"
                                                             "<vendorProductSet></vendorProductSet>"));
        Save("end-tag-nested-in-product",
             "<?xml version=\"1.0\"?>\r\n<vps><vendorProductSets>\r\n" + nested +
                 "</vendorProductSets></vps>\r\n");
    }
    Save("end-tag-before-start", "</vendorProductSet>\r\n" + user5);
    {
        // What a parser reads one way and a search for text read another.
        const std::string first = "<product units";
        const auto before = [&](const std::string& file, const std::string& text) {
            std::string changed = file;
            return changed.insert(changed.find(first), text);
        };
        Save("utf16le-mark-before-utf8", "\xFF\xFE" + user5);
        Save("utf16be-mark-before-utf8", "\xFE\xFF" + user5 + "\n");
        Save("utf16le-mark-before-utf16be",
             "\xFF\xFE" + EncodedFile(Replace(user5, "UTF-8", "UTF-16"), FileEncoding::Utf16Be, true));
        Save("declared-utf7", Replace(user5, "UTF-8", "UTF-7"));
        Save("plain-text", "Moja etykieta 1\r\n");
        Save("declared-windows-1250-utf8-bytes",
             Replace(WordFile(VendorSet(Product(1, "P\xC3\x93\xC5\x81"))), "UTF-8", "windows-1250"));
        Save("declared-iso-8859-2-ascii", Replace(user5, "UTF-8", "ISO-8859-2"));
        Save("product-commented-out", before(user5, "<!-- <product units=\"emu\" productID=\"9\"> -->"));
        Save("product-in-instruction", before(user5, "<?note <product units=\"emu\"> ?>"));
        Save("ids-lookalike",
             WordFile(VendorSet(Replace(Product(1, "productID=\"3\""), "fold=\"none\">",
                                        "fold=\"none\" note='productID=\"4\"' xproductID=\"5\">"
                                        "<!-- productID=\"6\" --><![CDATA[productID=\"7\"]]>"))));
        Save("ids-quoted-otherwise",
             WordFile(VendorSet(Replace(Product(1, "a"), "productID=\"1\"", "productID='1'") +
                                Replace(Product(1, "b"), "productID=\"1\"", "productID = \"1\""))));
        Save("pack-names-by-reference",
             WordFile(VendorSet(Product(1, "Velkaris&#32;    L-15") + Product(2, "Velkaris    &#x20;L-01") +
                                Product(3, "Velkaris     &#76;-02") +
                                Product(4, "Velkaris<![CDATA[     L]]>-03") +
                                Product(5, "Velkaris  <!-- x -->   L-04"))));
        Save("pack-names-in-lookalike-elements",
             WordFile(VendorSet(Replace(
                 Product(1, "a"), "<prodName",
                 "<prodName><LocName>Velkaris     L-15</LocName></prodName><Product><prodName><locName>"
                 "Velkaris     L-16</locName></prodName></Product><desc><locName>Velkaris     L-17"
                 "</locName></desc><prodName"))));
        Save("prefix-declared-in-header",
             Replace(WordFile(VendorSet(Replace(Product(1, "a"), "<masterPanel", "<m:note/><masterPanel"))),
                     "<vps>", "<vps xmlns:m=\"urn:m\">"));
        Save("markers-spelled-otherwise",
             Replace(WordFile(VendorSet(Replace(Product(1, "a"), "units=\"emu\" productID=\"1\"",
                                                "productID=\"1\"\tunits='EMU'"))),
                     "</vendorProductSet>", "</vendorProductSet >"));
        Save("product-nested-in-another-element",
             WordFile(VendorSet("<group>" + UserProducts(1) + "</group>")));
        std::string attributes = "<a";
        for (int i = 0; i < 5000; ++i) attributes += " a" + std::to_string(i) + "=\"\"";
        Save("many-attributes", attributes + " a7=\"\"/>");
        Save("white-space-only", " \r\n\t");
        Save("declaration-only", "<?xml version=\"1.0\"?>\r\n");
        Save("utf8-mark-only", "\xEF\xBB\xBF");
    }
    return 0;
}
