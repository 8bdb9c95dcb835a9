#pragma once
// LaTeX's prose: the text without its commands and their names. Comments are prose; math
// ($...$, $$...$$, \(...\), \[...\] and the math environments), verbatim text (\verb, the
// verbatim environments) and the arguments of commands that are not prose (labels,
// references, citations, packages, files, addresses, definitions, lengths, colours) are left
// out. A word with an accent command in it (caf\'e) is left out whole, as no half of it is a
// word of its own.
#include <cstdint>
#include <string>

namespace morvane {

// What a LaTeX line inherits from the lines before it. A blank line ends whatever math or
// argument is open, as it ends a paragraph: a stray $ costs one paragraph, not the rest.
struct LatexState {
    enum class Mode : std::uint8_t {
        Text,
        InlineMath,       // $ ... $
        DisplayMath,      // $$ ... $$
        ParenMath,        // \( ... \)
        BracketMath,      // \[ ... \]
        MathEnvironment,  // \begin{equation} ... \end{equation} and the like
        Verbatim,         // \begin{verbatim} ... \end{verbatim} and the like
    };
    Mode mode = Mode::Text;
    std::uint8_t environment = 0;    // the open environment's place in the table of environments
    std::uint8_t argumentDepth = 0;  // the braces open in an argument left out (a definition over lines)
    bool operator==(const LatexState&) const = default;
};

// Replaces what is not prose on the line (without its line end) with spaces, so that every
// word keeps its place; returns the state the next line starts in.
LatexState MaskLatexLine(LatexState state, std::u16string& line);

}  // namespace morvane
