#include "latex_text.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "check/letters.h"

namespace morvane {
namespace {

using Mode = LatexState::Mode;

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t'; }
bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
// The letters of a command's name (@ too, as in the commands of packages).
bool IsNameLetter(char16_t c) { return IsAsciiLetter(c) || c == u'@'; }
// A code unit of a word's letter (either half of a surrogate pair counts).
bool IsWordUnit(char16_t c) {
    return IsAsciiLetter(c) || (c >= 0x80 && ((c >= 0xD800 && c <= 0xDFFF) || IsWordLetter(c)));
}

struct Environment {
    std::u16string_view name;
    Mode mode;                   // what its body is; Text for prose
    std::uint8_t arguments = 0;  // the arguments after \begin{name} that are not prose
    bool options = false;        // nor is [...] after \begin{name}
};

constexpr Environment kEnvironments[] = {
    {u"equation", Mode::MathEnvironment},    {u"equation*", Mode::MathEnvironment},
    {u"align", Mode::MathEnvironment},       {u"align*", Mode::MathEnvironment},
    {u"alignat", Mode::MathEnvironment},     {u"alignat*", Mode::MathEnvironment},
    {u"flalign", Mode::MathEnvironment},     {u"flalign*", Mode::MathEnvironment},
    {u"gather", Mode::MathEnvironment},      {u"gather*", Mode::MathEnvironment},
    {u"multline", Mode::MathEnvironment},    {u"multline*", Mode::MathEnvironment},
    {u"eqnarray", Mode::MathEnvironment},    {u"eqnarray*", Mode::MathEnvironment},
    {u"math", Mode::MathEnvironment},        {u"displaymath", Mode::MathEnvironment},
    {u"verbatim", Mode::Verbatim},           {u"verbatim*", Mode::Verbatim},
    {u"Verbatim", Mode::Verbatim},           {u"BVerbatim", Mode::Verbatim},
    {u"LVerbatim", Mode::Verbatim},          {u"lstlisting", Mode::Verbatim},
    {u"minted", Mode::Verbatim},             {u"comment", Mode::Verbatim},
    {u"figure", Mode::Text, 0, true},        {u"figure*", Mode::Text, 0, true},
    {u"table", Mode::Text, 0, true},         {u"table*", Mode::Text, 0, true},
    {u"itemize", Mode::Text, 0, true},       {u"enumerate", Mode::Text, 0, true},
    {u"description", Mode::Text, 0, true},   {u"tabular", Mode::Text, 1},
    {u"tabular*", Mode::Text, 2},            {u"tabularx", Mode::Text, 2},
    {u"longtable", Mode::Text, 1},           {u"minipage", Mode::Text, 1},
    {u"wrapfigure", Mode::Text, 2},          {u"multicols", Mode::Text, 1},
};

// What follows a command's name that is not prose.
enum class After : std::uint8_t {
    Arguments,       // its first `arguments` arguments, with their [...] options
    InlineVerbatim,  // `arguments` arguments, then text between a delimiter and the next of it, or {...}
    Definition,      // \def\name#1#2{body}: everything up to the body, and the body
};

struct Command {
    std::u16string_view name;
    std::uint8_t arguments = 1;
    After after = After::Arguments;
};

// In the order of their names, as std::u16string_view orders them.
constexpr Command kCommands[] = {
    {u"Cref"}, {u"DeclareMathOperator", 2}, {u"DeclareRobustCommand", 2}, {u"RequirePackage"}, {u"SI", 2},
    {u"Verb", 0, After::InlineVerbatim}, {u"addbibresource"}, {u"addtocounter", 2}, {u"addtolength", 2},
    {u"autoref"}, {u"bibitem"}, {u"bibliography"}, {u"bibliographystyle"}, {u"color"}, {u"colorbox"},
    {u"cref"}, {u"def", 0, After::Definition}, {u"definecolor", 3}, {u"documentclass"},
    {u"edef", 0, After::Definition}, {u"ensuremath"}, {u"eqref"}, {u"fcolorbox", 2}, {u"fontsize", 2},
    {u"gdef", 0, After::Definition}, {u"geometry"}, {u"graphicspath"}, {u"href"}, {u"hspace"},
    {u"hypersetup"}, {u"include"}, {u"includegraphics"}, {u"includeonly"}, {u"includepdf"},
    {u"includestandalone"}, {u"input"}, {u"inputminted", 2}, {u"label"}, {u"linespread"},
    {u"lstinline", 0, After::InlineVerbatim}, {u"lstinputlisting"}, {u"mintinline", 1, After::InlineVerbatim},
    {u"nameref"}, {u"newcommand", 2}, {u"newcounter"}, {u"newenvironment", 3}, {u"newlength"},
    {u"newtheorem"}, {u"num"}, {u"numberwithin", 2}, {u"pagecolor"}, {u"pagenumbering"}, {u"pageref"},
    {u"pagestyle"}, {u"providecommand", 2}, {u"qty", 2}, {u"raisebox"}, {u"ref"}, {u"refstepcounter"},
    {u"renewcommand", 2}, {u"renewenvironment", 3}, {u"resizebox", 2}, {u"rotatebox"}, {u"rule", 2},
    {u"scalebox"}, {u"setcounter", 2}, {u"setlength", 2}, {u"si"}, {u"stepcounter"}, {u"subfile"},
    {u"textcolor"}, {u"thispagestyle"}, {u"unit"}, {u"url"}, {u"usepackage"}, {u"usetikzlibrary"},
    {u"verb", 0, After::InlineVerbatim}, {u"vref"}, {u"vspace"}, {u"xdef", 0, After::Definition},
};
static_assert(std::ranges::is_sorted(kCommands, {}, &Command::name));

const Command* FindCommand(std::u16string_view name) {
    // \cite, \citep, \parencite, \textcite, \autocites...: the keys of a bibliography.
    static constexpr Command kCitation{u"cite"};
    if (name.starts_with(u"cite") || name.ends_with(u"cite") || name.ends_with(u"cites")) return &kCitation;
    const auto found = std::ranges::lower_bound(kCommands, name, {}, &Command::name);
    return found != std::end(kCommands) && found->name == name ? found : nullptr;
}

// Accents written as a symbol (\'e, \"{o}) and as a letter (\c{c}, \v s).
bool IsAccentSymbol(char16_t c) { return std::u16string_view(u"'`^\"~=.").find(c) != std::u16string_view::npos; }
bool IsAccentName(std::u16string_view name) {
    return name.size() == 1 && std::u16string_view(u"cvuHrkdbt").find(name[0]) != std::u16string_view::npos;
}
// Letters written as commands: \ss, \o, \ae, \l, the dotless \i and \j...
bool IsLetterName(std::u16string_view name) {
    for (std::u16string_view letter : {u"ss", u"o", u"O", u"ae", u"AE", u"oe", u"OE", u"aa", u"AA", u"l", u"L", u"i",
                                       u"j"}) {
        if (name == letter) return true;
    }
    return false;
}

class LatexLine {
public:
    LatexLine(std::u16string& line, LatexState state) : line_(line), state_(state) {}

