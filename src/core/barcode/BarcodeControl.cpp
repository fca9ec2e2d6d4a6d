#include "BarcodeControl.h"

#include "BarcodeErrors.h"
#include "BarcodeSymbologies.h"
#include "LinearLayout.h"
#include "ZintSymbol.h"

#include "document/Rounding.h"

#include <zint.h>

namespace quill {

namespace {

// The data as libzint gets them, or an error code when the symbology's fixed lengths of
// digits rule them out before encoding (EAN-13 with 7 digits would silently become EAN-8).
int prepareData(const LinearSymbology &sym, const QString &caption, QString *data,
                QString *detail)
{
    *data = caption;
    if (sym.stripHyphens)
        data->remove(QLatin1Char('-')).remove(QLatin1Char(' '));
    if (sym.lengths.isEmpty() || data->isEmpty())
        return BarcodeError::None;
    for (const QChar c : std::as_const(*data)) {
        if (!c.isDigit() || c.unicode() > 0x7f) {
            *detail = QStringLiteral("Invalid character in data (digits only)");
            return BarcodeError::InvalidData;
        }
    }
    if (!sym.lengths.contains(int(data->size()))) {
        QStringList allowed;
        for (int n : sym.lengths)
            allowed.append(QString::number(n));
        *detail = QStringLiteral("Input must be %1 digits").arg(allowed.join(QLatin1Char('/')));
        return BarcodeError::TooLong;
    }
    return BarcodeError::None;
}

ZintRequest linearRequest(const LinearSymbology &sym, const BarcodeSettings &s, const QString &data)
{
    ZintRequest r;
    r.symbology = sym.zintId;
    if (sym.parityOption >= 0)
        r.option2 = s.autoParity ? sym.parityOption : sym.noParityOption;
    if (sym.gs1) {
        r.inputMode = GS1_MODE;
        if (data.startsWith(QLatin1Char('(')))
            r.inputMode |= GS1PARENS_MODE;
    } else {
        r.inputMode = UNICODE_MODE;
    }
    r.outputOptions = s.showLightMargins ? BARCODE_QUIET_ZONES : BARCODE_NO_QUIET_ZONES;
    r.showText = s.showText;
    r.data = data.toUtf8();
    return r;
}

} // namespace

QString BarcodeControl::codeTypeName(int index)
{
    const LinearSymbology *sym = linearSymbology(index);
    return sym ? sym->name : QString();
}

QString BarcodeControl::errorMessage(int code)
{
    return barcodeErrorMessage(code);
}

int BarcodeControl::render(const BarcodeSettings &settings)
{
    mPicture = BarcodePicture(QSizeF(settings.imageWidth, settings.imageHeight));
    mPicture.setQuarterTurns(orientationQuarterTurns(settings.orientation));
    QString detail;
    const LinearSymbology *sym = linearSymbology(settings.codeType);
    if (!sym) {
        mErrorCode = BarcodeError::InvalidOption;
        mErrorText = barcodeErrorText(mErrorCode, QStringLiteral("Unknown barcode type"));
        return mErrorCode;
    }
    QString data;
    mErrorCode = prepareData(*sym, settings.caption, &data, &detail);
    if (mErrorCode == BarcodeError::None) {
        ZintSymbol symbol;
        mErrorCode = symbol.encode(linearRequest(*sym, settings, data), &detail);
        if (mErrorCode == BarcodeError::None) {
            const bool checkPresent =
                sym->fixedCheck || (sym->parityOption >= 0 && settings.autoParity);
            layoutLinear(*symbol.get()->vector, settings, *sym, checkPresent, mPicture);
        }
    }
    mErrorText = barcodeErrorText(mErrorCode, detail);
    return mErrorCode;
}

int orientationQuarterTurns(int orientation)
{
    if (orientation >= 90)
        return (orientation / 90) % 4;
    return orientation % 4;
}

double pixelsToImageMillimetres(int pixels, int ppi)
{
    if (ppi <= 0)
        return 0;
    return roundHalfEvenF(pixels * 25.4 / ppi * 100) / 100;
}

} // namespace quill
