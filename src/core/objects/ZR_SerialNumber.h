// The serial number: a field label whose text is a counter between a prefix and a suffix.
#pragma once

#include "ZR_GuideLabel.h"

namespace quill {

// Persisted data of a serial number and its counting. StartNum is the current number, which
// printing advances; ImsiSerialNum the first number of the range, EndNum the last, IncNum the
// step. The counting direction is not persisted: it starts rising (also after loading) and is
// set by the serial number dialog; loading derives it from StartNum and EndNum.
class TZR_SerialNumber : public TZR_GuideLabel {
public:
    static const ClassInfo &classInfo();

    // A new serial number: Gulim 10 pt, numbers 1 to 1 step 1, caption "Null", rising.
    TZR_SerialNumber();

    ObjectTypeCode typeCode() const override { return ObjectTypeCode::SerialNumber; }
    std::unique_ptr<LabelObject> clone() const override;

    QString prefix() const { return textValue(QStringLiteral("Prefix")); }
    void setPrefix(const QString &v) { setValue(QStringLiteral("Prefix"), v); }
    QString postfix() const { return textValue(QStringLiteral("Postfix")); }
    void setPostfix(const QString &v) { setValue(QStringLiteral("Postfix"), v); }
    qint32 startNum() const { return qint32(intValue(QStringLiteral("StartNum"))); }
    void setStartNum(qint32 v) { setValue(QStringLiteral("StartNum"), v); }
    qint32 imsiSerialNum() const { return qint32(intValue(QStringLiteral("ImsiSerialNum"))); }
    void setImsiSerialNum(qint32 v) { setValue(QStringLiteral("ImsiSerialNum"), v); }
    qint32 endNum() const { return qint32(intValue(QStringLiteral("EndNum"))); }
    void setEndNum(qint32 v) { setValue(QStringLiteral("EndNum"), v); }
    qint32 incNum() const { return qint32(intValue(QStringLiteral("IncNum"))); }
    void setIncNum(qint32 v) { setValue(QStringLiteral("IncNum"), v); }

    // True while counting upwards.
    bool rising() const { return mRising; }
    void setRising(bool up) { mRising = up; }

    // Prefix + decimal StartNum + Postfix.
    QString displayText() const;
    QString labelText() const override { return displayText(); }

    // Moves StartNum one step after a printed label. True while the range continues; False when
    // the next step would leave the range (StartNum unchanged), or when StartNum has reached
    // EndNum, the range runs against the direction or the step does not lead towards EndNum
    // (StartNum back to ImsiSerialNum).
    bool advance();

    // True when counting from StartNum by IncNum in the counting direction moves towards
    // EndNum, or StartNum is EndNum: a run then ends by itself at the end of the range. False
    // for a step of 0, a step pointing away from EndNum, or a direction against the range;
    // printing refuses such a range instead of printing one number and stopping.
    bool canReachEnd() const;

    // Counts downwards when the loaded StartNum lies above EndNum.
    void loaded() override;

private:
    TZR_SerialNumber(const TZR_SerialNumber &) = default;

    bool mRising = true;
};

} // namespace quill
