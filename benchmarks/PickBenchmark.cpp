// What one pick, "Интервал" or "Нов ред" costs through the real window,
// with the text box's layout and one repaint, as the composed text grows;
// beside the obvious port that rewrites a whole QPlainTextEdit per pick.
// Then what a resize of the window to a whiteboard's 1920 × 1080 and back
// costs, each to its painted frame, beside a bare QPlainTextEdit given the
// same text, font change and resize. Last, a paste of a million code units
// into an empty box and a typed character in a box that holds them, each
// beside a bare QPlainTextEdit.

#include "Session.h"
#include "Widgets.h"
#include "Zorbika.h"
#include "ZorbikaControls.h"

#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QTest>
#include <benchmark/benchmark.h>
#include <functional>
#include <memory>
#include <string>

namespace {

// A composition of `units` code units in lines of about 60 characters.
std::u16string compositionOf(std::int64_t units)
{
    const std::u16string line = u"Магнитна азбука е вид игра за деца и се играе с букви 0123\r\n";
    std::u16string text;
    text.reserve(static_cast<std::size_t>(units) + line.size());
    while (text.size() < static_cast<std::size_t>(units)) {
        text += line;
    }
    text.resize(static_cast<std::size_t>(units));
    return text;
}

// The window, shown once and reused: making it is start-up, not a pick.
class Board {
public:
    Board()
    {
        form_.load();
        form_.showForm();
        (void)QTest::qWaitForWindowExposed(&rt::widgetOf(form_));
        list().scrollToItem(list().item(72));
        rowCentre_ = list().visualItemRect(list().item(72)).center();
        pick(); // past the first pick's wipe
    }

    rt::TextBoxWidget& composition()
    {
        return rt::widgetOf(form_.Text1.Item(zorbika::names::kCompositionBox));
    }
    rt::ListBoxWidget& list() { return rt::widgetOf(form_.List1); }
    rt::CommandButtonWidget& button(rt::Index index)
    {
        return rt::widgetOf(form_.Command1.Item(index));
    }

    void holding(std::int64_t units)
    {
        composition().SetText(compositionOf(units));
        composition().moveCursor(QTextCursor::End);
        repaint();
    }
    rt::qt::FormWindow& window() { return rt::widgetOf(form_); }
    void pick() { QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, rowCentre_); }
    void press(rt::Index index) { QTest::mouseClick(&button(index), Qt::LeftButton); }
    void repaint() { composition().viewport()->repaint(); }

private:
    rt::Session session_ { u"Zorbika" };
    zorbika::Zorbika form_ { session_ };
    QPoint rowCentre_;
};

// Made on first use and gone before the application object.
std::unique_ptr<Board> theBoard;

Board& board()
{
    if (!theBoard) {
        theBoard = std::make_unique<Board>();
    }
    return *theBoard;
}

constexpr rt::Index kSpace = 0;
constexpr rt::Index kNewLine = 1;
// Keeps the last line about as long as the others, off the clock.
constexpr int kLineLength = 58;

template <class Action> void measure(benchmark::State& state, Action action, bool breaksLines)
{
    Board& window = board();
    window.holding(state.range(0));
    int onLine = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop
        action(window);
        window.repaint();
        if (breaksLines && ++onLine == kLineLength) {
            state.PauseTiming();
            window.press(kNewLine);
            onLine = 0;
            state.ResumeTiming();
        }
    }
    state.counters["units"] = static_cast<double>(state.range(0));
}

void BM_Pick(benchmark::State& state)
{
    measure(
        state, [](Board& window) { window.pick(); }, true);
}

void BM_Space(benchmark::State& state)
{
    measure(
        state, [](Board& window) { window.press(kSpace); }, true);
}

void BM_NewLine(benchmark::State& state)
{
    measure(
        state, [](Board& window) { window.press(kNewLine); }, false);
}

// The obvious port: the whole text out of the widget, one more letter, the
// whole text back in.
void BM_NaivePlainTextEdit(benchmark::State& state)
{
    QPlainTextEdit edit;
    edit.setGeometry(8, 176, 449, 161);
    edit.setFont(QFont("Times New Roman", 12));
    edit.setPlainText(QString::fromStdU16String(compositionOf(state.range(0))));
    edit.show();
    (void)QTest::qWaitForWindowExposed(&edit);
    int onLine = 0;
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop
        edit.setPlainText(edit.toPlainText() + QString::fromUtf8("к"));
        edit.viewport()->repaint();
        if (++onLine == kLineLength) {
            state.PauseTiming();
            edit.setPlainText(edit.toPlainText() + "\n");
            onLine = 0;
            state.ResumeTiming();
        }
    }
    state.counters["units"] = static_cast<double>(state.range(0));
}

