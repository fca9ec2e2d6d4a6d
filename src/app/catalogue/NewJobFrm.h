// The new label job dialog: choose a label paper product from the catalogue.
#pragma once

#include "NewJobServices.h"
#include "catalogue/PaperCatalogue.h"
#include "catalogue/ProductListModel.h"
#include "document/ZR_LabelSize.h"

#include <QDialog>

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;

namespace quill {

class CaptionFile;
class ProductSearchGroup;
class SheetPreviewBox;

// Controls carry the names the tests look them up by (PaperTypeBox, LabelTypeBox,
// SearchKeyword, SearchBtn, ProductList, LabelImage, LabelNum, okbtn, cancelbtn, helpbtn,
// userbtn). OK is enabled only while a product is chosen.
//
// Use: construct, exec(), and after Accepted take labelSize() as the new document's sheet
// (the caller loads its inner cut outline with loadInnerCutOutline). The dialog never changes
// the current document.
class TNewJobFrm : public QDialog {
    Q_OBJECT
public:
    // catalogue: the program's catalogue; products the user adds here are appended to it and
    // written to userCataloguePath. helpFolder: the folder the caption file's help path is
    // relative to. All must outlive the dialog; services are copied.
    TNewJobFrm(PaperCatalogue &catalogue, const CaptionFile &captions,
               const QString &userCataloguePath, const QString &helpFolder,
               const NewJobServices &services = NewJobServices::system(),
               QWidget *parent = nullptr);
    ~TNewJobFrm() override;

    // The sheet of the chosen product, with red and blue of the catalogue colour turned into
    // the sheet's order; nothing while no product is chosen.
    std::optional<TZR_LabelSize> labelSize() const;
    // The chosen product's catalogue index and record.
    int chosenIndex() const { return mLoadedIndex; }
    std::optional<CatalogueRecord> chosenRecord() const;

    // Selects a product by code when it is listed under the current choice; true when it is.
    bool selectCode(const QString &code);
    // Shows a product by code on its own paper kind and family and chooses it (for changing
    // the label paper of an open document); false when the catalogue has no such product.
    bool chooseProduct(const QString &code);
    ProductListModel &products() { return mModel; }

    // Handlers of the controls, public for the tests' sake.
    void PaperTypeBoxChange();
    void LabelTypeBoxClick();
    void SearchBtnClick();
    void helpbtnClick();
    void userbtnClick();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    enum class Mode { Family, LabelCount, Search };

    void createControls();
    void layOut();
    void connectControls();
    void fillPaperKinds(const QString &wanted);
    void fillFamilies();
    void runQuery(Mode mode);
    ProductQuery currentQuery() const;
    void selectFirstRow();
    void ProductListClick();
    void loadProduct(int catalogueIndex);
    void showNoProduct(const QString &why);
    void showChosenProduct(const QString &family, const QString &paper, int catalogueIndex);
    QString currentPaper() const;
    QString currentFamily() const;
    bool keyInSearchKeyword(QKeyEvent *key);

    PaperCatalogue &mCatalogue;
    const CaptionFile &mCaptions;
    QString mUserCataloguePath;
    QString mHelpFolder;
    NewJobServices mServices;
    ProductListModel mModel;
    Mode mMode = Mode::Family;
    std::optional<int> mCount; // the last count searched for
    int mLoadedIndex = -1;
    std::optional<TZR_LabelSize> mSheet;

    QComboBox *mPaperTypeBox = nullptr;
    QListWidget *mLabelTypeBox = nullptr;
    QLineEdit *mSearchKeyword = nullptr;
    QPushButton *mSearchBtn = nullptr;
    ProductSearchGroup *mSearchGroup = nullptr;
    SheetPreviewBox *mPreview = nullptr;
    QLabel *mProblem = nullptr;
    QTableView *mProductList = nullptr;
    QPushButton *mOkBtn = nullptr;
    QPushButton *mCancelBtn = nullptr;
    QPushButton *mHelpBtn = nullptr;
    QPushButton *mUserBtn = nullptr;
};

} // namespace quill
