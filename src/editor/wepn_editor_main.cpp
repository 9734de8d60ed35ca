#include "wepn_editor_main.h"

#include "availability.h"
#include "burst_shots.h"
#include "family_editor.h"
#include "field_availability.h"
#include "fields.h"
#include "latin1_text.h"
#include "load.h"
#include "main_window_layout.h"
#include "message_box_sink.h"
#include "results_editor.h"
#include "saved_script.h"
#include "visual_style.h"
#include "weapon_collector.h"
#include "weapon_presenter.h"
#include "window_caption.h"
#include "window_menus.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMenuBar>

namespace wepn {
namespace {

const char* const kSaveFailed =
    "Save failed, please inform Brenn and post your *.wepn file in the Korvex thread.";

// The window's size at 96 dots per inch, without the menu bar.
constexpr int kClientWidth = 824;
constexpr int kClientHeight = 599;

std::string_view view(const QByteArray& bytes) {
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
}

} // namespace

WepnEditor_Main::WepnEditor_Main(MessageSink* messages, QWidget* parent)
    : QMainWindow(parent) {
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
    auto* central = new QWidget(this);
    m_controls = MainWindowLayout::build(central);
    setCentralWidget(central);
    m_menus = std::make_unique<WindowMenus>(menuBar());
    setWindowTitle(WindowCaption::startup());

    m_results = new ResultsEditor(m_controls, m_state, *m_messages, this);
    m_families = new FamilyEditor(m_controls, m_state, *m_messages, this);
    for (const char* name : {"Value(9)", "Value(10)"}) {
        connect(m_controls.get<QLineEdit>(QString::fromLatin1(name)), &QLineEdit::textChanged, this,
                &WepnEditor_Main::updateBurstShots);
    }

    // The impact-result fields start on the first condition and effect.
    m_controls.get<QComboBox>(QStringLiteral("cboCondition"))->setCurrentIndex(0);
    m_controls.get<QComboBox>(QStringLiteral("cboEffect"))->setCurrentIndex(0);

    resize(QSize(kClientWidth, kClientHeight + menuBar()->sizeHint().height())
               .expandedTo(minimumSizeHint()));
}

WepnEditor_Main::~WepnEditor_Main() = default;

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

void WepnEditor_Main::setFileWriter(FileWriter writer) {
    m_writer = std::move(writer);
}

bool WepnEditor_Main::openFile(const QString& nativePath, const QByteArray& bytes,
                               const FamilyRows& familyRows, const QStringList& weaponFireNames) {
    Expected<LoadOutcome, LoadError> outcome = loadWeapon(m_state, familyRows, view(bytes));
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
    return true;
}

void WepnEditor_Main::present(const LoadOutcome& outcome, const QStringList& weaponFireNames) {
    const WeaponPresenter presenter(m_controls);
    const FieldAvailability availability(m_controls);

    presenter.presentWeaponFireNames(weaponFireNames);
    presenter.presentRows(outcome.resultRows, outcome.rows);
    m_state = outcome.state;
    saveAsAction()->setEnabled(true);

    const std::string& fireType = m_state.CurrentWeapon.sWeaponFireType;
    if (!fireTypeAvailability(fireType).known) {
        m_messages->show(fromLatin1(unrecognizedFireTypeMessage(fireType)));
    }
    availability.applyFireType(fireType);
    presenter.presentFields(m_state);
    availability.applyAfterLoad(m_state);
    // A long value shows its start, not its end; the drop-downs' edit fields
    // and the burst shots, which follows other fields, included.
    for (QLineEdit* edit : findChildren<QLineEdit*>()) {
        edit->setCursorPosition(0);
    }

    QStringList familyWarnings;
    for (const LoadWarning& warning : outcome.warnings) {
        if (warning.kind == LoadWarning::Kind::FamiliesNotInList) {
            familyWarnings << fromLatin1(warning.text);
        }
    }
    if (!familyWarnings.isEmpty()) {
        QString text = familyWarnings.join(QLatin1Char('\n'));
        text[0] = text[0].toUpper();
        m_messages->show(text);
    }
}

bool WepnEditor_Main::saveFile(const QString& nativePath) {
    m_filePath = nativePath;
    setWindowTitle(WindowCaption::forFile(nativePath));

    Expected<WeaponState, CollectError> collected = WeaponCollector(m_controls).collect(m_state);
    if (!collected) {
        showSaveFailure(collected.error().describe());
        return false;
    }
    const Expected<std::string, WriteError> script = savedScript(*collected);
    if (!script) {
        const WriteError& error = script.error();
        const ScalarField* field = findScalarField(error.field);
        const QString name = field != nullptr && !field->label.empty() ? fromLatin1(field->label)
                                                                        : fromLatin1(error.field);
        const QString reason = fromLatin1(error.reason);
        showSaveFailure(name.isEmpty() ? reason : QStringLiteral("%1 %2").arg(name, reason));
        return false;
    }
    Q_ASSERT(m_writer);
    const QByteArray bytes(script->data(), static_cast<qsizetype>(script->size()));
    if (const std::optional<QString> failure = m_writer(nativePath, bytes)) {
        showSaveFailure(*failure);
        return false;
    }
    m_state = std::move(*collected);
    m_messages->show(QStringLiteral("Successfully saved to '%1'").arg(nativePath));
    return true;
}

void WepnEditor_Main::showSaveFailure(const QString& detail) {
    m_messages->show(QString::fromLatin1(kSaveFailed) + QLatin1Char('\n') + detail);
}

void WepnEditor_Main::updateBurstShots() {
    const std::optional<std::string> shots = burstShotsText(
        latin1ForReading(m_controls.get<QLineEdit>(QStringLiteral("Value(9)"))->text()),
        latin1ForReading(m_controls.get<QLineEdit>(QStringLiteral("Value(10)"))->text()));
    if (shots) {
        m_controls.get<QLineEdit>(QStringLiteral("Value(11)"))->setText(fromLatin1(*shots));
    }
}

} // namespace wepn
