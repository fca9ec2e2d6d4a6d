// The gradient, word art and picture properties dialogs, driven through their controls.
#include "ModalAnswer.h"

#include "imaging/DecodedPicture.h"
#include "imaging/PictureData.h"
#include "objects/EffectImage.h"
#include "objects/GradientFrm.h"
#include "objects/ImageFrm.h"
#include "objects/ImageProperties.h"
#include "objects/WordArtForm.h"
#include "objects/ZR_DBImage.h"
#include "objects/ZR_Gradient.h"
#include "objects/ZR_WordArt.h"
#include "shell/CaptionFile.h"

#include <QBuffer>
#include <QCheckBox>
#include <QColorDialog>
#include <QDoubleSpinBox>
#include <QImageWriter>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

using namespace quill;
using namespace Qt::StringLiterals;

namespace {

QVariantList valuesOf(const PersistentObject &object)
{
    QVariantList values;
    for (int i = 0; i < object.classInfo().properties.size(); ++i)
        values << object.value(i);
    return values;
}

template <typename T>
T *child(const QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

// Clicks a colour swatch and picks `colour` in the colour dialog it opens.
void pickColour(QAbstractButton *swatch, const QColor &colour)
{
    quilltest::whenModalAppears([colour](QWidget *modal) {
        if (auto *dialog = qobject_cast<QColorDialog *>(modal)) {
            dialog->setCurrentColor(colour);
            dialog->accept();
        }
    });
    swatch->click();
}

QImage filled(int w, int h, QColor colour)
{
    QImage image(w, h, QImage::Format_RGB888);
    image.fill(colour);
    return image;
}

QByteArray encoded(const QImage &image, const char *format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

std::unique_ptr<TZR_DBImage> imageObject(const QRect &bounds, const QByteArray &picture)
{
    auto image = std::make_unique<TZR_DBImage>();
    image->applyPlacementSettings();
    image->setBounds(bounds);
    image->setPictureData(picture);
    return image;
}

QByteArray bitmap(const QImage &image)
{
    return bitmapPayload(image).value();
}

QImage decoded(const QByteArray &payload)
{
    const Result<DecodedPicture> picture = decodePicture(payload);
    return picture ? picture.value().toImage24() : QImage();
}

QString graphicName(const QByteArray &payload)
{
    const Result<PictureData> split = splitPictureData(payload);
    return split ? split.value().className : QString();
}

QString text(const QWidget &dialog, const char *name)
{
    return child<QLineEdit>(dialog, name)->text();
}

} // namespace

class TestObjectFormsGraphics : public QObject {
    Q_OBJECT

private slots:
    void gradientOpensOnTheObject_data();
    void gradientOpensOnTheObject();
    void gradientAppliesColoursAndStyle();
    void wordArtAppliesTextAndColours();
    void wordArtRefusesAnEmptyText();

    void imageOpensOnItsPicture_data();
    void imageOpensOnItsPicture();
    void ratioLockKeepsTheRatio();
    void originalSize();
    void brightnessContrastAndRestore();
    void effectsEditorLeavesTheBase();
    void loadsPictureFiles_data();
    void loadsPictureFiles();
    void damagedFileKeepsThePicture();
    void noPictureOpensForLoadingOnly();
    void metafileIsRefused();
    void cancelChangesNothing();
    void screenshots();

private:
    CaptionFile mCaptions; // no caption file: the dialogs' own texts
    QTemporaryDir mDir;
};

// ---- Gradient and word art ---------------------------------------------------------------

void TestObjectFormsGraphics::gradientOpensOnTheObject_data()
{
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("style");
    QTest::newRow("two colours, vertical") << int(lsGradient) << int(gsTopToBottom);
    QTest::newRow("one colour, horizontal") << int(lsAutoGradient) << int(gsLeftToRight);
    QTest::newRow("nothing drawn") << int(lsNone) << int(gsLeftToRight);
}

void TestObjectFormsGraphics::gradientOpensOnTheObject()
{
    QFETCH(int, layout);
    QFETCH(int, style);
    TZR_Gradient gradient;
    gradient.setLayOutStyle(TLayOutStyle(layout));
    gradient.setGradientStyle(TGradientStyle(style));
    TZR_GradientFrm form(mCaptions, gradient);
    QCOMPARE(form.windowTitle(), u"그라데이션"_s);
    QCOMPARE(child<QRadioButton>(form, "rdoOneColor")->isChecked(), layout == lsAutoGradient);
    QCOMPARE(child<QRadioButton>(form, "rdoTwoColor")->isChecked(), layout == lsGradient);
    QCOMPARE(child<QRadioButton>(form, "rdoHoriz")->isChecked(), style == gsLeftToRight);
    QCOMPARE(child<QRadioButton>(form, "rdoVert")->isChecked(), style == gsTopToBottom);
    // One colour ramps toward white: the end colour plays no part.
    QCOMPARE(child<QWidget>(form, "EColorBtn")->isEnabled(), layout != lsAutoGradient);
    // OK untouched keeps the object's settings, lsNone included.
    form.accept();
    const std::unique_ptr<TZR_Gradient> result = form.takeResult();
    QCOMPARE(valuesOf(*result), valuesOf(gradient));
}

void TestObjectFormsGraphics::gradientAppliesColoursAndStyle()
{
    TZR_Gradient gradient;
    gradient.setBounds(QRect(10, 20, 60, 40));
    gradient.setLayOutStyle(lsGradient);
    gradient.setGradientStartColor(0x00FF0000);
    gradient.setGradientEndColor(0x00FFFFFF);
    const QVariantList before = valuesOf(gradient);

    TZR_GradientFrm form(mCaptions, gradient);
    form.show();
    child<QRadioButton>(form, "rdoHoriz")->click();
    QCOMPARE(form.preview().gradientStyle(), gsLeftToRight);
    pickColour(child<QAbstractButton>(form, "SColorBtn"), QColor(0x11, 0x22, 0x33));
    QCOMPARE(form.preview().gradientStartColor(), TColor(0x00332211));
    child<QRadioButton>(form, "rdoOneColor")->click();
    QVERIFY(!child<QWidget>(form, "EColorBtn")->isEnabled());
    QCOMPARE(form.preview().layOutStyle(), lsAutoGradient);
    child<QRadioButton>(form, "rdoTwoColor")->click();
    pickColour(child<QAbstractButton>(form, "EColorBtn"), QColor(0, 0xFF, 0));
    child<QAbstractButton>(form, "OKBtn")->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));

