#include "editor/wepn_editor_main.h"

#include "editor/family_editor.h"
#include "editor/field_availability.h"
#include "editor/field_editor.h"
#include "editor/latin1_text.h"
#include "editor/main_window_layout.h"
#include "editor/message_box_sink.h"
#include "editor/results_editor.h"
#include "editor/visual_style.h"
#include "editor/weapon_presenter.h"
#include "editor/window_caption.h"
#include "editor/window_history.h"
#include "editor/window_menus.h"
#include "model/load.h"
#include "model/saved_script.h"

#include <QAction>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollArea>
#include <QUndoStack>
#include <QUrl>
#include <functional>

namespace wepn {
namespace {

const char* const kSaveFailed =
    "Save failed, please inform Brenn and post your *.wepn file in the Korvex thread.";

// The window's size at 96 dots per inch, without the menu bar.
constexpr int kClientWidth = 824;
constexpr int kClientHeight = 599;

// Shows a weapon as its file holds it (undone) or as changed elsewhere (done).
class PresentCommand : public QUndoCommand {
  public:
    PresentCommand(std::function<void(const LoadOutcome&)> show, LoadOutcome before,
                   LoadOutcome after)
        : QUndoCommand(QStringLiteral("Weapon Table Changes")), m_show(std::move(show)),
          m_before(std::move(before)), m_after(std::move(after)) {}

    void undo() override { m_show(m_before); }
    void redo() override { m_show(m_after); }

  private:
    std::function<void(const LoadOutcome&)> m_show;
    LoadOutcome m_before;
    LoadOutcome m_after;
};

} // namespace

WepnEditor_Main::WepnEditor_Main(MessageSink* messages, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("WepnEditor_Main"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    if (messages == nullptr) {
        m_ownMessages = std::make_unique<MessageBoxSink>(this);
        messages = m_ownMessages.get();
    }
    m_messages = messages;

    VisualStyle::applyWindowFont(this);
    // On a screen smaller than the designed window (a large scale) the frames
    // keep their layout and scroll; at normal sizes no scroll bar shows.
    // The content is sized here, not by the scroll area, which would ask the
    // wrapped headings for more height than the designed layout gives them.
    m_scroll = new QScrollArea(this);
    m_scroll->setObjectName(QStringLiteral("ContentScroll"));
    m_scroll->setFrameShape(QFrame::NoFrame);
    // The content joins the window before its controls exist: each control
    // then takes the window's font and colours once, not again on a move.
    auto* content = new QWidget;
    m_scroll->setWidget(content);
    m_controls = MainWindowLayout::build(content);
    m_scroll->viewport()->installEventFilter(this);
    setCentralWidget(m_scroll);
    m_history = new WindowHistory(this);
    m_menus = std::make_unique<WindowMenus>(menuBar(), m_history->stack());
    setWindowTitle(WindowCaption::startup());

    m_fields = new FieldEditor(m_controls, m_state, *m_history, *m_messages, this);
    m_results = new ResultsEditor(m_controls.results, m_state, *m_history, *m_messages, this);
    m_families = new FamilyEditor(m_controls.families, m_state, *m_history, *m_messages, this);
    connect(&m_history->stack(), &QUndoStack::cleanChanged, this, &WepnEditor_Main::updateModified);
    connect(m_fields, &FieldEditor::rejectionsChanged, this, &WepnEditor_Main::updateModified);

    // A weapon script dropped anywhere on the window, text boxes included,
    // opens it; other drops on text boxes stay theirs.
    setAcceptDrops(true);
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->installEventFilter(this);
    }

    // The impact-result fields start on the first condition and effect.
    m_controls.results.condition->setCurrentIndex(0);
    m_controls.results.effect->setCurrentIndex(0);

    resize(QSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height())
               .expandedTo(content->minimumSizeHint() + QSize(0, menuBar()->sizeHint().height())));
}

WepnEditor_Main::~WepnEditor_Main() {
    // The history outlives this part of the window and its stack signals that
    // it is clean as it goes: nothing of it may reach the window any more.
    m_history->stack().disconnect(this);
    m_history->disconnect(this);
    // Nor may a field that loses focus as the window goes be committed.
    delete m_fields;
    m_fields = nullptr;
}

