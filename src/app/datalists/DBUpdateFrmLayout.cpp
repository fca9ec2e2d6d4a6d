// Building the record entry window: the fixed address group, the generated editors placed by
// the record entry rules, the buttons and the window's size.
#include "DBUpdateFrm.h"

#include "datalists/DataSet.h"
#include "editor/EditorActions.h"
#include "objects/BarcodeFormParts.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

#include <algorithm>

namespace quill {
namespace {

// A decimal box that shows a value with as many digits as it needs ("2.5", not "2.5000"), so
// that a loaded value reads as it is stored.
class DecimalBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;
    QString textFromValue(double value) const override
    {
        return locale().toString(value, 'g', QLocale::FloatingPointShortest);
    }
};

QWidget *makeEditor(const EntryField &field, QWidget *parent)
{
    switch (field.editor) {
    case EntryEditor::Text: {
        auto *edit = new QLineEdit(parent);
        edit->setMaxLength(field.maxLength);
        edit->resize(textEditorWidth(field.maxLength), edit->sizeHint().height());
        return edit;
    }
    case EntryEditor::Integer: {
        auto *box = new QSpinBox(parent);
        box->setRange(EntryIntegerMin, EntryIntegerMax);
        box->setValue(0);
        box->resize(120, box->sizeHint().height());
        return box;
    }
    case EntryEditor::Float: {
        auto *box = new DecimalBox(parent);
        box->setDecimals(10);
        box->setRange(-EntryFloatLimit, EntryFloatLimit);
        box->setValue(0);
        box->resize(160, box->sizeHint().height());
        return box;
    }
    default:
        return nullptr;
    }
}

} // namespace

void TZR_DBUpdateFrm::build()
{
    const FormCaptions text(mCaptions, QStringLiteral("ZR_DBUpdateFrm"));
    setObjectName(QStringLiteral("ZR_DBUpdateFrm"));
    setWindowTitle(text("FormCaption", QStringLiteral("자료입력(수정)")));

    mPersonal = buildPersonalGroup();
    buildUserGroup();
    QWidget *buttons = buildButtons();
    mStatus = new QStatusBar(this);
    mStatus->setObjectName(QStringLiteral("StatusBar"));
    mStatus->setSizeGripEnabled(false);

    auto *main = new QVBoxLayout(this);
    main->setSpacing(0);
    main->setContentsMargins(8, 15, 8, 0);
    main->addWidget(mPersonal);
    // The user-defined group starts 15 pixels below the personal group, or at 15.
    if (!mPersonal->isHidden())
        main->addSpacing(15);
    main->addWidget(mScroll, 1);
    main->addWidget(buttons);
    main->addWidget(mStatus);
    sizeWindow(buttons);
}

QGroupBox *TZR_DBUpdateFrm::buildPersonalGroup()
{
    const FormCaptions text(mCaptions, QStringLiteral("ZR_DBUpdateFrm"));
    auto *group = new QGroupBox(text("Grp_Personal", QStringLiteral("개인 정보 필드")), this);
    group->setObjectName(QStringLiteral("Grp_Personal"));
    auto fixed = [&](const char *name, int length) {
        auto *edit = new QLineEdit(group);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(length);
        edit->setEnabled(false); // until the list has its field
        edit->installEventFilter(this);
        return edit;
    };
    mZipCode = fixed("Edt_ZipCode", PostalCodeLength);
    mZipCode->setFixedWidth(90);
    mAddress1 = fixed("Edt_Address1", AddressLength);
    mAddress2 = fixed("Edt_Address2", AddressLength);
    mFind = new QPushButton(text("Btn_Find", QStringLiteral("찾기")), group);
    mFind->setObjectName(QStringLiteral("Btn_Find"));
    mFind->setAutoDefault(false);
    mFind->setEnabled(false);

    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(text("Lbl_ZipCode", QStringLiteral("우편번호")), group), 0, 0);
    grid->addWidget(mZipCode, 0, 1, Qt::AlignLeft);
    grid->addWidget(new QLabel(text("Lbl_Address1", QStringLiteral("주  소  1")), group), 1, 0);
    grid->addWidget(mAddress1, 1, 1);
    grid->addWidget(mFind, 1, 2);
    grid->addWidget(new QLabel(text("Lbl_Address2", QStringLiteral("주  소   2")), group), 2, 0);
    grid->addWidget(mAddress2, 2, 1, 1, 2);
    auto *hint1 = new QLabel(
        text("Lbl_Hint1", QStringLiteral("주소1에는 동만 입력 한후 찾기를 누르십시오.  ")), group);
    hint1->setObjectName(QStringLiteral("Lbl_Hint1"));
    auto *hint2 = new QLabel(
        text("Lbl_Hint2", QStringLiteral("그외 나머지 주소는 주소 2에 입력해 주십시오.")), group);
    hint2->setObjectName(QStringLiteral("Lbl_Hint2"));
    grid->addWidget(hint1, 3, 0, 1, 3);
    grid->addWidget(hint2, 4, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    bool shown = false;
    for (const EntryField &field : entryFields(mList.table().fields, mAddresses)) {
        QLineEdit *edit = field.editor == EntryEditor::PostalCode ? mZipCode
                          : field.editor == EntryEditor::Address1 ? mAddress1
                          : field.editor == EntryEditor::Address2 ? mAddress2
                                                                  : nullptr;
        // A name given to two fields: the first one gets the editor.
        if (!edit || edit->isEnabled())
            continue;
        edit->setEnabled(true);
        edit->setProperty("fieldName", field.name);
        mEditors.append({field, edit, {}});
        shown = true;
    }
    mFind->setEnabled(mAddress1->isEnabled());
    group->setVisible(shown);
    return group;
}

