// Where the auto-save timer writes the open document, kept for the document's life.
#pragma once

#include <QString>
#include <QStringList>

class QTime;

namespace quill {

// The auto-save target of one document. A document with a name is auto-saved into its own
// file; an unnamed one into "Tmp" + HHMMSS + ".tmp" in the auto-save folder, a name made on
// the first auto-save and kept until the document gets a name or is replaced.
class AutoSave {
public:
    // folder joined with "Tmp" + the time as six digits + ".tmp": 14:30:05 gives Tmp143005.tmp.
    static QString fileName(const QString &folder, const QTime &time);

    // The file an auto-save tick writes. With a document name, any temporary name is forgotten
    // and the document's own file is the target; otherwise the temporary name, made from folder
    // and now the first time.
    QString target(const QString &documentPath, const QString &folder, const QTime &now);

    // The temporary file of the current document; empty when it has none.
    QString tempFilePath() const { return mTempFile; }

    // Called when the document is written under its own name (documentPath not empty): returns
    // the temporary file and the merge table copies auto-saved beside it, which are to be
    // deleted, and forgets the temporary name. Returns nothing when there is no temporary file
    // or when the document was saved as that very file.
    QStringList takeObsoleteFiles(const QString &documentPath);

    // A new or opened document starts without a temporary name.
    void reset() { mTempFile.clear(); }

private:
    QString mTempFile;
};

} // namespace quill
