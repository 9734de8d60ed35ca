#include "shell/frm_decompiled_data_dir.h"

#include "editor/message_box_sink.h"
#include "files/custom_fso.h"
#include "shell/decompiled_data_setting.h"
#include "shell/path_text.h"
#include "shell/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace wepn {

FrmDecompiledDataDir::FrmDecompiledDataDir(QWidget* mainWindow, const CustomFSO& fso,
                                           MessageSink* messages, const QString& dataDir)
    // No parent: a disabled main window would disable its child windows too.
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowCloseButtonHint),
      m_mainWindow(mainWindow), m_fso(fso), m_txtDataDir(new QLineEdit(this)),
      m_lblInstructions(new QLabel(this)), m_cmdOK(new QPushButton(QStringLiteral("&OK"), this)) {
    if (messages == nullptr) {
        m_ownMessages = std::make_unique<MessageBoxSink>(this);
        messages = m_ownMessages.get();
    }
    m_messages = messages;

    setObjectName(QStringLiteral("frmDecompiledDataDir"));
    setWindowTitle(QStringLiteral("Manage Directories"));
    setFixedSize(twipsSize(4680, 1935));
    m_txtDataDir->setObjectName(QStringLiteral("txtDataDir"));
    m_txtDataDir->setGeometry(twipsRect(120, 840, 4455, 315));
    m_lblInstructions->setObjectName(QStringLiteral("lblInstructions"));
    m_lblInstructions->setGeometry(twipsRect(120, 120, 4335, 615));
    m_lblInstructions->setWordWrap(true);
    m_lblInstructions->setText(
        QStringLiteral("Please type in the location of your Vyrheim 2\\Data directory, e.g. "
                       "C:\\Program Files\\Halcyra\\Vyrheim 2\\Data, and then click OK."));
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setGeometry(twipsRect(3360, 1320, 1215, 495));
    m_cmdOK->setAutoDefault(false);
    setTabOrder(m_txtDataDir, m_cmdOK);

    m_txtDataDir->setText(m_fso.FolderExists(toFileBytes(dataDir))
                              ? dataDir
                              : DecompiledDataSetting::defaultDirectory());
    connect(m_cmdOK, &QPushButton::clicked, this, &FrmDecompiledDataDir::cmdOK_Click);
}

FrmDecompiledDataDir::~FrmDecompiledDataDir() = default;

void FrmDecompiledDataDir::showDialog() {
    m_mainWindow->setEnabled(false);
    show();
    raise();
    activateWindow();
}

void FrmDecompiledDataDir::cmdOK_Click() {
    const QString directory = m_txtDataDir->text();
    if (!m_fso.FolderExists(toFileBytes(directory))) {
        m_messages->show(QStringLiteral("That folder does not exist, please try again."));
        return;
    }
    emit confirmed(directory);
    close();
}

void FrmDecompiledDataDir::closeEvent(QCloseEvent* event) {
    m_mainWindow->setEnabled(true);
    QWidget::closeEvent(event);
}

} // namespace wepn
