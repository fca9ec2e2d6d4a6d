// The recovery offer's list and its three answers.
#include "RecoveryOffer.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace quill {

RecoveryOffer::RecoveryOffer(const QList<RecoveryEntry> &entries, Opener opener, QWidget *parent)
    : QDialog(parent), mEntries(entries), mOpener(std::move(opener))
{
    setObjectName(QStringLiteral("RecoveryOffer"));
    setWindowTitle(QStringLiteral("작업 복구"));
    auto *text = new QLabel(QStringLiteral("프로그램이 비정상적으로 끝나 자동 저장된 작업이 "
                                           "남아 있습니다.\n복구할 작업을 고르십시오."),
        this);
    mList = new QListWidget(this);
    mList->setObjectName(QStringLiteral("RecoveryList"));
    mList->setAccessibleName(QStringLiteral("자동 저장된 작업"));

    auto *buttons = new QDialogButtonBox(this);
    mRecoverBtn = buttons->addButton(QStringLiteral("복구(&R)"), QDialogButtonBox::ActionRole);
    mRecoverBtn->setObjectName(QStringLiteral("RecoverBtn"));
    mRecoverBtn->setDefault(true);
    mDiscardBtn = buttons->addButton(QStringLiteral("버리기(&D)"), QDialogButtonBox::ActionRole);
    mDiscardBtn->setObjectName(QStringLiteral("DiscardBtn"));
    QPushButton *later
        = buttons->addButton(QStringLiteral("나중에(&L)"), QDialogButtonBox::RejectRole);
    later->setObjectName(QStringLiteral("LaterBtn"));
    connect(mRecoverBtn, &QPushButton::clicked, this, &RecoveryOffer::RecoverBtnClick);
    connect(mDiscardBtn, &QPushButton::clicked, this, &RecoveryOffer::DiscardBtnClick);
    connect(later, &QPushButton::clicked, this, &QDialog::reject);
    connect(mList, &QListWidget::itemDoubleClicked, this, &RecoveryOffer::RecoverBtnClick);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(mList);
    layout->addWidget(buttons);
    resize(520, 300);
    fill();
}

bool RecoveryOffer::offer(const QStringList &folders, Opener opener, QWidget *parent)
{
    const QList<RecoveryEntry> entries = RecoveryFiles::scan(folders);
    if (entries.isEmpty())
        return false;
    RecoveryOffer dialog(entries, std::move(opener), parent);
    dialog.exec();
    return dialog.recovered();
}

QString RecoveryOffer::describe(const RecoveryEntry &entry)
{
    const QString when = entry.savedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (entry.isUnnamed())
        return QStringLiteral("이름 없는 문서 - %1 저장").arg(when);
    return QStringLiteral("%1 - %2 저장\n%3").arg(entry.displayName(), when, entry.documentPath);
}

void RecoveryOffer::fill()
{
    mList->clear();
    for (const RecoveryEntry &entry : std::as_const(mEntries)) {
        auto *item = new QListWidgetItem(describe(entry), mList);
        item->setToolTip(entry.recoveryFile);
    }
    if (!mEntries.isEmpty())
        mList->setCurrentRow(0);
    mRecoverBtn->setEnabled(!mEntries.isEmpty());
    mDiscardBtn->setEnabled(!mEntries.isEmpty());
}

int RecoveryOffer::currentIndex() const
{
    const int row = mList->currentRow();
    return row >= 0 && row < mEntries.size() ? row : -1;
}

void RecoveryOffer::RecoverBtnClick()
{
    const int index = currentIndex();
    if (index < 0 || !mOpener)
        return;
    if (!mOpener(mEntries.at(index)))
        return; // told by the opener; the file stays for another try
    mRecovered = true;
    // One document is open at a time: the others wait for the next start.
    accept();
}

void RecoveryOffer::DiscardBtnClick()
{
    const int index = currentIndex();
    if (index < 0)
        return;
    const RecoveryEntry entry = mEntries.at(index);
    const auto answer = QMessageBox::question(this, windowTitle(),
        QStringLiteral("자동 저장된 작업을 버리시겠습니까?\n%1").arg(describe(entry)),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::No);
    if (answer != QMessageBox::Yes)
        return;
    if (const Status removed = RecoveryFiles::remove(entry.recoveryFile); !removed) {
        QMessageBox::warning(
            this, windowTitle(), removed.error().message + u'\n' + removed.error().where);
        return;
    }
    mEntries.removeAt(index);
    fill();
    if (mEntries.isEmpty())
        accept();
}

} // namespace quill
