#include "font2bsd_cli.h"

#include <iostream>

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    auto parsed = smssim::parseFont2bsdArguments(args);
    if (auto* error = std::get_if<std::string>(&parsed)) {
        std::cerr << "smssim-font2bsd: " << *error << '\n' << smssim::font2bsdUsage();
        return static_cast<int>(smssim::FontExit::Usage);
    }
    const auto& arguments = std::get<smssim::Font2bsdArguments>(parsed);
    if (arguments.help) {
        std::cout << smssim::font2bsdUsage();
        return 0;
    }
    return static_cast<int>(smssim::makePhoneFromFont(arguments.options, std::cerr));
}
