// The start-up offer of documents auto-saved before a crash: open them again, or discard them.
#pragma once

#include "shell/RecoveryFiles.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QPushButton;

namespace quill {

// Lists the recovery files found (newest first) with the document each belongs to and when it
// was saved. "복구" opens the selected one through the opener given (which adopts it as the
// document's recovery file on success); "버리기" deletes it after a confirmation; "나중에"
// closes and keeps every file for the next start. Nothing is ever deleted without the user's
// confirmation, and a file that could not be opened stays.
class RecoveryOffer : public QDialog {
    Q_OBJECT
public:
    // Opens a recovered document; false (having told the user why) when it could not.
    using Opener = std::function<bool(const RecoveryEntry &)>;

    RecoveryOffer(const QList<RecoveryEntry> &entries, Opener opener, QWidget *parent = nullptr);

    // Scans folders and, when anything is found, shows the offer modally. Returns whether a
    // document was recovered (then the caller skips its usual first document).
    static bool offer(const QStringList &folders, Opener opener, QWidget *parent = nullptr);

    QList<RecoveryEntry> entries() const { return mEntries; }
    bool recovered() const { return mRecovered; }

    // The buttons' actions on the selected entry.
    void RecoverBtnClick();
    void DiscardBtnClick();

    static QString describe(const RecoveryEntry &entry);

private:
    void fill();
    int currentIndex() const;

    QList<RecoveryEntry> mEntries;
    Opener mOpener;
    bool mRecovered = false;
    QListWidget *mList = nullptr;
    QPushButton *mRecoverBtn = nullptr;
    QPushButton *mDiscardBtn = nullptr;
};

} // namespace quill