// The window on a whiteboard and back, each to its painted frame.
void BM_Resize(benchmark::State& state)
{
    Board& window = board();
    window.holding(state.range(0));
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop
        window.window().resize(1920, 1080);
        window.window().repaint();
        window.window().resize(461, 345);
        window.window().repaint();
    }
    state.counters["units"] = static_cast<double>(state.range(0));
}

// The floor: the composition box alone, as a bare QPlainTextEdit, at the
// place and font the board gives it at 1920 × 1080 (300 dpi) and back.
void BM_ResizeFloor(benchmark::State& state)
{
    QPlainTextEdit edit;
    const QFont usual("Times New Roman", 12);
    QFont large = usual;
    large.setPointSizeF(12 * 300 / 96.0);
    edit.setGeometry(8, 176, 449, 161);
    edit.setFont(usual);
    edit.setPlainText(QString::fromStdU16String(compositionOf(state.range(0))));
    edit.show();
    (void)QTest::qWaitForWindowExposed(&edit);
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop
        edit.setFont(large);
        edit.setGeometry(25, 550, 1403, 503);
        edit.repaint();
        edit.setFont(usual);
        edit.setGeometry(8, 176, 449, 161);
        edit.repaint();
    }
    state.counters["units"] = static_cast<double>(state.range(0));
}

// A paste of `units` code units by Ctrl+V into the emptied `edit`, repainted.
void paste(benchmark::State& state, QPlainTextEdit& edit, const std::function<void()>& empty)
{
    QApplication::clipboard()->setText(QString::fromStdU16String(compositionOf(state.range(0))));
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop
        state.PauseTiming();
        empty();
        state.ResumeTiming();
        QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
        edit.viewport()->repaint();
    }
    state.counters["units"] = static_cast<double>(state.range(0));
}

// A character typed at the end of `units` code units in `edit`, repainted.
void type(benchmark::State& state, QPlainTextEdit& edit)
{
    edit.moveCursor(QTextCursor::End);
    for (auto _ : state) { // NOLINT(clang-analyzer-deadcode.DeadStores): the benchmark loop
        QTest::keyClick(&edit, Qt::Key_K);
        edit.viewport()->repaint();
    }
    state.counters["units"] = static_cast<double>(state.range(0));
}

// The bare QPlainTextEdit, where and as the board shows its box.
class BareEdit : public QPlainTextEdit {
public:
    BareEdit()
    {
        setGeometry(8, 176, 449, 161);
        setFont(QFont("Times New Roman", 12));
        show();
        (void)QTest::qWaitForWindowExposed(this);
    }
};

void BM_Paste(benchmark::State& state)
{
    Board& window = board();
    paste(state, window.composition(), [&window] { window.holding(0); });
}

void BM_PasteFloor(benchmark::State& state)
{
    BareEdit edit;
    paste(state, edit, [&edit] { edit.clear(); });
}

void BM_Type(benchmark::State& state)
{
    Board& window = board();
    window.holding(state.range(0));
    type(state, window.composition());
}

void BM_TypeFloor(benchmark::State& state)
{
    BareEdit edit;
    edit.setPlainText(QString::fromStdU16String(compositionOf(state.range(0))));
    type(state, edit);
}

void sizes(benchmark::internal::Benchmark* benchmark)
{
    for (const std::int64_t units : { 100, 10'000, 100'000, 1'000'000 }) {
        benchmark->Arg(units);
    }
    benchmark->Unit(benchmark::kMicrosecond);
}

BENCHMARK(BM_Pick)->Apply(sizes);
BENCHMARK(BM_Space)->Apply(sizes);
BENCHMARK(BM_NewLine)->Apply(sizes);
BENCHMARK(BM_NaivePlainTextEdit)->Apply(sizes);
BENCHMARK(BM_Resize)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ResizeFloor)->Arg(10'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Paste)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PasteFloor)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Type)->Arg(1'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TypeFloor)->Arg(1'000'000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    theBoard.reset();
    return 0;
}