    const std::unique_ptr<TZR_Gradient> result = form.takeResult();
    QCOMPARE(result->layOutStyle(), lsGradient);
    QCOMPARE(result->gradientStyle(), gsLeftToRight);
    QCOMPARE(result->gradientStartColor(), TColor(0x00332211));
    QCOMPARE(result->gradientEndColor(), TColor(0x0000FF00));
    QCOMPARE(result->bounds(), QRect(10, 20, 60, 40));
    QCOMPARE(valuesOf(gradient), before);
}

void TestObjectFormsGraphics::wordArtAppliesTextAndColours()
{
    TZR_WordArt art;
    const QVariantList before = valuesOf(art);
    TWordArtForm form(mCaptions, art);
    form.show();
    QCOMPARE(form.windowTitle(), u"워드 아트"_s);
    auto *edit = child<QLineEdit>(form, "Edt_WordArt");
    QCOMPARE(edit->text(), u"워드아트 "_s);
    QVERIFY(child<QRadioButton>(form, "rdoVert")->isChecked());
    QVERIFY(child<QRadioButton>(form, "rdoTwoColor")->isChecked());

    edit->clear();
    QTest::keyClicks(edit, u"Sale"_s);
    QCOMPARE(form.preview().caption(), u"Sale"_s);
    pickColour(child<QAbstractButton>(form, "EColorBtn"), QColor(0xFF, 0, 0));
    child<QRadioButton>(form, "rdoOneColor")->click();
    child<QRadioButton>(form, "rdoHoriz")->click();
    child<QAbstractButton>(form, "OKBtn")->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));

    const std::unique_ptr<TZR_WordArt> result = form.takeResult();
    QCOMPARE(result->caption(), u"Sale"_s);
    QCOMPARE(result->gradientStartColor(), TColor(0x00FF0000));
    QCOMPARE(result->gradientEndColor(), TColor(0x000000FF));
    QCOMPARE(result->layOutStyle(), lsAutoGradient);
    QCOMPARE(result->gradientStyle(), gsLeftToRight);
    QCOMPARE(result->textValue(u"Font.Name"_s), u"돋움"_s);
    QCOMPARE(valuesOf(art), before);
}

