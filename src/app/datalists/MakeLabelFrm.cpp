#include "MakeLabelFrm.h"

#include "SendProgress.h"

#include "datalists/MergeTableWriter.h"
#include "editing/SendToLabels.h"
#include "objects/ADDHonoForm.h"
#include "objects/BarcodeFormParts.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace quill {

namespace {

// Dragged fields travel as their names, one a line, in the order of the list they come from.
const QString FieldNamesMime = u"application/x-quill-fieldnames"_s;

// A field list whose drags carry the selected field names and, when it takes drops, hands the
// names of a drop to dropped.
class FieldList : public QListWidget {
public:
    explicit FieldList(QWidget *parent) : QListWidget(parent)
    {
        setSelectionMode(QAbstractItemView::ExtendedSelection);
        setDefaultDropAction(Qt::CopyAction);
        setDragDropMode(QAbstractItemView::DragOnly);
    }

    std::function<void(const QStringList &)> dropped;

    void takeDrops()
    {
        setDragDropMode(QAbstractItemView::DragDrop);
        setAcceptDrops(true);
    }

protected:
    QStringList mimeTypes() const override { return {FieldNamesMime}; }

    QMimeData *mimeData(const QList<QListWidgetItem *> &items) const override
    {
        QList<QListWidgetItem *> ordered = items;
        std::sort(ordered.begin(), ordered.end(),
            [this](QListWidgetItem *a, QListWidgetItem *b) { return row(a) < row(b); });
        QStringList names;
        for (QListWidgetItem *item : ordered)
            names.append(item->text());
        auto *data = new QMimeData;
        data->setData(FieldNamesMime, names.join(u'\n').toUtf8());
        return data;
    }

    void dragEnterEvent(QDragEnterEvent *event) override { acceptFields(event); }
    void dragMoveEvent(QDragMoveEvent *event) override { acceptFields(event); }

