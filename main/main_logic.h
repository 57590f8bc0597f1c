#pragma once
// The main window's start-up and the contents of its lists, without widgets.

#include "platform/services.h"
#include "store/data_store.h"

#include <QStringList>

namespace velmora::main {

class MainLogic {
public:
    MainLogic(store::DataStore& store, platform::Services& services);

    // Start-up: refuses a second instance on the data folder, sets today's Hijri date,
    // opens the data files and reads the subjects. False when the program must end.
    bool startUp();

    // Items of the subject list `c2`: subject names in record order, trimmed; an item's
    // position is the subject position.
    [[nodiscard]] const QStringList& subjectItems() const { return subjects_; }

    // Items of the grade list `c` and the section list `c1`: the prompt, then "1".."6",
    // so an item's position is the grade or section number.
    [[nodiscard]] static QStringList classNumberItems();

    static const QString& runningMessage();

private:
    store::DataStore& store_;
    platform::Services& services_;
    QStringList subjects_;
};

} // namespace velmora::main
