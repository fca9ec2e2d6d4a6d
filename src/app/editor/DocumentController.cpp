// The document commands of the editor: New, Change label paper, Open, Save, Save as and the
// question before the open document is replaced or the window closes.
#include "DocumentController.h"

#include "document/DocumentFile.h"
#include "editing/DocumentNaming.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStandardPaths>
#include <QApplication>

namespace quill {

namespace {

// The Windows form of a file filter ("text|pattern|text|pattern") in Qt's form.
QString qtFileFilter(const QString &windowsFilter)
{
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString &text = parts.at(i);
        const QString pattern = QString(parts.at(i + 1)).replace(u';', u' ');
        filters << (text.contains(u'(') ? text : text + QStringLiteral(" (") + pattern + u')');
    }
    return filters.join(QStringLiteral(";;"));
}

// Turns the auto-save off for the life of a command.
class BusyScope {
public:
    explicit BusyScope(DocumentController &c) : mController(c) { emit mController.busy(true); }
    ~BusyScope() { emit mController.busy(false); }

private:
    DocumentController &mController;
};

} // namespace

DocumentServices DocumentServices::system()
{
    DocumentServices s;
    s.ask = [](QWidget *parent, const QString &caption, const QString &text, bool withCancel) {
        const auto buttons = withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                        : QMessageBox::Yes | QMessageBox::No;
        switch (QMessageBox::question(parent, caption, text, buttons)) {
        case QMessageBox::Yes: return Answer::Yes;
        case QMessageBox::No: return Answer::No;
        default: return withCancel ? Answer::Cancel : Answer::No;
        }
    };
    s.tell = [](QWidget *parent, const QString &text) {
        QMessageBox::warning(parent, QApplication::applicationDisplayName(), text);
    };
    s.openPath = [](QWidget *parent, const QString &filter) {
        return QFileDialog::getOpenFileName(parent, QString(), QString(), filter);
    };
    s.savePath = [](QWidget *parent, const QString &title, const QString &filter, const QString &proposed) {
        // The overwrite question is the editor's own, asked after the extension is added.
        return QFileDialog::getSaveFileName(parent, title, proposed, filter, nullptr,
                                            QFileDialog::DontConfirmOverwrite);
    };
    return s;
}

DocumentController::DocumentController(LabelDocument &document, const CaptionFile &captions,
                                       DocumentServices services, QWidget *window)
    : QObject(window), mDocument(document), mCaptions(captions), mServices(std::move(services)),
      mWindow(window)
{
}

QString DocumentController::caption(const char *section, const char *key) const
{
    return mCaptions.read(QString::fromLatin1(section), QString::fromLatin1(key));
}

QString DocumentController::extension() const
{
    const QString ext = mCaptions.contains(QStringLiteral("OpenSave"), QStringLiteral("FileExe"))
                            ? caption("OpenSave", "FileExe").trimmed()
                            : QString();
    return ext.isEmpty() ? QStringLiteral("qbl") : ext;
}

QString DocumentController::fileFilter() const
{
    const QString filter = mCaptions.contains(QStringLiteral("OpenSave"), QStringLiteral("FileFilter"))
                               ? qtFileFilter(caption("OpenSave", "FileFilter"))
                               : QString();
    return filter.isEmpty() ? QStringLiteral("QuillLabel 라벨 파일 (*.%1)").arg(extension()) : filter;
}

DocumentServices::Answer DocumentController::askSaveChanges()
{
    return mServices.ask(mWindow, caption("MainMessage", "FileSaveCaption"),
                         caption("MainMessage", "FileSave"), true);
}

bool DocumentController::maySwitchDocument()
{
    if (mPendingWork)
        mPendingWork();
    if (!mDocument.isModified())
        return true;
    switch (askSaveChanges()) {
    case DocumentServices::Answer::Yes: return save();
    case DocumentServices::Answer::No: return true;
    case DocumentServices::Answer::Cancel: return false;
    }
    return false;
}

bool DocumentController::newDocument()
{
    return replaceWithNew(false);
}

bool DocumentController::changeLabelPaper()
{
    return replaceWithNew(true);
}

bool DocumentController::replaceWithNew(bool keepDataLists)
{
    if (!maySwitchDocument() || !mServices.chooseSheet)
        return false;
    const std::optional<TZR_LabelSize> sheet = mServices.chooseSheet(mWindow);
    if (!sheet)
        return false;
    return startDocument(*sheet, keepDataLists);
}

bool DocumentController::startDocument(const TZR_LabelSize &sheet, bool keepDataLists)
{
    BusyScope busy(*this);
    emit aboutToReplace();
    const Status made = mDocument.newDocument(
        sheet, InnerCutOutline{}, keepDataLists ? LabelDocument::DataLists::Keep : LabelDocument::DataLists::Clear);
    if (!made) {
        mServices.tell(mWindow, made.error().message);
        return false;
    }
    emit documentReplaced();
    return true;
}