void TestObjectFormsGraphics::wordArtRefusesAnEmptyText()
{
    TZR_WordArt art;
    TWordArtForm form(mCaptions, art);
    form.show();
    child<QLineEdit>(form, "Edt_WordArt")->clear();
    QString seen;
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    child<QAbstractButton>(form, "OKBtn")->click();
    QCOMPARE(seen, u" 내용을 입력하십시오."_s);
    QVERIFY(form.isVisible());
    QVERIFY(form.result() != QDialog::Accepted);

    QTest::keyClicks(child<QLineEdit>(form, "Edt_WordArt"), u"A"_s);
    child<QAbstractButton>(form, "OKBtn")->click();
    QCOMPARE(form.result(), int(QDialog::Accepted));
    QCOMPARE(form.takeResult()->caption(), u"A"_s);
}

// ---- Picture properties ------------------------------------------------------------------

void TestObjectFormsGraphics::imageOpensOnItsPicture_data()
{
    QTest::addColumn<bool>("released");
    QTest::addColumn<QString>("width");
    QTest::addColumn<QString>("widthScale");
    // A square picture in a 200 x 100 box: with the lock on, the width follows the height.
    QTest::newRow("ratio locked") << false << u"26.46"_s << u"100 %"_s;
    QTest::newRow("ratio released") << true << u"52.92"_s << u"200 %"_s;
}

void TestObjectFormsGraphics::imageOpensOnItsPicture()
{
    QFETCH(bool, released);
    QFETCH(QString, width);
    QFETCH(QString, widthScale);
    const auto image = imageObject(QRect(5, 6, 200, 100), bitmap(filled(100, 100, Qt::red)));
    image->setFixed(released);
    TImageFrm form(mCaptions, *image);
    QCOMPARE(form.windowTitle(), u"이미지 속성"_s);
    QVERIFY(!form.refusesPicture());
    QCOMPARE(child<QCheckBox>(form, "Chk_Fixed")->isChecked(), released);
    QCOMPARE(text(form, "sur_WidthSize"), u"26.46"_s);
    QCOMPARE(text(form, "sur_HeightSize"), u"26.46"_s);
    QCOMPARE(child<QDoubleSpinBox>(form, "Img_Height")->text(), u"26.46"_s);
    QCOMPARE(child<QDoubleSpinBox>(form, "Img_Width")->text(), width);
    QCOMPARE(text(form, "ratio_Height"), u"100 %"_s);
    QCOMPARE(text(form, "ratio_Width"), widthScale);

    // Confirmed as it stands: the picture becomes a bitmap of itself.
    form.accept();
    const std::unique_ptr<TZR_DBImage> result = form.takeResult();
    QCOMPARE(result->bounds(), QRect(5, 6, released ? 200 : 100, 100));
    QCOMPARE(result->fixed(), released);
    QCOMPARE(decoded(result->pictureData()), filled(100, 100, Qt::red));
}

void TestObjectFormsGraphics::ratioLockKeepsTheRatio()
{
    // A 40 x 20 picture: 10.58 x 5.29 millimetres.
    const QByteArray jpeg = pictureDataFromFile(encoded(filled(40, 20, Qt::blue), "jpeg"), u"jpg"_s).value();
    const auto image = imageObject(QRect(0, 0, 80, 40), jpeg);
    TImageFrm form(mCaptions, *image);
    form.show();
    auto *width = child<QDoubleSpinBox>(form, "Img_Width");
    auto *height = child<QDoubleSpinBox>(form, "Img_Height");
    width->setValue(50);
    QCOMPARE(height->value(), 25.0);
    QCOMPARE(text(form, "ratio_Width"), u"472.59 %"_s);
    QCOMPARE(text(form, "ratio_Height"), u"472.59 %"_s);
    height->setValue(10);
    QCOMPARE(width->value(), 20.0);

    // Released, each side goes its own way.
    child<QCheckBox>(form, "Chk_Fixed")->click();
    width->setValue(30);
    QCOMPARE(height->value(), 10.0);
    QCOMPARE(text(form, "ratio_Height"), u"189.04 %"_s);

    child<QAbstractButton>(form, "OKBtn")->click();
    const std::unique_ptr<TZR_DBImage> result = form.takeResult();
    QCOMPARE(result->bounds(), QRect(0, 0, 113, 38));
    QVERIFY(result->fixed());
    // A JPEG confirmed in the dialog is stored as a bitmap from then on.
    QCOMPARE(graphicName(result->pictureData()), u"TBitmap"_s);
    QCOMPARE(decoded(result->pictureData()).size(), QSize(40, 20));
}

