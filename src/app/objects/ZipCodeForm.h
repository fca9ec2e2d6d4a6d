// The postal code search window: areas of the postal code table, one chosen.
#pragma once

#include "catalogue/PostalCodes.h"

#include <QDialog>
#include <QList>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace quill {

class CaptionFile;

// "우편번호": a grid of areas (DBGrid: ZIPCODE, ADDRESS, DDD, whole rows) with "선택"
// (SelectBtn) and "취소" (CancelBtn), and a search panel (SearchPanel: Edt_Search and the
// "찾기" button SearchBtn) that the caller shows when the window searches by itself. 선택 stays
// disabled until a row is current; a click or a key in the grid makes one current, Enter there
// moves the focus to 선택. Captions from the caption file's [ZipCodeForm]. The table is not
// owned and must outlive the window.
class TZipCodeForm : public QDialog {
    Q_OBJECT
public:
    TZipCodeForm(
        const CaptionFile &captions, const PostalCodeTable &table, QWidget *parent = nullptr);

    void setSearchPanelVisible(bool visible);
    bool isSearchPanelVisible() const;

    // Shows rows found elsewhere (the record entry window runs its own search).
    void setAreas(const QList<PostalArea> &areas);
    const QList<PostalArea> &areas() const { return mAreas; }

    // The address search of the panel: every area whose address contains text. None found:
    // the message "우편번호를 찾을 수 없습니다." and an empty grid. Returns the number found.
    int search(const QString &text);

    // After 선택: the postal code and address of the current row; empty otherwise.
    QString chosenZipCode() const { return mChosen.zipCode; }
    QString chosenAddress() const { return mChosen.address; }

    void accept() override;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void currentRowChanged();

    const PostalCodeTable &mTable;
    QList<PostalArea> mAreas;
    PostalArea mChosen;
    QString mCaption;
    QString mNotFound;
    QWidget *mPanel = nullptr;
    QLineEdit *mSearchText = nullptr;
    QPushButton *mSearch = nullptr;
    QTableWidget *mGrid = nullptr;
    QPushButton *mSelect = nullptr;
    QPushButton *mCancel = nullptr;
};

} // namespace quill
