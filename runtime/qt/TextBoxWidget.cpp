#include "TextBoxWidget.h"

#include "QtKeys.h"
#include "Session.h"
#include "TextAppend.h"
#include "TextBoxKeys.h"
#include "TouchScroll.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>
#include <utility>

namespace rt {

namespace {

// Marks the document's changes as this class's own for as long as it lives.
class OwnWrite {
public:
    explicit OwnWrite(bool& flag)
        : flag_(flag)
    {
        flag_ = true;
    }
    OwnWrite(const OwnWrite&) = delete;
    OwnWrite& operator=(const OwnWrite&) = delete;
    OwnWrite(OwnWrite&&) = delete;
    OwnWrite& operator=(OwnWrite&&) = delete;
    ~OwnWrite() { flag_ = false; }

private:
    bool& flag_;
};

// Qt's document keeps a paragraph separator for every line break, and turns
// these into one when they are inserted.
constexpr DisplayedBreaks kDocumentBreaks { .separator = u'\u2029',
    .breaking = u"\r\n\u2029\uFDD0\uFDD1" };

std::u16string_view view(const QString& text)
{
    return { reinterpret_cast<const char16_t*>(text.utf16()),
        static_cast<std::size_t>(text.size()) };
}

} // namespace

TextBoxWidget::TextBoxWidget(Session& session, QWidget* parent)
    : QPlainTextEdit(parent)
    , session_(session)
    , exact_(kDocumentBreaks)
    , taps_(QApplication::startDragDistance())
{
    setTabChangesFocus(true);
    document()->setUndoRedoEnabled(false);
    // A tap places the caret as a click does; a swipe only scrolls.
    new TouchScroll(
        *this, [this] { return fontMetrics().lineSpacing(); }, taps_,
        [this](PointerPhase phase, const PointerPress& press) {
            if (taps_.pointer(phase, press) == PointerPick::Tap) {
                setFocus(Qt::MouseFocusReason);
                setTextCursor(cursorForPosition(QPoint(taps_.downX(), taps_.downY())));
            }
        });
    connect(document(), &QTextDocument::contentsChange, this,
        [this](int position, int removed, int added) {
            followDocumentChange(position, removed, added);
        });
}

TextBoxWidget::TextBoxWidget(Session& session, const std::u16string& text, QWidget* parent)
    : TextBoxWidget(session, parent)
{
    const OwnWrite own(writing_);
    wholeWrite(text);
}

std::u16string TextBoxWidget::Text() const
{
    return exact_.copy();
}

void TextBoxWidget::SetText(const std::u16string& text)
{
    session_.beforeTextWrite();
    const OwnWrite own(writing_);
    const std::size_t oldLength = exact_.displayLength();
    history_.programWrote();
    if (const auto tail = exact_.extend(text)) {
        if (tail->empty()) {
            return;
        }
        const QTextCursor user = textCursor();
        const int anchor = user.anchor();
        const int position = user.position();
        const bool follows
            = appendFollows({ .start = static_cast<std::size_t>(user.selectionStart()),
                                .end = static_cast<std::size_t>(user.selectionEnd()) },
                oldLength);
        const int scrolled = verticalScrollBar()->value();
        QTextCursor end(document());
        end.movePosition(QTextCursor::End);
        end.insertText(QString::fromStdU16String(*tail));
        if (follows) {
            moveCursor(QTextCursor::End);
            if (isVisible()) {
                ensureCursorVisible();
            }
            return;
        }
        // A cursor at the end would grow with the append.
        QTextCursor kept(document());
        kept.setPosition(anchor);
        kept.setPosition(position, QTextCursor::KeepAnchor);
        setTextCursor(kept);
        verticalScrollBar()->setValue(scrolled);
        return;
    }
    wholeWrite(text);
}

void TextBoxWidget::wholeWrite(const std::u16string& text)
{
    setPlainText(QString::fromStdU16String(exact_.assign(text)));
    QTextCursor cursor(document());
    cursor.setPosition(static_cast<int>(kAfterWholeWrite.start));
    cursor.setPosition(static_cast<int>(kAfterWholeWrite.end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void TextBoxWidget::step(HistoryCommand command)
{
    if (isReadOnly()) {
        return;
    }
    const std::optional<TextChange> change
        = command == HistoryCommand::Undo ? history_.undo() : history_.redo();
    if (!change) {
        return;
    }
    const ExactText::DisplayChange display = exact_.apply(*change);
    const OwnWrite own(writing_);
    QTextCursor range(document());
    range.setPosition(static_cast<int>(display.from));
    range.setPosition(static_cast<int>(display.from + display.removed), QTextCursor::KeepAnchor);
    range.insertText(QString::fromStdU16String(display.inserted));
    setTextCursor(range);
    ensureCursorVisible();
}

void TextBoxWidget::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu(event->pos());
    for (QAction* action : menu->actions()) {
        const QString name = action->objectName();
        if (name != u"edit-undo" && name != u"edit-redo") {
            continue;
        }
        const HistoryCommand command
            = name == u"edit-undo" ? HistoryCommand::Undo : HistoryCommand::Redo;
        action->disconnect();
        action->setEnabled(!isReadOnly()
            && (command == HistoryCommand::Undo ? history_.canUndo() : history_.canRedo()));
        connect(action, &QAction::triggered, this, [this, command] { step(command); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event)
{
    TextKey which = TextKey::Other;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        which = TextKey::Enter;
    } else if (event->key() == Qt::Key_Escape) {
        which = TextKey::Escape;
    } else if (event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z) {
        which = textKeyOfLetter(static_cast<char16_t>(event->key()));
    }
    const TextCommand command = textCommandOf(which, modifiersOf(*event));
    switch (command) {
    case TextCommand::NewLine: {
        // Shift+Enter would insert a line separator of Qt's own; every Enter
        // that breaks the line is a plain one here.
        QKeyEvent plain(event->type(), event->key(), Qt::NoModifier, event->text(),
            event->isAutoRepeat(), static_cast<quint16>(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    case TextCommand::Swallow:
        // Left to the form, which has F11 and Escape.
        event->ignore();
        return;
    case TextCommand::Undo:
    case TextCommand::Redo:
        step(command == TextCommand::Undo ? HistoryCommand::Undo : HistoryCommand::Redo);
        event->accept();
        return;
    default:
        // Qt's box selects all and pastes itself; its document's change is
        // followed like typing.
        QPlainTextEdit::keyPressEvent(event);
    }
}

void TextBoxWidget::followDocumentChange(int position, int /*removed*/, int added)
{
    if (writing_) {
        return;
    }
    // Qt sometimes reports a wider range than it changed.
    const ExactText::Edit edit = exact_.editAt(static_cast<std::size_t>(std::max(position, 0)),
        static_cast<std::size_t>(std::max(added, 0)),
        static_cast<std::size_t>(std::max(document()->characterCount() - 1, 0)));
    QTextCursor range(document());
    range.setPosition(static_cast<int>(edit.from));
    range.setPosition(static_cast<int>(edit.newEnd), QTextCursor::KeepAnchor);
    const QString now = range.selectedText();
    history_.userChanged(exact_.followEdit(edit, view(now)));
}

} // namespace rt
