#include "check_command.h"

#include <istream>
#include <optional>
#include <ostream>

#include <nlohmann/json.hpp>

#include "check/lsp/language_server.h"
#include "engine/check_list.h"
#include "engine/spelling.h"
#include "engine/suggestion_limit.h"
#include "profile_file.h"
#include "engine/utf8.h"
#include "personal_words.h"
#include "pipe_session.h"

namespace morvane {

// Where the personal word list is by default, as the help says it.
#if defined(_WIN32)
#define MORVANE_PERSONAL_WORDS_DEFAULT "%APPDATA%\\Morvane\\personal-words.txt"
#define MORVANE_PERSONAL_WORDS_UNPLACED "the environment variable APPDATA, which names the user's data folder, is not set"
#else
#define MORVANE_PERSONAL_WORDS_UNPLACED \
    "neither XDG_DATA_HOME nor HOME, which name the user's folders, is set to an absolute path"
#define MORVANE_PERSONAL_WORDS_DEFAULT \
    "$XDG_DATA_HOME/morvane/personal-words, else\n" \
    "                     ~/.local/share/morvane/personal-words"
#endif

const char kCheckCommandUsage[] =
    "Usage: morvane-check [--dictionary FILE] [--max N] [--json] [WORD ...]\n"
    "       morvane-check -a [-d FILE] [-p FILE] [--max N]    (the pipe mode of editors)\n"
    "       morvane-check -l [-d FILE] [-p FILE]              (list the unknown words of a text)\n"
    "       morvane-check --lsp [-d FILE] [-p FILE] [--max N] (a language server for editors)\n"
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
    "  --json             one JSON object per word, a line each, in UTF-8:\n"
    "                     {\"word\":\"...\",\"found\":true|false,\"entries\":[\"...\",...]}\n"
    "                     \"entries\" is null for a text that is blank once spaces are trimmed\n"
    "                     (the window leaves its list as it is)\n"
    "  --help             this text\n"
    "  --                 what follows is words, even when it begins with --\n"
    "\n"
    "Without --json each word gets one readable line.\n"
    "Exit status: 0 when every word was found, 1 when at least one was not, 2 on a usage or\n"
    "file error (with a message on standard error).\n"
    "\n"
    "Pipe mode (-a), as editors and mail programs speak it, in UTF-8: a version line first;\n"
    "then for each line of text one line per word, \"*\" when found, \"& WORD COUNT OFFSET: S1,\n"
    "S2, ...\" with suggestions, \"# WORD OFFSET\" without, and an empty line after the line.\n"
    "Words are runs of letters (of any script, accents and combining marks included), an\n"
    "apostrophe or hyphen kept between two letters. A word of A-Z and a-z alone is checked as\n"
    "the window checks it; a word with any other letter is found (the dictionary holds none); a\n"
    "hyphenated word that is not found whole is checked part by part, each part answered on its\n"
    "own. OFFSET counts characters from the start of the line.\n"
    "A line that begins with ^ is text; *WORD adds WORD to the personal word list, &WORD adds\n"
    "it in lower case, @WORD accepts it for this session, # saves the list, ! and % turn terse\n"
    "mode (no line for found words) on and off. + - and ~ are accepted and change nothing:\n"
    "there is no TeX or nroff mode, all text is plain.\n"
    "List mode (-l) reads text and prints each word (or part) that is not found, one per line,\n"
    "in the order met; exit status 0 once the text is read, 2 on a usage or file error.\n"
    "Language server (--lsp): the Language Server Protocol on standard input and output, for\n"
    "editors; open documents get a diagnostic for each word not found, with the suggestions, add\n"
    "to the personal word list and ignore as code actions. Markdown is checked without its code,\n"
    "URLs and HTML. Exit status 0 after the client's shutdown and exit, else 1.\n"
    "\n"
    "  -d FILE            the dictionary, as --dictionary\n"
    "  -p FILE            the personal word list, UTF-8, one word per line; by default\n"
    "                     " MORVANE_PERSONAL_WORDS_DEFAULT "\n"
    "  -v, -vv            print the version line and exit\n"
    "  --encoding=utf-8   accepted: text is always UTF-8\n"
    "  -m -B -C -S -t -n -H -o -W N -w CHARS -T FMT\n"
    "                     accepted for the editors that pass them; they change nothing\n";
#undef MORVANE_PERSONAL_WORDS_DEFAULT

namespace {

enum class Mode { Words, Pipe, List, Version, LanguageServer };

struct Options {
    Mode mode = Mode::Words;
    std::optional<std::u16string> dictionary;
    std::optional<std::u16string> personalWords;
    std::optional<int> limit;
    bool json = false;
    bool help = false;
    std::vector<std::u16string> words;
};

// Flags that editors pass and that change nothing here: alone, and followed by a value.
bool IsIgnoredFlag(std::u16string_view arg) {
    for (const char16_t* flag : {u"-m", u"-B", u"-C", u"-S", u"-t", u"-n", u"-H", u"-o"}) {
        if (arg == flag) return true;
    }
    return false;
}
bool IsIgnoredFlagWithValue(std::u16string_view arg) { return arg == u"-W" || arg == u"-w" || arg == u"-T"; }

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

// One --name or --name=value option (the value may also be the next argument); false, with a
// message written, when it is not usable.
bool ParseLongOption(const std::u16string& arg, const std::vector<std::u16string>& args, std::size_t& i,
                     Options& options, std::ostream& err) {
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
    } else if (name == u"--lsp" && equals == std::u16string::npos) {
        options.mode = Mode::LanguageServer;
    } else if (name == u"--json" && equals == std::u16string::npos) {
        options.json = true;
    } else if (name == u"--dictionary") {
        options.dictionary = value();
        return options.dictionary.has_value();
    } else if (name == u"--encoding") {
        const std::optional<std::u16string> encoding = value();
        if (!encoding) return false;
        if (LowerCased(*encoding) != u"utf-8" && LowerCased(*encoding) != u"utf8") {
            err << "morvane-check: the only encoding is utf-8, not \"" << Utf16ToUtf8(*encoding) << "\"\n";
            return false;
        }
    } else if (name == u"--max") {
        const std::optional<std::u16string> text = value();
        if (!text) return false;
        options.limit = ParseMaxArgument(*text);
        if (!options.limit) {
            err << "morvane-check: --max needs a whole number from 0 to " << kMaxSuggestionLimit << ", not \""
                << Utf16ToUtf8(*text) << "\"\n";
            return false;
        }
    } else {
        err << "morvane-check: unknown option " << Utf16ToUtf8(arg) << " (see --help)\n";
        return false;
    }
    return true;
}

// Nothing (with a message written) when the arguments are not usable.
std::optional<Options> ParseArguments(const std::vector<std::u16string>& args, std::ostream& err) {
    Options options;
    bool wordsOnly = false;
    std::vector<std::u16string> unknownFlags;  // single-dash texts: words, unless a mode takes no words
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string& arg = args[i];
        auto next = [&]() -> std::optional<std::u16string> {
            if (i + 1 < args.size()) return args[++i];
            err << "morvane-check: " << Utf16ToUtf8(arg) << " needs a value\n";
            return std::nullopt;
        };
        if (wordsOnly || arg.size() < 2 || arg[0] != u'-') {
            options.words.push_back(arg);
        } else if (arg == u"-a" || arg == u"-l" || arg == u"-v" || arg == u"-vv") {
            options.mode = arg == u"-a" ? Mode::Pipe : arg == u"-l" ? Mode::List : Mode::Version;
        } else if (arg == u"-d" || arg == u"-p") {
            std::optional<std::u16string>& target = arg == u"-d" ? options.dictionary : options.personalWords;
            target = next();
            if (!target) return std::nullopt;
        } else if (IsIgnoredFlag(arg)) {
        } else if (IsIgnoredFlagWithValue(arg)) {
            if (!next()) return std::nullopt;
        } else if (arg[1] != u'-') {
            unknownFlags.push_back(arg);
            options.words.push_back(arg);
        } else if (arg == u"--") {
            wordsOnly = true;
        } else if (!ParseLongOption(arg, args, i, options, err)) {
            return std::nullopt;
        }
    }
    if (options.mode != Mode::Words && !options.words.empty()) {
        if (!unknownFlags.empty()) {
            err << "morvane-check: unknown option " << Utf16ToUtf8(unknownFlags.front()) << " (see --help)\n";
        } else {
            err << "morvane-check: -a, -l and --lsp read their text from standard input, not \""
                << Utf16ToUtf8(options.words.front()) << "\"\n";
        }
        return std::nullopt;
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

// One line of JSON: {"word": ..., "found": ..., "entries": [...] or null}, in that order.
void WriteJsonLine(std::ostream& out, std::u16string_view word, const CheckResult& result) {
    nlohmann::ordered_json line;
    line["word"] = Utf16ToUtf8(word);
    line["found"] = result.found;
    line["entries"] = nullptr;
    if (!result.blank) {
        line["entries"] = nlohmann::ordered_json::array();
        for (const std::u16string& entry : result.entries) line["entries"].push_back(Utf16ToUtf8(entry));
    }
    out << line.dump() << '\n';
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

// A client that waits for each answer gets it at once; text that arrives in a block is
// answered in blocks.
void FlushUnlessInputWaits(CheckCommandContext& context) {
    if (context.in.rdbuf()->in_avail() <= 0) context.out.flush();
}

// The words of the command line, else the lines of standard input; 1 when one was not found.
int CheckWords(const Options& options, const WordList& words, int limit, CheckCommandContext& context) {
    bool allFound = true;
    auto check = [&](std::u16string_view word) {
        const CheckResult result = CheckWord(word, words, limit);
        allFound = allFound && result.found;
        if (options.json) {
            WriteJsonLine(context.out, word, result);
        } else {
            WriteReadableLine(context.out, word, result);
        }
    };
    if (!options.words.empty()) {
        for (const std::u16string& word : options.words) check(word);
    } else {
        std::string line;
        while (std::getline(context.in, line)) {
            if (!line.empty() && line.back() == '\r' && !context.in.eof()) line.pop_back();
            check(Utf8ToUtf16(line));
            FlushUnlessInputWaits(context);
        }
    }
    return allFound ? 0 : 1;
}

// A missing list is an empty one; one that cannot be read is reported.
bool LoadPersonalWords(const std::u16string& path, PersonalWords& personal, CheckCommandContext& context) {
    if (!context.host.FileExists(path)) return true;
    const FileReadResult file = context.host.ReadWholeFile(path);
    if (!file.ok) {
        context.err << "morvane-check: could not read the personal word list " << Utf16ToUtf8(path) << ": "
                    << Utf16ToUtf8(file.reason) << '\n';
        return false;
    }
    personal.LoadFileText({file.bytes.data.get(), file.bytes.size});
    return true;
}

}  // namespace

int RunCheckCommand(const std::vector<std::u16string>& args, CheckCommandContext& context) {
    const std::optional<Options> options = ParseArguments(args, context.err);
    if (!options) return 2;
    if (options->help) {
        context.out << kCheckCommandUsage;
        return 0;
    }
    if (options->mode == Mode::Version) {
        context.out << kPipeVersionLine << '\n';
        return 0;
    }

    const int limit = options->limit ? *options->limit : SettingsSuggestionLimit(context);
    const std::u16string dictionaryPath =
        options->dictionary.value_or(context.programDirectory + context.pathSeparator + kDictionaryFileName);
    Dictionary dictionary;
    dictionary.LoadDictionary(dictionaryPath, context.host);
    if (dictionary.DictionaryMissing()) return 2;

    int status = 0;
    if (options->mode == Mode::Words) {
        status = CheckWords(*options, dictionary.Words(), limit, context);
    } else {
        const std::u16string path = options->personalWords.value_or(context.personalWordsPath);
        if (path.empty()) {  // never a file beside the program or in the current folder instead
            context.err << "morvane-check: there is no place for the personal word list: " MORVANE_PERSONAL_WORDS_UNPLACED
                           "; name a list with -p FILE\n";
            return 2;
        }
        PersonalWords personal;
        if (!LoadPersonalWords(path, personal, context)) return 2;
        if (options->mode == Mode::LanguageServer) {
            return RunLanguageServer({context.host, std::move(dictionary), dictionaryPath, limit, path,
                                      std::move(personal), context.replaceFile},
                                     context.in, context.out, context.err);
        }
        if (options->mode == Mode::List) {
            ListUnknownWords(context.in, dictionary.Words(), personal, context.out);
        } else {
            context.out << kPipeVersionLine << '\n' << std::flush;  // clients wait for it before writing
            PipeSession session(
                dictionary.Words(), limit, personal,
                [&](std::string_view text) { return context.replaceFile(path, text); }, context.out, context.err);
            std::string line;
            while (std::getline(context.in, line)) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                session.HandleLine(line);
                FlushUnlessInputWaits(context);
            }
        }
    }
    context.out.flush();
    if (!context.out) {
        context.err << "morvane-check: could not write the results\n";
        return 2;
    }
    if (context.in.bad()) {  // a read error, or no memory left for a line: the input did not end
        context.err << "morvane-check: could not read the standard input\n";
        return 2;
    }
    return status;
}

}  // namespace morvane
