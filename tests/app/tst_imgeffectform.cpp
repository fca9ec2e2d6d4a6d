// The picture effects editor: previews from the source, apply and cancel, turns, the
// background run of large pictures, and its opening from the picture properties dialog.
#include "ModalAnswer.h"

#include "imaging/DecodedPicture.h"
#include "imaging/PixelEffects.h"
#include "objects/EffectRunner.h"
#include "objects/ImgEffectForm.h"
#include "objects/ObjectDialogs.h"
#include "objects/ZR_DBImage.h"
#include "shell/CaptionFile.h"

#include <QCheckBox>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QtTest>

using namespace quill;

namespace {

template <typename T>
T *child(const QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Every pixel differs, so that turns, mirrors and effects all show.
QImage numbered(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        uchar *row = image.scanLine(y);
        for (int x = 0; x < w; ++x) {
            row[3 * x] = uchar(x * 11);
            row[3 * x + 1] = uchar(y * 5);
            row[3 * x + 2] = uchar(x + y);
        }
    }
    return image;
}

int entryOf(const char *name)
{
    return int(effectListEntries().indexOf(QString::fromLatin1(name)));
}

QImage withEffect(QImage picture, const char *name, int p)
{
    applyListEffect(picture, entryOf(name), p);
    return picture;
}

void choose(const TImgEffectForm &form, const char *name)
{
    child<QListWidget>(form, "EffectsList")->setCurrentRow(entryOf(name));
}

} // namespace

class TestImgEffectForm : public QObject {
    Q_OBJECT
private slots:
    void previewFollowsSliderAndApplyReturnsIt();
    void cancelReturnsNothing();
    void turnsChangeTheSource_data();
    void turnsChangeTheSource();
    void largePictureRunsOffTheWindowThread();
    void imageDialogOpensTheEditor();
    void cleanup();

private:
    CaptionFile mCaptions; // no caption file: the editor's own texts
};

// A stopped run may still be finishing its step; let it end before the next test.
void TestImgEffectForm::cleanup()
{
    QTRY_COMPARE_WITH_TIMEOUT(EffectRunner::liveThreads(), 0, 20000);
}

void TestImgEffectForm::previewFollowsSliderAndApplyReturnsIt()
{
    const QImage source = numbered(60, 40);
    bool checkedOnOpening = false;
    QImage atOne;
    QImage atForty;
    quilltest::whenModalAppears([&](QWidget *modal) {
        auto *form = qobject_cast<TImgEffectForm *>(modal);
        QVERIFY(form);
        checkedOnOpening = child<QCheckBox>(*form, "AutoMatic")->isChecked();
        QVERIFY(!child<QSlider>(*form, "TrackBar")->isEnabled());
        choose(*form, "Darkness");
        // The slider stood at 1: choosing alone previews nothing.
        atOne = form->resultPicture();
        auto *slider = child<QSlider>(*form, "TrackBar");
        QVERIFY(slider->isEnabled());
        slider->setValue(30);
        // Effects never pile up: the last preview is from the source at 40.
        slider->setValue(40);
        QVERIFY(!child<QPushButton>(*form, "Button_APPLY")->isEnabled());
        atForty = form->resultPicture();
        // Another effect puts the slider back to 1, which counts as a move.
        choose(*form, "Lightness");
        QCOMPARE(slider->value(), 1);
        child<QPushButton>(*form, "ApplyBtn")->click();
    });
    const std::optional<QImage> result = TImgEffectForm::edit(mCaptions, source);
    QVERIFY(checkedOnOpening);
    QCOMPARE(atOne, source);
    QCOMPARE(atForty, withEffect(source, "Darkness", 40));
    QVERIFY(atForty != source);
    QVERIFY(result);
    QCOMPARE(*result, withEffect(source, "Lightness", 1));
    QVERIFY(*result != source);
}

void TestImgEffectForm::cancelReturnsNothing()
{
    quilltest::whenModalAppears([](QWidget *modal) {
        auto *form = qobject_cast<TImgEffectForm *>(modal);
        QVERIFY(form);
        choose(*form, "Invert");
        child<QSlider>(*form, "TrackBar")->setValue(5);
        QVERIFY(form->resultPicture() != form->sourcePicture());
        child<QPushButton>(*form, "CancelBtn")->click();
    });
    QVERIFY(!TImgEffectForm::edit(mCaptions, numbered(30, 20)));
}

