// Tests the caption file reader and the Korean caption file shipped in resources/label.dat.
#include "shell/CaptionFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using quill::CaptionFile;

namespace {

QString shippedPath()
{
    return QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat");
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Every section and key the program reads from the caption file, keys separated by blanks.
// The numbered lists (Items1.., item1.., the IndexAudioLabel codes) are checked separately.
const char *const kInventory[][2] = {
    {"MenuCaption", "MainForm"},
    {"MainMessage",
        "FileSave FileSaveCaption SaveTitle FileApply FileApplyCaption FileNotFound DeletePage "
        "DeletePageCaption CopyError MoveCopyError SelectError FontError StatusLabelCaption "
        "StatusLabelNo StatusRow StatusColume StatusLabelNum QuillCD QuillCDCaption PrintAreaOut "
        "PrintAreaOutCaption"},
    {"FontName", "FontName FontSize"},
    {"ShapeCombo",
        "ItemsCount mstRectangle mstRoundRect mstEllipse mstCircle mstLine mstDLine mstVLine "
        "mstTransparent"},
    {"OpenSave", "FileExe FileFilter"},
    {"OPENHANDLE", "HANDLE"},
    {"LabelType", "FileLabel itemcount ItemCount"},
    {"PaperType", "itemcount"},
    {"IndexAudioLabel", "IndexAudioLabel"},
    {"LabelKind", "BusinessCard"},
    {"Spectype", "SpecName type"},
    {"NewModify",
        "Caption LabelType LabelSize LabelWidth LabelHeight LabelCount PaperType SetLabel TopGap "
        "LeftGap BottomGap ColsNo RowsNo RowGap ColGap roundGap ViewLabel"},
    {"Common", "AddBtn ModifyBtn MOdifyBtn UserBtn"},
    {"PreviewFrm",
        "FormCaption PrintBtn PrePageBtn NextPageBtn FirstPageBtn LastPageBtn ZoomUpBtn "
        "ZoomDownBtn CloseBtn Label1 ZoomList PageBtn"},
    {"SelectPrintPage",
        "Form PrintRange PrintOption1 Items0 Items1 Items2 LeftMargin TopMargin StaticText2 OKBtn "
        "CancelBtn"},
    {"SerialNumm", "fCaption"},
    {"LineSetForm", "FormCaption LineWidth OkBtn CancelBtn"},
    {"FieldADDModify", "ADDMode ModifyMode GroupADD GroupModify"},
    {"DBAdmin", "OpenDBFilter DelData DelDataCaption DelXLS DelXLSCaption Number Record"},
    {"CreateDB", "PostBox AddressBox AddressBox1"},
    {"Option", "Language dbnull"},
    {"Help", "HelpPath DBHelp Barcode1DHelp Barcode2DHelp"},
    {"About",
        "Caption Closebtn CopyRight HomePage URL Update Version A_ADDR A_CALL A_EMAIL A_FAX A_TEL "
        "A_URL1 A_URL2 B_ADDR B_CALL B_FAX B_TEL C_CALL C_URL CollectCall Online_URL "
        "QuillLabel_URL"},
    {"Update", "URL VersionFile KeyName"},
    // The toolbar hints in the order the main window applies them (ShapeComboBox twice).
    {"ButtonHint",
        "TextBtn ImgBtn GrdtBtn WordArtBtn SerialNoBtn BarcodeBtn Barcode2DBtn ZipBtn LineBtn "
        "DLineBtn VLineBtn RoundRectBtn RectBtn EllipseBtn LineColorBtn FillColorBtn LineThickBtn "
        "LineStyleBtn FontName FontSize UnderlineBtn ItalicBtn BoldBtn FontColorBtn l_alignBtn "
        "C_alignBtn R_alignBtn Obj_LeftAlignBtn Obj_RightAlignBtn Obj_TopAlignBtn ShapeComboBox "
        "ShapeComboBox NewBtn OpenBtn SaveBtn CutBtn CopyBtn PasteBtn PreviewBtn PrintBtn "
        "ZoominBtn ZoomOutBtn ZoomPercentBox DBManageBtn DBMakeBtn DBOpenBtn L_RotateBtn "
        "R_RotateBtn LR_FlipBtn UD_FlipBtn bringToFrontBtn sendToBackBtn toBringBtn toBackBtn "
        "GaroBtn SeroBtn HomepageBtn HelpBtn RondelBtn"},
};

// The items item1..itemN (or Items1..ItemsN) of a numbered list; empty when the count is bad.
QStringList numberedItems(
    const CaptionFile &file, const QString &section, const QString &countKey, const QString &prefix)
{
    bool ok = false;
    const int count = file.read(section, countKey).toInt(&ok);
    QStringList items;
    for (int i = 1; ok && i <= count; ++i)
        items.append(file.read(section, prefix + QString::number(i), CaptionFile::Missing::Null));
    return items;
}

} // namespace

class TestCaptionFile : public QObject {
    Q_OBJECT

