// The user's copy of the catalogue: seeded from the installed one and kept up to date with it.
#include "UserCatalogue.h"

#include "shell/AppFolders.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace quill {

namespace {

QString codeKey(const PaperCatalogue &catalogue, int index)
{
    return catalogue.text(index, CatalogueField::Code).toLower();
}

} // namespace

PaperCatalogue mergeCatalogues(const PaperCatalogue &installed, const PaperCatalogue &user)
{
    QHash<QString, int> userRecordByCode; // first user record of each code
    for (int i = 0; i < user.count(); ++i) {
        if (user.isUserRecord(i) && !userRecordByCode.contains(codeKey(user, i)))
            userRecordByCode.insert(codeKey(user, i), i);
    }
    QSet<QString> installedCodes;
    QSet<int> usedUserRows;
    DataTable merged = emptyCatalogueTable();
    for (int i = 0; i < installed.count(); ++i) {
        const QString key = codeKey(installed, i);
        installedCodes.insert(key);
        const auto replacement = userRecordByCode.constFind(key);
        if (replacement != userRecordByCode.constEnd()) {
            merged.rows.append(user.table().rows.at(replacement.value()));
            usedUserRows.insert(replacement.value());
        } else {
            merged.rows.append(installed.table().rows.at(i));
        }
    }
    for (int i = 0; i < user.count(); ++i) {
        if (user.isUserRecord(i) && !usedUserRows.contains(i))
            merged.rows.append(user.table().rows.at(i));
    }
    for (int i = 0; i < user.count(); ++i) {
        if (!user.isUserRecord(i) && !installedCodes.contains(codeKey(user, i)))
            merged.rows.append(user.table().rows.at(i));
    }
    return PaperCatalogue(std::move(merged));
}

namespace {

// Rows compared as the catalogue hands them out (texts), so that a double read back from the
// file equals the one written.
bool sameContent(const PaperCatalogue &a, const PaperCatalogue &b)
{
    if (a.count() != b.count())
        return false;
    for (int i = 0; i < a.count(); ++i) {
        if (a.record(i) != b.record(i))
            return false;
    }
    return true;
}

} // namespace

Result<PaperCatalogue> openUserCatalogue(const QString &installedPath, const QString &userPath)
{
    const bool haveUser = QFileInfo::exists(userPath);
    if (!QFileInfo::exists(installedPath)) {
        if (haveUser)
            return PaperCatalogue::load(userPath);
        return Error{QStringLiteral("라벨 용지 목록(spec.db)을 찾을 수 없습니다."), installedPath};
    }
    Result<PaperCatalogue> installed = PaperCatalogue::load(installedPath);
    if (!installed)
        return installed.error();
    if (!haveUser) {
        QDir().mkpath(QFileInfo(userPath).absolutePath());
        if (Status s = installed.value().save(userPath); !s)
            return s.error();
        return installed;
    }
    Result<PaperCatalogue> user = PaperCatalogue::load(userPath);
    if (!user)
        return user.error();
    PaperCatalogue merged = mergeCatalogues(installed.value(), user.value());
    if (!sameContent(merged, user.value())) {
        if (Status s = merged.save(userPath); !s)
            return s.error();
    }
    return merged;
}

Result<PaperCatalogue> openUserCatalogue(const AppFolders &folders)
{
    const QString installed = QDir(folders.resourceDir()).filePath(QStringLiteral("spec.db"));
    return openUserCatalogue(installed, folders.catalogueFilePath());
}

Result<int> addUserProduct(PaperCatalogue &catalogue, const CatalogueRecord &record,
                           const QString &userPath)
{
    PaperCatalogue changed = catalogue;
    Result<int> index = changed.append(record);
    if (!index)
        return index;
    if (Status s = changed.save(userPath); !s)
        return s.error();
    catalogue = std::move(changed);
    return index;
}

} // namespace quill
