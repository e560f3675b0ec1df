#pragma once
// The prompt that edits a two-byte amount of the executable, shared by the starting stores and the
// facility types.
#include <cstddef>

namespace orvane {
class EditorSession;
}

namespace orvane::base {

// Asks for a two-byte amount of ExeImage whose high byte stands at `high` and low byte at `low`
// ("Change Amount", commas removed, under the limit of WordEntry). Returns true when it wrote (after
// one snapshot).
bool editWord(EditorSession& session, std::size_t high, std::size_t low);

} // namespace orvane::base
