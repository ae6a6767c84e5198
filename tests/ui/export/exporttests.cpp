// Results that leave the window: the graph shown saved as PNG, SVG or PDF and
// copied to the clipboard, the run's samples saved as CSV; failed writes, and
// the run going on undisturbed while its graph is saved.

#include "windowharness.h"

#include "ui/parts/viewstack.h"

#include "plot/viewscene.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <string>
#include <utility>
#include <vector>

namespace dryfriction::test {
namespace {

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void trigger(const WindowHarness& h, const char* action)
{
    h.child<QAction>(action)->trigger();
}

// Starts a run and lets it take `samples` samples in all.
void runFor(WindowHarness& h, int samples)
{
    h.click(h.startButton());
    h.clock.fireAll(samples - 1);
}

// Saves the graph shown to `path` through the save dialog, with the filter.
void saveGraphAs(WindowHarness& h, const QString& path, int filter)
{
    h.files.answer = {path, filter};
    trigger(h, "saveGraphAction");
}

bool isRed(QRgb c)
{
    return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

bool isBlue(QRgb c)
{
    return qBlue(c) > 200 && qRed(c) < 60 && qGreen(c) < 60;
}

std::vector<QPoint> pixelsWhere(const QImage& image, bool (*pick)(QRgb))
{
    std::vector<QPoint> out;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (pick(image.pixel(x, y)))
                out.emplace_back(x, y);
    return out;
}

bool near(const std::vector<QPoint>& set, QPoint q, int reach)
{
    return std::any_of(set.begin(), set.end(), [&](QPoint s) {
        return std::abs(s.x() - q.x()) <= reach && std::abs(s.y() - q.y()) <= reach;
    });
}

// Red and blue of the screen image and of the image at twice its resolution
// lie at the same places: every one of the screen's has its double near it,
// and every one of the double's comes from one of the screen's, but for the
// edges of the texts, whose boxes are measured at each resolution.
void expectSameColouredPixels(const QImage& screen, const QImage& twice, const std::vector<QRectF>& texts = {})
{
    const auto atTextEdge = [&](QPoint screenPixel) {
        return std::any_of(texts.begin(), texts.end(), [&](const QRectF& box) {
            return box.adjusted(-3, -3, 3, 3).contains(QPointF(screenPixel));
        });
    };
    for (auto pick : {&isRed, &isBlue}) {
        const std::vector<QPoint> small = pixelsWhere(screen, pick);
        const std::vector<QPoint> large = pixelsWhere(twice, pick);
        ASSERT_GT(small.size(), 100u);
        int missing = 0, stray = 0;
        for (std::size_t k = 0; k < small.size(); k += 5)
            missing += near(large, small[k] * 2, 3) ? 0 : 1;
        for (std::size_t k = 0; k < large.size(); k += 11)
            stray += near(small, large[k] / 2, 2) || atTextEdge(large[k] / 2) ? 0 : 1;
        EXPECT_EQ(missing, 0);
        EXPECT_EQ(stray, 0);
    }
}

TEST(ResultCommands, FollowTheDocumentsInTheFileMenu)
{
    WindowHarness h;
    const QList<QAction*> actions = h.child<QMenu>("fileMenu")->actions();
    // The documents, then a separator, then the three result commands.
    const auto separator = std::find_if(actions.begin(), actions.end(), [](QAction* a) { return a->isSeparator(); });
    ASSERT_NE(separator, actions.begin());
    ASSERT_NE(separator, actions.end());
    const qsizetype first = separator - actions.begin() + 1;
    ASSERT_EQ(actions.size(), first + 3);
    EXPECT_EQ(actions[first - 2]->objectName(), QStringLiteral("amontonsAction"));
    const struct {
        const char* name;
        QString text;
        QKeySequence shortcut;
    } rows[] = {
        {"saveGraphAction", QStringLiteral("Сохранить график\u2026"), QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"copyGraphAction", QStringLiteral("Копировать график"), QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"saveDataAction", QStringLiteral("Сохранить данные\u2026"), QKeySequence()},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(actions[first + i]->objectName(), QString::fromLatin1(rows[i].name));
        EXPECT_EQ(actions[first + i]->text(), rows[i].text);
        EXPECT_EQ(actions[first + i]->shortcut(), rows[i].shortcut);
    }
}

// Ctrl+C in a text field copies its text; elsewhere it copies the graph.
TEST(ResultCommands, CtrlCCopiesTheFieldsTextInAFieldAndTheGraphElsewhere)
{
    WindowHarness h;
    QApplication::setActiveWindow(h.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(h.window.get()));
    QApplication::clipboard()->setText(QStringLiteral("before"));

    QLineEdit* mass = h.field("massEdit");
    mass->setFocus();
    mass->selectAll();
    QTest::keyClick(mass, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), mass->text());
    EXPECT_TRUE(h.clipboard.images.empty());

    h.choose("velocityOption");
    h.startButton()->setFocus();
    QTest::keyClick(h.startButton(), Qt::Key_C, Qt::ControlModifier);
    ASSERT_EQ(h.clipboard.images.size(), 1u);
    const CanvasWidget* view = h.view("velocityView");
    EXPECT_TRUE(h.clipboard.images.front() == view->canvas().image());

    QTest::keyClick(h.startButton(), Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(h.files.requests.size(), 1u);
    EXPECT_EQ(h.files.requests.front().title, QStringLiteral("Сохранить график"));
}

// The animation goes to the clipboard with the load where it stands.
TEST(ResultCommands, CopiedAnimationShowsTheLoad)
{
    WindowHarness h;
    runFor(h, 120);
    trigger(h, "copyGraphAction");
    ASSERT_EQ(h.clipboard.images.size(), 1u);
    const QImage copied = h.clipboard.images.front();
    const QImage bare = h.view("animationView")->canvas().image();
    ASSERT_EQ(copied.size(), bare.size());
    // The load, a 25-pixel square, is outlined in black over the strip, whose
    // own image has little black there.
    int blackOnlyInCopy = 0;
    for (int y = 0; y < copied.height(); ++y)
        for (int x = 0; x < copied.width(); ++x)
            blackOnlyInCopy += (copied.pixel(x, y) == qRgb(0, 0, 0) && bare.pixel(x, y) != qRgb(0, 0, 0)) ? 1 : 0;
    EXPECT_GE(blackOnlyInCopy, 50);
}

// A graph saved part-way through a run shows the trace as far as it has come,
// at twice the screen's resolution.
TEST(SaveGraph, PngIsTheViewAtTwiceTheResolution)
{
    WindowHarness h;
    h.choose("coordinateOption");
    runFor(h, 300);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.png"));
    saveGraphAs(h, path, 0);

    EXPECT_TRUE(h.messages.shown.empty());
    QImage saved;
    ASSERT_TRUE(saved.loadFromData(readAll(path), "PNG"));
    const CanvasWidget* view = h.view("coordinateView");
    EXPECT_EQ(saved.size(), view->canvas().image().size() * 2);
    expectSameColouredPixels(view->canvas().image(), saved, view->canvas().textBoxes());

    // The dialog proposed the view's name in the working folder, PNG first.
    ASSERT_EQ(h.files.requests.size(), 1u);
    EXPECT_EQ(h.files.requests.front().suggestedPath, QDir::current().filePath(QStringLiteral("координата.png")));
    EXPECT_EQ(h.files.requests.front().filters,
              QStringList({QStringLiteral("Изображение PNG (*.png)"), QStringLiteral("Рисунок SVG (*.svg)"),
                           QStringLiteral("Документ PDF (*.pdf)")}));
}

struct PngCase {
    const char* name;
    const char* option;
    const char* view;
    int samples;
};

// Names the case in test names and failures, instead of its raw bytes.
void PrintTo(const PngCase& c, std::ostream* os)
{
    *os << c.name;
}

class SavedPng : public testing::TestWithParam<PngCase> {};

// The file holds, pixel for pixel, the view drawn afresh at twice the
// screen's resolution, and says so, so that it prints at the view's size.
TEST_P(SavedPng, IsExactlyTheViewDrawnAtTwiceTheResolution)
{
    const PngCase& c = GetParam();
    WindowHarness h;
    h.choose(c.option);
    runFor(h, c.samples);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("view.png"));
    saveGraphAs(h, path, 0);
    ASSERT_TRUE(h.messages.shown.empty());

    const auto* views = h.window->findChild<ViewStack*>();
    ASSERT_NE(views, nullptr);
    const ImageCanvas& screen = h.view(c.view)->canvas();
    const qreal ratio = 2 * screen.devicePixelRatio();
    const QImage expected = renderScene(views->scene(views->shownIndex()), screen.logicalSize(), ratio);
    QImage saved;
    ASSERT_TRUE(saved.loadFromData(readAll(path), "PNG"));
    ASSERT_EQ(saved.size(), screen.logicalSize() * ratio);
    ASSERT_EQ(expected.size(), saved.size());
    int differing = 0;
    for (int y = 0; y < saved.height(); ++y)
        for (int x = 0; x < saved.width(); ++x)
            differing += saved.pixel(x, y) == expected.pixel(x, y) ? 0 : 1;
    EXPECT_EQ(differing, 0);
    // 96 dots per inch on the screen, twice that in the file.
    EXPECT_EQ(saved.dotsPerMeterX(), qRound(96 * ratio / 0.0254));
    EXPECT_EQ(saved.dotsPerMeterY(), qRound(96 * ratio / 0.0254));
}

INSTANTIATE_TEST_SUITE_P(
    MidRun, SavedPng,
    testing::Values(PngCase{"coordinate_graph", "coordinateOption", "coordinateView", 300},
                    PngCase{"phase_portrait", "phaseOption", "phaseView", 450},
                    PngCase{"animation_strip", "animationOption", "animationView", 120}),
    [](const testing::TestParamInfo<PngCase>& info) { return std::string(info.param.name); });

TEST(SaveGraph, SvgAndPdfHoldTheGraphsLinesAndText)
{
    WindowHarness h;
    h.choose("energyOption");
    runFor(h, 400);
    QTemporaryDir dir;

    // Without a suffix, the chosen filter's is added.
    saveGraphAs(h, dir.filePath(QStringLiteral("energy")), 1);
    const QByteArray svg = readAll(dir.filePath(QStringLiteral("energy.svg")));
    EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    EXPECT_TRUE(svg.trimmed().endsWith("</svg>"));
    EXPECT_TRUE(svg.contains("Красный пунктир"));  // the run's legend, as text
    EXPECT_TRUE(svg.contains("#ff0000"));          // the red stop markers and start point
    EXPECT_TRUE(svg.contains("#0000ff"));          // the blue markers

    // A name with the suffix of another type is of that type, whatever the filter.
    const QString pdfPath = dir.filePath(QStringLiteral("energy.PDF"));
    saveGraphAs(h, pdfPath, 0);
    const QByteArray pdf = readAll(pdfPath);
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_TRUE(h.messages.shown.empty());

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is missing";
    QProcess text;
    text.start(pdftotext, {pdfPath, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(30000));
    const QString extracted = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(extracted.contains(QStringLiteral("Красный пунктир"))) << extracted.toStdString();
    EXPECT_TRUE(extracted.contains(QStringLiteral("W/Wo"))) << extracted.toStdString();
}

TEST(SaveGraph, CancelledDialogWritesNothing)
{
    WindowHarness h;
    QTemporaryDir dir;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(dir.path());
    saveGraphAs(h, QString(), 0);
    h.files.answer = {};
    trigger(h, "saveDataAction");
    QDir::setCurrent(previous);
    EXPECT_EQ(h.files.requests.size(), 2u);
    EXPECT_TRUE(h.messages.shown.empty());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

struct FailingTarget {
    const char* name;
    const char* command;
    const char* path;  // inside the test's folder
    bool rootWrites;   // the superuser may write there all the same
};

// Names the case in test names and failures, instead of its raw bytes.
void PrintTo(const FailingTarget& c, std::ostream* os)
{
    *os << c.name;
}

class FailedWrite : public testing::TestWithParam<FailingTarget> {};

// A file that cannot be written: a message names it and gives the reason,
// and nothing is left behind, neither the file nor a part of it.
TEST_P(FailedWrite, SaysWhichFileAndLeavesNothing)
{
    const FailingTarget& target = GetParam();
    if (target.rootWrites && ::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes into a read-only folder";
    WindowHarness h;
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("graph.png")));
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("locked")));
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
    const QStringList before = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);

