#include "ValueBox.h"

#include "calculation/GridRules.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMetaMethod>
#include <QMimeData>

using calculation::FilterPastedText;
using calculation::KeyFilter;

ValueBox::ValueBox(int index, QWidget *parent)
    : QLineEdit(parent)
    , Index(index)
{
}

void ValueBox::keyPressEvent(QKeyEvent *event)
{
    // Clipboard and undo shortcuts are control characters: the filter discards them.
    static const QKeySequence::StandardKey shortcuts[] = {
        QKeySequence::Paste, QKeySequence::Copy,      QKeySequence::Cut,
        QKeySequence::Undo,  QKeySequence::Redo,      QKeySequence::SelectAll,
    };
    for (const auto shortcut : shortcuts)
        if (event->matches(shortcut)) {
            event->accept();
            return;
        }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        enterPressed = true;
    const QString text = event->text();
    if (text.isEmpty() || event->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(event); // movement and deletion keys type no character
        return;
    }
    const int code = text.at(0).unicode();
    const int filtered = KeyFilter(code);
    if (filtered == 0) {
        event->accept();
        return;
    }
    if (filtered != code) {
        QKeyEvent replaced(QEvent::KeyPress, Qt::Key_Comma, event->modifiers(),
                           QString(QChar(filtered)));
        QLineEdit::keyPressEvent(&replaced);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void ValueBox::keyReleaseEvent(QKeyEvent *event)
{
    QLineEdit::keyReleaseEvent(event);
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && !event->isAutoRepeat() && enterPressed) {
        enterPressed = false;
        Q_EMIT enterReleased(Index);
    }
}

void ValueBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QLineEdit::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked(Index);
}

void ValueBox::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button pastes the desktop's selection where the system has one.
    if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()
        && !isReadOnly()) {
        deselect();
        pasteFiltered(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ValueBox::contextMenuEvent(QContextMenuEvent *event)
{
    // The menu's Paste entry is the one Qt connects to its paste(), by name or by pointer.
    static const QMetaMethod qtPaste = QLineEdit::staticMetaObject.method(
        QLineEdit::staticMetaObject.indexOfSlot("paste()"));
    const QMetaMethod triggered = QMetaMethod::fromSignal(&QAction::triggered);
    QMenu *menu = createStandardContextMenu();
    for (QAction *action : menu->actions())
        if (disconnect(action, triggered, this, qtPaste)
            || disconnect(action, &QAction::triggered, this, &QLineEdit::paste))
            connect(action, &QAction::triggered, this,
                    [this] { pasteFiltered(QGuiApplication::clipboard()->text()); });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void ValueBox::dropEvent(QDropEvent *event)
{
    // Text dragged within the box was typed here; text from elsewhere is filtered first.
    if (event->source() == this || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    const QString filtered = FilterPastedText(event->mimeData()->text());
    if (filtered.isEmpty() || isReadOnly()) {
        event->ignore();
        return;
    }
    QMimeData data;
    data.setText(filtered);
    QDropEvent replaced(event->position(), event->possibleActions(), &data, event->buttons(),
                        event->modifiers());
    replaced.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&replaced);
    event->setDropAction(replaced.dropAction());
    event->setAccepted(replaced.isAccepted());
}

void ValueBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString filtered = FilterPastedText(event->commitString());
    if (filtered == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent replaced(event->preeditString(), event->attributes());
    replaced.setCommitString(filtered, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&replaced);
    event->setAccepted(replaced.isAccepted());
}

void ValueBox::pasteFiltered(const QString &text)
{
    // Like typed keys, a paste with nothing the filter lets through changes nothing.
    const QString filtered = FilterPastedText(text);
    if (!filtered.isEmpty())
        insert(filtered);
}

void ValueBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    Q_EMIT focusGained(Index, event->reason());
}

void ValueBox::focusOutEvent(QFocusEvent *event)
{
    enterPressed = false;
    QLineEdit::focusOutEvent(event);
    Q_EMIT focusLost(Index, event->reason());
}
