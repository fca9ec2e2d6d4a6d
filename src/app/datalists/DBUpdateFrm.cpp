// The record entry window: loading, saving, moving through the list and the address search.
#include "DBUpdateFrm.h"

#include "catalogue/PostalCodes.h"
#include "datalists/DataSet.h"
#include "objects/ZipCodeForm.h"
#include "shell/CaptionFile.h"

#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>

#include <algorithm>

namespace quill {

TZR_DBUpdateFrm::TZR_DBUpdateFrm(const CaptionFile &captions, DataSet &list, bool modify,
    const PostalCodeTable *postal, QWidget *parent)
    : QDialog(parent), mCaptions(captions), mList(list), mModify(modify), mPostal(postal),
      mAddresses(AddressFields::fromCaptions(captions)),
      mExec([](QDialog &dialog) { return dialog.exec() == QDialog::Accepted; })
{
    // Posting a record must not write the file: the manager writes the list when it decides.
    mList.setAutoSave(false);
    build();
    connect(mOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(mAction, &QPushButton::clicked, this, &TZR_DBUpdateFrm::save);
    connect(mPrior, &QPushButton::clicked, this, &TZR_DBUpdateFrm::movePrior);
    connect(mNext, &QPushButton::clicked, this, &TZR_DBUpdateFrm::moveNext);
    connect(mFind, &QPushButton::clicked, this, &TZR_DBUpdateFrm::searchAddress);
    if (mModify)
        loadCurrent();
    else
        clearEditors();
    showPosition();
}

void TZR_DBUpdateFrm::setActionCaption(const QString &caption)
{
    mAction->setText(caption);
}

void TZR_DBUpdateFrm::setExecDialog(std::function<bool(QDialog &)> exec)
{
    mExec = std::move(exec);
}

QWidget *TZR_DBUpdateFrm::editorOf(const QString &fieldName) const
{
    for (const Editor &editor : mEditors) {
        if (editor.field.name == fieldName)
            return editor.widget;
    }
    return nullptr;
}

QString TZR_DBUpdateFrm::shownText(const Editor &editor) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor.widget))
        return edit->text();
    if (auto *box = qobject_cast<QAbstractSpinBox *>(editor.widget))
        return box->text();
    return {};
}

QVariant TZR_DBUpdateFrm::typedValue(const Editor &editor) const
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor.widget))
        return edit->text();
    if (auto *box = qobject_cast<QSpinBox *>(editor.widget))
        return qlonglong(box->value());
    if (auto *box = qobject_cast<QDoubleSpinBox *>(editor.widget))
        return box->value();
    return {};
}

void TZR_DBUpdateFrm::setShown(Editor &editor, const QVariant &value)
{
    if (auto *edit = qobject_cast<QLineEdit *>(editor.widget))
        edit->setText(entryText(value));
    else if (auto *box = qobject_cast<QSpinBox *>(editor.widget))
        box->setValue(int(std::clamp(value.toLongLong(), qlonglong(EntryIntegerMin), qlonglong(EntryIntegerMax))));
    else if (auto *box = qobject_cast<QDoubleSpinBox *>(editor.widget))
        box->setValue(value.toDouble());
    // What the editor shows now, after its own limits: unchanged, it is not written back.
    editor.loaded = shownText(editor);
}

void TZR_DBUpdateFrm::loadCurrent()
{
    const bool current = mList.isOpen() && mList.recNo() > 0;
    for (Editor &editor : mEditors) {
        // The fixed editors are filled unless the list is an English one (they exist only for
        // Korean lists anyway).
        setShown(editor, current ? mList.value(editor.field.name) : QVariant());
    }
    showPosition();
}

void TZR_DBUpdateFrm::clearEditors()
{
    for (Editor &editor : mEditors)
        setShown(editor, QVariant());
}

bool TZR_DBUpdateFrm::save()
{
    QList<EntryInput> inputs;
    for (const Editor &editor : mEditors) {
        // A record being changed keeps what its editors did not change, even a value the
        // editor could not show as it is (a text longer than the field, a long fraction).
        if (mModify && shownText(editor) == editor.loaded)
            continue;
        inputs.append({editor.field.field, editor.field.editor, typedValue(editor)});
    }
    const Status status = storeEntry(mList, inputs, !mModify);
    if (!status) {
        QMessageBox::warning(this, windowTitle(), status.error().message);
        if (QWidget *widget = editorOf(status.error().where))
            widget->setFocus();
        return false;
    }
    mStored = true;
    // Modify mode shows the stored record again, so that pressing the button twice writes the
    // same values; add mode empties the editors for the next record.
    if (mModify)
        loadCurrent();
    else
        clearEditors();
    showPosition();
    for (const Editor &editor : mEditors) {
        if (editor.widget->isEnabled()) {
            editor.widget->setFocus();
            break;
        }
    }
    return true;
}

void TZR_DBUpdateFrm::movePrior()
{
    if (!mModify || !mList.isOpen())
        return;
    mList.prior();
    loadCurrent();
}

void TZR_DBUpdateFrm::moveNext()
{
    if (!mModify || !mList.isOpen())
        return;
    mList.next();
    loadCurrent();
}

void TZR_DBUpdateFrm::searchAddress()
{
    const QString text = mAddress1->text();
    if (!mAddress1->isEnabled() || text.isEmpty())
        return;
    const QList<PostalArea> found = mPostal ? mPostal->searchAddress(text) : QList<PostalArea>();
    if (found.isEmpty()) {
        QMessageBox::information(this, windowTitle(), QStringLiteral("우편번호를 찾을 수 없습니다."));
        return;
    }
    TZipCodeForm form(mCaptions, *mPostal, this);
    form.setSearchPanelVisible(false);
    form.setAreas(found);
    // Closed with 선택 but without a row: nothing was chosen.
    if (!mExec(form) || form.chosenAddress().isEmpty())
        return;
    mAddress1->setText(form.chosenAddress());
    if (mZipCode->isEnabled())
        mZipCode->setText(form.chosenZipCode());
    mAddress2->setFocus();
}

void TZR_DBUpdateFrm::showPosition()
{
    if (!mStatus)
        return;
    if (mModify && mList.isOpen() && mList.recNo() > 0)
        mStatus->showMessage(QStringLiteral("%1 / %2").arg(mList.recNo()).arg(mList.recordCount()));
    else
        mStatus->showMessage(QStringLiteral("전체 %1").arg(mList.recordCount()));
}

void TZR_DBUpdateFrm::focusNextEditor(QWidget *from)
{
    bool after = false;
    for (const Editor &editor : mEditors) {
        if (after && editor.widget->isEnabled()) {
            editor.widget->setFocus();
            return;
        }
        after = after || editor.widget == from;
    }
    mAction->setFocus();
}

bool TZR_DBUpdateFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == mAddress1) {
                searchAddress();
                return true;
            }
            // Enter never presses a button from an editor: it moves on, as in the editors
            // the list generated.
            for (const Editor &editor : mEditors) {
                if (editor.widget == watched) {
                    focusNextEditor(editor.widget);
                    return true;
                }
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quill
