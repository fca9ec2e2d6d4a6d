// The send windows while a merge table of many rows is made: the window shrinks to a progress
// bar centred on the screen, advanced as the rows are copied and the table is written.
#pragma once

#include "datalists/MergeTableWriter.h"

#include <QByteArray>

class QDialog;
class QProgressBar;
class QWidget;

namespace quill {

class SendProgress {
public:
    // content: everything of the window but the bar, hidden while the bar is shown. The bar
    // (ProgressBar) is added below content in the window's layout.
    SendProgress(QDialog &window, QWidget &content);

    // For a send of rows chosen rows: shows the bar when they are more than MergeProgressRows
    // and returns the callback that advances it; returns an empty callback otherwise.
    MergeProgress start(int rows);
    // Brings the window back after a send that failed (nothing when the bar was not shown).
    void finish();

    QProgressBar *bar() const { return mBar; }

private:
    QDialog &mWindow;
    QWidget &mContent;
    QProgressBar *mBar = nullptr;
    QByteArray mGeometry;
    bool mShown = false;
};

} // namespace quill
