#include "Label.h"
#include "ZorbikaFixture.h"
#include "icon/zorbika.xpm"

#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollBar>
#include <QTextCursor>
#include <set>

namespace zorbika::testing {
namespace {

const QColor kBackground(192, 192, 255);
const QColor kOrange(255, 192, 128);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

// The places of the controls in pixels at 100 %.
const QRect kTitle(112, 0, 233, 25);
const QRect kList(32, 48, 73, 118);
const QRect kSpace(160, 56, 113, 25);
const QRect kNewLine(232, 96, 113, 25);
const QRect kClear(320, 136, 113, 25);
const QRect kComposition(8, 176, 449, 161);
const QRect kQuotation(40, 216, 449, 121);

class Appearance : public ZorbikaTest {
protected:
    void SetUp() override
    {
        ZorbikaTest::SetUp();
        shot = window().grab().toImage();
        ASSERT_EQ(shot.size(), QSize(461, 345)) << "rendered at 100 %";
    }

    [[nodiscard]] QColor at(int x, int y) const { return shot.pixelColor(x, y); }

    // The share of the pixels of `rect`, less a one-pixel edge, that have `colour`.
    [[nodiscard]] double shareOf(const QRect& rect, const QColor& colour) const
    {
        const QRect inner = rect.adjusted(1, 1, -1, -1);
        int matching = 0;
        for (int y = inner.top(); y <= inner.bottom(); ++y) {
            for (int x = inner.left(); x <= inner.right(); ++x) {
                matching += at(x, y) == colour ? 1 : 0;
            }
        }
        return static_cast<double>(matching) / (inner.width() * inner.height());
    }

    // Where in the window `colour` appears, as one bounding rectangle.
    [[nodiscard]] QRect whereIs(const QColor& colour) const
    {
        QRect found;
        for (int y = 0; y < shot.height(); ++y) {
            for (int x = 0; x < shot.width(); ++x) {
                if (at(x, y) == colour) {
                    found |= QRect(x, y, 1, 1);
                }
            }
        }
        return found;
    }

