#include "authoring/question_editor_window.h"

#include "platform/widget_helpers.h"

namespace velmora::authoring {

QuestionEditorWindow::QuestionEditorWindow(store::DataStore& store, platform::Services& services, QWidget* parent)
    : QDialog(parent), store_(store), services_(services) {
    platform::setUpWindow(*this, "Form25", QStringLiteral("Form25"));
}

} // namespace velmora::authoring
