#pragma once
// The real disk with faults on demand: writes that fail, writes cut short, renames and deletions
// that fail. Records every writing call in order.
#include <optional>
#include <string>
#include <vector>

#include "files/RealFileSystem.h"

namespace orvane::test {

class FakeFileSystem : public RealFileSystem {
public:
    // A file is named by its full path or by its file name alone.
    void failWriteTemporaryFor(std::string file) { failWriteTemporary_ = std::move(file); }
    // Every write hands on at most this many bytes and then reports success, as a full disk does.
    void failAfterBytes(std::size_t bytes) { byteBudget_ = bytes; }
    void failReplaceFor(std::string file) { failReplace_ = std::move(file); }
    void failRemove() { failRemove_ = true; }

    // "writeTemporary <target>", "replace <target>", "remove <path>", in the order they were asked.
    const std::vector<std::string>& calls() const { return calls_; }

    std::optional<std::string> writeTemporary(const std::string& target, const ByteImage& bytes) override;
    bool replace(const std::string& temporary, const std::string& target) override;
    bool remove(const std::string& path) override;

protected:
    std::ptrdiff_t writeSome(int descriptor, const std::uint8_t* data, std::size_t count) override;

private:
    static bool names(const std::string& path, const std::optional<std::string>& file);

    std::optional<std::string> failWriteTemporary_;
    std::optional<std::string> failReplace_;
    std::optional<std::size_t> byteBudget_;
    bool failRemove_ = false;
    std::vector<std::string> calls_;
};

} // namespace orvane::test
