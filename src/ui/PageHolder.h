#pragma once
// A place in the page strip whose page is made the first time it is asked for (when its tab is first
// shown, or the change list opens a record on it), so the start builds only the page it shows.
#include <QWidget>
#include <functional>

namespace orvane::ui {

class EditorPage;

class PageHolder : public QWidget {
    Q_OBJECT
public:
    using MakePage = std::function<EditorPage*(QWidget* parent)>;
    PageHolder(MakePage makePage, QWidget* parent = nullptr);

    // The page, made on the first call.
    EditorPage& page();

private:
    MakePage makePage_;
    EditorPage* page_ = nullptr;
};

} // namespace orvane::ui