    const QString path = dir.filePath(QString::fromUtf8(target.path));
    h.files.answer = {path, 0};
    trigger(h, target.command);

    ASSERT_EQ(h.messages.shown.size(), 1u);
    const ShownMessage& m = h.messages.shown.front();
    EXPECT_EQ(m.title, QStringLiteral("Ошибка"));
    EXPECT_TRUE(m.text.startsWith(QStringLiteral("Не удалось сохранить файл\n") + QDir::toNativeSeparators(path)
                                  + QLatin1Char('\n')))
        << m.text.toStdString();
    EXPECT_GT(m.text.section(QLatin1Char('\n'), 2).trimmed().size(), 0) << "no reason given";
    EXPECT_FALSE(QFileInfo(path).isFile());
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden), before);
    EXPECT_TRUE(QDir(dir.filePath(QStringLiteral("locked"))).isEmpty());
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FailedWrite,
    testing::Values(FailingTarget{"graph_in_a_missing_folder", "saveGraphAction", "absent/graph.png", false},
                    FailingTarget{"graph_inside_a_file", "saveGraphAction", "notes.txt/graph.png", false},
                    FailingTarget{"graph_over_a_folder", "saveGraphAction", "graph.png", false},
                    FailingTarget{"data_in_a_missing_folder", "saveDataAction", "absent/samples.csv", false},
                    FailingTarget{"data_in_a_read_only_folder", "saveDataAction", "locked/samples.csv", true}),
    [](const testing::TestParamInfo<FailingTarget>& info) { return std::string(info.param.name); });

