#include "font2bsd_cli.h"

#include <iostream>

int main(int argc, char** argv) {
    return smssim::runFont2bsd({argv + 1, argv + argc}, std::cout, std::cerr);
}
