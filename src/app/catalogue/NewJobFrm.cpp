// The new label job dialog: choose a label paper product from the catalogue.
#include "NewJobFrm.h"

#include "NewModifyFrm.h"
#include "ProductSearchGroup.h"
#include "SheetPreviewBox.h"
#include "catalogue/NewJobChoices.h"
#include "document/InnerCutOutline.h"
#include "shell/CaptionFile.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QVBoxLayout>

namespace quill {

namespace {

const QString DigitsOnly = QStringLiteral("숫자만 입력 가능합니다.");
const QString EnterCount = QStringLiteral("찾고자 하는 라벨의 칸수를 입력하십시오.");
const QString UserFamily = QStringLiteral("사용자 정의");

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAccessibleName(caption);
    return b;
}

bool isEnter(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
}

} // namespace

TNewJobFrm::TNewJobFrm(PaperCatalogue &catalogue, const CaptionFile &captions,
                       const QString &userCataloguePath, const QString &helpFolder,
                       const NewJobServices &services, QWidget *parent)
    : QDialog(parent),
      mCatalogue(catalogue),
      mCaptions(captions),
      mUserCataloguePath(userCataloguePath),
      mHelpFolder(helpFolder),
      mServices(services)
{
    setObjectName(QStringLiteral("TNewJobFrm"));
    setWindowTitle(QStringLiteral("새로 만들기"));
    mModel.setCatalogue(mCatalogue);
    createControls();
    layOut();
    connectControls();
    const QStringList kinds = mCatalogue.paperKinds();
    fillPaperKinds(initialPaperKind(kinds, mCaptions));
    fillFamilies();
    {
        const QSignalBlocker blocker(mLabelTypeBox);
        mLabelTypeBox->setCurrentRow(initialFamilyRow(
            newJobFamilies(mCatalogue, mCaptions, currentPaper()), mCaptions));
    }
    runQuery(Mode::Family);
}

TNewJobFrm::~TNewJobFrm()
{
    // The controls outlive this class's members (the list model among them): nothing they
    // signal while QDialog's destructor hides and deletes them may reach this dialog.
    for (QObject *control : findChildren<QObject *>())
        control->disconnect(this);
    mProductList->setModel(nullptr);
}

void TNewJobFrm::createControls()
{
    mPaperTypeBox = new QComboBox(this);
    mPaperTypeBox->setObjectName(QStringLiteral("PaperTypeBox"));
    mPaperTypeBox->setAccessibleName(QStringLiteral("종이"));
    mLabelTypeBox = new QListWidget(this);
    mLabelTypeBox->setObjectName(QStringLiteral("LabelTypeBox"));
    mLabelTypeBox->setAccessibleName(QStringLiteral("제품분류"));
    mSearchKeyword = new QLineEdit(this);
    mSearchKeyword->setObjectName(QStringLiteral("SearchKeyword"));
    mSearchKeyword->setAccessibleName(QStringLiteral("제품칸수"));
    mSearchKeyword->setMaxLength(4);
    mSearchKeyword->installEventFilter(this);
    mSearchBtn = button(QStringLiteral("SearchBtn"), QStringLiteral("검색"), this);
    mSearchBtn->setAutoDefault(false);
    mSearchGroup = new ProductSearchGroup(this);
    mSearchGroup->textEdit()->installEventFilter(this);
    for (QAbstractSpinBox *box : mSearchGroup->findChildren<QAbstractSpinBox *>())
        box->installEventFilter(this);
    mPreview = new SheetPreviewBox(this);
    mProblem = new QLabel(this);
    mProblem->setObjectName(QStringLiteral("ProblemLabel"));
    mProblem->setWordWrap(true);
    mProblem->setStyleSheet(QStringLiteral("color: #b00000"));
    mProductList = new QTableView(this);
    mProductList->setObjectName(QStringLiteral("ProductList"));
    mProductList->setAccessibleName(QStringLiteral("제품리스트"));
    mProductList->setModel(&mModel);
    mProductList->setSelectionBehavior(QAbstractItemView::SelectRows);
    mProductList->setSelectionMode(QAbstractItemView::SingleSelection);
    mProductList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    mProductList->verticalHeader()->hide();
    mProductList->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    mProductList->setSortingEnabled(true);
    const int widths[] = {90, 80, 120, 125, 90, 110, 110};
    for (int column = 0; column < ProductListModel::ColumnCount; ++column)
        mProductList->setColumnWidth(column, widths[column]);
    mOkBtn = button(QStringLiteral("okbtn"), QStringLiteral("확인"), this);
    mOkBtn->setDefault(true);
    mCancelBtn = button(QStringLiteral("cancelbtn"), QStringLiteral("취소"), this);
    mHelpBtn = button(QStringLiteral("helpbtn"), QStringLiteral("도움말"), this);
    const QString userCaption = mCaptions.read(QStringLiteral("Common"), QStringLiteral("UserBtn"),
                                               CaptionFile::Missing::Null);
    mUserBtn = button(QStringLiteral("userbtn"),
                      userCaption == CaptionFile::missingValue(CaptionFile::Missing::Null)
                          ? UserFamily : userCaption,
                      this);
    for (QPushButton *b : {mCancelBtn, mHelpBtn, mUserBtn})
        b->setAutoDefault(false);
}

