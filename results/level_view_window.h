#pragma once
// Form13, the pupil level view: 40 cells of skill title, mark picture and counts for one
// pupil and subject, with scroll bars for the subject and the pupil.

#include "results/level_logic.h"

#include <QDialog>

class QLabel;
class QScrollBar;

namespace velmora::results {

class LevelViewWindow final : public QDialog {
    Q_OBJECT
public:
    LevelViewWindow(store::DataStore& store, QWidget* parent = nullptr);

    // What the quiz hands over, in its order: subject title, subject position, grade,
    // pupil record number, section. The view fills once all are set.
    void handOver(const QString& subjectTitle, int subject, int grade, int pupil, int section);

    QLabel* Label2 = nullptr;
    QLabel* ll = nullptr; // subject title
    QScrollBar* v1 = nullptr; // subject position
    QLabel* l1 = nullptr; // pupil name
    QScrollBar* v = nullptr;  // pupil record number
    std::array<QLabel*, LevelLogic::kCells> m{};   // skill titles
    std::array<QLabel*, LevelLogic::kCells> p{};   // mark pictures
    std::array<QLabel*, LevelLogic::kCells> aa1{}; // right counts
    std::array<QLabel*, LevelLogic::kCells> ab1{}; // wrong counts
    QLabel* cm = nullptr; // grade (hidden)
    QLabel* c = nullptr;  // pupil present (hidden)
    QLabel* c1 = nullptr; // section (hidden)

private:
    void buildWidgets();
    void refresh();
    void changeSubject();
    // Sets a hidden input label; a changed caption runs the refresh.
    void setInput(QLabel* label, const QString& value);

    LevelLogic logic_;
};

} // namespace velmora::results
