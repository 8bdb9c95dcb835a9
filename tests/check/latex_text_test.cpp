// LaTeX's prose as the language server checks it: in each text, "xyz" stands where prose is
// and must be flagged; every other word, but for the few found ones, stands where prose is not
// and must not be.
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
        {"comments are checked, \\% is no comment", u"50\\% xyz % xyz \\emph{xyz} $qqq$ and 100\\%\nxyz %% xyz"},
        {"math is left out", u"$qqq$ xyz \\(qqq\\) xyz $$qqq$$ xyz \\[qqq\\] xyz \\$ xyz $qqq \\$ qqq$ xyz"},
        {"math over lines, and its environments, starred too; a comment in math is still checked",
         u"\\begin{equation*}\nqqq\n\\end{equation*} xyz \\begin{align} qqq \\\\ qqq \\end{align} xyz\n"
         u"$$ qqq\nqqq\n$$ xyz \\[ qqq % xyz\nqqq \\end{qqq} \\] xyz \\begin{gather}\\text{qqq}\n\\end {gather} xyz"},
        {"a blank line ends math left open", u"$ qqq\n\t\nxyz \\[ qqq\n\nxyz"},
        {"arguments that are not prose are left out, with their options",
         u"\\label{qqq} \\ref{qqq} \\eqref{qqq} \\cite[qqq]{qqq} \\parencite{qqq} xyz \\citeauthor*{qqq} "
         u"\\usepackage[qqq]{qqq} \\documentclass[qqq,qqq]{qqq} \\includegraphics[width=qqq]{qqq} xyz\n"
         u"\\href{https://qqq.org/a%20b}{xyz} \\url{qqq} \\textcolor{qqq}{xyz} \\hspace*{qqq} xyz \\\\[qqq] xyz\n"
         u"\\input{qqq} \\bibliography{qqq} \\pagestyle {qqq} \\vspace{qqq} xyz \\newtheorem{qqq}{xyz} "
         u"\\definecolor{qqq}{qqq}{qqq} xyz \\numberwithin{qqq}{qqq}{xyz}"},
        {"definitions are left out, over lines too",
         u"\\newcommand{\\qqq}[1][qqq]{qqq {qqq} % qqq\nqqq} xyz \\def\\qqq#1{qqq} xyz \\renewcommand\\qqq{qqq} xyz\n"
         u"\\newenvironment{qqq}{qqq}{qqq} xyz \\newcommand{\\qqq}{qqq\n\nxyz"},
        {"environments' names, options and column layouts are left out",
         u"\\begin{figure}[qqq] xyz \\end{figure} \\begin{tabular}[qqq]{qqq} xyz \\end{tabular}\n"
         u"\\begin{theorem}[xyz] xyz \\end{theorem} \\begin{minipage}{qqq} xyz \\begin{qqq} \\end{qqq} "
         u"\\begin xyz \\emph{xyz}"},
        {"verbatim is left out, over lines too",
         u"\\begin{verbatim} qqq\nqqq \\end{itemize} $ qqq % qqq\n\\end{verbatim} xyz \\verb|qqq| xyz \\verb*+qqq+ "
         u"xyz \\lstinline{qqq} \\mintinline{qqq}{qqq} xyz\n\\begin{lstlisting}[qqq]\n% qqq\n\n\\end{lstlisting} "
         u"xyz \\begin{comment} qqq \\end{comment} xyz"},
        {"a word with an accent command or a hyphenation point in it is left out whole, never as halves",
         u"\\'etude caf\\'e na\\\"{\\i}ve Stra\\ss e qqq-\\c{c}a \\v Sqqq hy\\-phen xyz \\\"uber-qqq s\\o{} xyz "
         u"d\\'ej\\`a-qqq l'\\'ecole xyz \\^{}xyz"},
        {"escaped characters and spacing commands part words as spaces do",
         u"\\& xyz\\,xyz \\\\ xyz~xyz\\→xyz\\'éi\\#xyz \\{xyz\\} \\@ xyz \\\nxyz $qqq \\\nqqq$ xyz\\"},
    };
    for (const auto& [what, text] : cases) {
        const CheckedDocument document(TextRules{TextKind::Latex}, text, kFoundAreKnown);
        EXPECT_EQ(Flagged(document), WhereXyz(text)) << what;
    }
}

TEST(LatexTextTest, AnEditThatOpensOrClosesMathOrVerbatimChecksTheLinesAfterItAgain) {
    const std::u16string text = u"xyz\nqqq = 1\nxyz\n";
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
        {{1, 0}, {1, 1}, u"", {"0:0 xyz", "1:0 qqq"}},                  // math opened at the line's end
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
