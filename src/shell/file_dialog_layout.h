#pragma once

class QPushButton;
class QWidget;

namespace wepn {

class DirectoryBrowser;

// Lays out a file dialog: the drive selector above the directory list on the
// left; on the right the file list, the name field when there is one, and the
// two buttons side by side. The lists take what room the window gives, so the
// dialog can be resized; it opens at its designed size or at what its
// contents need, whichever is larger.
void layOutFileDialog(QWidget* dialog, const DirectoryBrowser& browser, QWidget* nameField,
                      QPushButton* accept, QPushButton* cancel);

} // namespace wepn
