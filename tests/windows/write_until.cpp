// orvane_write_until STEP GAME MOD: another process for the tests. It writes a mod into a game as
// `orvane apply` does (the game's lock, the load, the mod, the save with .bak copies and the master
// copies), through the real disk, and ends itself with TerminateProcess just before its STEP-th step
// that changes the disk (from 1): making a temporary file, handing it its bytes, a rename, a removal.
// A write that is done in fewer steps exits 0 and prints how many it took; any failure exits 1.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <windows.h>

#include "files/GameLoader.h"
#include "files/GameSaver.h"
#include "files/RealFileSystem.h"
#include "mods/ModApply.h"

namespace {

class EndsAtStep : public orvane::RealFileSystem {
public:
    explicit EndsAtStep(long last) : last_(last) {}

    std::optional<std::string> writeTemporary(const std::string& target, const orvane::ByteImage& bytes) override
    {
        step();
        return RealFileSystem::writeTemporary(target, bytes);
    }
    bool replace(const std::string& temporary, const std::string& target) override
    {
        step();
        return RealFileSystem::replace(temporary, target);
    }
    bool remove(const std::string& path) override
    {
        step();
        return RealFileSystem::remove(path);
    }
    long steps() const { return steps_; }

protected:
    // The temporary file is there, and none of its bytes yet.
    std::size_t bytesHandedOn(std::size_t offered) override
    {
        step();
        return offered;
    }

private:
    void step()
    {
        if (++steps_ == last_) TerminateProcess(GetCurrentProcess(), 137);
    }

    long last_;
    long steps_ = 0;
};

int fail(const std::string& why)
{
    std::fprintf(stderr, "orvane_write_until: %s\n", why.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace orvane;
    if (argc != 4) return fail("usage: orvane_write_until STEP GAME MOD");
    EndsAtStep fs(std::strtol(argv[1], nullptr, 10));
    const std::string exe = argv[2];
    std::ifstream modFile(argv[3], std::ios::binary);
    const std::string mod{std::istreambuf_iterator<char>(modFile), std::istreambuf_iterator<char>()};

    const auto lock = GameLock::acquire(fs, exe);
    if (!lock) return fail(GameBusyText);
    GameFileSet game;
    SilentProgress progress;
    if (loadGameFilesAt(exe, game, fs, progress, LoadCalls{}, &*lock) != LoadResult::Complete) {
        return fail("cannot load " + exe);
    }
    mods::ModApplication applied = mods::applyModText(game, mod);
    if (applied.refusal) return fail(applied.refusal->describe());
    for (auto& [file, image] : applied.images) game.image(file) = std::move(image);
    const WriteResult written = saveGameFiles(game, fs, *lock, SaveOptions{true, true, {}});
    if (!written.ok) return fail(describeWriteFailure(written));
    std::printf("%ld\n", fs.steps());
    return 0;
}
