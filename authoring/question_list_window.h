#pragma once
// Form28 (being built).

#include "platform/services.h"
#include "store/data_store.h"

#include <QDialog>

namespace velmora::authoring {

class QuestionListWindow final : public QDialog {
    Q_OBJECT
public:
    QuestionListWindow(store::DataStore& store, platform::Services& services, QWidget* parent = nullptr);

private:
    store::DataStore& store_;
    platform::Services& services_;
};

} // namespace velmora::authoring