QAction* WepnEditor_Main::openAction() const {
    return m_menus->open();
}
QAction* WepnEditor_Main::saveAsAction() const {
    return m_menus->saveAs();
}
QAction* WepnEditor_Main::exitAction() const {
    return m_menus->exit();
}
QAction* WepnEditor_Main::decompiledDataAction() const {
    return m_menus->decompiledData();
}
QMenu* WepnEditor_Main::openRecentMenu() const {
    return m_menus->openRecent();
}
QAction* WepnEditor_Main::undoAction() const {
    return m_menus->undo();
}
QAction* WepnEditor_Main::redoAction() const {
    return m_menus->redo();
}
QAction* WepnEditor_Main::revertAction() const {
    return m_menus->revert();
}
QAction* WepnEditor_Main::aboutAction() const {
    return m_menus->about();
}

bool WepnEditor_Main::isModified() const {
    return !m_filePath.isEmpty() &&
           (!m_history->stack().isClean() || m_fields->firstRejected() != nullptr);
}

void WepnEditor_Main::updateModified() {
    // The caption has its marker only while a file is open.
    if (!m_filePath.isEmpty()) {
        setWindowModified(isModified());
    }
    revertAction()->setEnabled(isModified());
}

QUndoStack& WepnEditor_Main::history() const {
    return m_history->stack();
}

QString WepnEditor_Main::droppedWeapon(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1) {
        return {};
    }
    const QUrl url = data->urls().front();
    const QString path = url.toLocalFile();
    return url.isLocalFile() && path.endsWith(QStringLiteral(".wepn"), Qt::CaseInsensitive)
               ? path
               : QString();
}

QString WepnEditor_Main::droppedFolder(const QMimeData* data) {
    if (data == nullptr || !data->hasUrls() || data->urls().size() != 1 ||
        !data->urls().front().isLocalFile()) {
        return {};
    }
    const QString path = data->urls().front().toLocalFile();
    return QFileInfo(path).isDir() ? path : QString();
}

bool WepnEditor_Main::isOurDrop(const QMimeData* data) {
    return !droppedWeapon(data).isEmpty() || !droppedFolder(data).isEmpty();
}

void WepnEditor_Main::dragEnterEvent(QDragEnterEvent* event) {
    if (isOurDrop(event->mimeData())) {
        event->acceptProposedAction();
    }
}

void WepnEditor_Main::dropEvent(QDropEvent* event) {
    const QString path = droppedWeapon(event->mimeData());
    const QString folder = droppedFolder(event->mimeData());
    if (!path.isEmpty()) {
        event->acceptProposedAction();
        emit weaponDropped(path);
    } else if (!folder.isEmpty()) {
        event->acceptProposedAction();
        emit folderDropped(folder);
    }
}

bool WepnEditor_Main::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_scroll->viewport() && event->type() == QEvent::Resize) {
        // The content fills the room it has and never gets below its own
        // minimum; beyond that it scrolls.
        QWidget* content = m_scroll->widget();
        content->resize(m_scroll->viewport()->size().expandedTo(content->minimumSizeHint()));
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        if (!isOurDrop(drop->mimeData())) {
            break;
        }
        if (event->type() == QEvent::Drop) {
            dropEvent(drop);
        } else {
            drop->acceptProposedAction();
        }
        return true;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void WepnEditor_Main::setFileWriter(FileWriter writer) {
    m_writer = std::move(writer);
}

bool WepnEditor_Main::openFile(const QString& nativePath, std::string_view bytes,
                               const FamilyRows& familyRows, const QStringList& weaponFireNames) {
    Expected<LoadOutcome, LoadError> outcome = loadWeapon(m_state, familyRows, bytes);
    if (!outcome) {
        const LoadError& error = outcome.error();
        const QString line =
            error.line > 0 ? QStringLiteral("Line %1: ").arg(error.line) : QString();
        m_messages->show(QStringLiteral("Could not load '%1'.\n%2%3")
                             .arg(nativePath, line, fromLatin1(error.reason)));
        return false;
    }
    m_filePath = nativePath;
    setWindowTitle(WindowCaption::forFile(nativePath));
    present(*outcome, weaponFireNames);
    // Presenting is no change of the user's: the history starts here.
    m_history->reset();
    setWindowModified(false);
    return true;
}

void WepnEditor_Main::openChanged(const QString& nativePath, const LoadOutcome& loaded,
                                  const LoadOutcome& changed, const QStringList& weaponFireNames) {
    m_filePath = nativePath;
    setWindowTitle(WindowCaption::forFile(nativePath));
    present(loaded, weaponFireNames);
    m_history->reset();
    setWindowModified(false);
    // The changes are one step on the history: Undo gives the file's values.
    m_history->push(new PresentCommand([this](const LoadOutcome& shown) { presentState(shown); },
                                       loaded, changed));
}

void WepnEditor_Main::present(const LoadOutcome& outcome, const QStringList& weaponFireNames) {
    WeaponPresenter(m_controls).presentWeaponFireNames(weaponFireNames);
    m_laterTables = outcome.laterTables;
    m_filePenetration = outcome.state.Penetration;
    m_fileAccuracy = outcome.state.Accuracy;
    presentState(outcome);
    saveAsAction()->setEnabled(true);

    // Each warning of the load in a box of its own, as a sentence; a long one
    // in brief, with the whole text as the box's details.
    for (const LoadWarning& warning : outcome.warnings) {
        const auto sentence = [](const std::string& bytes) {
            QString text = fromLatin1(bytes);
            text[0] = text[0].toUpper();
            return text;
        };
        if (warning.brief.empty()) {
            m_messages->show(sentence(warning.text));
        } else {
            m_messages->showWithDetails(sentence(warning.brief), sentence(warning.text));
        }
    }
}

void WepnEditor_Main::presentState(const LoadOutcome& outcome) {
    WeaponPresenter(m_controls).presentRows(outcome.resultRows, outcome.rows);
    m_state = outcome.state;
    m_fields->presentAll();
    FieldAvailability(m_controls).apply(m_state);
    // A long value shows its start, not its end; the drop-downs' edit fields
    // and the burst shots, which follows other fields, included.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->setCursorPosition(0);
    }
}

