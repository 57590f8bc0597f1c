#pragma once
// Form4, the teacher's administration menu: fourteen buttons, each opening one maintenance
// window modally. Closing it ends the program.

#include "platform/services.h"
#include "store/data_store.h"

#include <QDialog>

namespace velmora::main {

class AdminMenu final : public QDialog {
    Q_OBJECT
public:
    AdminMenu(store::DataStore& store, platform::Services& services, QWidget* parent = nullptr);

private:
    store::DataStore& store_;
    platform::Services& services_;
};

// Opens the menu modally; once the teacher closes it the program ends.
void runAdminMenu(store::DataStore& store, platform::Services& services, QWidget* parent);

} // namespace velmora::main
