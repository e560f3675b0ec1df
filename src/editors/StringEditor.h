#pragma once
// The String Editor page's state and handlers: the lists of ENGLISH.DAT and ENGLISH2.DAT, the string
// shown by a click, and the one open edit (EditTarget, HeadBytes, TailBytes) that Apply writes back.
#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/ByteImage.h"
#include "core/GameEdition.h"
#include "strings/StringTable.h"

namespace orvane {
class EditorSession;
}

namespace orvane::strings {

inline constexpr const char* StringNotChangedTitle = "String not changed";

class StringEditor {
public:
    // Registers the fill of both lists after a complete load and after Undo puts back either string file,
    // and the close of the open edit when a load or a patch replaces the file it was opened on.
    explicit StringEditor(EditorSession& session);

    // Called after every change of what the page shows.
    void onChanged(std::function<void()> callback) { changed_ = std::move(callback); }

    // What the page shows; `file` is FileId::English (lstEng1) or FileId::English2 (lstEng2).
    const std::vector<std::string>& entries(FileId file) const { return table(file).entries; }
    // Moves on only when a list's entries change, so the page rebuilds only that list.
    std::size_t listRevision(FileId file) const { return table(file).revision; }
    // Moves on each time both lists are filled or emptied: afterwards no entry is selected.
    std::size_t fillRevision() const { return fillRevision_; }
    const std::vector<std::size_t>& stringStarts(FileId file) const { return table(file).starts; }
    const std::string& indexCaption(FileId file) const { return table(file).indexCaption; }
    const std::string& shownString() const { return shownString_; }
    bool editOpen() const { return edit_.has_value(); }
    std::optional<FileId> editTarget() const;
    const std::string& editText() const { return editText_; }

    // A single click on list entry `index`: shows the string and its number.
    void clickEntry(FileId file, std::size_t index);
    // A double click: opens the string, replacing any open edit.
    void openEntry(FileId file, std::size_t index);
    // The user changed the text of the open string.
    void setEditText(std::string text) { editText_ = std::move(text); }
    // Writes the edited text in place of the open string; the rest of the file moves to make room.
    void apply();
    void cancel();

    // The page's share of the main window's disableAll: empty lists and label, no open edit.
    void disableAll();

private:
    struct Table {
        explicit Table(FileId id) : file(id) {}
        FileId file;
        std::vector<std::string> entries;
        std::vector<std::size_t> starts{0};
        std::optional<ByteImage> decodedFrom; // the image the entries were read from
        std::size_t revision = 0;
        std::string indexCaption;
    };
    struct OpenEdit {
        FileId target;
        ByteImage opened;        // the file as the string was opened
        StringReplacement place; // where the string lies in it
    };

    static std::size_t slotOf(FileId file);
    Table& table(FileId file) { return tables_.at(slotOf(file)); }
    const Table& table(FileId file) const { return tables_.at(slotOf(file)); }
    void refreshStringLists();
    void refresh(Table& list);
    static void empty(Table& list);
    void dropEdit();
    void notify();

    EditorSession& session_;
    std::function<void()> changed_;
    std::array<Table, 2> tables_{Table(FileId::English), Table(FileId::English2)};
    std::size_t fillRevision_ = 0;
    std::string shownString_;
    std::optional<OpenEdit> edit_;
    std::string editText_;
};

} // namespace orvane::strings
