// End-to-end figures of the desktop program, each beside a bare Qt Widgets program where one applies:
// start to the main window shown (CPU time, wall time, peak memory), Load Files of each edition to all
// six pages filled, one edit and one Undo through the widgets of every page, and the peak memory after
// a load and five edits.
// Run from the build folder as ./bench/bench_desktop; it prints the figures for docs/PERFORMANCE.md.
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>

#include <sys/resource.h>
#include <sys/utsname.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "BenchPrompts.h"
#include "SampleGame.h"
#include "files/RealFileSystem.h"
#include "ui/ApplicationSetup.h"
#include "ui/MainWindow.h"

namespace {

using Clock = std::chrono::steady_clock;
using orvane::FileId;
using orvane::GameEdition;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct ChildRun {
    double wallMs = 0;
    double cpuMs = 0;
    double peakMiB = 0; // VmHWM of the child, as wait4 reports it (ru_maxrss)
};

double milliseconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

// Runs a program to its end and measures it; stops the benchmark when it fails.
ChildRun runChild(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execv(argv[0], argv.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not run to a clean end\n", arguments[0].c_str());
        std::exit(1);
    }
    ChildRun run;
    run.wallMs = millisecondsSince(start);
    run.cpuMs = milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
    run.peakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    return run;
}

// The main window on the real file system, answered by BenchPrompts, found by objectName.
struct Editor {
    orvane::bench::BenchPrompts prompts;
    orvane::RealFileSystem fs;
    orvane::ui::MainWindow window{prompts, fs};

    Editor()
    {
        window.show();
        settle();
    }
    template <typename T>
    T* find(const char* name)
    {
        return window.findChild<T*>(QString::fromLatin1(name));
    }
    // Lets the window take its posted events and repaint what changed.
    static void settle() { QApplication::processEvents(); }
    bool load(const std::string& exe)
    {
        prompts.file = exe;
        find<QAction>("mnuOpen")->trigger();
        settle();
        return window.session().files().complete;
    }
    void undo()
    {
        find<QAction>("mnuUndo")->trigger();
        settle();
    }
    std::array<orvane::ByteImage, 4> images()
    {
        return {window.session().image(FileId::Exe), window.session().image(FileId::English),
                window.session().image(FileId::English2), window.session().image(FileId::Obdata)};
    }
};

void choose(QComboBox* combo, int index)
{
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

// A double click on a row of a list widget or a list view (a list widget turns it into itemDoubleClicked).
void openRow(QAbstractItemView* list, int row)
{
    const QModelIndex index = list->model()->index(row, 0);
    list->setCurrentIndex(index);
    emit list->doubleClicked(index);
}

// One edit on one page, as a user makes it: the controls it needs, what is chosen first (not timed),
// and the edit itself, whose answer alternates so that every edit changes a byte.
struct PageEdit {
    const char* page;
    std::vector<const char*> controls;
    std::function<void(Editor&)> prepare;
    std::function<void(Editor&, int)> edit;
};

std::vector<PageEdit> pageEdits()
{
    const auto number = [](int i, int base) { return std::to_string(base + i % 2); };
    return {
        {"Base Editor",
         {"lstItems"},
         [](Editor&) {},
         [number](Editor& e, int i) {
             e.prompts.text = number(i, 5);
             openRow(e.find<QAbstractItemView>("lstItems"), 0);
         }},
        {"Facility Editor",
         {"cmbType", "cmdPrice"},
         [](Editor& e) { choose(e.find<QComboBox>("cmbType"), 0); },
         [number](Editor& e, int i) {
             e.prompts.text = number(i, 1000);
             e.find<QPushButton>("cmdPrice")->click();
         }},
        {"Soldier Names",
         {"lstFirst"},
         [](Editor&) {},
         [](Editor& e, int i) {
             e.prompts.text = i % 2 ? "Anna" : "Berta";
             openRow(e.find<QAbstractItemView>("lstFirst"), 0);
         }},
        {"Unit Editor",
         {"cmbUnit", "cmdTU"},
         [](Editor& e) { choose(e.find<QComboBox>("cmbUnit"), 0); },
         [number](Editor& e, int i) {
             e.prompts.text = number(i, 40);
             e.find<QPushButton>("cmdTU")->click();
         }},
        {"Item Editor",
         {"lstItem", "cmdDamage"},
         [](Editor& e) { openRow(e.find<QAbstractItemView>("lstItem"), 0); },
         [number](Editor& e, int i) {
             e.prompts.text = number(i, 50);
             e.find<QPushButton>("cmdDamage")->click();
         }},
        {"String Editor",
         {"lstEng1", "Text1", "cmdApplyStr"},
         [](Editor&) {},
         [](Editor& e, int i) {
             openRow(e.find<QAbstractItemView>("lstEng1"), 0);
             QWidget* text = e.find<QWidget>("Text1");
             const bool plain = text->metaObject()->indexOfProperty("plainText") >= 0;
             text->setProperty(plain ? "plainText" : "text", i % 2 ? QStringLiteral("Alpha") : QStringLiteral("Beta"));
             e.find<QPushButton>("cmdApplyStr")->click();
         }},
    };
}

// Why a page cannot be measured, or nothing when it can.
std::string whyNotMeasurable(Editor& editor, const PageEdit& edit)
{
    for (const char* name : edit.controls) {
        if (editor.find<QWidget>(name) == nullptr) return std::string("its control ") + name + " is not there yet";
    }
    return {};
}

void showPage(Editor& editor, const char* caption)
{
    auto* tabs = editor.find<QTabWidget>("tabFac");
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->tabText(i) == QLatin1String(caption)) tabs->setCurrentIndex(i);
    }
    Editor::settle();
}

