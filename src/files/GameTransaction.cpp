#include "files/GameTransaction.h"

#include <algorithm>
#include <chrono>
#include <set>
#include <thread>

#include "files/Checksum.h"
#include "files/GamePaths.h"
#include "files/WriteJournal.h"

namespace orvane {

namespace {

constexpr const char* TemporaryMark = ".orvane-tmp-";
constexpr int RenameTries = 3;

bool isTemporary(const std::string& path) { return path.find(TemporaryMark) != std::string::npos; }

// The folder part of a path with its separator, so a name can be put after it.
std::string folderPart(const std::string& path) { return path.substr(0, path.size() - fileNameOf(path).size()); }

WriteResult failure(const std::string& file, FileSystem& fs)
{
    WriteResult result;
    result.ok = false;
    result.failedFile = file;
    result.reason = fs.lastError();
    return result;
}

// A target that cannot be written over as it stands: a game file deleted since the load, a folder,
// a read-only file. Found before anything is written, so refusing it changes nothing.
std::optional<WriteResult> firstBlocked(const std::vector<PlannedWrite>& plan, FileSystem& fs)
{
    for (const PlannedWrite& write : plan) {
        if (write.mustExist && !fs.fileLength(write.target)) return failure(write.target, fs);
        if (write.bytes != nullptr && !fs.canReplace(write.target)) return failure(write.target, fs);
    }
    return std::nullopt;
}

void removeAll(const std::vector<std::string>& paths, std::size_t from, FileSystem& fs)
{
    for (std::size_t i = from; i < paths.size(); ++i) {
        if (!paths[i].empty()) fs.remove(paths[i]);
    }
}

bool replaceWithRetries(const std::string& temporary, const std::string& target, FileSystem& fs)
{
    for (int attempt = 1; attempt <= RenameTries; ++attempt) {
        if (fs.replace(temporary, target)) return true;
        if (attempt < RenameTries) std::this_thread::sleep_for(std::chrono::milliseconds(50 * attempt));
    }
    return false;
}

bool carryOut(const JournalEntry& entry, FileSystem& fs)
{
    if (entry.temporary.empty()) return fs.remove(entry.target);
    return replaceWithRetries(entry.temporary, entry.target, fs);
}

// The journal goes to disk the way every file does: whole, flushed, then renamed into place.
bool writeJournal(const std::string& journalPath, const std::vector<JournalEntry>& entries, FileSystem& fs)
{
    const std::string text = formatJournal(entries);
    const auto temporary = fs.writeTemporary(journalPath, ByteImage(text.begin(), text.end()));
    if (!temporary) return false;
    if (fs.replace(*temporary, journalPath)) return true;
    fs.remove(*temporary);
    return false;
}

WriteResult commit(const std::vector<PlannedWrite>& plan, FileSystem& fs, const std::string& journalPath,
                   const std::function<bool()>& interrupted);

// After the rename of plan[failedAt] failed for good: the targets before it go back to what they held,
// as a write of its own with its own journal, and the temporary files still waiting go.
WriteResult undo(const std::vector<PlannedWrite>& plan, const std::vector<JournalEntry>& entries,
                 const std::vector<std::optional<ByteImage>>& previous, std::size_t failedAt,
                 const std::vector<std::string>& temporaries, FileSystem& fs, const std::string& journalPath)
{
    WriteResult result = failure(plan[failedAt].target, fs);
    std::vector<PlannedWrite> back;
    for (std::size_t i = 0; i < failedAt; ++i) {
        back.push_back({plan[i].target, previous[i] ? &*previous[i] : nullptr, false});
    }
    const WriteResult undone = commit(back, fs, journalPath, {});
    if (undone.ok) {
        removeAll(temporaries, failedAt, fs);
        fs.remove(journalPath);
        return result;
    }
    // Neither way through: the journal of the write names every rename again, and the next load
    // finishes them from the temporary files still waiting.
    for (std::size_t i = 0; i < plan.size(); ++i) {
        (i < failedAt ? result.replacedFiles : result.unchangedFiles).push_back(plan[i].target);
    }
    writeJournal(journalPath, entries, fs);
    return result;
}

WriteResult commit(const std::vector<PlannedWrite>& plan, FileSystem& fs, const std::string& journalPath,
                   const std::function<bool()>& interrupted)
{
    const auto stop = [&] { return interrupted && interrupted(); };
    if (auto blocked = firstBlocked(plan, fs)) return *blocked;

    // What each target holds now, to put back should a later rename fail for good.
    std::vector<std::optional<ByteImage>> previous;
    for (const PlannedWrite& write : plan) previous.push_back(fs.readWhole(write.target));

    std::vector<std::string> temporaries;
    std::vector<JournalEntry> entries;
    for (const PlannedWrite& write : plan) {
        if (stop()) {
            removeAll(temporaries, 0, fs);
            WriteResult result;
            result.ok = false;
            result.interrupted = true;
            return result;
        }
        if (write.bytes == nullptr) {
            temporaries.emplace_back();
            entries.push_back({{}, fs.absolute(write.target), 0, 0});
            continue;
        }
        auto temporary = fs.writeTemporary(write.target, *write.bytes);
        if (!temporary) {
            WriteResult result = failure(write.target, fs);
            removeAll(temporaries, 0, fs);
            return result;
        }
        temporaries.push_back(*temporary);
        entries.push_back(
            {fs.absolute(*temporary), fs.absolute(write.target), write.bytes->size(), checksumOf(*write.bytes)});
    }
    if (!writeJournal(journalPath, entries, fs)) {
        WriteResult result = failure(journalPath, fs);
        removeAll(temporaries, 0, fs);
        return result;
    }
    for (std::size_t i = 0; i < plan.size(); ++i) {
        if (!carryOut(entries[i], fs)) return undo(plan, entries, previous, i, temporaries, fs, journalPath);
    }
    fs.remove(journalPath);
    return {};
}

} // namespace

void removeLeftTemporaries(const std::vector<std::string>& besideThese, FileSystem& fs)
{
    std::set<std::string> folders;
    for (const std::string& path : besideThese) folders.insert(folderPart(path));
    for (const std::string& folder : folders) {
        for (const std::string& name : fs.listFolder(folder.empty() ? "." : folder)) {
            if (isTemporary(name)) fs.remove(folder + name);
        }
    }
}

WriteResult writeAsOneUnit(const std::vector<PlannedWrite>& plan, FileSystem& fs, const GameLock& lock,
                           const std::function<bool()>& interrupted)
{
    std::vector<std::string> beside{lock.journalPath()};
    for (const PlannedWrite& write : plan) beside.push_back(write.target);
    removeLeftTemporaries(beside, fs);
    return commit(plan, fs, lock.journalPath(), interrupted);
}

WriteResult writeWholeFile(const std::string& target, const ByteImage& bytes, FileSystem& fs)
{
    if (!fs.canReplace(target)) return failure(target, fs);
    const auto temporary = fs.writeTemporary(target, bytes);
    if (!temporary) return failure(target, fs);
    if (fs.replace(*temporary, target)) return {};
    WriteResult result = failure(target, fs);
    fs.remove(*temporary);
    return result;
}

std::optional<std::string> finishInterruptedWrite(FileSystem& fs, const std::string& journalPath)
{
    const auto bytes = fs.readWhole(journalPath);
    if (!bytes) return std::nullopt;
    const std::string text(bytes->begin(), bytes->end());
    const auto entries = parseJournal(text);
    if (!entries) {
        for (const std::string& temporary : temporariesNamedIn(text)) {
            if (isTemporary(temporary)) fs.remove(temporary);
        }
        fs.remove(journalPath);
        return std::string("An interrupted save was undone: it had not begun to replace the game's files.");
    }
    std::vector<std::string> finished;
    std::vector<std::string> lost;
    for (const JournalEntry& entry : *entries) {
        bool done = false;
        if (entry.temporary.empty()) {
            done = fs.remove(entry.target);
        } else if (const auto waiting = fs.readWhole(entry.temporary)) {
            done = waiting->size() == entry.length && checksumOf(*waiting) == entry.checksum &&
                   replaceWithRetries(entry.temporary, entry.target, fs);
        } else if (const auto onDisk = fs.readWhole(entry.target)) {
            done = onDisk->size() == entry.length && checksumOf(*onDisk) == entry.checksum;
        }
        (done ? finished : lost).push_back(fileNameOf(entry.target));
    }
    for (const JournalEntry& entry : *entries) {
        if (!entry.temporary.empty() && isTemporary(entry.temporary)) fs.remove(entry.temporary);
    }
    fs.remove(journalPath);
    const auto joined = [](const std::vector<std::string>& names) {
        std::string list;
        for (const std::string& name : names) list += (list.empty() ? "" : ", ") + name;
        return list;
    };
    if (lost.empty()) return "An interrupted save was finished: " + joined(finished) + ".";
    return "An interrupted save could not be finished: " + joined(lost) + " could not be written" +
           (finished.empty() ? std::string(".") : "; " + joined(finished) + " were.");
}

std::string describeWriteFailure(const WriteResult& result)
{
    if (result.ok) return {};
    if (result.interrupted) return "The write was interrupted. No file was changed.";
    std::string message = "Could not write the file\n" + result.failedFile + "\n";
    if (!result.reason.empty()) message += "(" + result.reason + ")\n";
    if (result.replacedFiles.empty()) return message + "No file was changed.";
    message += "These files hold the new contents:\n";
    for (const std::string& replaced : result.replacedFiles) message += replaced + "\n";
    message += "These files still hold the old contents:\n";
    for (const std::string& unchanged : result.unchangedFiles) message += unchanged + "\n";
    return message + "The next load of the game finishes the save.";
}

} // namespace orvane
