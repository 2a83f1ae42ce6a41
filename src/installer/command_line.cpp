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

bool IsSwitch(const std::u16string& argument) {
    return !argument.empty() && (argument[0] == u'/' || argument[0] == u'-');
}

// Every switch the program knows, by its name after / or -, in lower case.
bool IsKnownSwitch(const std::u16string& argument) {
    if (!IsSwitch(argument)) return false;
    const std::u16string name = LowerAscii(argument.substr(1));
    return name == u"quiet" || name == u"uninstall" || name == u"?" || name == u"help" ||
           name == u"log";
}

constexpr std::size_t SHOWN_LIMIT = 80;

}  // namespace

std::u16string ShownArgument(const std::u16string& argument) {
    if (argument.size() <= SHOWN_LIMIT) return argument;
    // Never between the halves of a character beyond 16 bits.
    const bool splitsPair = argument[SHOWN_LIMIT - 1] >= 0xD800 && argument[SHOWN_LIMIT - 1] < 0xDC00;
    return argument.substr(0, SHOWN_LIMIT - (splitsPair ? 1 : 0)) + u"\u2026";
}

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
        if (!IsSwitch(argument)) continue;
        const std::u16string name = LowerAscii(argument.substr(1));
        if (name == u"quiet") {
            result.quiet = true;
        } else if (name == u"uninstall") {
            result.uninstall = true;
        } else if (name == u"?" || name == u"help") {
            result.help = true;
        } else if (name == u"log" && i + 1 < arguments.size() && !arguments[i + 1].empty() &&
                   !IsKnownSwitch(arguments[i + 1])) {
            // A switch after /log is a file name forgotten, not a file: "/log /quiet"
            // would otherwise show boxes and log to a file named "quiet".
            result.logPath = arguments[++i];
        } else {
            bad(argument);
        }
    }
    return result;
}

}  // namespace velkaris
