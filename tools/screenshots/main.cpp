// quill-screenshots: takes the pictures of the editor that the README and the user guide show,
// from the real windows on a real display (run under Xvfb by scripts/screenshots.sh).
// Usage: quill-screenshots OUTPUT_FOLDER DOCUMENT
#include "DataListShots.h"

#include "catalogue/NewJobFrm.h"
#include "catalogue/UserCatalogue.h"
#include "document/LabelCell.h"
#include "editor/DocumentController.h"
#include "editing/ObjectPlacement.h"
#include "objects/BarcodeFormChecks.h"
#include "catalogue/PostalCodes.h"
#include "objects/ADDHonoForm.h"
#include "objects/ImgEffectForm.h"
#include "objects/LineSetForm.h"
#include "objects/ZipCodeForm.h"
#include "objects/ObjectDialogs.h"
#include "objects/ZR_ZipBarcode.h"
#include "editor/EditingController.h"
#include "editor/EditorActions.h"
#include "editor/TextInPlaceEditor.h"
#include "editor/MainWindow.h"
#include "editor/ZR_WorkSpace.h"
#include "editor/ZoomPercentBox.h"
#include "editor/prvLabelWorkForm.h"
#include "shell/AppFolders.h"
#include "shell/CaptionFile.h"
#include "shell/ProgramSetup.h"

#include <QApplication>
#include <QDialog>
#include <QLinearGradient>
#include <QPainter>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMenu>
#include <QTextEdit>
#include <QScreen>
#include <QSettings>
#include <QTextStream>
#include <QThread>

