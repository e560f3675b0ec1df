#include "ui/SplashWindow.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/GameFont.h"
#include "ui/WindowNames.h"

namespace orvane::ui {

namespace {
constexpr int ShowMilliseconds = 3'500;
}

SplashWindow::SplashWindow(std::function<void()> openMainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window), openMainWindow_(std::move(openMainWindow))
{
    setObjectName(splashWindowNames::frmOpen);
    setWindowTitle(QStringLiteral("Orvane Modifier"));

    using namespace splashWindowNames;
    const std::pair<const char*, QString> labels[] = {
        {Label1, QString()},
        {Label4, QStringLiteral("This program edits the executable of Orvane itself. The author is not responsible "
                                "for any damage incurred during the use of this program.")},
        {Label2, QStringLiteral("Brought to you by:")},
        {Label3, QStringLiteral("The Orvane Executable Editor team")},
    };
    auto* layout = new QVBoxLayout(this);
    for (const auto& [name, text] : labels) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignCenter);
        useGameFont(label);
        layout->addWidget(label);
    }

    timer_ = new QTimer(this);
    timer_->setObjectName(splashWindowNames::Timer1);
    timer_->setSingleShot(true);
    timer_->setInterval(ShowMilliseconds);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::finish);
    resize(420, 260);
}

void SplashWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (finished_ || timer_->isActive()) return;
    auto* title = findChild<QLabel*>(QLatin1String(splashWindowNames::Label1));
    title->setText(QStringLiteral("Orvane Executable Editor\nversion 1.0"));
    timer_->start();
}

// The labels do not take clicks, so a click on one reaches the window too.
void SplashWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        finish();
    else
        QWidget::mouseReleaseEvent(event);
}

void SplashWindow::finish()
{
    if (finished_) return;
    finished_ = true;
    timer_->stop();
    // The main window is shown before the splash goes, so the program never has no window open.
    if (openMainWindow_) openMainWindow_();
    close();
}

} // namespace orvane::ui
