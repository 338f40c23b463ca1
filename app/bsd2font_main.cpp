#include "bsd2font_cli.h"

#include <iostream>

int main(int argc, char** argv) {
    return smssim::runBsd2font({argv + 1, argv + argc}, std::cout, std::cerr);
}