    LatexState Mask() {
        const bool blankLine = std::all_of(line_.begin(), line_.end(), IsBlank);
        if (blankLine && state_.mode != Mode::Verbatim) return {};
        while (at_ < line_.size()) {
            if (state_.mode == Mode::Verbatim) {
                Verbatim();
            } else if (state_.mode != Mode::Text) {
                Math();
            } else if (state_.argumentDepth > 0) {
                at_ = BlankBraces(at_, state_.argumentDepth);
            } else {
                Text();
            }
        }
        return nextLine_.value_or(state_);
    }

private:
    void Blank(std::size_t from, std::size_t to) {
        to = std::min(to, line_.size());
        if (from < to) line_.replace(from, to - from, to - from, u' ');
    }
    std::size_t SkipBlanks(std::size_t i) const {
        while (i < line_.size() && IsBlank(line_[i])) ++i;
        return i;
    }
    // The end of the command at i (a backslash): a name of letters, or one character.
    std::size_t CommandEnd(std::size_t i) const {
        if (i + 1 >= line_.size()) return i + 1;
        if (!IsNameLetter(line_[i + 1])) return line_[i + 1] < 0x80 ? i + 2 : i + 1;
        std::size_t end = i + 1;
        while (end < line_.size() && IsNameLetter(line_[end])) ++end;
        return end;
    }
    std::u16string_view NameAt(std::size_t i) const {
        return std::u16string_view(line_).substr(i + 1, CommandEnd(i) - i - 1);
    }

