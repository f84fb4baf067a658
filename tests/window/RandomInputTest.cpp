// Random sequences of real input events against the window, each checked
// against a reference model of what the user should see in the composition
// box. The model follows the meaning of the events: the board's rules, the
// list's picks, the focus order and what typing does to a text box.
//
// ZORBIKA_RANDOM_EVENTS=N asks for a longer run (events per seed).

#include "CharacterList.h"
#include "ZorbikaFixture.h"

#include <QClipboard>
#include <QScrollBar>
#include <QTextCursor>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace zorbika::testing {
namespace {

constexpr int kRows = static_cast<int>(board::kCharacterRowCount);

enum class Kind {
    PressRow,
    DoubleClickRow,
    DragRows,
    Wheel,
    Key, // a navigation or editing key, to whatever has the focus
    Type, // a character, to whatever has the focus
    Tab,
    BackTab,
    ClickButton,
};

enum class Keys {
    Up,
    Down,
    PageUp,
    PageDown,
    Home,
    End,
    Enter,
    Space,
    Backspace,
    Delete,
    SelectAll,
    Undo,
    Paste
};

struct Event {
    Kind kind = Kind::Key;
    int a = 0; // a row, a button, a key or a character's index
    int b = 0; // a second row, or the clipboard's text
};

const std::vector<std::u16string> kTyped
    = { u"а", u"б", u"ъ", u"Я", u"a", u"Z", u"7", u"м", u" ", u"\U0001F600", u"ё" };
const std::vector<std::u16string> kClipboards = {
    u"ред\nдруг",
    u"\U0001F600\U00020000 и още",
    u"първи\r\nвтори\r\nтрети\r\n",
    std::u16string(3000, u'ж') + u"\n" + std::u16string(2000, u'z'),
};

std::string describe(const Event& event)
{
    static const char* const keys[] = { "Up", "Down", "PageUp", "PageDown", "Home", "End", "Enter",
        "Space", "Backspace", "Delete", "Ctrl+A", "Ctrl+Z", "Ctrl+V" };
    std::ostringstream out;
    switch (event.kind) {
    case Kind::PressRow:
        out << "press row " << event.a;
        break;
    case Kind::DoubleClickRow:
        out << "double-click row " << event.a;
        break;
    case Kind::DragRows:
        out << "drag row " << event.a << " to " << event.b;
        break;
    case Kind::Wheel:
        out << "wheel " << (event.a == 0 ? "down" : "up");
        break;
    case Kind::Key:
        out << "key " << keys[event.a]
            << (event.a == static_cast<int>(Keys::Paste) ? " clipboard " + std::to_string(event.b)
                                                         : "");
        break;
    case Kind::Type:
        out << "type #" << event.a;
        break;
    case Kind::Tab:
        out << "Tab";
        break;
    case Kind::BackTab:
        out << "Shift+Tab";
        break;
    case Kind::ClickButton:
        out << "click button " << event.a;
        break;
    }
    return out.str();
}

// What the user should see, from the meaning of each event.
class Model {
public:
    enum Focus { Composition, List, Button0, Button1, Button2 };

    explicit Model(std::u16string preset)
        : text(std::move(preset))
    {
        history = { text };
    }

    std::u16string text;
    bool firstPickDone = false;
    int selected = -1;
    int current = -1;
    int focus = Composition;
    std::size_t caret = 0;
    std::size_t anchor = 0;
    // The texts that undo may bring back: those since the last write.
    std::vector<std::u16string> history;

    void pick(int row)
    {
        selected = current = row;
        click();
    }

    // Click of the list: the first one wipes, then the selected row goes on.
    void click()
    {
        if (!firstPickDone) {
            firstPickDone = true;
            write(u"");
        }
        if (selected >= 0) {
            extend(std::u16string(board::characterRow(static_cast<std::size_t>(selected))));
        }
    }

    void button(int index)
    {
        if (index == 0) {
            extend(u" ");
        } else if (index == 1) {
            extend(u"\r\n");
        } else {
            write(u"");
        }
    }

    // Typing into the composition box replaces the selection or goes in at the caret.
    void edit(std::size_t from, std::size_t to, const std::u16string& with)
    {
        text.replace(from, to - from, with);
        caret = anchor = from + with.size();
        history.push_back(text);
    }

    void type(const std::u16string& typed)
    {
        edit(std::min(caret, anchor), std::max(caret, anchor), typed);
    }

