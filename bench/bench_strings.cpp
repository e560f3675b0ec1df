// Times Apply and Undo on the String Editor page with 100,000 strings in each string file, through the
// real page (image rebuilt, both lists refilled, events processed), side by side with filling a bare
// QListView over a QStringListModel with the same strings. Prints the median of several runs of each.
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QStringListModel>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchPrompts.h"
#include "BenchStrings.h"
#include "SampleGame.h"
#include "files/LoadProgress.h"
#include "files/RealFileSystem.h"
#include "session/EditorSession.h"
#include "strings/StringTable.h"
#include "ui/pages/StringPage.h"

namespace {

using Clock = std::chrono::steady_clock;
using orvane::bench::StringCount;
constexpr int Runs = 15;

double milliseconds(Clock::duration spent) { return std::chrono::duration<double, std::milli>(spent).count(); }

double medianOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Filling bare views over QStringListModels with every string of the given tables, painted.
double bareFill(const std::vector<std::vector<std::string>>& tables)
{
    std::vector<QListView*> views;
    std::vector<QStringListModel*> models;
    QWidget window;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        auto* view = new QListView(&window);
        view->setUniformItemSizes(true);
        view->setGeometry(static_cast<int>(i) * 300, 0, 300, 400);
        auto* model = new QStringListModel(view);
        view->setModel(model);
        views.push_back(view);
        models.push_back(model);
    }
    window.resize(600, 400);
    window.show();
    QCoreApplication::processEvents();
    std::vector<double> times;
    for (int run = 0; run < Runs; ++run) {
        for (QStringListModel* model : models) model->setStringList({});
        QCoreApplication::processEvents();
        const auto start = Clock::now();
        for (std::size_t i = 0; i < tables.size(); ++i) {
            QStringList list;
            list.reserve(static_cast<qsizetype>(tables[i].size()));
            for (const auto& text : tables[i]) list.append(QString::fromStdString(text));
            models[i]->setStringList(list);
        }
        QCoreApplication::processEvents();
        times.push_back(milliseconds(Clock::now() - start));
    }
    return medianOf(times);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const auto dir = std::filesystem::temp_directory_path() / "orvane-bench-strings";
    std::filesystem::remove_all(dir);
    const std::string exe = orvane::sample::writeSampleGame(dir.string(), orvane::GameEdition::Collectors);
    const orvane::ByteImage english = orvane::bench::stringFile("First file");
    const orvane::ByteImage english2 = orvane::bench::stringFile("Second file");
    orvane::bench::writeFile(dir / "GEODATA" / "ENGLISH.DAT", english);
    orvane::bench::writeFile(dir / "GEODATA" / "ENGLISH2.DAT", english2);

    orvane::RealFileSystem fs;
    orvane::bench::BenchPrompts prompts;
    prompts.file = exe;
    orvane::SilentProgress progress;
    orvane::EditorSession session(fs, prompts);
    orvane::strings::StringEditor editor(session);
    orvane::ui::StringPage page(editor);
    page.resize(900, 600);
    page.show();
    session.loadFiles(progress, {});
    QCoreApplication::processEvents();

    auto* lstEng1 = page.findChild<QListView*>(QStringLiteral("lstEng1"));
    auto* text1 = page.findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* apply = page.findChild<QPushButton*>(QStringLiteral("cmdApplyStr"));
    if (lstEng1 == nullptr || text1 == nullptr || apply == nullptr || lstEng1->model()->rowCount() != StringCount) {
        std::fprintf(stderr, "the string page did not show the generated files\n");
        return 1;
    }

    // Batches of five edits (as many as Undo keeps), then five Undos. Each edit makes one string in
    // the middle of ENGLISH.DAT 20 characters longer, so the rest of the file moves.
    std::vector<double> applyTimes;
    std::vector<double> undoTimes;
    for (int batch = 0; batch < Runs / 5; ++batch) {
        for (int edit = 0; edit < 5; ++edit) {
            emit lstEng1->doubleClicked(lstEng1->model()->index(StringCount / 2 + edit, 0));
            text1->setText(text1->text() + QStringLiteral(" and twenty more ch."));
            QCoreApplication::processEvents();
            const auto start = Clock::now();
            apply->click();
            QCoreApplication::processEvents();
            applyTimes.push_back(milliseconds(Clock::now() - start));
        }
        for (int undo = 0; undo < 5; ++undo) {
            const auto start = Clock::now();
            session.undo();
            QCoreApplication::processEvents();
            undoTimes.push_back(milliseconds(Clock::now() - start));
        }
    }
    if (session.image(orvane::FileId::English) != english) {
        std::fprintf(stderr, "the Undos did not give back ENGLISH.DAT as loaded\n");
        return 1;
    }
    const double applyMs = medianOf(applyTimes);
    const double undoMs = medianOf(undoTimes);

    std::vector<std::size_t> starts;
    std::vector<std::string> texts1;
    std::vector<std::string> texts2;
    orvane::strings::findStringStarts(english, starts);
    orvane::strings::decodeStrings(english, starts, texts1);
    orvane::strings::findStringStarts(english2, starts);
    orvane::strings::decodeStrings(english2, starts, texts2);
    const double oneList = bareFill({texts1});
    const double twoLists = bareFill({texts1, texts2});

    std::printf("strings per file                                  %d\n", StringCount);
    std::printf("bare QListView + QStringListModel, one list       %8.2f ms (median of %d)\n", oneList, Runs);
    std::printf("bare QListView + QStringListModel, both lists     %8.2f ms (median of %d)\n", twoLists, Runs);
    std::printf("Apply on the string page                          %8.2f ms (median of %d) = %.2fx one list,"
                " slowest %.2f ms\n",
                applyMs, Runs, applyMs / oneList, *std::max_element(applyTimes.begin(), applyTimes.end()));
    std::printf("Undo of a string file on the string page          %8.2f ms (median of %d) = %.2fx one list,"
                " slowest %.2f ms\n",
                undoMs, Runs, undoMs / oneList, *std::max_element(undoTimes.begin(), undoTimes.end()));
    std::filesystem::remove_all(dir);
    return applyMs <= 3 * oneList && undoMs <= 3 * oneList ? 0 : 2;
}
