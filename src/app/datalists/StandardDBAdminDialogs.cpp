#include "StandardDBAdminDialogs.h"

#include "catalogue/PostalCodes.h"
#include "datalists/DBSearchFrm.h"
#include "datalists/DBSortFrm.h"
#include "datalists/DBUpdateFrm.h"
#include "datalists/FieldADDFrm.h"
#include "datalists/MakeBarcodeFrm.h"
#include "datalists/MakeLabelFrm.h"
#include "datalists/OpenTableDialog.h"
#include "datalists/PrintRangeFrm.h"
#include "datalists/SaveTableDialog.h"
#include "objects/ZipCodeForm.h"
#include "shell/CaptionFile.h"
#include "shell/HelpLinks.h"

namespace quill {

namespace {

// The postal code table, read once per program run; an unreadable one is told where used.
const Result<PostalCodeTable> &postalCodes(const AppFolders &folders)
{
    static const Result<PostalCodeTable> table = PostalCodeTable::load(folders.zipcodeFilePath());
    return table;
}

} // namespace

StandardDBAdminDialogs::StandardDBAdminDialogs(const CaptionFile &captions, const AppFolders &folders)
    : mCaptions(captions), mFolders(folders)
{
}

bool StandardDBAdminDialogs::run(QDialog &dialog) const
{
    return mExec ? mExec(dialog) : dialog.exec() == QDialog::Accepted;
}

void StandardDBAdminDialogs::inform(QWidget *parent, const QString &caption, const QString &text)
{
    QMessageBox::information(parent, caption, text);
}

QMessageBox::StandardButton StandardDBAdminDialogs::ask(QWidget *parent, const QString &caption,
    const QString &text, QMessageBox::StandardButtons buttons)
{
    return QMessageBox::question(parent, caption, text, buttons);
}

TSendDBName StandardDBAdminDialogs::chooseList(QWidget *parent, const QString &filter)
{
    TZR_OpenTableDialog dialog(parent);
    dialog.setFilter(filter);
    return dialog.execute();
}

TSendDBName StandardDBAdminDialogs::chooseExport(QWidget *parent, const DataTable &list)
{
    return TZR_SaveTableDialog::chooseExport(parent, list);
}

std::optional<ListSearch> StandardDBAdminDialogs::search(QWidget *parent, const QStringList &fields)
{
    TDBSearchFrm form(fields, parent);
    if (!run(form))
        return std::nullopt;
    return ListSearch {form.field(), form.text()};
}

std::optional<ListSort> StandardDBAdminDialogs::sort(QWidget *parent, const QStringList &fields)
{
    TDBSortFrm form(fields, parent);
    if (!run(form))
        return std::nullopt;
    return ListSort {form.field(), form.descending()};
}

std::optional<QPair<int, int>> StandardDBAdminDialogs::printRange(QWidget *parent, int recordCount)
{
    TPrintRangeFrm form(recordCount, parent);
    if (!run(form))
        return std::nullopt;
    return QPair<int, int> {form.start(), form.end()};
}

bool StandardDBAdminDialogs::editFields(QWidget *parent, DataSet &list, bool modify)
{
    TFieldADDFrm form(mCaptions, list, modify, parent);
    run(form);
    return form.changed();
}

bool StandardDBAdminDialogs::enterRecords(QWidget *parent, DataSet &list, bool modify)
{
    const Result<PostalCodeTable> &postal = postalCodes(mFolders);
    TZR_DBUpdateFrm form(mCaptions, list, modify, postal ? &postal.value() : nullptr, parent);
    form.setActionCaption(mCaptions.read(QStringLiteral("Common"),
        modify ? QStringLiteral("MOdifyBtn") : QStringLiteral("AddBtn")));
    form.setExecDialog([this](QDialog &dialog) { return run(dialog); });
    run(form);
    return form.stored();
}

void StandardDBAdminDialogs::postalSearch(QWidget *parent)
{
    const Result<PostalCodeTable> &postal = postalCodes(mFolders);
    if (!postal) {
        inform(parent, QStringLiteral("우편번호"), postal.error().message);
        return;
    }
    TZipCodeForm form(mCaptions, postal.value(), parent);
    form.setSearchPanelVisible(true);
    run(form);
}

std::optional<LabelSendResult> StandardDBAdminDialogs::sendToLabels(
    QWidget *parent, const ManagerSelection &selection)
{
    TMakeLabelFrm form(mCaptions, selection,
        mFolders.mergeTablePath(AppFolders::MergeTable::Label), parent);
    form.setExecDialog([this](QDialog &dialog) { return run(dialog); });
    if (!run(form))
        return std::nullopt;
    return form.result();
}

std::optional<BarcodeSendResult> StandardDBAdminDialogs::makeBarcode(
    QWidget *parent, const ManagerSelection &selection, int kind)
{
    TMakeBarcodeFrm form(mCaptions, selection, kind,
        mFolders.mergeTablePath(AppFolders::MergeTable::Barcode), parent);
    if (!run(form))
        return std::nullopt;
    return form.result();
}

void StandardDBAdminDialogs::showHelp(QWidget *parent)
{
    HelpLinks links(mCaptions, mFolders, parent);
    links.openHelp(HelpLinks::Topic::DataLists);
}

} // namespace quill
