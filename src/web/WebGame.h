#pragma once
// One game open in the web page: its files in memory, the session, the six page editors, and what
// the page reads and calls. The page holds no rule: every view and every answer comes from here.
#include <emscripten/val.h>

#include <string>

#include "editors/PageEditors.h"
#include "web/WebFileSystem.h"
#include "session/EditorSession.h"
#include "web/WebPrompts.h"

namespace orvane::web {

class WebGame {
public:
    // `page` answers the boxes (askText, askYesNo, askChoice, showMessage, chooseFileToOpen,
    // chooseFileToSave) and hears `changed()` after anything it shows may have changed.
    explicit WebGame(emscripten::val page);

    // The files: put in by the page, read back, and the steps of the last writes.
    void putFile(const std::string& path, const emscripten::val& bytes);
    emscripten::val file(const std::string& path) const;
    emscripten::val takeSteps();
    // The game's executable below a folder put in: QEV.EXE, or GEOSCAPE.EXE beside or in QEVEXE;
    // empty when there is none.
    std::string findExecutable(const std::string& folder);

    // The menu commands. `load` answers the open dialog with the executable's path.
    std::string load(const std::string& exePath);
    bool save() { return session_.save(); }
    void undo() { session_.undo(); }
    void toggleMakeBackups() { session_.toggleMakeBackups(); }
    void makeMasterBackup() { session_.makeMasterBackup(); }
    void makePatchFile() { session_.makePatchFile(); }
    void applyPatchFile(const std::string& path);
    void exportChangesAsMod();
    void applyModFile(const std::string& path);
    void closeFiles();
    emscripten::val state() const;
    emscripten::val changes() const;

    // The pages, each as a plain object: what it shows now, and its fixed captions and choices.
    emscripten::val layout() const;
    emscripten::val baseView() const;
    emscripten::val facilityView() const;
    emscripten::val namesView() const;
    emscripten::val unitView() const;
    emscripten::val itemView() const;
    emscripten::val stringView() const;

    PageEditors& editors() { return editors_; }
    void setStringEditText(const std::string& text) { editors_.strings.setEditText(text); }

private:
    void changed();

    emscripten::val page_;
    WebFileSystem files_;
    WebPrompts prompts_;
    EditorSession session_;
    PageEditors editors_;
};

} // namespace orvane::web