    void dropEvent(QDropEvent *event) override
    {
        if (!acceptFields(event))
            return;
        const QString text = QString::fromUtf8(event->mimeData()->data(FieldNamesMime));
        if (dropped)
            dropped(text.split(u'\n', Qt::SkipEmptyParts));
    }

private:
    // Only field names are taken, and they are copied: the list dragged from keeps them.
    bool acceptFields(QDropEvent *event)
    {
        if (!dropped || !event->mimeData()->hasFormat(FieldNamesMime)) {
            event->ignore();
            return false;
        }
        event->setDropAction(Qt::CopyAction);
        event->accept();
        return true;
    }
};

QStringList selectedNames(const QListWidget *list)
{
    QStringList names;
    for (int i = 0; i < list->count(); ++i) {
        if (list->item(i)->isSelected())
            names.append(list->item(i)->text());
    }
    return names;
}

QPushButton *button(const QString &name, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TMakeLabelFrm::TMakeLabelFrm(const CaptionFile &captions, const ManagerSelection &selection,
    const QString &mergeTablePath, QWidget *parent)
    : QDialog(parent), mCaptions(captions), mSelection(selection), mMergeTablePath(mergeTablePath),
      mExec([](QDialog &dialog) { return dialog.exec() == QDialog::Accepted; })
{
    const FormCaptions text(captions, u"MakeLabelFrm"_s);
    setObjectName(u"MakeLabelFrm"_s);
    mCaption = text("FormCaption", u"라벨보내기"_s);
    setWindowTitle(mCaption);

    auto *content = new QWidget(this);
    auto *fields = new FieldList(content);
    fields->setObjectName(u"Lsb_Fields"_s);
    auto *sendFields = new FieldList(content);
    sendFields->setObjectName(u"Lsb_SendFields"_s);
    sendFields->takeDrops();
    sendFields->dropped = [this](const QStringList &names) { addFields(names); };
    mFields = fields;
    mSendFields = sendFields;
    if (mSelection.source) {
        for (const DataField &field : mSelection.source->fields)
            mFields->addItem(field.name);
    }

    QPushButton *add = button(u"Btn_Add"_s, text("Btn_Add", u"->"_s), content);
    QPushButton *remove = button(u"Btn_Remove"_s, text("Btn_Remove", u"<-"_s), content);
    QPushButton *all = button(u"Btn_All"_s, text("Btn_All", u"All"_s), content);
    QPushButton *hono = button(u"Btn_Hono"_s, text("Btn_Hono", u"존칭추가"_s), content);
    QPushButton *sendButton = button(u"Btn_Send"_s, text("Btn_Send", u"보내기"_s), content);
    QPushButton *cancel = button(u"Btn_Cancel"_s, text("Btn_Cancel", u"취소"_s), content);

    auto *moves = new QVBoxLayout;
    moves->addStretch(1);
    for (QPushButton *b : {add, remove, all})
        moves->addWidget(b);
    moves->addStretch(1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(hono);
    bottom->addStretch(1);
    bottom->addWidget(sendButton);
    bottom->addWidget(cancel);
    auto *grid = new QGridLayout(content);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(new QLabel(text("Lbl_Fields", u"필드명"_s), content), 0, 0);
    grid->addWidget(new QLabel(text("Lbl_SendFields", u"보낼필드명"_s), content), 0, 2);
    grid->addWidget(mFields, 1, 0);
    grid->addLayout(moves, 1, 1);
    grid->addWidget(mSendFields, 1, 2);
    grid->addLayout(bottom, 2, 0, 1, 3);

    auto *main = new QVBoxLayout(this);
    main->addWidget(content);
    mProgress = std::make_unique<SendProgress>(*this, *content);
    resize(420, 320);

    connect(add, &QPushButton::clicked, this, [this] { addFields(selectedNames(mFields)); });
    connect(mFields, &QListWidget::itemDoubleClicked, this,
        [this] { addFields(selectedNames(mFields)); });
    connect(remove, &QPushButton::clicked, this, &TMakeLabelFrm::removeSelected);
    connect(all, &QPushButton::clicked, this, [this] {
        QStringList names;
        for (int i = 0; i < mFields->count(); ++i)
            names.append(mFields->item(i)->text());
        setSendFields(names);
    });
    connect(hono, &QPushButton::clicked, this, &TMakeLabelFrm::addHonorific);
    connect(sendButton, &QPushButton::clicked, this, &TMakeLabelFrm::send);
    connect(cancel, &QPushButton::clicked, this, &TMakeLabelFrm::reject);
}

TMakeLabelFrm::~TMakeLabelFrm() = default;

QStringList TMakeLabelFrm::sendFields() const
{
    QStringList names;
    for (int i = 0; i < mSendFields->count(); ++i)
        names.append(mSendFields->item(i)->text());
    return names;
}

void TMakeLabelFrm::addFields(const QStringList &fields)
{
    setSendFields(SendToLabels::withFieldsAdded(sendFields(), fields));
}

void TMakeLabelFrm::setSendFields(const QStringList &fields)
{
    mSendFields->clear();
    mSendFields->addItems(fields);
}

void TMakeLabelFrm::removeSelected()
{
    setSendFields(SendToLabels::withFieldsRemoved(sendFields(), selectedNames(mSendFields)));
}

void TMakeLabelFrm::addHonorific()
{
    const QStringList fields = sendFields();
    if (fields.isEmpty()) {
        inform(SendToLabels::noSendFieldsForHonorificMessage());
        return;
    }
    TADDHonoForm form(mCaptions, fields, this);
    if (mExec(form))
        mHonorific = form.honorific();
}

void TMakeLabelFrm::send()
{
    const QStringList fields = sendFields();
    if (fields.isEmpty()) {
        inform(SendToLabels::noSendFieldsMessage());
        return;
    }
    static const DataTable noList;
    const DataTable &source = mSelection.source ? *mSelection.source : noList;
    const MergeProgress progress = choosesWholeList(source, mSelection.rows)
        ? MergeProgress()
        : mProgress->start(int(mSelection.rows.size()));
    const MergeSend sent = sendLabelRows(source, mSelection.rows, mSelection.list, fields,
        mSelection.providerSource, mMergeTablePath, progress);
    if (!sent.ok()) {
        mProgress->finish();
        QMessageBox::warning(this, mCaption, sent.message);
        return;
    }
    mResult = LabelSendResult {sent.list, fields, mHonorific};
    accept();
}

void TMakeLabelFrm::inform(const QString &text)
{
    QMessageBox::information(this, mCaption, text);
}

} // namespace quill
