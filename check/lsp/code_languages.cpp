// The comments and strings of each language the server knows as source code, and the
// language ids (as editors send them) of each.
#include <algorithm>
#include <cctype>
#include <string>

#include "code_text.h"

namespace morvane {
namespace {

constexpr CodeSpan Span(SpanKind kind, std::string_view open, std::string_view close) {
    CodeSpan span;
    span.kind = kind;
    span.open = open;
    span.close = close;
    return span;
}
constexpr CodeSpan LineComment(std::string_view open) { return Span(SpanKind::Comment, open, ""); }
constexpr CodeSpan BlockComment(std::string_view open, std::string_view close) {
    CodeSpan span = Span(SpanKind::Comment, open, close);
    span.multiLine = true;
    return span;
}
constexpr CodeSpan NestedComment(std::string_view open, std::string_view close) {
    CodeSpan span = BlockComment(open, close);
    span.nests = true;
    return span;
}
// A string without escapes.
constexpr CodeSpan Raw(std::string_view open, std::string_view close) { return Span(SpanKind::String, open, close); }
// A string of one line with escapes: "..." and '...' in most languages.
constexpr CodeSpan Quoted(std::string_view quote, char escape = '\\') {
    CodeSpan span = Raw(quote, quote);
    span.escape = escape;
    return span;
}
// A string without escapes; a quote written twice stands for one ('it''s' in SQL).
constexpr CodeSpan Literal(std::string_view open, std::string_view quote) {
    CodeSpan span = Raw(open, quote);
    span.doubledClose = true;
    return span;
}
constexpr CodeSpan Literal(std::string_view quote) { return Literal(quote, quote); }
constexpr CodeSpan Hidden(std::string_view open, std::string_view close) { return Span(SpanKind::Hidden, open, close); }
constexpr CodeSpan MultiLine(CodeSpan span) {
    span.multiLine = true;
    return span;
}
// Markers with a repeated character: open + n × repeated + openEnd ... close + n × repeated + closeEnd.
constexpr CodeSpan Repeated(CodeSpan span, char repeated, std::string_view openEnd, std::string_view closeEnd) {
    span.multiLine = true;
    span.repeated = repeated;
    span.openEnd = openEnd;
    span.closeEnd = closeEnd;
    return span;
}
constexpr CodeSpan AtLineStart(CodeSpan span) {
    span.atLineStart = true;
    return span;
}
constexpr CodeSpan Escaped(CodeSpan span, char escape) {
    span.escape = escape;
    return span;
}
constexpr CodeSpan Interpolating(CodeSpan span) {
    span.interpolates = true;
    return span;
}

// #!/usr/bin/env python3: the program a script runs with, not a comment.
const CodeSpan kShebang = AtLineStart(Hidden("#!", ""));

const CodeSpan kCSpans[] = {Hidden("#include", ""), Hidden("#import", ""), LineComment("//"),
                            BlockComment("/*", "*/"), Quoted("\"")};
const CodeSpan kCppSpans[] = {Hidden("#include", ""), Hidden("#import", ""), LineComment("//"),
                              BlockComment("/*", "*/"), Repeated(Raw("R\"", ")"), '*', "(", "\""), Quoted("\"")};
const CodeSpan kCSharpSpans[] = {LineComment("//"), BlockComment("/*", "*/"), MultiLine(Literal("@$\"", "\"")),
                                 MultiLine(Literal("@\"", "\"")), MultiLine(Raw("\"\"\"", "\"\"\"")), Quoted("\"")};
const CodeSpan kJavaSpans[] = {LineComment("//"), BlockComment("/*", "*/"), MultiLine(Quoted("\"\"\"")),
                               Quoted("\"")};
const CodeSpan kGroovySpans[] = {LineComment("//"), BlockComment("/*", "*/"), MultiLine(Quoted("\"\"\"")),
                                 MultiLine(Quoted("'''")), Quoted("\""), Quoted("'")};
const CodeSpan kKotlinSpans[] = {LineComment("//"), NestedComment("/*", "*/"),
                                 Interpolating(MultiLine(Raw("\"\"\"", "\"\"\""))), Interpolating(Quoted("\""))};
const CodeSpan kSwiftSpans[] = {LineComment("//"), NestedComment("/*", "*/"), MultiLine(Quoted("\"\"\"")),
                                Quoted("\"")};
const CodeSpan kScalaSpans[] = {LineComment("//"), NestedComment("/*", "*/"), MultiLine(Raw("\"\"\"", "\"\"\"")),
                                Quoted("\"")};
const CodeSpan kJavaScriptSpans[] = {LineComment("//"), BlockComment("/*", "*/"), Quoted("\""), Quoted("'"),
                                     Interpolating(MultiLine(Quoted("`")))};
const CodeSpan kDartSpans[] = {LineComment("//"), NestedComment("/*", "*/"), MultiLine(Quoted("\"\"\"")),
                               MultiLine(Quoted("'''")), Quoted("\""), Quoted("'")};
const CodeSpan kGoSpans[] = {MultiLine(Hidden("import (", ")")), Hidden("import \"", ""), LineComment("//"),
                             BlockComment("/*", "*/"), Quoted("\""), MultiLine(Raw("`", "`"))};
const CodeSpan kRustSpans[] = {LineComment("//"), NestedComment("/*", "*/"), Repeated(Raw("r", "\""), '#', "\"", ""),
                               Quoted("\"")};
const CodeSpan kPhpSpans[] = {LineComment("//"), LineComment("#"), BlockComment("/*", "*/"), Quoted("\""),
                              Quoted("'")};
const CodeSpan kCssSpans[] = {BlockComment("/*", "*/"), Quoted("\""), Quoted("'")};
const CodeSpan kScssSpans[] = {LineComment("//"), BlockComment("/*", "*/"), Quoted("\""), Quoted("'")};
const CodeSpan kJsonSpans[] = {LineComment("//"), BlockComment("/*", "*/"), Quoted("\"")};
const CodeSpan kPythonSpans[] = {kShebang, LineComment("#"), MultiLine(Quoted("\"\"\"")), MultiLine(Quoted("'''")),
                                 Quoted("\""), Quoted("'")};
const CodeSpan kShellSpans[] = {kShebang, LineComment("#"), Quoted("\""), Raw("'", "'")};
const CodeSpan kHashSpans[] = {kShebang, LineComment("#"), Quoted("\""), Quoted("'")};  // R, Elixir's, ...
const CodeSpan kRubySpans[] = {kShebang, AtLineStart(BlockComment("=begin", "=end")), LineComment("#"), Quoted("\""),
                               Quoted("'")};
const CodeSpan kPerlSpans[] = {kShebang, AtLineStart(BlockComment("=pod", "=cut")),
                               AtLineStart(BlockComment("=head", "=cut")),
                               LineComment("#"), Quoted("\""), Quoted("'")};
const CodeSpan kPowerShellSpans[] = {BlockComment("<#", "#>"), LineComment("#"),
                                     MultiLine(Escaped(Raw("@\"", "\"@"), '`')),
                                     MultiLine(Raw("@'", "'@")), Quoted("\"", '`'),
                                     Literal("'")};
const CodeSpan kLuaSpans[] = {Repeated(BlockComment("--[", "]"), '=', "[", "]"), LineComment("--"),
                              Repeated(Raw("[", "]"), '=', "[", "]"), Quoted("\""), Quoted("'")};
const CodeSpan kSqlSpans[] = {LineComment("--"), BlockComment("/*", "*/"), Literal("'")};
const CodeSpan kHaskellSpans[] = {NestedComment("{-", "-}"), LineComment("--"), Quoted("\"")};
const CodeSpan kAdaSpans[] = {LineComment("--"), Literal("\"")};
const CodeSpan kLispSpans[] = {LineComment(";"), NestedComment("#|", "|#"), MultiLine(Quoted("\""))};
const CodeSpan kPercentSpans[] = {BlockComment("%{", "%}"), LineComment("%"), Quoted("\"")};  // Erlang, MATLAB
const CodeSpan kYamlSpans[] = {LineComment("#"), Quoted("\""), Literal("'")};
const CodeSpan kTomlSpans[] = {LineComment("#"), MultiLine(Quoted("\"\"\"")), MultiLine(Raw("'''", "'''")),
                               Quoted("\""), Raw("'", "'")};
const CodeSpan kIniSpans[] = {LineComment(";"), LineComment("#")};
const CodeSpan kMakefileSpans[] = {LineComment("#")};
const CodeSpan kCMakeSpans[] = {Repeated(BlockComment("#[", "]"), '=', "[", "]"), LineComment("#"), Quoted("\"")};
const CodeSpan kJuliaSpans[] = {NestedComment("#=", "=#"), LineComment("#"), MultiLine(Quoted("\"\"\"")),
                                Quoted("\"")};
const CodeSpan kMlSpans[] = {NestedComment("(*", "*)"), MultiLine(Quoted("\""))};  // OCaml
const CodeSpan kFSharpSpans[] = {LineComment("//"), NestedComment("(*", "*)"), MultiLine(Raw("\"\"\"", "\"\"\"")),
                                 Quoted("\"")};
const CodeSpan kPascalSpans[] = {LineComment("//"), BlockComment("(*", "*)"), BlockComment("{", "}"), Literal("'")};
const CodeSpan kFortranSpans[] = {LineComment("!"), Literal("\""), Literal("'")};
const CodeSpan kHtmlSpans[] = {BlockComment("<!--", "-->"), MultiLine(Raw("<![CDATA[", "]]>")),
                               MultiLine(Hidden("<script", "</script>")), MultiLine(Hidden("<style", "</style>")),
                               MultiLine(Hidden("<", ">"))};
const CodeSpan kXmlSpans[] = {BlockComment("<!--", "-->"), MultiLine(Raw("<![CDATA[", "]]>")),
                              MultiLine(Hidden("<", ">"))};

enum Feature : unsigned {
    kMarkup = 1,
    kCommentAtWordStart = 2,
    kCharLiterals = 4,
};
constexpr CodeSyntax Syntax(std::span<const CodeSpan> spans, unsigned features = 0, std::string_view prefixes = {},
                            std::string_view rawPrefixes = {}) {
    CodeSyntax syntax;
    syntax.spans = spans;
    syntax.markup = (features & kMarkup) != 0;
    syntax.commentAtWordStart = (features & kCommentAtWordStart) != 0;
    syntax.charLiterals = (features & kCharLiterals) != 0;
    syntax.stringPrefixes = prefixes;
    syntax.rawPrefixes = rawPrefixes;
    return syntax;
}

const CodeSyntax kC = Syntax(kCSpans, kCharLiterals);
const CodeSyntax kCpp = Syntax(kCppSpans, kCharLiterals, "uUL8");
const CodeSyntax kCSharp = Syntax(kCSharpSpans, kCharLiterals, "$");
const CodeSyntax kJava = Syntax(kJavaSpans, kCharLiterals);
const CodeSyntax kGroovy = Syntax(kGroovySpans);
const CodeSyntax kKotlin = Syntax(kKotlinSpans, kCharLiterals);
const CodeSyntax kSwift = Syntax(kSwiftSpans);
const CodeSyntax kScala = Syntax(kScalaSpans, kCharLiterals);
const CodeSyntax kJavaScript = Syntax(kJavaScriptSpans);
const CodeSyntax kDart = Syntax(kDartSpans, 0, "r", "r");
const CodeSyntax kGo = Syntax(kGoSpans, kCharLiterals);
const CodeSyntax kRust = Syntax(kRustSpans, kCharLiterals, "b");
const CodeSyntax kPhp = Syntax(kPhpSpans);
const CodeSyntax kCss = Syntax(kCssSpans);
const CodeSyntax kScss = Syntax(kScssSpans);
const CodeSyntax kJson = Syntax(kJsonSpans);
const CodeSyntax kPython = Syntax(kPythonSpans, 0, "rRbBfFuU", "rR");
const CodeSyntax kShell = Syntax(kShellSpans, kCommentAtWordStart);
const CodeSyntax kHash = Syntax(kHashSpans, kCommentAtWordStart);
const CodeSyntax kRuby = Syntax(kRubySpans);
const CodeSyntax kPerl = Syntax(kPerlSpans);
const CodeSyntax kPowerShell = Syntax(kPowerShellSpans);
const CodeSyntax kLua = Syntax(kLuaSpans);
const CodeSyntax kSql = Syntax(kSqlSpans);
const CodeSyntax kHaskell = Syntax(kHaskellSpans, kCharLiterals);
const CodeSyntax kAda = Syntax(kAdaSpans);
const CodeSyntax kLisp = Syntax(kLispSpans);
const CodeSyntax kPercent = Syntax(kPercentSpans);
const CodeSyntax kYaml = Syntax(kYamlSpans, kCommentAtWordStart);
const CodeSyntax kToml = Syntax(kTomlSpans);
const CodeSyntax kIni = Syntax(kIniSpans, kCommentAtWordStart);
const CodeSyntax kMakefile = Syntax(kMakefileSpans);
const CodeSyntax kCMake = Syntax(kCMakeSpans);
const CodeSyntax kJulia = Syntax(kJuliaSpans);
const CodeSyntax kMl = Syntax(kMlSpans);
const CodeSyntax kFSharp = Syntax(kFSharpSpans);
const CodeSyntax kPascal = Syntax(kPascalSpans);
const CodeSyntax kFortran = Syntax(kFortranSpans);
const CodeSyntax kHtml = Syntax(kHtmlSpans, kMarkup);
const CodeSyntax kXml = Syntax(kXmlSpans, kMarkup);

// Language ids, separated by spaces: the protocol's, and those of Emacs' major modes (the
// mode's name without "-mode"; "-ts" for a tree-sitter mode is taken off before looking).
struct Language {
    std::string_view ids;
    const CodeSyntax& syntax;
};
const Language kLanguages[] = {
    {"c objc objective-c", kC},
    {"cpp c++ cuda cuda-cpp objcpp objective-cpp arduino", kCpp},
    {"csharp", kCSharp},
    {"java", kJava},
    {"groovy gradle jenkinsfile", kGroovy},
    {"kotlin", kKotlin},
    {"swift", kSwift},
    {"scala", kScala},
    {"javascript javascriptreact typescript typescriptreact js js2 js-jsx rjsx tsx typescript-tsx", kJavaScript},
    {"dart", kDart},
    {"go", kGo},
    {"rust rustic", kRust},
    {"php", kPhp},
    {"css", kCss},
    {"scss less less-css", kScss},
    {"json jsonc json5", kJson},
    {"python", kPython},
    {"shellscript sh bash zsh fish", kShell},
    {"r ess-r elixir nim dockerfile properties dotenv graphql coffeescript", kHash},
    {"ruby enh-ruby", kRuby},
    {"perl cperl raku", kPerl},
    {"powershell", kPowerShell},
    {"lua", kLua},
    {"sql", kSql},
    {"haskell", kHaskell},
    {"ada vhdl", kAda},
    {"lisp emacs-lisp lisp-interaction clojure clojurescript scheme racket common-lisp", kLisp},
    {"erlang matlab octave prolog", kPercent},
    {"yaml", kYaml},
    {"toml conf-toml", kToml},
    {"ini conf conf-unix conf-windows", kIni},
    {"makefile makefile-gmake makefile-bsdmake make", kMakefile},
    {"cmake", kCMake},
    {"julia", kJulia},
    {"ocaml tuareg", kMl},
    {"fsharp", kFSharp},
    {"pascal delphi objectpascal", kPascal},
    {"fortran f90", kFortran},
    {"html mhtml web vue svelte", kHtml},
    {"xml nxml xsl svg", kXml},
};

bool ListHas(std::string_view ids, std::string_view id) {
    for (std::size_t start = 0; start <= ids.size();) {
        const std::size_t end = std::min(ids.find(' ', start), ids.size());
        if (ids.substr(start, end - start) == id) return true;
        start = end + 1;
    }
    return false;
}

}  // namespace

const CodeSyntax* CodeSyntaxOfLanguage(std::string_view languageId) {
    std::string id(languageId);
    for (char& c : id) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (std::string_view suffix : {"-mode", "-ts"}) {
        if (id.size() > suffix.size() && id.ends_with(suffix)) id.resize(id.size() - suffix.size());
    }
    if (id.empty()) return nullptr;
    for (const Language& language : kLanguages) {
        if (ListHas(language.ids, id)) return &language.syntax;
    }
    return nullptr;
}

}  // namespace morvane
