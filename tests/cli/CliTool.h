#pragma once
// `orvane` run as a child process in a temporary folder of sample games.
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "samplegame/SampleGame.h"
#include "support/ChildProcess.h"
#include "support/DiskTree.h"
#include "support/ImageDiff.h"
#include "support/SampleSession.h"
#include "support/TempDir.h"

namespace orvane::test {

inline const std::string Header = "# A mod for the Orvane Executable Editor: the values it sets, as the editor's pages "
                                  "show them.\n[mod]\nformat = 1\n";
inline const char* const Folders[] = {"ce", "dos12", "dos14"};

struct Tool {
    ProgramRun run(std::vector<std::string> arguments) const
    {
        arguments.insert(arguments.begin(), ORVANE_CLI);
        return runProgram(arguments, dir.path());
    }
    // Writes a game below the folder; returns its executable's path relative to the folder.
    std::string game(const std::string& folder, GameEdition edition, std::optional<std::uint32_t> seed = {}) const
    {
        const std::string exe = sample::writeSampleGame((dir.path() / folder).string(), edition, seed);
        return std::filesystem::path(exe).lexically_relative(dir.path()).string();
    }
    void write(const std::string& name, const std::string& text) const
    {
        writeFileBytes(dir.path() / name, ByteImage(text.begin(), text.end()));
    }
    DiskTree files(const std::string& folder = ".") const { return filesUnder(dir.path() / folder); }

    TempDir dir;
};

inline void expectRun(const ProgramRun& run, int status, const std::string& errorPart = {})
{
    EXPECT_EQ(run.status, status) << run.err;
    EXPECT_TRUE(errorPart.empty() ? run.err.empty() : run.err.find(errorPart) != std::string::npos) << run.err;
}

} // namespace orvane::test
