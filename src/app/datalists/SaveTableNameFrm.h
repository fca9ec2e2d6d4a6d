// The table-name window of the save-table dialog: which table a database file gets.
#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace quill {

// "목록 만들기", stays on top: the tables already in the file under "등록된 목록 이름", the name
// to add under "추가할 테이블 이름" (pre-filled with the first free "TABLE"+n), "추가하기"
// (refuses an empty or existing name with a message and stays open) and "취소".
class TZR_SaveTableNameFrm : public QDialog {
    Q_OBJECT
public:
    explicit TZR_SaveTableNameFrm(const QStringList &tableNames, QWidget *parent = nullptr);

    // The name typed (trimmed); after exec() == Accepted, a name not yet in the file.
    QString tableName() const;
    void accept() override;

private:
    QStringList mTables;
    QListWidget *mList = nullptr;
    QLineEdit *mName = nullptr;
};

} // namespace quill