    void Text() {
        const char16_t c = line_[at_];
        if (c == u'%') {
            Comment();
        } else if (c == u'$') {
            const bool display = at_ + 1 < line_.size() && line_[at_ + 1] == u'$';
            state_.mode = display ? Mode::DisplayMath : Mode::InlineMath;
            Blank(at_, at_ + (display ? 2 : 1));
            at_ += display ? 2 : 1;
        } else if (c == u'\\') {
            ReadCommand();
        } else {
            ++at_;
        }
    }

    // The rest of the line is a comment, checked as text; the next line goes on in the state
    // the comment began in.
    void Comment() {
        Blank(at_, at_ + 1);
        ++at_;
        if (!nextLine_) nextLine_ = state_;
        state_ = {};
    }

    void ReadCommand() {
        if (const std::size_t letterEnd = LetterCommandEnd(at_)) {
            BlankWordAround(at_, letterEnd);
            return;
        }
        const std::size_t nameEnd = CommandEnd(at_);
        const char16_t first = nameEnd > at_ + 1 ? line_[at_ + 1] : u'\0';
        if (first == u'(' || first == u'[') {
            state_.mode = first == u'(' ? Mode::ParenMath : Mode::BracketMath;
        }
        if (!IsNameLetter(first)) {  // \\ takes a length as its option: \\[2pt]
            Blank(at_, nameEnd);
            at_ = first == u'\\' ? SkipArguments(nameEnd, 0, true) : nameEnd;
            return;
        }
        const std::u16string_view name = NameAt(at_);
        const bool begin = name == u"begin", end = name == u"end";
        const Command* command = FindCommand(name);
        std::size_t after = nameEnd;
        if (after < line_.size() && line_[after] == u'*') ++after;
        Blank(at_, after);
        at_ = after;
        if (begin) {
            Begin();
        } else if (end) {
            EnvironmentName();
        } else if (command != nullptr) {
            Arguments(*command);
        }
    }

    // Reads and blanks {name} after \begin or \end; its place in the table, or none.
    std::optional<std::size_t> EnvironmentName() {
        const std::size_t open = SkipBlanks(at_);
        if (open >= line_.size() || line_[open] != u'{') return std::nullopt;
        const std::size_t close = line_.find(u'}', open);
        if (close == std::u16string::npos) return std::nullopt;
        const std::u16string_view name = std::u16string_view(line_).substr(open + 1, close - open - 1);
        std::optional<std::size_t> found;
        for (std::size_t i = 0; i < std::size(kEnvironments); ++i) {
            if (kEnvironments[i].name == name) found = i;
        }
        Blank(at_, close + 1);
        at_ = close + 1;
        return found;
    }

    void Begin() {
        const std::optional<std::size_t> found = EnvironmentName();
        if (!found) return;
        const Environment& environment = kEnvironments[*found];
        if (environment.mode == Mode::Text) {
            at_ = SkipArguments(at_, environment.arguments, environment.options);
        } else {
            state_.mode = environment.mode;
            state_.environment = static_cast<std::uint8_t>(*found);
        }
    }

