#include "ui/PageHolder.h"

#include <QVBoxLayout>

#include "ui/EditorPage.h"

namespace orvane::ui {

PageHolder::PageHolder(MakePage makePage, QWidget* parent) : QWidget(parent), makePage_(std::move(makePage)) {}

EditorPage& PageHolder::page()
{
    if (page_ != nullptr) return *page_;
    page_ = makePage_(this);
    makePage_ = {};
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page_);
    // A widget added to one already on screen stays hidden until shown.
    if (isVisible()) page_->show();
    return *page_;
}

} // namespace orvane::ui
