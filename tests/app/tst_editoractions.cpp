// The editor's action set on a window of its own: captions, hints, accessible names, shortcuts,
// icons, enabled states, tool groups and the tool bar switches of the View menu.
#include "editor/EditorActions.h"

#include "shell/CaptionFile.h"

#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QFontComboBox>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSet>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using namespace quill;
using C = EditorCommand;

namespace {

const QString shippedCaptions = QStringLiteral(QUILL_SOURCE_RESOURCE_DIR "/label.dat");

// A main window with the action set installed, as the editor's main window will hold it.
struct Fixture {
    explicit Fixture(const QString &captionPath)
        : captions(captionPath), actions(new EditorActions(captions, &window))
    {
        actions->install(&window);
    }
    CaptionFile captions;
    QMainWindow window;
    EditorActions *actions;
};

bool isMissingValue(const QString &text)
{
    return text == QStringLiteral("0") || text == QStringLiteral("Null")
        || text.trimmed().isEmpty();
}

// Every action of the menu bar with its menu path, submenus included.
void collectMenuActions(QMenu *menu, const QString &path, QList<QPair<QString, QAction *>> &out)
{
    for (QAction *a : menu->actions()) {
        if (a->isSeparator())
            continue;
        const QString here = path + u'/' + a->text();
        out.append({here, a});
        if (a->menu())
            collectMenuActions(a->menu(), here, out);
    }
}

QList<QPair<QString, QAction *>> menuActions(const QMainWindow &window)
{
    QList<QPair<QString, QAction *>> out;
    for (QAction *top : window.menuBar()->actions()) {
        out.append({top->text(), top});
        collectMenuActions(top->menu(), top->text(), out);
    }
    return out;
}

QList<QToolBar *> toolBars(const Fixture &f)
{
    return {f.actions->topToolBar(), f.actions->formatToolBar(), f.actions->leftToolBar()};
}

// A caption file written in the Korean code page.
QString writeCaptionFile(const QTemporaryDir &dir, const QString &text)
{
    const QString path = dir.filePath(QStringLiteral("label.dat"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toCp949(text)) < 0)
        return {};
    return path;
}

// Captures the SVG module's complaints about a file it cannot fully draw.
QStringList svgWarnings;
void collectSvgWarnings(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtDebugMsg
        && QByteArray(context.category ? context.category : "").startsWith("qt.svg"))
        svgWarnings << text;
}

} // namespace

class EditorActionsTest : public QObject {
    Q_OBJECT
private slots:
    void tableIsInCommandOrderWithUniqueNames()
    {
        const QList<CommandSpec> &table = commandTable();
        QCOMPARE(table.size(), EditorCommandCount);
        QSet<QString> names;
        for (int i = 0; i < table.size(); ++i) {
            QCOMPARE(int(table.at(i).id), i);
            const QString name = QString::fromLatin1(table.at(i).name);
            QVERIFY2(!names.contains(name), qPrintable(name));
            names.insert(name);
        }
    }

    // Every hint key of the table exists in the shipped caption file, and every hint of the
    // caption file belongs to a button or control: a misspelt key would show the default text.
    void hintKeysMatchTheShippedCaptionFile()
    {
        const CaptionFile captions(shippedCaptions);
        QVERIFY(captions.exists());
        QSet<QString> used {QStringLiteral("fontname"), QStringLiteral("fontsize"),
            QStringLiteral("shapecombobox"), QStringLiteral("zoompercentbox")};
        for (const CommandSpec &spec : commandTable()) {
            if (!spec.hintKey)
                continue;
            const QString key = QString::fromLatin1(spec.hintKey);
            QVERIFY2(captions.contains(QStringLiteral("ButtonHint"), key), qPrintable(key));
            used.insert(key.toLower());
        }
        for (const QString &key : captions.keys(QStringLiteral("ButtonHint")))
            QVERIFY2(used.contains(key.toLower()), qPrintable(key));
    }

