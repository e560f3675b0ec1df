#pragma once
// A session on a freshly written sample game. Editors are made between construction and load(),
// so the routines they register with the session run as they do in the program.
#include <gtest/gtest.h>

#include <string>

#include "files/RealFileSystem.h"
#include "samplegame/SampleGame.h"
#include "session/EditorSession.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace orvane::test {

// A name for parameterised test cases.
inline std::string editionName(GameEdition edition)
{
    switch (edition) {
    case GameEdition::Collectors: return "Collectors";
    case GameEdition::Dos12: return "Dos12";
    case GameEdition::Dos14: return "Dos14";
    case GameEdition::None: break;
    }
    return "None";
}

struct SampleSession {
    explicit SampleSession(GameEdition edition)
        : exePath(sample::writeSampleGame(dir.str(), edition)), session(fs, prompts)
    {
    }

    void load()
    {
        prompts.answerFile(exePath);
        SilentProgress progress;
        ASSERT_EQ(session.loadFiles(progress, LoadCalls{}), LoadResult::Complete);
        prompts.clearShown();
    }

    ByteImage& exe() { return session.image(FileId::Exe); }

    TempDir dir;
    std::string exePath;
    ScriptedPrompts prompts;
    RealFileSystem fs;
    EditorSession session;
};

} // namespace orvane::test