void TNewJobFrm::layOut()
{
    auto *paperGroup = new QGroupBox(QStringLiteral("제품분류"), this);
    auto *paperLayout = new QVBoxLayout(paperGroup);
    paperLayout->addWidget(mPaperTypeBox);
    paperLayout->addWidget(mLabelTypeBox);
    auto *countGroup = new QGroupBox(QStringLiteral("제품칸수"), this);
    auto *countLayout = new QHBoxLayout(countGroup);
    countLayout->addWidget(mSearchKeyword);
    countLayout->addWidget(mSearchBtn);
    auto *left = new QVBoxLayout;
    left->addWidget(paperGroup, 1);
    left->addWidget(countGroup);
    left->addWidget(mSearchGroup);

    auto *previewGroup = new QGroupBox(QStringLiteral("미리보기"), this);
    auto *previewLayout = new QVBoxLayout(previewGroup);
    previewLayout->addWidget(mPreview, 0, Qt::AlignCenter);
    previewLayout->addWidget(mProblem);
    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {mOkBtn, mCancelBtn, mHelpBtn, mUserBtn})
        buttons->addWidget(b);
    buttons->addStretch();
    auto *top = new QHBoxLayout;
    top->addWidget(previewGroup);
    top->addStretch();
    top->addLayout(buttons);
    auto *listGroup = new QGroupBox(QStringLiteral("제품리스트"), this);
    auto *listLayout = new QVBoxLayout(listGroup);
    listLayout->addWidget(mProductList);
    auto *right = new QVBoxLayout;
    right->addLayout(top);
    right->addWidget(listGroup, 1);

    auto *main = new QHBoxLayout(this);
    main->addLayout(left);
    main->addLayout(right, 1);
    resize(900, 600);
}