void TestObjectFormsGraphics::originalSize()
{
    const auto image = imageObject(QRect(0, 0, 300, 150), bitmap(filled(40, 20, Qt::blue)));
    TImageFrm form(mCaptions, *image);
    auto *realSize = child<QCheckBox>(form, "Chk_RealSIze");
    realSize->click();
    QCOMPARE(child<QDoubleSpinBox>(form, "Img_Width")->text(), u"10.58"_s);
    QCOMPARE(child<QDoubleSpinBox>(form, "Img_Height")->text(), u"5.29"_s);
    QCOMPARE(text(form, "ratio_Width"), u"100 %"_s);
    QVERIFY(!child<QWidget>(form, "Img_Width")->isEnabled());
    QVERIFY(!child<QWidget>(form, "Img_Height")->isEnabled());
    realSize->click();
    QVERIFY(child<QWidget>(form, "Img_Width")->isEnabled());
    realSize->click();
    form.accept();
    QCOMPARE(form.takeResult()->bounds().size(), QSize(40, 20));
}

void TestObjectFormsGraphics::brightnessContrastAndRestore()
{
    const QImage base = filled(30, 30, QColor(60, 120, 200));
    const auto image = imageObject(QRect(0, 0, 30, 30), bitmap(base));
    TImageFrm form(mCaptions, *image);
    const auto *preview = form.findChild<TZR_EffectImage *>();
    auto *lightness = child<QScrollBar>(form, "scb_Lightness");
    auto *contrast = child<QScrollBar>(form, "scb_Contrast");
    QCOMPARE(preview->picture(), base);

    lightness->setValue(40);
    QCOMPARE(text(form, "edt_Lightness"), u"40"_s);
    // Contrast at 1 still counts once a bar has moved.
    QCOMPARE(preview->picture(), adjustedPicture(base, 40, 1));
    child<QAbstractButton>(form, "Button4")->click();
    QCOMPARE(lightness->value(), 1);
    QCOMPARE(preview->picture(), base);

    contrast->setValue(25);
    QCOMPARE(text(form, "edt_Contrast"), u"25"_s);
    form.accept();
    QCOMPARE(decoded(form.takeResult()->pictureData()), adjustedPicture(base, 1, 25));
}

void TestObjectFormsGraphics::effectsEditorLeavesTheBase()
{
    const QImage base = filled(20, 10, QColor(10, 20, 30));
    const auto image = imageObject(QRect(0, 0, 20, 10), bitmap(base));
    TImageFrm form(mCaptions, *image);
    auto *edit = child<QAbstractButton>(form, "Button1");
    QVERIFY(!edit->isEnabled()); // no effects editor given
    form.setEffectsEditor([](const QImage &picture) {
        QImage inverted = picture;
        inverted.invertPixels();
        return std::optional<QImage>(inverted);
    });
    QVERIFY(edit->isEnabled());
    edit->click();
    const auto *preview = form.findChild<TZR_EffectImage *>();
    QCOMPARE(preview->picture().pixelColor(0, 0), QColor(245, 235, 225));
    // The bars start again from the picture before the effects.
    child<QScrollBar>(form, "scb_Lightness")->setValue(2);
    QCOMPARE(preview->picture(), adjustedPicture(base, 2, 1));
}

void TestObjectFormsGraphics::loadsPictureFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("format");
    QTest::newRow("bmp") << u"new.bmp"_s << QByteArray("bmp");
    QTest::newRow("png") << u"new.png"_s << QByteArray("png");
    QTest::newRow("jpeg, capital extension") << u"new.JPG"_s << QByteArray("jpeg");
}

