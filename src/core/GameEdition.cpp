#include "core/GameEdition.h"

namespace orvane {

GameEdition editionForExeLength(std::uint64_t length)
{
    switch (length) {
    case CollectorsExeLength: return GameEdition::Collectors;
    case Dos12ExeLength: return GameEdition::Dos12;
    case Dos14ExeLength: return GameEdition::Dos14;
    default: return GameEdition::None;
    }
}

std::uint64_t exeLengthOf(GameEdition edition)
{
    switch (edition) {
    case GameEdition::Collectors: return CollectorsExeLength;
    case GameEdition::Dos12: return Dos12ExeLength;
    case GameEdition::Dos14: return Dos14ExeLength;
    case GameEdition::None: break;
    }
    return 0;
}

std::string editionName(GameEdition edition)
{
    switch (edition) {
    case GameEdition::Collectors: return "Collector's Edition";
    case GameEdition::Dos12: return "DOS version 1.2";
    case GameEdition::Dos14: return "DOS version 1.4";
    case GameEdition::None: break;
    }
    return {};
}

bool isDosEdition(GameEdition edition) { return edition == GameEdition::Dos12 || edition == GameEdition::Dos14; }

std::optional<std::uint32_t> EditionOffsets::in(GameEdition edition) const
{
    switch (edition) {
    case GameEdition::Collectors: return collectors;
    case GameEdition::Dos12: return dos12;
    case GameEdition::Dos14: return dos14;
    case GameEdition::None: break;
    }
    return std::nullopt;
}

} // namespace orvane
