// Tab 2: the colour-bar table editor.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"

void MainWindow::wireColorTable() {}
void MainWindow::initColorTableState() {}
void MainWindow::on_pushButton_showcolbar_clicked() {}
void MainWindow::configwh() {}
void MainWindow::on_pushButton_addcol_clicked() {}
void MainWindow::on_pushButton_addrow_clicked() {}
void MainWindow::on_pushButton_mincol_clicked() {}
void MainWindow::on_pushButton_minrow_clicked() {}
void MainWindow::on_pushButton_usual_clicked() {}
void MainWindow::on_tableWidget_cellDoubleClicked(int, int) {}
