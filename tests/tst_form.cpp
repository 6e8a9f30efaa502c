// The control panel's form: every control where, what and how setupUi leaves
// it and in which stacking, the button groups and their auto ids, the page order.
#include "formtable.h"
#include "startup.h"
#include "ui_mainwindow.h"

#include <QMainWindow>
#include <QtTest>

namespace {

// The state bits of the table, read back from a widget.
int stateOf(QWidget *widget)
{
    int state = widget->isEnabled() ? Plain : Disabled;
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        state |= (button->isCheckable() ? Checkable : 0) | (button->isChecked() ? Checked : 0);
    if (auto *combo = qobject_cast<QComboBox *>(widget))
        state |= combo->hasFrame() ? 0 : NoFrame;
    if (auto *frame = qobject_cast<QFrame *>(widget)) {
        state |= frame->frameShape() == QFrame::Box ? Boxed : 0;
        state |= frame->frameShape() == QFrame::VLine && frame->frameShadow() == QFrame::Plain ? VerticalLine : 0;
    }
    return state;
}

} // namespace

class tst_Form : public QObject
{
    Q_OBJECT

    QMainWindow *window = nullptr;
    Ui::MainWindow ui;

    template<typename T = QWidget> T *find(const QString &name) const { return window->findChild<T *>(name); }

private slots:
    void initTestCase()
    {
        registerFontSubstitutions();
        window = new QMainWindow;
        ui.setupUi(window);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }

    void cleanupTestCase() { delete window; }

    // The placement labels' leading spaces ("       X", "  WIDTH") are part of their texts;
    // the width and height spin boxes reach 3840 and 2160, as their sliders do.
    void controls_data()
    {
        QTest::addColumn<FormControl>("control");
        for (const FormControl &control : formControls())
            QTest::newRow(qPrintable(control.name)) << control;
    }

    void controls()
    {
        QFETCH(FormControl, control);
        QWidget *widget = find(control.name);
        QVERIFY2(widget, "missing from the form");
        QCOMPARE(widget->metaObject()->className(), qPrintable(control.className));
        QCOMPARE(widget->parentWidget()->objectName(), control.page);
        QCOMPARE(widget->geometry(), control.place);
        QCOMPARE(widget->toolTip(), control.toolTip);
        QCOMPARE(stateOf(widget), control.state);
        QVERIFY2(!widget->isHidden(), "the form hides nothing; the panel's constructor does");
        // raise() moves a widget to the end of its parent's children, so these are
        // its page's stacking order; the table lists each page bottom to top, and whole.
        QStringList siblings, listed;
        for (QObject *child : widget->parentWidget()->children())
            if (child->isWidgetType())
                siblings << child->objectName();
        for (const FormControl &other : formControls())
            if (other.page == control.page)
                listed << other.name;
        QCOMPARE(siblings, listed);
        // A spin box's "text" is its value; the page list shows its current entry.
        const char *shown = widget->inherits("QComboBox") ? "currentText" : "text";
        QCOMPARE(widget->inherits("QAbstractSpinBox") ? QString() : widget->property(shown).toString(), control.text);
        // Only spin boxes and sliders have a range; the rest read 0, 0, 0.
        const QVector<int> range { widget->property("minimum").toInt(), widget->property("maximum").toInt(),
                                   widget->property("value").toInt() };
        QCOMPARE(range, QVector<int>({ control.minimum, control.maximum, control.value }));

        widget->ensurePolished();
        const QFont app = QApplication::font();
        QCOMPARE(widget->font().family(), *control.font.family ? QString(control.font.family) : app.family());
        QCOMPARE(widget->font().weight(), control.font.weight ? control.font.weight : app.weight());
        QCOMPARE(widget->font().pointSizeF(), control.font.pointSize ? control.font.pointSize : app.pointSizeF());
    }

