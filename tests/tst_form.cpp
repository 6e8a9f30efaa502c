// The control panel's form: every control where, what and how setupUi leaves
// it, the button groups and their auto ids, the tab order and the stacking.
#include "formtable.h"
#include "startup.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QMainWindow>
#include <QtTest>

class tst_Form : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void controls_data();
    void controls();
    void everyControlIsListed_data();
    void everyControlIsListed();
    void buttonGroups_data();
    void buttonGroups();
    void tabPagesInMenuOrder();
    void startsOnMainPageAndFirstTab();
    void colorTableStartsAsOneEmptyCell();
    void stackingOrder_data();
    void stackingOrder();
    void topmostAtPoint_data();
    void topmostAtPoint();
    void swatchesShowTheirColours_data();
    void swatchesShowTheirColours();
    void checkedSwatchBorder_data();
    void checkedSwatchBorder();
    void placementSpinBoxesTakeTypedValues_data();
    void placementSpinBoxesTakeTypedValues();

private:
    template<typename T = QWidget> T *find(const QString &name) const
    {
        return window->findChild<T *>(name);
    }

    QMainWindow *window = nullptr;
    Ui::MainWindow ui;
};

void tst_Form::initTestCase()
{
    registerFontSubstitutions();
    window = new QMainWindow;
    ui.setupUi(window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void tst_Form::cleanupTestCase()
{
    delete window;
}

void tst_Form::controls_data()
{
    QTest::addColumn<FormControl>("control");
    for (const FormControl &control : formControls())
        QTest::newRow(qPrintable(control.name)) << control;
}

static void compareFont(const QFont &font, ControlFont kind)
{
    const QFont app = QApplication::font();
    struct Expected { QString family; int weight; qreal pointSize; };
    Expected expected { app.family(), app.weight(), app.pointSizeF() };
    switch (kind) {
    case ControlFont::Application: break;
    case ControlFont::YaHei: expected = { QStringLiteral("微软雅黑"), QFont::Normal, app.pointSizeF() }; break;
    case ControlFont::Gothic: expected = { QStringLiteral("Century Gothic"), app.weight(), app.pointSizeF() }; break;
    case ControlFont::GothicBold: expected = { QStringLiteral("Century Gothic"), QFont::Bold, app.pointSizeF() }; break;
    case ControlFont::Gothic12: expected = { QStringLiteral("Century Gothic"), QFont::Normal, 12 }; break;
    case ControlFont::AharoniBold: expected = { QStringLiteral("Aharoni"), QFont::Bold, app.pointSizeF() }; break;
    case ControlFont::PageList: expected = { QStringLiteral("Century Gothic"), app.weight(), 9 }; break;
    }
    QCOMPARE(font.family(), expected.family);
    QCOMPARE(font.weight(), expected.weight);
    QCOMPARE(font.pointSizeF(), expected.pointSize);
}

void tst_Form::controls()
{
    QFETCH(FormControl, control);
    QWidget *widget = find(control.name);
    QVERIFY2(widget, "missing from the form");
    QCOMPARE(widget->metaObject()->className(), control.className.constData());
    QCOMPARE(widget->parentWidget()->objectName(), control.page);
    QCOMPARE(widget->geometry(), control.place);
    QCOMPARE(widget->toolTip(), control.toolTip);
    QCOMPARE(widget->isEnabled(), !(control.state & Disabled));
    QVERIFY2(!widget->isHidden(), "the form hides nothing; the panel's constructor does");
    widget->ensurePolished();
    compareFont(widget->font(), control.font);

    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), control.text);
    if (auto *button = qobject_cast<QAbstractButton *>(widget)) {
        QCOMPARE(button->text(), control.text);
        QCOMPARE(button->isCheckable(), bool(control.state & Checkable));
        QCOMPARE(button->isChecked(), bool(control.state & Checked));
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        QCOMPARE(combo->count(), 1);
        QCOMPARE(combo->currentIndex(), 0);
        QCOMPARE(combo->currentText(), control.text);
        QCOMPARE(combo->hasFrame(), !(control.state & NoFrame));
    }
    if (auto *spin = qobject_cast<QSpinBox *>(widget)) {
        QCOMPARE(spin->minimum(), control.minimum);
        QCOMPARE(spin->maximum(), control.maximum);
        QCOMPARE(spin->value(), control.value);
        QCOMPARE(spin->alignment(), Qt::Alignment(Qt::AlignCenter));
    }
    if (auto *slider = qobject_cast<QSlider *>(widget)) {
        QCOMPARE(slider->minimum(), control.minimum);
        QCOMPARE(slider->maximum(), control.maximum);
        QCOMPARE(slider->value(), control.value);
        QCOMPARE(slider->orientation(), Qt::Horizontal);
    }
    if (auto *frame = qobject_cast<QFrame *>(widget)) {
        if (control.state & Boxed)
            QCOMPARE(frame->frameShape(), QFrame::Box);
        if (control.state & VerticalLine) {
            QCOMPARE(frame->frameShape(), QFrame::VLine);
            QCOMPARE(frame->frameShadow(), QFrame::Plain);
        }
    }
}

