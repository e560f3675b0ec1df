#include "ui/HelpWindow.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

#include "ui/AccessibleNames.h"
#include "ui/GameFont.h"
#include "ui/ListEntries.h"
#include "ui/WindowNames.h"

namespace orvane::ui {

namespace {

struct QuestionAndAnswer {
    const char* question;
    const char* answer;
};

// In the order of the list: the answer of row n belongs to question n.
constexpr std::array<QuestionAndAnswer, 5> Questions{{
    {"What does this program do?",
     "This program lets you change many things about the way the game works: the base you start with, the "
     "facilities, the soldiers' names, the units, the items and the game's texts."},
    {"What do I need to use this program?",
     "You need a full copy of the game. Before you change anything, back up your files with the "
     "\"make master backup\" function (Ctrl+B)."},
    {"Why can't I load my DOS executable?",
     "There are two likely reasons. You may have DOS version 1.0 of the game, which this program does not "
     "support. Or you chose the wrong executable: load 'GEOSCAPE.EXE' from the game's 'QEVEXE' directory. If "
     "something goes wrong while loading, the load window tells you what it was."},
    {"Why doesn't the 'standard to build' function work?",
     "That feature adjusts a variable which should lead to the desired effect but for some reason does not. I left "
     "it in the program because I plan on fixing it and wanted to make sure I kept what I had so far."},
    {"How do I load my backup files?",
     "The backup files are just copies of the files that were opened. So, you can simply rename the files to the "
     "original name and they should work. "},
}};

QLabel* gameLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    useGameFont(label);
    return label;
}

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(helpWindowNames::frmHelp);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Help"));

    auto* questions = new QListWidget(this);
    questions->setObjectName(helpWindowNames::lstHelp);
    useGameFont(questions);
    auto* answer = new QPlainTextEdit(this);
    answer->setObjectName(helpWindowNames::txtHelp);
    answer->setReadOnly(true);
    useGameFont(answer);
    QLabel* hint = gameLabel(QStringLiteral("Click on a question to have the answer appear."), this);
    hint->setObjectName(helpWindowNames::lblInfo);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(helpWindowNames::Command1);

    for (const QuestionAndAnswer& entry : Questions) questions->addItem(QString::fromLatin1(entry.question));

    auto* layout = new QVBoxLayout(this);
    QLabel* questionsTitle = gameLabel(QStringLiteral("Questions:"), this);
    QLabel* answersTitle = gameLabel(QStringLiteral("Answers:"), this);
    labelControl(questionsTitle, questions);
    labelControl(answersTitle, answer);
    layout->addWidget(questionsTitle);
    layout->addWidget(questions);
    layout->addWidget(answersTitle);
    layout->addWidget(answer);
    layout->addWidget(hint);
    layout->addWidget(ok, 0, Qt::AlignRight);
    resize(520, 420);

    // The answer stays empty until a question is chosen.
    connectEntries(questions,
                   [answer](const QModelIndex& question) {
                       const auto row = static_cast<std::size_t>(question.row());
                       if (row < Questions.size()) answer->setPlainText(QString::fromLatin1(Questions[row].answer));
                   },
                   {});
    connect(ok, &QPushButton::clicked, this, &QWidget::close);
}

} // namespace orvane::ui
