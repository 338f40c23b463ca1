#include "render_cli.h"

#include <iostream>

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
    return smssim::runRender(std::get<smssim::RenderOptions>(parsed), SMSSIM_DATA_DIR, std::cout,
                             std::cerr);
}
