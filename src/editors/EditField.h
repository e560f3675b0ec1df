#pragma once
// Ask, check, write: the one way a page edits a number field of an image.
#include <cstddef>

#include "core/AskValue.h"
#include "core/FieldLayout.h"
#include "files/GameFileSet.h"

namespace orvane {
class EditorSession;
}

namespace orvane::editors {

// Asks for a new value of the number field that starts at byte offset `at` of image `id`, in `box`,
// under the field's rule, and writes the accepted value after one snapshot. Nothing is asked when the
// field does not lie inside a loaded image. True when it wrote.
bool editField(EditorSession& session, FileId id, std::size_t at, const FieldLayout& field, const ValueBox& box,
               const EntryReader& read = {});

// The prompt for a two-byte amount of the executable, shared by the starting stores and the facility
// types: "Change Amount" with the amount as stored, unsigned; commas are dropped, and the rest must
// be one number under the field's limit.
bool editWord(EditorSession& session, std::size_t at, const FieldLayout& field);

} // namespace orvane::editors
