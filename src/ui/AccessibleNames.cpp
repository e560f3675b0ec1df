#include "ui/AccessibleNames.h"

#include <QAbstractButton>
#include <QLabel>

namespace orvane::ui {
namespace {

constexpr char FieldProperty[] = "orvaneField";

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

} // namespace

void labelControl(QLabel* label, QWidget* control)
{
    label->setBuddy(control);
    control->setAccessibleName(spokenText(label->text()));
}

void setFieldName(QAbstractButton* button, const QString& field)
{
    button->setProperty(FieldProperty, spokenText(field));
    refreshFieldValue(button, button->text());
}

void refreshFieldValue(QAbstractButton* button, const QString& caption)
{
    button->setText(caption);
    nameByFieldValue(button, caption);
}

void nameByFieldValue(QAbstractButton* button, const QString& caption)
{
    const QString field = button->property(FieldProperty).toString();
    if (field.isEmpty()) return; // a button never told its field keeps the name it has
    const QString value = spokenText(caption);
    const QString name = value.isEmpty() ? field : field + QStringLiteral(": ") + value;
    if (button->accessibleName() != name) button->setAccessibleName(name);
}

} // namespace orvane::ui
