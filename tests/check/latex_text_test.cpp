// LaTeX's prose as the language server checks it: in each text, "xyz" stands where prose is
// and must be flagged, every other word stands where prose is not, and none of it may be.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "check/lsp/checked_document.h"
#include "engine/utf8.h"

namespace morvane {
namespace {

const CheckedDocument::IsFound kFoundAreKnown = [](std::u16string_view word) {
    return word == u"a" || word == u"is" || word == u"and";
};

// The flagged words as "line:column", and where the text's "xyz" are.
std::vector<std::string> Flagged(const CheckedDocument& document) {
    std::vector<std::string> places;
    for (const FlaggedWord& word : document.Flagged()) {
        places.push_back(std::to_string(word.line) + ":" + std::to_string(word.column) + " " +
                         Utf16ToUtf8(document.WordOf(word)));
    }
    return places;
}
std::vector<std::string> WhereXyz(const std::u16string& text) {
    std::vector<std::string> places;
    std::size_t line = 0, lineStart = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n') {
            ++line;
            lineStart = i + 1;
        } else if (text.compare(i, 3, u"xyz") == 0) {
            places.push_back(std::to_string(line) + ":" + std::to_string(i - lineStart) + " xyz");
        }
    }
    return places;
}

TEST(LatexTextTest, OnlyProseIsChecked) {
    const struct {
        const char* what;
        std::u16string text;
    } cases[] = {
        {"commands' names are left out, their text arguments are prose",
         u"\\section*{xyz} \\emph{xyz} \\textbf{a xyz}\\footnote{xyz} \\item[xyz] \\LaTeX\\ xyz \\caption[xyz]{xyz}"},
        {"comments are checked, \\% is no comment", u"50\\% xyz % xyz \\emph{xyz} $bda$ and 100\\%\nxyz %% xyz"},
        {"math is left out", u"$bda$ xyz \\(bda\\) xyz $$bda$$ xyz \\[bda\\] xyz \\$ xyz $bda \\$ bda$ xyz"},
        {"math over lines, and its environments, starred too; a comment in math is still checked",
         u"\\begin{equation*}\nbda\n\\end{equation*} xyz \\begin{align} bda \\\\ bda \\end{align} xyz\n"
         u"$$ bda\nbda $$ xyz \\[ bda % xyz\nbda \\end{bda} \\] xyz \\begin{gather}\\text{bda}\n\\end {gather} xyz"},
        {"a blank line ends math left open", u"$ bda\n\t\nxyz \\[ bda\n\nxyz"},
        {"arguments that are not prose are left out, with their options",
         u"\\label{bda} \\ref{bda} \\eqref{bda} \\cite[bda]{bda} \\parencite{bda} xyz \\citeauthor*{bda} "
         u"\\usepackage[bda]{bda} \\documentclass[bda,bda]{bda} \\includegraphics[width=bda]{bda} xyz\n"
         u"\\href{https://bda.org/a%20b}{xyz} \\url{bda} \\textcolor{bda}{xyz} \\hspace*{bda} xyz \\\\[bda] xyz\n"
         u"\\input{bda} \\bibliography{bda} \\pagestyle {bda} \\vspace{bda} xyz \\newtheorem{bda}{xyz} "
         u"\\definecolor{bda}{bda}{bda} xyz"},
        {"definitions are left out, over lines too",
         u"\\newcommand{\\bda}[1][bda]{bda {bda} % bda\nbda} xyz \\def\\bda#1{bda} xyz \\renewcommand\\bda{bda} xyz\n"
         u"\\newenvironment{bda}{bda}{bda} xyz \\newcommand{\\bda}{bda\n\nxyz"},
        {"environments' names, options and column specifications are left out",
         u"\\begin{figure}[bda] xyz \\end{figure} \\begin{tabular}[bda]{bda} xyz \\end{tabular}\n"
         u"\\begin{theorem}[xyz] xyz \\end{theorem} \\begin{minipage}{bda} xyz \\begin{bda} \\end{bda}"},
        {"verbatim is left out, over lines too",
         u"\\begin{verbatim} bda\nbda \\end{itemize} $ bda % bda\n\\end{verbatim} xyz \\verb|bda| xyz \\verb*+bda+ "
         u"xyz \\lstinline{bda} \\mintinline{bda}{bda} xyz\n\\begin{lstlisting}[bda]\n% bda\n\n\\end{lstlisting} "
         u"xyz \\begin{comment} bda \\end{comment} xyz"},
        {"a word with an accent command or a hyphenation point in it is left out whole, never as halves",
         u"caf\\'e na\\\"{\\i}ve Stra\\ss e \\'etude \\c{c}a \\v Sbda hy\\-phen xyz \\\"uber-bda s\\o{} xyz "
         u"d\\'ej\\`a-bda l'\\'ecole xyz \\^{}xyz"},
        {"escaped characters and spacing commands part words as spaces do",
         u"\\& xyz\\,xyz \\\\ xyz~xyz\\#xyz \\{xyz\\} \\@ xyz \\\nxyz $bda \\\nbda$ xyz\\"},
    };
    for (const auto& [what, text] : cases) {
        const CheckedDocument document(TextRules{TextKind::Latex}, text, kFoundAreKnown);
        EXPECT_EQ(Flagged(document), WhereXyz(text)) << what;
    }
}

TEST(LatexTextTest, AnEditThatOpensOrClosesMathOrVerbatimChecksTheLinesAfterItAgain) {
    const std::u16string text = u"xyz\nbda = 1\nxyz\n";
    CheckedDocument document(TextRules{TextKind::Latex}, text, kFoundAreKnown);
    const struct {
        TextPosition start, end;
        std::u16string replacement;
        std::vector<std::string> flagged;
    } edits[] = {
        {{1, 0}, {1, 0}, u"$", {"0:0 xyz"}},                            // math open to the blank line
        {{1, 8}, {1, 8}, u"$", {"0:0 xyz", "2:0 xyz"}},                 // closed on its line
        {{0, 3}, {0, 3}, u" \\begin{verbatim}", {"0:0 xyz"}},           // verbatim open to the end
        {{2, 3}, {2, 3}, u"\\end{verbatim}", {"0:0 xyz"}},              // closed after the last xyz
        {{2, 0}, {2, 0}, u"\\end{verbatim}", {"0:0 xyz", "2:14 xyz"}},  // closed before it
        {{0, 3}, {0, 20}, u"", {"0:0 xyz", "2:14 xyz"}},                // not opened
        {{1, 0}, {1, 1}, u"", {"0:0 xyz", "1:0 bda"}},                  // math opened at the line's end
    };
    for (const auto& edit : edits) {
        document.Edit(edit.start, edit.end, PositionEncoding::Utf16, edit.replacement, kFoundAreKnown);
        EXPECT_EQ(Flagged(document), edit.flagged) << Utf16ToUtf8(document.Text().Text());
        EXPECT_EQ(Flagged(document), Flagged(CheckedDocument(TextRules{TextKind::Latex}, document.Text().Text(),
                                                             kFoundAreKnown)));
    }
}

}  // namespace
}  // namespace morvane
