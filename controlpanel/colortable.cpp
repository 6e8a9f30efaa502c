// Tab 2: the colour-bar table editor. Every edit sends the whole table to the
// test-pattern window as a row-major colour list.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"

#include <QColorDialog>
#include <QMessageBox>
#include <QTableWidgetItem>

namespace {

QTableWidgetItem *colorItem(const QColor &color)
{
    auto *item = new QTableWidgetItem;
    item->setData(Qt::BackgroundRole, color);
    return item;
}

} // namespace

void MainWindow::wireColorTable()
{
    connect(ui->spinBox_barhei, SIGNAL(valueChanged(int)), this, SLOT(configwh()));
    connect(ui->spinBox_barwid, SIGNAL(valueChanged(int)), this, SLOT(configwh()));
    connect(ui->radioButton_auto, SIGNAL(clicked(bool)), this, SLOT(configwh()));
    connect(ui->radioButton_manual, SIGNAL(clicked(bool)), this, SLOT(configwh()));
    connect(ui->checkBox, SIGNAL(stateChanged(int)), this, SLOT(configwh()));
}

void MainWindow::initColorTableState()
{
    // Cells hold colours, not text: a double-click opens the colour dialog.
    ui->tableWidget->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The table is sent after every edit, so the button is never needed.
    ui->pushButton_showcolbar->hide();
}

void MainWindow::on_pushButton_showcolbar_clicked()
{
    QTableWidget *table = ui->tableWidget;
    const int rows = table->rowCount();
    const int columns = table->columnCount();

    QVector<QColor> colors;
    colors.reserve(rows * columns);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            QTableWidgetItem *item = table->item(r, c);
            if (!item) {
                item = colorItem(Qt::white);
                table->setItem(r, c, item);
            }
            colors.append(item->data(Qt::BackgroundRole).value<QColor>());
        }
    }

    emit sendcolorlist(colors, columns, rows);
    configwh();
    ui->radioButton_auto->setEnabled(true);
    ui->radioButton_manual->setEnabled(true);
}

void MainWindow::configwh()
{
    const bool manual = ui->radioButton_manual->isChecked();
    if (manual) {
        ui->spinBox_barhei->setEnabled(true);
        ui->spinBox_barwid->setEnabled(true);
        ui->checkBox->setEnabled(true);
        patternWindow->setColorBarLayout(false, ui->spinBox_barwid->value(), ui->spinBox_barhei->value(),
                                         ui->checkBox->isChecked());
    } else {
        patternWindow->setColorBarLayout(true, 0, 0, false);
        ui->spinBox_barhei->setEnabled(false);
        ui->spinBox_barwid->setEnabled(false);
        ui->checkBox->setEnabled(false);
    }
}

void MainWindow::on_pushButton_addcol_clicked()
{
    ui->tableWidget->setColumnCount(ui->tableWidget->columnCount() + 1);
    on_pushButton_showcolbar_clicked();
}

void MainWindow::on_pushButton_addrow_clicked()
{
    ui->tableWidget->setRowCount(ui->tableWidget->rowCount() + 1);
    on_pushButton_showcolbar_clicked();
}

void MainWindow::on_pushButton_mincol_clicked()
{
    const int columns = ui->tableWidget->columnCount();
    if (columns == 1)
        QMessageBox::warning(this, tr("WARNING"), tr("the minimum number of column is 1"));
    else
        ui->tableWidget->setColumnCount(columns - 1);
    on_pushButton_showcolbar_clicked();
}

void MainWindow::on_pushButton_minrow_clicked()
{
    const int rows = ui->tableWidget->rowCount();
    if (rows == 1)
        QMessageBox::warning(this, tr("WARNING"), tr("the minimum number of row is 1"));
    else
        ui->tableWidget->setRowCount(rows - 1);
    on_pushButton_showcolbar_clicked();
}

void MainWindow::on_pushButton_usual_clicked()
{
    const QColor preset[] = { Qt::red, Qt::green, Qt::blue, Qt::white, Qt::cyan, Qt::magenta, Qt::yellow };
    QTableWidget *table = ui->tableWidget;
    table->clearContents();
    table->setColumnCount(7);
    table->setRowCount(1);
    for (int c = 0; c < 7; ++c)
        table->setItem(0, c, colorItem(preset[c]));
    on_pushButton_showcolbar_clicked();
}

// A cancelled dialog returns an invalid colour; the cell keeps its colour and
// nothing is sent.
void MainWindow::on_tableWidget_cellDoubleClicked(int row, int column)
{
    const QColor color = QColorDialog::getColor(Qt::white, nullptr, QString());
    if (!color.isValid())
        return;
    ui->tableWidget->setItem(row, column, colorItem(color));
    on_pushButton_showcolbar_clicked();
}
