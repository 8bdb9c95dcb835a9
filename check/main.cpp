#include <iostream>

#include "check_command.h"
#include "personal_words_file.h"
#include "platform.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);  // answers are flushed when they are due (RunCheckCommand), not before every read
    morvane::StandardStreams streams;
    morvane::ConsoleHost host(&streams.Err());
    morvane::CheckCommandContext context{host,         morvane::ExecutableDirectory(), morvane::kPathSeparator,
                                         streams.In(), streams.Out(),
                                         streams.Err(), morvane::DefaultPersonalWordsPath(),
                                         morvane::SavePersonalWordsFile};
    try {
        return morvane::RunCheckCommand(morvane::CommandLineArguments(argc, argv), context);
    } catch (const std::exception& e) {
        streams.Err() << "morvane-check: " << e.what() << '\n';
        return 2;
    }
}
