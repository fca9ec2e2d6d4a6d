// The command table: one row per command of the editor, in EditorCommand order.
#include "EditorActionsTable.h"

#include <Qt>

namespace quill {

namespace {

using C = EditorCommand;
using G = CommandGroup;

// A plain command: caption, optional [ButtonHint] key, icon and shortcut.
constexpr CommandSpec cmd(C id, const char *name, const char16_t *caption, const char *hintKey,
    const char *icon, const char *shortcut = nullptr)
{
    return {id, name, caption, hintKey, nullptr, shortcut, icon, false, false, false, G::None, 0};
}
// The same with a freedesktop theme icon (our own icon of that name is the fallback).
constexpr CommandSpec themed(C id, const char *name, const char16_t *caption, const char *hintKey,
    const char *icon, const char *shortcut = nullptr)
{
    CommandSpec s = cmd(id, name, caption, hintKey, icon, shortcut);
    s.themed = true;
    return s;
}
constexpr CommandSpec checkable(CommandSpec s, bool checked = false, G group = G::None)
{
    s.checkable = true;
    s.checked = checked;
    s.group = group;
    return s;
}
constexpr CommandSpec withData(CommandSpec s, int data, int shape = -1)
{
    s.data = data;
    s.shape = shape;
    return s;
}
constexpr CommandSpec withHint(CommandSpec s, const char16_t *hint)
{
    s.hint = hint;
    return s;
}
// A tool of the left tool bar: object type code and, for shapes, the shape kind.
constexpr CommandSpec tool(C id, const char *name, const char16_t *caption, const char *hintKey,
    const char *icon, int typeCode, int shape = -1)
{
    return withData(
        checkable(cmd(id, name, caption, hintKey, icon), false, G::Tool), typeCode, shape);
}
constexpr CommandSpec zoom(C id, const char *name, const char16_t *caption, int percent)
{
    return withData(cmd(id, name, caption, nullptr, nullptr), percent);
}

constexpr int ShapeTypeCode = 29;

const QList<CommandSpec> table = {
    // File menu
    themed(C::New, "NewBtn", u"새로 만들기", "NewBtn", "document-new", "Ctrl+N"),
    cmd(C::ChangePaper, "mnChangePaper", u"라벨용지 바꾸기", nullptr, "change-paper", "Ctrl+R"),
    themed(C::Open, "OpenBtn", u"불러오기", "OpenBtn", "document-open", "Ctrl+O"),
    themed(C::Save, "SaveBtn", u"저장하기", "SaveBtn", "document-save", "Ctrl+S"),
    themed(C::SaveAs, "mnSaveAs", u"다른 이름으로 저장하기", nullptr, "document-save-as",
        "Ctrl+Shift+S"),
    themed(C::Preview, "PreviewBtn", u"미리보기", "PreviewBtn", "document-print-preview"),
    themed(C::Print, "PrintBtn", u"인쇄", "PrintBtn", "document-print", "Ctrl+P"),
    themed(C::Settings, "mnSettings", u"환경설정", nullptr, "preferences-system"),
    cmd(C::DiscLabel, "RondelBtn", u"CD 라벨 프로그램 실행", "RondelBtn", "disc-label"),
    themed(C::Exit, "mnExit", u"끝내기", nullptr, "application-exit", "Ctrl+Q"),

    // Edit menu
    themed(C::Undo, "mnUndo", u"되돌리기", nullptr, "edit-undo", "Ctrl+Z"),
    themed(C::Redo, "mnRedo", u"다시하기", nullptr, "edit-redo", "Ctrl+Shift+Z"),
    themed(C::Cut, "CutBtn", u"잘라내기", "CutBtn", "edit-cut", "Ctrl+X"),
    themed(C::Copy, "CopyBtn", u"복사하기", "CopyBtn", "edit-copy", "Ctrl+C"),
    themed(C::Paste, "PasteBtn", u"붙여넣기", "PasteBtn", "edit-paste", "Ctrl+V"),
    themed(C::SelectAll, "N18", u"전체선택", nullptr, "edit-select-all", "Ctrl+A"),
    themed(C::Delete, "mnDelete", u"지우기", nullptr, "edit-delete", "Ctrl+D"),
    themed(C::Properties, "mnProperties", u"속성", nullptr, "document-properties"),
    themed(C::PictureSize, "N105", u"원본 크기로", nullptr, "zoom-original"),

    // View menu
    zoom(C::Zoom140, "N1401", u"140", 140),
    zoom(C::Zoom180, "N1801", u"180", 180),
    zoom(C::Zoom200, "N2001", u"200", 200),
    zoom(C::Zoom250, "N2501", u"250", 250),
    zoom(C::Zoom300, "N3001", u"300", 300),
    zoom(C::Zoom80, "N801", u"80", 80),
    zoom(C::Zoom60, "N601", u"60", 60),
    withData(
        themed(C::Zoom100, "N1001", u"원본크기로(100%)", nullptr, "zoom-original", "Ctrl+0"), 100),
    themed(C::ZoomIn, "ZoominBtn", u"한 단계 확대", "ZoominBtn", "zoom-in", "Ctrl++"),
    themed(C::ZoomOut, "ZoomOutBtn", u"한 단계 축소", "ZoomOutBtn", "zoom-out", "Ctrl+-"),
    checkable(cmd(C::ShowTopToolBar, "mnTopTools", u"상단도구바", nullptr, nullptr), true),
    checkable(cmd(C::ShowFormatToolBar, "mnStyleTools", u"서식모음", nullptr, nullptr), true),
    checkable(cmd(C::ShowLeftToolBar, "mnLeftTools", u"왼쪽도구바", nullptr, nullptr), true),
    checkable(cmd(C::RulerInch, "mnInch", u"인치", nullptr, nullptr), false, G::RulerUnit),
    checkable(
        cmd(C::RulerMillimetre, "mnMilimeter", u"미리", nullptr, nullptr), true, G::RulerUnit),
    checkable(cmd(C::ShowGrid, "mnGrid", u"격자 보기", nullptr, "grid")),
    checkable(cmd(C::ShowOverview, "mnPreview", u"미리보기화면", nullptr, "cell-overview")),

    // Tools: the type code of the object each one places
    withHint(withData(checkable(cmd(C::ToolSelect, "SelectBtn", u"선택", nullptr, "tool-select"),
                          true, G::Tool),
                 0),
        u"개체 선택"),
    tool(C::ToolText, "TextBtn", u"텍스트상자", "TextBtn", "tool-text", 27),
    tool(C::ToolImage, "ImgBtn", u"그림", "ImgBtn", "tool-picture", 24),
    tool(C::ToolBarcode, "BarcodeBtn", u"바코드", "BarcodeBtn", "tool-barcode", 25),
    tool(C::ToolBarcode2D, "Barcode2DBtn", u"2차원 바코드", "Barcode2DBtn", "tool-barcode2d", 26),
    tool(C::ToolZipBarcode, "ZipBtn", u"우편번호 바코드", "ZipBtn", "tool-zipbarcode", 22),
    tool(C::ToolGradient, "grdtBtn", u"그라데이션", "GrdtBtn", "tool-gradient", 23),
    tool(C::ToolWordArt, "WordArtBtn", u"워드아트", "WordArtBtn", "tool-wordart", 30),
    tool(C::ToolSerialNumber, "SerialNoBtn", u"일련번호", "SerialNoBtn", "tool-serial", 32),
    withHint(
        tool(C::ToolTable, "ShapeTableBtn", u"표만들기", nullptr, "tool-table", 33), u"표 만들기"),
    tool(C::ToolLine, "LineBtn", u"사선", "LineBtn", "shape-line", ShapeTypeCode, 0),
    tool(C::ToolDLine, "DLineBtn", u"직선", "DLineBtn", "shape-dline", ShapeTypeCode, 1),
    tool(C::ToolVLine, "VLineBtn", u"세로선", "VLineBtn", "shape-vline", ShapeTypeCode, 2),
    tool(C::ToolRoundRect, "RoundRectBtn", u"둥근사각형", "RoundRectBtn", "shape-roundrect",
        ShapeTypeCode, 4),
    tool(C::ToolRect, "RectBtn", u"사각형", "RectBtn", "shape-rectangle", ShapeTypeCode, 6),
    tool(C::ToolEllipse, "EllipseBtn", u"타원형", "EllipseBtn", "shape-ellipse", ShapeTypeCode, 7),
    tool(C::ToolCircle, "N38", u"원형", nullptr, "shape-circle", ShapeTypeCode, 8),

    // Format menu and tool bar; text alignment values are those objects store
    themed(C::FontDialog, "mnFontStyle", u"글꼴", nullptr, "preferences-desktop-font"),
    checkable(themed(C::Bold, "BoldBtn", u"굵게", "BoldBtn", "format-text-bold")),
    checkable(themed(C::Italic, "ItalicBtn", u"기울임꼴", "ItalicBtn", "format-text-italic")),
    checkable(
        themed(C::Underline, "UnderlineBtn", u"밑줄", "UnderlineBtn", "format-text-underline")),
    cmd(C::FontColor, "FontColorBtn", u"글자 색", "FontColorBtn", "font-color"),
    withData(checkable(themed(C::AlignTextLeft, "l_alignBtn", u"왼쪽", "l_alignBtn",
                           "format-justify-left"),
                 false, G::TextAlign),
        0),
    withData(checkable(themed(C::AlignTextCenter, "C_alignBtn", u"가운데", "C_alignBtn",
                           "format-justify-center"),
                 false, G::TextAlign),
        2),
    withData(checkable(themed(C::AlignTextRight, "R_alignBtn", u"오른쪽", "R_alignBtn",
                           "format-justify-right"),
                 false, G::TextAlign),
        1),
    cmd(C::AlignObjectsLeft, "Obj_LeftAlignBtn", u"왼쪽으로 정렬", "Obj_LeftAlignBtn",
        "align-objects-left"),
    cmd(C::AlignObjectsRight, "Obj_RightAlignBtn", u"오른쪽으로 정렬", "Obj_RightAlignBtn",
        "align-objects-right"),
    cmd(C::AlignObjectsTop, "Obj_TopAlignBtn", u"위쪽으로 정렬", "Obj_TopAlignBtn",
        "align-objects-top"),
    cmd(C::AlignObjectsBottom, "mnObjBottomAlign", u"아래쪽으로 정렬", nullptr,
        "align-objects-bottom"),
    cmd(C::AlignObjectsHCenter, "mnObjLRCenterAlign", u"좌.우 중앙 정렬", nullptr,
        "align-objects-hcenter"),
    cmd(C::AlignObjectsVCenter, "mnObjTBCenterAlign", u"위.아래 중앙 정렬", nullptr,
        "align-objects-vcenter"),
    themed(C::RotateLeft, "L_RotateBtn", u"좌로90도", "L_RotateBtn", "object-rotate-left"),
    themed(C::RotateRight, "R_RotateBtn", u"우로90도", "R_RotateBtn", "object-rotate-right"),
    themed(C::FlipHorizontal, "LR_FlipBtn", u"좌우바꾸기", "LR_FlipBtn", "object-flip-horizontal"),
    themed(C::FlipVertical, "UD_FlipBtn", u"상하바꾸기", "UD_FlipBtn", "object-flip-vertical"),
    checkable(
        cmd(C::Landscape, "GaroBtn", u"가로", "GaroBtn", "orient-landscape"), true, G::Orientation),
    checkable(
        cmd(C::Portrait, "SeroBtn", u"세로", "SeroBtn", "orient-portrait"), false, G::Orientation),
    cmd(C::BringToFront, "bringToFrontBtn", u"개체맨앞으로", "bringToFrontBtn", "order-front"),
    cmd(C::SendToBack, "sendToBackBtn", u"개체맨뒤로", "sendToBackBtn", "order-back"),
    cmd(C::BringForward, "toBringBtn", u"한칸앞으로", "toBringBtn", "order-forward"),
    cmd(C::SendBackward, "toBackBtn", u"한칸뒤로", "toBackBtn", "order-backward"),

    // Line and fill; the width items carry pen widths in pixels (-1: ask for one), the style
    // items Qt pen styles
    cmd(C::LineColor, "LineColorBtn", u"선 색", "LineColorBtn", "line-color"),
    cmd(C::FillColor, "FillColorBtn", u"채우기 색", "FillColorBtn", "fill-color"),
    cmd(C::LineWidth, "LineThickBtn", u"선 굵기", "LineThickBtn", "line-width"),
    cmd(C::LineStyle, "LineStyleBtn", u"선 모양", "LineStyleBtn", "line-style"),
    withData(checkable(cmd(C::LineWidthNone, "muLine0", u"라인 없음", nullptr, nullptr), false,
                 G::LineWidth),
        0),
    withData(
        checkable(cmd(C::LineWidth1, "muLine1", u"1 포인트", nullptr, nullptr), true, G::LineWidth),
        1),
    withData(checkable(
                 cmd(C::LineWidth2, "muLine2", u"2 포인트", nullptr, nullptr), false, G::LineWidth),
        2),
    withData(checkable(
                 cmd(C::LineWidth3, "muLine3", u"3 포인트", nullptr, nullptr), false, G::LineWidth),
        3),
    withData(checkable(
                 cmd(C::LineWidth4, "muLine4", u"4 포인트", nullptr, nullptr), false, G::LineWidth),
        4),
    withData(checkable(cmd(C::LineWidthCustom, "muUseLine", u"사용자 정의", nullptr, nullptr),
                 false, G::LineWidth),
        -1),
    withData(checkable(cmd(C::LineStyleSolid, "muSolidLine", u"실선", nullptr, nullptr), false,
                 G::LineStyle),
        Qt::SolidLine),
    withData(checkable(
                 cmd(C::LineStyleDot, "muDotLine", u"점선", nullptr, nullptr), false, G::LineStyle),
        Qt::DotLine),
    withData(checkable(cmd(C::LineStyleDash, "muDashLine", u"쇄선", nullptr, nullptr), true,
                 G::LineStyle),
        Qt::DashLine),

    // Data list menu
    cmd(C::DataListManage, "DBManageBtn", u"데이터목록 관리", "DBManageBtn", "datalist-manage"),
    cmd(C::DataListOpen, "DBOpenBtn", u"데이터목록 열기", "DBOpenBtn", "datalist-open"),
    cmd(C::DataListMake, "DBMakeBtn", u"데이터목록 만들기", "DBMakeBtn", "datalist-make"),

    // Help menu; the product information item is titled by the caption file
    themed(C::Help, "HelpBtn", u"도움말", "HelpBtn", "help-contents", "F1"),
    themed(C::OnlineSupport, "mnOnlineSupport", u"온라인 고객지원", nullptr, "help-faq"),
    themed(
        C::InternetService, "mnInternetService", u"인터넷 서비스", nullptr, "internet-web-browser"),
    themed(C::Homepage, "HomepageBtn", u"홈페이지", "HomepageBtn", "go-home"),
    themed(C::CheckUpdate, "mnCheckUpdate", u"업데이트 확인", nullptr, "system-software-update"),
    themed(C::Contact, "mnContact", u"문의처", nullptr, "contact-new"),
    [] {
        CommandSpec s = themed(C::About, "mnAbout", u"QuillLabel 정보", nullptr, "help-about");
        s.captionSection = "About";
        s.captionKey = "Caption";
        return s;
    }(),
};

} // namespace

const QList<CommandSpec> &commandTable()
{
    return table;
}

const CommandSpec &commandSpec(EditorCommand id)
{
    // The table is in EditorCommand order (the tests check it), so the id is the index.
    return table.at(int(id));
}

} // namespace quill
