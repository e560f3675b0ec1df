#include "editors/BaseEditor.h"

#include "core/AskValue.h"
#include "editors/EditField.h"
#include "session/EditorSession.h"

namespace orvane::base {
namespace {

constexpr const char* PersonnelPrompt = "Enter the amount you would like to have.\n(Remember, this cannot exceed 250).";

} // namespace

BaseEditor::BaseEditor(EditorSession& session) : session_(session)
{
    session_.onExeAccepted("UpdateItemsList", [this] { refreshItemsList(); });
    session_.onExeAccepted("Update Base", [this] { refreshBase(); });
    session_.onRestored(FileId::Exe, [this] {
        refreshBase();
        refreshItemsList();
    });
}

void BaseEditor::notify()
{
    if (changed_) changed_();
}

std::optional<std::size_t> BaseEditor::blockStart() const
{
    if (!session_.isLoaded(FileId::Exe)) return std::nullopt;
    return startingBaseStart(session_.edition(), session_.files().image(FileId::Exe));
}

void BaseEditor::refreshBase()
{
    const auto start = blockStart();
    const ByteImage& exe = session_.files().image(FileId::Exe);
    for (std::size_t k = 0; k < SquareCount; ++k) {
        view_.squareCaptions.at(k) =
            start ? facilityName(exe.at(*start + k)) + "\n" + daysLabel(exe.at(*start + DaysOffset + k))
                  : std::string{};
    }
    notify();
}

void BaseEditor::refreshItemsList()
{
    view_.storesList.clear();
    if (const auto start = blockStart()) {
        const ByteImage& exe = session_.files().image(FileId::Exe);
        for (const StoresEntry& entry : storesEntries()) {
            const std::size_t at = *start + entry.offset;
            const int amount = entry.personnel ? int{exe.at(at)} : int{readU16(exe, at)};
            view_.storesList.push_back(entry.label + std::to_string(amount));
        }
    }
    ++view_.listRevision;
    notify();
}

void BaseEditor::showEdition(GameEdition edition)
{
    view_.versionText = edition == GameEdition::None ? std::string() : "Version: " + editionName(edition);
    notify();
}

void BaseEditor::enableAll()
{
    view_.gridEnabled = true;
    view_.listEnabled = true;
    view_.frameVisible = false;
    notify();
}

void BaseEditor::disableAll()
{
    view_.gridEnabled = false;
    view_.listEnabled = false;
    view_.frameVisible = false;
    view_.squareCaptions.fill({});
    view_.versionText.clear();
    view_.storesList.clear();
    ++view_.listRevision;
    notify();
}

void BaseEditor::setBoxes(const std::string& facility, const std::string& days)
{
    view_.facilityText = facility;
    view_.daysText = days;
    ++view_.boxesRevision;
}

void BaseEditor::clickSquare(std::size_t square)
{
    const auto start = blockStart();
    if (!start || square >= SquareCount) return;
    const ByteImage& exe = session_.files().image(FileId::Exe);
    selected_ = SquareOffsets{*start + square, *start + DaysOffset + square};
    pendingFacility_ = exe.at(selected_->facility);
    pendingDays_ = exe.at(selected_->days);
    view_.frameVisible = true;
    view_.frameCaption = oneLineFacilityName(pendingFacility_);
    setBoxes(view_.frameCaption, daysLabel(pendingDays_));
    notify();
}

void BaseEditor::pickFacility(std::uint8_t code)
{
    pendingFacility_ = code;
    view_.facilityText = oneLineFacilityName(code);
}

void BaseEditor::pickDays(std::uint8_t days)
{
    pendingDays_ = days;
    view_.daysText = daysLabel(days);
}

void BaseEditor::apply()
{
    // A load since the click may have left an image that no longer holds the square.
    if (!selected_ || !blockStart() || selected_->days >= session_.files().image(FileId::Exe).size()) return;
    pendingDays_ = settledDays(pendingFacility_, pendingDays_);
    const BytesAt square[] = {{selected_->facility, {pendingFacility_}}, {selected_->days, {pendingDays_}}};
    session_.write(FileId::Exe, square, SnapshotRule::Always);
    refreshBase();
    view_.frameVisible = false;
    setBoxes(oneLineFacilityName(facilityChoices().front()), daysLabel(daysChoices().front()));
    notify();
}

void BaseEditor::cancel()
{
    view_.frameVisible = false;
    notify();
}

void BaseEditor::openStoresEntry(std::optional<std::size_t> selected)
{
    const auto start = blockStart();
    if (start && selected && *selected < StoresEntryCount) {
        const StoresEntry& entry = storesEntries().at(*selected);
        if (entry.personnel) {
            // A cancelled personnel edit leaves the list, and its selection, as they were.
            if (!editPersonnel(*selected, *start + entry.offset)) return;
        } else {
            editors::editWord(session_, *start + entry.offset, storesField(*selected));
        }
    }
    refreshItemsList();
}

bool BaseEditor::editPersonnel(std::size_t entry, std::size_t offset)
{
    const ValueBox box{ChangeAmountTitle, PersonnelPrompt,
                       std::to_string(session_.files().image(FileId::Exe).at(offset))};
    return editors::editField(session_, FileId::Exe, offset, storesField(entry), box);
}

} // namespace orvane::base
