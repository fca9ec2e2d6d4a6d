// The arc-text label class: registered so that records naming it can be read; nothing creates it.
#pragma once

#include "document/PersistentObject.h"

namespace quill {

// It has no object type code, so a cell never holds one and it is not a LabelObject. Its table
// holds the control head, the usual standard control settings, Caption, Color, Font and the
// Parent* switches; entries beyond them are skipped when read, since no record of it is known.
class TZR_VantorLabel : public PersistentObject {
public:
    TZR_VantorLabel();

    static const ClassInfo &classInfo();

    std::unique_ptr<PersistentObject> clonePersistent() const override;

    QString caption() const;
    void setCaption(const QString &text);

protected:
    TZR_VantorLabel(const TZR_VantorLabel &) = default;
    // Changing any Font.* property clears ParentFont and changing Color clears ParentColor,
    // as the toolkit's control does.
    void valueChanged(int index) override;
};

} // namespace quill
