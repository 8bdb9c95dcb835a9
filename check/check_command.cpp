#include "check_command.h"

#include <istream>
#include <optional>
#include <ostream>

#include "engine/check_list.h"
#include "engine/spelling.h"
#include "engine/suggestion_limit.h"
#include "profile_file.h"
#include "utf8.h"

namespace morvane {

const char kCheckCommandUsage[] =
    "Usage: morvane-check [--dictionary FILE] [--max N] [--json] [WORD ...]\n"
    "\n"
    "Checks each WORD as Morvane's check window does and prints what its list would then show:\n"
    "the word itself when it is in the dictionary, else the suggestions, best first, or\n"
    "\"Word Not Found\" and \"No Suggestions :(\" when there are none. A WORD is taken exactly as\n"
    "typed: one stray character at its end (a full stop, a comma) is forgiven, and a text with\n"
    "any other character outside A-Z, a-z, ' and - counts as found, as in the window.\n"
    "With no WORD, words are read from standard input, one per line (a trailing LF or CR LF is\n"
    "removed; everything else, spaces included, is the word). Words are UTF-8.\n"
    "\n"
    "  --dictionary FILE  the dictionary (default: Morvane.dictionary beside this program)\n"
    "  --max N            at most N suggestions, 0 to 32767 (default: MaxSuggestions in the\n"
    "                     [Options] section of Settings.ini beside this program, else 10)\n"
    "  --json             one JSON object per word, in UTF-8:\n"
    "                     {\"word\": \"...\", \"found\": true|false, \"entries\": [\"...\", ...]}\n"
    "                     \"entries\" is null for a text that is blank once spaces are trimmed\n"
    "                     (the window leaves its list as it is)\n"
    "  --help             this text\n"
    "  --                 what follows is words, even when it begins with --\n"
    "\n"
    "Without --json each word gets one readable line.\n"
    "Exit status: 0 when every word was found, 1 when at least one was not, 2 on a usage or\n"
    "file error (with a message on standard error).\n";

namespace {

constexpr int kDefaultSuggestionLimit = 10;

struct Options {
    std::optional<std::u16string> dictionary;
    std::optional<int> limit;
    bool json = false;
    bool help = false;
    std::vector<std::u16string> words;
};

// A whole number from 0 to the search's limit, in plain digits.
std::optional<int> ParseMaxArgument(const std::u16string& text) {
    if (text.empty() || text.size() > 5) return std::nullopt;
    int value = 0;
    for (char16_t c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c - u'0');
    }
    return value <= kMaxSuggestionLimit ? std::optional<int>(value) : std::nullopt;
}

// Nothing (with a message written) when the arguments are not usable.
std::optional<Options> ParseArguments(const std::vector<std::u16string>& args, std::ostream& err) {
    Options options;
    bool wordsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string& arg = args[i];
        if (wordsOnly || arg.size() < 2 || arg.compare(0, 2, u"--") != 0) {
            options.words.push_back(arg);
            continue;
        }
        if (arg == u"--") {
            wordsOnly = true;
            continue;
        }
        const std::size_t equals = arg.find(u'=');
        const std::u16string name = arg.substr(0, equals);
        auto value = [&]() -> std::optional<std::u16string> {
            if (equals != std::u16string::npos) return arg.substr(equals + 1);
            if (i + 1 < args.size()) return args[++i];
            err << "morvane-check: " << Utf16ToUtf8(name) << " needs a value\n";
            return std::nullopt;
        };
        if (name == u"--help" && equals == std::u16string::npos) {
            options.help = true;
        } else if (name == u"--json" && equals == std::u16string::npos) {
            options.json = true;
        } else if (name == u"--dictionary") {
            options.dictionary = value();
            if (!options.dictionary) return std::nullopt;
        } else if (name == u"--max") {
            const std::optional<std::u16string> text = value();
            if (!text) return std::nullopt;
            options.limit = ParseMaxArgument(*text);
            if (!options.limit) {
                err << "morvane-check: --max needs a whole number from 0 to " << kMaxSuggestionLimit << ", not \""
                    << Utf16ToUtf8(*text) << "\"\n";
                return std::nullopt;
            }
        } else {
            err << "morvane-check: unknown option " << Utf16ToUtf8(arg) << " (see --help)\n";
            return std::nullopt;
        }
    }
    return options;
}

