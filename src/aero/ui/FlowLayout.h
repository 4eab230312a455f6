#pragma once
// The shared design of the isentropic-flow and normal-shock windows: an
// input frame with the Mach and gamma boxes, an output frame of six
// read-outs and a frame of conventions, each row "caption  [box]  [~]".
#include <QStringList>
#include <array>

class QLabel;
class QLineEdit;
class QWidget;

namespace FlowLayout {

struct Row {
    const char* box;
    const char* labelName; // empty where the design leaves the label unnamed
    const char* caption;
    const char* text;
    // The caption the label takes at load, where the design text is only a
    // stand-in (a Greek letter it could not hold); none keeps the design's.
    const char* loadedCaption = nullptr;
};

struct Design {
    const char* inputCaption;
    Row mach;
    std::array<Row, 6> outputs;
    QStringList conventions;
};

struct Widgets {
    QLineEdit* mach = nullptr;
    QLineEdit* gama = nullptr;
    std::array<QLineEdit*, 6> outputs{};
    std::array<QLabel*, 6> outputLabels{};
};

constexpr float clientWidth = 4665, clientHeight = 5310;

Widgets build(QWidget* body, const Design& d);

} // namespace FlowLayout
