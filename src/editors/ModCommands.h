#pragma once
// File > "Export Changes as Mod..." and File > "Apply Mod File...": the mod files of mods/ from the
// editor, through the file dialogs and message boxes of the Prompts port.
#include "core/Prompts.h"

namespace orvane {

class EditorSession;

// The one entry of both commands' dialogs.
FileFilter modFileFilter();

// Writes the changes since the load, the values the change list shows, as a mod file chosen in the
// save dialog, written as safely as Save. Changes a mod cannot carry are told after the write.
void exportChangesAsMod(EditorSession& session);

// Applies a mod file chosen in the open dialog: each file it changes is one undoable change and the
// pages showing it are redrawn. A refused file is told with its reason and changes nothing.
void applyModFile(EditorSession& session);

} // namespace orvane
