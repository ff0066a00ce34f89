#include "shell/shell.h"

namespace quire {

std::string Quoted(std::string_view text) {
    std::string quoted;
    quoted.reserve(text.size() + 2);
    quoted.append(1, '"').append(text).append(1, '"');
    return quoted;
}

std::string CommandLine(const ShellCommand& command) {
    return command.program + ' ' + Quoted(command.argument);
}

}  // namespace quire