struct DataCase {
    const char* name;
    std::vector<std::pair<const char*, const char*>> fields;  // field, text, in order
    std::vector<const char*> tableArgs;
    bool russianLocale;
};

// Names the case in test names and failures, instead of its raw bytes.
void PrintTo(const DataCase& c, std::ostream* os)
{
    *os << c.name;
}

class SaveData : public testing::TestWithParam<DataCase> {};

// The window's CSV is the companion's output for the same values, byte for
// byte, also when the program runs in a locale with a decimal comma.
TEST_P(SaveData, EqualsTheCompanionsSamplesByteForByte)
{
    const DataCase& dc = GetParam();
    WindowHarness h;
    for (const auto& [field, text] : dc.fields)
        h.paste(field, QString::fromUtf8(text));
    ASSERT_TRUE(h.messages.shown.empty()) << "a value was corrected";

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("samples.csv"));
    h.files.answer = {path, 0};
    const std::string previousLocale = std::setlocale(LC_ALL, nullptr);
    if (dc.russianLocale && std::setlocale(LC_ALL, "ru_RU.UTF-8") == nullptr)
        GTEST_SKIP() << "no ru_RU.UTF-8 locale (scripts/bootstrap test generates it)";
    trigger(h, "saveDataAction");
    std::setlocale(LC_ALL, previousLocale.c_str());
    ASSERT_TRUE(h.messages.shown.empty());
    ASSERT_EQ(h.files.requests.size(), 1u);
    EXPECT_EQ(h.files.requests.front().filters, QStringList(QStringLiteral("Таблица CSV (*.csv)")));

    QProcess table;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (dc.russianLocale)
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("ru_RU.UTF-8"));
    table.setProcessEnvironment(env);
    QStringList args;
    for (const char* a : dc.tableArgs)
        args << QString::fromUtf8(a);
    args << QStringLiteral("--samples");
    table.start(QStringLiteral(DRYFRICTION_TABLE_BINARY), args);
    ASSERT_TRUE(table.waitForFinished(60000));
    ASSERT_EQ(table.exitCode(), 0) << table.readAllStandardError().toStdString();
    const QByteArray expected = table.readAllStandardOutput();

    const QByteArray saved = readAll(path);
    EXPECT_GT(saved.count('\n'), 1);
    EXPECT_TRUE(saved == expected) << "window:\n"
                                   << saved.left(300).toStdString() << "\ncompanion:\n"
                                   << expected.left(300).toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, SaveData,
    testing::Values(DataCase{"startup", {}, {}, false},
                    DataCase{"leftward", {{"coordinateEdit", "3.25"}, {"velocityEdit", "-7"}},
                             {"--x0", "3.25", "--v0", "-7"}, false},
                    DataCase{"heavy_in_russian",
                             {{"massEdit", "0.25"}, {"frictionEdit", "0.05"}, {"timeEdit", "37.5"}},
                             {"--m", "0.25", "--mu", "0.05", "--t", "37.5"}, true},
                    DataCase{"one_half_swing_in_russian", {{"coordinateEdit", "1.5"}, {"velocityEdit", "0"}},
                             {"--x0", "1.5", "--v0", "0"}, true}),
    [](const testing::TestParamInfo<DataCase>& info) { return std::string(info.param.name); });