std::string cpuModel()
{
    std::ifstream cpuinfo("/proc/cpuinfo");
    for (std::string line; std::getline(cpuinfo, line);) {
        if (line.rfind("model name", 0) == 0) return line.substr(line.find(':') + 2);
    }
    return "unknown CPU";
}

// Child mode: a load of the largest edition and five edits, then exit; the parent reads the peak.
int loadAndEdit(const std::string& exe)
{
    Editor editor;
    if (!editor.load(exe)) return 1;
    for (const PageEdit& edit : pageEdits()) {
        showPage(editor, edit.page);
        if (!whyNotMeasurable(editor, edit).empty()) continue;
        edit.prepare(editor);
        for (int i = 0; i < 5; ++i) {
            edit.edit(editor, i);
            Editor::settle();
        }
        return editor.window.session().undoCount() == 5 ? 0 : 1;
    }
    return 1;
}

// The medians of runs of both programs, alternating, so that a change in the machine's load falls on both.
struct PairedRuns {
    std::vector<ChildRun> editor;
    std::vector<ChildRun> bare;

    PairedRuns(int runs, const std::vector<std::string>& editorCommand, const std::string& bareProgram)
    {
        for (int i = 0; i < runs; ++i) {
            editor.push_back(runChild(editorCommand));
            bare.push_back(runChild({bareProgram}));
        }
    }
    void print(const char* path, double ChildRun::*figure, const char* unit) const
    {
        const auto medianOf = [figure](const std::vector<ChildRun>& runs) {
            std::vector<double> values;
            for (const ChildRun& run : runs) values.push_back(run.*figure);
            return median(values);
        };
        const double ofEditor = medianOf(editor);
        const double ofBare = medianOf(bare);
        std::printf("| %s | %.1f %s | %.1f %s | %.2fx |\n", path, ofEditor, unit, ofBare, unit, ofEditor / ofBare);
    }
};

void measureStart(const std::string& folder)
{
    const PairedRuns runs(15, {folder + "/orvane-editor-startprobe"}, folder + "/bench_bare_window");
    runs.print("start to main window shown, CPU time", &ChildRun::cpuMs, "ms");
    runs.print("start to main window shown, wall time", &ChildRun::wallMs, "ms");
    runs.print("peak memory (VmHWM) to main window shown", &ChildRun::peakMiB, "MiB");
}

void measurePeakMemory(const std::string& folder, const std::string& self, const std::string& exe)
{
    const PairedRuns runs(5, {self, "--load-and-edit", exe}, folder + "/bench_bare_window");
    runs.print("peak memory (VmHWM) after a load and five edits", &ChildRun::peakMiB, "MiB");
}

