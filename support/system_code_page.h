#pragma once
// The system's ANSI code page (CP_ACP) as the engine's one-byte-one-character table.
#include "engine/code_page.h"

namespace morvane {

// Built once, on first use, by asking the system for each of the 256 bytes. A byte the
// system cannot turn into a character on its own (a lead byte of a double-byte code page)
// becomes U+FFFD.
const AnsiCodePage& SystemAnsiCodePage();

}  // namespace morvane
