#include "render_cli.h"

#include <iostream>
#include <unistd.h>

#ifndef SMSSIM_DATA_DIR
#define SMSSIM_DATA_DIR ""
#endif

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    auto parsed = smssim::parseRenderArguments(args);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        std::cerr << "smssim-render: " << *error << '\n' << smssim::renderUsage();
        return smssim::kExitUsage;
    }
    auto& options = std::get<smssim::RenderOptions>(parsed);
    options.outputIsTerminal = ::isatty(STDOUT_FILENO) == 1;
    return smssim::runRender(options, SMSSIM_DATA_DIR, std::cout, std::cerr);
}