    void everyItemAndControlHasCaptionAndAccessibleName_data()
    {
        QTest::addColumn<QString>("captionText");
        QTest::newRow("shipped caption file") << QString();
        QTest::newRow("no caption file") << QStringLiteral("<none>");
        QTest::newRow("blank and missing hints") << QStringLiteral(
            "[ButtonHint]\nNewBtn=\nOpenBtn=   \nFontName=\n[About]\nCaption=\n[ShapeCombo]\n"
            "ItemsCount=3\nItems1=사선\n");
    }
    void everyItemAndControlHasCaptionAndAccessibleName()
    {
        QFETCH(QString, captionText);
        QTemporaryDir dir;
        QString path = shippedCaptions;
        if (captionText == QStringLiteral("<none>"))
            path = dir.filePath(QStringLiteral("label.dat"));
        else if (!captionText.isEmpty())
            path = writeCaptionFile(dir, captionText);
        Fixture f(path);

        const auto items = menuActions(f.window);
        QVERIFY(items.size() > 100);
        for (const auto &[where, action] : items) {
            const QString text = QString(action->text()).remove(u'&');
            QVERIFY2(!isMissingValue(text), qPrintable(where));
            if (action->menu())
                QVERIFY2(!isMissingValue(action->menu()->accessibleName()), qPrintable(where));
        }
        for (QToolBar *bar : toolBars(f)) {
            QVERIFY(!isMissingValue(bar->accessibleName()));
            for (QAction *a : bar->actions()) {
                if (a->isSeparator())
                    continue;
                QWidget *w = bar->widgetForAction(a);
                QVERIFY(w);
                const QString where = bar->objectName() + u'/' + w->objectName();
                QVERIFY2(!isMissingValue(w->accessibleName()), qPrintable(where));
                QVERIFY2(!isMissingValue(w->toolTip()), qPrintable(where));
                if (auto *button = qobject_cast<QToolButton *>(w))
                    QVERIFY2(!button->icon().isNull(), qPrintable(where));
            }
        }
        // The shape box shows only entries the file holds.
        for (int i = 0; i < f.actions->shapeComboBox()->count(); ++i)
            QVERIFY(!isMissingValue(f.actions->shapeComboBox()->itemText(i)));
    }

    void hintsAndCaptionsComeFromTheCaptionFile()
    {
        QTemporaryDir dir;
        Fixture f(writeCaptionFile(dir,
            QStringLiteral("[ButtonHint]\nNewBtn=새 라벨 만들기\nFontSize=크기\n"
                           "[About]\nCaption=라벨 프로그램 정보\n[FontName]\nFontSize=14\n")));
        auto *newButton = f.window.findChild<QToolButton *>(QStringLiteral("NewBtn"));
        QVERIFY(newButton);
        QCOMPARE(newButton->accessibleName(), QStringLiteral("새 라벨 만들기"));
        QCOMPARE(f.actions->action(C::New)->statusTip(), QStringLiteral("새 라벨 만들기"));
        QVERIFY(
            f.actions->action(C::New)->toolTip().startsWith(QStringLiteral("새 라벨 만들기 (")));
        QCOMPARE(f.actions->fontSizeBox()->accessibleName(), QStringLiteral("크기"));
        QCOMPARE(f.actions->fontSizeBox()->currentText(), QStringLiteral("14"));
        QCOMPARE(f.actions->action(C::About)->text(), QStringLiteral("라벨 프로그램 정보"));
        // Keys the file lacks keep the editor's own texts.
        QCOMPARE(f.actions->hint(C::Open), QStringLiteral("불러오기"));
        QCOMPARE(f.actions->hint(C::ToolTable), QStringLiteral("표 만들기"));
    }

