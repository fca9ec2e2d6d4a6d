// The table properties dialog: the numbers of columns and rows.
#pragma once

#include <QDialog>

#include <memory>

class QSpinBox;

namespace quill {

class CaptionFile;
class LabelObject;
class TZR_ShapeTable;

// "표 등록정보": one page "표" with Spe_columns and Spe_rows, each 1 to 99, starting at the
// table's Columns and Rows. OK gives a copy the new columns, then the new rows: growing divides
// the last column (row), shrinking removes the last ones and cuts merged cells back. Captions
// from the caption file's [ZRShapeTableForm] when present.
class TZRShapeTableForm : public QDialog {
    Q_OBJECT
public:
    TZRShapeTableForm(
        const CaptionFile &captions, const TZR_ShapeTable &original, QWidget *parent = nullptr);
    ~TZRShapeTableForm() override;

    // After exec() == Accepted: the edited copy. Null otherwise or when taken.
    std::unique_ptr<TZR_ShapeTable> takeResult();

    void accept() override;

private:
    QString text(const char *key, const QString &fallback) const;

    const CaptionFile &mCaptions;
    std::unique_ptr<LabelObject> mCopy;
    QSpinBox *mColumns = nullptr;
    QSpinBox *mRows = nullptr;
};

} // namespace quill