// MaxSuggestions from Settings.ini beside the program; 10 when it is not there. A value the
// search cannot use is reported and 10 is used instead.
int SettingsSuggestionLimit(CheckCommandContext& context) {
    const std::u16string path = context.programDirectory + context.pathSeparator + u"Settings.ini";
    if (!context.host.FileExists(path)) return kDefaultSuggestionLimit;
    FileReadResult file = context.host.ReadWholeFile(path);
    if (!file.ok) return kDefaultSuggestionLimit;
    const std::u16string text = context.host.CodePage().Decode({file.bytes.data.get(), file.bytes.size});
    const std::optional<std::u16string> value = ReadProfileValue(text, u"Options", u"MaxSuggestions");
    if (!value) return kDefaultSuggestionLimit;
    if (const std::optional<int> limit = ParseSuggestionLimit(*value)) return *limit;
    context.err << "morvane-check: MaxSuggestions \"" << Utf16ToUtf8(*value) << "\" in " << Utf16ToUtf8(path)
                << " is not a whole number from 0 to " << kMaxSuggestionLimit << "; using "
                << kDefaultSuggestionLimit << "\n";
    return kDefaultSuggestionLimit;
}

void WriteJsonString(std::ostream& out, std::u16string_view text) {
    static const char kHex[] = "0123456789abcdef";
    out << '"';
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool pairedSurrogate = (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
                                      text[i + 1] <= 0xDFFF);
        if (c == u'"' || c == u'\\') {
            out << '\\' << static_cast<char>(c);
        } else if (c == u'\n') {
            out << "\\n";
        } else if (c == u'\r') {
            out << "\\r";
        } else if (c == u'\t') {
            out << "\\t";
        } else if (c < 0x20 || (c >= 0xD800 && c <= 0xDFFF && !pairedSurrogate)) {
            // Control characters, and unpaired surrogates kept as they were typed.
            out << "\\u" << kHex[c >> 12] << kHex[(c >> 8) & 15] << kHex[(c >> 4) & 15] << kHex[c & 15];
        } else if (pairedSurrogate) {
            out << Utf16ToUtf8(text.substr(i, 2));
            ++i;
        } else {
            out << Utf16ToUtf8(text.substr(i, 1));
        }
    }
    out << '"';
}

void WriteJsonLine(std::ostream& out, std::u16string_view word, const CheckResult& result) {
    out << "{\"word\": ";
    WriteJsonString(out, word);
    out << ", \"found\": " << (result.found ? "true" : "false") << ", \"entries\": ";
    if (result.blank) {
        out << "null";
    } else {
        out << '[';
        for (std::size_t i = 0; i < result.entries.size(); ++i) {
            if (i) out << ", ";
            WriteJsonString(out, result.entries[i]);
        }
        out << ']';
    }
    out << "}\n";
}

void WriteReadableLine(std::ostream& out, std::u16string_view word, const CheckResult& result) {
    out << Utf16ToUtf8(word) << ": ";
    if (result.blank) {
        out << "blank, nothing to check\n";
    } else if (result.found) {
        out << "found\n";
    } else if (result.entries.size() == 2 && result.entries[0] == kWordNotFound &&
               result.entries[1] == kNoSuggestions) {
        out << "not found, no suggestions\n";
    } else {
        out << "not found; suggestions: ";
        for (std::size_t i = 0; i < result.entries.size(); ++i) out << (i ? ", " : "") << Utf16ToUtf8(result.entries[i]);
        out << '\n';
    }
}

}  // namespace

int RunCheckCommand(const std::vector<std::u16string>& args, CheckCommandContext& context) {
    const std::optional<Options> options = ParseArguments(args, context.err);
    if (!options) return 2;
    if (options->help) {
        context.out << kCheckCommandUsage;
        return 0;
    }

    const int limit = options->limit ? *options->limit : SettingsSuggestionLimit(context);
    Dictionary dictionary;
    dictionary.LoadDictionary(
        options->dictionary.value_or(context.programDirectory + context.pathSeparator + kDictionaryFileName),
        context.host);
    if (dictionary.DictionaryMissing()) return 2;

    bool allFound = true;
    auto check = [&](std::u16string_view word) {
        const CheckResult result = CheckWord(word, dictionary.Words(), limit);
        allFound = allFound && result.found;
        if (options->json) {
            WriteJsonLine(context.out, word, result);
        } else {
            WriteReadableLine(context.out, word, result);
        }
    };

    if (!options->words.empty()) {
        for (const std::u16string& word : options->words) check(word);
    } else {
        std::string line;
        while (std::getline(context.in, line)) {
            if (!line.empty() && line.back() == '\r' && !context.in.eof()) line.pop_back();
            check(Utf8ToUtf16(line));
            context.out.flush();  // answers arrive as words do, for editors that pipe
        }
    }
    context.out.flush();
    if (!context.out) {
        context.err << "morvane-check: could not write the results\n";
        return 2;
    }
    return allFound ? 0 : 1;
}

}  // namespace morvane
