#include "cli/terminal_prompter.h"

#include <iostream>
#include <string>

#ifdef _WIN32
#include <io.h>
#define RIVETBENCH_ISATTY(fd) _isatty(fd)
#else
#include <unistd.h>
#define RIVETBENCH_ISATTY(fd) ::isatty(fd)
#endif

namespace rivetbench::cli {
namespace {

// Messages carry CR LF breaks for message boxes; a terminal wants plain line feeds.
std::string forTerminal(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) out += text[i];
    return out;
}

} // namespace

bool TerminalPrompter::confirm(std::string_view text, save::Buttons buttons) {
    const bool yesCancel = buttons == save::Buttons::YesCancel;
    std::cout << forTerminal(text) << "\n" << (yesCancel ? "[Yes/Cancel] " : "[OK/Cancel] ");
    if (assumeYes_) {
        std::cout << (yesCancel ? "Yes" : "OK") << " (--yes)\n";
        return true;
    }
    if (!RIVETBENCH_ISATTY(0)) {
        std::cout << "\n";
        std::cerr
            << "rivetbench-cfg: not confirmed: standard input is not a terminal (add --yes to confirm)\n";
        refusedForNoTerminal_ = true;
        return false;
    }
    std::cout.flush();
    std::string answer;
    if (!std::getline(std::cin, answer)) return false;
    const std::string word = answer.substr(0, answer.find_first_of(" \t\r"));
    return word == "y" || word == "Y" || word == "yes" || word == "Yes" || word == "YES" || word == "ok" ||
           word == "OK" || word == "Ok";
}

void TerminalPrompter::inform(std::string_view text) {
    std::cout << forTerminal(text) << "\n";
}

void TerminalPrompter::error(std::string_view text) {
    std::cerr << "rivetbench-cfg: " << forTerminal(text) << "\n";
}

} // namespace rivetbench::cli
