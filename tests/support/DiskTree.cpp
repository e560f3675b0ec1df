#include "support/DiskTree.h"

#include "support/ImageDiff.h"

namespace orvane::test {

DiskTree filesUnder(const std::filesystem::path& folder)
{
    DiskTree found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).generic_string();
        // The game's lock file stays beside the executable once made, holding nothing.
        if (entry.path().filename() == ".orvane-lock") continue;
        if (entry.is_regular_file()) found[name] = readFileBytes(entry.path());
    }
    return found;
}

void writeTree(const std::filesystem::path& folder, const DiskTree& tree)
{
    for (const auto& [name, bytes] : tree) {
        std::filesystem::create_directories((folder / name).parent_path());
        writeFileBytes(folder / name, bytes);
    }
}

std::vector<std::string> leftOfAWrite(const std::filesystem::path& folder)
{
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        const std::string name = entry.path().lexically_relative(folder).generic_string();
        if (name.find(".orvane-tmp-") != std::string::npos || name.ends_with(".orvane-journal")) left.push_back(name);
    }
    return left;
}

std::string treeDifferences(const DiskTree& expected, const DiskTree& actual)
{
    std::string differences;
    for (const auto& [name, bytes] : expected) {
        const auto found = actual.find(name);
        if (found == actual.end())
            differences += name + " is missing\n";
        else if (found->second != bytes)
            differences += name + " does not hold the expected bytes\n";
    }
    for (const auto& [name, bytes] : actual)
        if (expected.count(name) == 0) differences += name + " should not be there\n";
    return differences;
}

} // namespace orvane::test
