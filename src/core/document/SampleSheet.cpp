#include "SampleSheet.h"

namespace quill {

CatalogueRecord sampleSheetRecord()
{
    return {
        {QStringLiteral("code"), QStringLiteral("QL-2121")},
        {QStringLiteral("p_width"), QStringLiteral("210")},
        {QStringLiteral("p_height"), QStringLiteral("297")},
        {QStringLiteral("L_Columns"), QStringLiteral("3")},
        {QStringLiteral("L_Rows"), QStringLiteral("7")},
        {QStringLiteral("l_margin"), QStringLiteral("7.2")},
        {QStringLiteral("r_margin"), QStringLiteral("7.3")},
        {QStringLiteral("t_margin"), QStringLiteral("15.15")},
        {QStringLiteral("b_margin"), QStringLiteral("15.15")},
        {QStringLiteral("l_width"), QStringLiteral("63.5")},
        {QStringLiteral("l_height"), QStringLiteral("38.1")},
        {QStringLiteral("c_space"), QStringLiteral("2.5")},
        {QStringLiteral("r_space"), QStringLiteral("0")},
        {QStringLiteral("product"), QStringLiteral("주소라벨")},
        {QStringLiteral("Paper"), QStringLiteral("일반용지")},
        {QStringLiteral("c_code"), QStringLiteral("clWhite")},
        {QStringLiteral("Shape"), QStringLiteral("R.Rect")},
        {QStringLiteral("Radios"), QStringLiteral("3")},
    };
}

} // namespace quill
