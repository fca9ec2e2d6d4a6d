// What data each symbology takes, told in Korean, and the status text of the barcode dialogs.
#pragma once

#include <QString>

namespace quill {

// The data a one-dimensional symbology (CodeType index) accepts, for example "숫자 12자리
// (검사 숫자까지 13자리)" for EAN-13. Empty for an index past the end of the list.
QString linearDataRule(int codeType);
// The same for a two-dimensional symbology.
QString matrixDataRule(int codeType);

// The text of the dialogs' status box for a control's error code: "정상" for 0; "바코드 값을
// 입력하십시오." for empty data; otherwise the control's message, followed for data errors by
// the symbology's name and rule ("바코드 값의 길이가 맞지 않습니다. EAN-13: 숫자 12자리 ...").
// libzint's English explanation is left out: the status box speaks Korean only.
QString linearStatusMessage(int codeType, const QString &data, int errorCode);
QString matrixStatusMessage(int codeType, const QString &data, int errorCode);

} // namespace quill
