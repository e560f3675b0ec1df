#include "ui/SquareButton.h"

#include <QEvent>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>

namespace orvane::ui {
namespace {

// `text` with every line that is wider than `width` in `font` broken onto further lines, at a word
// boundary where there is one, so that no line is wider than `width`.
QString wrapLines(const QString& text, const QFont& font, int width)
{
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList lines;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (line.isEmpty()) {
            lines << line;
            continue;
        }
        QTextLayout layout(line, font);
        layout.setTextOption(wrapping);
        layout.beginLayout();
        for (QTextLine part = layout.createLine(); part.isValid(); part = layout.createLine()) {
            part.setLineWidth(width);
            lines << line.mid(part.textStart(), part.textLength()).trimmed();
        }
        layout.endLayout();
    }
    return lines.join(QLatin1Char('\n'));
}

} // namespace

SquareButton::SquareButton(int size, QWidget* parent) : QPushButton(parent) { setFixedSize(size, size); }

void SquareButton::setCaption(const QString& caption)
{
    caption_ = caption;
    refreshCaption();
}

void SquareButton::changeEvent(QEvent* event)
{
    QPushButton::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) refreshCaption();
}

void SquareButton::refreshCaption()
{
    if (caption_.isEmpty()) {
        setText(caption_);
        return;
    }
    QStyleOptionButton option;
    initStyleOption(&option);
    const int width = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this).width();
    setText(wrapLines(caption_, font(), width));
}

} // namespace orvane::ui
