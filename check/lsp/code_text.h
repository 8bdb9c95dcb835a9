#pragma once
// The prose of source code: the words of its comments and string literals, found by the
// language's markers (a row of the table in code_languages.cpp), everything else blanked,
// and the addresses written out in them too.
// Markup languages (HTML, XML) are the other way round: the text between the tags is prose,
// the tags are blanked, and comments are prose too.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace morvane {

enum class SpanKind : std::uint8_t {
    Comment,  // prose
    String,   // prose, with the escapes blanked
    Hidden,   // not prose: a tag of markup, a script or style element, an #include line
};

// One kind of comment or string, from its opening marker to its closing one. Markers are
// ASCII. A span with an empty close ends at the end of its line (a line comment).
struct CodeSpan {
    SpanKind kind = SpanKind::Comment;
    std::string_view open;
    std::string_view close;
    bool multiLine = false;     // goes on past the end of its line until closed
    char escape = 0;            // blanks itself and the character after it ('\\', PowerShell's '`')
    bool doubledClose = false;  // the close written twice is one character of the text ('' in SQL)
    bool nests = false;         // an open inside opens one more level
    // Markers that repeat a character a chosen number of times ([==[ ... ]==] in Lua, r#"..."#
    // in Rust, R"x(...)x" in C++): the character goes between `open` and `openEnd`, and before
    // `closeEnd`; '*' is any character a C++ raw string's delimiter may hold.
    char repeated = 0;
    std::string_view openEnd;
    std::string_view closeEnd;
    bool atLineStart = false;   // both markers only at the start of a line (=begin, =end)
    bool interpolates = false;  // ${...} inside is code (JavaScript's template literals)
};

// A language's comments and strings, tried in order at each place (the longer of two markers
// that start alike goes first).
struct CodeSyntax {
    std::span<const CodeSpan> spans;
    bool markup = false;              // the text outside the spans is prose (HTML, XML)
    bool commentAtWordStart = false;  // a comment opens only first or after a blank, ;, |, & or ( (shell's #)
    bool charLiterals = false;        // 'a' and '\n' are characters, not strings; a lone ' is not a quote
    std::string_view stringPrefixes;  // letters that may stand before a string's quote (Python's rb"...")
    std::string_view rawPrefixes;     // those of them that turn the escapes off
};

// What a line of code inherits from the lines before it: the span left open, if any.
struct CodeState {
    std::uint8_t span = 0;   // 1 + the open span's index in its syntax, 0 in code
    std::uint8_t level = 0;  // how deep a nesting span is, or how many times the marker repeats
    bool raw = false;        // the open string's escapes are off
    bool operator==(const CodeState&) const = default;
};

// The syntax of a language id (as editors send it: "cpp", Emacs' "c++", "python-ts", ...),
// or nullptr for a language that is not source code the table knows.
const CodeSyntax* CodeSyntaxOfLanguage(std::string_view languageId);

// Replaces what is not prose on the line (without its line end) with spaces, so that every
// word keeps its place; returns the state the next line starts in.
CodeState MaskCodeLine(const CodeSyntax& syntax, CodeState state, std::u16string& line);

}  // namespace morvane