    void shortcutsAreUniqueAndAsDocumented_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QString>("keys");
        QTest::newRow("change label paper") << int(C::ChangePaper) << QStringLiteral("Ctrl+R");
        QTest::newRow("print") << int(C::Print) << QStringLiteral("Ctrl+P");
        QTest::newRow("undo") << int(C::Undo) << QStringLiteral("Ctrl+Z");
        QTest::newRow("redo") << int(C::Redo) << QStringLiteral("Ctrl+Shift+Z");
        QTest::newRow("select all") << int(C::SelectAll) << QStringLiteral("Ctrl+A");
        QTest::newRow("delete") << int(C::Delete) << QStringLiteral("Ctrl+D");
        QTest::newRow("open") << int(C::Open) << QStringLiteral("Ctrl+O");
        QTest::newRow("help") << int(C::Help) << QStringLiteral("F1");
    }
    void shortcutsAreUniqueAndAsDocumented()
    {
        QFETCH(int, command);
        QFETCH(QString, keys);
        Fixture f(shippedCaptions);
        QHash<QKeySequence, QString> seen;
        for (const QAction *a : f.window.findChildren<QAction *>()) {
            for (const QKeySequence &k : a->shortcuts()) {
                QVERIFY2(!seen.contains(k),
                    qPrintable(k.toString() + u' ' + a->objectName() + u' ' + seen.value(k)));
                seen.insert(k, a->objectName());
            }
        }
        QCOMPARE(f.actions->action(C(command))->shortcut(),
            QKeySequence::fromString(keys, QKeySequence::PortableText));
    }

    void shortcutRunsOnlyAnImplementedCommand()
    {
        Fixture f(shippedCaptions);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowActive(&f.window));
        QSignalSpy spy(f.actions->action(C::ChangePaper), &QAction::triggered);
        QTest::keyClick(&f.window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(spy.count(), 0);
        f.actions->setImplemented(C::ChangePaper);
        QTest::keyClick(&f.window, Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(spy.count(), 1);
    }

    // Each compiled-in icon is a valid SVG that the image plugin and the icon engine both draw,
    // without the SVG module skipping parts of it, and draws something.
    void everyIconResourceLoads()
    {
        QStringList paths;
        QDirIterator it(QStringLiteral(":/icons"), {QStringLiteral("*.svg")});
        while (it.hasNext())
            paths << it.next();
        QVERIFY(paths.size() >= 90);
        const QtMessageHandler previous = qInstallMessageHandler(collectSvgWarnings);
        for (const QString &path : std::as_const(paths)) {
            svgWarnings.clear();
            QSvgRenderer renderer(path);
            QVERIFY2(renderer.isValid(), qPrintable(path));
            QCOMPARE(renderer.defaultSize(), QSize(24, 24));
            const QImage image(path);
            QVERIFY2(!image.isNull(), qPrintable(path + QStringLiteral(": no SVG image plugin")));
            const QImage drawn = QIcon(path).pixmap(24, 24).toImage();
            QVERIFY2(!drawn.isNull(), qPrintable(path));
            bool inked = false;
            for (int y = 0; y < drawn.height() && !inked; ++y)
                for (int x = 0; x < drawn.width() && !inked; ++x)
                    inked = qAlpha(drawn.pixel(x, y)) > 0;
            QVERIFY2(inked, qPrintable(path + QStringLiteral(" draws nothing")));
            QVERIFY2(svgWarnings.isEmpty(), qPrintable(path + u' ' + svgWarnings.join(u';')));
        }
        qInstallMessageHandler(previous);

        for (const CommandSpec &spec : commandTable()) {
            if (spec.icon)
                QVERIFY2(QFile::exists(EditorActions::ownIconPath(QString::fromLatin1(spec.icon))),
                    spec.icon);
        }
        for (int kind = 0; kind <= 18; ++kind)
            QVERIFY(!EditorActions::shapeIcon(kind).isNull());
        QVERIFY(EditorActions::shapeIcon(19).isNull());
    }

    void unimplementedCommandsAreDisabled()
    {
        Fixture f(shippedCaptions);
        const QSet<int> selfRun {
            int(C::ShowTopToolBar), int(C::ShowFormatToolBar), int(C::ShowLeftToolBar)};
        for (int i = 0; i < EditorCommandCount; ++i)
            QCOMPARE(f.actions->action(C(i))->isEnabled(), selfRun.contains(i));
        for (EditorControl c : {EditorControl::FontName, EditorControl::FontSize,
                 EditorControl::ShapeComboBox, EditorControl::ZoomPercentBox})
            QVERIFY(!f.actions->control(c)->isEnabled());

        // A disabled button does nothing when clicked.
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QSignalSpy cutSpy(f.actions->action(C::Cut), &QAction::triggered);
        auto *cut = f.window.findChild<QToolButton *>(QStringLiteral("CutBtn"));
        QVERIFY(cut);
        QTest::mouseClick(cut, Qt::LeftButton);
        QCOMPARE(cutSpy.count(), 0);

        // The situation cannot enable what is not implemented, and implementing keeps what the
        // situation asked for.
        f.actions->setCommandEnabled(C::Cut, true);
        QVERIFY(!f.actions->action(C::Cut)->isEnabled());
        f.actions->setImplemented(C::Cut);
        QVERIFY(f.actions->action(C::Cut)->isEnabled());
        QTest::mouseClick(cut, Qt::LeftButton);
        QCOMPARE(cutSpy.count(), 1);
        f.actions->setCommandEnabled(C::Cut, false);
        QVERIFY(!f.actions->action(C::Cut)->isEnabled());
        f.actions->setControlEnabled(EditorControl::ShapeComboBox, false);
        f.actions->setImplemented(EditorControl::ShapeComboBox);
        QVERIFY(!f.actions->shapeComboBox()->isEnabled());
        f.actions->setControlEnabled(EditorControl::ShapeComboBox, true);
        QVERIFY(f.actions->shapeComboBox()->isEnabled());
    }

    // What a keyboard user can reach: every command is in the menu bar, but for the select
    // tool, whose palette button is the way back from an armed tool.
    void everyCommandIsInTheMenuBar()
    {
        Fixture f(shippedCaptions);
        QSet<const QAction *> inMenus;
        for (const auto &item : menuActions(f.window))
            inMenus.insert(item.second);
        for (int i = 0; i < EditorCommandCount; ++i) {
            const QAction *a = f.actions->action(C(i));
            if (C(i) == C::ToolSelect)
                QVERIFY(f.actions->leftToolBar()->actions().contains(a));
            else
                QVERIFY2(inMenus.contains(a), qPrintable(a->objectName()));
        }
    }

    void toolsAreOneExclusiveGroup()
    {
        Fixture f(shippedCaptions);
        QCOMPARE(f.actions->currentTool(), C::ToolSelect);
        QSignalSpy chosen(f.actions, &EditorActions::toolChosen);
        f.actions->setImplemented(C::ToolRect);
        f.actions->action(C::ToolRect)->trigger();
        QCOMPARE(f.actions->currentTool(), C::ToolRect);
        QVERIFY(!f.actions->action(C::ToolSelect)->isChecked());
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.first().first().value<C>(), C::ToolRect);
        QCOMPARE(f.actions->action(C::ToolRect)->data().toInt(), 29);
        QCOMPARE(commandSpec(C::ToolRect).shape, 6);
        QCOMPARE(f.actions->action(C::ToolText)->data().toInt(), 27);
        f.actions->resetTool();
        QCOMPARE(f.actions->currentTool(), C::ToolSelect);
        QVERIFY(!f.actions->action(C::ToolRect)->isChecked());

        QVERIFY(f.actions->action(C::Landscape)->isChecked());
        QVERIFY(f.actions->action(C::RulerMillimetre)->isChecked());
        QVERIFY(f.actions->group(CommandGroup::Orientation)->isExclusive());
    }

    void viewMenuShowsAndHidesToolBars()
    {
        Fixture f(shippedCaptions);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QAction *toggle = f.actions->action(C::ShowLeftToolBar);
        QVERIFY(toggle->isChecked());
        QVERIFY(f.actions->leftToolBar()->isVisible());
        toggle->trigger();
        QVERIFY(!f.actions->leftToolBar()->isVisible());
        QVERIFY(!toggle->isChecked());
        f.actions->leftToolBar()->show();
        QVERIFY(toggle->isChecked());
        f.actions->formatToolBar()->hide();
        QVERIFY(!f.actions->action(C::ShowFormatToolBar)->isChecked());
    }

    void contextMenus_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("texts");
        const QString cut = QStringLiteral("잘라내기"), copy = QStringLiteral("복사하기"),
                      paste = QStringLiteral("붙여넣기"), del = QStringLiteral("지우기"),
                      front = QStringLiteral("개체 맨 앞으로"),
                      back = QStringLiteral("개체 맨 뒤로"),
                      forward = QStringLiteral("한칸 앞으로"),
                      backward = QStringLiteral("한칸 뒤로"), sep = QStringLiteral("-");
        QTest::newRow("default") << int(EditorContextMenu::Default)
                                 << QStringList {cut, copy, paste, sep, front, back, forward,
                                        backward, sep, del};
        QTest::newRow("barcode") << int(EditorContextMenu::Barcode)
                                 << QStringList {cut, copy, paste, sep, front, back, forward,
                                        backward, sep, del, sep, QStringLiteral("속성")};
        QTest::newRow("shape") << int(EditorContextMenu::Shape)
                               << QStringList {cut, copy, paste, sep, front, back, forward,
                                      backward, sep, QStringLiteral("실      선"),
                                      QStringLiteral("점      선"), QStringLiteral("쇄      선"),
                                      sep, del};
        QTest::newRow("image") << int(EditorContextMenu::Image)
                               << QStringList {cut, copy, paste, sep, QStringLiteral("원본 크기로"),
                                      sep, forward, front, back, backward, sep, del, sep,
                                      QStringLiteral("속      성")};
    }
    void contextMenus()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, texts);
        Fixture f(shippedCaptions);
        QMenu *menu = f.actions->contextMenu(EditorContextMenu(kind));
        QVERIFY(menu);
        QStringList shown;
        for (const QAction *a : menu->actions())
            shown << (a->isSeparator() ? QStringLiteral("-") : a->text());
        QCOMPARE(shown, texts);
    }

    // A pop-up item with a caption of its own runs its command and follows its state.
    void popupItemsFollowTheirCommands()
    {
        Fixture f(shippedCaptions);
        QMenu *menu = f.actions->contextMenu(EditorContextMenu::Shape);
        QAction *front = nullptr, *dotted = nullptr;
        for (QAction *a : menu->actions()) {
            if (a->text() == QStringLiteral("개체 맨 앞으로"))
                front = a;
            if (a->text() == QStringLiteral("점      선"))
                dotted = a;
        }
        QVERIFY(front && dotted);
        QSignalSpy ran(f.actions->action(C::BringToFront), &QAction::triggered);
        QVERIFY(!front->isEnabled());
        front->trigger();
        QCOMPARE(ran.count(), 0);
        f.actions->setImplemented(C::BringToFront);
        QVERIFY(front->isEnabled());
        front->trigger();
        QCOMPARE(ran.count(), 1);

        f.actions->setImplemented(C::LineStyleDot);
        QVERIFY(!dotted->isChecked());
        dotted->trigger();
        QVERIFY(f.actions->action(C::LineStyleDot)->isChecked());
        QVERIFY(!f.actions->action(C::LineStyleDash)->isChecked());
        QVERIFY(dotted->isChecked());
        f.actions->action(C::LineStyleSolid)->setChecked(true);
        QVERIFY(!dotted->isChecked());
    }

    // The main window puts its own zoom box where the plain one was, named and described alike.
    void replacedControlTakesThePlace()
    {
        Fixture f(shippedCaptions);
        QToolBar *top = f.actions->topToolBar();
        const QList<QAction *> before = top->actions();
        int place = -1;
        for (int i = 0; i < before.size(); ++i) {
            if (top->widgetForAction(before[i]) == f.actions->zoomPercentBox())
                place = i;
        }
        QVERIFY(place > 0);
        QPointer<QWidget> old = f.actions->zoomPercentBox();
        auto *mine = new QComboBox;
        f.actions->replaceControl(EditorControl::ZoomPercentBox, mine);
        QVERIFY(old.isNull());
        QCOMPARE(f.actions->zoomPercentBox(), mine);
        QCOMPARE(top->widgetForAction(top->actions().at(place)), mine);
        QCOMPARE(top->actions().size(), before.size());
        QCOMPARE(mine->objectName(), QStringLiteral("ZoomPercentBox"));
        QCOMPARE(mine->accessibleName(), QStringLiteral("화면 배율"));
        QVERIFY(mine->isEnabled());
        QVERIFY(f.actions->isImplemented(EditorControl::ZoomPercentBox));
    }

    void colourButtonsShowTheirColour()
    {
        Fixture f(shippedCaptions);
        f.actions->setButtonColour(C::FillColor, QColor(0x12, 0x34, 0x56));
        f.actions->setButtonColour(C::LineColor, Qt::black);
        f.actions->setButtonColour(C::Bold, Qt::green); // not a colour button: ignored
        QCOMPARE(f.actions->buttonColour(C::FillColor), QColor(0x12, 0x34, 0x56));
        QVERIFY(!f.actions->buttonColour(C::Bold).isValid());
        for (const int size : {16, 24, 48}) {
            const QImage fill = f.actions->action(C::FillColor)->icon().pixmap(size).toImage();
            QCOMPARE(QColor(fill.pixel(size / 2, size * 21 / 24)), QColor(0x12, 0x34, 0x56));
            const QImage line = f.actions->action(C::LineColor)->icon().pixmap(size).toImage();
            QCOMPARE(QColor(line.pixel(size / 2, size * 21 / 24)), QColor(Qt::black));
        }
    }

    void lineMenusAndFormatControls()
    {
        Fixture f(shippedCaptions);
        QMenu *widths = f.actions->lineWidthMenu();
        QCOMPARE(f.actions->action(C::LineWidth)->menu(), widths);
        QStringList texts;
        for (const QAction *a : widths->actions())
            texts << a->text();
        QCOMPARE(texts,
            (QStringList {QStringLiteral("라인 없음"), QStringLiteral("1 포인트"),
                QStringLiteral("2 포인트"), QStringLiteral("3 포인트"), QStringLiteral("4 포인트"),
                QStringLiteral("사용자 정의")}));
        QVERIFY(f.actions->action(C::LineWidth1)->isChecked());
        QVERIFY(f.actions->action(C::LineStyleDash)->isChecked());
        QCOMPARE(f.actions->action(C::LineStyleDot)->data().toInt(), int(Qt::DotLine));
        auto *thick = f.window.findChild<QToolButton *>(QStringLiteral("LineThickBtn"));
        QVERIFY(thick);
        QCOMPARE(thick->popupMode(), QToolButton::InstantPopup);

        QCOMPARE(f.actions->fontSizeBox()->count(), 16);
        QCOMPARE(f.actions->fontSizeBox()->currentText(), QStringLiteral("10"));
        QCOMPARE(f.actions->zoomPercentBox()->count(), 7);
        QCOMPARE(f.actions->zoomPercentBox()->currentText(), QStringLiteral("100 %"));
        QComboBox *shapes = f.actions->shapeComboBox();
        QCOMPARE(shapes->count(), 8);
        QCOMPARE(shapes->itemText(6), QStringLiteral("원형"));
        for (int i = 0; i < shapes->count(); ++i)
            QVERIFY2(!shapes->itemIcon(i).isNull(), qPrintable(shapes->itemText(i)));
    }
};

QTEST_MAIN(EditorActionsTest)
#include "tst_editoractions.moc"
