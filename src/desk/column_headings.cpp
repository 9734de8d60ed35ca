#include "desk/column_headings.h"

#include "desk/utf8_text.h"
#include "editor/control_table.h"
#include "sheet/desk_columns.h"
#include "sheet/weapon_table.h"

namespace wepn {
namespace {

// The caption of the label on the row of the control that shows the field,
// without its colon and access-key marks.
QString fieldLabel(std::string_view field) {
    const auto controls = controlSpecs();
    for (const ControlSpec& entry : controls) {
        if (field != entry.field) {
            continue;
        }
        for (const ControlSpec& other : controls) {
            if (other.frame == entry.frame && other.row == entry.row &&
                other.kind == WidgetKind::Label) {
                QString caption = QString::fromLatin1(other.caption).remove(u'&').trimmed();
                return caption.endsWith(u':') ? caption.chopped(1) : caption;
            }
        }
    }
    return QString::fromLatin1(field.data(), static_cast<qsizetype>(field.size()));
}

QString afterPrefix(std::string_view column, std::string_view prefix, const char* heading) {
    column.remove_prefix(prefix.size());
    return QString::fromLatin1(heading) + QStringLiteral(": ") + utf8(column);
}

} // namespace

QString columnHeading(std::string_view column) {
    if (column == kPathColumn) {
        return QStringLiteral("File");
    }
    if (column == kResultsColumn) {
        return QStringLiteral("Impact results");
    }
    if (column == kProblemsColumn) {
        return QStringLiteral("Problems");
    }
    if (column.starts_with(kPenetrationPrefix)) {
        return afterPrefix(column, kPenetrationPrefix, "Penetration");
    }
    if (column.starts_with(kAccuracyPrefix)) {
        if (column.ends_with(kDamageSuffix)) {
            column.remove_suffix(kDamageSuffix.size());
            return afterPrefix(column, kAccuracyPrefix, "Always Causes Damage");
        }
        return afterPrefix(column, kAccuracyPrefix, "Accuracy");
    }
    return fieldLabel(column);
}

} // namespace wepn
