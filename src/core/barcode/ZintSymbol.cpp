#include "ZintSymbol.h"

#include "BarcodeErrors.h"

#include <zint.h>

namespace quill {

ZintSymbol::ZintSymbol() : mSymbol(ZBarcode_Create()) { }

ZintSymbol::~ZintSymbol()
{
    if (mSymbol)
        ZBarcode_Delete(mSymbol);
}

int ZintSymbol::encode(const ZintRequest &request, QString *detail)
{
    if (!mSymbol)
        return BarcodeError::Memory;
    // Every encoding starts from libzint's defaults: a used symbol is replaced by a new one.
    if (mUsed) {
        ZBarcode_Delete(mSymbol);
        mSymbol = ZBarcode_Create();
        if (!mSymbol)
            return BarcodeError::Memory;
    }
    mUsed = true;
    mSymbol->symbology = request.symbology;
    if (request.option1 != -1)
        mSymbol->option_1 = request.option1;
    if (request.option2 != -1)
        mSymbol->option_2 = request.option2;
    if (request.option3 != -1)
        mSymbol->option_3 = request.option3;
    mSymbol->input_mode = request.inputMode;
    mSymbol->eci = request.eci;
    mSymbol->output_options = request.outputOptions;
    mSymbol->show_hrt = request.showText ? 1 : 0;
    if (request.data.isEmpty()) {
        if (detail)
            *detail = QStringLiteral("No input data");
        return BarcodeError::InvalidData;
    }
    const int code = ZBarcode_Encode_and_Buffer_Vector(
        mSymbol, reinterpret_cast<const unsigned char *>(request.data.constData()),
        int(request.data.size()), 0);
    if (code < ZINT_ERROR && mSymbol->vector)
        return BarcodeError::None;
    if (detail)
        *detail = QString::fromUtf8(mSymbol->errtxt);
    return code < ZINT_ERROR ? int(BarcodeError::EncodingProblem) : code;
}

} // namespace quill