    QTemporaryDir mDir;
    CaptionFile mShipped;

private slots:
    void initTestCase()
    {
        QVERIFY(mDir.isValid());
        mShipped = CaptionFile(shippedPath());
        QVERIFY2(mShipped.exists(), qPrintable(shippedPath()));
    }

    // The reader.
    void missingValueByReader_data()
    {
        QTest::addColumn<bool>("fileExists");
        QTest::addColumn<int>("reader");
        QTest::addColumn<QString>("expected");
        const struct {
            int reader;
            QString value;
        } readers[] = {{int(CaptionFile::Missing::Zero), u"0"_s},
            {int(CaptionFile::Missing::Null), u"Null"_s},
            {int(CaptionFile::Missing::Blank), u" "_s}};
        for (const auto &r : readers) {
            QTest::addRow("no file, reader %d", r.reader) << false << r.reader << r.value;
            QTest::addRow("no key, reader %d", r.reader) << true << r.reader << r.value;
        }
    }

    void missingValueByReader()
    {
        QFETCH(bool, fileExists);
        QFETCH(int, reader);
        QFETCH(QString, expected);
        const QString path = mDir.filePath(u"missing.dat"_s);
        QFile::remove(path);
        if (fileExists)
            QVERIFY(writeBytes(path, "[MenuCaption]\r\nOther=x\r\n"));
        const CaptionFile file(path);
        QCOMPARE(file.exists(), fileExists);
        const auto missing = CaptionFile::Missing(reader);
        QCOMPARE(file.read(u"MenuCaption"_s, u"MainForm"_s, missing), expected);
        QCOMPARE(file.read(u"NoSection"_s, u"MainForm"_s, missing), expected);
        QVERIFY(!file.contains(u"MenuCaption"_s, u"MainForm"_s));
    }

    void lookup_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exact") << u"MainMessage"_s << u"FileSave"_s << u"저장할까요?"_s;
        QTest::newRow("section case") << u"MAINMESSAGE"_s << u"FileSave"_s << u"저장할까요?"_s;
        QTest::newRow("key case") << u"MainMessage"_s << u"filesave"_s << u"저장할까요?"_s;
        QTest::newRow("first of two in a section") << u"Common"_s << u"MOdifyBtn"_s << u"수정"_s;
        QTest::newRow("first of repeated section") << u"Common"_s << u"AddBtn"_s << u"추가"_s;
        QTest::newRow("later section adds keys") << u"common"_s << u"UserBtn"_s << u"사용자"_s;
        QTest::newRow("blanks around key and value") << u"Spaced"_s << u"Key"_s << u"a b"_s;
        QTest::newRow("empty value") << u"Spaced"_s << u"Empty"_s << QString();
        QTest::newRow("quotes kept") << u"Spaced"_s << u"Quoted"_s << u"\"x\""_s;
        QTest::newRow("comment is no entry") << u"Spaced"_s << u";Note"_s << u"0"_s;
        QTest::newRow("entry before any section") << QString() << u"Loose"_s << u"0"_s;
        QTest::newRow("UHC-only syllable") << u"Spaced"_s << u"Uhc"_s << u"똠방각하"_s;
    }

