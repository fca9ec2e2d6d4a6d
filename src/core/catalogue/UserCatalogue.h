// The user's copy of the catalogue: seeded from the installed one and kept up to date with it.
#pragma once

#include "PaperCatalogue.h"
#include "Result.h"

#include <QString>

namespace quill {

class AppFolders;

// The installed catalogue brought together with the user's copy:
// - every installed product, in installed order, except where the user's copy holds a record
//   of the user (Origin "user") with the same code: the user's record takes that place;
// - then every other user record, in the user's order;
// - then the products of the user's copy that the installed catalogue no longer has, so that
//   documents made on them still find their sheet.
// Products delivered with the program thus follow the installed catalogue, and the user's own
// records survive any update of it.
PaperCatalogue mergeCatalogues(const PaperCatalogue &installed, const PaperCatalogue &user);

// Opens the user's catalogue at userPath. When it is missing it is made from the installed
// catalogue; otherwise the two are merged (mergeCatalogues) and the user's file is rewritten
// when the merge changed anything. Without an installed catalogue the user's copy is used as
// it is. A user's copy that exists but cannot be read fails the call and is left untouched, so
// that the user's records are never overwritten by a fresh copy.
Result<PaperCatalogue> openUserCatalogue(const QString &installedPath, const QString &userPath);
// The same for the program's folders: the installed spec.db of the resources and the user's
// copy in the user data folder.
Result<PaperCatalogue> openUserCatalogue(const AppFolders &folders);

// Adds a product of the user to the catalogue and writes the user's copy. Returns the index of
// the new product. Nothing is kept in memory when the write fails.
Result<int> addUserProduct(PaperCatalogue &catalogue, const CatalogueRecord &record,
                           const QString &userPath);

} // namespace quill
