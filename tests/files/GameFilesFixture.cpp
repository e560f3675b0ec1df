#include "GameFilesFixture.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "samplegame/SampleGame.h"
#include "files/GameLoader.h"
#include "support/ImageDiff.h"
#include "support/ScriptedPrompts.h"

namespace orvane::test {

void RecordingProgress::begin()
{
    line.clear();
    step.clear();
    events.emplace_back("begin");
}

void RecordingProgress::append(const std::string& piece)
{
    line += piece;
    pieces.push_back(piece);
}

void RecordingProgress::report(const std::string& text)
{
    step = text;
    events.push_back("report " + text);
}

void RecordingProgress::finish()
{
    finished = true;
    events.emplace_back("finish");
}

SampleGameDir::SampleGameDir(GameEdition edition) : exePath(sample::writeSampleGame(dir.str(), edition)) {}

GameFileSet loadComplete(FileSystem& fs, const std::string& exePath)
{
    ScriptedPrompts prompts;
    prompts.answerFile(exePath);
    RecordingProgress progress;
    GameFileSet files;
    EXPECT_EQ(loadGameFiles(files, fs, prompts, progress, {}), LoadResult::Complete) << progress.step;
    return files;
}

std::map<std::string, ByteImage> filesUnder(const std::string& folder)
{
    std::map<std::string, ByteImage> found;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (!entry.is_regular_file()) continue;
        found[std::filesystem::relative(entry.path(), folder).generic_string()] = readFileBytes(entry.path().string());
    }
    return found;
}

} // namespace orvane::test
