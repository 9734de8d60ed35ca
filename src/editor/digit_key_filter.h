#pragma once

#include <QObject>

class QKeyEvent;
class QLineEdit;

namespace wepn {

/// Lets only digits and Backspace be typed into a text field: every other key
/// that makes a character is swallowed, copy, cut and paste included. Keys
/// that make no character (arrows, Delete, Tab) edit and move as usual; text
/// the program sets is not filtered.
class DigitKeyFilter : public QObject {
    Q_OBJECT
  public:
    /// Installs a filter on `edit`, owned by it.
    static void install(QLineEdit* edit);

    /// True when the key is to be dropped before it reaches the field.
    static bool swallows(const QKeyEvent& event);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    using QObject::QObject;
};

} // namespace wepn
