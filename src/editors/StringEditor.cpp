#include "editors/StringEditor.h"

#include <stdexcept>

#include "core/CodePage.h"
#include "session/EditorSession.h"

namespace orvane::strings {

StringEditor::StringEditor(EditorSession& session) : session_(session)
{
    session_.onLoadCompleted([this] { refreshStringLists(); });
    session_.onRestored(FileId::English, [this] { refreshStringLists(); });
    session_.onRestored(FileId::English2, [this] { refreshStringLists(); });
    // The open edit holds the file as the string was opened; written into
    // another game's file they would put that game's strings there. Undo keeps it: the edit was opened
    // on these files.
    session_.onImageReplaced([this](FileId file) {
        if (!edit_ || edit_->target != file) return;
        dropEdit();
        notify();
    });
}

std::size_t StringEditor::slotOf(FileId file)
{
    if (file == FileId::English) return 0;
    if (file == FileId::English2) return 1;
    throw std::invalid_argument("not a string file");
}

void StringEditor::notify()
{
    if (changed_) changed_();
}

std::optional<FileId> StringEditor::editTarget() const
{
    if (!edit_) return std::nullopt;
    return edit_->target;
}

void StringEditor::empty(Table& list)
{
    if (list.entries.empty() && !list.decodedFrom) return;
    list.entries.clear();
    list.starts = {0};
    list.decodedFrom.reset();
    ++list.revision;
}

void StringEditor::refresh(Table& list)
{
    if (!session_.isLoaded(list.file)) {
        empty(list);
        return;
    }
    const ByteImage& image = session_.image(list.file);
    // An image that did not change since it was read gives the same entries: no need to read it again.
    if (list.decodedFrom && *list.decodedFrom == image) return;
    findStringStarts(image, list.starts);
    decodeStrings(image, list.starts, list.entries);
    list.decodedFrom = image;
    ++list.revision;
}

void StringEditor::refreshStringLists()
{
    for (Table& list : tables_) refresh(list);
    ++fillRevision_;
    notify();
}

void StringEditor::clickEntry(FileId file, std::size_t index)
{
    Table& list = table(file);
    if (index >= list.entries.size()) return;
    shownString_ = "\n" + list.entries[index];
    list.indexCaption = std::to_string(index + 1);
    notify();
}

void StringEditor::openEntry(FileId file, std::size_t index)
{
    const Table& list = table(file);
    if (index >= list.entries.size() || !session_.isLoaded(file)) return;
    // A load that stopped half-way may have put a new image under the entries shown: they no longer
    // say where its strings lie, so nothing is opened.
    const ByteImage& image = session_.image(file);
    if (!list.decodedFrom || *list.decodedFrom != image) return;
    auto place = placeOf(image, list.starts, index);
    if (!place) return;
    edit_ = OpenEdit{file, image, std::move(*place)};
    editText_ = list.entries[index];
    notify();
}

void StringEditor::apply()
{
    if (!edit_) return;
    // A character with no code would be written as a zero byte, splitting the string in two and
    // moving every later string up one number.
    if (const auto refused = firstCharacterOutsideCodePage(editText_)) {
        session_.prompts().showMessage(StringNotChangedTitle,
                                       "The character \"" + *refused +
                                           "\" is not one of the game's characters, so the string cannot be "
                                           "written.\nChange or remove it and press Apply again.");
        return;
    }
    edit_->place.bytes = encodeGameText(editText_);
    session_.pushSnapshot(edit_->target);
    rebuildTable(session_.image(edit_->target), edit_->opened, std::span(&edit_->place, 1));
    edit_.reset();
    shownString_.clear();
    refreshStringLists();
}

void StringEditor::cancel()
{
    edit_.reset();
    editText_.clear();
    notify();
}

// As Close files leaves it: nothing written, no snapshot, the frame and the shown string gone.
void StringEditor::dropEdit()
{
    edit_.reset();
    shownString_.clear();
}

void StringEditor::disableAll()
{
    for (Table& list : tables_) empty(list);
    ++fillRevision_;
    dropEdit();
    notify();
}

} // namespace orvane::strings
