#include "TextBoxWidget.h"

#include "QtKeys.h"
#include "Session.h"
#include "TextAppend.h"
#include "TouchScroll.h"

#include <QKeyEvent>
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
{
    setTabChangesFocus(true);
    // A tap places the caret as a click does; a swipe only scrolls.
    new TouchScroll(
        *this, [this] { return fontMetrics().lineSpacing(); },
        [this](QPoint at) {
            setFocus(Qt::MouseFocusReason);
            setTextCursor(cursorForPosition(at));
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
    setPlainText(QString::fromStdU16String(exact_.assign(text)));
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
    if (const auto tail = exact_.extend(text)) {
        // A written text is not the user's to undo, as in a native edit box,
        // even when it writes what was there.
        document()->setUndoRedoEnabled(false);
        if (tail->empty()) {
            document()->setUndoRedoEnabled(true);
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
        document()->setUndoRedoEnabled(true);
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
    setPlainText(QString::fromStdU16String(exact_.assign(text)));
}

void TextBoxWidget::keyPressEvent(QKeyEvent* event)
{
    // Shift+Enter would insert a line separator of Qt's own; every Enter that
    // breaks the line is a plain one here.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (!enterBreaksLine(modifiersOf(*event))) {
            event->ignore();
            return;
        }
        QKeyEvent plain(event->type(), event->key(), Qt::NoModifier, event->text(),
            event->isAutoRepeat(), static_cast<quint16>(event->count()));
        QPlainTextEdit::keyPressEvent(&plain);
        event->setAccepted(plain.isAccepted());
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
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
    exact_.follow(edit, view(now));
}

} // namespace rt
