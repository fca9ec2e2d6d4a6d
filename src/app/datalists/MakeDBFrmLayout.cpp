// The widgets of the create-table window.
#include "MakeDBFrm.h"

#include "datalists/TableFieldTemplates.h"
#include "editor/EditorActions.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quill {

namespace {

QTableWidget *definitionGrid(const char *name, QWidget *parent)
{
    auto *grid = new QTableWidget(0, 2, parent);
    grid->setObjectName(QString::fromLatin1(name));
    grid->setHorizontalHeaderLabels({QStringLiteral("필드이름"), QStringLiteral("필드정의")});
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    grid->setWordWrap(false);
    grid->horizontalHeader()->setStretchLastSection(true);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    return grid;
}

QLineEdit *fixedTypeEdit(const char *name, QWidget *parent)
{
    auto *edit = new QLineEdit(textTypeWord(), parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setReadOnly(true);
    return edit;
}

QSpinBox *sizeSpin(const char *name, QWidget *parent)
{
    auto *spin = new QSpinBox(parent);
    spin->setObjectName(QString::fromLatin1(name));
    spin->setRange(FieldDefinition::MinSize, FieldDefinition::MaxSize);
    spin->setValue(FieldDefinition::DefaultSize);
    return spin;
}

} // namespace

QPushButton *TMakeDBFrm::button(const QString &text, const char *name, void (TMakeDBFrm::*slot)())
{
    auto *b = new QPushButton(text, this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, slot);
    return b;
}

void TMakeDBFrm::build()
{
    setObjectName(QStringLiteral("MakeDBFrm"));
    setWindowTitle(EditorActions::captionOrDefault(mCaptions, QStringLiteral("CreateDB"),
        QStringLiteral("FormCaption"), QStringLiteral("새테이블 만들기")));

    auto *moves = new QVBoxLayout;
    moves->addStretch();
    moves->addWidget(button(QStringLiteral("->"), "Btn_AddField", &TMakeDBFrm::addChosenField));
    moves->addWidget(button(QStringLiteral("All"), "Btn_AddAll", &TMakeDBFrm::addAllFields));
    moves->addWidget(button(QStringLiteral("<-"), "Btn_DelField", &TMakeDBFrm::removeRow));
    moves->addWidget(button(QStringLiteral("X"), "Btn_DelAll", &TMakeDBFrm::clearRows));
    moves->addStretch();

    auto *top = new QHBoxLayout;
    top->addWidget(buildTemplateSide(), 1);
    top->addLayout(moves);
    top->addWidget(buildDefinitionSide(), 1);

    QPushButton *make = button(QStringLiteral("만들기"), "Btn_Make", &TMakeDBFrm::make);
    make->setDefault(true);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(make);
    bottom->addWidget(button(QStringLiteral("취소"), "Btn_Cancel", &TMakeDBFrm::reject));

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(bottom);
    resize(760, 560);
}

QWidget *TMakeDBFrm::buildTemplateSide()
{
    auto *side = new QWidget(this);
    auto *kindGroup = new QGroupBox(QStringLiteral("종류"), side);
    mKinds = new QListWidget(kindGroup);
    mKinds->setObjectName(QStringLiteral("Lsb_Kind"));
    (new QVBoxLayout(kindGroup))->addWidget(mKinds);
    auto *fieldGroup = new QGroupBox(QStringLiteral("필드"), side);
    mFields = definitionGrid("strG_FieldList", fieldGroup);
    (new QVBoxLayout(fieldGroup))->addWidget(mFields);
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(kindGroup);
    layout->addWidget(fieldGroup, 1);
    return side;
}

QWidget *TMakeDBFrm::buildDefinitionSide()
{
    auto *side = new QWidget(this);
    mGrid = definitionGrid("strG_nFieldName", side);
    auto *layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mGrid, 1);
    layout->addWidget(buildUserGroup());
    layout->addWidget(buildModifyGroup());
    return side;
}

QWidget *TMakeDBFrm::buildUserGroup()
{
    auto *group = new QGroupBox(QStringLiteral("사용자 정의 필드"), this);
    group->setObjectName(QStringLiteral("Grp_UserField"));
    mUserName = new QLineEdit(group);
    mUserName->setObjectName(QStringLiteral("Edt_UserName"));
    mUserType = fixedTypeEdit("Edt_UserType", group);
    mUserSize = sizeSpin("Spn_UserSize", group);
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("필드이름 : "), group), 0, 0);
    grid->addWidget(mUserName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("필드타입 : "), group), 1, 0);
    grid->addWidget(mUserType, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("필드크기 : "), group), 2, 0);
    grid->addWidget(mUserSize, 2, 1);
    grid->addWidget(button(QStringLiteral("->"), "Btn_UserAdd", &TMakeDBFrm::addUserField), 0, 2);
    return group;
}

QWidget *TMakeDBFrm::buildModifyGroup()
{
    auto *group = new QGroupBox(QStringLiteral("수정"), this);
    group->setObjectName(QStringLiteral("Grp_Modify"));
    mModName = new QLineEdit(group);
    mModName->setObjectName(QStringLiteral("Edt_ModName"));
    mModType = fixedTypeEdit("Edt_ModType", group);
    mModSize = sizeSpin("Spn_ModSize", group);
    auto *grid = new QGridLayout(group);
    grid->addWidget(new QLabel(QStringLiteral("필드이름 : "), group), 0, 0);
    grid->addWidget(mModName, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("필드타입 : "), group), 1, 0);
    grid->addWidget(mModType, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("필드크기 : "), group), 2, 0);
    grid->addWidget(mModSize, 2, 1);
    grid->addWidget(button(QStringLiteral("<-"), "Btn_ModCopy", &TMakeDBFrm::copyToUserGroup), 0, 2);
    grid->addWidget(button(QStringLiteral("수정"), "Btn_Modify", &TMakeDBFrm::modifyRow), 2, 2);
    return group;
}

} // namespace quill
