#include "ui/OptionButtons.h"

#include <QRadioButton>

namespace orvane::ui {
namespace {

void setOptionChecked(QRadioButton* option, bool checked)
{
    option->setAutoExclusive(false);
    option->setChecked(checked);
    option->setAutoExclusive(true);
}

} // namespace

void showYesNo(QRadioButton* yes, QRadioButton* no, std::optional<bool> yesChosen)
{
    setOptionChecked(yes, yesChosen.value_or(false));
    setOptionChecked(no, yesChosen.has_value() && !*yesChosen);
}

} // namespace orvane::ui