void measureLoads(const std::vector<std::pair<const char*, std::string>>& games)
{
    constexpr int Runs = 15;
    Editor editor;
    for (const auto& [edition, exe] : games) {
        std::vector<double> times;
        for (int i = 0; i < Runs; ++i) {
            const auto start = Clock::now();
            if (!editor.load(exe)) {
                std::printf("| Load Files, %s | did not complete | | |\n", edition);
                return;
            }
            times.push_back(millisecondsSince(start));
        }
        std::printf("| Load Files to all pages filled, %s | %.2f ms | | |\n", edition, median(times));
    }
}

void measureEdits(const std::string& exe)
{
    constexpr int Runs = 41;
    Editor editor;
    if (!editor.load(exe)) return;
    for (const PageEdit& edit : pageEdits()) {
        showPage(editor, edit.page);
        if (const std::string why = whyNotMeasurable(editor, edit); !why.empty()) {
            std::printf("| %s: one edit, one Undo | skipped: %s | | |\n", edit.page, why.c_str());
            continue;
        }
        edit.prepare(editor);
        Editor::settle();
        const auto before = editor.images();
        edit.edit(editor, 0);
        const bool changed = editor.images() != before;
        editor.undo();
        if (!changed || editor.images() != before) {
            std::printf(
                "| %s: one edit, one Undo | skipped: the edit changed no image or Undo did not restore it | | |\n",
                edit.page);
            continue;
        }
        std::vector<double> edits, undos;
        for (int i = 0; i < Runs; ++i) {
            auto start = Clock::now();
            edit.edit(editor, i);
            Editor::settle();
            edits.push_back(millisecondsSince(start));
            start = Clock::now();
            editor.undo();
            undos.push_back(millisecondsSince(start));
        }
        std::printf("| %s: one edit (click, answer, write, redraw) | %.3f ms | | |\n", edit.page, median(edits));
        std::printf("| %s: one Undo (restore, redraw) | %.3f ms | | |\n", edit.page, median(undos));
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (std::getenv("DISPLAY") == nullptr && std::getenv("WAYLAND_DISPLAY") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc == 3 && std::string(argv[1]) == "--load-and-edit") {
        QApplication app(argc, argv);
        orvane::ui::setUpApplication(app);
        return loadAndEdit(argv[2]);
    }

    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::string folder = std::filesystem::path(self).parent_path().string();
    const auto dir = std::filesystem::temp_directory_path() / "orvane-bench-desktop";
    std::filesystem::remove_all(dir);
    std::vector<std::pair<const char*, std::string>> games;
    for (const auto& [name, edition] :
         {std::pair{"Collector's Edition", GameEdition::Collectors}, std::pair{"DOS 1.2", GameEdition::Dos12},
          std::pair{"DOS 1.4", GameEdition::Dos14}}) {
        games.emplace_back(name, orvane::sample::writeSampleGame((dir / name).string(), edition));
    }

    utsname machine{};
    uname(&machine);
    std::array<double, 3> load{};
    getloadavg(load.data(), 3);
    const std::time_t now = std::time(nullptr);
    char date[32];
    std::strftime(date, sizeof date, "%Y-%m-%d %H:%M UTC", std::gmtime(&now));
    std::printf("%s, %s, %ld cores, %s %s, load average %.1f, QT_QPA_PLATFORM=%s\n\n", date, cpuModel().c_str(),
                sysconf(_SC_NPROCESSORS_ONLN), machine.sysname, machine.release, load[0],
                std::getenv("QT_QPA_PLATFORM") ? std::getenv("QT_QPA_PLATFORM") : "(default)");
    std::printf("| Path | Editor | Bare QMainWindow | Ratio |\n|---|---|---|---|\n");
    measureStart(folder);
    measurePeakMemory(folder, self, games.front().second);

    QApplication app(argc, argv);
    orvane::ui::setUpApplication(app);
    measureLoads(games);
    measureEdits(games.front().second);
    std::filesystem::remove_all(dir);
    return 0;
}