// The data saved are what the graphs show: after a stop the samples drawn, the
// first lines of the whole run; after the end the whole run, as with no run drawn.
TEST(SavedData, AStoppedRunSavesTheSamplesDrawn)
{
    WindowHarness h;
    QTemporaryDir dir;
    const auto save = [&](const char* name) {
        h.files.answer = {dir.filePath(QString::fromLatin1(name)), 0};
        trigger(h, "saveDataAction");
        return readAll(dir.filePath(QString::fromLatin1(name)));
    };
    const QByteArray whole = save("whole.csv");
    ASSERT_EQ(whole.count('\n'), 1 + 796);

    h.click(h.startButton());
    h.clock.fireAll(299);  // 300 samples drawn
    const QByteArray during = save("during.csv");
    h.click(h.startButton());
    const QByteArray stopped = save("stopped.csv");
    EXPECT_EQ(during.count('\n'), 1 + 300);
    EXPECT_EQ(stopped, during);
    EXPECT_TRUE(whole.startsWith(stopped));

    h.click(h.startButton());
    h.clock.fireAll();
    EXPECT_EQ(save("ended.csv"), whole);
    EXPECT_TRUE(h.messages.shown.empty());
}

// Saving and copying during a run change neither its samples nor its pauses:
// the run ends where an undisturbed run ends, with the same graphs.
TEST(ResultCommands, LeaveARunUndisturbed)
{
    WindowHarness quiet;
    quiet.choose("velocityOption");
    runFor(quiet, 250);
    quiet.clock.fireAll();

    WindowHarness busy;
    busy.choose("velocityOption");
    runFor(busy, 250);
    QTemporaryDir dir;
    const std::vector<int> pausesBefore = busy.clock.pauses;
    const int stopsBefore = busy.clock.stops;
    saveGraphAs(busy, dir.filePath(QStringLiteral("v.png")), 0);
    saveGraphAs(busy, dir.filePath(QStringLiteral("v.pdf")), 2);
    busy.files.answer = {dir.filePath(QStringLiteral("v.csv")), 0};
    trigger(busy, "saveDataAction");
    trigger(busy, "copyGraphAction");
    EXPECT_TRUE(busy.messages.shown.empty());
    EXPECT_EQ(busy.clock.pauses, pausesBefore);
    EXPECT_EQ(busy.clock.stops, stopsBefore);
    EXPECT_TRUE(busy.clock.isActive());
    EXPECT_TRUE(busy.window->isRunning());
    busy.clock.fireAll();

    EXPECT_FALSE(busy.window->isRunning());
    EXPECT_EQ(busy.clock.pauses, quiet.clock.pauses);
    EXPECT_EQ(busy.label("finalCoordinateLabel")->text(), quiet.label("finalCoordinateLabel")->text());
    for (const char* view : kViewNames)
        EXPECT_TRUE(busy.view(view)->canvas().image() == quiet.view(view)->canvas().image()) << view;
    EXPECT_EQ(QImage(dir.filePath(QStringLiteral("v.png"))).size(),
              busy.view("velocityView")->canvas().image().size() * 2);
}

}  // namespace
}  // namespace dryfriction::test
