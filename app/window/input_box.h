// A line edit for typed values whose plain typing keys cost little.
#pragma once

#include <QLineEdit>

namespace tavrel {

// For every key, QLineEdit walks its whole list of standard shortcuts twice
// (once to claim the key from the window's shortcuts, once to act on it), and
// each comparison builds lists of key sequences on the heap: some 150
// allocations for a typed digit, more than the analysis the digit sets off.
// For a printable character or Backspace without Ctrl, Alt or Meta the outcome
// of that walk is known (the box claims the key, then inserts the text or
// deletes backwards), so the box does just that. Every other key goes to
// QLineEdit as before, and so does the key release, which restarts the
// caret's blink.
//
// What the box shows is what is read: format characters (direction overrides
// and marks, zero-width spaces, ...) are taken out of its text as they arrive,
// typed, pasted or set, since a right-to-left override would show "12" for a
// text the analysis reads as 21.
class InputBox : public QLineEdit {
  public:
    explicit InputBox(QWidget* parent = nullptr);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool isPlainTyping(const QKeyEvent* event) const;
    void dropFormatCharacters(const QString& text);
};

}  // namespace tavrel
