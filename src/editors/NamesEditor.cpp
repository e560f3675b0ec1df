#include "editors/NamesEditor.h"

#include "core/AskValue.h"
#include "core/CodePage.h"
#include "session/EditorSession.h"

namespace orvane::names {

NamesEditor::NamesEditor(EditorSession& session) : session_(session)
{
    session_.onLoadCompleted([this] { refreshNames(); });
    session_.onRestored(FileId::Exe, [this] { refreshNames(); });
}

void NamesEditor::notify()
{
    if (changed_) changed_();
}

namespace {

std::vector<std::string> namesOf(const NameTable& table, EditorSession& session)
{
    if (!session.isLoaded(FileId::Exe)) return {};
    return readNames(table, session.edition(), session.image(FileId::Exe));
}

} // namespace

void NamesEditor::refreshFirstNames()
{
    firstNames_ = namesOf(FirstNames, session_);
    ++firstRevision_;
}

void NamesEditor::refreshLastNames()
{
    lastNames_ = namesOf(LastNames, session_);
    ++lastRevision_;
}

void NamesEditor::refreshNames()
{
    refreshFirstNames();
    refreshLastNames();
    notify();
}

void NamesEditor::clearLists()
{
    firstNames_.clear();
    lastNames_.clear();
    ++firstRevision_;
    ++lastRevision_;
    notify();
}

void NamesEditor::firstNameDoubleClicked(std::optional<std::size_t> selected)
{
    if (!selected || *selected >= firstNames_.size()) return;
    editName(FirstNames, *selected, "What would you like the new first name to be?");
    refreshFirstNames();
    notify();
}

void NamesEditor::lastNameDoubleClicked(std::optional<std::size_t> selected)
{
    if (!selected || *selected >= lastNames_.size()) return;
    editName(LastNames, *selected, "What would you like the new last name to be?");
    refreshLastNames();
    notify();
}

void NamesEditor::editName(const NameTable& table, std::size_t entry, const std::string& promptLine)
{
    const auto slot = slotOffset(table, session_.edition(), entry);
    if (!slot || !session_.isLoaded(FileId::Exe) ||
        !tableFits(table, session_.edition(), session_.image(FileId::Exe))) {
        return;
    }
    const ValueBox box{NewNameTitle, promptLine + "\n(remember it cannot exceed 11 characters)",
                       decodeField(session_.image(FileId::Exe), *slot, table.slotWidth)};
    const auto name = askShortText(session_.prompts(), box, MaxNameCharacters);
    if (!name) return;
    session_.write(FileId::Exe, *slot, fieldBytes(*name, table.writableWidth), SnapshotRule::Always);
}

} // namespace orvane::names
