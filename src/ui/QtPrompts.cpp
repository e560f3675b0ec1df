#include "ui/QtPrompts.h"

#include <algorithm>

#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace orvane::ui {

namespace {

// The dialogs show each filter by its description alone: Qt would otherwise add the patterns after it,
// and "Patch File (*.qev)" names its pattern already.
constexpr auto DialogOptions = QFileDialog::HideNameFilterDetails;

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
    dialog.setObjectName(QStringLiteral("InputBox"));
    dialog.setWindowTitle(QString::fromStdString(title));
    dialog.setLabelText(QString::fromStdString(prompt));
    dialog.setTextValue(QString::fromStdString(defaultText));
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
    box.setObjectName(QStringLiteral("ChoiceBox"));
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
    const QString path = QFileDialog::getOpenFileName(parent_, QString(), QString(), dialogFilter(filter), nullptr,
                                                      DialogOptions);
    if (path.isEmpty()) return std::nullopt;
    // The dialog answers with '/' everywhere; the model joins the game's names with the platform's own.
    return QDir::toNativeSeparators(path).toStdString();
}

std::optional<std::string> QtPrompts::chooseFileToSave(const FileFilter& filter)
{
    const QString path = QFileDialog::getSaveFileName(parent_, QString(), QString(), dialogFilter(filter), nullptr,
                                                      DialogOptions);
    if (path.isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(path).toStdString();
}

} // namespace orvane::ui
