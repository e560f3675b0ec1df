#pragma once
// A session on a fresh sample game; editors made before load() register as in the program.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "samplegame/SampleGame.h"
#include "session/EditorSession.h"
#include "support/FakeFileSystem.h"
#include "support/ImageDiff.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace orvane::test {

inline constexpr GameEdition AllEditions[] = {GameEdition::Collectors, GameEdition::Dos12, GameEdition::Dos14};

// A name for parameterised test cases and traces.
inline std::string editionCaseName(GameEdition edition)
{
    switch (edition) {
    case GameEdition::Collectors: return "Collectors";
    case GameEdition::Dos12: return "Dos12";
    case GameEdition::Dos14: return "Dos14";
    case GameEdition::None: break;
    }
    return "None";
}

// The four images of a game, to compare whole.
inline std::array<ByteImage, 4> imagesOf(const GameFileSet& files)
{
    return {files.image(FileId::Exe), files.image(FileId::English), files.image(FileId::English2),
            files.image(FileId::Obdata)};
}

// Tests name the silent progress sink through this namespace too.
using orvane::SilentProgress;

struct SampleSession {
    // With a seed, the game's tables hold random bytes (see sample::makeSampleFiles).
    explicit SampleSession(GameEdition edition, std::optional<std::uint32_t> randomSeed = std::nullopt)
        : exePath(sample::writeSampleGame(dir.str(), edition, randomSeed)), session(fs, prompts)
    {
    }

    // Loads the game again, or the game of another executable, choosing it in the open dialog.
    LoadResult tryLoad() { return loadFrom(exePath); }
    LoadResult loadFrom(const std::string& exe)
    {
        prompts.answerFile(exe);
        SilentProgress progress;
        return session.loadFiles(progress, LoadCalls{});
    }

    void load()
    {
        ASSERT_EQ(tryLoad(), LoadResult::Complete);
        prompts.clearShown();
    }

    ByteImage& exe() { return session.image(FileId::Exe); }

    // Answers the boxes of one edit from `answers` and returns the bytes of `file` it changed.
    // Every answer must be used; the boxes shown stay in `prompts` until the next edit.
    std::map<std::size_t, std::uint8_t> answerEdit(const std::vector<std::optional<std::string>>& answers,
                                                   const std::function<void()>& edit, FileId file = FileId::Exe)
    {
        prompts.clearShown();
        for (const auto& a : answers) prompts.answer(a);
        const ByteImage before = session.image(file);
        edit();
        EXPECT_TRUE(prompts.scriptUsed());
        return changedBytes(before, session.image(file));
    }

    TempDir dir;
    std::string exePath;
    ScriptedPrompts prompts;
    FakeFileSystem fs; // the real disk until a fault is set
    EditorSession session;
};

} // namespace orvane::test
