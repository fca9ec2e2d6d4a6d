// The recovery file of the open document: written by auto-save, removed once the work is safe.
#pragma once

#include "RecoveryFiles.h"
#include "Result.h"
#include "document/DocumentFile.h"

#include <QString>
#include <QTime>

#include <memory>

class QLockFile;

namespace quill {

class LabelDocument;

// Auto-save of the one open document. Every document, named or not, is auto-saved into a
// recovery file of the auto-save folder (RecoveryFiles), never over the user's own file. The
// name is made on the first auto-save and kept for the document's life; the process holds the
// file's lock meanwhile. discard() removes the files after a successful save, when the document
// is replaced and on a clean close; after a crash they stay for the offer at the next start.
class DocumentRecovery {
public:
    DocumentRecovery();
    ~DocumentRecovery(); // releases the lock; the files stay (a crash leaves them the same way)
    DocumentRecovery(const DocumentRecovery &) = delete;
    DocumentRecovery &operator=(const DocumentRecovery &) = delete;

    // Writes document into its recovery file in folder (the folder is created when missing).
    // An unmodified document has nothing to recover: nothing is written and the result is
    // false. True when the file was written; an Error when it could not be, the previous
    // recovery file then stays as it was.
    Result<bool> autoSave(const LabelDocument &document, const QString &folder,
        const QTime &now = QTime::currentTime());

    // The current recovery file; empty before the first auto-save of the document.
    QString recoveryFile() const { return mFile; }

    // A document recovered from entry goes on in the same recovery file, so that a second
    // crash before the next save loses nothing either.
    Status adopt(const RecoveryEntry &entry);

    // Reads the recovery file of entry into document and adopts it: the document takes the
    // name of the document it was a copy of (none for an unnamed one) and is modified, since
    // its contents are not saved anywhere but here. Fails like readDocument(), and when the
    // file is in use by another process (then document is not touched). The object classes
    // must be registered (prepareProgram()). The recovery file of the document being replaced
    // is the caller's to discard() first; otherwise it stays for the next start.
    Result<ReadReport> recover(LabelDocument &document, const RecoveryEntry &entry);

    // Removes the recovery file and its companions and forgets the name. Files that document,
    // when given, still refers to as its data lists stay. An Error when a file could not be
    // removed (the name is forgotten all the same: the next auto-save makes a new one).
    Status discard(const LabelDocument *document = nullptr);

private:
    Status claim(const QString &file);
    void release();

    QString mFile;
    std::unique_ptr<QLockFile> mLock;
};

} // namespace quill
