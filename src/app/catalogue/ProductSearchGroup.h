// The new job dialog's finer search: text in code or name, cell size with a tolerance, columns
// and rows, and whether to look at every paper kind.
#pragma once

#include "catalogue/ProductIndex.h"

#include <QGroupBox>

class QCheckBox;
class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace quill {

// Every field starts empty ("전체" for the numbers); changed() is emitted on every keystroke.
class ProductSearchGroup : public QGroupBox {
    Q_OBJECT
public:
    explicit ProductSearchGroup(QWidget *parent = nullptr);

    // True when any of the text, size or grid fields holds something.
    bool isActive() const;
    // Whether the searches look at every paper kind instead of the chosen one.
    bool allPapers() const;
    // Adds the text, size and grid parts of the fields to a query.
    void applyTo(ProductQuery &query) const;
    // Empties every field (without emitting changed()).
    void clearFields();

    QLineEdit *textEdit() const { return mText; }
    QDoubleSpinBox *widthBox() const { return mWidth; }
    QDoubleSpinBox *heightBox() const { return mHeight; }
    QDoubleSpinBox *toleranceBox() const { return mTolerance; }
    QSpinBox *columnsBox() const { return mColumns; }
    QSpinBox *rowsBox() const { return mRows; }
    QCheckBox *allPapersBox() const { return mAllPapers; }

signals:
    void changed();
    void allPapersChanged();

private:
    QDoubleSpinBox *lengthBox(const QString &name, const QString &accessible);
    QSpinBox *countBox(const QString &name, const QString &accessible);

    QLineEdit *mText = nullptr;
    QDoubleSpinBox *mWidth = nullptr;
    QDoubleSpinBox *mHeight = nullptr;
    QDoubleSpinBox *mTolerance = nullptr;
    QSpinBox *mColumns = nullptr;
    QSpinBox *mRows = nullptr;
    QCheckBox *mAllPapers = nullptr;
};

} // namespace quill