    void backspace()
    {
        if (caret != anchor) {
            type(u"");
        } else if (caret > 0) {
            edit(caret - unitBefore(caret), caret, u"");
        }
    }

    void del()
    {
        if (caret != anchor) {
            type(u"");
        } else if (caret < text.size()) {
            edit(caret, caret + unitAfter(caret), u"");
        }
    }

    void selectAll()
    {
        anchor = 0;
        caret = text.size();
    }

    // Line breaks pasted in any spelling arrive as CR LF.
    static std::u16string pasted(const std::u16string& clipboard)
    {
        std::u16string out;
        for (std::size_t i = 0; i < clipboard.size(); ++i) {
            if (clipboard[i] == u'\r' || clipboard[i] == u'\n') {
                if (clipboard[i] == u'\r' && i + 1 < clipboard.size()
                    && clipboard[i + 1] == u'\n') {
                    ++i;
                }
                out += u"\r\n";
            } else {
                out.push_back(clipboard[i]);
            }
        }
        return out;
    }

private:
    [[nodiscard]] std::size_t unitBefore(std::size_t at) const
    {
        if (at >= 2
            && ((text[at - 2] == u'\r' && text[at - 1] == u'\n')
                || (QChar::isHighSurrogate(text[at - 2]) && QChar::isLowSurrogate(text[at - 1])))) {
            return 2;
        }
        return 1;
    }

    [[nodiscard]] std::size_t unitAfter(std::size_t at) const
    {
        if (at + 1 < text.size()
            && ((text[at] == u'\r' && text[at + 1] == u'\n')
                || (QChar::isHighSurrogate(text[at]) && QChar::isLowSurrogate(text[at + 1])))) {
            return 2;
        }
        return 1;
    }

    // A write of the whole text puts the caret at the start.
    void write(const std::u16string& value)
    {
        if (value != text) {
            caret = anchor = 0;
        }
        text = value;
        history = { text };
    }

    // A write that extends the text carries a caret at its end along; a
    // selection stays as it was, even one that ends there.
    void extend(const std::u16string& piece)
    {
        const bool follows = caret == anchor && caret == text.size();
        text += piece;
        if (follows) {
            caret = anchor = text.size();
        }
        history = { text };
    }
};

class RandomInput : public ZorbikaTest {
protected:
    // The composition box's caret and anchor in code units of its Text.
    std::pair<std::size_t, std::size_t> caretOf()
    {
        const std::u16string text = composition().Text();
        const QTextCursor cursor = composition().textCursor();
        return { textPosition(text, cursor.position()), textPosition(text, cursor.anchor()) };
    }

    static std::size_t textPosition(const std::u16string& text, int documentPosition)
    {
        std::size_t at = 0;
        for (int i = 0; i < documentPosition && at < text.size(); ++i) {
            at += (text[at] == u'\r' && at + 1 < text.size() && text[at + 1] == u'\n') ? 2 : 1;
        }
        return at;
    }

    QWidget* focusWidget(const Model& model)
    {
        switch (model.focus) {
        case Model::Composition:
            return &composition();
        case Model::List:
            return &list();
        default:
            return &button(static_cast<rt::Index>(model.focus - Model::Button0));
        }
    }

    QPoint rowPoint(int row)
    {
        list().scrollToItem(list().item(row));
        return list().visualItemRect(list().item(row)).center();
    }

    // A page is the rows the list shows whole, but one, counted as a user
    // would count them on the screen.
    int rowsPerPage()
    {
        const int height = list().viewport()->height();
        int whole = 0;
        for (int row = 0; row < kRows; ++row) {
            const QRect shown = list().visualItemRect(list().item(row));
            whole += shown.top() >= 0 && shown.bottom() < height ? 1 : 0;
        }
        return std::max(whole - 1, 1);
    }

    void listKey(Model& model, Keys key)
    {
        const int last = kRows - 1;
        const int from = model.selected >= 0 ? model.selected : std::max(model.current, 0);
        const int step = model.selected >= 0 ? 1 : 0;
        int target = -1;
        switch (key) {
        case Keys::Up:
            target = std::max(from - step, 0);
            break;
        case Keys::Down:
            target = std::min(from + step, last);
            break;
        case Keys::PageUp:
            target = std::max(from - step * rowsPerPage(), 0);
            break;
        case Keys::PageDown:
            target = std::min(from + step * rowsPerPage(), last);
            break;
        case Keys::Home:
            target = 0;
            break;
        case Keys::End:
            target = last;
            break;
        case Keys::Enter:
            if (model.selected >= 0) {
                model.click();
            }
            return;
        default:
            return;
        }
        if (target != model.selected) {
            model.pick(target);
        }
    }

