// The sheet preview of the paper dialogs: the miniature sheet with the label count over it.
#include "SheetPreviewBox.h"

#include <QLabel>
#include <QPainter>

namespace quill {

SheetPreviewBox::SheetPreviewBox(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LabelImage"));
    setFixedSize(PanelSize);
    mLabelNum = new QLabel(this);
    mLabelNum->setObjectName(QStringLiteral("LabelNum"));
    mLabelNum->setAlignment(Qt::AlignCenter);
    mLabelNum->setAttribute(Qt::WA_TransparentForMouseEvents);
    QFont font = mLabelNum->font();
    font.setBold(true);
    font.setPixelSize(53); // the character height of the count
    mLabelNum->setFont(font);
    QPalette palette = mLabelNum->palette();
    palette.setColor(QPalette::WindowText, Qt::blue);
    mLabelNum->setPalette(palette);
    mLabelNum->setGeometry(rect());
    setAccessibleName(QStringLiteral("미리보기"));
}

void SheetPreviewBox::showSheet(const SheetPreview &sheet)
{
    mSheet = sheet;
    mHasSheet = true;
    mLabelNum->setText(QString::number(qint64(sheet.columns) * sheet.rows));
    update();
}

void SheetPreviewBox::clear()
{
    mSheet = {};
    mHasSheet = false;
    mLabelNum->clear();
    update();
}

QString SheetPreviewBox::countText() const
{
    return mLabelNum->text();
}

void SheetPreviewBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (mHasSheet)
        paintSheetPreview(painter, mSheet, size());
}

void SheetPreviewBox::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    mLabelNum->setGeometry(rect());
}

} // namespace quill
