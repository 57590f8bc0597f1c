#pragma once
// The teacher's code box of the main window without widgets: the access code opens the
// administration menu, the word "ارسل" masks a class's names, anything else is refused.

#include "platform/services.h"
#include "store/data_store.h"

#include <QString>

namespace velmora::main {

class TeacherLogic {
public:
    enum class Outcome { None, OpenMenu };

    TeacherLogic(store::DataStore& store, platform::Services& services);

    // Enter in `tm`: code is the box's text, grade and section the texts of the class lists.
    Outcome enter(const QString& code, const QString& grade, const QString& section);

    // Sets name parts 1 and 3 of every pupil of the class to "= n =" (n its record number)
    // and reports "تم الارسال". Without a grade or section nothing happens.
    void maskNames(int grade, int section);

    static const QString& accessCode();
    static const QString& maskWord();
    static const QString& wrongCodeMessage();
    static const QString& sentMessage();

private:
    store::DataStore& store_;
    platform::Services& services_;
};

} // namespace velmora::main