void TestObjectFormsGraphics::loadsPictureFiles()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, format);
    const QImage picture = filled(60, 30, QColor(0, 0, 255));
    const QString path = mDir.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(encoded(picture, format.constData()));
    file.close();

    const auto image = imageObject(QRect(0, 0, 40, 40), bitmap(filled(40, 40, Qt::red)));
    int asked = 0;
    TImageFrm form(mCaptions, *image, nullptr, [&] {
        ++asked;
        return path;
    });
    form.show();
    child<QAbstractButton>(form, "Button5")->click();
    QCOMPARE(asked, 1);
    QCOMPARE(text(form, "sur_WidthSize"), u"15.88"_s);
    QCOMPARE(text(form, "sur_HeightSize"), u"7.94"_s);
    // The size boxes stay; the scales follow the new picture.
    QCOMPARE(child<QDoubleSpinBox>(form, "Img_Width")->text(), u"10.58"_s);
    QCOMPARE(text(form, "ratio_Width"), u"66.62 %"_s);
    // A wide picture fills the preview panel's width.
    const auto *preview = form.findChild<TZR_EffectImage *>();
    QCOMPARE(preview->width(), preview->parentWidget()->contentsRect().width());
    QCOMPARE(preview->height(), preview->width() / 2);

    form.accept();
    const QImage stored = decoded(form.takeResult()->pictureData());
    QCOMPARE(stored.size(), QSize(60, 30));
    QVERIFY(qAbs(stored.pixelColor(30, 15).blue() - 255) < 8);
    QVERIFY(stored.pixelColor(30, 15).red() < 8);
}

