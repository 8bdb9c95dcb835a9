#pragma once
// Whole files read the plain way: one open, one read() into freshly allocated memory. The
// benchmarks load dictionaries through this and measure the engine's load against it.
#include <string>
#include <vector>

#include "engine/word_list.h"

namespace morvane::bench {

// Throws std::runtime_error naming the file and the reason when it cannot be read.
FileBytes ReadFileFresh(const std::string& path);

// One word a line (LF or CR LF); empty lines are left out.
std::vector<std::u16string> ReadWordLines(const std::string& path);

}  // namespace morvane::bench
