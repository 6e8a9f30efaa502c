// The colour-bar table editor: every edit sends the whole table, row-major,
// to the test-pattern window.
#include "dialog.h"
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QColorDialog>
#include <QMessageBox>
#include <QPointer>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace {

using ColorList = QVector<QColor>;

// Answers the next modal colour dialog: accepts with `color`, or cancels when
// `color` is invalid, and sets *answered. Retries until the dialog is up.
void answerColorDialog(const QColor &color, const std::shared_ptr<bool> &answered, int attempts = 200)
{
    QTimer::singleShot(10, [color, answered, attempts] {
        auto *dialogBox = qobject_cast<QColorDialog *>(QApplication::activeModalWidget());
        if (!dialogBox) {
            if (attempts > 0)
                answerColorDialog(color, answered, attempts - 1);
            return;
        }
        *answered = true;
        if (color.isValid()) {
            dialogBox->setCurrentColor(color);
            dialogBox->accept();
        } else {
            dialogBox->reject();
        }
    });
}

struct Warning
{
    QString title;
    QString text;
};

// Reads and closes the next warning box.
void closeWarning(const std::shared_ptr<Warning> &seen, int attempts = 200)
{
    QTimer::singleShot(10, [seen, attempts] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            if (attempts > 0)
                closeWarning(seen, attempts - 1);
            return;
        }
        seen->title = box->windowTitle();
        seen->text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
}

QColor cellColor(QTableWidget *table, int row, int column)
{
    QTableWidgetItem *item = table->item(row, column);
    return item ? item->data(Qt::BackgroundRole).value<QColor>() : QColor();
}

} // namespace

class TestColorTable : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void minusOnSingleCellWarnsAndStillSends_data();
    void minusOnSingleCellWarnsAndStillSends();
    void resizeSendsRowMajorWithWhiteNewCells_data();
    void resizeSendsRowMajorWithWhiteNewCells();
    void presetReplacesTable();
    void sizeModes();
    void doubleClickedCellTakesChosenColour();
    void cancelledCellDialogChangesNothing();

private:
    void click(QAbstractButton *button);
    void doubleClickCell(int row, int column);
    void fillTable(int rows, int columns);

    QPointer<MainWindow> panel;
    Ui::MainWindow *ui = nullptr;
    dialog *window = nullptr;
    QTableWidget *table = nullptr;
};

void TestColorTable::init()
{
    panel = new MainWindow;
    ui = panel->form();
    window = panel->testPatternWindow();
    table = ui->tableWidget;
    ui->stackedWidget->setCurrentIndex(0);
    ui->tabWidget->setCurrentIndex(1);
    panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(panel));
}

void TestColorTable::cleanup()
{
    delete panel;
}

void TestColorTable::click(QAbstractButton *button)
{
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton);
}

void TestColorTable::doubleClickCell(int row, int column)
{
    // As the system delivers it: a click, then the second press as a double-click.
    const QPoint centre = table->visualRect(table->model()->index(row, column)).center();
    QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
}

// Cell (r, c) gets the colour rgb(10 r, 10 c, 99), so a wrong index shows.
void TestColorTable::fillTable(int rows, int columns)
{
    table->setRowCount(rows);
    table->setColumnCount(columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            auto *item = new QTableWidgetItem;
            item->setData(Qt::BackgroundRole, QColor(10 * r, 10 * c, 99));
            table->setItem(r, c, item);
        }
    }
}

void TestColorTable::minusOnSingleCellWarnsAndStillSends_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("column") << "pushButton_mincol" << "the minimum number of column is 1";
    QTest::newRow("row") << "pushButton_minrow" << "the minimum number of row is 1";
}

void TestColorTable::minusOnSingleCellWarnsAndStillSends()
{
    QFETCH(QString, button);
    QFETCH(QString, text);
    QSignalSpy sent(panel, &MainWindow::sendcolorlist);
    const auto seen = std::make_shared<Warning>();
    closeWarning(seen);
    click(panel->findChild<QAbstractButton *>(button));

    QCOMPARE(seen->title, QStringLiteral("WARNING"));
    QCOMPARE(seen->text, text);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->columnCount(), 1);
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(0).value<ColorList>(), ColorList{ QColor(Qt::white) });
    QCOMPARE(sent.at(0).at(1).toInt(), 1);
    QCOMPARE(sent.at(0).at(2).toInt(), 1);
    QCOMPARE(window->mode, int(ColorBars));
    QVERIFY(ui->radioButton_auto->isEnabled());
    QVERIFY(ui->radioButton_manual->isEnabled());
}

void TestColorTable::resizeSendsRowMajorWithWhiteNewCells_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QVector<int>>("whiteIndexes");
    QTest::newRow("2 x 3 plus column: white at 3 and 7") << "pushButton_addcol" << 4 << 2 << QVector<int>{ 3, 7 };
    QTest::newRow("2 x 3 plus row: white at 6 to 8") << "pushButton_addrow" << 3 << 3 << QVector<int>{ 6, 7, 8 };
    QTest::newRow("2 x 3 minus column drops the last") << "pushButton_mincol" << 2 << 2 << QVector<int>{};
    QTest::newRow("2 x 3 minus row drops the last") << "pushButton_minrow" << 3 << 1 << QVector<int>{};
}

