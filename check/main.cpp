#include <iostream>

#include "check_command.h"
#include "personal_words_file.h"
#include "platform.h"

int main(int argc, char** argv) {
    morvane::UseBinaryStandardStreams();
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);  // answers are flushed when they are due (RunCheckCommand), not before every read
    morvane::ConsoleHost host;
    morvane::CheckCommandContext context{host,      morvane::ExecutableDirectory(), morvane::kPathSeparator,
                                         std::cin,  std::cout,
                                         std::cerr, morvane::DefaultPersonalWordsPath(),
                                         morvane::SavePersonalWordsFile};
    try {
        return morvane::RunCheckCommand(morvane::CommandLineArguments(argc, argv), context);
    } catch (const std::exception& e) {
        std::cerr << "morvane-check: " << e.what() << '\n';
        return 2;
    }
}
