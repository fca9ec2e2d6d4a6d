// The honorific dialog: a field of the data list being sent and the honorific its labels get.
#pragma once

#include "objects/ZR_ADDHono.h"

#include <QDialog>
#include <QStringList>

#include <memory>

class QComboBox;
class QLineEdit;

namespace quill {

class CaptionFile;
class LabelObject;
class TZR_GuideLabel;

// "존칭추가": a drop-down list of fields (Cbo_FieldLists, the first selected) and the honorific
// (Edt_ADDHono). "추가" refuses a missing field or an empty honorific with a message and stays
// open; otherwise it closes with OK. Captions from the caption file's [ADDHonoForm] when
// present.
class TADDHonoForm : public QDialog {
    Q_OBJECT
public:
    // For a data list send: the fields being sent; honorific() is the chosen pair.
    TADDHonoForm(const CaptionFile &captions, const QStringList &fields, QWidget *parent = nullptr);
    // For one field label: its field alone is offered and the box starts at its honorific; the
    // label is copied and takeResult() gives the copy with the new honorific. A label without a
    // field cannot be given one.
    TADDHonoForm(
        const CaptionFile &captions, const TZR_GuideLabel &original, QWidget *parent = nullptr);
    ~TADDHonoForm() override;

    // The field chosen and the honorific typed (after exec() == Accepted: the accepted pair).
    TZR_ADDHono honorific() const;
    // After exec() == Accepted on a label: the edited copy. Null otherwise or when taken.
    std::unique_ptr<TZR_GuideLabel> takeResult();

    void accept() override;

private:
    void build(const QStringList &fields);
    QString text(const char *key, const QString &fallback) const;

    const CaptionFile &mCaptions;
    std::unique_ptr<LabelObject> mCopy;
    QComboBox *mFields = nullptr;
    QLineEdit *mHono = nullptr;
};

} // namespace quill