// A widget the table does not know about would go untested.
void tst_Form::everyControlIsListed_data()
{
    QTest::addColumn<QString>("page");
    for (const char *page : { "page_3", "page_4", "tab_6", "tab", "tab_2", "tab_3", "tab_4", "tab_7", "tab_5" })
        QTest::newRow(page) << QString::fromLatin1(page);
}

void tst_Form::everyControlIsListed()
{
    QFETCH(QString, page);
    QStringList listed;
    for (const FormControl &control : formControls())
        if (control.page == page)
            listed << control.name;
    QStringList built;
    for (QObject *child : find(page)->children())
        if (child->isWidgetType())
            built << child->objectName();
    listed.sort();
    built.sort();
    QCOMPARE(built, listed);
}

void tst_Form::buttonGroups_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("membersInIdOrder");
    QTest::addColumn<int>("checkedId");
    QTest::newRow("buttonGroup") << "buttonGroup"
        << QStringList { "pushButton_p2", "pushButton_p4", "pushButton_p3", "pushButton_p0", "pushButton_p5", "pushButton_p1" } << -5;
    QTest::newRow("buttonGroup_10") << "buttonGroup_10"
        << QStringList { "pushButton_opendlg", "pushButton_closedlg" } << -2;
    QTest::newRow("buttonGroup_3") << "buttonGroup_3"
        << QStringList { "pushButton_white", "pushButton_yellow", "pushButton_red", "pushButton_green",
                         "pushButton_purple", "pushButton_blue", "pushButton_cyan", "pushButton_black" } << -1;
    QTest::newRow("buttonGroup_2") << "buttonGroup_2"
        << QStringList { "radioButton_manual", "radioButton_auto" } << -3;
    QTest::newRow("buttonGroup_4") << "buttonGroup_4"
        << QStringList { "pushButton_32", "pushButton_64", "pushButton_128", "pushButton_256",
                         "pushButton_nolimit", "pushButton_ball", "pushButton_col_graydient_gray" } << -1;
    QTest::newRow("buttonGroup_7") << "buttonGroup_7"
        << QStringList { "pushButton_up", "pushButton_down", "pushButton_left", "pushButton_right" } << -1;
    QTest::newRow("buttonGroup_5") << "buttonGroup_5"
        << QStringList { "checkBox_hor", "checkBox_ver", "checkBox_rl", "checkBox_lr" } << -1;
    QTest::newRow("buttonGroup_11") << "buttonGroup_11"
        << QStringList { "pushButton_fonttest", "pushButton_square" } << -1;
    QTest::newRow("buttonGroup_6") << "buttonGroup_6"
        << QStringList { "pushButton", "pushButton_2", "pushButton_3" } << -1;
    QTest::newRow("buttonGroup_8") << "buttonGroup_8"
        << QStringList { "pushButton_fullscreenclock", "pushButton_singleclock", "pushButton_rectcircle",
                         "pushButton_rectcircle_2" } << -1;
    QTest::newRow("buttonGroup_9") << "buttonGroup_9"
        << QStringList { "checkBox_noscale", "checkBox_scale" } << -2;
}

void tst_Form::buttonGroups()
{
    QFETCH(QString, group);
    QFETCH(QStringList, membersInIdOrder);
    QFETCH(int, checkedId);
    auto *buttons = window->findChild<QButtonGroup *>(group, Qt::FindDirectChildrenOnly);
    QVERIFY2(buttons, "not a child of the window");
    QVERIFY(buttons->exclusive());
    QCOMPARE(buttons->buttons().size(), membersInIdOrder.size());
    for (int i = 0; i < membersInIdOrder.size(); ++i) {
        auto *button = find<QAbstractButton>(membersInIdOrder.at(i));
        QVERIFY(button);
        QCOMPARE(buttons->id(button), -2 - i);
    }
    QCOMPARE(buttons->checkedId(), checkedId);
}

