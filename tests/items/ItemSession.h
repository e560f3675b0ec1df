#pragma once
// An Item Editor on a freshly written sample game, loaded as the program loads it.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string>

#include "files/RealFileSystem.h"
#include "items/ItemEditor.h"
#include "samplegame/SampleGame.h"
#include "session/EditorSession.h"
#include "support/ImageDiff.h"
#include "support/ScriptedPrompts.h"
#include "support/TempDir.h"

namespace orvane::test {

class QuietProgress : public LoadProgress {
public:
    void begin() override {}
    void append(const std::string&) override {}
    void report(const std::string&) override {}
    void finish() override {}
};

class ItemSession : public ::testing::Test {
protected:
    ItemSession() : exePath(sample::writeSampleGame(dir.str(), GameEdition::Dos14)) {}

    // Changes OBDATA.DAT on disk before the next load.
    void patchObdata(const std::function<void(ByteImage&)>& patch)
    {
        const auto path = (dir.path() / "GEODATA" / "OBDATA.DAT").string();
        ByteImage bytes = readFileBytes(path);
        patch(bytes);
        writeFileBytes(path, bytes);
    }

    void load()
    {
        prompts.answerFile(exePath);
        QuietProgress progress;
        LoadCalls calls;
        calls.enableAll = [this] { editor.enableAll(); };
        ASSERT_EQ(session.loadFiles(progress, calls), LoadResult::Complete);
        prompts.clearShown();
    }

    ByteImage& obdata() { return session.image(FileId::Obdata); }

    TempDir dir;
    std::string exePath;
    ScriptedPrompts prompts;
    RealFileSystem fs;
    EditorSession session{fs, prompts};
    items::ItemEditor editor{session};
};

} // namespace orvane::test
