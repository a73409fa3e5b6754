#include "window/input_box.h"

#include <QKeyEvent>
#include <algorithm>

#include "analysis/typed_text.h"

namespace tavrel {

InputBox::InputBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &InputBox::dropFormatCharacters);
}

void InputBox::dropFormatCharacters(const QString& text) {
    // Every format character lies at or above the soft hyphen, U+00AD: typed
    // digits need no more than this look.
    const auto plain = [](QChar c) { return c.unicode() < 0xAD; };
    if (std::all_of(text.begin(), text.end(), plain)) return;
    const QString kept = QString::fromStdString(withoutFormatCharacters(text.toStdString()));
    if (kept == text) return;
    // The caret stays after the same characters it was after.
    const int caret =
        QString::fromStdString(withoutFormatCharacters(text.left(cursorPosition()).toStdString()))
            .size();
    setText(kept);
    setCursorPosition(caret);
}

bool InputBox::isPlainTyping(const QKeyEvent* event) const {
    // Modes in which QLineEdit gives these keys another meaning keep its own handling.
    if (isReadOnly() || echoMode() != QLineEdit::Normal || !inputMask().isEmpty() ||
        completer() != nullptr) {
        return false;
    }
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (event->key() == Qt::Key_Backspace) return modifiers == Qt::NoModifier;
    if (modifiers != Qt::NoModifier && modifiers != Qt::ShiftModifier &&
        modifiers != Qt::KeypadModifier) {
        return false;
    }
    // Keys from Escape on are function and editing keys, some with standard shortcuts.
    const QString text = event->text();
    return event->key() < Qt::Key_Escape && text.size() == 1 && text.front().isPrint();
}

bool InputBox::event(QEvent* event) {
    if (event->type() == QEvent::ShortcutOverride &&
        isPlainTyping(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void InputBox::keyPressEvent(QKeyEvent* event) {
    if (!isPlainTyping(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (event->key() == Qt::Key_Backspace) {
        backspace();
    } else {
        insert(event->text());
    }
    event->accept();
}

}  // namespace tavrel
