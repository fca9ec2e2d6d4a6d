#include "BarcodeSymbologies.h"

#include <zint.h>

namespace quill {

namespace {

using Text = LinearSymbology::Text;

LinearSymbology plain(const char16_t *name, int id)
{
    LinearSymbology s;
    s.name = QString::fromUtf16(name);
    s.zintId = id;
    return s;
}

// A symbology whose check digit AutoParity switches (option_2 on, off).
LinearSymbology optionalCheck(const char16_t *name, int id, int on, int off, int shown)
{
    LinearSymbology s = plain(name, id);
    s.parityOption = on;
    s.noParityOption = off;
    s.checkChars = shown;
    return s;
}

// EAN and UPC: the check digit is always there and always the last digit of the text.
LinearSymbology eanUpc(const char16_t *name, int id, QList<int> lengths)
{
    LinearSymbology s = plain(name, id);
    s.fixedCheck = true;
    s.checkChars = 1;
    s.guardBars = true;
    s.lengths = std::move(lengths);
    return s;
}

// A fixed number of digits with a check digit always added (shown: characters of it in the text).
LinearSymbology fixedLength(const char16_t *name, int id, QList<int> lengths, int shown = 1)
{
    LinearSymbology s = plain(name, id);
    s.fixedCheck = true;
    s.checkChars = shown;
    s.lengths = std::move(lengths);
    return s;
}

// Postal codes are often written with hyphens ("123-456", "12345-6789"): they are dropped.
LinearSymbology postal(const char16_t *name, int id, QList<int> lengths, int shown)
{
    LinearSymbology s = fixedLength(name, id, std::move(lengths), shown);
    s.stripHyphens = true;
    return s;
}

LinearSymbology withText(LinearSymbology s, Text text)
{
    s.text = text;
    return s;
}

LinearSymbology gs1(const char16_t *name, int id)
{
    LinearSymbology s = plain(name, id);
    s.gs1 = true;
    return s;
}

QList<LinearSymbology> buildLinear()
{
    // The index is the position in this list and is stored in documents: append only.
    return {
        eanUpc(u"EAN-13", BARCODE_EANX, {12, 13}),                                   // 0
        eanUpc(u"EAN-8", BARCODE_EANX, {7, 8}),                                      // 1
        eanUpc(u"ISBN", BARCODE_ISBNX, {}),                                          // 2
        optionalCheck(u"Code 11", BARCODE_CODE11, 0, 2, 2),                         // 3
        optionalCheck(u"Standard 2 of 5", BARCODE_C25STANDARD, 1, 0, 1),             // 4
        optionalCheck(u"Industrial 2 of 5", BARCODE_C25IND, 1, 0, 1),                // 5
        optionalCheck(u"IATA 2 of 5", BARCODE_C25IATA, 1, 0, 1),                     // 6
        optionalCheck(u"Data Logic 2 of 5", BARCODE_C25LOGIC, 1, 0, 1),              // 7
        withText(optionalCheck(u"Code 39", BARCODE_CODE39, 1, 0, 1),
                 Text::StartStopStars),                                              // 8
        plain(u"Code 128", BARCODE_CODE128),                                         // 9
        gs1(u"EAN-128 (GS1-128)", BARCODE_GS1_128),                                  // 10
        withText(optionalCheck(u"Code 39 Full ASCII", BARCODE_EXCODE39, 1, 0, 1),
                 Text::StartStopStars),                                              // 11
        optionalCheck(u"Interleaved 2 of 5", BARCODE_C25INTER, 1, 0, 1),             // 12
        fixedLength(u"ITF-14", BARCODE_ITF14, {13, 14}),                             // 13
        plain(u"Code 93", BARCODE_CODE93),                                           // 14
        optionalCheck(u"LOGMARS", BARCODE_LOGMARS, 1, 0, 1),                          // 15
        withText(optionalCheck(u"Codabar", BARCODE_CODABAR, 1, 0, 0),
                 Text::CodabarStartStop),                                            // 16
        optionalCheck(u"MSI Plessey", BARCODE_MSI_PLESSEY, 1, 0, 1),                 // 17
        plain(u"UK Plessey", BARCODE_PLESSEY),                                       // 18
        eanUpc(u"UPC-A", BARCODE_UPCA, {11, 12}),                                    // 19
        plain(u"Telepen", BARCODE_TELEPEN),                                          // 20
        plain(u"Telepen Numeric", BARCODE_TELEPEN_NUM),                              // 21
        plain(u"Code 32", BARCODE_CODE32),                                           // 22
        eanUpc(u"UPC-E", BARCODE_UPCE, {6, 7, 8}),                                   // 23
        plain(u"PZN", BARCODE_PZN),                                                  // 24
        plain(u"Pharmacode", BARCODE_PHARMA),                                        // 25
        plain(u"Pharmacode Two-Track", BARCODE_PHARMA_TWO),                          // 26
        fixedLength(u"EAN-14", BARCODE_EAN14, {13}),                                 // 27
        postal(u"Postnet ZIP", BARCODE_POSTNET, {5}, 0),                           // 28
        postal(u"Postnet ZIP+4", BARCODE_POSTNET, {9}, 0),                         // 29
        postal(u"Postnet 11 digits (DPBC)", BARCODE_POSTNET, {11}, 0),             // 30
        plain(u"PLANET", BARCODE_PLANET),                                            // 31
        plain(u"USPS Intelligent Mail", BARCODE_USPS_IMAIL),                         // 32
        fixedLength(u"SSCC-18", BARCODE_NVE18, {17, 18}),                            // 33
        plain(u"GS1 DataBar Omnidirectional", BARCODE_DBAR_OMN),                     // 34
        plain(u"GS1 DataBar Limited", BARCODE_DBAR_LTD),                             // 35
        gs1(u"GS1 DataBar Expanded", BARCODE_DBAR_EXP),                              // 36
        plain(u"Deutsche Post Leitcode", BARCODE_DPLEIT),                            // 37
        plain(u"Deutsche Post Identcode", BARCODE_DPIDENT),                          // 38
        plain(u"Royal Mail 4-State (RM4SCC)", BARCODE_RM4SCC),                       // 39
        plain(u"Dutch Post KIX", BARCODE_KIX),                                       // 40
        plain(u"Australia Post Standard Customer", BARCODE_AUSPOST),                 // 41
        plain(u"Australia Post Reply Paid", BARCODE_AUSREPLY),                       // 42
        plain(u"Australia Post Routing", BARCODE_AUSROUTE),                          // 43
        plain(u"Australia Post Redirection", BARCODE_AUSREDIRECT),                   // 44
        plain(u"Japan Post", BARCODE_JAPANPOST),                                     // 45
        plain(u"HIBC Code 128", BARCODE_HIBC_128),                                   // 46
        plain(u"HIBC Code 39", BARCODE_HIBC_39),                                     // 47
        plain(u"DAFT", BARCODE_DAFT),                                                // 48
        plain(u"Flattermarken", BARCODE_FLAT),                                       // 49
        plain(u"Channel Code", BARCODE_CHANNEL),                                     // 50
        postal(u"우편번호 (Korea Post)", BARCODE_KOREAPOST, {6}, 1),              // 51
        plain(u"VIN", BARCODE_VIN),                                                  // 52
        plain(u"DPD", BARCODE_DPD),                                                  // 53
        plain(u"BC412", BARCODE_BC412),                                              // 54
        plain(u"Brazilian CEPNet", BARCODE_CEPNET),                                  // 55
        plain(u"Royal Mail Mailmark", BARCODE_MAILMARK),                             // 56
        plain(u"Code 128 (Subset B)", BARCODE_CODE128B),                             // 57
    };
}

MatrixMode mode(const char16_t *name, int option1, int option2 = -1, int option3 = -1)
{
    return {QString::fromUtf16(name), option1, option2, option3};
}

QList<MatrixMode> automatic()
{
    return {mode(u"자동", -1)};
}

QList<MatrixMode> dataMatrixSizes()
{
    QList<MatrixMode> modes = automatic();
    static const char16_t *const sizes[] = {u"10x10", u"12x12", u"14x14", u"16x16", u"18x18",
                                            u"20x20", u"22x22", u"24x24", u"26x26", u"32x32"};
    int option = 1;
    for (const char16_t *size : sizes)
        modes.append(mode(size, -1, option++));
    return modes;
}

QList<MatrixMode> pdf417Levels()
{
    QList<MatrixMode> modes = automatic();
    for (int level = 0; level <= 8; ++level)
        modes.append({QStringLiteral("보안 수준 %1").arg(level), level, -1, -1});
    return modes;
}

QList<MatrixMode> numbered(const QString &format, int first, int last, bool withAuto)
{
    QList<MatrixMode> modes = withAuto ? automatic() : QList<MatrixMode>();
    for (int n = first; n <= last; ++n)
        modes.append({format.arg(n), n, -1, -1});
    return modes;
}

QList<MatrixMode> columns(int last)
{
    QList<MatrixMode> modes = automatic();
    for (int n = 1; n <= last; ++n)
        modes.append({QStringLiteral("%1열").arg(n), -1, n, -1});
    return modes;
}

QList<MatrixMode> codeOneVersions()
{
    QList<MatrixMode> modes = automatic();
    for (int n = 1; n <= 8; ++n)
        modes.append({QStringLiteral("버전 %1").arg(QChar(u'A' + n - 1)), -1, n, -1});
    return modes;
}

QList<MatrixSymbology> buildMatrix()
{
    const auto s = [](const char16_t *name, int id, QList<MatrixMode> modes) {
        return MatrixSymbology {QString::fromUtf16(name), id, std::move(modes)};
    };
    // Stored in documents by index: append only.
    return {
        s(u"QR Code", BARCODE_QRCODE,
          {mode(u"L (7%)", 1), mode(u"M (15%)", 2), mode(u"Q (25%)", 3), mode(u"H (30%)", 4)}),
        s(u"Data Matrix", BARCODE_DATAMATRIX, dataMatrixSizes()),
        s(u"PDF417", BARCODE_PDF417, pdf417Levels()),
        s(u"MicroPDF417", BARCODE_MICROPDF417, columns(4)),
        s(u"Aztec", BARCODE_AZTEC,
          {mode(u"자동", -1), mode(u"10% + 3", 1), mode(u"23% + 3", 2), mode(u"36% + 3", 3),
           mode(u"50% + 3", 4)}),
        s(u"MaxiCode", BARCODE_MAXICODE, {mode(u"모드 4", 4), mode(u"모드 5", 5), mode(u"모드 6", 6)}),
        s(u"Micro QR", BARCODE_MICROQR, {mode(u"L", 1), mode(u"M", 2), mode(u"Q", 3)}),
        s(u"Han Xin", BARCODE_HANXIN, numbered(QStringLiteral("L%1"), 1, 4, false)),
        s(u"DotCode", BARCODE_DOTCODE, automatic()),
        s(u"Grid Matrix", BARCODE_GRIDMATRIX, numbered(QStringLiteral("오류 정정 %1"), 1, 5, true)),
        s(u"rMQR", BARCODE_RMQR, {mode(u"M", 2), mode(u"H", 4)}),
        s(u"Code One", BARCODE_CODEONE, codeOneVersions()),
        s(u"Ultracode", BARCODE_ULTRA, numbered(QStringLiteral("EC%1"), 1, 6, true)),
        s(u"Codablock-F", BARCODE_CODABLOCKF, automatic()),
        s(u"Code 16K", BARCODE_CODE16K, automatic()),
        s(u"Code 49", BARCODE_CODE49, automatic()),
        s(u"Aztec Runes", BARCODE_AZRUNE, automatic()),
        s(u"GS1 DataBar Stacked", BARCODE_DBAR_STK, automatic()),
        s(u"GS1 DataBar Stacked Omnidirectional", BARCODE_DBAR_OMNSTK, automatic()),
        s(u"GS1 DataBar Expanded Stacked", BARCODE_DBAR_EXPSTK, automatic()),
    };
}

} // namespace

const QList<LinearSymbology> &linearSymbologies()
{
    static const QList<LinearSymbology> list = buildLinear();
    return list;
}

const QList<MatrixSymbology> &matrixSymbologies()
{
    static const QList<MatrixSymbology> list = buildMatrix();
    return list;
}

const LinearSymbology *linearSymbology(int index)
{
    const QList<LinearSymbology> &list = linearSymbologies();
    return (index >= 0 && index < list.size()) ? &list[index] : nullptr;
}

const MatrixSymbology *matrixSymbology(int index)
{
    const QList<MatrixSymbology> &list = matrixSymbologies();
    return (index >= 0 && index < list.size()) ? &list[index] : nullptr;
}

} // namespace quill