void TZR_DBUpdateFrm::buildUserGroup()
{
    const FormCaptions text(mCaptions, QStringLiteral("ZR_DBUpdateFrm"));
    mScroll = new QScrollArea(this);
    mScroll->setObjectName(QStringLiteral("Scr_User"));
    mScroll->setFrameShape(QFrame::NoFrame);
    mScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mScroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mUser = new QGroupBox(text("Grp_User", QStringLiteral("사용자 정의 필드")));
    mUser->setObjectName(QStringLiteral("Grp_User"));

    QList<QLabel *> labels;
    QList<QWidget *> widgets;
    QList<QSize> labelSizes;
    QList<QSize> editorSizes;
    for (const EntryField &field : entryFields(mList.table().fields, mAddresses)) {
        if (!isGeneratedEditor(field.editor))
            continue;
        auto *label = new QLabel(field.name, mUser);
        label->adjustSize();
        QWidget *widget = makeEditor(field, mUser);
        widget->setObjectName(QStringLiteral("Edt_Field%1").arg(field.field));
        widget->setProperty("fieldName", field.name);
        widget->installEventFilter(this);
        label->setBuddy(widget);
        labels.append(label);
        widgets.append(widget);
        labelSizes.append(label->size());
        editorSizes.append(widget->size());
        mEditors.append({field, widget, {}});
    }
    const EntryLayout layout = entryLayout(labelSizes, editorSizes, -1);
    int right = 200;
    for (int i = 0; i < layout.rows.size(); ++i) {
        labels.at(i)->setGeometry(layout.rows.at(i).label);
        widgets.at(i)->setGeometry(layout.rows.at(i).editor);
        right = qMax(right, layout.rows.at(i).editor.right() + 20);
    }
    // Editors are placed by hand inside the group; the scroll area follows its fixed size.
    mUser->setFixedSize(right, layout.groupHeight);
    mScroll->setWidget(mUser);
    mScroll->setWidgetResizable(false);
}

QWidget *TZR_DBUpdateFrm::buildButtons()
{
    const FormCaptions text(mCaptions, QStringLiteral("ZR_DBUpdateFrm"));
    auto *panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("ButtonPanel"));
    auto button = [&](const char *name, const QString &caption) {
        auto *b = new QPushButton(caption, panel);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    mOk = button("Btn_Ok", text("Btn_Ok", QStringLiteral("확인")));
    // The manager sets the caption again; the caption file's own is the default.
    const QString action = EditorActions::captionOrDefault(mCaptions, QStringLiteral("Common"),
        mModify ? QStringLiteral("MOdifyBtn") : QStringLiteral("AddBtn"),
        mModify ? QStringLiteral("수정") : QStringLiteral("추가"));
    mAction = button("Btn_Action", action);
    // Enter on the add/modify button (where the last editor's Enter leads) presses it.
    mAction->setAutoDefault(true);
    mPrior = button("Btn_Prior", text("Btn_Prior", QStringLiteral("이전")));
    mNext = button("Btn_Next", text("Btn_Next", QStringLiteral("다음")));
    mPrior->setEnabled(mModify);
    mNext->setEnabled(mModify);
    auto *row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 8, 0, 8);
    row->addWidget(mPrior);
    row->addWidget(mNext);
    row->addStretch(1);
    row->addWidget(mAction);
    row->addWidget(mOk);
    return panel;
}

void TZR_DBUpdateFrm::sizeWindow(QWidget *buttons)
{
    const int personal = mPersonal->isHidden() ? 0 : mPersonal->sizeHint().height() + 15;
    const int contents = 15 + personal + mUser->height();
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int screenHeight = screen ? screen->availableGeometry().height() : 768;
    const int height = entryWindowHeight(
        contents, buttons->sizeHint().height(), mStatus->sizeHint().height(), screenHeight);
    const int width = std::max({mUser->width() + 40, mPersonal->isHidden() ? 0 : mPersonal->sizeHint().width() + 16, 420});
    resize(width, height);
}

} // namespace quill
