#include "ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace orvane::ui {
namespace {

constexpr char FieldProperty[] = "orvaneField";

bool isControl(const QWidget* widget)
{
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget);
}

// The parts of a combo box, a tab bar or a list (their popups, scroll buttons, editors) are named by
// the toolkit as part of their owner.
bool isPartOfAnotherControl(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* up = widget->parentWidget(); up != nullptr && up != window; up = up->parentWidget()) {
        if (isControl(up) || up->inherits("QTabBar")) return true;
    }
    return false;
}

bool hasCaption(const QWidget* control)
{
    const auto* button = qobject_cast<const QAbstractButton*>(control);
    return button != nullptr && !button->text().isEmpty();
}

// A label's text as a name: no access-key ampersands, one line, no colon at the end.
QString spokenText(const QString& text)
{
    QString spoken;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
        spoken += text[i];
    }
    spoken = spoken.simplified();
    while (spoken.endsWith(QLatin1Char(':'))) spoken.chop(1);
    return spoken.trimmed();
}

QLabel* labelIn(QLayoutItem* item)
{
    auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    return label != nullptr && !spokenText(label->text()).isEmpty() ? label : nullptr;
}

// The label left of the control in a grid (else above it), or just before it in any other layout.
QLabel* neighbouringLabel(QLayout* layout, const QWidget* control)
{
    for (int index = 0; index < layout->count(); ++index) {
        QLayoutItem* item = layout->itemAt(index);
        if (QLayout* inner = item->layout()) {
            if (QLabel* found = neighbouringLabel(inner, control)) return found;
            continue;
        }
        if (item->widget() != control) continue;
        if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
            int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
            grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
            if (QLabel* left = column > 0 ? labelIn(grid->itemAtPosition(row, column - 1)) : nullptr) return left;
            return row > 0 ? labelIn(grid->itemAtPosition(row - 1, column)) : nullptr;
        }
        return index > 0 ? labelIn(layout->itemAt(index - 1)) : nullptr;
    }
    return nullptr;
}

QLabel* labelFor(QWidget* control, const QList<QLabel*>& labels)
{
    for (QLabel* label : labels) {
        if (label->buddy() == control) return label;
    }
    QWidget* holder = control->parentWidget();
    return holder != nullptr && holder->layout() != nullptr ? neighbouringLabel(holder->layout(), control) : nullptr;
}

QString frameTitle(const QWidget* control)
{
    for (const QWidget* up = control->parentWidget(); up != nullptr && !up->isWindow(); up = up->parentWidget()) {
        if (auto* frame = qobject_cast<const QGroupBox*>(up)) return spokenText(frame->title());
    }
    return {};
}

class NameOnShow : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow()) nameControls(widget);
        }
        return false;
    }
};

} // namespace

void nameControls(QWidget* window)
{
    const QList<QLabel*> labels = window->findChildren<QLabel*>();
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!isControl(control) || !control->accessibleName().isEmpty() || hasCaption(control)) continue;
        if (isPartOfAnotherControl(control, window)) continue;
        if (QLabel* label = labelFor(control, labels)) {
            control->setAccessibleName(spokenText(label->text()));
            // On Linux a combo box is read by its current entry and named through its label's buddy.
            if (label->buddy() == nullptr) label->setBuddy(control);
        } else if (const QString title = frameTitle(control); !title.isEmpty()) {
            control->setAccessibleName(title);
        }
    }
}

void nameControlsOfEveryWindow(QApplication& app)
{
    app.installEventFilter(new NameOnShow(&app));
}

void setFieldName(QAbstractButton* button, const QString& field)
{
    button->setProperty(FieldProperty, spokenText(field));
    showFieldValue(button, button->text());
}

void showFieldValue(QAbstractButton* button, const QString& caption)
{
    button->setText(caption);
    speakFieldValue(button, caption);
}

void speakFieldValue(QAbstractButton* button, const QString& caption)
{
    const QString field = button->property(FieldProperty).toString();
    if (field.isEmpty()) return; // a button never told its field keeps the name it has
    const QString value = spokenText(caption);
    const QString name = value.isEmpty() ? field : field + QStringLiteral(": ") + value;
    if (button->accessibleName() != name) button->setAccessibleName(name);
}

} // namespace orvane::ui
