#include "shell/file_dialog_layout.h"

#include "shell/directory_browser.h"
#include "shell/twips.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace wepn {

void layOutFileDialog(QWidget* dialog, const DirectoryBrowser& browser, QWidget* nameField,
                      QPushButton* accept, QPushButton* cancel) {
    const int gap = twipsToPixels(120);

    auto* left = new QVBoxLayout;
    left->setSpacing(gap);
    left->addWidget(browser.drive());
    left->addWidget(browser.directory(), 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(gap);
    buttons->addWidget(accept, 1);
    buttons->addWidget(cancel, 1);

    auto* right = new QVBoxLayout;
    right->setSpacing(gap);
    right->addWidget(browser.files(), 1);
    if (nameField != nullptr) {
        right->addWidget(nameField);
    }
    right->addLayout(buttons);

    // The columns keep the designed widths' proportion, 3735 to 2535 twips.
    auto* columns = new QHBoxLayout(dialog);
    columns->setContentsMargins(gap, gap, gap, gap);
    columns->setSpacing(gap);
    columns->addLayout(left, 3735);
    columns->addLayout(right, 2535);

    dialog->resize(twipsSize(6600, 3375).expandedTo(dialog->sizeHint()));
}

} // namespace wepn