    QImage shot;
};

TEST_F(Appearance, ControlsStandWhereTheirTwipsPutThem)
{
    EXPECT_EQ(title().geometry(), kTitle);
    EXPECT_EQ(list().geometry(), kList);
    EXPECT_EQ(button(0).geometry(), kSpace);
    EXPECT_EQ(button(1).geometry(), kNewLine);
    EXPECT_EQ(button(2).geometry(), kClear);
    EXPECT_EQ(composition().geometry(), kComposition);
    EXPECT_EQ(quotation().geometry(), kQuotation);
}

TEST_F(Appearance, ButtonsAndTitleShowTheirColoursOverTheirWholeFace)
{
    EXPECT_GT(shareOf(kSpace, kGreen), 0.8);
    EXPECT_GT(shareOf(kNewLine, kGreen), 0.8);
    EXPECT_GT(shareOf(kClear, kRed), 0.8);
    EXPECT_GT(shareOf(kTitle, kOrange), 0.8);
    for (const QRect& face : { kSpace, kNewLine, kClear, kTitle }) {
        const QRect inner = face.adjusted(2, 2, -2, -2);
        const QColor expected = at(inner.left(), inner.top());
        EXPECT_EQ(at(inner.right(), inner.top()), expected);
        EXPECT_EQ(at(inner.left(), inner.bottom()), expected);
        EXPECT_EQ(at(inner.right(), inner.bottom()), expected);
    }
}

TEST_F(Appearance, ClearIsTheOnlyRedAndTheTitleTheOnlyOrange)
{
    EXPECT_TRUE(kClear.contains(whereIs(kRed)));
    EXPECT_TRUE(kTitle.contains(whereIs(kOrange)));
    const QRect green = whereIs(kGreen);
    EXPECT_TRUE((kSpace | kNewLine).contains(green));
}

TEST_F(Appearance, BackgroundShowsWhereNoControlIs)
{
    const QPoint open[] = { { 2, 2 }, { 458, 2 }, { 110, 30 }, { 20, 170 }, { 140, 100 },
        { 300, 45 }, { 450, 120 }, { 4, 340 }, { 230, 341 }, { 459, 343 }, { 300, 168 } };
    for (const QPoint& point : open) {
        EXPECT_EQ(at(point.x(), point.y()), kBackground) << point.x() << "," << point.y();
    }
}

TEST_F(Appearance, ListAndTextBoxKeepThePlatformColours)
{
    const QColor base = composition().palette().color(QPalette::Base);
    EXPECT_EQ(base, QApplication::palette(&composition()).color(QPalette::Base));
    EXPECT_EQ(list().palette().color(QPalette::Base),
        QApplication::palette(&list()).color(QPalette::Base));
    EXPECT_EQ(at(kList.left() + 20, kList.bottom() - 3), list().palette().color(QPalette::Base));
    EXPECT_EQ(at(kComposition.right() - 30, kComposition.bottom() - 4), base);
}

TEST_F(Appearance, EveryControlDrawsInTheWindowsTwelvePointSerif)
{
    const QFont font = window().font();
    EXPECT_EQ(font.family(), "Times New Roman");
    EXPECT_EQ(font.pointSize(), 12);
    std::vector<QWidget*> controls = { &title(), &list(), &composition(), &quotation() };
    for (rt::Index i = 0; i < 3; ++i) {
        controls.push_back(&button(i));
    }
    for (QWidget* control : controls) {
        SCOPED_TRACE(control->objectName().toStdString());
        EXPECT_FALSE(control->testAttribute(Qt::WA_SetFont)) << "no font of its own";
        const QFontInfo drawn(control->font());
        EXPECT_TRUE(drawn.family() == "Times New Roman" || drawn.family() == "Liberation Serif")
            << drawn.family().toStdString();
        EXPECT_EQ(drawn.pixelSize(), 16);
        EXPECT_EQ(drawn.weight(), QFont::Normal);
        EXPECT_FALSE(drawn.italic() || drawn.underline() || drawn.strikeOut());
    }
}

TEST_F(Appearance, CaptionIsAnAddressTwoSpacesAndTheName)
{
    static const QRegularExpression caption(
        QStringLiteral("^https?://[a-z0-9.-]+\\.example\\.org/?  Зорбика$"));
    EXPECT_TRUE(caption.match(window().windowTitle()).hasMatch())
        << window().windowTitle().toStdString();
}

TEST_F(Appearance, WindowGrowsFromItsSizeHasMinimiseAndMaximiseBoxesAndOpensCentred)
{
    EXPECT_EQ(window().minimumSize(), QSize(461, 345));
    EXPECT_EQ(window().maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    const Qt::WindowFlags flags = window().windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    const QPoint centre = window().screen()->availableGeometry().center();
    EXPECT_LE((window().geometry().center() - centre).manhattanLength(), 2);
}

TEST_F(Appearance, TitleIsCentredOverTheWindow)
{
    EXPECT_TRUE(title().alignment().testFlag(Qt::AlignHCenter));
    // The caption's ink lies about the title's middle.
    QRect ink;
    for (int y = kTitle.top(); y <= kTitle.bottom(); ++y) {
        for (int x = kTitle.left(); x <= kTitle.right(); ++x) {
            if (at(x, y) != kOrange) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(std::abs(ink.center().x() - kTitle.center().x()), 2);
}

TEST_F(Appearance, IconIsTheHamburgerOf32By32InAtMost256Colours)
{
    const QImage icon(zorbika_xpm);
    ASSERT_EQ(icon.size(), QSize(32, 32));
    std::set<QRgb> colours;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            colours.insert(icon.pixel(x, y));
        }
    }
    EXPECT_LE(colours.size(), 256U);
    EXPECT_GE(colours.size(), 6U) << "bun, seeds, lettuce, cheese, patty and an outline";
    EXPECT_FALSE(window().windowIcon().isNull());
    EXPECT_EQ(window().windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32),
        icon.convertToFormat(QImage::Format_ARGB32));
}

// The window made larger: the board at twice its size, with a margin at the
// sides; its controls' places, the font, the text's view and the selections
// follow, and nothing is picked.
TEST_F(Appearance, AResizedWindowScalesTheBoardAndKeepsTheTextAndItsView)
{
    pick(u'к');
    std::u16string text;
    for (int line = 0; line < 60; ++line) {
        // Longer than a line of the box: each wraps.
        text += std::u16string(100, static_cast<char16_t>(u'а' + line % 20)) + u" край\r\n";
    }
    composition().SetText(text);
    composition().verticalScrollBar()->setValue(41);
    QTextCursor selection = composition().textCursor();
    selection.setPosition(3000);
    selection.setPosition(3025, QTextCursor::KeepAnchor);
    composition().setTextCursor(selection);
    const int topBlock = composition().cursorForPosition(QPoint(4, 4)).blockNumber();
    const int topAt = composition().cursorForPosition(QPoint(4, 4)).position();
    ASSERT_GT(topBlock, 0);

    window().resize(1200, 690);
    const QPoint margin((1200 - 922) / 2, 0);
    const auto twice = [&margin](const QRect& rect) {
        return QRect(rect.topLeft() * 2 + margin, rect.size() * 2);
    };
    EXPECT_EQ(title().geometry(), twice(kTitle));
    EXPECT_EQ(list().geometry(), twice(kList));
    EXPECT_EQ(button(2).geometry(), twice(kClear));
    EXPECT_EQ(composition().geometry(), twice(kComposition));
    EXPECT_EQ(quotation().geometry().left() + quotation().mask().boundingRect().right(),
        margin.x() + 922 - 1)
        << "the quotation box is cut off at the board's edge";
    EXPECT_EQ(QFontInfo(composition().font()).pixelSize(), 32);
    EXPECT_EQ(composition().Text(), text);
    EXPECT_EQ(composition().textCursor().anchor(), 3000);
    EXPECT_EQ(composition().textCursor().position(), 3025);
    // The second line of a wrapped block stays on top; its words may wrap a
    // little differently at the larger size.
    EXPECT_EQ(composition().cursorForPosition(QPoint(4, 4)).blockNumber(), topBlock);
    EXPECT_LE(std::abs(composition().cursorForPosition(QPoint(4, 4)).position() - topAt), 8);
    EXPECT_EQ(list().ListIndex(),
        list().row(list().findItems(QStringLiteral("к"), Qt::MatchExactly).front()));

    window().resize(461, 345);
    EXPECT_EQ(title().geometry(), kTitle);
    EXPECT_EQ(composition().geometry(), kComposition);
    EXPECT_EQ(QFontInfo(composition().font()).pixelSize(), 16);
    EXPECT_EQ(composition().cursorForPosition(QPoint(4, 4)).blockNumber(), topBlock);
    EXPECT_EQ(composition().Text(), text);
}

// The keys reach the window past whichever control has the focus.
TEST_F(Appearance, F11PutsTheWindowOnTheWholeScreenAndEscapeBack)
{
    QTest::keyClick(&composition(), Qt::Key_F11);
    EXPECT_TRUE(window().isFullScreen());
    QTest::keyClick(&list(), Qt::Key_Escape);
    EXPECT_FALSE(window().isFullScreen());
}

} // namespace
} // namespace zorbika::testing