    void compositionKey(Model& model, Keys key, int clipboard)
    {
        switch (key) {
        case Keys::Enter:
            model.type(u"\r\n");
            break;
        case Keys::Space:
            model.type(u" ");
            break;
        case Keys::Backspace:
            model.backspace();
            break;
        case Keys::Delete:
            model.del();
            break;
        case Keys::SelectAll:
            model.selectAll();
            break;
        case Keys::Paste:
            model.type(Model::pasted(kClipboards[static_cast<std::size_t>(clipboard)]));
            break;
        case Keys::Undo: {
            // Qt groups typing into undo steps its own way: whatever it
            // brings back must be a text the user saw since the last write.
            const std::u16string now = composition().Text();
            if (std::find(model.history.begin(), model.history.end(), now) == model.history.end()) {
                ADD_FAILURE() << "undo brought back a text never shown";
            }
            model.text = now;
            std::tie(model.caret, model.anchor) = caretOf();
            break;
        }
        default: {
            // Navigation keys move the caret; the model reads where to.
            std::tie(model.caret, model.anchor) = caretOf();
            break;
        }
        }
    }

    static Qt::Key qtKey(Keys key)
    {
        static const Qt::Key keys[] = { Qt::Key_Up, Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
            Qt::Key_Home, Qt::Key_End, Qt::Key_Return, Qt::Key_Space, Qt::Key_Backspace,
            Qt::Key_Delete, Qt::Key_A, Qt::Key_Z, Qt::Key_V };
        return keys[static_cast<int>(key)];
    }

