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
    , core_(*this, kDocumentBreaks)
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
    core_.load(text);
}

std::u16string TextBoxWidget::Text() const
{
    return core_.text();
}

void TextBoxWidget::SetText(const std::u16string& text)
{
    session_.beforeTextWrite();
    const OwnWrite own(writing_);
    core_.write(text);
}

Selection TextBoxWidget::selection() const
{
    const QTextCursor user = textCursor();
    return { .start = static_cast<std::size_t>(user.selectionStart()),
        .end = static_cast<std::size_t>(user.selectionEnd()) };
}

void TextBoxWidget::appendTail(const std::u16string& tail, std::size_t /*oldLength*/, bool follow)
{
    const QTextCursor user = textCursor();
    const int anchor = user.anchor();
    const int position = user.position();
    const int scrolled = verticalScrollBar()->value();
    QTextCursor end(document());
    end.movePosition(QTextCursor::End);
    end.insertText(QString::fromStdU16String(tail));
    if (follow) {
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
}

void TextBoxWidget::showWhole(const std::u16string& display)
{
    setPlainText(QString::fromStdU16String(display));
    QTextCursor cursor(document());
    cursor.setPosition(static_cast<int>(kAfterWholeWrite.start));
    cursor.setPosition(static_cast<int>(kAfterWholeWrite.end), QTextCursor::KeepAnchor);
    setTextCursor(cursor);
    verticalScrollBar()->setValue(verticalScrollBar()->minimum());
}

void TextBoxWidget::replaceRange(const ExactText::DisplayChange& change)
{
    const OwnWrite own(writing_);
    QTextCursor range(document());
    range.setPosition(static_cast<int>(change.from));
    range.setPosition(static_cast<int>(change.from + change.removed), QTextCursor::KeepAnchor);
    range.insertText(QString::fromStdU16String(change.inserted));
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
        action->setEnabled(command == HistoryCommand::Undo ? core_.canUndo() : core_.canRedo());
        connect(action, &QAction::triggered, this, [this, command] { core_.step(command); });
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
    switch (core_.key(which, modifiersOf(*event))) {
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
    const ExactText::Edit edit
        = core_.exact().editAt(static_cast<std::size_t>(std::max(position, 0)),
            static_cast<std::size_t>(std::max(added, 0)),
            static_cast<std::size_t>(std::max(document()->characterCount() - 1, 0)));
    QTextCursor range(document());
    range.setPosition(static_cast<int>(edit.from));
    range.setPosition(static_cast<int>(edit.newEnd), QTextCursor::KeepAnchor);
    const QString now = range.selectedText();
    core_.userEdited(edit, view(now));
}

} // namespace rt
