// orvane-sample-game DIR [--edition ce|dos12|dos14]
// Writes synthetic game folders: all three editions in DIR/ce, DIR/dos12 and DIR/dos14, or the
// one edition asked for in DIR itself. Prints the path of each executable written.
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "samplegame/SampleGame.h"

namespace {

struct EditionName {
    const char* name;
    orvane::GameEdition edition;
};

constexpr EditionName Editions[] = {
    {"ce", orvane::GameEdition::Collectors},
    {"dos12", orvane::GameEdition::Dos12},
    {"dos14", orvane::GameEdition::Dos14},
};

std::optional<orvane::GameEdition> editionNamed(const std::string& name)
{
    for (const auto& entry : Editions) {
        if (name == entry.name) return entry.edition;
    }
    return std::nullopt;
}

int usage()
{
    std::cerr << "usage: orvane-sample-game DIR [--edition ce|dos12|dos14]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::optional<std::string> directory;
    std::optional<orvane::GameEdition> edition;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--edition") {
            if (edition || i + 1 == args.size()) return usage();
            edition = editionNamed(args[++i]);
            if (!edition) return usage();
        } else if (args[i].starts_with("-") || directory) {
            return usage();
        } else {
            directory = args[i];
        }
    }
    if (!directory || directory->empty()) return usage();

    try {
        if (edition) {
            std::cout << orvane::sample::writeSampleGame(*directory, *edition) << '\n';
        } else {
            for (const auto& entry : Editions) {
                const auto folder = (std::filesystem::path(*directory) / entry.name).string();
                std::cout << orvane::sample::writeSampleGame(folder, entry.edition) << '\n';
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "orvane-sample-game: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
