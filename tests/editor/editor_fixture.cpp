#include "editor_fixture.h"

#include "editor/visual_style.h"
#include "model/fields.h"
#include "test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QUndoStack>
#include <sstream>

namespace wepn {

std::vector<QStringList> dataLines(const char* name) {
    std::istringstream in(test::fixture(std::string("editor/") + name));
    std::vector<QStringList> lines;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') {
            continue;
        }
        QStringList cells = QString::fromUtf8(line).split(QLatin1Char('|'));
        for (QString& cell : cells) {
            cell = cell.mid(cell.startsWith(' ') && cells.size() > 1 ? 1 : 0);
            cell.chop(cell.endsWith(' ') && cells.size() > 1 ? 1 : 0);
        }
        lines.push_back(cells);
    }
    return lines;
}

EditorTest::EditorTest() {
    window.setFileWriter([this](const QString&, std::string_view bytes) {
        saved = std::string(bytes);
        return std::optional<QString>();
    });
    window.show();
}

QWidget* EditorTest::field(const std::string& fieldName) const {
    const FieldBinding* binding = c().binding(fieldName);
    EXPECT_NE(binding, nullptr) << fieldName;
    return binding->control();
}

QLineEdit* EditorTest::edit(const std::string& fieldName) const {
    const FieldBinding* binding = c().binding(fieldName);
    EXPECT_NE(binding, nullptr) << fieldName;
    return binding->edit != nullptr ? binding->edit : binding->combo->lineEdit();
}

QWidget* EditorTest::byRole(ControlRole role) const {
    const ResultControls& r = c().results;
    const FamilyControls& f = c().families;
    QWidget* const byRole[] = {nullptr,
                               c().weaponEffects,
                               c().burst.fireDelay,
                               c().burst.burstLength,
                               c().burst.shots,
                               nullptr,
                               r.list,
                               r.condition,
                               r.effect,
                               r.minimum.edit,
                               r.maximum.edit,
                               r.spawned.edit,
                               r.add,
                               r.apply,
                               r.remove,
                               f.penetrationList,
                               f.penetration,
                               f.penetrationApply,
                               f.accuracyList,
                               f.accuracy,
                               f.alwaysDamage,
                               f.accuracyApply};
    return byRole[static_cast<std::size_t>(role)];
}

QWidget* EditorTest::byRole(const QString& roleName) const {
    for (auto role = ControlRole::None; role <= ControlRole::AccuracyApply;
         role = ControlRole(int(role) + 1)) {
        if (roleName == QLatin1String(wepn::roleName(role))) {
            return byRole(role);
        }
    }
    ADD_FAILURE() << "no role " << roleName.toStdString();
    return nullptr;
}

QStringList EditorTest::rows(const QListWidget* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) {
        texts << list->item(i)->text();
    }
    return texts;
}

QStringList EditorTest::form() const {
    QStringList shown;
    for (const FieldBinding& b : c().fields) {
        shown << QString::fromLatin1(b.field->name.data(), qsizetype(b.field->name.size())) + '=' +
                     (b.edit ? b.edit->text() : b.combo->currentText());
    }
    for (const auto& [name, list] : {std::pair{"results=", c().results.list},
                                     {"penetration=", c().families.penetrationList},
                                     {"accuracy=", c().families.accuracyList}}) {
        for (const QString& row : rows(list)) {
            shown << name + row;
        }
    }
    return shown << "shots=" + c().burst.shots->text();
}

FamilyRows EditorTest::sampleFamilies() {
    QFile file(QStringLiteral(WEPN_EXAMPLES_DIR "/Scripts/familylist.lua"));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    return readFamilyList(std::string_view(bytes.constData(), std::size_t(bytes.size())));
}

QStringList EditorTest::sampleFireNames() {
    return QDir(QStringLiteral(WEPN_EXAMPLES_DIR "/Scripts/Weaponfire"))
        .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
}

