// The common base of every label object placed in a cell.
#pragma once

#include "ObjectTypeCode.h"
#include "PaintContext.h"
#include "PersistentObject.h"

#include <QHash>
#include <QPicture>
#include <QRect>

#include <memory>

class QPainter;

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

    // Draws the object in its own 100 % pixels, (0, 0) at its top-left corner; see PaintContext.
    // The painter's state is restored by the caller.
    virtual void paint(QPainter &painter, const PaintContext &context) const;

    // RenderToMetafile: the object's drawing recorded into a picture whose bounding rectangle
    // is (0, 0, Width, Height) in pixels at 100 %; printing and the preview replay it scaled
    // into the object's rectangle. The picture is recorded once and reused until a value of
    // the object changes or it is asked for with another context; the reference stays valid
    // until the next call or the object's destruction.
    const QPicture &renderToMetafile(const PaintContext &context = {}) const;
    // Drops the recorded picture; for state that changes outside the property values (table
    // cells, pictures held by members). Value changes drop it by themselves.
    void invalidateMetafile() const
    {
        mMetafileValid = false;
        mRevision = nextRevision();
    }
    // A number that changes with every change of the object's drawing (its values, or state
    // announced through invalidateMetafile()), unique among all objects of the process; a copy
    // keeps the original's number until either changes. Views compare it to know what to
    // draw again.
    quint64 revision() const { return mRevision; }

protected:
    explicit LabelObject(const ClassInfo &info) : PersistentObject(info) {}
    LabelObject(const LabelObject &) = default;

    // Changing any Font.* property clears ParentFont, as the toolkit's font does. Every
    // change drops the recorded picture; subclasses call this first.
    void valueChanged(int index) override;

private:
    bool metafileMatches(const PaintContext &context) const;
    static quint64 nextRevision();

    // What the recorded picture was drawn with.
    mutable QPicture mMetafile;
    mutable bool mMetafileValid = false;
    mutable PaintContext mMetafileContext;
    mutable quint64 mRevision = nextRevision();
    mutable QHash<QString, QString> mMetafileLabelRecord;
    mutable QHash<QString, QString> mMetafileBarcodeRecord;
};

} // namespace quill
