#include "ShapeTableForm.h"

#include "editor/EditorActions.h"
#include "objects/ZR_ShapeTable.h"
#include "shell/CaptionFile.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace quill {

namespace {

QSpinBox *countBox(const QString &name, int value, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(1, 99);
    box->setValue(value);
    return box;
}

} // namespace

TZRShapeTableForm::TZRShapeTableForm(
    const CaptionFile &captions, const TZR_ShapeTable &original, QWidget *parent)
    : QDialog(parent), mCaptions(captions), mCopy(original.clone())
{
    setObjectName(QStringLiteral("ZRShapeTableForm"));
    setWindowTitle(text("FormCaption", QStringLiteral("표 등록정보")));

    auto *pages = new QTabWidget(this);
    auto *page = new QWidget(pages);
    pages->addTab(page, text("TablePage", QStringLiteral("표")));
    auto *group = new QGroupBox(text("CountGroup", QStringLiteral("칸수/줄수")), page);
    mColumns = countBox(QStringLiteral("Spe_columns"), original.columns(), group);
    mRows = countBox(QStringLiteral("Spe_rows"), original.rows(), group);
    auto *form = new QFormLayout(group);
    form->addRow(text("Columns", QStringLiteral("칸수 : ")), mColumns);
    form->addRow(text("Rows", QStringLiteral("줄수 : ")), mRows);
    auto *pageLayout = new QVBoxLayout(page);
    pageLayout->addWidget(group);

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *ok
        = buttons->addButton(text("OkBtn", QStringLiteral("확인")), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    QPushButton *cancel = buttons->addButton(
        text("CancelBtn", QStringLiteral("취소")), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(pages);
    layout->addWidget(buttons);
    setFixedSize(sizeHint());
}

TZRShapeTableForm::~TZRShapeTableForm() = default;

QString TZRShapeTableForm::text(const char *key, const QString &fallback) const
{
    return EditorActions::captionOrDefault(
        mCaptions, QStringLiteral("ZRShapeTableForm"), QString::fromLatin1(key), fallback);
}

void TZRShapeTableForm::accept()
{
    // Columns first, then rows, each through the grid's own growing and shrinking. A box the
    // user emptied keeps its last count, which always lies in 1 to 99.
    if (auto *table = dynamic_cast<TZR_ShapeTable *>(mCopy.get())) {
        table->changeColumns(mColumns->value());
        table->changeRows(mRows->value());
    }
    QDialog::accept();
}

std::unique_ptr<TZR_ShapeTable> TZRShapeTableForm::takeResult()
{
    if (result() != Accepted || !dynamic_cast<TZR_ShapeTable *>(mCopy.get()))
        return nullptr;
    return std::unique_ptr<TZR_ShapeTable>(static_cast<TZR_ShapeTable *>(mCopy.release()));
}

} // namespace quill