    void Arguments(const Command& command) {
        if (command.after == After::Definition) {
            const std::size_t body = line_.find(u'{', at_);
            Blank(at_, body);
            at_ = body == std::u16string::npos ? line_.size() : BlankBraces(body, 0);
            return;
        }
        at_ = SkipArguments(at_, command.arguments, command.after == After::InlineVerbatim);
        if (command.after != After::InlineVerbatim || at_ >= line_.size() || state_.argumentDepth > 0) return;
        const char16_t delimiter = line_[at_] == u'{' ? u'}' : line_[at_];
        const std::size_t close = line_.find(delimiter, at_ + 1);
        const std::size_t end = close == std::u16string::npos ? line_.size() : close + 1;
        Blank(at_, end);
        at_ = end;
    }

    // Blanks the arguments of a command from i: `count` of them, each {...} or a command
    // (\newcommand\name), with the [...] options before them (and after them too, when
    // `trailingOptions`). Returns where the prose goes on.
    std::size_t SkipArguments(std::size_t i, int count, bool trailingOptions) {
        for (;;) {
            const std::size_t next = SkipBlanks(i);
            if (next >= line_.size()) return i;
            if (line_[next] == u'[' && (count > 0 || trailingOptions)) {
                const std::size_t close = line_.find(u']', next);
                if (close == std::u16string::npos) return i;
                Blank(i, close + 1);
                i = close + 1;
                continue;
            }
            if (count == 0) return i;
            if (line_[next] == u'{') {
                Blank(i, next);
                i = BlankBraces(next, 0);
                if (state_.argumentDepth > 0) return i;
            } else if (line_[next] == u'\\') {
                Blank(i, CommandEnd(next));
                i = CommandEnd(next);
            } else {
                return i;
            }
            --count;
        }
    }

    // Blanks from i, `depth` braces deep, up to the brace that closes the first (or the line's
    // end, the braces still open kept in the state). Returns where it stopped.
    std::size_t BlankBraces(std::size_t i, std::uint8_t depth) {
        for (; i < line_.size(); ++i) {
            const char16_t c = line_[i];
            if (c == u'\\' && i + 1 < line_.size()) {
                line_[i++] = u' ';  // \{ and \} are not braces
            } else if (c == u'{') {
                depth = static_cast<std::uint8_t>(std::min(depth + 1, 255));
            } else if (c == u'}' && depth > 0 && --depth == 0) {
                line_[i] = u' ';
                state_.argumentDepth = 0;
                return i + 1;
            }
            line_[i] = u' ';
        }
        state_.argumentDepth = depth;
        return i;
    }

    void Math() {
        const char16_t c = line_[at_];
        const char16_t next = at_ + 1 < line_.size() ? line_[at_ + 1] : u'\0';
        std::size_t end = at_ + 1;
        bool closes = false;
        if (c == u'%') {
            Comment();
            return;
        }
        if (c == u'\\') {
            closes = (next == u')' && state_.mode == Mode::ParenMath) ||
                     (next == u']' && state_.mode == Mode::BracketMath);
            end = CommandEnd(at_);
            if (state_.mode == Mode::MathEnvironment && NameAt(at_) == u"end") {
                const std::size_t close = EndOfEnvironment(end);
                closes = close != 0;
                if (closes) end = close;
            }
        } else if (c == u'$') {
            closes = state_.mode == Mode::InlineMath || (state_.mode == Mode::DisplayMath && next == u'$');
            if (state_.mode == Mode::DisplayMath && next == u'$') end = at_ + 2;
        }
        Blank(at_, end);
        at_ = end;
        if (closes) state_ = {};
    }

    // Whether the open environment's name and a } stand at i.
    bool OpenEnvironmentNameAt(std::size_t i) const {
        const std::u16string_view name = kEnvironments[state_.environment].name;
        const std::u16string_view rest = std::u16string_view(line_).substr(std::min(i, line_.size()));
        return rest.starts_with(name) && rest.substr(name.size()).starts_with(u'}');
    }

