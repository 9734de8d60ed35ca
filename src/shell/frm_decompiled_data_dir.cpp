#include "shell/frm_decompiled_data_dir.h"

#include "editor/message_box_sink.h"
#include "files/custom_fso.h"
#include "shell/decompiled_data_setting.h"
#include "shell/path_text.h"
#include "shell/twips.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace wepn {

FrmDecompiledDataDir::FrmDecompiledDataDir(QWidget* mainWindow, const CustomFSO& fso,
                                           MessageSink* messages, const QString& dataDir)
    : ModalDialog(mainWindow, "frmDecompiledDataDir", "Manage Directories"), m_fso(fso),
      m_txtDataDir(new QLineEdit(this)), m_lblInstructions(new QLabel(this)),
      m_cmdOK(new QPushButton(QStringLiteral("&OK"), this)),
      m_cmdCancel(new QPushButton(QStringLiteral("Cancel"), this)) {
    if (messages == nullptr) {
        m_ownMessages = std::make_unique<MessageBoxSink>(this);
        messages = m_ownMessages.get();
    }
    m_messages = messages;

    m_txtDataDir->setObjectName(QStringLiteral("txtDataDir"));
    m_lblInstructions->setObjectName(QStringLiteral("lblInstructions"));
    m_lblInstructions->setWordWrap(true);
    m_lblInstructions->setText(
        QStringLiteral("Please type in the location of your Vyrheim 2\\Data directory, e.g. "
                       "C:\\Program Files\\Halcyra\\Vyrheim 2\\Data, and then click OK."));
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setAutoDefault(false);
    m_cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cmdCancel->setAutoDefault(false);
    setTabOrder(m_txtDataDir, m_cmdOK);
    setTabOrder(m_cmdOK, m_cmdCancel);

    // The instructions above the field, OK below it on the right.
    const int gap = twipsToPixels(120);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(gap, gap, gap, gap);
    layout->setSpacing(gap);
    layout->addWidget(m_lblInstructions);
    layout->addWidget(m_txtDataDir);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdCancel);
    layout->addLayout(buttons);
    layout->addStretch(1);
    // At its designed width or more, and as tall as the wrapped instructions
    // need there, whatever the font and scale.
    const int width = std::max(twipsSize(4680, 1935).width(), layout->minimumSize().width());
    setMinimumSize(width, layout->totalHeightForWidth(width));
    // Wider shows more of a long path; taller would only add empty space.
    setMaximumHeight(minimumHeight());
    resize(minimumSize());

    m_txtDataDir->setText(m_fso.FolderExists(toFileBytes(dataDir))
                              ? dataDir
                              : DecompiledDataSetting::defaultDirectory());
    connect(m_cmdOK, &QPushButton::clicked, this, &FrmDecompiledDataDir::cmdOK_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &FrmDecompiledDataDir::cmdCancel_Click);
}

FrmDecompiledDataDir::~FrmDecompiledDataDir() = default;

void FrmDecompiledDataDir::cmdOK_Click() {
    const QString directory = m_txtDataDir->text();
    if (!m_fso.FolderExists(toFileBytes(directory))) {
        m_messages->show(QStringLiteral("That folder does not exist, please try again."));
        return;
    }
    emit confirmed(directory);
    close();
}

void FrmDecompiledDataDir::cmdCancel_Click() {
    close();
}

} // namespace wepn
