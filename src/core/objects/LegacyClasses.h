// The object classes of older single-label documents, read only by the legacy import.
#pragma once

#include "document/PersistentObject.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace quill {

// The code written before each record of an older document.
enum class LegacyCode : qint32 {
    Image = 1, // TImage, picture control
    VantorShape = 2, // TvantorShape, older shape
    Memo = 3, // TMemo, multi-line text
    BarCode = 4, // TBarCode, older barcode
    DBLabel = 5, // TDBLabel, data-bound text
    SerialNumber = 6, // TSerialNumber, read and dropped
    DateTimeLabel = 7, // TDateTimeLabel, read and dropped
    Arrow = 9, // TArrow, read and dropped
    GuideLabel = 10, // TGuideLabel, read and dropped
    WorkLabel = 11, // TWorkLabel, older sheet
};

// The code a stream value stands for; nothing for any other value (which ends the import).
std::optional<LegacyCode> legacyCodeFromValue(qint32 value);
QString legacyClassName(LegacyCode code);

namespace names {
const QStringList &legacyBarCodeType(); // Interleaved2Of5 .. CodaBar (TBarCodeType)
const QStringList &legacyShapeType(); // mstLine .. mstLove (TMultiShapeType)
} // namespace names

// The legacy tables hold the properties the import uses (and the usual standard ones of each
// class). They accept records with more: an entry naming a property the table lacks, or holding
// a value its property cannot take, is skipped (ClassInfo::acceptsUnknown). Records are read
// with applyRecord() into an object from createLegacyObject(), so the recorded class name is
// not checked. Changing a Font.* value clears ParentFont, as in the toolkit, so after reading,
// ParentFont False tells that the record carried a font of its own.
const ClassInfo &legacyClassInfo(LegacyCode code);
std::unique_ptr<PersistentObject> createLegacyObject(LegacyCode code);

// A registry of the legacy classes only, apart from the one current documents are read with,
// so that a current document can never create them.
ClassRegistry &legacyClassRegistry();
// Adds every legacy class to legacyClassRegistry(). Safe to call more than once.
void registerLegacyClasses();

} // namespace quill
