#include "ui/ValueControls.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "ui/AccessibleNames.h"

namespace orvane::ui {
namespace {

void setOptionChecked(QRadioButton* option, bool checked)
{
    option->setAutoExclusive(false);
    option->setChecked(checked);
    option->setAutoExclusive(true);
}

QRadioButton* makeOption(QGroupBox* frame, const char* caption, const char* name)
{
    auto* option = new QRadioButton(QString::fromLatin1(caption), frame);
    option->setObjectName(QString::fromLatin1(name));
    return option;
}

} // namespace

void addLabelledRow(QWidget* parent, QGridLayout* grid, int row, const char* label, QWidget* control)
{
    auto* caption = new QLabel(QString::fromLatin1(label), parent);
    labelControl(caption, control);
    grid->addWidget(caption, row, 0);
    grid->addWidget(control, row, 1);
}

QPushButton* addValueRow(QWidget* parent, QGridLayout* grid, int row, const char* label, const char* name)
{
    auto* button = new QPushButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    // Named by its field and value rather than by its label, which would say the field twice.
    setFieldName(button, QString::fromLatin1(label));
    grid->addWidget(new QLabel(QString::fromLatin1(label), parent), row, 0);
    grid->addWidget(button, row, 1);
    return button;
}

void refreshValues(std::span<QPushButton* const> buttons, std::span<const std::string> captions, bool enabled)
{
    for (std::size_t i = 0; i < buttons.size() && i < captions.size(); ++i) {
        buttons[i]->setEnabled(enabled);
        refreshFieldValue(buttons[i], QString::fromStdString(captions[i]));
    }
}

YesNoFrame makeYesNoFrame(QWidget* parent, const char* frameName, const char* caption, const char* yesName,
                          const char* noName)
{
    YesNoFrame options;
    options.frame = new QGroupBox(QString::fromLatin1(caption), parent);
    options.frame->setObjectName(QString::fromLatin1(frameName));
    options.yes = makeOption(options.frame, "Yes", yesName);
    options.no = makeOption(options.frame, "No", noName);
    auto* layout = new QHBoxLayout(options.frame);
    layout->addWidget(options.yes);
    layout->addWidget(options.no);
    return options;
}

void refreshYesNo(const YesNoFrame& options, bool enabled, std::optional<bool> yesChosen)
{
    options.frame->setEnabled(enabled);
    options.yes->setEnabled(enabled);
    options.no->setEnabled(enabled);
    setOptionChecked(options.yes, yesChosen.value_or(false));
    setOptionChecked(options.no, yesChosen.has_value() && !*yesChosen);
}

void layOutAsLeftColumn(QWidget* page, QGridLayout* column)
{
    auto* columns = new QHBoxLayout;
    columns->addLayout(column);
    columns->addStretch(1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(columns);
    layout->addStretch();
}

} // namespace orvane::ui