    // What the operator sees on top where page_3's widgets overlap (label_12 shown, as when widened).
    void topmostAtPoint_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QString>("topmost");
        QTest::newRow("tab widget over the widened panel's picture") << QPoint(500, 100) << "tabWidget";
        QTest::newRow("show button over the widened panel's picture") << QPoint(620, 60) << "pushButton_opendlg";
        QTest::newRow("line over the tab widget's right edge") << QPoint(585, 150) << "line";
        QTest::newRow("menu button over the corner picture") << QPoint(60, 270) << "pushButton_p5";
    }

    void topmostAtPoint()
    {
        QFETCH(QPoint, point);
        QFETCH(QString, topmost);
        QWidget *hit = ui.page_3->childAt(point);
        QVERIFY(hit);
        QVERIFY2(hit == find(topmost) || find(topmost)->isAncestorOf(hit), qPrintable(hit->objectName()));
    }

    void buttonGroups_data()
    {
        QTest::addColumn<QString>("membersInIdOrder");
        QTest::addColumn<int>("checkedId");
        QTest::newRow("buttonGroup") << "pushButton_p2 pushButton_p4 pushButton_p3 pushButton_p0 pushButton_p5 pushButton_p1" << -5;
        QTest::newRow("buttonGroup_10") << "pushButton_opendlg pushButton_closedlg" << -2;
        QTest::newRow("buttonGroup_3") << "pushButton_white pushButton_yellow pushButton_red pushButton_green "
                                          "pushButton_purple pushButton_blue pushButton_cyan pushButton_black" << -1;
        QTest::newRow("buttonGroup_2") << "radioButton_manual radioButton_auto" << -3;
        QTest::newRow("buttonGroup_4") << "pushButton_32 pushButton_64 pushButton_128 pushButton_256 pushButton_nolimit "
                                          "pushButton_ball pushButton_col_graydient_gray" << -1;
        QTest::newRow("buttonGroup_7") << "pushButton_up pushButton_down pushButton_left pushButton_right" << -1;
        QTest::newRow("buttonGroup_5") << "checkBox_hor checkBox_ver checkBox_rl checkBox_lr" << -1;
        QTest::newRow("buttonGroup_11") << "pushButton_fonttest pushButton_square" << -1;
        QTest::newRow("buttonGroup_6") << "pushButton pushButton_2 pushButton_3" << -1;
        QTest::newRow("buttonGroup_8") << "pushButton_fullscreenclock pushButton_singleclock pushButton_rectcircle "
                                          "pushButton_rectcircle_2" << -1;
        QTest::newRow("buttonGroup_9") << "checkBox_noscale checkBox_scale" << -2;
    }

    // Auto ids count down from -2 in the order the form adds the members.
    void buttonGroups()
    {
        QFETCH(QString, membersInIdOrder);
        const QStringList members = membersInIdOrder.split(' ');
        auto *group = window->findChild<QButtonGroup *>(QTest::currentDataTag(), Qt::FindDirectChildrenOnly);
        QVERIFY2(group, "not a child of the window");
        QVERIFY(group->exclusive());
        QCOMPARE(group->buttons().size(), members.size());
        for (int i = 0; i < members.size(); ++i)
            QCOMPARE(group->id(find<QAbstractButton>(members.at(i))), -2 - i);
        QTEST(group->checkedId(), "checkedId");
    }

    // The table names every page in this order too, so none goes unchecked.
    void pagesInOrder()
    {
        QStringList tabPages;
        for (int i = 0; i < ui.tabWidget->count(); ++i) {
            tabPages << ui.tabWidget->widget(i)->objectName();
            QCOMPARE(ui.tabWidget->tabText(i), i < 6 ? QString::number(i + 1) : QStringLiteral("Menu"));
        }
        QCOMPARE(tabPages, QStringList({ "tab_6", "tab", "tab_2", "tab_3", "tab_4", "tab_7", "tab_5" }));
        QStringList listed;
        for (const FormControl &control : formControls())
            if (!listed.contains(control.page))
                listed << control.page;
        QCOMPARE(listed, QStringList({ "page_3", "page_4" }) + tabPages);
    }
};

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
