// What the desktop expects of the main window: a modified marker in the title from the first unsaved
// edit until Save, Undo back to the saved state or Close files; a spoken name on every control; the
// program's icon.
#include <QAccessible>
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

#include "ui/ApplicationSetup.h"
#include "widgets/SampleWindow.h"

using orvane::GameEdition;
using orvane::test::SampleWindow;

namespace {

QString spokenName(QWidget* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    return accessible ? accessible->text(QAccessible::Name) : QString();
}

// The label a screen reader reads with the control (on Linux a combo box is named through it).
QString labelledBy(QWidget* control)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (accessible == nullptr) return {};
    const auto labels = accessible->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

bool insideAnotherControl(const QWidget* widget, const QWidget* page)
{
    for (const QWidget* up = widget->parentWidget(); up != page; up = up->parentWidget()) {
        if (qobject_cast<const QComboBox*>(up) || qobject_cast<const QAbstractItemView*>(up) ||
            qobject_cast<const QLineEdit*>(up) || qobject_cast<const QTabBar*>(up))
            return true;
    }
    return false;
}

// The controls a user can reach on a page: buttons, combo boxes, lists and edit boxes.
QList<QWidget*> controlsOf(QWidget* page)
{
    QList<QWidget*> controls;
    for (QWidget* widget : page->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QComboBox*>(widget) ||
                             qobject_cast<QAbstractItemView*>(widget) || qobject_cast<QLineEdit*>(widget);
        if (control && !insideAnotherControl(widget, page)) controls.append(widget);
    }
    return controls;
}

} // namespace

class TestWindowConventions : public QObject {
    Q_OBJECT

    static void expectModified(SampleWindow& game, bool modified, const QString& title)
    {
        QCOMPARE(game.window.isWindowModified(), modified);
        QCOMPARE(game.visibleTitle(), modified ? title + QLatin1Char('*') : title);
    }

    // Sets the time units of the first unit to `value` through the Unit Editor's button.
    static void editTimeUnits(SampleWindow& game, const std::string& value)
    {
        game.find<QTabWidget>("tabFac")->setCurrentIndex(3);
        auto* combo = game.find<QComboBox>("cmbUnit");
        combo->setCurrentIndex(0);
        emit combo->activated(0);
        game.prompts.answer(value);
        QTest::mouseClick(game.find<QPushButton>("cmdTU"), Qt::LeftButton);
    }

private slots:
    void initTestCase() { orvane::ui::setUpApplication(*qApp); }
    void cleanup() { orvane::test::closeAllWindows(); }

    void theModifiedMarkerFollowsEditsSavesUndosAndClose()
    {
        SampleWindow game(GameEdition::Dos14);
        expectModified(game, false, QStringLiteral("Orvane Executable Editor"));
        game.load();
        const QString title = QStringLiteral("Orvane Executable Editor - ") + QString::fromStdString(game.exePath);
        expectModified(game, false, title);

        editTimeUnits(game, ""); // an empty answer is no edit
        expectModified(game, false, title);
        editTimeUnits(game, "7");
        expectModified(game, true, title);
        game.trigger("mnuUndo");
        expectModified(game, false, title);

        editTimeUnits(game, "8");
        game.trigger("mnuSave");
        expectModified(game, false, title);
        editTimeUnits(game, "9");
        expectModified(game, true, title);
        game.trigger("mnuUndo");
        expectModified(game, false, title); // back at what was saved
        game.trigger("mnuUndo");
        expectModified(game, true, title); // before the save: the disk holds something else

        game.prompts.answerYesNo(false);
        game.trigger("mnuClose");
        expectModified(game, false, title);
        QVERIFY(game.prompts.unexpected().empty());
    }

    void everyControlHasASpokenNameAndTheWindowsHaveTheIcon()
    {
        SampleWindow game;
        game.load();
        editTimeUnits(game, "50"); // a value button's caption is now its value, not its name

        auto* tabs = game.find<QTabWidget>("tabFac");
        for (int page = 0; page < tabs->count(); ++page) {
            for (QWidget* control : controlsOf(tabs->widget(page))) {
                const QString what = tabs->tabText(page) + QStringLiteral(": ") + control->objectName();
                QVERIFY2(!spokenName(control).isEmpty() || !labelledBy(control).isEmpty(), qPrintable(what));
            }
        }
        const std::pair<const char*, QString> named[] = {
            {"cmdTU", "Time Units"}, {"lstFirst", "First Names"}, {"lstLast", "Last Names"},
            {"cmdAmount", "Ammo Amount/ Melee Damage"}, {"cmdAimT", "Aimed Shot TU%"}, {"optYesU", "Yes"},
        };
        for (const auto& [name, spoken] : named) QCOMPARE(spokenName(game.find<QWidget>(name)), spoken);
        QCOMPARE(labelledBy(game.find<QWidget>("cmbUnit")), QStringLiteral("Unit Name:"));
        QCOMPARE(labelledBy(game.find<QWidget>("cmdTU")), QStringLiteral("Time Units:"));
        QCOMPARE(game.find<QPushButton>("cmdTU")->text(), QStringLiteral("50"));

        QVERIFY(!game.window.windowIcon().pixmap(32, 32).isNull());
        QVERIFY(!game.find<QWidget>("frmLoad")->windowIcon().pixmap(32, 32).isNull());
    }
};

ORVANE_WIDGET_TEST_MAIN(TestWindowConventions)

#include "tst_WindowConventions.moc"
