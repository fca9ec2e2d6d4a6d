#include "BarcodeErrors.h"

namespace quill {

QString barcodeErrorMessage(int code)
{
    switch (code) {
    case BarcodeError::None:
        return QStringLiteral("정상");
    case BarcodeError::TooLong:
        return QStringLiteral("바코드 값의 길이가 맞지 않습니다.");
    case BarcodeError::InvalidData:
        return QStringLiteral("바코드로 만들 수 없는 값입니다.");
    case BarcodeError::InvalidCheck:
        return QStringLiteral("검사 숫자가 맞지 않습니다.");
    case BarcodeError::InvalidOption:
        return QStringLiteral("바코드 종류나 모드가 올바르지 않습니다.");
    case BarcodeError::Memory:
        return QStringLiteral("메모리가 부족합니다.");
    default:
        return QStringLiteral("바코드를 만들 수 없습니다.");
    }
}

QString barcodeErrorText(int code, const QString &detail)
{
    const QString message = barcodeErrorMessage(code);
    if (code == BarcodeError::None || detail.isEmpty())
        return message;
    return message + QStringLiteral(" (") + detail + QLatin1Char(')');
}

} // namespace quill