namespace {

void settle(int ms = 600)
{
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
}

// The screen as the user sees it, cut to the window's frame.
bool shoot(QWidget *window, const QString &path)
{
    settle();
    QScreen *screen = window->screen();
    const QRect frame = window->frameGeometry();
    QPixmap picture = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    return !picture.isNull() && picture.save(path);
}

// Editing by hand at 150 %: an object selected with its handles, its pop-up menu, and a new
// text box being typed in place.
bool shootEditing(quill::MainWindow &window, const QString &out)
{
    using namespace quill;
    window.zoomBox()->applyZoom(150);
    LabelCell *cell = window.document().currentCellPanel();
    if (!cell || cell->isEmpty())
        return false;
    CellEditor &editor = window.editing().editor();
    editor.selectOnly(cell->object(cell->objectCount() - 1));
    bool ok = shoot(&window, QDir(out).filePath(QStringLiteral("edit-select.png")));
    QWidget *viewport = window.workSpace()->viewport();
    const QRect box = window.workSpace()->mapRectFromCell(editor.selection().first()->bounds());
    const EditorContextMenu kind = editor.selection().first()->typeCode() == ObjectTypeCode::VantorShape
                                       ? EditorContextMenu::Shape : EditorContextMenu::Barcode;
    QMenu *menu = window.actions().contextMenu(kind);
    menu->popup(viewport->mapToGlobal(box.center()));
    ok = shoot(&window, QDir(out).filePath(QStringLiteral("edit-menu.png"))) && ok;
    menu->close();
    window.actions().action(EditorCommand::ToolText)->trigger();
    if (auto *edit = qobject_cast<QTextEdit *>(window.editing().textEditor().editWidget())) {
        edit->insertPlainText(QStringLiteral("홍길동 귀하\n서울 강남구"));
        ok = shoot(&window, QDir(out).filePath(QStringLiteral("edit-text.png"))) && ok;
    } else {
        ok = false;
    }
    window.editing().endTextEditing();
    return ok;
}

// Every object's property dialog, shown on a new object of its kind and cancelled.
bool shootDialogs(const quill::CaptionFile &captions, const quill::AppFolders &folders,
                  const QString &out)
{
    using namespace quill;
    QDir().mkpath(out);
    bool ok = true;
    const struct {
        ObjectTypeCode code;
        const char *name;
    } kinds[] = {{ObjectTypeCode::SerialNumber, "serialnumber"}, {ObjectTypeCode::ShapeTable, "table"},
                 {ObjectTypeCode::Gradient, "gradient"},         {ObjectTypeCode::WordArt, "wordart"},
                 {ObjectTypeCode::Barcode, "barcode"},           {ObjectTypeCode::Barcode2D, "barcode2d"},
                 {ObjectTypeCode::ZipBarcode, "zipbarcode"},     {ObjectTypeCode::DBImage, "image"}};
    for (const auto &kind : kinds) {
        std::unique_ptr<LabelObject> object =
            ObjectPlacement::createObject(kind.code, QRect(0, 0, 150, 80), PlacementContext{});
        if (kind.code == ObjectTypeCode::ZipBarcode)
            startNewZipBarcode(static_cast<TZR_ZipBarcode &>(*object));
        ObjectDialogServices services;
        services.captions = &captions;
        services.postalCodeFile = folders.zipcodeFilePath();
        const QString path = QDir(out).filePath(QString::fromLatin1(kind.name) + QStringLiteral(".png"));
        bool shot = false;
        services.exec = [&](QDialog &dialog) {
            dialog.show();
            shot = shoot(&dialog, path);
            dialog.hide();
            return false;
        };
        runObjectDialog(*object, services);
        ok = shot && ok;
    }
    // The windows that come with the dialogs: the postal code search (a search made), the
    // honorific of the data list windows and the custom line width.
    Result<PostalCodeTable> postal = PostalCodeTable::load(folders.zipcodeFilePath());
    if (postal) {
        TZipCodeForm search(captions, postal.value());
        search.show();
        search.search(QStringLiteral("종로구"));
        ok = shoot(&search, QDir(out).filePath(QStringLiteral("zipcodesearch.png"))) && ok;
    } else {
        ok = false;
    }
    TADDHonoForm honorific(captions, QStringList{QStringLiteral("이름"), QStringLiteral("회사")});
    honorific.show();
    ok = shoot(&honorific, QDir(out).filePath(QStringLiteral("honorific.png"))) && ok;
    TLineSetForm lineWidth(captions);
    lineWidth.show();
    ok = shoot(&lineWidth, QDir(out).filePath(QStringLiteral("linewidth.png"))) && ok;

    // The picture effects editor on a small drawn picture.
    QImage picture(240, 160, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient ramp(0, 0, 240, 160);
    ramp.setColorAt(0, QColor(0x2a, 0x6f, 0xdb));
    ramp.setColorAt(1, QColor(0xf6, 0xc2, 0x3e));
    painter.fillRect(picture.rect(), ramp);
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("NanumGothic"), 28, QFont::Bold));
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("라벨"));
    painter.end();
    TImgEffectForm effects(captions, picture);
    effects.show();
    ok = shoot(&effects, QDir(out).filePath(QStringLiteral("imageeffects.png"))) && ok;
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("TALVERO"));
    QApplication::setApplicationName(QStringLiteral("QuillLabel"));
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: quill-screenshots OUTPUT_FOLDER DOCUMENT\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QString document = QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath();
    QDir().mkpath(out);
    quill::prepareProgram();
    quill::AppFolders folders;
    folders.seed();
    const quill::CaptionFile captions(folders.captionFilePath());
    QSettings settings(QDir(folders.dataHome()).filePath(QStringLiteral("settings.ini")), QSettings::IniFormat);
    quill::EditorEnvironment env = quill::EditorEnvironment::system(captions, &settings, folders);
    // The sample's address list, sent to labels by the data list shot at the end.
    const QString addresses = QFileInfo(QStringLiteral(QUILL_SOURCE_DIR "/resources/sample/addresses.csv"))
                                  .absoluteFilePath();
    env.dataLists = screenshots::sendServices(addresses);
    quill::MainWindow window(env);
    window.resize(1280, 860);
    window.show();
    if (!window.openDocument(document)) {
        err << "quill-screenshots: cannot open " << document << "\n";
        return 1;
    }
    bool ok = shoot(&window, QDir(out).filePath(QStringLiteral("main-100.png")));
    window.zoomBox()->applyZoom(200);
    ok = shoot(&window, QDir(out).filePath(QStringLiteral("main-200.png"))) && ok;
    ok = shootEditing(window, out) && ok;
    window.zoomBox()->applyZoom(100);
    window.overview()->raise();
    ok = shoot(window.overview(), QDir(out).filePath(QStringLiteral("overview.png"))) && ok;

    quill::Result<quill::PaperCatalogue> catalogue = quill::openUserCatalogue(folders);
    if (catalogue) {
        quill::TNewJobFrm dialog(catalogue.value(), captions, folders.catalogueFilePath(),
                                 folders.resourceDir());
        dialog.chooseProduct(window.document().labelSize().labelCode());
        dialog.show();
        ok = shoot(&dialog, QDir(out).filePath(QStringLiteral("newjob.png"))) && ok;
    } else {
        ok = false;
    }
    ok = shootDialogs(captions, folders, QDir(out).filePath(QStringLiteral("../dialogs"))) && ok;
    ok = screenshots::shootDataListWindows(captions, folders, addresses,
             QDir(out).filePath(QStringLiteral("../dialogs")), shoot) && ok;
    ok = screenshots::shootDataListSend(window, out, shoot) && ok;
    window.document().setModified(false);
    return ok ? 0 : 1;
}