    void lookup()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString path = mDir.filePath(u"lookup.dat"_s);
        const QByteArray text = "Loose=1\r\n[MainMessage]\r\nFileSave="
            + quill::toCp949(u"저장할까요?"_s) + "\r\n[Common]\r\nModifyBtn="
            + quill::toCp949(u"수정"_s) + "\r\nMODIFYBTN=x\r\nAddBtn=" + quill::toCp949(u"추가"_s)
            + "\r\n\r\n[Spaced]\r\n  Key  =  a b  \r\nEmpty=\r\n"
            + "Quoted=\"x\"\r\n;Note=y\r\nUhc=\x8c\x63\xb9\xe6\xb0\xa2\xc7\xcf\r\n"
            + "[COMMON]\r\nAddBtn=y\r\nUserBtn=" + quill::toCp949(u"사용자"_s) + "\n";
        QVERIFY(writeBytes(path, text));
        const CaptionFile file(path);
        QCOMPARE(file.read(section, key), expected);
        QCOMPARE(file.keys(u"common"_s), (QStringList {u"ModifyBtn"_s, u"AddBtn"_s, u"UserBtn"_s}));
    }

    void longValueIsCut()
    {
        const QString path = mDir.filePath(u"long.dat"_s);
        const QString value = QString(150, u'가') + QString(150, u'x');
        QVERIFY(writeBytes(path, "[MenuCaption]\r\nMainForm=" + quill::toCp949(value) + "\r\n"));
        const QString read = CaptionFile(path).read(u"MenuCaption"_s, u"MainForm"_s);
        QCOMPARE(int(read.size()), CaptionFile::MaxValueLength);
        QCOMPARE(read, value.left(254));
    }

    void cp949RoundTrip()
    {
        // 똠 exists only in the Unified Hangul Code extension of CP949, not in EUC-KR.
        QCOMPARE(quill::toCp949(u"똠"_s), QByteArray("\x8c\x63"));
        QCOMPARE(quill::toCp949(u"가A"_s), QByteArray::fromHex("b0a141"));
        QCOMPARE(quill::fromCp949("\x8c\x63\xb0\xa1"), u"똠가"_s);
        const QString mixed = u"라벨 똠 ① ㈜ 漢字 Label 123"_s;
        QCOMPARE(quill::fromCp949(quill::toCp949(mixed)), mixed);
        QVERIFY(quill::fitsCp949(mixed));
        QVERIFY(!quill::fitsCp949(u"라벨 😀"_s));
        QCOMPARE(quill::toCp949(u"a😀"_s), QByteArray("a?"));
    }

    void writeEntry_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QByteArray>("after");
        const QByteArray base
            = "; caption file\r\n[Menu]\r\nA=1\r\n\r\n[OPENHANDLE]\r\nHANDLE=0\r\n"
              "Other=x\r\n\r\n[Tail]\r\nB=2\r\n";
        QTest::newRow("replace keeps every other byte")
            << base << u"openhandle"_s << u"handle"_s
            << QByteArray("; caption file\r\n[Menu]\r\nA=1\r\n\r\n[OPENHANDLE]\r\nhandle=12345\r\n"
                          "Other=x\r\n\r\n[Tail]\r\nB=2\r\n");
        QByteArray added = base;
        added.replace("Other=x\r\n", "Other=x\r\nNew=12345\r\n");
        QTest::newRow("add after the section's last entry")
            << base << u"OPENHANDLE"_s << u"New"_s << added;
        QTest::newRow("new section at the end")
            << base << u"Fresh"_s << u"K"_s << base + "[Fresh]\r\nK=12345\r\n";
        QTest::newRow("first of repeated sections")
            << QByteArray("[S]\nA=1\n[T]\nC=3\n[S]\nB=2\n") << u"S"_s << u"B"_s
            << QByteArray("[S]\nA=1\nB=12345\n[T]\nC=3\n[S]\nB=2\n");
        QTest::newRow("missing file") << QByteArray() << u"OPENHANDLE"_s << u"HANDLE"_s
                                      << QByteArray("[OPENHANDLE]\nHANDLE=12345\n");
    }

    void writeEntry()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QByteArray, after);
        const QString path = mDir.filePath(u"write.dat"_s);
        QFile::remove(path);
        if (!before.isEmpty())
            QVERIFY(writeBytes(path, before));
        CaptionFile file(path);
        QVERIFY(file.write(section, key, u"12345"_s));
        QCOMPARE(readBytes(path), after);
        QCOMPARE(file.read(section, key), u"12345"_s);
        QCOMPARE(CaptionFile(path).read(section, key), u"12345"_s);
    }

    void writeRefusesWhatCannotBeStored_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("value injecting a section")
            << u"OPENHANDLE"_s << u"HANDLE"_s << u"1\r\n[MainMessage]\r\nFileSave=x"_s;
        QTest::newRow("line feed in key") << u"OPENHANDLE"_s << u"HAN\nDLE"_s << u"1"_s;
        QTest::newRow("equals sign in key") << u"OPENHANDLE"_s << u"A=B"_s << u"1"_s;
        QTest::newRow("empty key") << u"OPENHANDLE"_s << u" "_s << u"1"_s;
        QTest::newRow("bracket in section") << u"OPEN]HANDLE"_s << u"HANDLE"_s << u"1"_s;
        QTest::newRow("outside CP949") << u"OPENHANDLE"_s << u"HANDLE"_s << u"😀"_s;
    }

    void writeRefusesWhatCannotBeStored()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QString path = mDir.filePath(u"refuse.dat"_s);
        const QByteArray before = "[OPENHANDLE]\r\nHANDLE=0\r\n";
        QVERIFY(writeBytes(path, before));
        CaptionFile file(path);
        QVERIFY(!file.write(section, key, value));
        QCOMPARE(readBytes(path), before);
    }

    void writeKeepsUnreadableFile()
    {
        const QString path = mDir.filePath(u"unreadable.dat"_s);
        const QByteArray before = "[MenuCaption]\r\nMainForm=x\r\n[OPENHANDLE]\r\nHANDLE=0\r\n";
        QVERIFY(writeBytes(path, before));
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly)) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QSKIP("file permissions do not stop this user from reading");
        }
        CaptionFile file(path);
        QVERIFY(!file.write(u"OPENHANDLE"_s, u"HANDLE"_s, u"5"_s));
        QVERIFY(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(readBytes(path), before);
    }

    void splitList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("rest");
        QTest::newRow("first of three") << u"a,b,c"_s << QChar(u',') << u"a"_s << u"b,c"_s;
        QTest::newRow("no separator") << u"abc"_s << QChar(u',') << u"abc"_s << QString();
        QTest::newRow("empty text") << QString() << QChar(u',') << QString() << QString();
        QTest::newRow("leading separator") << u",QL-1,"_s << QChar(u',') << QString() << u"QL-1,"_s;
        QTest::newRow("trailing separator") << u"0.3,"_s << QChar(u',') << u"0.3"_s << QString();
        QTest::newRow("empty item between") << u",,x"_s << QChar(u',') << QString() << u",x"_s;
        QTest::newRow("semicolon list")
            << u"이름;문자;20"_s << QChar(u';') << u"이름"_s << u"문자;20"_s;
    }

    void splitList()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(QString, item);
        QFETCH(QString, rest);
        const quill::ListSplit split = quill::splitList(text, separator);
        QCOMPARE(split.item, item);
        QCOMPARE(split.rest, rest);
    }

    // The shipped caption file.
    void shippedFileIsCp949()
    {
        const QByteArray bytes = readBytes(shippedPath());
        const QString text = quill::fromCp949(bytes);
        QVERIFY2(!text.contains(QChar::ReplacementCharacter), "bytes that are not CP949");
        QCOMPARE(quill::toCp949(text), bytes);
        QVERIFY(text.contains(u"라벨"_s));
        // A file saved as UTF-8 by mistake would also decode above, as the wrong Hangul.
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString asUtf8 = utf8(bytes);
        QVERIFY2(utf8.hasError(), "the caption file is stored as UTF-8, not CP949");
        Q_UNUSED(asUtf8);
    }

    void shippedValuesFitTheReader()
    {
        // The Windows profile reader cut values at 254 bytes of the code page, ours at 254
        // characters: a value within 254 bytes reads whole under both.
        const QList<QByteArray> lines = readBytes(shippedPath()).split('\n');
        for (const QByteArray &line : lines) {
            const int eq = line.indexOf('=');
            if (eq < 0 || line.startsWith('['))
                continue;
            const QByteArray value = line.mid(eq + 1).trimmed();
            QVERIFY2(value.size() <= CaptionFile::MaxValueLength, line.left(eq).constData());
        }
    }

    void inventoryKeyPresent_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        int hints = 0;
        for (const auto &row : kInventory) {
            const QString section = QString::fromLatin1(row[0]);
            const QStringList keys = QString::fromLatin1(row[1]).split(u' ');
            for (const QString &key : keys)
                QTest::addRow("%s/%s", row[0], qPrintable(key)) << section << key;
            if (section == u"ButtonHint"_s)
                hints = int(keys.size());
        }
        QCOMPARE(hints, 59); // 58 toolbar controls, the shape box read twice
    }

    void inventoryKeyPresent()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QVERIFY2(mShipped.contains(section, key), "missing from label.dat");
        QVERIFY2(!mShipped.read(section, key).isEmpty(), "empty in label.dat");
    }

    void numberedLists_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("countKey");
        QTest::addColumn<QString>("prefix");
        QTest::newRow("shape box") << u"ShapeCombo"_s << u"ItemsCount"_s << u"Items"_s;
        QTest::newRow("label families") << u"LabelType"_s << u"itemcount"_s << u"item"_s;
        QTest::newRow("label families, new job spelling")
            << u"LabelType"_s << u"ItemCount"_s << u"item"_s;
        QTest::newRow("paper kinds") << u"PaperType"_s << u"itemcount"_s << u"item"_s;
    }

    void numberedLists()
    {
        QFETCH(QString, section);
        QFETCH(QString, countKey);
        QFETCH(QString, prefix);
        const QStringList items = numberedItems(mShipped, section, countKey, prefix);
        QVERIFY2(items.size() >= 2, "count missing or too small");
        for (int i = 0; i < items.size(); ++i) {
            QVERIFY2(items[i] != u"Null"_s && !items[i].isEmpty(),
                qPrintable(prefix + QString::number(i + 1)));
            QCOMPARE(int(items.count(items[i])), 1);
        }
    }

    void shapeBoxItemsNameShapeKinds()
    {
        // Picking an item changes a shape only when the text equals a shape kind's caption.
        const QStringList kinds = {u"mstLine"_s, u"mstDLine"_s, u"mstVLine"_s, u"mstRoundRect"_s,
            u"mstEllipse"_s, u"mstCircle"_s, u"mstRectangle"_s, u"mstTransparent"_s};
        QStringList captions;
        for (const QString &kind : kinds)
            captions.append(mShipped.read(u"ShapeCombo"_s, kind));
        QStringList items = numberedItems(mShipped, u"ShapeCombo"_s, u"ItemsCount"_s, u"Items"_s);
        for (const QString &caption : std::as_const(captions)) {
            QCOMPARE(int(captions.count(caption)), 1);
            QCOMPARE(caption, caption.trimmed());
        }
        items.sort();
        captions.sort();
        QCOMPARE(items, captions);
    }

    void productKindsAreFamilies()
    {
        const QStringList families
            = numberedItems(mShipped, u"LabelType"_s, u"itemcount"_s, u"item"_s);
        QVERIFY(families.contains(mShipped.read(u"LabelType"_s, u"FileLabel"_s)));
        QVERIFY(families.contains(mShipped.read(u"LabelKind"_s, u"BusinessCard"_s)));
        QVERIFY(
            families.contains(u"사용자 정의"_s)); // preselected by the user-defined paper dialog
    }

    void innerCutOutlines()
    {
        const QString list = mShipped.read(u"IndexAudioLabel"_s, u"IndexAudioLabel"_s);
        QVERIFY(list.startsWith(u',') && list.endsWith(u','));
        QStringList codes;
        for (quill::ListSplit s = quill::splitList(list.mid(1), u','); !s.item.isEmpty();
             s = quill::splitList(s.rest, u','))
            codes.append(s.item);
        QVERIFY(codes.size() >= 2);
        for (const QString &code : std::as_const(codes)) {
            QVERIFY2(list.contains(u',' + code + u','), qPrintable(code));
            const QStringList parts = mShipped.read(u"IndexAudioLabel"_s, code).split(u',');
            QVERIFY2(parts.size() == 6, qPrintable(code));
            double v[6];
            for (int i = 0; i < 6; ++i) {
                bool ok = false;
                v[i] = parts[i].toDouble(&ok);
                QVERIFY2(ok && v[i] >= 0, qPrintable(code + u' ' + parts[i]));
            }
            QVERIFY2(v[2] > 0 && v[3] > 0 && v[5] > 0, qPrintable(code)); // box size and pen
        }
    }

    void fixedSettings_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("catalogue base name") << u"Spectype"_s << u"SpecName"_s << u"spec"_s;
        QTest::newRow("catalogue extension") << u"Spectype"_s << u"type"_s << u"db"_s;
        QTest::newRow("window handle") << u"OPENHANDLE"_s << u"HANDLE"_s << u"0"_s;
        QTest::newRow("postal lookup language") << u"Option"_s << u"Language"_s << u"kor"_s;
        QTest::newRow("document extension") << u"OpenSave"_s << u"FileExe"_s << u"qbl"_s;
        QTest::newRow("font") << u"FontName"_s << u"FontName"_s << u"굴림"_s;
        QTest::newRow("font size") << u"FontName"_s << u"FontSize"_s << u"10"_s;
        QTest::newRow("postal code field") << u"CreateDB"_s << u"PostBox"_s << u"우편번호"_s;
    }

    void fixedSettings()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        QCOMPARE(mShipped.read(section, key), expected);
    }

    void formatPlaceholders_data()
    {
        QTest::addColumn<QString>("key");
        QTest::newRow("missing data file") << u"FileNotFound"_s;
        QTest::newRow("font not installed") << u"FontError"_s;
        QTest::newRow("outside the printable area") << u"PrintAreaOut"_s;
    }

    void formatPlaceholders()
    {
        // These texts are formatted with exactly one string argument.
        QFETCH(QString, key);
        const QString text = mShipped.read(u"MainMessage"_s, key);
        QCOMPARE(int(text.count(u"%s"_s)), 1);
        QCOMPARE(int(text.count(u'%')), 1);
    }

    void fileFilters_data()
    {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QStringList>("patterns");
        QTest::newRow("documents") << u"OpenSave"_s << u"FileFilter"_s << QStringList {u"*.qbl"_s};
        QTest::newRow("data lists")
            << u"DBAdmin"_s << u"OpenDBFilter"_s
            << QStringList {u"*.mdb"_s, u"*.accdb"_s, u"*.xls"_s, u"*.xlsx"_s, u"*.ods"_s, u"*.db"_s, u"*.dbf"_s,
                   u"*.txt"_s, u"*.csv"_s, u"*.sqlite"_s, u"*.db3"_s};
    }

    void fileFilters()
    {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QStringList, patterns);
        // "description|pattern;pattern|description|pattern..."
        const QStringList parts = mShipped.read(section, key).split(u'|');
        QCOMPARE(int(parts.size() % 2), 0);
        QStringList offered;
        for (int i = 1; i < parts.size(); i += 2) {
            QVERIFY(!parts[i - 1].trimmed().isEmpty());
            offered += parts[i].split(u';');
        }
        for (const QString &pattern : std::as_const(patterns))
            QVERIFY2(offered.contains(pattern), qPrintable(pattern));
        if (key == u"FileFilter"_s)
            QVERIFY(offered.contains(u"*."_s + mShipped.read(u"OpenSave"_s, u"FileExe"_s)));
    }

    void statusTextReadsWell()
    {
        const auto msg = [this](const char *key) {
            return mShipped.read(u"MainMessage"_s, QString::fromLatin1(key));
        };
        const QString text = u" "_s + msg("StatusLabelCaption")
            + u" : 주소라벨 (63.5 * 38.1 mm)    "_s + msg("StatusLabelNo") + u" : 7 ("_s
            + msg("StatusRow") + u") * 3 ("_s + msg("StatusColume") + u") = 21 "_s
            + msg("StatusLabelNum");
        QCOMPARE(
            text, u" 라벨종류 : 주소라벨 (63.5 * 38.1 mm)    라벨수 : 7 (행) * 3 (열) = 21 개"_s);
    }
};

QTEST_GUILESS_MAIN(TestCaptionFile)
#include "tst_captionfile.moc"
