#include "main/admin_menu.h"

#include "authoring/code_list_window.h"
#include "authoring/question_editor_window.h"
#include "authoring/skills_editor_window.h"
#include "platform/widget_helpers.h"
#include "quiz/permissions_window.h"

#include <QGridLayout>
#include <QPushButton>

namespace velmora::main {

namespace {

using Opener = void (*)(store::DataStore&, platform::Services&, QWidget*);

template <class W> void open(store::DataStore& store, platform::Services& services, QWidget* parent) {
    W window(store, services, parent);
    services.modal.openModal(window);
}

template <int Grade> void openSkills(store::DataStore& store, platform::Services& services, QWidget* parent) {
    authoring::SkillsEditorWindow window(store, services, Grade, parent);
    services.modal.openModal(window);
}

template <authoring::CodeList List>
void openCodeList(store::DataStore& store, platform::Services& services, QWidget* parent) {
    authoring::CodeListWindow window(store, services, List, parent);
    services.modal.openModal(window);
}

struct MenuButton {
    const char* name;
    const char16_t* caption;
    Opener open; // nullptr: the window is not part of the program yet
};

// The menu's buttons in display order, with the window each opens.
constexpr MenuButton kButtons[] = {
    {"Command8", u"مهارات اولى", openSkills<1>},                                   // Form6
    {"Command9", u"مهارات ثاني", openSkills<2>},                                   // Form7
    {"Command7", u"مهارات ثالث", openSkills<3>},                                   // Form9
    {"Command2", u"مهارات رابع", openSkills<4>},                                   // Form5
    {"Command1", u"مهارات خامس", openSkills<5>},                                   // Form10
    {"Command4", u"مهارات سادس", openSkills<6>},                                   // Form11
    {"Command6", u"المواد", openCodeList<authoring::CodeList::Subjects>},          // Form23
    {"Command14", u"الخالفات", openCodeList<authoring::CodeList::ViolationTypes>}, // Form33
    {"Command11", u"الاسئله", open<authoring::QuestionEditorWindow>},              // Form25
    {"Command13", u"الاجابات", nullptr},                                          // Form27
    {"Command12", u"السماح", open<quiz::PermissionsWindow>},                       // Form26
    {"Command3", u"نتائج الطلاب  ", nullptr},                                      // Form8
    {"Command10", u"النظام", nullptr},                                            // Form14
    {"Command5", u"نقل البيانات", nullptr},                                        // Form2, hidden
};

} // namespace

AdminMenu::AdminMenu(store::DataStore& store, platform::Services& services, QWidget* parent)
    : QDialog(parent), store_(store), services_(services) {
    platform::setUpWindow(*this, "Form4", QStringLiteral("Form4"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(24, 18, 24, 18);
    grid->setSpacing(12);
    int place = 0;
    for (const MenuButton& entry : kButtons) {
        auto* button = platform::named(new QPushButton(QString::fromUtf16(entry.caption), this), entry.name);
        button->setMinimumSize(150, 44);
        if (QLatin1String(entry.name) == QLatin1String("Command5")) {
            // Created hidden: nothing in the program shows it.
            button->hide();
        } else {
            grid->addWidget(button, place / 3, place % 3);
            ++place;
        }
        if (entry.open) {
            connect(button, &QPushButton::clicked, this,
                    [this, open = entry.open] { open(store_, services_, this); });
        }
    }
    platform::withoutDefaultButton(*this);
}

void runAdminMenu(store::DataStore& store, platform::Services& services, QWidget* parent) {
    {
        AdminMenu menu(store, services, parent);
        services.modal.openModal(menu);
    }
    services.exiter.exitNow(0);
}

} // namespace velmora::main