    // The end of {name} from i when name is the open environment's, else 0.
    std::size_t EndOfEnvironment(std::size_t i) const {
        i = SkipBlanks(i);
        if (i >= line_.size() || line_[i] != u'{' || !OpenEnvironmentNameAt(i + 1)) return 0;
        return i + kEnvironments[state_.environment].name.size() + 2;
    }

    void Verbatim() {
        for (std::size_t end = line_.find(u"\\end{", at_); end != std::u16string::npos;
             end = line_.find(u"\\end{", end + 1)) {
            if (OpenEnvironmentNameAt(end + 5)) {
                const std::size_t after = end + 5 + kEnvironments[state_.environment].name.size() + 1;
                Blank(at_, after);
                at_ = after;
                state_ = {};
                return;
            }
        }
        Blank(at_, line_.size());
        at_ = line_.size();
    }

    // The end of a command at i that stands for a letter: an accent with its letter (\'e,
    // \"{\i}, \c c), a letter (\ss, \o{}) or a place to hyphenate (\-); 0 for any other.
    std::size_t LetterCommandEnd(std::size_t i) const {
        if (i + 1 >= line_.size() || line_[i] != u'\\') return 0;
        const char16_t first = line_[i + 1];
        if (first == u'-') return i + 2;
        if (IsAccentSymbol(first)) return AccentedLetterEnd(i + 2);
        if (!IsAsciiLetter(first)) return 0;
        const std::u16string_view name = NameAt(i);
        const std::size_t end = CommandEnd(i);
        // The blanks after a command's name are part of it: Stra\ss e is one word, as is \c c.
        const std::size_t letter = SkipBlanks(end);
        if (IsLetterName(name)) {
            if (std::u16string_view(line_).substr(end, 2) == u"{}") return end + 2;
            return letter < line_.size() && IsWordUnit(line_[letter]) ? letter : end;
        }
        if (!IsAccentName(name)) return 0;
        if (letter < line_.size() && line_[letter] == u'{') return AccentedLetterEnd(letter);
        return letter > end && letter < line_.size() && IsAsciiLetter(line_[letter]) ? letter + 1 : 0;
    }
    // The end of the letter an accent is on, at i: a letter, {letter}, {\i} or \i; 0 for none.
    std::size_t AccentedLetterEnd(std::size_t i) const {
        if (i >= line_.size()) return 0;
        if (IsAsciiLetter(line_[i])) return i + 1;
        if (line_[i] == u'{') {
            const std::size_t close = line_.find(u'}', i);
            return close != std::u16string::npos && close > i + 1 && close - i <= 4 ? close + 1 : 0;
        }
        return line_[i] == u'\\' && IsLetterName(NameAt(i)) ? CommandEnd(i) : 0;
    }

    // Blanks the word that a letter command from i to end is part of: a word with an accent
    // command in it is left out whole, rather than checked as halves.
    void BlankWordAround(std::size_t i, std::size_t end) {
        auto joins = [&](char16_t c) { return c == u'\'' || c == u'-'; };
        std::size_t start = i;
        while (start > 0 && (IsWordUnit(line_[start - 1]) ||
                             (joins(line_[start - 1]) && start >= 2 && IsWordUnit(line_[start - 2])))) {
            --start;
        }
        for (;;) {
            const std::size_t from = end < line_.size() && joins(line_[end]) ? end + 1 : end;
            if (from >= line_.size()) break;
            if (IsWordUnit(line_[from])) {
                end = from + 1;
            } else if (const std::size_t letterEnd = LetterCommandEnd(from)) {
                end = letterEnd;
            } else {
                break;
            }
        }
        Blank(start, end);
        at_ = end;
    }

    std::u16string& line_;
    LatexState state_;
    std::optional<LatexState> nextLine_;  // once a comment has begun: the state the next line starts in
    std::size_t at_ = 0;
};

}  // namespace

LatexState MaskLatexLine(LatexState state, std::u16string& line) { return LatexLine(line, state).Mask(); }

}  // namespace morvane
