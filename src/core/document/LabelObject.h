// The common base of every label object placed in a cell.
#pragma once

#include "ObjectTypeCode.h"
#include "PersistentObject.h"

#include <QRect>

#include <memory>

namespace quill {

// A label object is data held in its class's property table (className() is the table's class
// name, "TZR_TextEdit"). Its bounds are the Left, Top, Width and Height properties: whole
// pixels at 100 % zoom (96 per inch) relative to its cell's top-left corner; the editor maps
// them to the screen and never rewrites them by zooming. Every label class's table starts with
// those four properties (addBounds). Subclasses add their properties and painting.
class LabelObject : public PersistentObject {
public:
    // The code written before the object's record.
    virtual ObjectTypeCode typeCode() const = 0;
    // A deep copy of the same class (snapshots, clipboard, "apply to all").
    virtual std::unique_ptr<LabelObject> clone() const = 0;
    std::unique_ptr<PersistentObject> clonePersistent() const override { return clone(); }

    QRect bounds() const;
    void setBounds(const QRect &bounds);

protected:
    explicit LabelObject(const ClassInfo &info) : PersistentObject(info) {}
    LabelObject(const LabelObject &) = default;

    // Changing any Font.* property clears ParentFont, as the toolkit's font does.
    void valueChanged(int index) override;
};

} // namespace quill
