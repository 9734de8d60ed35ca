// The three dialogs lay out with the font they get: nothing is cut, and the
// file dialogs grow their lists when resized. CMake runs these again with
// QT_SCALE_FACTOR=2.
#include "editor/wepn_editor_main.h"
#include "shell/directory_browser.h"
#include "shell/editor_shell.h"
#include "shell/frm_decompiled_data_dir.h"
#include "shell/frm_open.h"
#include "shell/frm_save.h"
#include "shell_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <algorithm>

namespace wepn {
namespace {

class DialogLayoutTest : public ShellTest, public ::testing::WithParamInterface<int> {
  protected:
    DialogLayoutTest() : m_font(QApplication::font()) {
        QFont font = m_font;
        font.setPointSize(GetParam());
        QApplication::setFont(font);
    }
    ~DialogLayoutTest() override { QApplication::setFont(m_font); }

    // Each button is at least as wide and tall as its caption needs.
    static void expectButtonsWhole(const QWidget* dialog) {
        for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
            EXPECT_GE(button->width(), button->sizeHint().width())
                << button->objectName().toStdString();
            EXPECT_GE(button->height(), button->sizeHint().height())
                << button->objectName().toStdString();
        }
    }

  private:
    QFont m_font;
};

TEST_P(DialogLayoutTest, NothingIsCutAndTheFileDialogsListsGrow) {
    startOnSampleData();
    app().start({native("Data/Weapon/ion_lance.wepn")});
    window().decompiledDataAction()->trigger();
    FrmDecompiledDataDir* data = shell().frmDecompiledDataDir();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(data));
    EXPECT_EQ(data->devicePixelRatio(),
              std::max(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR")))
        << "the run is at the scale it names";
    const auto* label = data->instructions();
    EXPECT_TRUE(label->text().endsWith(QStringLiteral("and then click OK.")));
    EXPECT_GE(label->height(), label->heightForWidth(label->width()))
        << "the wrapped text fits in the label's height";
    EXPECT_TRUE(data->rect().contains(label->geometry()));
    expectButtonsWhole(data);
    EXPECT_EQ(data->maximumHeight(), data->minimumHeight()) << "no empty space to grow";
    EXPECT_LT(data->minimumWidth(), data->maximumWidth()) << "wider shows more of a path";
    data->close();
    triggerOpen();
    FrmOpen* open = shell().frmOpen();
    open->close();
    triggerSaveAs();
    FrmSave* save = shell().frmSave();
    save->close();
    for (QWidget* dialog : {static_cast<QWidget*>(open), static_cast<QWidget*>(save)}) {
        const DirectoryBrowser* browser = dialog == open ? open->browser() : save->browser();
        dialog->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
        expectButtonsWhole(dialog);
        EXPECT_LT(dialog->minimumWidth(), dialog->maximumWidth()) << "resizable";
        const QSize files = browser->files()->size();
        const QSize directory = browser->directory()->size();
        dialog->resize(dialog->size() + QSize(200, 150));
        QApplication::processEvents();
        EXPECT_GT(browser->files()->width(), files.width());
        EXPECT_GT(browser->files()->height(), files.height());
        EXPECT_GT(browser->directory()->width(), directory.width());
        EXPECT_GT(browser->directory()->height(), directory.height());
        expectButtonsWhole(dialog);
        dialog->close();
    }
}

INSTANTIATE_TEST_SUITE_P(FontSizes, DialogLayoutTest, ::testing::Values(9, 16),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return "Points" + std::to_string(info.param);
                         });

} // namespace
} // namespace wepn
