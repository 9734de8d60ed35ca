#include "editor/number_field.h"

#include "editor/collect_error.h"
#include "editor/latin1_text.h"
#include "editor/message_sink.h"
#include "model/fields.h"
#include "model/number_text.h"

#include <QLineEdit>

namespace wepn {

std::optional<double> readNumberField(const LabelledEdit& field, MessageSink& messages) {
    const QString text = field.edit->text();
    const std::optional<double> value = readNumber(latin1ForReading(text));
    if (!value) {
        messages.show(CollectError{field.label, text,
                                   QString::fromStdString(notANumberReason(ValueKind::Real))}
                          .describe());
    }
    return value;
}

} // namespace wepn
