#pragma once

class QWidget;

namespace wepn {

// Where and how large the main window was when it last closed, kept by
// QSettings in a group of its own.
class WindowGeometrySetting {
  public:
    // Restores the kept place and size, then fits the window to its screen.
    void restore(QWidget& window) const;
    void save(const QWidget& window);
    // Makes a window larger than its screen fit it.
    static void fitToScreen(QWidget& window);
};

} // namespace wepn
