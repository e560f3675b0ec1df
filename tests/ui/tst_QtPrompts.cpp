// The Qt side of the prompts, answered through the real modal boxes.
#include <QInputDialog>
#include <QLabel>
#include <QTimer>

#include "ui/QtPrompts.h"
#include "widgets/SampleWindow.h"

class TestQtPrompts : public QObject {
    Q_OBJECT

    // Runs `answer` on the modal box as soon as it is up.
    static void whenBoxOpens(std::function<void(QInputDialog*)> answer)
    {
        QTimer::singleShot(0, [answer] {
            auto* box = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
            QVERIFY(box);
            answer(box);
        });
    }

private slots:
    void anInputBoxShowsTitlePromptAndDefaultAndReturnsTheAnswer()
    {
        orvane::ui::QtPrompts prompts;
        QString title, label, shownDefault;
        whenBoxOpens([&](QInputDialog* box) {
            title = box->windowTitle();
            label = box->labelText();
            shownDefault = box->textValue();
            box->setTextValue(QStringLiteral("R\u00e9my"));
            box->accept();
        });
        const auto answer = prompts.askText("New Name", "line one\nline two", "Old");
        QCOMPARE(title, QStringLiteral("New Name"));
        QCOMPARE(label, QStringLiteral("line one\nline two"));
        QCOMPARE(shownDefault, QStringLiteral("Old"));
        QCOMPARE(answer, std::optional<std::string>("R\u00e9my"));

        whenBoxOpens([](QInputDialog* box) { box->reject(); });
        QCOMPARE(prompts.askText("Change Amount", "prompt", "5"), std::nullopt);
    }

    void theOpenDialogFilterFindsUpperCaseExecutables()
    {
        const QString filter = orvane::ui::dialogFilter({"QEV Executable (qev.exe)", "*.exe"});
#ifdef Q_OS_WIN
        QCOMPARE(filter, QStringLiteral("QEV Executable (qev.exe) (*.exe)"));
#else
        QCOMPARE(filter, QStringLiteral("QEV Executable (qev.exe) (*.exe *.EXE)"));
#endif
    }
};

ORVANE_WIDGET_TEST_MAIN(TestQtPrompts)

#include "tst_QtPrompts.moc"
