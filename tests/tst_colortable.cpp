// The colour-bar table editor: every edit sends the whole table, row-major,
// to the test-pattern window.
#include "paneltest.h"

#include <QTableWidget>

namespace {

using ColorList = QVector<QColor>;

// Cell (r, c) holds rgb(10 r, 10 c, 99), so a wrong index shows; the listed
// row-major indexes are white, as new cells are.
ColorList grid(int rows, int columns, const QVector<int> &white = {})
{
    ColorList colors;
    for (int i = 0; i < rows * columns; ++i)
        colors << (white.contains(i) ? QColor(Qt::white) : QColor(10 * (i / columns), 10 * (i % columns), 99));
    return colors;
}

void fill(QTableWidget *table, int rows, int columns)
{
    table->setRowCount(rows);
    table->setColumnCount(columns);
    const ColorList colors = grid(rows, columns);
    for (int i = 0; i < colors.size(); ++i) {
        auto *item = new QTableWidgetItem;
        item->setData(Qt::BackgroundRole, colors.at(i));
        table->setItem(i / columns, i % columns, item);
    }
}

} // namespace

class TestColorTable : public QObject
{
    Q_OBJECT

private slots:
    void editSendsWholeTable_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QSize>("before"); // columns × rows
        QTest::addColumn<QSize>("after");
        QTest::addColumn<ColorList>("sent");
        QTest::addColumn<QStringList>("warnings");
        QTest::newRow("1 × 1 minus column warns and still sends 1 colour") << "pushButton_mincol" << QSize(1, 1)
            << QSize(1, 1) << grid(1, 1) << QStringList{ "WARNING: the minimum number of column is 1" };
        QTest::newRow("1 × 1 minus row warns and still sends 1 colour") << "pushButton_minrow" << QSize(1, 1)
            << QSize(1, 1) << grid(1, 1) << QStringList{ "WARNING: the minimum number of row is 1" };
        QTest::newRow("2 × 3 plus column: white cells at 3 and 7") << "pushButton_addcol" << QSize(3, 2)
            << QSize(4, 2) << grid(2, 4, { 3, 7 }) << QStringList();
        QTest::newRow("2 × 3 plus row: white cells 6 to 8") << "pushButton_addrow" << QSize(3, 2)
            << QSize(3, 3) << grid(3, 3, { 6, 7, 8 }) << QStringList();
        QTest::newRow("2 × 3 minus column drops the last") << "pushButton_mincol" << QSize(3, 2)
            << QSize(2, 2) << grid(2, 2) << QStringList();
        QTest::newRow("2 × 3 minus row drops the last") << "pushButton_minrow" << QSize(3, 2)
            << QSize(3, 1) << grid(1, 3) << QStringList();
        QTest::newRow("preset: 7 colours, 7 columns, 1 row") << "pushButton_usual" << QSize(2, 3) << QSize(7, 1)
            << ColorList{ Qt::red, Qt::green, Qt::blue, Qt::white, Qt::cyan, Qt::magenta, Qt::yellow } << QStringList();
    }

    void editSendsWholeTable()
    {
        QFETCH(QString, button);
        QFETCH(QSize, before);
        QFETCH(QSize, after);
        QFETCH(ColorList, sent);
        QFETCH(QStringList, warnings);
        Panel panel(1);
        fill(panel.ui->tableWidget, before.height(), before.width());
        QSignalSpy spy(&panel.window, &MainWindow::sendcolorlist);
        ModalAnswerer answerer;
        panel.click(button);
        QCOMPARE(answerer.warnings, warnings);
        QCOMPARE(spy.count(), 1);
        // The window receives the list through the string-based connection.
        QCOMPARE(stateOf(*panel.pattern).colorList, sent);
        QCOMPARE(QSize(stateOf(*panel.pattern).colorColumns, stateOf(*panel.pattern).colorRows), after);
        QCOMPARE(stateOf(*panel.pattern).mode, int(ColorBars));
        QVERIFY(panel.ui->radioButton_manual->isEnabled());
    }

    void automaticModeSendsNoSize()
    {
        Panel panel(1);
        panel.click("pushButton_usual");
        panel.click("radioButton_manual");
        panel.ui->spinBox_barwid->setValue(1080);
        panel.ui->spinBox_barhei->setValue(45);
        panel.click("checkBox");
        const dialog *window = panel.pattern;
        QCOMPARE((QVector<int>{ stateOf(*window).autoCellSize, stateOf(*window).cellWidth, stateOf(*window).cellHeight, stateOf(*window).tileColorBars }),
                 (QVector<int>{ false, 1080, 45, true }));

        panel.click("radioButton_auto");
        QVERIFY(!panel.ui->spinBox_barwid->isEnabled());
        QVERIFY(!panel.ui->checkBox->isEnabled());
        panel.click("pushButton_addcol");
        QCOMPARE((QVector<int>{ stateOf(*window).autoCellSize, stateOf(*window).cellWidth, stateOf(*window).cellHeight, stateOf(*window).tileColorBars }),
                 (QVector<int>{ true, 0, 0, false }));
    }

    void cellDialog_data()
    {
        QTest::addColumn<QColor>("answer");
        QTest::newRow("accepted colour fills the cell and is sent") << QColor(0x20, 0x40, 0x60);
        QTest::newRow("cancelled dialog changes nothing") << QColor();
    }

    void cellDialog()
    {
        QFETCH(QColor, answer);
        Panel panel(1);
        panel.click("pushButton_usual");
        editState(*panel.pattern).mode = Solid;
        QTableWidget *table = panel.ui->tableWidget;
        const QPoint centre = table->visualRect(table->model()->index(0, 2)).center();
        ModalAnswerer answerer(pickColor(answer));
        // As the system delivers it: a click, then the second press as a double-click.
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
        QCOMPARE(answerer.answered, 1);
        const QColor cell = answer.isValid() ? answer : QColor(Qt::blue);
        QCOMPARE(table->item(0, 2)->data(Qt::BackgroundRole).value<QColor>(), cell);
        QCOMPARE(stateOf(*panel.pattern).mode, answer.isValid() ? int(ColorBars) : int(Solid));
        if (answer.isValid())
            QCOMPARE(stateOf(*panel.pattern).colorList, (ColorList{ Qt::red, Qt::green, cell, Qt::white, Qt::cyan, Qt::magenta, Qt::yellow }));
    }
};

QTEST_MAIN(TestColorTable)
#include "tst_colortable.moc"
