// orvane-sample-game DIR [--edition ce|dos12|dos14] [--random SEED]
// Writes synthetic game folders: all three editions in DIR/ce, DIR/dos12 and DIR/dos14, or the
// one edition asked for in DIR itself. With --random, every table the pages show holds random bytes
// from SEED (the same in every edition). Prints the path of each executable written.
#include <charconv>
#include <cstdint>
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

std::optional<std::uint32_t> seedNamed(const std::string& text)
{
    std::uint32_t seed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seed);
    if (error != std::errc{} || end != text.data() + text.size()) return std::nullopt;
    return seed;
}

int usage()
{
    std::cerr << "usage: orvane-sample-game DIR [--edition ce|dos12|dos14] [--random SEED]\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::optional<std::string> directory;
    std::optional<orvane::GameEdition> edition;
    std::optional<std::uint32_t> seed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--edition") {
            if (edition || i + 1 == args.size()) return usage();
            edition = editionNamed(args[++i]);
            if (!edition) return usage();
        } else if (args[i] == "--random") {
            if (seed || i + 1 == args.size()) return usage();
            seed = seedNamed(args[++i]);
            if (!seed) return usage();
        } else if (args[i].starts_with("-") || directory) {
            return usage();
        } else {
            directory = args[i];
        }
    }
    if (!directory || directory->empty()) return usage();

    try {
        if (edition) {
            std::cout << orvane::sample::writeSampleGame(*directory, *edition, seed) << '\n';
        } else {
            for (const auto& entry : Editions) {
                const auto folder = (std::filesystem::path(*directory) / entry.name).string();
                std::cout << orvane::sample::writeSampleGame(folder, entry.edition, seed) << '\n';
            }
        }
    } catch (const std::exception& error) {
        std::cerr << "orvane-sample-game: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