void tst_Form::tabPagesInMenuOrder()
{
    const QStringList pages { "tab_6", "tab", "tab_2", "tab_3", "tab_4", "tab_7", "tab_5" };
    const QStringList titles { "1", "2", "3", "4", "5", "6", "Menu" };
    QCOMPARE(ui.tabWidget->count(), pages.size());
    for (int i = 0; i < pages.size(); ++i) {
        QCOMPARE(ui.tabWidget->widget(i)->objectName(), pages.at(i));
        QCOMPARE(ui.tabWidget->tabText(i), titles.at(i));
    }
}

void tst_Form::startsOnMainPageAndFirstTab()
{
    QCOMPARE(window->objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window->size(), QSize(810, 295));
    QCOMPARE(window->centralWidget(), ui.centralWidget);
    QCOMPARE(ui.stackedWidget->parentWidget(), ui.centralWidget);
    QCOMPARE(ui.stackedWidget->geometry(), QRect(6, -16, 761, 321));
    QCOMPARE(ui.stackedWidget->count(), 2);
    QCOMPARE(ui.stackedWidget->widget(0), ui.page_3);
    QCOMPARE(ui.stackedWidget->widget(1), ui.page_4);
    QCOMPARE(ui.stackedWidget->currentIndex(), 0);
    QCOMPARE(ui.tabWidget->currentIndex(), 0);
}

void tst_Form::colorTableStartsAsOneEmptyCell()
{
    QTableWidget *table = ui.tableWidget;
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->columnCount(), 1);
    QVERIFY(!table->item(0, 0));
    QVERIFY(table->showGrid());
    QCOMPARE(table->gridStyle(), Qt::SolidLine);
    QVERIFY(!table->isSortingEnabled());
    QVERIFY(table->horizontalHeader()->isHidden());
    QVERIFY(table->verticalHeader()->isHidden());
    QCOMPARE(table->horizontalHeader()->defaultSectionSize(), 50);
    QVERIFY(!table->horizontalHeader()->stretchLastSection());
    QVERIFY(!table->horizontalHeader()->cascadingSectionResizes());
    QVERIFY(!table->horizontalHeader()->isSortIndicatorShown());
    QVERIFY(!table->verticalHeader()->cascadingSectionResizes());
    QCOMPARE(table->viewport()->cursor().shape(), Qt::ArrowCursor);
}

// raise() moves a widget to the end of its parent's children, so the children
// order of a page is its stacking order, bottom first.
void tst_Form::stackingOrder_data()
{
    QTest::addColumn<QString>("page");
    QTest::addColumn<QStringList>("bottomToTop");
    QTest::newRow("page_3") << "page_3" << QStringList {
        "label_51", "label_12", "spinBox_y", "spinBox_width", "label_11", "label_5", "label_3", "tabWidget",
        "horizontalSlider_height", "spinBox_height", "pushButton_opendlg", "pushButton_p0", "label_6",
        "horizontalSlider_x", "spinBox_x", "horizontalSlider_y", "pushButton_closedlg", "label_2",
        "horizontalSlider_width", "pushButton_p1", "line", "pushButton_extend", "label_10", "pushButton_close",
        "pushButton_p5", "pushButton_p4", "pushButton_p3", "pushButton_p2" };
    QTest::newRow("page_4") << "page_4" << QStringList {
        "label_50", "comboBox_page", "pushButton_selectpage", "pushButton_closeall", "label_49" };

    // Side picture and heading icon under the table; the other pages stack as created.
    QStringList tab { "label_13", "label_17" };
    QStringList scan { "label_31" };
    for (const FormControl &control : formControls()) {
        if (control.page == QLatin1String("tab") && !tab.contains(control.name))
            tab << control.name;
        if (control.page == QLatin1String("tab_3") && !scan.contains(control.name))
            scan << control.name;
    }
    QTest::newRow("tab") << "tab" << tab;
    QTest::newRow("tab_3") << "tab_3" << scan;
    for (const char *page : { "tab_6", "tab_2", "tab_4", "tab_7" }) {
        QStringList created;
        for (const FormControl &control : formControls())
            if (control.page == QLatin1String(page))
                created << control.name;
        QTest::newRow(page) << QString::fromLatin1(page) << created;
    }
}

void tst_Form::stackingOrder()
{
    QFETCH(QString, page);
    QFETCH(QStringList, bottomToTop);
    QStringList children;
    for (QObject *child : find(page)->children())
        if (child->isWidgetType())
            children << child->objectName();
    QCOMPARE(children, bottomToTop);
}