bool WepnEditor_Main::saveFile(const QString& nativePath) {
    // Text typed but not yet committed is committed now, so what is saved is
    // what the window shows.
    m_fields->commitAll();
    if (const CollectError* rejected = m_fields->firstRejected()) {
        showSaveFailure(rejected->describe());
        return false;
    }
    WeaponState saved = m_state;
    settleLaterTables(saved);
    const Expected<std::string, WriteError> script = savedScript(saved);
    if (!script) {
        // A field the window shows is named by its label.
        const WriteError& error = script.error();
        const FieldBinding* binding = m_controls.binding(error.field);
        const QString name = binding != nullptr ? binding->label : fromLatin1(error.field);
        const QString reason = fromLatin1(error.reason);
        showSaveFailure(name.isEmpty() ? reason : QStringLiteral("%1 %2").arg(name, reason));
        return false;
    }
    Q_ASSERT(m_writer);
    if (const std::optional<QString> failure = m_writer(nativePath, *script)) {
        showSaveFailure(*failure);
        return false;
    }
    // Only a save that worked makes the new name the window's file: after a
    // failure the caption, Revert to Saved and the next save keep the old one.
    m_filePath = nativePath;
    setWindowTitle(WindowCaption::forFile(nativePath));
    m_state = std::move(saved);
    m_filePenetration = m_state.Penetration;
    m_fileAccuracy = m_state.Accuracy;
    std::erase_if(m_laterTables, [this](const LaterTable& later) {
        return m_state.strLines[later.firstLine - 1].empty();
    });
    m_history->reset();
    setWindowModified(false);
    m_messages->show(QStringLiteral("Successfully saved to '%1'").arg(nativePath));
    return true;
}

// A changed table that a later statement of the file sets again would not
// reach the game: the user keeps the statement or removes it.
void WepnEditor_Main::settleLaterTables(WeaponState& saved) {
    for (const LaterTable& later :
         overriddenTables(m_filePenetration, m_fileAccuracy, saved, m_laterTables)) {
        const QString statement =
            QString::fromLatin1(later.statement.data(), qsizetype(later.statement.size()));
        const QString question =
            QStringLiteral("Line %1 of the file has a second %2, which sets the table again: the "
                           "game uses its values, not your changes.\nRemove that statement, or "
                           "keep it?")
                .arg(later.firstLine)
                .arg(statement);
        if (m_messages->ask(question, {QStringLiteral("&Remove it"), QStringLiteral("&Keep it")}) ==
            0) {
            dropLaterTables(saved, m_laterTables, later.statement);
        }
    }
}

void WepnEditor_Main::showSaveFailure(const QString& detail) {
    m_messages->show(QString::fromLatin1(kSaveFailed) + QLatin1Char('\n') + detail);
}

} // namespace wepn
