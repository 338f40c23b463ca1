#include "render_cli.h"

#include <iostream>
#include <unistd.h>

#ifndef SMSSIM_DATA_DIR
#define SMSSIM_DATA_DIR ""
#endif

int main(int argc, char** argv) {
    return smssim::runRenderCommand({argv + 1, argv + argc}, SMSSIM_DATA_DIR,
                                    ::isatty(STDOUT_FILENO) == 1, std::cout, std::cerr);
}
