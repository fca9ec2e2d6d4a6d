// The data list manager's sends: rows and fields to the label as field labels or barcodes.
#include "DBAdminFrm.h"

#include "datalists/DataSet.h"
#include "datalists/ManagerRules.h"
#include "datalists/ZR_DBGrid.h"

namespace quill {

// The rows chosen in the grid, as rows of the whole list, in the grid's order.
ManagerSelection TDBAdminFrm::managerSelection() const
{
    ManagerSelection selection;
    selection.source = &mDataSet->table();
    for (int row : mGrid->rowSelection().rows()) {
        if (const int listed = listRow(row); listed >= 0)
            selection.rows.append(listed);
    }
    selection.list = mList;
    selection.providerSource = isProviderSource(mList.path);
    return selection;
}

void TDBAdminFrm::sendToLabels()
{
    commitPending();
    if (std::optional<LabelSendResult> sent = mDialogs.sendToLabels(this, managerSelection())) {
        mLabelSend = std::move(sent);
        done(QDialog::Accepted);
    }
}

void TDBAdminFrm::makeBarcode(int kind)
{
    commitPending();
    if (std::optional<BarcodeSendResult> sent
        = mDialogs.makeBarcode(this, managerSelection(), kind)) {
        mBarcodeSend = std::move(sent);
        done(BarcodeSent);
    }
}

} // namespace quill