void TestColorTable::resizeSendsRowMajorWithWhiteNewCells()
{
    QFETCH(QString, button);
    QFETCH(int, columns);
    QFETCH(int, rows);
    QFETCH(QVector<int>, whiteIndexes);
    fillTable(2, 3);
    QSignalSpy sent(panel, &MainWindow::sendcolorlist);
    click(panel->findChild<QAbstractButton *>(button));

    QCOMPARE(sent.count(), 1);
    const ColorList colors = sent.at(0).at(0).value<ColorList>();
    QCOMPARE(sent.at(0).at(1).toInt(), columns);
    QCOMPARE(sent.at(0).at(2).toInt(), rows);
    QCOMPARE(colors.size(), columns * rows);
    for (int i = 0; i < colors.size(); ++i) {
        const int r = i / columns;
        const int c = i % columns;
        const QColor expected = whiteIndexes.contains(i) ? QColor(Qt::white) : QColor(10 * r, 10 * c, 99);
        QCOMPARE(colors.at(i), expected);
    }
    QCOMPARE(window->colorList, colors);
    QCOMPARE(window->colorColumns, columns);
    QCOMPARE(window->colorRows, rows);
}

void TestColorTable::presetReplacesTable()
{
    QVERIFY(QMetaType::type("QVector<QColor>") != QMetaType::UnknownType);
    fillTable(3, 2);
    QSignalSpy sent(panel, &MainWindow::sendcolorlist);
    click(ui->pushButton_usual);

    const ColorList preset{ Qt::red, Qt::green, Qt::blue, Qt::white, Qt::cyan, Qt::magenta, Qt::yellow };
    QCOMPARE(sent.count(), 1);
    QCOMPARE(sent.at(0).at(0).value<ColorList>(), preset);
    QCOMPARE(sent.at(0).at(1).toInt(), 7);
    QCOMPARE(sent.at(0).at(2).toInt(), 1);
    QCOMPARE(table->rowCount(), 1);
    QCOMPARE(table->columnCount(), 7);
    // Through the string-based connection the window holds the same list.
    QCOMPARE(window->colorList, preset);
    QCOMPARE(window->colorColumns, 7);
    QCOMPARE(window->colorRows, 1);
    QCOMPARE(window->mode, int(ColorBars));
}

void TestColorTable::sizeModes()
{
    QVERIFY(!ui->radioButton_manual->isEnabled());
    click(ui->pushButton_usual);
    click(ui->radioButton_manual);
    ui->spinBox_barwid->setValue(1080);
    ui->spinBox_barhei->setValue(45);
    click(ui->checkBox);
    QCOMPARE(window->autoCellSize, false);
    QCOMPARE(window->cellWidth, 1080);
    QCOMPARE(window->cellHeight, 45);
    QCOMPARE(window->tileColorBars, true);

    // Automatic mode sends 0, 0 and no tiling whatever the controls show.
    click(ui->radioButton_auto);
    QVERIFY(!ui->spinBox_barwid->isEnabled());
    QVERIFY(!ui->checkBox->isEnabled());
    window->setMode(Solid);
    click(ui->pushButton_addcol);
    QCOMPARE(window->mode, int(ColorBars));
    QCOMPARE(window->autoCellSize, true);
    QCOMPARE(window->cellWidth, 0);
    QCOMPARE(window->cellHeight, 0);
    QCOMPARE(window->tileColorBars, false);
}

void TestColorTable::doubleClickedCellTakesChosenColour()
{
    click(ui->pushButton_usual);
    QSignalSpy sent(panel, &MainWindow::sendcolorlist);
    const QColor chosen(0x20, 0x40, 0x60);
    const auto answered = std::make_shared<bool>(false);
    answerColorDialog(chosen, answered);
    doubleClickCell(0, 2);
    QVERIFY(*answered);

    QCOMPARE(cellColor(table, 0, 2), chosen);
    QCOMPARE(sent.count(), 1);
    const ColorList colors = sent.at(0).at(0).value<ColorList>();
    QCOMPARE(colors.size(), 7);
    QCOMPARE(colors.at(2), chosen);
    QCOMPARE(colors.at(1), QColor(Qt::green));
}

void TestColorTable::cancelledCellDialogChangesNothing()
{
    click(ui->pushButton_usual);
    window->setMode(Solid);
    QSignalSpy sent(panel, &MainWindow::sendcolorlist);
    const auto answered = std::make_shared<bool>(false);
    answerColorDialog(QColor(), answered);
    doubleClickCell(0, 0);
    QVERIFY(*answered);

    QCOMPARE(cellColor(table, 0, 0), QColor(Qt::red));
    QCOMPARE(sent.count(), 0);
    QCOMPARE(window->mode, int(Solid));
}

QTEST_MAIN(TestColorTable)
#include "tst_colortable.moc"
