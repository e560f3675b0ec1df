#include "ui/QtPrompts.h"

#include <algorithm>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "ui/AccessibleNames.h"
#include "ui/WindowNames.h"

namespace orvane::ui {

namespace {

// The dialogs show each filter by its description alone: Qt would otherwise add the patterns after it,
// and "Patch File (*.qev)" names its pattern already.
constexpr auto DialogOptions = QFileDialog::HideNameFilterDetails;

// Qt's own boxes name a control by the whole text of its label, colon and line breaks included; it is
// read by the label's words instead, as every control of the program is. A null name finds the box's
// first label or control of the kind.
template <typename Control>
void nameByLabel(QWidget& box, const QString& labelName, const QString& controlName)
{
    auto* label = box.findChild<QLabel*>(labelName);
    auto* control = box.findChild<Control*>(controlName);
    if (label != nullptr && control != nullptr) labelControl(label, control);
}

// A file dialog of the platform where there is one, else Qt's, whose name and type boxes read by their labels.
std::optional<std::string> chooseFile(QWidget* parent, const FileFilter& filter, QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, QString(), QString(), dialogFilter(filter));
    dialog.setOptions(DialogOptions);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    nameByLabel<QLineEdit>(dialog, QStringLiteral("fileNameLabel"), QStringLiteral("fileNameEdit"));
    nameByLabel<QComboBox>(dialog, QStringLiteral("fileTypeLabel"), QStringLiteral("fileTypeCombo"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    // The dialog answers with '/' everywhere; the model joins the game's names with the platform's own.
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst()).toStdString();
}

} // namespace

QString dialogFilter(const FileFilter& filter)
{
    QString patterns = QString::fromStdString(filter.pattern);
#ifndef Q_OS_WIN
    const QString upper = patterns.toUpper();
    if (upper != patterns) patterns += QLatin1Char(' ') + upper;
#endif
    return QString::fromStdString(filter.description) + QStringLiteral(" (") + patterns + QLatin1Char(')');
}

std::optional<std::string> QtPrompts::askText(const std::string& title, const std::string& prompt,
                                              const std::string& defaultText)
{
    QInputDialog dialog(parent_);
    dialog.setObjectName(promptNames::InputBox);
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
    nameByLabel<QLineEdit>(dialog, QString(), QString()); // its prompt and its edit box
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.textValue().toStdString();
}

bool QtPrompts::askYesNo(const std::string& title, const std::string& text)
{
    return QMessageBox::question(parent_, QString::fromStdString(title), QString::fromStdString(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::size_t QtPrompts::askChoice(const std::string& title, const std::string& text,
                                 const std::vector<std::string>& buttons, std::size_t defaultButton,
                                 std::size_t escapeButton)
{
    QMessageBox box(QMessageBox::Warning, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, parent_);
    box.setObjectName(promptNames::ChoiceBox);
    std::vector<QPushButton*> added;
    for (const std::string& caption : buttons) {
        added.push_back(box.addButton(QString::fromStdString(caption), QMessageBox::ActionRole));
    }
    box.setDefaultButton(added.at(defaultButton));
    box.setEscapeButton(added.at(escapeButton));
    box.exec();
    const auto chosen = std::find(added.begin(), added.end(), box.clickedButton());
    return chosen == added.end() ? escapeButton : static_cast<std::size_t>(chosen - added.begin());
}

void QtPrompts::showMessage(const std::string& title, const std::string& text)
{
    QMessageBox::information(parent_, QString::fromStdString(title), QString::fromStdString(text));
}

void QtPrompts::showWarning(const std::string& title, const std::string& text)
{
    QMessageBox::warning(parent_, QString::fromStdString(title), QString::fromStdString(text));
}

std::optional<std::string> QtPrompts::chooseFileToOpen(const FileFilter& filter)
{
    return chooseFile(parent_, filter, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtPrompts::chooseFileToSave(const FileFilter& filter)
{
    return chooseFile(parent_, filter, QFileDialog::AcceptSave);
}

} // namespace orvane::ui
