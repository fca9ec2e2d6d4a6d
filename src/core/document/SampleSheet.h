// The sheet the sample document is made on: an A4 sheet of 3 x 7 address labels.
#pragma once

#include "ZR_LabelSize.h"

namespace quill {

// The catalogue record of the sample product, as the catalogue would hand it over.
CatalogueRecord sampleSheetRecord();

} // namespace quill