    // Sends one event to the window and applies its meaning to the model.
    void apply(const Event& event, Model& model)
    {
        switch (event.kind) {
        case Kind::PressRow:
            QTest::mouseClick(list().viewport(), Qt::LeftButton, {}, rowPoint(event.a));
            model.focus = Model::List;
            model.pick(event.a);
            break;
        case Kind::DoubleClickRow:
            testing_support::doubleClick(list().viewport(), rowPoint(event.a));
            model.focus = Model::List;
            model.pick(event.a);
            model.pick(event.a);
            break;
        case Kind::DragRows: {
            const QPoint from = rowPoint(event.a);
            QTest::mousePress(list().viewport(), Qt::LeftButton, {}, from);
            const QPoint to(from.x(),
                std::clamp(
                    from.y() + (event.b - event.a) * 10, 1, list().viewport()->height() - 2));
            QTest::mouseMove(list().viewport(), to);
            QTest::mouseRelease(list().viewport(), Qt::LeftButton, {}, to);
            model.focus = Model::List;
            model.pick(event.a);
            break;
        }
        case Kind::Wheel: {
            const QPointF at(10, 10);
            QWheelEvent wheel(at, list().viewport()->mapToGlobal(at), QPoint(),
                QPoint(0, event.a == 0 ? -120 : 120), Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
            QApplication::sendEvent(list().viewport(), &wheel);
            break;
        }
        case Kind::Tab:
        case Kind::BackTab: {
            const bool back = event.kind == Kind::BackTab;
            QTest::keyClick(focusWidget(model), back ? Qt::Key_Backtab : Qt::Key_Tab,
                back ? Qt::ShiftModifier : Qt::NoModifier);
            model.focus = (model.focus + (back ? 4 : 1)) % 5;
            if (model.focus == Model::List && model.current < 0) {
                model.current = 0; // the focus frame lands on the first row
            }
            break;
        }
        case Kind::ClickButton:
            QTest::mouseClick(&button(static_cast<rt::Index>(event.a)), Qt::LeftButton);
            model.focus = Model::Button0 + event.a;
            model.button(event.a);
            break;
        case Kind::Type: {
            const std::u16string& typed = kTyped[static_cast<std::size_t>(event.a)];
            testing_support::typeText(focusWidget(model), QString::fromStdU16String(typed));
            if (model.focus == Model::Composition) {
                model.type(typed);
            } else if (model.focus == Model::List) {
                const auto row = board::kCharacterRows.find(typed);
                if (typed.size() == 1 && row != std::u16string_view::npos) {
                    model.pick(static_cast<int>(row));
                }
            } else if (typed == u" ") {
                model.button(model.focus - Model::Button0);
            }
            break;
        }
        case Kind::Key: {
            const auto key = static_cast<Keys>(event.a);
            const bool control = key == Keys::SelectAll || key == Keys::Undo || key == Keys::Paste;
            if (key == Keys::Paste) {
                QApplication::clipboard()->setText(
                    QString::fromStdU16String(kClipboards[static_cast<std::size_t>(event.b)]));
            }
            QTest::keyClick(
                focusWidget(model), qtKey(key), control ? Qt::ControlModifier : Qt::NoModifier);
            if (model.focus == Model::Composition) {
                compositionKey(model, key, event.b);
            } else if (model.focus == Model::List) {
                listKey(model, key);
            } else if (key == Keys::Space || key == Keys::Enter) {
                model.button(model.focus - Model::Button0);
            }
            break;
        }
        }
    }

    static Event randomEvent(std::mt19937& random)
    {
        auto below
            = [&random](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
        // Rows near each other too, to pick the selected row again.
        const int weight = below(100);
        if (weight < 18) {
            return { Kind::PressRow, below(8) < 3 ? 62 + below(3) : below(kRows), 0 };
        }
        if (weight < 21) {
            return { Kind::DoubleClickRow, below(kRows), 0 };
        }
        if (weight < 24) {
            const int from = below(kRows);
            return { Kind::DragRows, from, std::clamp(from + below(7) - 3, 0, kRows - 1) };
        }
        if (weight < 26) {
            return { Kind::Wheel, below(2), 0 };
        }
        if (weight < 36) {
            return { below(4) == 0 ? Kind::BackTab : Kind::Tab, 0, 0 };
        }
        if (weight < 44) {
            return { Kind::ClickButton, below(3), 0 };
        }
        if (weight < 70) {
            return { Kind::Type, below(static_cast<int>(kTyped.size())), 0 };
        }
        return { Kind::Key, below(13), below(static_cast<int>(kClipboards.size())) };
    }
};

// Replays `events` in a fresh window; the index of the first event after
// which the box and the model disagree, or -1.
class Replay : public RandomInput {
public:
    void TestBody() override { }
    int firstMismatch(const std::vector<Event>& events, std::string* detail = nullptr)
    {
        SetUp();
        Model model(composition().Text());
        for (std::size_t i = 0; i < events.size(); ++i) {
            apply(events[i], model);
            if (composition().Text() != model.text) {
                if (detail != nullptr) {
                    *detail = "box has " + std::to_string(composition().Text().size())
                        + " code units, model " + std::to_string(model.text.size());
                }
                return static_cast<int>(i);
            }
        }
        return -1;
    }
};

// The shortest run of events found, by dropping pieces, that still fails.
std::vector<Event> shrink(std::vector<Event> events)
{
    for (std::size_t chunk = events.size() / 2; chunk >= 1; chunk /= 2) {
        for (std::size_t start = 0; start + chunk <= events.size();) {
            std::vector<Event> shorter = events;
            shorter.erase(shorter.begin() + static_cast<std::ptrdiff_t>(start),
                shorter.begin() + static_cast<std::ptrdiff_t>(start + chunk));
            Replay replay;
            const int failed = replay.firstMismatch(shorter);
            if (failed >= 0) {
                shorter.resize(static_cast<std::size_t>(failed) + 1);
                events = shorter;
            } else {
                start += chunk;
            }
        }
    }
    return events;
}

int eventsPerSeed()
{
    const char* asked = std::getenv("ZORBIKA_RANDOM_EVENTS");
    return asked != nullptr ? std::max(std::atoi(asked), 1) : 2500;
}

class RandomInputSeeds : public RandomInput, public ::testing::WithParamInterface<unsigned> { };

TEST_P(RandomInputSeeds, BoxAlwaysHoldsWhatTheModelSays)
{
    const unsigned seed = GetParam();
    std::mt19937 random(seed);
    Model model(composition().Text());
    std::vector<Event> events;
    const int count = eventsPerSeed();
    for (int i = 0; i < count; ++i) {
        events.push_back(randomEvent(random));
        apply(events.back(), model);
        if (composition().Text() != model.text || ::testing::Test::HasFailure()) {
            std::vector<Event> failing = ::testing::Test::HasFailure() ? events : shrink(events);
            std::ostringstream out;
            out << "seed " << seed << ": after event " << i + 1
                << " the box differs from the model\n"
                << "reproduce with these " << failing.size() << " events:\n";
            for (const Event& event : failing) {
                out << "  " << describe(event) << "\n";
            }
            FAIL() << out.str();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomInputSeeds, ::testing::Range(1U, 9U));

} // namespace
} // namespace zorbika::testing