void TestImgEffectForm::turnsChangeTheSource_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QImage>("expected");
    const QImage source = numbered(7, 4);
    QTest::newRow("left") << QByteArray("L_RotateBtn") << turnedLeft(source);
    QTest::newRow("right") << QByteArray("R_RotateBtn") << turnedRight(source);
    QTest::newRow("left-right") << QByteArray("LR_FlipBtn") << mirroredLeftRight(source);
    QTest::newRow("up-down") << QByteArray("UD_FlipBtn") << mirroredUpDown(source);
}

void TestImgEffectForm::turnsChangeTheSource()
{
    QFETCH(QByteArray, button);
    QFETCH(QImage, expected);
    TImgEffectForm form(mCaptions, numbered(7, 4));
    choose(form, "Invert");
    child<QPushButton>(form, "Button_APPLY")->click();
    QVERIFY(form.resultPicture() != form.sourcePicture());
    // The turn drops the preview; the next preview starts from the turned source.
    child<QToolButton>(form, button.constData())->click();
    QCOMPARE(form.sourcePicture(), expected);
    QCOMPARE(form.resultPicture(), expected);
    child<QSlider>(form, "TrackBar")->setValue(3);
    child<QPushButton>(form, "Button_APPLY")->click();
    QCOMPARE(form.resultPicture(), withEffect(expected, "Invert", 3));
}

void TestImgEffectForm::largePictureRunsOffTheWindowThread()
{
    const QImage source = numbered(3000, 2000);
    TImgEffectForm form(mCaptions, source);
    form.show();
    auto *progress = child<QProgressBar>(form, "EffectProgress");
    auto *stop = child<QPushButton>(form, "StopBtn");
    QVERIFY(!progress->isVisible());

    // Many passes of the blur: long enough to be stopped part way.
    choose(form, "Gaussian Blur");
    child<QSlider>(form, "TrackBar")->setValue(100);
    int ticks = 0;
    QTimer ticker;
    connect(&ticker, &QTimer::timeout, this, [&] { ++ticks; });
    ticker.start(5);
    child<QPushButton>(form, "Button_APPLY")->click();
    QVERIFY(form.isRunning());
    QVERIFY(progress->isVisible() && stop->isVisible());
    QVERIFY(!child<QPushButton>(form, "ApplyBtn")->isEnabled());
    // The window keeps handling events while the effect runs and the progress moves.
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 3 && progress->value() >= 1, 20000);
    QVERIFY(form.isRunning());
    stop->click();
    QVERIFY(!form.isRunning());
    QVERIFY(!progress->isVisible());
    QVERIFY(child<QPushButton>(form, "Button_APPLY")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(EffectRunner::liveThreads(), 0, 20000);
    QCoreApplication::processEvents();
    QCOMPARE(form.resultPicture(), source);

    // A quick effect on the same picture runs through to the end.
    choose(form, "Invert");
    child<QPushButton>(form, "Button_APPLY")->click();
    QTRY_VERIFY_WITH_TIMEOUT(!form.isRunning(), 20000);
    QCOMPARE(form.resultPicture(), withEffect(source, "Invert", 1));
    QVERIFY(child<QPushButton>(form, "ApplyBtn")->isEnabled());
}

void TestImgEffectForm::imageDialogOpensTheEditor()
{
    const QImage picture = numbered(40, 20);
    TZR_DBImage image;
    image.applyPlacementSettings();
    image.setBounds(QRect(0, 0, 80, 40));
    image.setPictureData(bitmapPayload(picture).value());
    const QByteArray before = image.pictureData();

    bool reached = false;
    ObjectDialogServices services;
    services.captions = &mCaptions;
    services.exec = [&](QDialog &dialog) {
        quilltest::whenModalAppears([&](QWidget *modal) {
            auto *form = qobject_cast<TImgEffectForm *>(modal);
            if (!form)
                return;
            reached = form->sourcePicture() == picture;
            choose(*form, "Invert");
            child<QSlider>(*form, "TrackBar")->setValue(2);
            child<QPushButton>(*form, "ApplyBtn")->click();
        });
        child<QPushButton>(dialog, "Button1")->click();
        return true;
    };
    const std::unique_ptr<LabelObject> result = runObjectDialog(image, services);
    QVERIFY(reached);
    QVERIFY(result);
    const QImage stored =
        decodePicture(static_cast<TZR_DBImage &>(*result).pictureData()).value().toImage24();
    QCOMPARE(stored, withEffect(picture, "Invert", 2));
    QCOMPARE(image.pictureData(), before);
}

QTEST_MAIN(TestImgEffectForm)
#include "tst_imgeffectform.moc"
