#pragma once
// Apply Patch File: reads a patch file and writes its parts into the images of the edition loaded
// now, one undoable change per file that it changes.
namespace orvane {

class EditorSession;

// Asks for the file, checks it and applies it. A file that is not a well-formed patch file is
// refused with a message saying why, and nothing changes. When the split between the two string
// files cannot be told for certain the user is asked which one is meant.
void applyPatchFile(EditorSession& session);

} // namespace orvane
