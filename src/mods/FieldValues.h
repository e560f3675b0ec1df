#pragma once
// One field's value as a mod holds it, read from an image, and a mod's value checked by the page's
// rules and written as the page writes it.
#include <cstddef>
#include <optional>
#include <string>

#include "core/ByteImage.h"
#include "mods/ModDocument.h"
#include "mods/ModLayout.h"

namespace orvane::mods {

// A field's value: the name, the caption of the stored code's option (else its number), or the number the
// page shows. The caller checks that the section fits the image.
ModValue fieldValue(const ByteImage& image, const SectionField& field, std::size_t record);

// Gives a field a mod's value. A value equal to the field's own is accepted as it stands and nothing is
// written; any other must be one the page would take (a caption of the record's options, a whole number
// within the limit that the field holds exactly, a name that fits its slot in the game's characters)
// and is written as the page writes it. Returns the reason for a value that is refused, which writes
// nothing; `changed` tells whether anything was written.
std::optional<std::string> assignField(ByteImage& image, const SectionField& field, std::size_t record,
                                       const ModValue& value, bool& changed);

// A text the game can hold: the first character it lacks, worded as a refusal; nothing when it has them all.
std::optional<std::string> refuseCharacters(const std::string& text);

} // namespace orvane::mods
