// The questions and messages of the work area and the overview window, replaceable so that
// tests run without modal message boxes.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quill {

struct WorkAreaPrompts {
    std::function<void(QWidget *parent, const QString &caption, const QString &text)> warn;
    std::function<bool(QWidget *parent, const QString &caption, const QString &text)> askYesNo;

    // Message boxes.
    static WorkAreaPrompts system();
};

} // namespace quill
