#include "installer/command_line.h"

namespace velkaris {

namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }

std::u16string LowerAscii(std::u16string text) {
    for (char16_t& c : text) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    }
    return text;
}

}  // namespace

std::vector<std::u16string> SplitCommandLine(const std::u16string& line) {
    std::vector<std::u16string> arguments;
    std::size_t i = 0;
    // The program's name: up to the closing quote, or to the first blank; no escapes.
    std::u16string name;
    if (i < line.size() && line[i] == u'"') {
        for (++i; i < line.size() && line[i] != u'"'; ++i) name += line[i];
        if (i < line.size()) ++i;
    } else {
        for (; i < line.size() && !IsBlank(line[i]); ++i) name += line[i];
    }
    arguments.push_back(name);
    for (;;) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i >= line.size()) break;
        std::u16string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || !IsBlank(line[i]))) {
            std::size_t backslashes = 0;
            while (i < line.size() && line[i] == u'\\') ++backslashes, ++i;
            if (i < line.size() && line[i] == u'"') {
                // 2n backslashes and a quote: n backslashes, the quote toggles quoting;
                // 2n+1: n backslashes and a literal quote.
                argument.append(backslashes / 2, u'\\');
                if (backslashes % 2 == 1) {
                    argument += u'"';
                } else if (quoted && i + 1 < line.size() && line[i + 1] == u'"') {
                    argument += u'"';  // "" inside quotes stands for one quote
                    ++i;
                } else {
                    quoted = !quoted;
                }
                ++i;
            } else {
                argument.append(backslashes, u'\\');
                if (i < line.size() && (quoted || !IsBlank(line[i]))) argument += line[i++];
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
}

CommandLine ParseCommandLine(const std::u16string& line) {
    CommandLine result;
    const std::vector<std::u16string> arguments = SplitCommandLine(line);
    const auto bad = [&](const std::u16string& argument) {
        if (!result.badSwitch) result.badSwitch = argument;
    };
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::u16string& argument = arguments[i];
        if (argument.empty() || (argument[0] != u'/' && argument[0] != u'-')) continue;
        const std::u16string name = LowerAscii(argument.substr(1));
        if (name == u"quiet") {
            result.quiet = true;
        } else if (name == u"uninstall") {
            result.uninstall = true;
        } else if (name == u"?" || name == u"help") {
            result.help = true;
        } else if (name == u"log" && i + 1 < arguments.size() && !arguments[i + 1].empty()) {
            result.logPath = arguments[++i];
        } else {
            bad(argument);
        }
    }
    return result;
}

}  // namespace velkaris
