// Placement of the test-pattern window, dragging and widening the panel.
#include "mainwindow.h"
#include "ui_mainwindow.h"

#include "dialog.h"

#include <QCursor>
#include <QMouseEvent>

namespace {

const int collapsedWidth = 601;
const int widenedWidth = 792;
const int panelHeight = 302;

// Each control changes one side of the window's rectangle and keeps the
// other three as the window has them now.
void setLeft(QWidget *window, int x)
{
    const QRect g = window->geometry();
    window->setGeometry(x, g.y(), g.width(), g.height());
}

void setTop(QWidget *window, int y)
{
    const QRect g = window->geometry();
    window->setGeometry(g.x(), y, g.width(), g.height());
}

void setWidth(QWidget *window, int w)
{
    const QRect g = window->geometry();
    window->setGeometry(g.x(), g.y(), w, g.height());
}

void setHeight(QWidget *window, int h)
{
    const QRect g = window->geometry();
    window->setGeometry(g.x(), g.y(), g.width(), h);
}

// The panel has no title bar: the strip along its top (A) and the empty
// middle of the tab area (B) drag it instead.
bool inPanelDragZone(int x, int y)
{
    const bool zoneA = x >= 0 && x <= 499 && y >= 0 && y <= 29;
    const bool zoneB = x >= 301 && x <= 589 && y >= 31 && y <= 249;
    return zoneA || zoneB;
}

} // namespace

void MainWindow::wirePlacement()
{
    connect(patternWindow, SIGNAL(xychange(int,int)), this, SLOT(setxy(int,int)));
    connect(patternWindow, SIGNAL(whchange(int,int)), this, SLOT(setwh(int,int)));
}

// A slider and its spin box set each other; the loop ends because neither
// reports a value it already holds. The spin box clamps before its slot runs,
// so the clamped value is what reaches the window.
void MainWindow::on_horizontalSlider_x_valueChanged(int x)
{
    setLeft(patternWindow, x);
    ui->spinBox_x->setValue(x);
}

void MainWindow::on_spinBox_x_valueChanged(int x)
{
    setLeft(patternWindow, x);
    ui->horizontalSlider_x->setValue(x);
}

void MainWindow::on_horizontalSlider_y_valueChanged(int y)
{
    setTop(patternWindow, y);
    ui->spinBox_y->setValue(y);
}

void MainWindow::on_spinBox_y_valueChanged(int y)
{
    setTop(patternWindow, y);
    ui->horizontalSlider_y->setValue(y);
}

void MainWindow::on_horizontalSlider_width_valueChanged(int w)
{
    setWidth(patternWindow, w);
    ui->spinBox_width->setValue(w);
}

void MainWindow::on_spinBox_width_valueChanged(int w)
{
    setWidth(patternWindow, w);
    ui->horizontalSlider_width->setValue(w);
}

void MainWindow::on_horizontalSlider_height_valueChanged(int h)
{
    setHeight(patternWindow, h);
    ui->spinBox_height->setValue(h);
}

void MainWindow::on_spinBox_height_valueChanged(int h)
{
    setHeight(patternWindow, h);
    ui->horizontalSlider_height->setValue(h);
}

void MainWindow::setxy(int x, int y)
{
    ui->spinBox_x->setValue(x);
    ui->spinBox_y->setValue(y);
}

void MainWindow::setwh(int w, int h)
{
    ui->spinBox_width->setValue(w);
    ui->spinBox_height->setValue(h);
}

void MainWindow::on_pushButton_extend_clicked()
{
    const QRect g = geometry();
    const bool widened = ui->pushButton_extend->isChecked();
    setGeometry(g.x(), g.y(), widened ? widenedWidth : collapsedWidth, panelHeight);
    ui->pushButton_extend->setText(widened ? QStringLiteral("<") : QStringLiteral(">"));
    ui->label_12->setVisible(widened);
}

void MainWindow::mousePressEvent(QMouseEvent *event)
{
    const QPoint cursor = QCursor::pos();
    pressCursorX = cursor.x();
    pressCursorY = cursor.y();
    pressWindowX = x();
    pressWindowY = y();
    pressLocalX = event->pos().x();
    pressLocalY = event->pos().y();
}

void MainWindow::mouseMoveEvent(QMouseEvent *)
{
    if (!inPanelDragZone(pressLocalX, pressLocalY))
        return;
    const QPoint cursor = QCursor::pos();
    move(pressWindowX + cursor.x() - pressCursorX, pressWindowY + cursor.y() - pressCursorY);
}
