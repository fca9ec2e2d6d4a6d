#include "BarcodeDataRules.h"

#include "BarcodeErrors.h"
#include "BarcodeSymbologies.h"

#include <iterator>

namespace quill {

namespace {

// By CodeType index, in the order of linearSymbologies() (append a rule with every new entry).
const char16_t *const kLinearRules[] = {
    u"숫자 12자리 (검사 숫자까지 13자리)", // EAN-13
    u"숫자 7자리 (검사 숫자까지 8자리)", // EAN-8
    u"ISBN 숫자 10자리 또는 978, 979로 시작하는 13자리 (검사 숫자 포함)", // ISBN
    u"숫자와 '-'", // Code 11
    u"숫자 (80자리 이하)", // Standard 2 of 5
    u"숫자 (45자리 이하)", // Industrial 2 of 5
    u"숫자 (45자리 이하)", // IATA 2 of 5
    u"숫자 (80자리 이하)", // Data Logic 2 of 5
    u"영문 대문자, 숫자, 공백과 - . $ / + % (85자 이하)", // Code 39
    u"영문, 숫자와 기호 (라틴 문자)", // Code 128
    u"GS1 응용 식별자 형식, 예) (01)09501101530003", // EAN-128
    u"영문, 숫자와 기호 (ASCII, 85자 이하)", // Code 39 Full ASCII
    u"숫자 (90자리 이하)", // Interleaved 2 of 5
    u"숫자 13자리 (검사 숫자까지 14자리)", // ITF-14
    u"영문, 숫자와 기호 (ASCII, 107자 이하)", // Code 93
    u"영문 대문자, 숫자, 공백과 - . $ / + % (30자 이하)", // LOGMARS
    u"숫자와 - $ : / . +, 앞뒤에 시작/끝 문자 A, B, C, D (예: A123456B)", // Codabar
    u"숫자 (65자리 이하)", // MSI Plessey
    u"숫자와 영문 A~F (65자 이하)", // UK Plessey
    u"숫자 11자리 (검사 숫자까지 12자리)", // UPC-A
    u"영문, 숫자와 기호 (ASCII, 30자 이하)", // Telepen
    u"숫자와 X (60자리 이하)", // Telepen Numeric
    u"숫자 8자리 이하", // Code 32
    u"숫자 6자리 (앞의 0까지 7자리, 검사 숫자까지 8자리)", // UPC-E
    u"숫자 7자리 이하", // PZN
    u"3부터 131070까지의 수", // Pharmacode
    u"4부터 64570080까지의 수", // Pharmacode Two-Track
    u"숫자 13자리", // EAN-14
    u"숫자 5자리", // Postnet ZIP
    u"숫자 9자리 (예: 12345-6789)", // Postnet ZIP+4
    u"숫자 11자리", // Postnet 11 digits
    u"숫자 11자리 또는 13자리", // PLANET
    u"숫자 20자리의 추적 번호와 '-' 뒤의 우편번호 5, 9 또는 11자리", // USPS Intelligent Mail
    u"숫자 17자리 (검사 숫자까지 18자리)", // SSCC-18
    u"숫자 13자리 이하", // GS1 DataBar Omnidirectional
    u"0 또는 1로 시작하는 숫자 13자리 이하", // GS1 DataBar Limited
    u"GS1 응용 식별자 형식, 예) (01)09501101530003", // GS1 DataBar Expanded
    u"숫자 13자리 이하", // Deutsche Post Leitcode
    u"숫자 11자리 이하", // Deutsche Post Identcode
    u"영문 대문자와 숫자 (50자 이하)", // RM4SCC
    u"영문 대문자와 숫자 (18자 이하)", // KIX
    u"숫자 8자리 (고객 정보까지 13, 16, 18 또는 23자리)", // Australia Post Standard
    u"숫자 8자리", // Australia Post Reply Paid
    u"숫자 8자리", // Australia Post Routing
    u"숫자 8자리", // Australia Post Redirection
    u"영문 대문자, 숫자와 '-' (20자 이하)", // Japan Post
    u"영문 대문자, 숫자, 공백과 - . $ / + %", // HIBC Code 128
    u"영문 대문자, 숫자, 공백과 - . $ / + %", // HIBC Code 39
    u"D, A, F, T 글자", // DAFT
    u"숫자 (90자리 이하)", // Flattermarken
    u"숫자 7자리 이하", // Channel Code
    u"숫자 6자리 (예: 123-456)", // Korea Post
    u"영문 대문자와 숫자 17자 (I, O, Q 제외)", // VIN
    u"영문 대문자와 숫자 28자", // DPD
    u"영문 대문자(O 제외)와 숫자 7~18자", // BC412
    u"숫자 8자리", // Brazilian CEPNet
    u"Mailmark 형식의 영문 대문자, 숫자와 공백 22~26자", // Royal Mail Mailmark
    u"영문, 숫자와 기호 (ASCII, 60자 이하)", // Code 128 (Subset B)
};

// By index of matrixSymbologies().
const char16_t *const kMatrixRules[] = {
    u"한글을 포함한 모든 문자", // QR Code
    u"한글을 포함한 모든 문자 (크기를 고르면 그 크기에 들어가는 만큼)", // Data Matrix
    u"한글을 포함한 모든 문자", // PDF417
    u"한글을 포함한 모든 문자 (짧은 값)", // MicroPDF417
    u"한글을 포함한 모든 문자", // Aztec
    u"영문, 숫자와 기호 (93자 이하)", // MaxiCode
    u"짧은 값 (숫자 35자리, 영문 대문자 21자 이하)", // Micro QR
    u"한글과 한자를 포함한 모든 문자", // Han Xin
    u"한글을 포함한 모든 문자", // DotCode
    u"한글과 한자를 포함한 모든 문자", // Grid Matrix
    u"한글을 포함한 모든 문자 (짧은 값)", // rMQR
    u"한글을 포함한 모든 문자 (버전을 고르면 그 크기에 들어가는 만큼)", // Code One
    u"한글을 포함한 모든 문자", // Ultracode
    u"영문, 숫자와 기호 (라틴 문자)", // Codablock-F
    u"영문, 숫자와 기호 (라틴 문자)", // Code 16K
    u"영문, 숫자와 기호 (ASCII)", // Code 49
    u"0부터 255까지의 수", // Aztec Runes
    u"숫자 13자리 이하", // GS1 DataBar Stacked
    u"숫자 13자리 이하", // GS1 DataBar Stacked Omni
    u"GS1 응용 식별자 형식, 예) (01)09501101530003", // GS1 DataBar Expanded Stacked
};

// Every list entry has its rule (the symbology tests check that the lengths agree).
template<std::size_t N> QString ruleAt(const char16_t *const (&rules)[N], int index)
{
    if (index < 0 || index >= int(N))
        return {};
    return QString::fromUtf16(rules[index]);
}

bool isDataError(int errorCode)
{
    return errorCode == BarcodeError::TooLong || errorCode == BarcodeError::InvalidData
        || errorCode == BarcodeError::InvalidCheck || errorCode == BarcodeError::EncodingProblem;
}

QString statusMessage(const QString &name, const QString &rule, const QString &data, int errorCode)
{
    if (errorCode == BarcodeError::None)
        return barcodeErrorMessage(errorCode);
    if (data.isEmpty())
        return QStringLiteral("바코드 값을 입력하십시오.");
    QString message = barcodeErrorMessage(errorCode);
    if (isDataError(errorCode) && !rule.isEmpty())
        message += QLatin1Char(' ') + name + QStringLiteral(": ") + rule;
    return message;
}

} // namespace

QString linearDataRule(int codeType)
{
    return ruleAt(kLinearRules, codeType);
}

QString matrixDataRule(int codeType)
{
    return ruleAt(kMatrixRules, codeType);
}

QString linearStatusMessage(int codeType, const QString &data, int errorCode)
{
    const LinearSymbology *sym = linearSymbology(codeType);
    return statusMessage(sym ? sym->name : QString(), linearDataRule(codeType), data, errorCode);
}

QString matrixStatusMessage(int codeType, const QString &data, int errorCode)
{
    const MatrixSymbology *sym = matrixSymbology(codeType);
    QString message
        = statusMessage(sym ? sym->name : QString(), matrixDataRule(codeType), data, errorCode);
    // Most two-dimensional failures are data too long for the chosen size or correction level.
    if (errorCode == BarcodeError::TooLong && sym && sym->modes.size() > 1)
        message += QStringLiteral(" 더 큰 크기나 낮은 오류 정정 수준의 모드를 고르십시오.");
    return message;
}

} // namespace quill