// What the operator sees on top where widgets overlap (page_3 coordinates;
// label_12 is shown, as in the widened panel).
void tst_Form::topmostAtPoint_data()
{
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("topmost");
    QTest::newRow("tab widget over the widened panel's picture") << QPoint(500, 100) << "tabWidget";
    QTest::newRow("show button over the widened panel's picture") << QPoint(620, 60) << "pushButton_opendlg";
    QTest::newRow("line over the tab widget's right edge") << QPoint(585, 150) << "line";
    QTest::newRow("close button over the tab widget") << QPoint(574, 37) << "pushButton_close";
    QTest::newRow("extend button over the tab widget") << QPoint(574, 283) << "pushButton_extend";
    QTest::newRow("menu button over the corner picture") << QPoint(60, 270) << "pushButton_p5";
}

void tst_Form::topmostAtPoint()
{
    QFETCH(QPoint, point);
    QFETCH(QString, topmost);
    QWidget *hit = ui.page_3->childAt(point);
    QVERIFY(hit);
    QWidget *expected = find(topmost);
    QVERIFY2(hit == expected || expected->isAncestorOf(hit), qPrintable(hit->objectName()));
}

// The object names do not name the colours; the place does.
void tst_Form::swatchesShowTheirColours_data()
{
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("x 60 black") << "pushButton_white" << QColor(0, 0, 0);
    QTest::newRow("x 90 white") << "pushButton_yellow" << QColor(255, 255, 255);
    QTest::newRow("x 120 red") << "pushButton_red" << QColor(255, 0, 0);
    QTest::newRow("x 150 green") << "pushButton_green" << QColor(0, 255, 0);
    QTest::newRow("x 180 blue") << "pushButton_purple" << QColor(0, 0, 255);
    QTest::newRow("x 210 cyan") << "pushButton_blue" << QColor(0, 255, 255);
    QTest::newRow("x 240 magenta") << "pushButton_cyan" << QColor(255, 0, 255);
    QTest::newRow("x 270 yellow") << "pushButton_black" << QColor(255, 255, 0);
}

void tst_Form::swatchesShowTheirColours()
{
    QFETCH(QString, swatch);
    QFETCH(QColor, colour);
    const QImage image = find(swatch)->grab().toImage();
    QCOMPARE(image.pixelColor(8, 8), colour);
}

void tst_Form::checkedSwatchBorder_data()
{
    QTest::addColumn<QString>("swatch");
    QTest::addColumn<bool>("orangeBorder");
    QTest::newRow("red swatch") << "pushButton_red" << true;
    QTest::newRow("black swatch") << "pushButton_white" << true;
    QTest::newRow("yellow swatch has none") << "pushButton_black" << false;
}

void tst_Form::checkedSwatchBorder()
{
    QFETCH(QString, swatch);
    QFETCH(bool, orangeBorder);
    auto *button = find<QPushButton>(swatch);
    const QColor orange(255, 170, 0);
    QVERIFY(button->grab().toImage().pixelColor(0, 0) != orange);
    button->setChecked(true);
    const QImage checked = button->grab().toImage();
    ui.buttonGroup_3->setExclusive(false);
    button->setChecked(false);
    ui.buttonGroup_3->setExclusive(true);
    QCOMPARE(checked.pixelColor(0, 0) == orange, orangeBorder);
    QCOMPARE(checked.pixelColor(1, 1) == orange, orangeBorder);
}

// The width and height boxes reach the sliders' maxima, so a 4K wall fits.
void tst_Form::placementSpinBoxesTakeTypedValues_data()
{
    QTest::addColumn<QString>("spinBox");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("value");
    QTest::newRow("width 3840") << "spinBox_width" << "3840" << 3840;
    QTest::newRow("width 2000") << "spinBox_width" << "2000" << 2000;
    QTest::newRow("width past 3840 drops the last digit") << "spinBox_width" << "3841" << 384;
    QTest::newRow("height 2160") << "spinBox_height" << "2160" << 2160;
    QTest::newRow("height 2000") << "spinBox_height" << "2000" << 2000;
    QTest::newRow("height past 2160 drops the last digit") << "spinBox_height" << "2161" << 216;
    QTest::newRow("x -3840") << "spinBox_x" << "-3840" << -3840;
    QTest::newRow("y -2160") << "spinBox_y" << "-2160" << -2160;
}

void tst_Form::placementSpinBoxesTakeTypedValues()
{
    QFETCH(QString, spinBox);
    QFETCH(QString, typed);
    QFETCH(int, value);
    auto *box = find<QSpinBox>(spinBox);
    const int start = box->value();
    box->selectAll();
    QTest::keyClicks(box, typed);
    QTest::keyClick(box, Qt::Key_Enter);
    QCOMPARE(box->value(), value);
    box->setValue(start);
}

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
