#include "editors/UnitEditor.h"

#include "core/AskValue.h"
#include "editors/EditField.h"
#include "session/EditorSession.h"

namespace orvane::units {

UnitEditor::UnitEditor(EditorSession& session) : session_(session)
{
    session_.onLoadCompleted([this] { unitChosen_ = false; });
    session_.onRestored(FileId::Exe, [this] {
        if (!unitChosen_) return;
        refreshUnit();
        notify();
    });
}

bool UnitEditor::exeAvailable() const
{
    const auto start = UnitTableOffsets.in(session_.edition());
    return start && session_.isLoaded(FileId::Exe) &&
           fitsIn(session_.image(FileId::Exe), *start, UnitRecordSize * UnitCount);
}

std::size_t UnitEditor::fieldOffset(std::size_t offsetInRecord) const
{
    return *unitFieldOffset(session_.edition(), unitRecordOffset_, offsetInRecord);
}

void UnitEditor::notify()
{
    if (changed_) changed_();
}

void UnitEditor::choose(int record)
{
    view_.valueButtonsEnabled = true;
    view_.flyingEnabled = true;
    unitChosen_ = true;
    unitRecordOffset_ = UnitRecordSize * static_cast<std::size_t>(record);
    refreshUnit();
    notify();
}

void UnitEditor::refreshUnit()
{
    if (!exeAvailable()) return;
    const ByteImage& exe = session_.image(FileId::Exe);
    view_.flyingYes = exe.at(fieldOffset(FlyingOffset)) == 1;
    for (const UnitStat stat : AllUnitStats) {
        const FieldLayout& field = statField(stat);
        const std::int64_t shown = shownNumber(exe.at(fieldOffset(field.offset)), field.entry);
        view_.captions.at(indexOf(stat)) = std::to_string(shown);
    }
}

void UnitEditor::editStat(UnitStat stat)
{
    if (!exeAvailable()) return;
    const FieldLayout& field = statField(stat);
    const std::size_t offset = fieldOffset(field.offset);
    const std::uint8_t current = session_.image(FileId::Exe).at(offset);
    const std::string limit = std::to_string(static_cast<int>(field.entry.limit));
    const std::vector<std::string> moreLines =
        stat == UnitStat::Bravery ? std::vector<std::string>{"The number must also be divisible by 10."}
                                  : std::vector<std::string>{};
    const ValueBox box{ChangeAmountTitle, amountPrompt(limit, moreLines),
                       std::to_string(shownNumber(current, field.entry))};
    if (!editors::editField(session_, FileId::Exe, offset, field, box)) return;
    refreshUnit();
    notify();
}

void UnitEditor::setFlying(bool yes)
{
    if (!exeAvailable()) return;
    const std::size_t offset = fieldOffset(FlyingOffset);
    const std::uint8_t wanted = yes ? 1 : 0;
    session_.write(FileId::Exe, offset, {wanted}, SnapshotRule::WhenBytesDiffer);
    view_.flyingYes = yes;
}

void UnitEditor::disableValues()
{
    view_.valueButtonsEnabled = false;
    view_.captions.fill({});
    view_.flyingYes.reset();
    notify();
}

} // namespace orvane::units