void TestObjectFormsGraphics::damagedFileKeepsThePicture()
{
    const QString path = mDir.filePath(u"damaged.gif"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("GIF89a but nothing more");
    file.close();

    const QImage red = filled(40, 20, Qt::red);
    const auto image = imageObject(QRect(0, 0, 40, 20), bitmap(red));
    TImageFrm form(mCaptions, *image, nullptr, [&] { return path; });
    form.show();
    QString seen;
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    child<QAbstractButton>(form, "Button5")->click();
    QVERIFY2(seen.startsWith(u"그림을 읽을 수 없습니다: "_s + path), qPrintable(seen));
    QCOMPARE(text(form, "sur_WidthSize"), u"10.58"_s);
    QCOMPARE(form.findChild<TZR_EffectImage *>()->picture(), red);
    form.accept();
    QCOMPARE(decoded(form.takeResult()->pictureData()), red);
}

void TestObjectFormsGraphics::noPictureOpensForLoadingOnly()
{
    const QImage picture = filled(50, 100, Qt::green);
    const QString path = mDir.filePath(u"tall.png"_s);
    QVERIFY(picture.save(path));
    const auto image = imageObject(QRect(3, 4, 105, 105), QByteArray());

    const auto onlyLoading = [](const TImageFrm &form) {
        for (const char *name : {"Img_Width", "Img_Height", "Chk_Fixed", "Chk_RealSIze",
                                 "scb_Lightness", "scb_Contrast", "Button4", "Button1"}) {
            if (child<QWidget>(form, name)->isEnabled())
                return false;
        }
        return child<QWidget>(form, "Button5")->isEnabled();
    };
    {
        TImageFrm form(mCaptions, *image, nullptr, [] { return QString(); });
        form.show();
        QVERIFY(onlyLoading(form));
        QCOMPARE(text(form, "ratio_Width"), QString());
        QVERIFY(form.findChild<TZR_EffectImage *>()->isHidden());
        // Nothing chosen: still nothing to adjust; OK leaves the object as it was.
        child<QAbstractButton>(form, "Button5")->click();
        QVERIFY(onlyLoading(form));
        form.accept();
        const std::unique_ptr<TZR_DBImage> result = form.takeResult();
        QCOMPARE(valuesOf(*result), valuesOf(*image));
    }
    TImageFrm form(mCaptions, *image, nullptr, [&] { return path; });
    form.show();
    child<QAbstractButton>(form, "Button5")->click();
    QVERIFY(child<QWidget>(form, "Img_Width")->isEnabled());
    QVERIFY(child<QWidget>(form, "scb_Lightness")->isEnabled());
    QCOMPARE(text(form, "ratio_Height"), u"104.99 %"_s);
    child<QDoubleSpinBox>(form, "Img_Height")->setValue(52.92);
    QCOMPARE(child<QDoubleSpinBox>(form, "Img_Width")->text(), u"26.46"_s);
    form.accept();
    const std::unique_ptr<TZR_DBImage> result = form.takeResult();
    QCOMPARE(result->bounds(), QRect(3, 4, 100, 200));
    QCOMPARE(decoded(result->pictureData()), picture);
}

void TestObjectFormsGraphics::metafileIsRefused()
{
    const auto image = imageObject(QRect(0, 0, 40, 40),
                                   joinPictureData(u"TMetafile"_s, QByteArray(8, '\0')).value());
    TImageFrm form(mCaptions, *image);
    QVERIFY(form.refusesPicture());
    QString seen;
    quilltest::answerMessageBox(QMessageBox::Ok, &seen);
    QCOMPARE(form.exec(), int(QDialog::Rejected));
    QCOMPARE(seen, u"메타 파일은 색상 수정을 할 수 없습니다."_s);
}

void TestObjectFormsGraphics::cancelChangesNothing()
{
    const QString path = mDir.filePath(u"other.bmp"_s);
    QVERIFY(filled(10, 10, Qt::yellow).save(path));
    const auto image = imageObject(QRect(1, 2, 80, 40), bitmap(filled(40, 20, Qt::red)));
    const QVariantList before = valuesOf(*image);
    const quint64 revision = image->revision();

    TImageFrm form(mCaptions, *image, nullptr, [&] { return path; });
    form.show();
    child<QAbstractButton>(form, "Button5")->click();
    child<QCheckBox>(form, "Chk_Fixed")->click();
    child<QDoubleSpinBox>(form, "Img_Width")->setValue(99);
    child<QScrollBar>(form, "scb_Contrast")->setValue(70);
    child<QAbstractButton>(form, "CancelBtn")->click();
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QCOMPARE(valuesOf(*image), before);
    QCOMPARE(image->revision(), revision);

    TZR_WordArt art;
    const QVariantList artBefore = valuesOf(art);
    TWordArtForm artForm(mCaptions, art);
    artForm.show();
    QTest::keyClicks(child<QLineEdit>(artForm, "Edt_WordArt"), u"more"_s);
    child<QRadioButton>(artForm, "rdoOneColor")->click();
    child<QAbstractButton>(artForm, "CancelBtn")->click();
    QCOMPARE(valuesOf(art), artBefore);
}

// The three dialogs as pictures, into $QUILL_SCREENSHOT_DIR when set (for the guide).
void TestObjectFormsGraphics::screenshots()
{
    const QString folder = qEnvironmentVariable("QUILL_SCREENSHOT_DIR");
    if (folder.isEmpty())
        QSKIP("QUILL_SCREENSHOT_DIR not set");
    TZR_Gradient gradient;
    gradient.setLayOutStyle(lsGradient);
    gradient.setGradientStartColor(0x00FF0000);
    gradient.setGradientEndColor(0x00FFFFFF);
    TZR_GradientFrm gradientForm(mCaptions, gradient);
    gradientForm.show();
    QVERIFY(gradientForm.grab().save(folder + u"/gradient-dialog.png"_s));

    TZR_WordArt art;
    art.setBounds(QRect(0, 0, 200, 60));
    TWordArtForm artForm(mCaptions, art);
    artForm.show();
    QVERIFY(artForm.grab().save(folder + u"/wordart-dialog.png"_s));

    QImage picture(160, 100, QImage::Format_RGB888);
    picture.fill(QColor(70, 130, 180));
    QPainter(&picture).fillRect(20, 20, 60, 40, QColor(250, 200, 40));
    const auto image = imageObject(QRect(0, 0, 160, 100), bitmap(picture));
    TImageFrm imageForm(mCaptions, *image);
    imageForm.show();
    child<QScrollBar>(imageForm, "scb_Lightness")->setValue(20);
    QVERIFY(imageForm.grab().save(folder + u"/image-dialog.png"_s));
}

QTEST_MAIN(TestObjectFormsGraphics)
#include "tst_objectforms_graphics.moc"