void EditorTest::openSample(const QString& weaponFile) {
    QFile file(QStringLiteral(WEPN_EXAMPLES_DIR "/Weapon/") + weaponFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << weaponFile.toStdString();
    ASSERT_TRUE(openScript(file.readAll(), file.fileName()))
        << weaponFile.toStdString() << ": " << messages.texts.join('|').toStdString();
}

bool EditorTest::openScript(const QByteArray& script, const QString& path) {
    return window.openFile(path, script.toStdString(), sampleFamilies(), sampleFireNames());
}

void EditorTest::clickRow(QListWidget* list, int row) {
    QListWidgetItem* item = list->item(row);
    ASSERT_NE(item, nullptr) << "row " << row;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

void EditorTest::click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
}

void EditorTest::retype(QLineEdit* edit, const QString& text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    edit->insert(text); // keyClicks types ASCII only
}

std::string EditorTest::savedBytes() {
    EXPECT_TRUE(window.saveFile(window.filePath()));
    return saved;
}

void EditorTest::run(const QString& steps) {
    for (const QString& step : steps.split(QLatin1Char(';'))) {
        SCOPED_TRACE(step.toStdString());
        // Only the blank after ";" goes: a text may end in one.
        const QStringList words = step.mid(step.startsWith(' ') ? 1 : 0).split(QLatin1Char(' '));
        const QString verb = words[0];
        QString name = words.value(1);
        const QString text = words.mid(2).join(QLatin1Char(' '));
        const int row = name.contains('[') ? name.section('[', 1).chopped(1).toInt() : -1;
        name = name.section('[', 0, 0);
        const FieldBinding* binding = c().binding(name.toStdString());
        const bool checksWindow = QStringList{"said", "steps", "saves", "open", "clip",    "on",
                                              "off",  "undo",  "redo",  "save", "modified"}
                                      .contains(verb);
        const QString all = words.mid(1).join(' ').replace("\\r", "\r").replace("\\n", "\n");
        QWidget* w = binding ? binding->control() : checksWindow ? nullptr : byRole(name);
        auto* line = binding ? edit(name.toStdString()) : qobject_cast<QLineEdit*>(w);
        auto* combo = qobject_cast<QComboBox*>(w);
        auto* list = qobject_cast<QListWidget*>(w);
        auto* box = qobject_cast<QCheckBox*>(w);
        if (verb == "type") { // typed where the cursor stands
            line->setFocus();
            QTest::keyClicks(line, text);
        } else if (verb == "down") {
            w->setFocus();
            QTest::keyClick(w, Qt::Key_Down);
        } else if (verb == "enter") {
            QTest::keyClick(line, Qt::Key_Return);
        } else if (verb == "set") {
            retype(line, text);
        } else if (verb == "pick") {
            combo->setCurrentIndex(combo->findText(text));
        } else if (verb == "tick") {
            box->setChecked(text == "1");
        } else if (verb == "row") {
            clickRow(list, text.toInt());
        } else if (verb == "click") {
            click(qobject_cast<QAbstractButton*>(w));
        } else if (verb == "shows") { // a list's row, a check box's 1 or 0, else the text
            const QString shown =
                list   ? (row < 0
                              ? rows(list).replaceInStrings(QRegularExpression(" $"), "").join(" / ")
                              : rows(list).value(row))
                : box  ? QString::number(box->isChecked())
                : line ? line->text()
                       : combo->currentText();
            EXPECT_EQ(shown.trimmed(), text);
        } else if (verb == "tip") {
            EXPECT_EQ(w->toolTip(), text);
        } else if (verb == "on" || verb == "off") {
            for (const QString& each : words.mid(1)) {
                const FieldBinding* b = c().binding(each.toStdString());
                EXPECT_EQ((b ? b->control() : byRole(each))->isEnabled(), verb == "on")
                    << each.toStdString();
            }
        } else if (verb == "open") { // the fixture with a weapon type and a fire type
            ASSERT_TRUE(openScript(scriptWith(name.toLatin1(), text.toLatin1())));
        } else if (verb == "key") {
            const QKeyCombination key = QKeySequence(text)[0];
            QTest::keyClick(line, key.key(), key.keyboardModifiers());
        } else if (verb == "clip") {
            QApplication::clipboard()->setText(words.mid(1).join(' '));
        } else if (verb == "said") { // every message since the last, " / " between
            EXPECT_EQ(messages.texts.join(" / "), all);
            messages.texts.clear();
        } else if (verb == "steps") {
            EXPECT_EQ(window.history().count(), name.toInt());
        } else if (verb == "rows") {
            EXPECT_EQ(list ? list->count() : combo->count(), text.toInt());
        } else if (verb == "undo" || verb == "redo") {
            (verb == "undo" ? window.undoAction() : window.redoAction())->trigger();
        } else if (verb == "modified") {
            EXPECT_EQ(window.isModified(), name == "1");
        } else if (verb == "marked") {
            EXPECT_EQ(VisualStyle::isMarkedRejected(w), text == "1");
        } else if (verb == "save") {
            window.saveFile(window.filePath());
        } else {
            ASSERT_EQ(verb, "saves"); // the saved script holds the text
            EXPECT_NE(savedBytes().find(all.toStdString()), std::string::npos) << saved;
            messages.texts.removeAll("Successfully saved to '" + window.filePath() + "'");
        }
    }
}

QByteArray scriptWith(const QByteArray& weaponType, const QByteArray& fireType) {
    QByteArray script = QByteArray::fromStdString(test::fixture("editor_weapon.wepn"));
    return script.replace("\"Fixed\",\"Bullet\"",
                          QByteArray("\"") + weaponType + "\",\"" + fireType + "\"");
}

} // namespace wepn