bool DocumentController::open(const QString &path)
{
    if (!maySwitchDocument())
        return false;
    const QString chosen = path.isEmpty() ? mServices.openPath(mWindow, fileFilter()) : path;
    if (chosen.isEmpty())
        return false;
    BusyScope busy(*this);
    if (!openFile(chosen))
        return false;
    emit documentReplaced();
    emit opened(chosen);
    return true;
}

// Reads on the side first: a file that cannot be read changes nothing, and a damaged one is
// opened only when the user agrees, as an unnamed and modified document, so that saving it
// never writes the readable part over the damaged original.
bool DocumentController::openFile(const QString &path)
{
    QFile file(path);
    QByteArray data;
    if (file.open(QIODevice::ReadOnly))
        data = file.readAll();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        mServices.tell(mWindow, QStringLiteral("라벨 파일을 열 수 없습니다: %1\n%2").arg(path, file.errorString()));
        return false;
    }
    LabelDocument trial;
    const Result<ReadReport> tried = readDocumentBytes(trial, data, path);
    if (!tried) {
        QString text = QStringLiteral("라벨 파일을 열 수 없습니다: %1\n%2").arg(path, tried.error().message);
        if (!tried.error().where.isEmpty() && tried.error().where != path)
            text += u'\n' + tried.error().where;
        mServices.tell(mWindow, text);
        return false;
    }
    const bool damaged = !tried.value().complete();
    if (damaged) {
        const ReadProblem &problem = tried.value().problems.first();
        const QString text = QStringLiteral(
            "라벨 파일의 일부가 손상되었습니다: %1\n손상된 곳: %2\n%3\n\n"
            "손상되기 전까지 읽은 부분만 여시겠습니까? 원래 파일은 바뀌지 않으며, "
            "열린 문서는 새 이름으로 저장됩니다.").arg(path, problem.where, problem.message);
        if (mServices.ask(mWindow, caption("MenuCaption", "MainForm"), text, false) != DocumentServices::Answer::Yes)
            return false;
    }
    emit aboutToReplace();
    const Result<ReadReport> read = readDocumentBytes(mDocument, data, path);
    if (!read) { // cannot happen after the trial read; told all the same
        mServices.tell(mWindow, read.error().message);
        return false;
    }
    if (damaged) {
        mDocument.setFileName(QString());
        mDocument.setModified(true);
    }
    if (!read.value().warnings.isEmpty())
        mServices.tell(mWindow, read.value().warnings.join(u'\n'));
    return true;
}

bool DocumentController::save()
{
    if (mPendingWork)
        mPendingWork();
    if (mDocument.fileName().isEmpty())
        return saveAs();
    if (!mDocument.isModified())
        return true;
    BusyScope busy(*this);
    return writeTo(mDocument.fileName());
}

bool DocumentController::saveAs()
{
    if (mPendingWork)
        mPendingWork();
    BusyScope busy(*this);
    const QString ext = extension();
    const QString folder = mDocument.fileName().isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                               : QFileInfo(mDocument.fileName()).absolutePath();
    const QString title = caption("MainMessage", "SaveTitle");
    QString proposed = mDocument.fileName().isEmpty()
                           ? QDir(folder).filePath(proposedDocumentName(folder, ext))
                           : mDocument.fileName();
    for (;;) {
        const QString typed = mServices.savePath(mWindow, title, fileFilter(), proposed);
        if (typed.isEmpty())
            return false;
        const QString path = withDocumentExtension(typed, ext);
        if (QFileInfo::exists(path) && path != mDocument.fileName()) {
            const auto answer = mServices.ask(mWindow, caption("MainMessage", "FileApplyCaption"),
                                              caption("MainMessage", "FileApply"), true);
            if (answer == DocumentServices::Answer::Cancel)
                return false;
            if (answer == DocumentServices::Answer::No) {
                proposed = path;
                continue;
            }
        }
        return writeTo(path);
    }
}

bool DocumentController::writeTo(const QString &path)
{
    WriteReport report;
    const Status written = saveDocument(mDocument, path, {}, &report);
    if (!written) {
        mServices.tell(mWindow, QStringLiteral("라벨 파일을 저장하지 못했습니다: %1\n%2\n기존 파일은 그대로 남아 있습니다.")
                                    .arg(path, written.error().message));
        return false;
    }
    mDocument.setModified(false);
    if (!report.copyFailures.isEmpty()) {
        QStringList lines;
        for (const Error &e : report.copyFailures)
            lines.append(e.where.isEmpty() ? e.message : e.where + QStringLiteral(": ") + e.message);
        mServices.tell(mWindow, QStringLiteral("라벨 파일은 저장되었지만 데이터 파일을 함께 복사하지 못했습니다.\n")
                                    + lines.join(u'\n'));
    }
    emit saved(path);
    return true;
}

} // namespace quill