void TNewJobFrm::connectControls()
{
    connect(mPaperTypeBox, &QComboBox::currentIndexChanged, this,
            &TNewJobFrm::PaperTypeBoxChange);
    connect(mLabelTypeBox, &QListWidget::currentRowChanged, this,
            &TNewJobFrm::LabelTypeBoxClick);
    connect(mSearchBtn, &QPushButton::clicked, this, &TNewJobFrm::SearchBtnClick);
    connect(mSearchKeyword, &QLineEdit::textEdited, this, [this](const QString &text) {
        // Pasted text: keep its digits only.
        QString digits;
        for (QChar c : text) {
            if (c >= u'0' && c <= u'9')
                digits.append(c);
        }
        if (digits != text) {
            mSearchKeyword->setText(digits);
            mServices.showMessage(this, DigitsOnly);
        }
    });
    connect(mSearchGroup, &ProductSearchGroup::changed, this, [this] {
        runQuery(mSearchGroup->isActive() ? Mode::Search : Mode::Family);
    });
    connect(mSearchGroup, &ProductSearchGroup::allPapersChanged, this, [this] {
        if (mMode != Mode::Family)
            runQuery(mMode);
    });
    connect(mProductList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TNewJobFrm::ProductListClick);
    connect(mProductList, &QTableView::doubleClicked, this, [this] {
        if (mSheet)
            accept();
    });
    connect(mOkBtn, &QPushButton::clicked, this, [this] {
        if (mSheet)
            accept();
    });
    connect(mCancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(mHelpBtn, &QPushButton::clicked, this, &TNewJobFrm::helpbtnClick);
    connect(mUserBtn, &QPushButton::clicked, this, &TNewJobFrm::userbtnClick);
}

QString TNewJobFrm::currentPaper() const
{
    return mPaperTypeBox->currentText();
}

QString TNewJobFrm::currentFamily() const
{
    const QListWidgetItem *item = mLabelTypeBox->currentItem();
    return item ? item->text() : QString();
}

void TNewJobFrm::fillPaperKinds(const QString &wanted)
{
    const QSignalBlocker blocker(mPaperTypeBox);
    mPaperTypeBox->clear();
    mPaperTypeBox->addItems(mCatalogue.paperKinds());
    mPaperTypeBox->setCurrentIndex(mPaperTypeBox->findText(wanted));
}

void TNewJobFrm::fillFamilies()
{
    const QSignalBlocker blocker(mLabelTypeBox);
    mLabelTypeBox->clear();
    mLabelTypeBox->addItems(newJobFamilies(mCatalogue, mCaptions, currentPaper()));
    mLabelTypeBox->setCurrentRow(mLabelTypeBox->count() > 0 ? 0 : -1);
}

void TNewJobFrm::PaperTypeBoxChange()
{
    fillFamilies();
    runQuery(mMode == Mode::Search ? Mode::Search : Mode::Family);
}

void TNewJobFrm::LabelTypeBoxClick()
{
    // Choosing a family asks for that family: the finer search gives way.
    mSearchGroup->clearFields();
    runQuery(Mode::Family);
}

void TNewJobFrm::SearchBtnClick()
{
    const QString text = mSearchKeyword->text().trimmed();
    if (text.isEmpty()) {
        mServices.showMessage(this, EnterCount);
        return;
    }
    mCount = parseLabelCount(text);
    if (!mCount) {
        mServices.showMessage(this, DigitsOnly);
        return;
    }
    runQuery(Mode::LabelCount);
}

ProductQuery TNewJobFrm::currentQuery() const
{
    const QString paper = mSearchGroup->allPapers() ? QString() : currentPaper();
    switch (mMode) {
    case Mode::Family:
        return ProductQuery::ofFamily(currentFamily(), currentPaper());
    case Mode::LabelCount:
        return ProductQuery::ofLabelCount(mCount.value_or(0), paper);
    case Mode::Search:
        break;
    }
    ProductQuery query;
    query.paper = paper;
    mSearchGroup->applyTo(query);
    return query;
}

void TNewJobFrm::runQuery(Mode mode)
{
    mMode = mode;
    mModel.setQuery(currentQuery());
    selectFirstRow();
}

void TNewJobFrm::selectFirstRow()
{
    // After a refill the first row is always loaded afresh.
    mLoadedIndex = -1;
    if (mModel.rowCount() == 0) {
        showNoProduct({});
        return;
    }
    mProductList->setCurrentIndex(mModel.index(0, 0));
    mProductList->scrollToTop();
    ProductListClick();
}

void TNewJobFrm::ProductListClick()
{
    const int index = mModel.catalogueIndex(mProductList->currentIndex().row());
    if (index < 0) {
        showNoProduct({});
        return;
    }
    if (index != mLoadedIndex)
        loadProduct(index);
}

void TNewJobFrm::loadProduct(int catalogueIndex)
{
    const CatalogueRecord record = mCatalogue.record(catalogueIndex);
    // Every product is read into a fresh sheet, so nothing of the previous one stays behind.
    Result<TZR_LabelSize> sheet =
        PaperCatalogue::labelSize(record, fileLabelName(mCaptions), true);
    if (!sheet) {
        showNoProduct(QStringLiteral("이 제품의 규격을 읽을 수 없습니다: %1")
                          .arg(sheet.error().message));
        mLoadedIndex = catalogueIndex;
        return;
    }
    Result<InnerCutOutline> outline = loadInnerCutOutline(mCaptions, sheet.value().labelCode());
    const QString shape = mCatalogue.text(catalogueIndex, CatalogueField::Shape);
    mPreview->showSheet(SheetPreview::of(sheet.value(), shape,
                                         outline ? outline.value() : InnerCutOutline{}));
    mProblem->clear();
    mSheet = sheet.value();
    mLoadedIndex = catalogueIndex;
    mOkBtn->setEnabled(true);
}

void TNewJobFrm::showNoProduct(const QString &why)
{
    mSheet.reset();
    mLoadedIndex = -1;
    mPreview->clear();
    mProblem->setText(why);
    mOkBtn->setEnabled(false);
}

std::optional<TZR_LabelSize> TNewJobFrm::labelSize() const
{
    return mSheet;
}

std::optional<CatalogueRecord> TNewJobFrm::chosenRecord() const
{
    if (!mSheet)
        return std::nullopt;
    return mCatalogue.record(mLoadedIndex);
}

bool TNewJobFrm::selectCode(const QString &code)
{
    const int row = mModel.rowOfCatalogueIndex(mCatalogue.indexOfCode(code));
    if (row < 0)
        return false;
    mProductList->setCurrentIndex(mModel.index(row, 0));
    mProductList->scrollTo(mModel.index(row, 0));
    return true;
}

bool TNewJobFrm::chooseProduct(const QString &code)
{
    const int index = mCatalogue.indexOfCode(code);
    if (index < 0)
        return false;
    showChosenProduct(mCatalogue.text(index, CatalogueField::Product),
                      mCatalogue.text(index, CatalogueField::Paper), index);
    return mLoadedIndex == index;
}

void TNewJobFrm::helpbtnClick()
{
    const QString relative = mCaptions.read(QStringLiteral("Help"), QStringLiteral("HelpPath"));
    const QString path = QDir::cleanPath(QDir(mHelpFolder).absoluteFilePath(relative));
    if (!QFileInfo(path).isFile()) {
        mServices.showMessage(this, QDir::toNativeSeparators(path)
                                        + QStringLiteral(" 파일을 찾을 수 없습니다."));
        return;
    }
    if (!mServices.openDocument(path))
        mServices.showMessage(this, QDir::toNativeSeparators(path)
                                        + QStringLiteral(" 파일을 열 수 없습니다."));
}

void TNewJobFrm::userbtnClick()
{
    TNewModifyFrm form(mCatalogue, mCaptions, mUserCataloguePath, mServices, this);
    form.setWindowTitle(mCaptions.read(QStringLiteral("NewModify"), QStringLiteral("Caption")));
    form.setConfirmCaption(mCaptions.read(QStringLiteral("Common"), QStringLiteral("AddBtn")));
    form.selectFamily(UserFamily);
    if (!mServices.execDialog(form) || form.addedIndex() < 0)
        return;
    // The new product is shown and chosen at once, rather than waiting for its family to be
    // listed again.
    const int index = form.addedIndex();
    mModel.setCatalogue(mCatalogue);
    showChosenProduct(mCatalogue.text(index, CatalogueField::Product),
                      mCatalogue.text(index, CatalogueField::Paper), index);
}

void TNewJobFrm::showChosenProduct(const QString &family, const QString &paper,
                                   int catalogueIndex)
{
    fillPaperKinds(paper);
    fillFamilies();
    const QList<QListWidgetItem *> items = mLabelTypeBox->findItems(family, Qt::MatchExactly);
    if (!items.isEmpty()) {
        const QSignalBlocker blocker(mLabelTypeBox);
        mLabelTypeBox->setCurrentItem(items.first());
    }
    mSearchGroup->clearFields();
    runQuery(Mode::Family);
    if (selectCode(mCatalogue.text(catalogueIndex, CatalogueField::Code)))
        return;
    // Not under its family here: find it by its code on every paper kind.
    mSearchGroup->allPapersBox()->setChecked(true);
    mSearchGroup->textEdit()->setText(mCatalogue.text(catalogueIndex, CatalogueField::Code));
    selectCode(mCatalogue.text(catalogueIndex, CatalogueField::Code));
}

bool TNewJobFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == mSearchKeyword)
        return keyInSearchKeyword(key);
    // Enter in a search field searches as typed and never confirms the dialog.
    return isEnter(key);
}

bool TNewJobFrm::keyInSearchKeyword(QKeyEvent *key)
{
    if (isEnter(key)) {
        SearchBtnClick();
        return true;
    }
    const QString text = key->text();
    if (text.isEmpty() || !text.front().isPrint())
        return false; // movement, deletion and shortcuts
    if (countSearchKey(text.front()) == CountKey::Refuse) {
        mServices.showMessage(this, DigitsOnly);
        return true;
    }
    return false;
}

} // namespace quill
