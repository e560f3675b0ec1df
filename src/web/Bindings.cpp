// The names the web page calls: the game, its commands, and each page's clicks, passed on to the
// page editors as the desktop's widgets pass them.
#include <emscripten/bind.h>

#include "core/TextFilter.h"
#include "web/WebGame.h"

namespace orvane::web {
namespace {

using emscripten::val;

FileId stringFile(int list) { return list == 0 ? FileId::English : FileId::English2; }

std::optional<std::size_t> entryOrNone(int index)
{
    if (index < 0) return std::nullopt;
    return static_cast<std::size_t>(index);
}

// The positions of the entries a filter box lets through, found as the desktop's filter finds them.
val matching(const std::vector<std::string>& entries, const std::string& typed)
{
    std::vector<std::int32_t> shown;
    for (const std::size_t position : TextFilter(typed).matchingPositions(entries))
        shown.push_back(static_cast<std::int32_t>(position));
    return val::global("Int32Array").new_(emscripten::typed_memory_view(shown.size(), shown.data()));
}

} // namespace

EMSCRIPTEN_BINDINGS(orvane)
{
    using emscripten::class_;
    using emscripten::optional_override;

    class_<WebGame>("Game")
        .constructor<val>()
        .function("putFile", &WebGame::putFile)
        .function("file", &WebGame::file)
        .function("takeSteps", &WebGame::takeSteps)
        .function("findExecutable", &WebGame::findExecutable)
        .function("load", &WebGame::load)
        .function("save", &WebGame::save)
        .function("undo", &WebGame::undo)
        .function("toggleMakeBackups", &WebGame::toggleMakeBackups)
        .function("makeMasterBackup", &WebGame::makeMasterBackup)
        .function("makePatchFile", &WebGame::makePatchFile)
        .function("applyPatchFile", &WebGame::applyPatchFile)
        .function("exportChangesAsMod", &WebGame::exportChangesAsMod)
        .function("applyModFile", &WebGame::applyModFile)
        .function("closeFiles", &WebGame::closeFiles)
        .function("state", &WebGame::state)
        .function("changes", &WebGame::changes)
        .function("layout", &WebGame::layout)
        .function("baseView", &WebGame::baseView)
        .function("facilityView", &WebGame::facilityView)
        .function("namesView", &WebGame::namesView)
        .function("unitView", &WebGame::unitView)
        .function("itemView", &WebGame::itemView)
        .function("stringView", &WebGame::stringView)
        // A string list is read by the page one row on screen at a time.
        .function("stringCount", optional_override([](WebGame& g, int list) {
                      return static_cast<int>(g.editors().strings.entries(stringFile(list)).size());
                  }))
        .function("stringEntry", optional_override([](WebGame& g, int list, int entry) {
                      const auto& entries = g.editors().strings.entries(stringFile(list));
                      const auto at = static_cast<std::size_t>(entry);
                      return at < entries.size() ? entries[at] : std::string();
                  }))
        .function("matchingStrings", optional_override([](WebGame& g, int list, const std::string& typed) {
                      return matching(g.editors().strings.entries(stringFile(list)), typed);
                  }))
        .function("matchingItems", optional_override([](WebGame& g, const std::string& typed) {
                      return matching(g.editors().items.listEntries(), typed);
                  }))
        // Base Editor
        .function("clickSquare", optional_override([](WebGame& g, int square) {
                      g.editors().base.clickSquare(static_cast<std::size_t>(square));
                  }))
        .function("pickFacility", optional_override([](WebGame& g, int code) {
                      g.editors().base.pickFacility(static_cast<std::uint8_t>(code));
                  }))
        .function("pickDays", optional_override([](WebGame& g, int days) {
                      g.editors().base.pickDays(static_cast<std::uint8_t>(days));
                  }))
        .function("applyBase", optional_override([](WebGame& g) { g.editors().base.apply(); }))
        .function("cancelBase", optional_override([](WebGame& g) { g.editors().base.cancel(); }))
        .function("openStoresEntry", optional_override([](WebGame& g, int entry) {
                      g.editors().base.openStoresEntry(entryOrNone(entry));
                  }))
        // Facility Editor
        .function("chooseFacility",
                  optional_override([](WebGame& g, int record) { g.editors().facilities.choose(record); }))
        .function("editFacilityValue", optional_override([](WebGame& g, int value) {
                      g.editors().facilities.editValue(
                          facilities::AllFacilityValues.at(static_cast<std::size_t>(value)));
                  }))
        .function("setStandard",
                  optional_override([](WebGame& g, bool yes) { g.editors().facilities.setStandard(yes); }))
        // Soldier names
        .function("editFirstName", optional_override([](WebGame& g, int entry) {
                      g.editors().names.firstNameDoubleClicked(entryOrNone(entry));
                  }))
        .function("editLastName", optional_override([](WebGame& g, int entry) {
                      g.editors().names.lastNameDoubleClicked(entryOrNone(entry));
                  }))
        // Unit Editor
        .function("chooseUnit", optional_override([](WebGame& g, int record) { g.editors().units.choose(record); }))
        .function("editStat", optional_override([](WebGame& g, int stat) {
                      g.editors().units.editStat(units::AllUnitStats.at(static_cast<std::size_t>(stat)));
                  }))
        .function("setFlying", optional_override([](WebGame& g, bool yes) { g.editors().units.setFlying(yes); }))
        // Item Editor
        .function("clickItem", optional_override([](WebGame& g, int entry) {
                      g.editors().items.clickEntry(static_cast<std::size_t>(entry));
                  }))
        .function("openItem", optional_override([](WebGame& g, int entry) {
                      g.editors().items.openEntry(static_cast<std::size_t>(entry));
                  }))
        .function("changeItemName", optional_override([](WebGame& g) { g.editors().items.changeName(); }))
        .function("editItemValue", optional_override([](WebGame& g, int value) {
                      g.editors().items.editValue(static_cast<items::ItemValue>(value));
                  }))
        .function("chooseItemOption", optional_override([](WebGame& g, int option) {
                      g.editors().items.chooseOption(static_cast<items::ItemOption>(option));
                  }))
        // String Editor
        .function("clickString", optional_override([](WebGame& g, int list, int entry) {
                      g.editors().strings.clickEntry(stringFile(list), static_cast<std::size_t>(entry));
                  }))
        .function("openString", optional_override([](WebGame& g, int list, int entry) {
                      g.editors().strings.openEntry(stringFile(list), static_cast<std::size_t>(entry));
                  }))
        .function("setStringEditText", &WebGame::setStringEditText)
        .function("applyString", optional_override([](WebGame& g) { g.editors().strings.apply(); }))
        .function("cancelString", optional_override([](WebGame& g) { g.editors().strings.cancel(); }));
}

} // namespace orvane::web
