#include "authoring/question_list_window.h"

#include "platform/widget_helpers.h"

namespace velmora::authoring {

QuestionListWindow::QuestionListWindow(store::DataStore& store, platform::Services& services, QWidget* parent)
    : QDialog(parent), store_(store), services_(services) {
    platform::setUpWindow(*this, "Form28", QStringLiteral("عرض الاسئله"));
}

} // namespace velmora::authoring
