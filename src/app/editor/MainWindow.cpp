#include "MainWindow.h"

#include "document/DocumentFile.h"
#include "document/DocumentSummary.h"
#include "print/PrintCommand.h"
#include "shell/QuillSettings.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QStatusBar>
#include <QToolBar>

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

} // namespace

MainWindow::MainWindow(const CaptionFile &captions, QWidget *parent)
    : MainWindow(captions, openUserSettings(), PrintServices::system(), parent)
{
}

MainWindow::MainWindow(const CaptionFile &captions, QSettings &settings,
    const PrintServices &services, QWidget *parent)
    : QMainWindow(parent), mCaptions(captions), mSettings(&settings), mServices(services)
{
    setUp();
}

MainWindow::MainWindow(const CaptionFile &captions, std::unique_ptr<QSettings> settings,
    const PrintServices &services, QWidget *parent)
    : QMainWindow(parent), mCaptions(captions), mOwnedSettings(std::move(settings)),
      mSettings(mOwnedSettings.get()), mServices(services)
{
    setUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::setUp()
{
    mPrint = std::make_unique<PrintCommand>(mDocument, mCaptions, *mSettings, mServices, this);
    mPrint->setAutoSaveHook([this](bool active) { setAutoSaveActive(active); });
    mStatusLabel = new QLabel(this);
    statusBar()->addWidget(mStatusLabel, 1);
    setCentralWidget(new QWidget(this));
    createActions();
    resize(1024, 768);
    connect(&mDocument, &LabelDocument::changed, this, &MainWindow::refreshTexts);
    refreshTexts();
}

void MainWindow::createActions()
{
    // The menu's own texts; the tool bar's hints come from the caption file.
    QMenu *file = menuBar()->addMenu(QStringLiteral("파일"));
    file->setObjectName(QStringLiteral("FileMenu"));
    QAction *open = file->addAction(QStringLiteral("열기..."), this, &MainWindow::OpenBtnClick);
    open->setObjectName(QStringLiteral("N2"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction *preview
        = file->addAction(QStringLiteral("미리보기"), this, [this] { mPrint->PreviewBtnClick(); });
    preview->setObjectName(QStringLiteral("N9"));
    QAction *print
        = file->addAction(QStringLiteral("인쇄"), this, [this] { mPrint->PrintBtnClick(); });
    print->setObjectName(QStringLiteral("N10"));
    print->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    file->addSeparator();
    QAction *quit = file->addAction(QStringLiteral("끝내기"), this, &QWidget::close);
    quit->setObjectName(QStringLiteral("N13"));

    // Tool buttons for the same commands, with the caption file's hints.
    QToolBar *bar = addToolBar(QStringLiteral("파일"));
    bar->setObjectName(QStringLiteral("MainToolBar"));
    struct Button {
        QAction *action;
        const char *name;
        QString text;
    };
    const Button buttons[] = {{open, "OpenBtn", QStringLiteral("열기")},
        {preview, "PreviewBtn", QStringLiteral("미리보기")},
        {print, "PrintBtn", QStringLiteral("인쇄")}};
    for (const Button &b : buttons) {
        const QString name = QString::fromLatin1(b.name);
        QAction *button = bar->addAction(b.text, b.action, &QAction::trigger);
        button->setObjectName(name);
        button->setToolTip(mCaptions.read(QStringLiteral("ButtonHint"), name));
    }
}

bool MainWindow::newDocument(const TZR_LabelSize &sheet)
{
    const Status s = mDocument.newDocument(sheet);
    if (!s)
        statusBar()->showMessage(s.error().message);
    refreshTexts();
    return s.ok();
}

bool MainWindow::openDocument(const QString &path)
{
    setAutoSaveActive(false);
    QStringList warnings;
    const Status read = readDocumentFile(path, warnings);
    setAutoSaveActive(true);
    if (!read) {
        const Error &e = read.error();
        QString text = QStringLiteral("라벨 파일을 열 수 없습니다: %1\n%2").arg(path, e.message);
        if (!e.where.isEmpty() && e.where != path)
            text += u'\n' + e.where;
        tell(text);
        return false;
    }
    refreshTexts();
    if (!warnings.isEmpty())
        tell(warnings.join(u'\n'));
    return true;
}

Status MainWindow::readDocumentFile(const QString &path, QStringList &warnings)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Error(file.errorString(), path);
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return Error(file.errorString(), path);
    // Read on the side first: a damaged file would otherwise replace the open document with
    // the part of it that could be read.
    LabelDocument trial;
    const Result<ReadReport> tried = readDocumentBytes(trial, data, path);
    if (!tried)
        return tried.error();
    if (!tried.value().complete()) {
        const ReadProblem &problem = tried.value().problems.first();
        return Error(problem.message, problem.where);
    }
    const Result<ReadReport> read = readDocumentBytes(mDocument, data, path);
    if (!read)
        return read.error();
    warnings = read.value().warnings;
    return {};
}

void MainWindow::OpenBtnClick()
{
    const QString path = QFileDialog::getOpenFileName(this, QString(), QString(), openFileFilter());
    if (!path.isEmpty())
        openDocument(path);
}

QString MainWindow::openFileFilter() const
{
    const QString section = QStringLiteral("OpenSave");
    const QString key = QStringLiteral("FileFilter");
    const QString filter
        = mCaptions.contains(section, key) ? qtFileFilter(mCaptions.read(section, key)) : QString();
    return filter.isEmpty() ? QStringLiteral("QuillLabel 라벨 파일 (*.qbl)") : filter;
}

void MainWindow::setAutoSaveActive(bool active)
{
    mAutoSaveActive = active && mAutoSaveEnabled;
}

void MainWindow::setAutoSaveEnabled(bool enabled)
{
    mAutoSaveEnabled = enabled;
    mAutoSaveActive = enabled;
}

void MainWindow::tell(const QString &text)
{
    if (mServices.showMessage)
        mServices.showMessage(this, text);
}

QString MainWindow::statusText() const
{
    return mStatusLabel->text();
}

void MainWindow::refreshTexts()
{
    setWindowTitle(mainWindowCaption(mCaptions, mDocument.fileName()));
    mStatusLabel->setText(sheetSummaryText(mDocument.labelSize(), mCaptions));
}

} // namespace quill
